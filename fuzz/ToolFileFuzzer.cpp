// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the tool list file "Tools.rel".
//
// Every input is used twice:
//  - as the bytes of a list file, read through the real reader whole, in
//    odd-sized pieces, and with a read failure at some byte, and split by
//    the tools menu's index; each result is compared with a separate reader
//    written straight from the line rules, and the list read is then saved
//    and read back;
//  - as a list of Unicode fields (UTF-16LE units, U+FFFF between fields,
//    four fields a tool) that is saved: either the save is refused for the
//    first character the file cannot hold, or it reads back field for field.
// Saves go to memory through the sink seam, never to the disk.

#include "util/Cp1252.h"
#include "util/ToolFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QIODevice>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

[[noreturn]] void Broken(const char* what, int line) {
    std::fprintf(stderr, "ToolFileFuzzer:%d: broken: %s\n", line, what);
    std::abort();
}

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond))                                                                               \
            Broken(#cond, __LINE__);                                                               \
    } while (false)

using Fields = std::array<QString, 4>;
using List = std::vector<Fields>;

constexpr std::array<const char*, 4> FieldNames = {"Title", "File", "Dir", "Params"};
constexpr char16_t FieldSeparator = 0xFFFF;

// ---------------------------------------------------------------------------
// The code page, seen only through its decoder: the byte of each character
// is found by inverting Cp1252Char, so the encoder is checked against it.

std::array<int, 0x10000> ByteOf;

void BuildCodePage() {
    ByteOf.fill(-1);
    for (int b = 0; b < 256; ++b) {
        const char16_t c = Cp1252Char(static_cast<unsigned char>(b));
        CHECK(ByteOf[c] < 0); // two bytes for one character would lose text
        ByteOf[c] = b;
    }
    for (int c = 0; c < 0x10000; ++c) {
        const auto byte = Cp1252Byte(static_cast<char16_t>(c));
        CHECK(byte.has_value() == (ByteOf[c] >= 0));
        CHECK(!byte || *byte == ByteOf[c]);
    }
}

// A character a saved field may hold: one the code page has, other than the
// two that would end the line or the file early.
bool Storable(char16_t c) {
    return ByteOf[c] >= 0 && c != u'\r' && c != 0x1A;
}

qsizetype FirstUnstorable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!Storable(text[i].unicode()))
            return i;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// The reading rules, one byte at a time.

List ReferenceRead(const QByteArray& bytes) {
    qsizetype end = bytes.indexOf('\x1A');
    if (end < 0)
        end = bytes.size();
    qsizetype p = 0;
    const auto readLine = [&] {
        QString field;
        for (; p < end && bytes[p] != '\r'; ++p) {
            if (field.size() < ToolFieldMax)
                field += QChar(Cp1252Char(static_cast<unsigned char>(bytes[p])));
        }
        if (p < end) {
            ++p;
            if (p < end && bytes[p] == '\n')
                ++p;
        }
        return field;
    };
    List list;
    while (p < end) {
        Fields tool;
        for (QString& field : tool)
            field = readLine();
        list.push_back(std::move(tool));
    }
    return list;
}

QByteArray ReferenceBytes(const List& list) {
    QByteArray bytes;
    for (const Fields& tool : list) {
        for (const QString& field : tool) {
            for (const QChar c : QStringView(field).left(ToolFieldMax))
                bytes += static_cast<char>(ByteOf[c.unicode()]);
            bytes += "\r\n";
        }
    }
    return bytes;
}

// ---------------------------------------------------------------------------
// The list in memory.

List Snapshot() {
    List list;
    for (const auto& tool : ToolList)
        list.push_back({tool->Title, tool->File, tool->Dir, tool->Params});
    return list;
}

void SetList(const List& list) {
    ToolList.clear();
    for (const Fields& fields : list) {
        TToolRecord& tool = AppendTool();
        tool.Title = fields[0];
        tool.File = fields[1];
        tool.Dir = fields[2];
        tool.Params = fields[3];
    }
}

// ---------------------------------------------------------------------------
// Devices to read from.

// Small deterministic generator, seeded from the input, so one input always
// gives the same pieces and the same failure point.
class TRandom {
public:
    explicit TRandom(const QByteArray& bytes) : state_(0x9E3779B97F4A7C15ULL ^ bytes.size()) {
        for (const char c : bytes)
            state_ = (state_ ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
        state_ |= 1;
    }
    std::uint64_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    qint64 below(qint64 n) { return n > 0 ? static_cast<qint64>(next() % std::uint64_t(n)) : 0; }

private:
    std::uint64_t state_;
};

// Hands out its bytes in pieces of varying size, so lines, CR LF pairs and
// long fields straddle the reader's refills; optionally fails for good once
// failAt bytes have been handed out, as a disk error would.
class TTrickleDevice : public QIODevice {
public:
    TTrickleDevice(QByteArray bytes, qint64 failAt, const TRandom& random)
        : bytes_(std::move(bytes)), failAt_(failAt), random_(random) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (failAt_ >= 0 && pos_ >= failAt_) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 limit = failAt_ >= 0 ? failAt_ : bytes_.size();
        // Mostly small pieces, now and then one longer than a whole field.
        const qint64 piece = random_.below(4) == 0 ? 1 + random_.below(600) : 1 + random_.below(8);
        const qint64 n = std::min({maxSize, piece, limit - pos_});
        std::copy_n(bytes_.constData() + pos_, n, data);
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 failAt_;
    qint64 pos_ = 0;
    TRandom random_;
};

struct TReadResult {
    bool ok;
    QString error;
    List list;
};

TReadResult ReadThrough(std::unique_ptr<QIODevice> device) {
    ToolList.clear();
    TTextIn in;
    in.bind(std::move(device));
    TReadResult result;
    result.ok = ReadTools(in, &result.error);
    result.list = Snapshot();
    return result;
}

TReadResult ReadBuffer(const QByteArray& bytes) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return ReadThrough(std::move(buffer));
}

// ---------------------------------------------------------------------------
// A sink that keeps the saved file in memory.

struct TSinkLog {
    int made = 0;      // sinks asked for
    int committed = 0; // files put in place
    QString name;
    QByteArray file; // the last file put in place
};

TSinkLog SinkLog;

class TMemorySink : public TToolSink {
public:
    bool open(const QString& name) override {
        CHECK(!opened_);
        opened_ = true;
        name_ = name;
        return true;
    }
    qint64 write(const char* data, qint64 size) override {
        CHECK(opened_ && !flushed_ && size >= 0);
        pending_.append(data, size);
        return size;
    }
    bool flush() override {
        CHECK(opened_);
        flushed_ = true;
        return true;
    }
    bool commit() override {
        CHECK(opened_ && flushed_);
        ++SinkLog.committed;
        SinkLog.name = name_;
        SinkLog.file = pending_;
        return true;
    }
    QString errorString() const override { return {}; }

private:
    bool opened_ = false;
    bool flushed_ = false;
    QString name_;
    QByteArray pending_;
};

struct TSaveResult {
    bool ok;
    QString error;
    int made;
    int committed;
};

TSaveResult Save(const List& list) {
    SetList(list);
    SinkLog = {};
    TSaveResult result;
    result.ok = SaveTools(&result.error);
    result.made = SinkLog.made;
    result.committed = SinkLog.committed;
    CHECK(Snapshot() == list); // a save never changes the list in memory
    return result;
}

// Saves a list whose every field can be stored and reads the file back.
void CheckRoundTrip(const List& list) {
    const TSaveResult save = Save(list);
    CHECK(save.ok && save.error.isEmpty());
    CHECK(save.made == 1 && save.committed == 1);
    // The file in the current folder, by its path without links.
    CHECK(SinkLog.name == QDir::current().absoluteFilePath(QLatin1String(ToolFile)));
    CHECK(SinkLog.file == ReferenceBytes(list));

    List cut = list;
    for (Fields& tool : cut) {
        for (QString& field : tool)
            field.truncate(ToolFieldMax);
    }
    const TReadResult back = ReadBuffer(SinkLog.file);
    CHECK(back.ok);
    CHECK(back.list == cut);
}

// ---------------------------------------------------------------------------

void CheckReading(const QByteArray& bytes) {
    const List expected = ReferenceRead(bytes);

    const TReadResult whole = ReadBuffer(bytes);
    CHECK(whole.ok && whole.error.isEmpty());
    CHECK(whole.list == expected);
    for (const Fields& tool : whole.list) {
        for (const QString& field : tool) {
            CHECK(field.size() <= ToolFieldMax);
            CHECK(!field.contains(u'\r') && !field.contains(QChar(0x1A)));
            CHECK(ToolFieldBadChar(field) < 0);
        }
    }

    // The tools menu's index finds the same tools, each made on its own.
    const TToolIndex index(bytes);
    CHECK(index.count() == expected.size());
    for (std::size_t k = 1; k <= index.count(); ++k) {
        const TToolRecord tool = index.tool(k);
        CHECK((Fields{tool.Title, tool.File, tool.Dir, tool.Params}) == expected[k - 1]);
    }

    // Nothing after the first Ctrl-Z may count.
    const qsizetype ctrlZ = bytes.indexOf('\x1A');
    if (ctrlZ >= 0)
        CHECK(ReadBuffer(bytes.left(ctrlZ)).list == whole.list);

    TRandom random(bytes);
    const TReadResult pieces = ReadThrough(std::make_unique<TTrickleDevice>(bytes, -1, random));
    CHECK(pieces.ok && pieces.list == expected);

    // A read failure after failAt bytes keeps what those bytes hold; it is
    // only seen if the data had not already ended at a Ctrl-Z.
    const qint64 failAt = random.below(bytes.size() + 1);
    const TReadResult failed = ReadThrough(std::make_unique<TTrickleDevice>(bytes, failAt, random));
    const bool endsBefore = bytes.left(failAt).contains('\x1A');
    CHECK(failed.ok == endsBefore);
    CHECK(failed.ok || !failed.error.isEmpty());
    CHECK(failed.list == ReferenceRead(bytes.left(failAt)));

    // Whatever was read can be saved and comes back the same.
    CheckRoundTrip(whole.list);
}

List UnicodeList(const std::uint8_t* data, std::size_t size) {
    List list;
    Fields tool;
    std::size_t field = 0;
    QString text;
    const auto endField = [&] {
        tool[field++] = std::exchange(text, {});
        if (field == tool.size()) {
            list.push_back(std::exchange(tool, {}));
            field = 0;
        }
    };
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (unit == FieldSeparator)
            endField();
        else
            text += QChar(unit);
    }
    if (field > 0 || !text.isEmpty()) {
        endField();
        while (field > 0)
            endField();
    }
    return list;
}

void CheckSaving(const List& list) {
    // The first field, in file order, holding a character the file cannot
    // hold among the characters that would be written.
    for (std::size_t k = 0; k < list.size(); ++k) {
        for (std::size_t f = 0; f < 4; ++f) {
            const QStringView written = QStringView(list[k][f]).left(ToolFieldMax);
            const qsizetype bad = FirstUnstorable(written);
            CHECK(ToolFieldBadChar(written) == bad);
            if (bad < 0)
                continue;
            const TSaveResult save = Save(list);
            CHECK(!save.ok);
            CHECK(save.made == 0 && save.committed == 0); // refused before the file is opened
            const QString code = QString::number(written[bad].unicode(), 16)
                                     .toUpper()
                                     .rightJustified(4, QLatin1Char('0'));
            CHECK(save.error.startsWith(
                QStringLiteral("tool %1, %2: ").arg(k + 1).arg(QLatin1String(FieldNames[f]))));
            CHECK(save.error.contains(QStringLiteral("U+") + code));
            return;
        }
    }
    CheckRoundTrip(list);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    BuildCodePage();
    SetToolSinkFactory([] {
        ++SinkLog.made;
        return std::make_unique<TMemorySink>();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckReading(bytes);
    CheckSaving(UnicodeList(data, size));
    ToolList.clear();
    return 0;
}
