// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "core/NumberText.h"
#include "core/RunError.h"
#include "diagram/DiagramRecord.h"
#include "plot/PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

#include <clocale>
#include <cstdio>
#include <exception>

namespace {

constexpr int ExitRefused = 2;
constexpr int ExitNotDrawn = 1;

// A picture side larger than this would take gigabytes.
constexpr int LargestSide = 16000;
// Saved pictures are this many times the panel by default, as in the menu.
constexpr int DefaultTimes = 4;

const char* const ValueOptions[] = {"--export", "--mirror", "--object", "--size"};
const char* const FlagOptions[] = {"--help", "--version"};

// The interface language's option, read where the language is chosen; it is
// let through here.
constexpr char LangOptionName[] = "--lang";

QString OptionName(const QString& argument) {
    return argument.section(QLatin1Char('='), 0, 0);
}

bool IsOneOf(const QString& name, const auto& names) {
    for (const char* n : names) {
        if (name == QLatin1String(n)) {
            return true;
        }
    }
    return false;
}

QString Say(const TLangText& text) {
    return LangCaption(text);
}

// Qt's own remarks (a missing runtime folder and the like) would break the
// one-line messages scripts read; the program's messages do not go
// through Qt.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

void PrintLine(std::FILE* to, const QString& text) {
    std::fputs(text.toUtf8().constData(), to);
    std::fputc('\n', to);
}

std::optional<QSize> SizeOf(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > LargestSide || h > LargestSide) {
        return std::nullopt;
    }
    return QSize(w, h);
}

} // namespace

bool IsCommandLineRun(const QStringList& arguments) {
    for (const QString& a : arguments) {
        const QString name = OptionName(a);
        if (IsOneOf(name, ValueOptions) || IsOneOf(name, FlagOptions)) {
            return true;
        }
    }
    return false;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine cl;
    QStringList seen;
    std::optional<QString> file, mirror, object, size;
    bool help = false, version = false;
    const auto refuse = [&cl](const QString& why) {
        if (cl.error.isEmpty()) {
            cl.error = why;
        }
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const QString name = OptionName(a);
        if (IsOneOf(name, FlagOptions)) {
            (name == QLatin1String("--help") ? help : version) = true;
            continue;
        }
        const bool isLang = name == QLatin1String(LangOptionName);
        if (!isLang && !IsOneOf(name, ValueOptions)) {
            refuse(Say(LangCliUnknown).arg(a));
            continue;
        }
        QString value;
        if (a.contains(QLatin1Char('='))) {
            value = a.section(QLatin1Char('='), 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            refuse(Say(LangCliNoValue).arg(name));
            continue;
        }
        if (isLang) {
            continue;
        }
        if (seen.contains(name)) {
            refuse(Say(LangCliTwice).arg(name));
            continue;
        }
        seen << name;
        std::optional<QString>& slot = name == QLatin1String("--export")   ? file
                                       : name == QLatin1String("--mirror") ? mirror
                                       : name == QLatin1String("--object") ? object
                                                                           : size;
        slot = value;
    }
    if (help) {
        cl.action = TCommandLine::Action::Help;
        cl.error.clear();
        return cl;
    }
    if (version) {
        cl.action = TCommandLine::Action::Version;
        cl.error.clear();
        return cl;
    }
    if (!cl.error.isEmpty()) {
        return cl;
    }
    if (!file) {
        refuse(Say(LangCliMissing).arg(QStringLiteral("--export")));
        return cl;
    }
    if (!mirror) {
        refuse(Say(LangCliMissing).arg(QStringLiteral("--mirror")));
        return cl;
    }
    if (!object) {
        refuse(Say(LangCliMissing).arg(QStringLiteral("--object")));
        return cl;
    }
    cl.file = *file;
    if (cl.file.isEmpty() || !PictureFormatOf(cl.file)) {
        refuse(Say(LangCliBadExtension).arg(cl.file));
        return cl;
    }
    if (*mirror == QLatin1String("plano")) {
        cl.mirror = MirrorPlane;
    } else if (*mirror == QLatin1String("convexo")) {
        cl.mirror = MirrorConvex;
    } else if (*mirror == QLatin1String("concavo")) {
        cl.mirror = MirrorConcave;
    } else {
        refuse(Say(LangCliBadMirror).arg(*mirror));
        return cl;
    }
    try {
        // The same rules as the position field.
        cl.object = StrToInt(*object);
    } catch (const RunError&) {
        refuse(Say(LangCliBadObject).arg(*object));
        return cl;
    }
    if (size) {
        cl.size = SizeOf(*size);
        if (!cl.size) {
            refuse(Say(LangCliBadSize).arg(*size).arg(LargestSide));
            return cl;
        }
    }
    return cl;
}

QString ResolveExportFile(const QString& file) {
    if (QFileInfo(file).isAbsolute()) {
        return file;
    }
    // The installed launcher runs the program in its data folder and says
    // where the command was run; empty when that folder has gone.
    if (qEnvironmentVariableIsSet("VEXARIA_CALLER_DIR")) {
        const QString caller = qEnvironmentVariable("VEXARIA_CALLER_DIR");
        if (caller.isEmpty()) {
            return {};
        }
        return QDir(caller).absoluteFilePath(file);
    }
    return QDir::current().absoluteFilePath(file);
}

int RunCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // The language the windows would speak: --lang, else the one picked in
    // the menu, else the desktop's. Read only: the command line never
    // writes the settings.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QLatin1String(SettingsOrganization),
                             QLatin1String(SettingsApplication));
    UseLanguage(ChooseLanguage(LangOption(arguments).language, SavedLanguage(settings),
                               QLocale::system().uiLanguages()));
    const TCommandLine cl = ParseCommandLine(arguments);
    const QString program = QStringLiteral("mirvex: ");
    if (!cl.error.isEmpty()) {
        PrintLine(stderr, program + cl.error);
        return ExitRefused;
    }
    if (cl.action == TCommandLine::Action::Help) {
        PrintLine(stdout, Say(LangCliHelp));
        return 0;
    }
    if (cl.action == TCommandLine::Action::Version) {
        PrintLine(stdout, QStringLiteral("mirvex " VEXARIA_VERSION));
        return 0;
    }
    const QString file = ResolveExportFile(cl.file);
    if (file.isEmpty()) {
        PrintLine(stderr, program + Say(LangCliNoCallerFolder).arg(cl.file));
        return ExitRefused;
    }
    // No window is opened, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const PictureFormat format = *PictureFormatOf(file);
    try {
        // As typed in the field: the object goes to -N.
        const DrawingRecord drawing =
            RecordDiagram(cl.mirror, -static_cast<double>(static_cast<std::int64_t>(cl.object)));
        const PictureSource source = PanelPicture(drawing);
        const QSize size = cl.size.value_or(
            ScaledClientSize(source, format == PictureFormat::Pdf ? 1 : DefaultTimes));
        const QString reason = WritePicture(source, file, format, size);
        if (!reason.isEmpty()) {
            PrintLine(stderr, program + Say(LangCliNotWritten).arg(cl.file, reason));
            return ExitRefused;
        }
    } catch (const std::exception& e) {
        PrintLine(
            stderr,
            program +
                Say(LangCliNotDrawn).arg(QString::number(cl.object), QString::fromUtf8(e.what())));
        return ExitNotDrawn;
    }
    return 0;
}
