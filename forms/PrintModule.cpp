// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/PrintModule.h"

#include "core/Language.h"
#include "core/RunError.h"
#include "util/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>

#include <elf.h>

#include <cstring>

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
//: %1 the module's file.
constexpr TLangText LangPrintModuleCut = {
    "PrintModule", QT_TRANSLATE_NOOP("PrintModule", "«%1» está incompleto o dañado")};

// No module comes near this; a larger file is no module of ours.
constexpr qint64 LargestModule = qint64(64) * 1024 * 1024;

[[noreturn]] void Unavailable(const QString& why) {
    throw RunError(LangCaption(LangPrintUnavailable).arg(why).toStdString());
}

bool Within(const QByteArray& file, std::uint64_t offset, std::uint64_t size) {
    return offset <= std::uint64_t(file.size()) && size <= std::uint64_t(file.size()) - offset;
}

// Whether every part the loader maps lies inside the file: the loader maps
// a library's segments as its headers say, and touching a page past the
// file's end kills the process (SIGBUS), as a module cut short in copying
// would.
bool WholeElf(const QByteArray& file) {
    Elf64_Ehdr header;
    if (file.size() < qsizetype(sizeof header) || !file.startsWith(ELFMAG) ||
        file[EI_CLASS] != ELFCLASS64) {
        return false;
    }
    std::memcpy(&header, file.constData(), sizeof header);
    if (header.e_phentsize != sizeof(Elf64_Phdr) ||
        !Within(file, header.e_phoff, std::uint64_t(header.e_phnum) * sizeof(Elf64_Phdr)) ||
        !Within(file, header.e_shoff, std::uint64_t(header.e_shnum) * header.e_shentsize)) {
        return false;
    }
    for (int i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment;
        std::memcpy(&segment, file.constData() + header.e_phoff + i * sizeof segment,
                    sizeof segment);
        if (!Within(file, segment.p_offset, segment.p_filesz)) {
            return false;
        }
    }
    return true;
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
    // Checked before the loader sees it: a file it would fault on is refused.
    const TFileContent bytes = ReadRegularFile(file, LargestModule);
    if (bytes.fault != TFileFault::None) {
        Unavailable(LangCaption(LangPrintModuleUnloadable)
                        .arg(shown + QStringLiteral(": ") + bytes.reason));
    }
    if (!WholeElf(bytes.bytes)) {
        Unavailable(
            LangCaption(LangPrintModuleUnloadable).arg(LangCaption(LangPrintModuleCut).arg(shown)));
    }
    // Never unloaded once accepted: a second load of the same file finds it
    // already there. The metadata is read from the file, before any of the
    // module's code runs.
    QPluginLoader module(file);
    const QJsonObject meta = module.metaData();
    if (meta.value(QLatin1String("IID")).toString() != QLatin1String(VexariaPrintInterface_iid)) {
        Unavailable(LangCaption(LangPrintModuleForeign).arg(shown));
    }
    const int version = meta.value(QLatin1String("MetaData"))
                            .toObject()
                            .value(QLatin1String("interfaceVersion"))
                            .toInt();
    if (version != VexariaPrintInterfaceVersion) {
        Unavailable(LangCaption(LangPrintModuleStale)
                        .arg(shown)
                        .arg(version)
                        .arg(VexariaPrintInterfaceVersion));
    }
    auto* api = qobject_cast<VexariaPrintInterface*>(module.instance());
    if (api == nullptr) {
        const QString why = module.errorString();
        module.unload();
        Unavailable(LangCaption(LangPrintModuleUnloadable).arg(why));
    }
    return *api;
}
