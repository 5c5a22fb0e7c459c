#include "ToolFile.h"
#include "Cp1252.h"
#include "ToolFaultSink.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <random>

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

using Fields = std::array<QString, 4>;
using List = std::vector<Fields>;

List Snapshot() {
    List list;
    for (const auto& t : ToolList)
        list.push_back({t->Title, t->File, t->Dir, t->Params});
    return list;
}

void SetList(const List& list) {
    ToolList.clear();
    for (const Fields& f : list)
        FillTool(AppendTool(), f[0], f[1], f[2], f[3]);
}

const List SomeTools = {{"Café €", "C:\\docs\\a.pdf", "C:\\docs\\", "-x \"y\""},
                        {"", "b.exe", "", ""},
                        {"line\nfeed", "", "", "Œuvre"}};

// Each test runs in a fresh empty directory, as the file is found by bare name.
class ToolFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path()));
        SetList({{"stale", "", "", ""}});
        SelectedTool = 1;
    }
    void TearDown() override {
        SetToolSinkFactory({});
        QDir::setCurrent(oldCwd);
    }
    static void WriteFile(const QByteArray& bytes) {
        QFile f(ToolFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    static QByteArray ReadFile() {
        QFile f(ToolFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    QString oldCwd = QDir::currentPath();
    QTemporaryDir dir;
};

const QByteArray Group = "T\r\nF\r\nD\r\nP\r\n";
const Fields GroupTool = {"T", "F", "D", "P"};
const QString A255(255, 'a');

const struct ReadCase {
    const char* name;
    QByteArray bytes;
    List tools;
} ReadCases[] = {
    {"empty file", "", {}},
    {"22-byte example", "Title\r\nfile.name\r\n\r\n\r\n", {{"Title", "file.name", "", ""}}},
    {"LF-only lines", "one\ntwo\nthree\nfour\n", {{"one\ntwo\nthree\nfour\n", "", "", ""}}},
    {"LF-only, long",
     QByteArray("abcd\n").repeated(100),
     {{QString("abcd\n").repeated(51).left(255), "", "", ""}}},
    {"300-character line", QByteArray(300, 'a') + "\r\nnext\r\n", {{A255, "next", "", ""}}},
    {"255 and 256",
     QByteArray(255, 'a') + "\r\n" + QByteArray(256, 'a') + "\r\nc",
     {{A255, A255, "c", ""}}},
    {"CR alone", "a\rb\rc\rd\r", {{"a", "b", "c", "d"}}},
    {"CR CR LF", "a\r\r\nb\r\n", {{"a", "", "b", ""}}},
    {"second LF is data", "a\r\n\nb\r\n\r\n\r\n", {{"a", "\nb", "", ""}}},
    {"Ctrl-Z mid-line", Group + "T2\032rest\r\nmore\r\n", {GroupTool, {"T2", "", "", ""}}},
    {"Ctrl-Z first", "\032a\r\n", {}},
    {"Ctrl-Z between CR and LF", "a\r\032\nb\r\n", {{"a", "", "", ""}}},
    {"Ctrl-Z after a group", Group + "\032\r\nX\r\n", {GroupTool}},
    {"blank line after last group", Group + "\r\n", {GroupTool, {"", "", "", ""}}},
    {"lone LF after last group", Group + "\n", {GroupTool, {"\n", "", "", ""}}},
    {"fifth line", Group + "x", {GroupTool, {"x", "", "", ""}}},
    {"cut after second line", "t\r\nf\r\n", {{"t", "f", "", ""}}},
    {"no final line end", "t\r\nf\r\nd\r\nparams", {{"t", "f", "d", "params"}}},
    {"Windows-1252 and control bytes",
     QByteArray("\x80\x81\x8A\x8D\x8F\x90\x9D\x9F\xA0\xE9\xFF\r\n\0\1\x7F", 16),
     {{QString::fromUtf8("€\u0081Š\u008D\u008F\u0090\u009DŸ\u00A0éÿ"),
       QString::fromUtf8("\0\1\x7F", 3), "", ""}}},
    {"CR LF split by the read buffer", QByteArray(65535, 'a') + "\r\nb", {{A255, "b", "", ""}}},
    {"Ctrl-Z starting a read buffer", QByteArray(65536, 'a') + "\032b\r\n", {{A255, "", "", ""}}},
    {"100 000-character line", QByteArray(100000, 'a') + "\r\nb\r\n", {{A255, "b", "", ""}}},
};

TEST_F(ToolFileTest, LoadFollowsTheLineRulesByteForByte) {
    for (const ReadCase& c : ReadCases) {
        SCOPED_TRACE(c.name);
        WriteFile(c.bytes);
        SetList({{"stale", "", "", ""}});
        SelectedTool = 1;
        EXPECT_TRUE(LoadTools());
        EXPECT_EQ(Snapshot(), c.tools);
        EXPECT_EQ(ToolCount(), c.tools.size());
        EXPECT_EQ(SelectedTool, 0u);
    }
}

TEST_F(ToolFileTest, SaveWritesExactBytes) {
    const std::pair<List, QByteArray> cases[] = {
        {{}, ""},
        {{{"Title", "file.name", "", ""}}, "Title\r\nfile.name\r\n\r\n\r\n"},
        {SomeTools,
         "Caf\xE9 \x80\r\nC:\\docs\\a.pdf\r\nC:\\docs\\\r\n-x \"y\"\r\n\r\nb.exe\r\n\r\n\r\n"
         "line\nfeed\r\n\r\n\r\n\x8Cuvre\r\n"},
    };
    for (const auto& [tools, bytes] : cases) {
        SetList(tools);
        ASSERT_TRUE(SaveTools());
        EXPECT_EQ(ReadFile(), bytes);
        EXPECT_EQ(Entries(), QStringList{ToolFile});
    }
}

TEST_F(ToolFileTest, RandomListsLoadBackFieldForField) {
    std::mt19937 rng(4151);
    for (int round = 0; round < 20; ++round) {
        List list(rng() % 120);
        qint64 size = 0;
        for (Fields& tool : list) {
            for (QString& field : tool) {
                const int length = std::array{0, 1, 254, 255, int(rng() % 256)}[rng() % 5];
                while (field.size() < length) {
                    const auto b = static_cast<unsigned char>(rng());
                    if (b != '\r' && b != 0x1A)
                        field += QChar(Cp1252Char(b));
                }
                size += length + 2;
            }
        }
        SetList(list);
        ASSERT_TRUE(SaveTools());
        EXPECT_EQ(ReadFile().size(), size);
        SetList({});
        ASSERT_TRUE(LoadTools());
        ASSERT_EQ(Snapshot(), list) << "round " << round;
    }
}

TEST_F(ToolFileTest, ManyToolsHaveNoLimit) {
    List list(50000, Fields{"t", "f", "", "p"});
    list.back()[0] = "last";
    SetList(list);
    ASSERT_TRUE(SaveTools());
    ASSERT_TRUE(LoadTools());
    EXPECT_EQ(Snapshot(), list);
}

TEST_F(ToolFileTest, MissingFileOrDirectoryIsFalseAndEmptyFileTrue) {
    QString error;
    EXPECT_FALSE(LoadTools(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ToolCount(), 0u);

    WriteFile("");
    SetList(SomeTools);
    EXPECT_TRUE(LoadTools());
    EXPECT_EQ(ToolCount(), 0u);

    ASSERT_TRUE(QFile::remove(ToolFile) && QDir().mkdir(ToolFile));
    SetList(SomeTools);
    EXPECT_FALSE(LoadTools());
    EXPECT_EQ(ToolCount(), 0u);
    SetList(SomeTools);
    error.clear();
    EXPECT_FALSE(SaveTools(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(ToolFile).isDir());
    EXPECT_EQ(Entries(), QStringList{ToolFile});
    EXPECT_EQ(Snapshot(), SomeTools);
}

TEST_F(ToolFileTest, RandomBinaryFileLoadsEveryLine) {
    std::mt19937 rng(77);
    QByteArray bytes(10 * 1024 * 1024, Qt::Uninitialized);
    for (char& b : bytes)
        b = static_cast<char>(rng() % 255 + 0x1B); // every byte but Ctrl-Z
    WriteFile(bytes);
    ASSERT_TRUE(LoadTools());
    const qsizetype lastEnd = bytes.lastIndexOf('\r');
    const bool tail = bytes.size() - lastEnd - 1 > (bytes.endsWith("\r\n") ? 1 : 0);
    EXPECT_EQ(ToolCount(), static_cast<std::size_t>((bytes.count('\r') + tail + 3) / 4));
    for (const Fields& tool : Snapshot()) {
        for (const QString& field : tool)
            ASSERT_TRUE(field.size() <= ToolFieldMax && !field.contains('\r'));
    }
}

// Reads like a file up to a chosen byte, then fails as a bad sector would.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAt) : data_(data.left(failAt)) {
        open(ReadOnly | Unbuffered);
    }

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 n = std::min(max, data_.size() - pos_);
        if (n == 0)
            setErrorString("Input/output error");
        std::copy_n(data_.constData() + pos_, n, out);
        pos_ += n;
        return n > 0 ? n : -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 pos_ = 0;
};

TEST_F(ToolFileTest, ReadErrorKeepsTheToolsReadSoFar) {
    const std::pair<qint64, List> cases[] = {
        {0, {}},
        {24, {GroupTool, GroupTool}},
        {29, {GroupTool, GroupTool, {"T", "F", "", ""}}},
    };
    for (const auto& [failAt, tools] : cases) {
        SetList({});
        TTextIn in;
        in.bind(std::make_unique<FailingDevice>(Group.repeated(3), failAt));
        QString error;
        EXPECT_FALSE(ReadTools(in, &error));
        EXPECT_EQ(error, "Input/output error");
        EXPECT_EQ(Snapshot(), tools) << "failing at " << failAt;
    }
}

TEST(TextIn, NothingAfterCtrlZIsEverRead) {
    for (const QByteArray& head : {QByteArray("\032"), QByteArray("a\032")}) {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(head + QByteArray(70000, 'b') + "\r\n");
        ASSERT_TRUE(buffer->open(QIODevice::ReadOnly));
        TTextIn in;
        in.bind(std::move(buffer));
        QString line;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(in.atEnd(), head.size() == 1 || i > 0);
            EXPECT_TRUE(in.readLine(line));
            EXPECT_EQ(line, i == 0 ? head.chopped(1) : QString());
        }
    }
}

TEST_F(ToolFileTest, FailedSaveAtAnyByteFlushOrRenameKeepsOldFileAndList) {
    using Fault = TFaultyToolSink::Fault;
    const QByteArray old = "old\r\n\r\n\r\n\r\n";
    SetList(SomeTools);
    ASSERT_TRUE(SaveTools());
    const qint64 size = ReadFile().size();

    for (const bool oldExists : {true, false}) {
        for (qint64 at = 0; at <= size + 1; ++at) {
            const Fault fault = at < size    ? Fault::Write
                                : at == size ? Fault::Flush
                                             : Fault::Commit;
            oldExists ? WriteFile(old) : void(QFile::remove(ToolFile));
            SetToolSinkFactory([=] { return std::make_unique<TFaultyToolSink>(fault, at); });
            QString error;
            ASSERT_FALSE(SaveTools(&error)) << "fault at " << at;
            EXPECT_FALSE(error.isEmpty());
            EXPECT_EQ(ReadFile(), oldExists ? old : QByteArray("<missing>"));
            EXPECT_EQ(Entries(), oldExists ? QStringList{ToolFile} : QStringList{});
            EXPECT_EQ(Snapshot(), SomeTools);
        }
    }
    // With its fault out of reach the same sink saves normally.
    SetToolSinkFactory([=] { return std::make_unique<TFaultyToolSink>(Fault::Write, size); });
    EXPECT_TRUE(SaveTools());
    EXPECT_EQ(ReadFile().size(), size);
}

TEST_F(ToolFileTest, TextTheFileCannotHoldIsRefusedBeforeWriting) {
    const std::tuple<int, QString, const char*> cases[] = {
        {1, QString::fromUtf8("a\u4e2d"), "tool 2, File: the character U+4E2D"},
        {0, "ab\r", "tool 2, Title: the character U+000D"},
        {3, "a\032", "tool 2, Params: the character U+001A"},
    };
    WriteFile("old\r\n");
    int sinks = 0;
    SetToolSinkFactory([&] { return ++sinks, std::make_unique<TSaveFileSink>(); });
    for (const auto& [field, text, reason] : cases) {
        List list = SomeTools;
        list[1][field] = text;
        SetList(list);
        QString error;
        EXPECT_FALSE(SaveTools(&error));
        EXPECT_TRUE(error.startsWith(reason)) << error.toStdString();
        EXPECT_EQ(ToolFieldBadChar(text), text.size() - 1);
        EXPECT_EQ(Snapshot(), list);
    }
    EXPECT_EQ(sinks, 0);
    EXPECT_EQ(ReadFile(), "old\r\n");
}

TEST_F(ToolFileTest, ListHelpersCountFromOne) {
    FillTool(Tool(1), QString(254, 'a'), QString(255, 'b'), QString(256, 'c'), QString(999, 'd'));
    EXPECT_EQ(Snapshot(),
              (List{{QString(254, 'a'), QString(255, 'b'), QString(255, 'c'), QString(255, 'd')}}));

    SetList({{"1", "", "", ""}, {"2", "", "", ""}, {"3", "", "", ""}});
    EXPECT_THROW(Tool(0), std::out_of_range);
    EXPECT_THROW(Tool(4), std::out_of_range);
    SelectedTool = 3;
    RemoveTool(2);
    EXPECT_EQ(Snapshot(), (List{{"1", "", "", ""}, {"3", "", "", ""}}));
    EXPECT_EQ(Tool(SelectedTool).Title, "3");
    RemoveTool(2);
    EXPECT_EQ(SelectedTool, 0u);
    EXPECT_EQ(ToolCount(), 1u);
}

} // namespace
