// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/ToolFile.h"
#include "tests/support/ToolFaultSink.h"
#include "util/Cp1252.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <random>
#include <tuple>

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

using Fields = std::array<QString, 4>; // Title, File, Dir, Params
using List = std::vector<Fields>;

// Each test works in its own empty folder, as the file is found by bare name.
class ToolFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path())); }
    void TearDown() override {
        SetToolSinkFactory({});
        QDir::setCurrent(home);
    }
    static List Snapshot() {
        List list;
        for (const auto& t : ToolList)
            list.push_back({t->Title, t->File, t->Dir, t->Params});
        return list;
    }
    static void SetList(const List& list) {
        ToolList.clear();
        for (const Fields& f : list)
            FillTool(AppendTool(), f[0], f[1], f[2], f[3]);
    }
    static void WriteFile(const QByteArray& bytes) {
        QFile f(ToolFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    static QByteArray ReadFile() {
        QFile f(ToolFile);
        if (QFileInfo(ToolFile).isDir())
            return "<folder>";
        return f.open(QIODevice::ReadOnly) ? f.readAll() : "<missing>";
    }
    static auto Entries() { return QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries); }

    QString home = QDir::currentPath();
    QTemporaryDir dir;
};

const QByteArray Group = "T\r\nF\r\nD\r\nP\r\n";
const Fields GroupTool = {"T", "F", "D", "P"};
const QString A255(255, 'a');

const std::tuple<const char*, QByteArray, List> ReadCases[] = {
    {"empty file", "", {}},
    {"22-byte example", "Title\r\nfile.name\r\n\r\n\r\n", {{"Title", "file.name", "", ""}}},
    {"LF-only lines", "one\ntwo\nthree\nfour\n", {{"one\ntwo\nthree\nfour\n"}}},
    {"300-character line", QByteArray(300, 'a') + "\r\nb\r\n", {{A255, "b"}}},
    {"CR alone", "a\rb\rc\rd\r", {{"a", "b", "c", "d"}}},
    {"CR CR LF", "a\r\r\nb\r\n", {{"a", "", "b"}}},
    {"a second LF is data", "a\r\n\nb\r\n", {{"a", "\nb"}}},
    {"Ctrl-Z mid-line", Group + "T2\032rest\r\nmore\r\n", {GroupTool, {"T2"}}},
    {"Ctrl-Z first", "\032a\r\n", {}},
    {"Ctrl-Z between CR and LF", "a\r\032\nb\r\n", {{"a"}}},
    {"blank line after the last group", Group + "\r\n", {GroupTool, {}}},
    {"cut after a tool's second line", "t\r\nf\r\n", {{"t", "f"}}},
    {"no final line end", "t\r\nf\r\nd\r\nparams", {{"t", "f", "d", "params"}}},
    {"Windows-1252 bytes", "\x80\x81\x9F\xA0\xE9\xFF\r\n\1\x7F", {{"€\u0081Ÿ\u00A0éÿ", "\1\x7F"}}},
    {"CR LF across read chunks", QByteArray(65535, 'a') + "\r\nb", {{A255, "b"}}},
    {"Ctrl-Z starting a read chunk", QByteArray(65536, 'a') + "\032b\r\n", {{A255}}},
};

TEST_F(ToolFileTest, LoadFollowsTheLineRulesByteForByte) {
    for (const auto& [name, bytes, tools] : ReadCases) {
        WriteFile(bytes);
        SelectedTool = 1;
        EXPECT_TRUE(LoadTools()) << name;
        EXPECT_EQ(Snapshot(), tools) << name;
        EXPECT_EQ(SelectedTool, 0u);
    }
}

// A refused list leaves the file as the case before wrote it.
TEST_F(ToolFileTest, SaveWritesExactBytesOrRefusesTheList) {
    const QByteArray ex = "Title\r\nfile.name\r\n\r\n\r\n"; // 22 bytes
    const std::tuple<List, QByteArray, const char*> cases[] = {
        {{}, "", ""},
        {{{"Title", "file.name", "", ""}}, ex, ""},
        {{{"a"}, {"", "b中"}}, ex, "tool 2, File: the character U+4E2D"},
        {{{"", "", "", "a\r"}}, ex, "tool 1, Params: the character U+000D"},
        {{{"Café €", "a\nb", "C:\\", "Œ"}}, "Caf\xE9 \x80\r\na\nb\r\nC:\\\r\n\x8C\r\n", ""},
    };
    for (const auto& [tools, bytes, refusal] : cases) {
        SetList(tools);
        QString error;
        EXPECT_EQ(SaveTools(&error), !*refusal);
        EXPECT_EQ(error.left(qstrlen(refusal)), refusal);
        EXPECT_EQ(ReadFile(), bytes);
        EXPECT_EQ(Entries(), QStringList{ToolFile});
        EXPECT_EQ(Snapshot(), tools);
    }
}

// The largest list makes a file of about 10 MB.
TEST_F(ToolFileTest, RandomListsLoadBackFieldForField) {
    std::mt19937 rng(4151);
    const auto text = [&rng] { // any bytes but CR and Ctrl-Z, often 255 of them
        QByteArray s(std::min<int>(rng() % 300, 255), Qt::Uninitialized);
        std::generate(s.begin(), s.end(), [&rng] { return char(rng()); });
        return Cp1252Decode(s.replace('\r', 'x').replace('\x1A', 'y'));
    };
    for (const std::size_t count : {1, 2, 5, 17000}) {
        List list(count);
        for (Fields& tool : list)
            tool = {text(), text(), text(), text()};
        SetList(list);
        ASSERT_TRUE(SaveTools());
        SetList({});
        ASSERT_TRUE(LoadTools());
        ASSERT_EQ(Snapshot(), list) << count << " tools";
    }
}

// Failing at any byte, the flush or the rename, beside an old file, none or a folder.
TEST_F(ToolFileTest, FailedSaveChangesNothing) {
    using Fault = TFaultyToolSink::Fault;
    const List tools = {{"Café", "a.pdf", "/d/", "-x"}, {"b"}};
    SetList(tools);
    ASSERT_TRUE(SaveTools());
    const qint64 size = ReadFile().size();
    for (const QByteArray old : {"old\r\n", "<missing>", "<folder>"}) {
        QFile::remove(ToolFile);
        if (old != "<missing>")
            old == "<folder>" ? void(QDir().mkdir(ToolFile)) : WriteFile(old);
        for (qint64 at = 0; at <= size + 1; ++at) {
            const Fault fault = at < size ? Fault::Write : at > size ? Fault::Commit : Fault::Flush;
            SetToolSinkFactory([=] { return std::make_unique<TFaultyToolSink>(fault, at); });
            SetList(tools);
            ASSERT_FALSE(SaveTools()) << "fault at " << at;
            EXPECT_EQ(Snapshot(), tools);
            EXPECT_EQ(ReadFile(), old);
            EXPECT_EQ(Entries().size(), old == "<missing>" ? 0 : 1);
        }
        QString error; // and only the old file loads
        EXPECT_EQ(LoadTools(&error), old == "old\r\n");
        EXPECT_EQ(Snapshot(), old == "old\r\n" ? List{{"old"}} : List{});
        EXPECT_EQ(error.isEmpty(), old == "old\r\n");
    }
}

} // namespace
