// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's lines: the view of the diagram kept beside the
// language, every other line as it was.
#include "core/LanguageChoice.h"
#include "util/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The lines' rules (quotes, CR LF, sections, keys alike in part) are the
// saved language's table in LanguageChoiceTest; here, the view's key kept
// beside the language's in the real file.
TEST(SettingsFile, TheViewIsKeptOnlyWhenChosen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    EXPECT_EQ(ReadSavedClassroomView(), std::nullopt);
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
    ASSERT_TRUE(KeepLanguage(LangCatalan));
    ASSERT_TRUE(KeepClassroomView(false));
    EXPECT_EQ(ReadSavedClassroomView(), false);
    ASSERT_TRUE(KeepClassroomView(true));
    EXPECT_EQ(ReadSavedClassroomView(), true);
    EXPECT_EQ(ReadSavedLanguage(), LangCatalan);
    QFile f(SettingsFilePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[General]\nclassroomview=true\nlanguage=ca\n"));
}

} // namespace
