// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/SafeFile.h"
#include "core/Language.h"
#include "diagram/DiagramRecord.h"
#include "tests/support/GuiApplication.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ToolFaultSink.h"
#include "util/FileInfo.h"
#include "util/PictureWrite.h"
#include "util/SettingsFile.h"
#include "util/ToolFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <functional>
#include <tuple>

namespace {

using F = TFileFault;
constexpr uid_t Nobody = 65534;

class SafeFileTest : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        UseLanguage(LangEnglish);
    }
    void TearDown() override {
        SetFileSinkFactory({});
        ScratchFolder::TearDown();
    }
};

// Only a regular file is read or replaced whole, mode, owner and link kept; a pipe is not read.
TEST_F(SafeFileTest, OnlyARegularFileUnderANameTheFileSystemHoldsIsReadOrWritten) {
    const QByteArray waiting = "waiting";
    int writer = -1;
    const std::tuple<const char*, std::function<void()>, F, const char*> cases[] = {
        {"a regular file", [] { Put("f", "old"); }, F::None, ""},
        {"a link to one", [] { Put("t", "old"), QFile::link("t", "f"); }, F::None, ""},
        {"exactly the bound", [] { Put("f", QByteArray(10, 'x')); }, F::None, ""},
        {"a read-only file, another user's under root",
         [] {
             Put("f", "old");
             EXPECT_EQ(::chmod("f", 0444) | (::geteuid() ? 0 : ::chown("f", Nobody, Nobody)), 0);
         },
         F::None, ""},
        {"a pipe",
         [&] {
             ::mkfifo("f", 0600);
             writer = ::open("f", O_RDWR | O_NONBLOCK);
             EXPECT_EQ(::write(writer, waiting.data(), waiting.size()), waiting.size());
         },
         F::NotRegular, "not a regular file"},
        {"a link to a device", [] { QFile::link("/dev/null", "f"); }, F::NotRegular,
         "not a regular file"},
        {"a folder", [] { QDir().mkdir("f"); }, F::NotRegular, "not a regular file"},
        {"one byte over the bound", [] { Put("f", QByteArray(11, 'x')); }, F::TooLarge,
         "larger than 10 bytes"},
    };
    for (const auto& [name, make, fault, reason] : cases) {
        SCOPED_TRACE(name);
        Empty();
        make();
        const QStringList entries = Entries();
        const TFileContent read = ReadRegularFile("f", 10);
        EXPECT_TRUE(read.fault == fault && read.reason.contains(QLatin1String(reason)));
        struct stat was = {}, now = {}, link = {};
        ::stat("f", &was);
        ::lstat("f", &link);
        QString error;
        const bool written = WriteRegularFile("f", "new", &error);
        ::stat("f", &now);
        EXPECT_EQ(written, fault == F::None || fault == F::TooLarge);
        if (written) {
            EXPECT_NE(now.st_ino, was.st_ino) << "written in place";
            EXPECT_EQ(std::tuple(Read("f"), now.st_mode, now.st_uid, QFileInfo("f").isSymLink(),
                                 Entries()),
                      std::tuple(QByteArray("new"), was.st_mode, was.st_uid, S_ISLNK(link.st_mode),
                                 entries));
        } else {
            EXPECT_EQ(std::tuple(error, now.st_mode, now.st_ino, now.st_rdev),
                      std::tuple(read.reason, was.st_mode, was.st_ino, was.st_rdev));
        }
        if (writer >= 0) {
            int pending = -1;
            EXPECT_EQ(::ioctl(writer, FIONREAD, &pending), 0);
            EXPECT_EQ(pending, waiting.size()) << "the pipe was read";
            ::close(std::exchange(writer, -1));
        }
    }
    // A name the file system cannot hold is refused, not written as another.
    const QString bad = QStringLiteral("d") + QChar(0xD800) + QStringLiteral(".png");
    Empty();
    QString error;
    const bool written = WriteRegularFile(bad, "x", &error);
    EXPECT_EQ(std::tuple(FileNameEncodable(bad), written, error, ReadRegularFile(bad, 10).fault,
                         Entries()),
              std::tuple(false, false, QString("the name is not valid for the file system"),
                         F::BadName, QStringList()));
}

// As the kernel's protected_symlinks: another user's link in a sticky folder leads nowhere.
TEST_F(SafeFileTest, ALinkAnotherUserMadeIsNotFollowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can make a link that belongs to another user";
    ASSERT_TRUE(QDir().mkdir("shared") && ::chmod("shared", 01777) == 0); // sticky, as /tmp
    Put("t", "important");
    ASSERT_EQ(::symlink(qPrintable(dir.filePath("t")), "shared/l"), 0);
    ASSERT_EQ(::lchown("shared/l", Nobody, Nobody), 0);
    EXPECT_EQ(ReadRegularFile("shared/l", 100).fault, F::Link);
    QString error;
    EXPECT_FALSE(WriteRegularFile("shared/l", "replaced", &error));
    EXPECT_EQ(error, "it is a link another user could have made");
    EXPECT_FALSE(WriteRegularFile("shared/l/../x", "x"));
    EXPECT_EQ(Read("t"), "important");
    EXPECT_EQ(Entries("shared"), QStringList{"l"});
    ASSERT_EQ(::lchown("shared/l", 0, 0), 0); // root's own link is followed
    EXPECT_TRUE(WriteRegularFile("shared/l", "replaced"));
    EXPECT_EQ(Read("t"), "replaced");
}

// A file size limit at every byte in turn: the old file stays, or none is left.
TEST_F(SafeFileTest, AWriteFailingAtAnyByteLeavesTheOldFile) {
    const QByteArray bytes = QByteArray("0123456789abcdef").repeated(20);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit was{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &was), 0);
    for (const QByteArray& old : {QByteArray("old"), QByteArray()}) {
        QFile::remove("f");
        if (!old.isEmpty())
            Put("f", old);
        for (qint64 at = 0; at < bytes.size(); ++at) {
            const rlimit limit{rlim_t(at), was.rlim_max};
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
            QString error;
            EXPECT_FALSE(WriteRegularFile("f", bytes, &error)) << at;
            ::setrlimit(RLIMIT_FSIZE, &was);
            EXPECT_FALSE(error.isEmpty()) << at;
            EXPECT_EQ(std::tuple(Read("f"), Entries()),
                      std::tuple(old.isEmpty() ? "<none>" : old,
                                 old.isEmpty() ? QStringList() : QStringList{"f"}))
                << at;
        }
    }
    EXPECT_TRUE(WriteRegularFile("f", bytes));
    EXPECT_EQ(Read("f"), bytes);
}

// The view kept beside the language only when chosen (the lines' rules are CoreTest's); every
// writer of the program goes through the one sink.
TEST_F(SafeFileTest, TheViewIsKeptWhenChosenAndEveryWriterGoesThroughTheSink) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    EXPECT_EQ(ReadSavedClassroomView(), std::nullopt);
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
    ASSERT_TRUE(KeepLanguage(LangCatalan));
    for (const bool view : {false, true}) {
        ASSERT_TRUE(KeepClassroomView(view));
        EXPECT_EQ(ReadSavedClassroomView(), view);
    }
    EXPECT_EQ(std::tuple(ReadSavedLanguage(), Read(SettingsFilePath())),
              std::tuple(LangCatalan, "[General]\nclassroomview=true\nlanguage=ca\n"));
    NeedApplication();
    const DrawingRecord drawing = RecordDiagram(MirrorConcave, -10);
    const auto picture = [&](const char* name, PictureFormat format) {
        return [&drawing, name, format](QString* error) {
            return (*error = WritePicture(PanelPicture(drawing), name, format, {200, 120}))
                .isEmpty();
        };
    };
    const std::tuple<QString, std::function<bool(QString*)>> writers[] = {
        {ToolFile,
         [](QString* error) {
             return ToolList.clear(), FillTool(AppendTool(), "t", "f", "d", "p"), SaveTools(error);
         }},
        {SettingsFilePath(), [](QString* error) { return KeepLanguage(LangCatalan, error); }},
        {"d.png", picture("d.png", PictureFormat::Png)},
        {"d.svg", picture("d.svg", PictureFormat::Svg)},
        {"d.pdf", picture("d.pdf", PictureFormat::Pdf)},
    };
    for (const auto& [file, write] : writers) { // the settings' folder made above
        Put(file, "old");
        QString error;
        ASSERT_TRUE(write(&error)) << file.toStdString() << error.toStdString();
        const qint64 size = QFileInfo(file).size();
        Put(file, "old");
        for (const qint64 at : {qint64(0), size / 2, size - 1, size, size + 1}) {
            SetFileSinkFactory(FailingAt(at, size));
            error.clear();
            EXPECT_FALSE(write(&error)) << file.toStdString() << " at " << at;
            EXPECT_EQ(error, at < size   ? "No space left on device"
                             : at > size ? "Permission denied"
                                         : "Input/output error");
            EXPECT_EQ(Read(file), "old") << file.toStdString() << " at " << at;
        }
        SetFileSinkFactory({});
    }
    qputenv("XDG_CONFIG_HOME", "config"); // relative folders are no settings folders
    qputenv("HOME", "home");
    EXPECT_EQ(SettingsFilePath(), "");
    EXPECT_FALSE(KeepLanguage(LangEnglish));
    EXPECT_FALSE(QFileInfo::exists("home"));
}

// Half an hour either side of a new year (UTC), in the zone in force; no file, no year.
TEST_F(SafeFileTest, FileYearIsOfTheLastWriteInLocalTime) {
    const char* const cases[][3] = {{"UTC", "2023-12-31T23:30:00Z", "2023"},
                                    {"Europe/Madrid", "2023-12-31T23:30:00Z", "2024"},
                                    {"Asia/Tokyo", "2023-12-31T23:30:00Z", "2024"},
                                    {"UTC", "2024-01-01T00:30:00Z", "2024"},
                                    {"America/New_York", "2024-01-01T00:30:00Z", "2023"}};
    ASSERT_TRUE(QDir().mkdir("folder"));
    const QString path = dir.filePath("mirvex");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray zone = qgetenv("TZ"); // put back below: no assertion returns before
    for (const auto& c : cases) {
        const QDateTime written = QDateTime::fromString(QString::fromLatin1(c[1]), Qt::ISODate);
        EXPECT_TRUE(file.setFileTime(written, QFile::FileModificationTime));
        qputenv("TZ", c[0]);
        tzset();
        const TProgramNameYear program = ProgramNameAndYear(path);
        EXPECT_EQ(std::pair(program.Name, program.Year),
                  std::pair(QString("mirvex"), QString(c[2])))
            << c[0] << " " << c[1];
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
    for (const QString& none : {dir.filePath("folder"), path + u'x', QString()})
        EXPECT_EQ(FileYear(none), QString()) << none.toStdString();
}

// Drawn and encoded a band at a time, with progress that can stop it, as if drawn whole.
TEST(LargePng, DrawnInBandsAsAWhole) {
    NeedApplication();
    const DrawingRecord drawing = RecordDiagram(MirrorConcave, -30);
    const QSize size(4100, 4100);
    int calls = 0, last = -1;
    QString error;
    const QByteArray png =
        EncodePicture(PanelPicture(drawing), PictureFormat::Png, size, &error,
                      [&](int done, int total) { return ++calls, last = done, total == 17; });
    EXPECT_EQ(std::tuple(calls, last), std::tuple(18, 17));
    const QImage whole = RenderPicture(PanelPicture(drawing), size);
    // Each band's own origin moves a few antialiased edges by a hair.
    const QImage banded = QImage::fromData(png, "png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(banded.size(), size);
    qint64 differ = 0, far = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb a = banded.pixel(x, y), b = whole.pixel(x, y);
            differ += a != b;
            far += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b)) >
                   9;
        }
    EXPECT_EQ(far, 0);
    EXPECT_LT(differ, size.width() * size.height() / 1000);
    const QByteArray stopped = EncodePicture(PanelPicture(drawing), PictureFormat::Png, size,
                                             &error, [](int done, int) { return done < 3; });
    EXPECT_TRUE(stopped.isEmpty() && error.isEmpty());
}

} // namespace
