// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/ToolFile.h"
#include "core/Language.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ToolFaultSink.h"
#include "util/Cp1252.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <tuple>

namespace {

using Fields = std::array<QString, 4>; // Title, File, Dir, Params
using List = std::vector<Fields>;

class ToolFileTest : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        Language = LangSpanish; // as the program sets it
    }
    void TearDown() override {
        SetToolSinkFactory({});
        ScratchFolder::TearDown();
    }
    static List Listed(std::size_t count, const auto& tool) {
        List list;
        for (std::size_t k = 1; k <= count; ++k)
            list.push_back({tool(k).Title, tool(k).File, tool(k).Dir, tool(k).Params});
        return list;
    }
    static List Snapshot() { return Listed(ToolCount(), Tool); }
    static void SetList(const List& list) {
        ToolList.clear();
        for (const Fields& f : list)
            FillTool(AppendTool(), f[0], f[1], f[2], f[3]);
    }
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
        SCOPED_TRACE(name);
        Put(ToolFile, bytes);
        SelectedTool = 1;
        EXPECT_EQ((std::tuple{LoadTools(), Snapshot(), SelectedTool}), std::tuple(true, tools, 0u));
        const TToolIndex index(bytes); // the menu's index finds the same tools
        EXPECT_EQ(Listed(index.count(), [&](std::size_t k) { return index.tool(k); }), tools);
    }
}

TEST_F(ToolFileTest, SaveWritesExactBytesOrRefusesTheListAndRandomListsLoadBack) {
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
        const bool saved = SaveTools(&error);
        EXPECT_EQ(
            std::tuple(saved, error.left(qstrlen(refusal)), Read(ToolFile), Entries(), Snapshot()),
            std::tuple(!*refusal, QString(refusal), bytes, QStringList{ToolFile}, tools));
    }
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

struct stat Stat(const char* name) {
    struct stat info {};
    EXPECT_EQ(::stat(name, &info), 0) << name;
    return info;
}

// Exactly ToolFileMaxBytes as SaveTools writes them: full tools, then a short one.
QByteArray FileAtTheBound() {
    const QByteArray group = (QByteArray(255, 'w') + "\r\n").repeated(4);
    const QByteArray tools = group.repeated(ToolFileMaxBytes / group.size());
    return tools + QByteArray(ToolFileMaxBytes - tools.size() - 8, 's') + "\r\n\r\n\r\n\r\n";
}

// The kinds of file are SafeFileTest's; here, the list and reasons each gives.
TEST_F(ToolFileTest, ReadsOnlyARegularFileWithinTheBound) {
    using F = TToolFileFault;
    const QByteArray atBound = FileAtTheBound();
    ASSERT_EQ(atBound.size(), ToolFileMaxBytes);
    const auto linkTo = [](const char* to) { return [to] { QFile::link(to, ToolFile); }; };
    const std::tuple<const char*, std::function<void()>, F, std::size_t, const char*> cases[] = {
        {"nothing", [] {}, F::Missing, 0, ""},
        {"a link to nothing", linkTo("nowhere"), F::Missing, 0, ""},
        {"a link to a regular file",
         [] {
             Put(ToolFile, Group), QFile::rename(ToolFile, "real"), QFile::link("real", ToolFile);
         },
         F::None, 1, ""},
        {"a link to a pipe", [] { ::mkfifo("p", 0600), QFile::link("p", ToolFile); }, F::NotRegular,
         0, "no es un fichero normal"},
        {"a link to itself", linkTo(ToolFile), F::System, 0, "Too many levels of symbolic links"},
        {"one byte over the bound", [&] { Put(ToolFile, atBound + "x"); }, F::TooLarge, 0,
         "ocupa más de 16 MB"},
        {"at the bound", [&] { Put(ToolFile, atBound); }, F::None, ToolFileMaxBytes / 1028 + 1, ""},
    };
    for (const auto& [name, make, fault, count, reason] : cases) {
        SCOPED_TRACE(name);
        Empty();
        make();
        QString error;
        SetList({{"old"}});
        EXPECT_EQ((std::tuple{LoadTools(&error), ToolCount(), LoadedToolFile().fault}),
                  std::tuple(fault == F::None, count, fault));
        EXPECT_TRUE(LoadedToolFile().reason.contains(QString::fromUtf8(reason)));
        EXPECT_TRUE(!*reason || error.contains(QString::fromUtf8(reason)));
    }
    EXPECT_EQ(Tool(ToolCount()).Title, QString(ToolFileMaxBytes % 1028 - 8, QLatin1Char('s')));
    QFile::remove(ToolFile);
    ASSERT_TRUE(SaveTools());
    EXPECT_TRUE(Read(ToolFile) == atBound);
}

// The permissions of "nobody" on the file system while it lives, when the tests run as root:
// leaving file-system id 0 drops root's overriding of permissions until it comes back.
struct Unprivileged {
    const bool root = ::geteuid() == 0;
    Unprivileged() { root && (::setfsgid(65534), ::setfsuid(65534)); }
    ~Unprivileged() { root && (::setfsuid(0), ::setfsgid(0)); }
};

// In a closed folder the file is written in place; a failure keeps the list for another try.
// Made unreadable, it is said to be so.
TEST_F(ToolFileTest, AClosedFolderIsSavedInPlaceAndAnUnreadableFileSaidToBe) {
    ASSERT_TRUE(QDir().mkdir("closed"));
    ASSERT_TRUE(QDir::setCurrent("closed"));
    Put(ToolFile, "old\r\n");
    ASSERT_EQ(::geteuid() == 0 ? ::chown(ToolFile, 65534, 65534) : 0, 0); // the user's own
    ASSERT_EQ(::chmod(ToolFile, 0640), 0);
    ASSERT_EQ(::chmod(".", ::geteuid() == 0 ? 0755 : 0555), 0);
    ASSERT_EQ(::chmod("..", 0755), 0);
    const ino_t inode = Stat(ToolFile).st_ino;
    const List tools = {{"Café", "a.pdf", "/d/", "-x"}, {"b"}};
    const QByteArray bytes = "Caf\xE9\r\na.pdf\r\n/d/\r\n-x\r\nb\r\n\r\n\r\n\r\n";
    {
        const Unprivileged nobody;
        SetList(tools);
        QString error;
        EXPECT_TRUE(SaveTools(&error)) << error.toStdString();
        EXPECT_EQ(Read(ToolFile), bytes);
        for (qint64 at = 0; at <= bytes.size() + 1; ++at) {
            SetToolSinkFactory(FailingAt(at, bytes.size()));
            SetList(tools);
            error.clear();
            EXPECT_FALSE(SaveTools(&error) || error.isEmpty() || Snapshot() != tools) << at;
            SetToolSinkFactory({});
            EXPECT_TRUE(SaveTools() && Read(ToolFile) == bytes)
                << "written whole after a fault at " << at;
        }
    }
    ASSERT_EQ(::chmod(".", 0755), 0);
    const struct stat now = Stat(ToolFile);
    EXPECT_EQ(std::tuple(now.st_ino, now.st_mode & 07777), std::tuple(inode, 0640u));
    EXPECT_EQ(Entries(), QStringList{ToolFile});
    ASSERT_EQ(::chmod(ToolFile, 0200), 0);
    const Unprivileged nobody;
    QString error, reason;
    EXPECT_EQ((std::tuple{LoadTools(&error), LoadedToolFile().fault, error, CheckToolFile(&reason),
                          reason, ToolCount()}),
              std::tuple(false, TToolFileFault::System, "Permission denied", TToolFileCheck::Unread,
                         "Permission denied", 0u));
}

// Byte for byte: a new time alone is no change, other bytes of the same size and time are.
TEST_F(ToolFileTest, CheckSeesWhatOtherProgramsDidAndRemovalRenumbersTheRest) {
    using C = TToolFileCheck;
    const auto sameTimes = [](const QByteArray& bytes) {
        const struct stat was = Stat(ToolFile);
        Put(ToolFile, bytes);
        const timespec times[2] = {was.st_atim, was.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, ToolFile, times, 0), 0);
    };
    const std::tuple<const char*, std::function<void()>, C> steps[] = {
        {"no file, none read", [] { LoadTools(); }, C::Unchanged},
        {"made by another", [] { Put(ToolFile, Group); }, C::Changed},
        {"read", [] { LoadTools(); }, C::Unchanged},
        {"the same bytes again", [] { Put(ToolFile, Group); }, C::Unchanged},
        {"same size and time, other bytes", [&] { sameTimes("X\r\nF\r\nD\r\nP\r\n"); }, C::Changed},
        {"read again", [] { LoadTools(); }, C::Unchanged},
        {"removed", [] { QFile::remove(ToolFile); }, C::Changed},
        {"saved by this program", [] { SaveTools(); }, C::Unchanged},
        {"turned into a pipe", [] { QFile::remove(ToolFile), ::mkfifo(ToolFile, 0600); },
         C::NotRegular},
        {"read as a pipe, then a file again",
         [] { LoadTools(), QFile::remove(ToolFile), Put(ToolFile, Group); }, C::Unread},
        {"read as too large",
         [] {
             EXPECT_EQ(::truncate(ToolFile, ToolFileMaxBytes + 1), 0);
             LoadTools();
         },
         C::Unread},
    };
    for (const auto& [name, step, check] : steps) {
        step();
        EXPECT_EQ(CheckToolFile(), check) << name;
    }
    const std::tuple<std::size_t, std::size_t, const char*, std::size_t> rows[] = {
        // removed, selected before, titles after, selected after; 0 and 5: no such tool
        {1, 0, "B;C;D", 0}, {1, 1, "B;C;D", 0},   {1, 3, "B;C;D", 2},   {1, 2, "B;C;D", 1},
        {2, 1, "A;C;D", 1}, {2, 2, "A;C;D", 0},   {2, 4, "A;C;D", 3},   {4, 4, "A;B;C", 0},
        {4, 3, "A;B;C", 3}, {0, 2, "A;B;C;D", 2}, {5, 2, "A;B;C;D", 2},
    };
    for (const auto& [removed, selected, titles, after] : rows) {
        SetList({{"A"}, {"B"}, {"C"}, {"D"}});
        SelectedTool = selected;
        const QString chosen = selected ? Tool(selected).Title : QString();
        RemoveTool(removed);
        QStringList left;
        for (const Fields& tool : Snapshot())
            left << tool[0];
        // The selection keeps its record.
        EXPECT_EQ(std::tuple(left.join(';'), SelectedTool, after ? Tool(after).Title : chosen),
                  std::tuple(titles, after, chosen))
            << removed << " " << selected;
    }
}

// ICU's table is the reference; it too keeps Windows' five undefined bytes as C1 controls.
TEST(Cp1252, MatchesIcuRoundTripsAndEncodesNothingElse) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QStringDecoder icu("windows-1252");
    ASSERT_TRUE(icu.isValid());
    EXPECT_EQ(Cp1252Decode(all).toStdU16String(), QString(icu.decode(all)).toStdU16String());
    EXPECT_EQ(Cp1252Encode(Cp1252Decode(all)), all);
    int encodable = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const auto byte = Cp1252Byte(char16_t(c));
        encodable += byte.has_value();
        EXPECT_TRUE(!byte || Cp1252Char(*byte) == c) << "character " << int(c);
    }
    EXPECT_EQ(encodable, 256);
    EXPECT_EQ(Cp1252FirstUnencodable(QString::fromUtf8("ab€中c")), 3);
    EXPECT_EQ(Cp1252Encode(QString::fromUtf8("ab€中c")), std::nullopt);
}

} // namespace
