// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/SettingsFile.h"

#include "core/IniSetting.h"
#include "core/LanguageChoice.h"
#include "util/SafeFile.h"

#include <QDir>

#include <cerrno>
#include <functional>

namespace {

QString AbsoluteEnvironment(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? value : QString();
}

} // namespace

QString SettingsFilePath() {
    QString folder = AbsoluteEnvironment("XDG_CONFIG_HOME");
    if (folder.isEmpty()) {
        const QString home = AbsoluteEnvironment("HOME");
        if (home.isEmpty())
            return {};
        folder = home + QLatin1String("/.config");
    }
    return folder + QLatin1Char('/') + QLatin1String(SettingsOrganization) + QLatin1Char('/') +
           QLatin1String(SettingsApplication) + QLatin1String(".conf");
}

std::optional<TLanguage> ReadSavedLanguage() {
    const QString path = SettingsFilePath();
    if (path.isEmpty())
        return std::nullopt;
    const TFileContent file = ReadRegularFile(path, SettingsFileMaxBytes);
    if (file.fault != TFileFault::None)
        return std::nullopt;
    return LanguageInSettings(file.bytes);
}

namespace {

constexpr char ClassroomViewKey[] = "classroomview";

// Writes the file made from its old bytes, unless it cannot be read.
bool KeepSetting(const std::function<QByteArray(const QByteArray&)>& change, QString* error) {
    const QString path = SettingsFilePath();
    if (path.isEmpty()) {
        if (error)
            *error = qt_error_string(ENOENT);
        return false;
    }
    const TFileContent old = ReadRegularFile(path, SettingsFileMaxBytes);
    // What cannot be read is not overwritten: it may hold more than the choice.
    if (old.fault != TFileFault::None && old.fault != TFileFault::Missing) {
        if (error)
            *error = old.reason;
        return false;
    }
    // Made as QSettings would have: a folder of the user's default mode.
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    return WriteRegularFile(path, change(old.bytes), error);
}

} // namespace

bool KeepLanguage(TLanguage language, QString* error) {
    return KeepSetting(
        [language](const QByteArray& old) { return SettingsWithLanguage(old, language); }, error);
}

std::optional<bool> ReadSavedClassroomView() {
    const QString path = SettingsFilePath();
    if (path.isEmpty())
        return std::nullopt;
    const TFileContent file = ReadRegularFile(path, SettingsFileMaxBytes);
    if (file.fault != TFileFault::None)
        return std::nullopt;
    const std::optional<QByteArray> value = IniValue(file.bytes, ClassroomViewKey);
    if (value == "true")
        return true;
    if (value == "false")
        return false;
    return std::nullopt;
}

bool KeepClassroomView(bool on, QString* error) {
    return KeepSetting(
        [on](const QByteArray& old) {
            return IniWithValue(old, ClassroomViewKey, on ? "true" : "false");
        },
        error);
}
