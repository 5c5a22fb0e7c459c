// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/ToolFile.h"

#include "core/Language.h"
#include "util/Cp1252.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
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

// What the last load found (or the last save wrote): what a save compares
// the file with before it replaces it.
TToolFileContent Loaded;

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

TToolFileContent Content(TToolFileFault fault, QString reason, QByteArray bytes = {}) {
    return {fault, std::move(reason), std::move(bytes)};
}

// One line by the reading rules, from bytes[pos] up to end (where the data
// end): its first ToolFieldMax characters into field, if one is given, and
// pos moved past its line end.
void ReadLineAt(const QByteArray& bytes, qsizetype end, qsizetype& pos, QString* field) {
    const char* data = bytes.constData();
    const void* cr = std::memchr(data + pos, CR, static_cast<std::size_t>(end - pos));
    const qsizetype lineEnd = cr ? static_cast<const char*>(cr) - data : end;
    if (field)
        *field = Cp1252Decode(QByteArrayView(data + pos, std::min(lineEnd - pos, ToolFieldMax)));
    pos = lineEnd;
    if (pos < end) {
        ++pos; // the CR
        if (pos < end && data[pos] == LF)
            ++pos;
    }
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

TToolFileContent ReadToolFile(const QString& name) {
    return ReadRegularFile(name, ToolFileMaxBytes);
}

bool OpenTextRead(TTextIn& file, const QString& name, QString* error) {
    TToolFileContent content = ReadToolFile(name);
    if (content.fault != TToolFileFault::None) {
        SetError(error, content.reason);
        return false;
    }
    auto device = std::make_unique<QBuffer>();
    device->setData(std::move(content.bytes));
    device->open(QIODevice::ReadOnly);
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
    Loaded = ReadToolFile(QString::fromLatin1(ToolFile));
    if (Loaded.fault != TToolFileFault::None && Loaded.fault != TToolFileFault::System) {
        SetError(error, Loaded.reason);
        return false;
    }
    // After a read error, the tools of the bytes read before it stay, as
    // they would from a reader that met the error there.
    TTextIn file;
    auto device = std::make_unique<QBuffer>();
    device->setData(Loaded.bytes);
    device->open(QIODevice::ReadOnly);
    file.bind(std::move(device));
    const bool read = ReadTools(file, error);
    if (Loaded.fault == TToolFileFault::System) {
        SetError(error, Loaded.reason);
        return false;
    }
    return read;
}

const TToolFileContent& LoadedToolFile() {
    return Loaded;
}

TToolIndex::TToolIndex(QByteArray bytes) : bytes_(std::move(bytes)) {
    end_ = bytes_.indexOf(EndOfData);
    if (end_ < 0)
        end_ = bytes_.size();
    qsizetype pos = 0;
    while (pos < end_) {
        starts_.push_back(pos);
        for (std::size_t line = 0; line < Fields.size(); ++line)
            ReadLineAt(bytes_, end_, pos, nullptr);
    }
}

TToolRecord TToolIndex::tool(std::size_t k) const {
    TToolRecord tool;
    qsizetype pos = starts_.at(k - 1);
    for (const TFieldRef& field : Fields)
        ReadLineAt(bytes_, end_, pos, &(tool.*field.member));
    return tool;
}

// --- Writing -----------------------------------------------------------------

bool CreateText(TToolSink& file, const QString& name, QString* error) {
    if (file.open(name))
        return true;
    SetError(error, file.errorString());
    return false;
}

namespace {

// A tool's four lines as the file holds them, or nothing (and the reason) if
// a field holds a character the file cannot hold.
std::optional<QByteArray> ToolBytes(const TToolRecord& tool, QString* error) {
    QByteArray bytes;
    for (const TFieldRef& field : Fields) {
        const QString text = (tool.*field.member).left(ToolFieldMax);
        const std::optional<QByteArray> encoded =
            ToolFieldBadChar(text) < 0 ? Cp1252Encode(text) : std::nullopt;
        if (!encoded) {
            SetError(error, RefusalReason(text, field.name));
            return std::nullopt;
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

// Writes the list through an open sink, keeping a copy of what it wrote.
bool WriteList(TToolSink& file, QByteArray& written, QString* error) {
    for (const auto& tool : ToolList) {
        const std::optional<QByteArray> bytes = ToolBytes(*tool, error);
        if (!bytes || !WriteAll(file, *bytes, error))
            return false;
        written += *bytes;
    }
    return true;
}

} // namespace

bool WriteTool(const TToolRecord& tool, TToolSink& file, QString* error) {
    const std::optional<QByteArray> bytes = ToolBytes(tool, error);
    return bytes && WriteAll(file, *bytes, error);
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
    const QString name = QString::fromLatin1(ToolFile);
    QByteArray path;
    if (!MayWriteFile(name, path, error))
        return false;
    const std::unique_ptr<TToolSink> file = MakeFileSink();
    if (!CreateText(*file, QFile::decodeName(path), error))
        return false;
    QByteArray written;
    bool saved = WriteList(*file, written, error);
    if (saved && (!file->flush() || !file->commit())) {
        SetError(error, file->errorString());
        saved = false;
    }
    if (saved)
        Loaded = Content(TToolFileFault::None, QString(), std::move(written));
    else if (file->inPlace())
        // Cut short by this save, not changed by another program.
        Loaded = ReadToolFile(name);
    return saved;
}

TToolFileCheck CheckToolFile(QString* reason) {
    const TToolFileContent now = ReadToolFile(QString::fromLatin1(ToolFile));
    if (now.fault == TToolFileFault::NotRegular) {
        SetError(reason, now.reason);
        return TToolFileCheck::NotRegular;
    }
    switch (Loaded.fault) {
    case TToolFileFault::None:
        return now.fault == TToolFileFault::None && now.bytes == Loaded.bytes
                   ? TToolFileCheck::Unchanged
                   : TToolFileCheck::Changed;
    case TToolFileFault::Missing:
        return now.fault == TToolFileFault::Missing ? TToolFileCheck::Unchanged
                                                    : TToolFileCheck::Changed;
    case TToolFileFault::NotRegular:
    case TToolFileFault::TooLarge:
    case TToolFileFault::BadName:
    case TToolFileFault::Link:
    case TToolFileFault::System:
        break;
    }
    SetError(reason, Loaded.reason);
    return TToolFileCheck::Unread;
}
