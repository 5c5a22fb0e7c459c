#include "FileInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

struct NameCase {
    const char* path;
    const char* name;
    const char* base;
};

class ProgramName : public testing::TestWithParam<NameCase> {};

TEST_P(ProgramName, FileNameAndBase) {
    const NameCase& c = GetParam();
    const QString name = FileNameOf(QString::fromUtf8(c.path));
    EXPECT_EQ(name, QString::fromUtf8(c.name));
    EXPECT_EQ(BaseNameOf(name), QString::fromUtf8(c.base));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramName,
    testing::Values(NameCase{"/usr/local/bin/MIRVEX.EXE", "MIRVEX.EXE", "MIRVEX"},
                    NameCase{"/opt/v.1/Mirvex.old.exe", "Mirvex.old.exe", "Mirvex"},
                    NameCase{"/opt/vexaria/mirvex", "mirvex", "mirvex"},
                    NameCase{"mirvex", "mirvex", "mirvex"},
                    NameCase{"./build/app/mirvex", "mirvex", "mirvex"},
                    NameCase{"/srv/.mirvex", ".mirvex", ""}, NameCase{"/opt/vexaria/", "", ""}));

// Runs a test in a chosen time zone and puts the process's own back after.
class LocalTime : public testing::Test {
protected:
    void SetUp() override {
        if (const char* zone = std::getenv("TZ"))
            saved = zone;
    }
    void TearDown() override {
        if (saved)
            setenv("TZ", saved->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    static void UseZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    // A fresh file in dir last written at the given UTC time.
    static QString FileWrittenAt(const QTemporaryDir& dir, const QDateTime& utc) {
        const QString path = dir.filePath(QStringLiteral("mirvex"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.setFileTime(utc, QFileDevice::FileModificationTime));
        return path;
    }

    std::optional<std::string> saved;
};

struct YearCase {
    const char* zone;
    QDateTime written; // UTC
    const char* year;
};

TEST_F(LocalTime, YearOfLastWriteInLocalTime) {
    const QDateTime newYearsEve(QDate(2023, 12, 31), QTime(23, 30), Qt::UTC);
    const QDateTime newYear(QDate(2024, 1, 1), QTime(0, 30), Qt::UTC);
    const YearCase cases[] = {
        {"UTC", newYearsEve, "2023"},
        {"Europe/Madrid", newYearsEve, "2024"}, // one hour ahead in winter
        {"Asia/Tokyo", newYearsEve, "2024"},
        {"America/New_York", newYearsEve, "2023"},
        {"UTC", newYear, "2024"},
        {"America/New_York", newYear, "2023"}, // five hours behind
        {"Europe/Madrid", QDateTime(QDate(1975, 6, 1), QTime(12, 0), Qt::UTC), "1975"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const YearCase& c : cases) {
        const QString path = FileWrittenAt(dir, c.written);
        UseZone(c.zone);
        EXPECT_EQ(FileYear(path), QString::fromLatin1(c.year))
            << c.zone << " " << c.written.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(LocalTime, ProgramNameAndYearOfAPath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = FileWrittenAt(dir, QDateTime(QDate(2023, 12, 31), QTime(23, 30), Qt::UTC));
    UseZone("Europe/Madrid");
    const TProgramNameYear program = ProgramNameAndYear(path);
    EXPECT_EQ(program.Name, QStringLiteral("mirvex"));
    EXPECT_EQ(program.Year, QStringLiteral("2024"));
}

TEST(FileYear, NoYearWithoutAFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("mirvex")));
    EXPECT_EQ(FileYear(dir.filePath(QStringLiteral("mirvex"))), QString());
    EXPECT_EQ(FileYear(dir.filePath(QStringLiteral("missing"))), QString());
    EXPECT_EQ(FileYear(QString()), QString());
}

} // namespace
