// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/PrintModule.h"

#include "core/Language.h"
#include "core/RunError.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifndef VEXARIA_PRINT_MODULE
#error "app/CMakeLists.txt names the print module's place beside the program"
#endif

namespace {

//: %1 why.
constexpr TLangText LangPrintUnavailable = {
    "PrintModule", QT_TRANSLATE_NOOP("PrintModule", "La impresión no está disponible: %1")};
//: %1 the module's file.
constexpr TLangText LangPrintModuleMissing = {"PrintModule",
                                              QT_TRANSLATE_NOOP("PrintModule", "falta «%1»")};
//: %1 the system's reason, which names the file.
constexpr TLangText LangPrintModuleUnloadable = {
    "PrintModule",
    QT_TRANSLATE_NOOP("PrintModule", "no se ha podido cargar el módulo de impresión (%1)")};
//: %1 the module's file.
constexpr TLangText LangPrintModuleForeign = {
    "PrintModule",
    QT_TRANSLATE_NOOP("PrintModule", "«%1» no es el módulo de impresión del programa")};
//: %1 the module's file, %2 its interface version, %3 the program's.
constexpr TLangText LangPrintModuleStale = {
    "PrintModule",
    QT_TRANSLATE_NOOP(
        "PrintModule",
        "«%1» es de otra versión del programa (interfaz %2; este programa necesita la %3)")};

[[noreturn]] void Unavailable(const QString& why) {
    throw RunError(LangCaption(LangPrintUnavailable).arg(why).toStdString());
}

} // namespace

QString PrintModuleFile(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(VEXARIA_PRINT_MODULE));
}

const VexariaPrintInterface& LoadPrintModule(const QString& file) {
    const QString shown = QDir::toNativeSeparators(file);
    if (!QFileInfo(file).isFile()) {
        Unavailable(LangCaption(LangPrintModuleMissing).arg(shown));
    }
    // Never unloaded once accepted: a second load of the same file finds it
    // already there.
    QLibrary module(file);
    if (!module.load()) {
        Unavailable(LangCaption(LangPrintModuleUnloadable).arg(module.errorString()));
    }
    const auto entry = reinterpret_cast<VexariaPrintEntry>(module.resolve(VexariaPrintEntryName));
    const VexariaPrintInterface* api = entry != nullptr ? entry() : nullptr;
    if (api == nullptr) {
        module.unload();
        Unavailable(LangCaption(LangPrintModuleForeign).arg(shown));
    }
    // Only the version is read before it is known to match: the rest of an
    // older or newer module's structure may lie elsewhere.
    if (const int version = api->version; version != VexariaPrintInterfaceVersion) {
        module.unload();
        Unavailable(LangCaption(LangPrintModuleStale)
                        .arg(shown)
                        .arg(version)
                        .arg(VexariaPrintInterfaceVersion));
    }
    return *api;
}
