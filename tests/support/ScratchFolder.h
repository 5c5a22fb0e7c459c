// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// An empty folder of the test's own made current, as the program finds files by bare name.
class ScratchFolder : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path())); }
    void TearDown() override { QDir::setCurrent(home); }
    // Everything in a folder (the current unless named), hidden files, links and pipes included.
    static QStringList Entries(const QString& folder = {}) {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // Empties the folder of everything, links, pipes and folders included.
    void Empty() const {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        QDir::setCurrent(dir.path());
    }
    static void Put(const QString& name, const QByteArray& bytes) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    // What a file holds, "<none>" when it cannot be read.
    static QByteArray Read(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    const QString home = QDir::currentPath();
    QTemporaryDir dir;
};
