// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's lines: the view of the diagram kept beside the
// language, every other line as it was.
#include "core/IniSetting.h"
#include "core/LanguageChoice.h"
#include "util/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(IniSetting, ReadsAndSetsOneKeyOfGeneral) {
    const struct {
        const char* before;
        const char* value; // read before, "" for none
        const char* after; // with classroomview=true
    } cases[] = {
        {"", "", "[General]\nclassroomview=true\n"},
        {"language=ca\n", "", "[General]\nclassroomview=true\n\nlanguage=ca\n"},
        {"[General]\nlanguage=ca\n", "", "[General]\nclassroomview=true\nlanguage=ca\n"},
        {"[General]\nclassroomview=false\r\n[Other]\nclassroomview=x\n", "false",
         "[General]\nclassroomview=true\n[Other]\nclassroomview=x\n"},
        {"classroomview = \"true\"\n", "true", "classroomview=true\n"},
        {"[Other]\nclassroomview=false\n", "",
         "[General]\nclassroomview=true\n\n[Other]\nclassroomview=false\n"},
    };
    for (const auto& c : cases) {
        const std::optional<QByteArray> value = IniValue(c.before, "classroomview");
        EXPECT_EQ(value.value_or(""), QByteArray(c.value)) << c.before;
        const QByteArray after = IniWithValue(c.before, "classroomview", "true");
        EXPECT_EQ(after, QByteArray(c.after)) << c.before;
        // The language beside it is untouched.
        EXPECT_EQ(LanguageInSettings(after), LanguageInSettings(c.before)) << c.before;
    }
}

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
