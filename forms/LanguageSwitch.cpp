// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/LanguageSwitch.h"

#include "core/LanguageChoice.h"
#include "core/RunError.h"
#include "forms/ErrorReport.h"
#include "util/SettingsFile.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenu>

#include <iterator>

std::optional<TLanguage> StartLanguage;

TLanguageNotifier& LanguageNotifier() {
    static TLanguageNotifier notifier;
    return notifier;
}

std::optional<TLanguage> LanguageForStart(std::optional<TLanguage> commandLine) {
    if (commandLine)
        return commandLine;
    return ReadSavedLanguage();
}

TLanguage StartingLanguage() {
    return ChooseLanguage(StartLanguage, std::nullopt, QLocale::system().uiLanguages());
}

void SwitchLanguage(TLanguage language) {
    Language = language;
    emit LanguageNotifier().LanguageChanged();
}

void PickLanguage(TLanguage language) {
    SwitchLanguage(language);
    QString why;
    if (!KeepLanguage(language, &why))
        throw RunError(LangCaption(LangChoiceNotKept).arg(SettingsFilePath(), why).toStdString());
}

namespace {

constexpr const char* ItemNames[] = {"OpCatala", "OpEnglish", "OpEspanol"};
static_assert(std::size(ItemNames) == LangCount);

} // namespace

QMenu* BuildLanguageMenu(QMenu* menu, QAction* after) {
    auto* submenu = new QMenu(menu);
    submenu->setObjectName(QStringLiteral("OpIdioma"));
    auto* group = new QActionGroup(submenu);
    group->setExclusive(true);
    for (std::size_t i = 0; i < std::size(ItemNames); ++i) {
        auto* item = new QAction(QString::fromUtf8(LangLanguageNames[i]), submenu);
        item->setObjectName(QLatin1String(ItemNames[i]));
        item->setCheckable(true);
        group->addAction(item);
        submenu->addAction(item);
        const auto language = static_cast<TLanguage>(i);
        QObject::connect(item, &QAction::triggered, submenu, [language] {
            RunHandler([language] {
                // Picking the language already shown keeps it for the next
                // start all the same: that is what the user asked for.
                PickLanguage(language);
            });
        });
    }
    const auto follow = [submenu, group] {
        submenu->setTitle(LangCaption(LangLanguageMenu));
        if (Language < group->actions().size())
            group->actions()[Language]->setChecked(true);
    };
    follow();
    QObject::connect(&LanguageNotifier(), &TLanguageNotifier::LanguageChanged, submenu,
                     [follow] { RunHandler(follow); });

    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(after);
    if (at >= 0 && at + 1 < items.size())
        menu->insertMenu(items[at + 1], submenu);
    else
        menu->addMenu(submenu);
    return submenu;
}
