// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/RunError.h"
#include "diagram/DiagramRecord.h"
#include "plot/PictureFile.h"
#include "util/PictureWrite.h"
#include "util/SettingsFile.h"
#include "util/WorksheetWrite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <exception>
#include <functional>

namespace {

constexpr int ExitRefused = 2;
constexpr int ExitNotDrawn = 1;

// As the PNG size dialog: a larger side would take minutes to draw.
constexpr int LargestSide = 16000;
// Saved pictures are this many times the panel by default, as in the menu.
constexpr int DefaultTimes = 4;

// The program's own options, as QCommandLineParser takes them: "--name
// value" or "--name=value", and one dash as well as two.
const char* const ValueOptions[] = {"export",    "mirror", "object", "size", "style",
                                    "worksheet", "count",  "level",  "seed"};
const char* const FlagOptions[] = {"help", "version", "no-key"};
// The worksheet's refusals. %1 what was given.
constexpr TLangText LangCliMixed = {"CommandLine",
                                    QT_TRANSLATE_NOOP("CommandLine", "%1 no se puede usar con %2")};
constexpr TLangText LangCliNotPdf = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine", "--worksheet «%1»: el nombre debe terminar en .pdf")};
constexpr TLangText LangCliBadCount = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine", "--count «%1»: debe ser un número entero de %2 a %3")};
//: %2 the levels, separated by "|".
constexpr TLangText LangCliBadLevel = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "--level «%1»: debe ser %2")};
constexpr TLangText LangCliBadSeed = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine", "--seed «%1»: debe ser un número entero de 0 a %2")};
//: %2 the system's reason.
constexpr TLangText LangCliWorksheetNotWritten = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine", "--worksheet «%1»: no se ha podido escribir: %2")};
// The options of a picture and those of a worksheet, which do not mix.
const char* const ExportOptions[] = {"export", "mirror", "object", "size", "style"};
const char* const WorksheetOptions[] = {"worksheet", "count", "level", "seed", "no-key"};
// The interface language's option: every start takes it.
constexpr char LangOptionName[] = "lang";

// Qt's own options, which go to Qt when the windows start; those of the
// first list take the next argument as their value.
const char* const QtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
    "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",
    "style",    "stylesheet",         "session",       "display",     "name",
    "dialogs",  "fontengine",         "visual",        "ncols",       "cmap"};
const char* const QtFlagOptions[] = {"reverse", "widgetcount", "nograb",       "dograb",
                                     "sync",    "testability", "qmljsdebugger"};

// An option's name without its dashes and value; empty for what is no option.
QString OptionName(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
        return {};
    }
    const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
    return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
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

// The mirror's names, Spanish as in the field's menu, and English.
struct MirrorName {
    const char* name;
    TMirrorKind kind;
};
constexpr MirrorName MirrorNames[] = {
    {"plano", MirrorPlane}, {"convexo", MirrorConvex}, {"concavo", MirrorConcave},
    {"plane", MirrorPlane}, {"convex", MirrorConvex},  {"concave", MirrorConcave},
};

// The worksheet's options, the rest being refused already.
void ParseWorksheet(TCommandLine& cl,
                    const std::function<std::optional<QString>(const char*)>& value) {
    cl.action = TCommandLine::Action::Worksheet;
    const std::optional<QString> file = value("worksheet"), count = value("count"),
                                 level = value("level"), seed = value("seed");
    if (!file) {
        cl.error = Say(LangCliMissing).arg(QStringLiteral("--worksheet"));
        return;
    }
    cl.file = *file;
    if (PictureFormatOf(cl.file) != PictureFormat::Pdf) {
        cl.error = Say(LangCliNotPdf).arg(cl.file);
        return;
    }
    if (count) {
        static const QRegularExpression number(QStringLiteral("^[0-9]{1,2}$"));
        const int n = count->toInt();
        if (!number.match(*count).hasMatch() || n < WorksheetLeastCount || n > WorksheetMostCount) {
            cl.error =
                Say(LangCliBadCount).arg(*count).arg(WorksheetLeastCount).arg(WorksheetMostCount);
            return;
        }
        cl.worksheet.count = n;
    }
    if (level) {
        const std::optional<ExerciseLevel> l = ExerciseLevelFromCode(*level);
        if (!l) {
            cl.error = Say(LangCliBadLevel).arg(*level, ExerciseLevelCodeList());
            return;
        }
        cl.worksheet.level = *l;
    }
    if (seed) {
        bool ok = false;
        const qulonglong s = seed->toULongLong(&ok);
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
        if (!ok || !digits.match(*seed).hasMatch() || s > 0xFFFFFFFFULL) {
            cl.error = Say(LangCliBadSeed).arg(*seed).arg(0xFFFFFFFFULL);
            return;
        }
        cl.seed = static_cast<std::uint32_t>(s);
    }
    cl.worksheet.key = !value("no-key").has_value();
}

} // namespace

QString MoreHelp() {
    // Through the program's translation, which the command line has before
    // any application object: as the rest of the help.
    static constexpr TLangText More = {
        "CommandLine",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  --mirror también acepta plane, convex o concave\n"
            "  --style ESTILO   classroom (vista de clase, con rótulos y escala; por defecto)\n"
            "                   u original (el dibujo del panel)\n"
            "  --lang IDIOMA    ca, en, es o gl: el idioma de los mensajes y del dibujo\n"
            "  --worksheet FICHERO.pdf [--count N] [--level NIVEL] [--seed S] [--no-key]\n"
            "                   escribe una hoja de ejercicios en PDF con N ejercicios (de 1 a "
            "60,\n"
            "                   8 si no se indica) del nivel plano, concavo-lejos,\n"
            "                   concavo-centro-foco, concavo-foco-espejo, convexo o mezcla (por\n"
            "                   defecto), y sus soluciones salvo con --no-key; la misma semilla S\n"
            "                   da los mismos ejercicios")};
    return Say(More);
}

bool IsCommandLineRun(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const QString name = OptionName(a);
        if (name.isEmpty() || a == QLatin1String("--") || IsOneOf(name, QtFlagOptions)) {
            continue;
        }
        if (name == QLatin1String(LangOptionName) || IsOneOf(name, QtValueOptions)) {
            i += a.contains(QLatin1Char('=')) ? 0 : 1;
            continue;
        }
        // Ours, or an option nobody takes: either way the command line
        // answers it, with a display or without one.
        return true;
    }
    return false;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine cl;
    const auto refuse = [&cl](const QString& why) {
        if (cl.error.isEmpty()) {
            cl.error = why;
        }
    };
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : ValueOptions) {
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("v")));
    }
    parser.addOption(
        QCommandLineOption(QLatin1String(LangOptionName), QString(), QStringLiteral("v")));
    for (const char* name : FlagOptions) {
        parser.addOption(QCommandLineOption(QLatin1String(name)));
    }
    const bool parsed = parser.parse(QStringList(QStringLiteral("mirvex")) + arguments);
    // The language first: every other message is said in it.
    for (const QString& code : parser.values(QLatin1String(LangOptionName))) {
        cl.language = LanguageFromCode(code);
        if (!cl.language) {
            cl.error = Say(LangBadLangOption).arg(code);
            return cl;
        }
    }
    if (parser.isSet(QStringLiteral("help"))) {
        cl.action = TCommandLine::Action::Help;
        return cl;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        cl.action = TCommandLine::Action::Version;
        return cl;
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        for (const QString& a : arguments) {
            if (!unknown.isEmpty() && OptionName(a) == unknown.front()) {
                refuse(Say(LangCliUnknown).arg(a));
            }
        }
        // Otherwise the last option wants a value that is not there.
        refuse(Say(LangCliNoValue).arg(QStringLiteral("--") + OptionName(arguments.back())));
        return cl;
    }
    if (!parser.positionalArguments().isEmpty()) {
        refuse(Say(LangCliUnknown).arg(parser.positionalArguments().front()));
        return cl;
    }
    for (const char* name : ValueOptions) {
        if (parser.values(QLatin1String(name)).size() > 1) {
            refuse(Say(LangCliTwice).arg(QStringLiteral("--") + QLatin1String(name)));
            return cl;
        }
    }
    const auto value = [&parser](const char* name) -> std::optional<QString> {
        if (!parser.isSet(QLatin1String(name))) {
            return std::nullopt;
        }
        return parser.value(QLatin1String(name));
    };
    const auto anySet = [&parser](const auto& names) -> std::optional<QString> {
        for (const char* n : names) {
            if (parser.isSet(QLatin1String(n))) {
                return QStringLiteral("--") + QLatin1String(n);
            }
        }
        return std::nullopt;
    };
    const std::optional<QString> exportOption = anySet(ExportOptions);
    if (const std::optional<QString> worksheetOption = anySet(WorksheetOptions)) {
        if (exportOption) {
            refuse(Say(LangCliMixed).arg(*exportOption, *worksheetOption));
            return cl;
        }
        ParseWorksheet(cl, value);
        return cl;
    }
    const std::optional<QString> file = value("export"), mirror = value("mirror"),
                                 object = value("object"), size = value("size"),
                                 style = value("style");
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
    const auto named = std::ranges::find_if(
        MirrorNames, [&mirror](const MirrorName& m) { return *mirror == QLatin1String(m.name); });
    if (named == std::end(MirrorNames)) {
        refuse(Say(LangCliBadMirror).arg(*mirror));
        return cl;
    }
    cl.mirror = named->kind;
    if (style) {
        if (*style != QLatin1String("classroom") && *style != QLatin1String("original")) {
            static constexpr TLangText BadStyle = {
                "CommandLine",
                QT_TRANSLATE_NOOP("CommandLine", "--style «%1»: debe ser classroom u original")};
            refuse(Say(BadStyle).arg(*style));
            return cl;
        }
        cl.classroom = *style == QLatin1String("classroom");
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
    bool encodable = true;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
        encodable = encodable && arguments.back().toLocal8Bit() == argv[i];
    }
    // The language the windows would speak: --lang, else the one picked in
    // the menu, else the desktop's. Read only: the command line never
    // writes the settings.
    UseLanguage(ChooseLanguage(std::nullopt, ReadSavedLanguage(), QLocale::system().uiLanguages()));
    TCommandLine cl = ParseCommandLine(arguments);
    if (cl.language && *cl.language != Language) {
        UseLanguage(*cl.language);
        cl = ParseCommandLine(arguments);
    }
    const QString program = QStringLiteral("mirvex: ");
    const bool writes =
        cl.action == TCommandLine::Action::Export || cl.action == TCommandLine::Action::Worksheet;
    if (cl.error.isEmpty() && writes && !encodable) {
        // Written under another name it would be lost to the user.
        cl.error = Say(LangCliNotWritten).arg(cl.file, LangCaption(LangFileNameNotEncodable));
    }
    if (!cl.error.isEmpty()) {
        PrintLine(stderr, program + cl.error);
        return ExitRefused;
    }
    if (cl.action == TCommandLine::Action::Help) {
        PrintLine(stdout, Say(LangCliHelp) + QLatin1Char('\n') + MoreHelp());
        return 0;
    }
    if (cl.action == TCommandLine::Action::Version) {
        PrintLine(stdout, QStringLiteral("mirvex " VEXARIA_VERSION));
        return 0;
    }
    const QString file = ResolveExportFile(cl.file);
    if (file.isEmpty()) {
        // Named by the option it came with.
        const QString option = cl.action == TCommandLine::Action::Worksheet
                                   ? QStringLiteral("--worksheet")
                                   : QStringLiteral("--export");
        PrintLine(stderr, program + Say(LangCliNoCallerFolder).arg(option, cl.file));
        return ExitRefused;
    }
    // No window is opened, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // The words drawn and written in the language asked for, as the
    // messages are; the system's reasons stay in its own words, as before.
    QTranslator drawn;
    if (Language != LangSpanish &&
        drawn.load(QStringLiteral(":/i18n/vexaria_") + QLatin1String(LanguageCodes[Language]))) {
        QCoreApplication::installTranslator(&drawn);
    }
    if (cl.action == TCommandLine::Action::Worksheet) {
        if (!cl.seed) {
            Randomize();
        }
        cl.worksheet.seed = cl.seed.value_or(RandSeed);
        const QString reason = WriteWorksheet(cl.worksheet, file);
        if (!reason.isEmpty()) {
            PrintLine(stderr, program + Say(LangCliWorksheetNotWritten).arg(cl.file, reason));
            return ExitRefused;
        }
        return 0;
    }
    const PictureFormat format = *PictureFormatOf(file);
    try {
        // As typed in the field: the object goes to -N.
        const Scene scene{cl.mirror, -static_cast<double>(static_cast<std::int64_t>(cl.object))};
        const DrawingRecord drawing =
            cl.classroom ? ClassroomRecord(scene) : RecordDiagram(scene.kind, scene.objectPos);
        PictureSource source = cl.classroom ? ClassroomPicture(drawing) : PanelPicture(drawing);
        // Either view at the panel's times, as the menu saves it.
        const QSize size = cl.size.value_or(QSize(PanelWidth, PanelHeight) *
                                            (format == PictureFormat::Pdf ? 1 : DefaultTimes));
        if (cl.size) {
            // The pixels asked for, at 96 to the inch.
            source.svgWidthMm = 0;
        }
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
