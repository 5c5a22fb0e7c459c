// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/FileInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>

namespace {

// Puts the zone back however the test ends, a failed assertion's return included.
struct RestoreTimeZone {
    const QByteArray saved = qgetenv("TZ");
    ~RestoreTimeZone() {
        saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved);
        tzset();
    }
};

// Half an hour either side of a new year (UTC), in the zone in force; no file, no year.
TEST(FileInfo, YearOfLastWriteInLocalTime) {
    const char* const cases[][3] = {{"UTC", "2023-12-31T23:30:00Z", "2023"},
                                    {"Europe/Madrid", "2023-12-31T23:30:00Z", "2024"},
                                    {"Asia/Tokyo", "2023-12-31T23:30:00Z", "2024"},
                                    {"UTC", "2024-01-01T00:30:00Z", "2024"},
                                    {"America/New_York", "2024-01-01T00:30:00Z", "2023"}};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(QStringLiteral("mirvex"));
    const RestoreTimeZone restore;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const auto& c : cases) {
        const QDateTime written = QDateTime::fromString(QString::fromLatin1(c[1]), Qt::ISODate);
        ASSERT_TRUE(file.setFileTime(written, QFile::FileModificationTime));
        qputenv("TZ", c[0]);
        tzset();
        const TProgramNameYear program = ProgramNameAndYear(path);
        EXPECT_EQ(std::pair(program.Name, program.Year),
                  std::pair(QStringLiteral("mirvex"), QString::fromLatin1(c[2])))
            << c[0] << " " << c[1];
    }
    for (const QString& none : {dir.filePath(QStringLiteral("folder")), path + u'x', QString()})
        EXPECT_EQ(FileYear(none), QString()) << none.toStdString();
}

} // namespace
