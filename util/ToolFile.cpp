// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/ToolFile.h"

#include "util/Cp1252.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <utility>

std::vector<std::unique_ptr<TToolRecord>> ToolList;
std::size_t SelectedTool = 0;

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char EndOfData = '\x1A';

// Large enough that a big file is read in few calls, small enough that a
// file of any size costs little memory.
constexpr qsizetype ReadChunk = 64 * 1024;

TToolSinkFactory SinkFactory;

void SetError(QString* error, const QString& reason) {
    if (error)
        *error = reason;
}

struct TFieldRef {
    const char* name;
    QString TToolRecord::*member;
};

constexpr std::array<TFieldRef, 4> Fields = {{
    {"Title", &TToolRecord::Title},
    {"File", &TToolRecord::File},
    {"Dir", &TToolRecord::Dir},
    {"Params", &TToolRecord::Params},
}};

// The reason a field is refused, or an empty string if it can be stored.
QString RefusalReason(QStringView text, const char* field) {
    const qsizetype bad = ToolFieldBadChar(text);
    if (bad < 0)
        return {};
    const QString code =
        QString::number(text[bad].unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("%1: the character U+%2 cannot be stored in %3")
        .arg(QLatin1String(field), code, QLatin1String(ToolFile));
}

bool WriteAll(TToolSink& file, const QByteArray& bytes, QString* error) {
    const qint64 written = file.write(bytes.constData(), bytes.size());
    if (written == bytes.size())
        return true;
    QString reason = file.errorString();
    if (reason.isEmpty())
        reason = QStringLiteral("only %1 of %2 bytes could be written")
                     .arg(std::max<qint64>(written, 0))
                     .arg(bytes.size());
    SetError(error, reason);
    return false;
}

} // namespace

// --- The list in memory ----------------------------------------------------

std::size_t ToolCount() {
    return ToolList.size();
}

TToolRecord& Tool(std::size_t k) {
    return *ToolList.at(k - 1);
}

TToolRecord& AppendTool() {
    ToolList.push_back(std::make_unique<TToolRecord>());
    return *ToolList.back();
}

void RemoveTool(std::size_t k) {
    if (k < 1 || k > ToolList.size())
        return;
    ToolList.erase(ToolList.begin() + static_cast<std::ptrdiff_t>(k - 1));
    if (SelectedTool == k)
        SelectedTool = 0;
    else if (SelectedTool > k)
        --SelectedTool;
}

void FillTool(TToolRecord& tool, const QString& title, const QString& file, const QString& dir,
              const QString& params) {
    tool.Title = title.left(ToolFieldMax);
    tool.File = file.left(ToolFieldMax);
    tool.Dir = dir.left(ToolFieldMax);
    tool.Params = params.left(ToolFieldMax);
}

qsizetype ToolFieldBadChar(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == CR || c == EndOfData || !Cp1252Byte(c))
            return i;
    }
    return -1;
}

// --- Reading -----------------------------------------------------------------

TTextIn::TTextIn() = default;
TTextIn::~TTextIn() = default;

void TTextIn::bind(std::unique_ptr<QIODevice> device) {
    device_ = std::move(device);
    buffer_.clear();
    pos_ = len_ = 0;
    ended_ = failed_ = false;
    error_.clear();
}

void TTextIn::close() {
    if (device_)
        device_->close();
    device_.reset();
    buffer_.clear();
    pos_ = len_ = 0;
    ended_ = true;
}

// Makes at least one unread byte available; false at the end of the data or
// when the read fails.
bool TTextIn::fill() {
    if (pos_ < len_)
        return true;
    if (ended_ || !device_)
        return false;
    // Made at its exact size: growing an empty array would round the
    // allocation up to twice the chunk.
    if (buffer_.size() != ReadChunk)
        buffer_ = QByteArray(ReadChunk, Qt::Uninitialized);
    const qint64 n = device_->read(buffer_.data(), ReadChunk);
    pos_ = 0;
    len_ = std::max<qint64>(n, 0);
    if (n > 0)
        return true;
    ended_ = true;
    if (n < 0) {
        failed_ = true;
        error_ = device_->errorString();
    }
    return false;
}

bool TTextIn::atEnd() {
    if (!fill())
        return true;
    if (buffer_[pos_] == EndOfData) {
        // Whatever follows a Ctrl-Z is not data: never look at it again.
        ended_ = true;
        pos_ = len_ = 0;
        return true;
    }
    return false;
}

bool TTextIn::readLine(QString& field) {
    std::array<char, ToolFieldMax> kept;
    qsizetype keptSize = 0;
    while (fill()) {
        const char* data = buffer_.constData() + pos_;
        const qsizetype available = len_ - pos_;
        qsizetype n = 0;
        while (n < available && data[n] != CR && data[n] != EndOfData)
            ++n;
        const qsizetype take = std::min(n, ToolFieldMax - keptSize);
        std::copy(data, data + take, kept.begin() + keptSize);
        keptSize += take;
        pos_ += n;
        if (n == available)
            continue; // the line goes on in the next chunk
        if (data[n] == EndOfData) {
            ended_ = true;
            pos_ = len_ = 0;
        } else {
            ++pos_; // the CR
            if (fill() && buffer_[pos_] == LF)
                ++pos_;
        }
        break;
    }
    field = Cp1252Decode(QByteArrayView(kept.data(), keptSize));
    return !failed_;
}

bool OpenTextRead(TTextIn& file, const QString& name, QString* error) {
    if (!QFileInfo::exists(name)) {
        SetError(error, QStringLiteral("%1 does not exist").arg(name));
        return false;
    }
    auto device = std::make_unique<QFile>(name);
    if (!device->open(QIODevice::ReadOnly)) {
        SetError(error, device->errorString());
        return false;
    }
    file.bind(std::move(device));
    return true;
}

bool ReadTool(TToolRecord& tool, TTextIn& file, QString* error) {
    for (const TFieldRef& field : Fields) {
        if (!file.readLine(tool.*field.member)) {
            SetError(error, file.errorString());
            return false;
        }
    }
    return true;
}

bool ReadTools(TTextIn& file, QString* error) {
    while (!file.atEnd()) {
        if (!ReadTool(AppendTool(), file, error))
            return false;
    }
    if (!file.ok()) {
        SetError(error, file.errorString());
        return false;
    }
    file.close();
    return true;
}

bool LoadTools(QString* error) {
    ToolList.clear();
    SelectedTool = 0;
    TTextIn file;
    if (!OpenTextRead(file, QString::fromLatin1(ToolFile), error))
        return false;
    return ReadTools(file, error);
}

// --- Writing -----------------------------------------------------------------

bool TSaveFileSink::open(const QString& name) {
    file_.setFileName(name);
    return file_.open(QIODevice::WriteOnly);
}

qint64 TSaveFileSink::write(const char* data, qint64 size) {
    return file_.write(data, size);
}

bool TSaveFileSink::flush() {
    return file_.flush();
}

bool TSaveFileSink::commit() {
    return file_.commit();
}

QString TSaveFileSink::errorString() const {
    return file_.errorString();
}

TToolSinkFactory SetToolSinkFactory(TToolSinkFactory factory) {
    return std::exchange(SinkFactory, std::move(factory));
}

std::unique_ptr<TToolSink> MakeToolSink() {
    if (SinkFactory)
        return SinkFactory();
    return std::make_unique<TSaveFileSink>();
}

bool CreateText(TToolSink& file, const QString& name, QString* error) {
    if (file.open(name))
        return true;
    SetError(error, file.errorString());
    return false;
}

bool WriteTool(const TToolRecord& tool, TToolSink& file, QString* error) {
    QByteArray bytes;
    for (const TFieldRef& field : Fields) {
        const QString text = (tool.*field.member).left(ToolFieldMax);
        const std::optional<QByteArray> encoded =
            ToolFieldBadChar(text) < 0 ? Cp1252Encode(text) : std::nullopt;
        if (!encoded) {
            SetError(error, RefusalReason(text, field.name));
            return false;
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return WriteAll(file, bytes, error);
}

bool SaveTools(QString* error) {
    // Refuse before the file is touched, naming the tool the user must fix.
    for (std::size_t k = 1; k <= ToolList.size(); ++k) {
        for (const TFieldRef& field : Fields) {
            const QString reason =
                RefusalReason(QStringView(Tool(k).*field.member).left(ToolFieldMax), field.name);
            if (!reason.isEmpty()) {
                SetError(error, QStringLiteral("tool %1, %2").arg(k).arg(reason));
                return false;
            }
        }
    }
    const std::unique_ptr<TToolSink> file = MakeToolSink();
    if (!CreateText(*file, QString::fromLatin1(ToolFile), error))
        return false;
    for (const auto& tool : ToolList) {
        if (!WriteTool(*tool, *file, error))
            return false;
    }
    if (!file->flush() || !file->commit()) {
        SetError(error, file->errorString());
        return false;
    }
    return true;
}
