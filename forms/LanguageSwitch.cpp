// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/LanguageSwitch.h"

#include "core/LanguageChoice.h"
#include "core/RunError.h"
#include "forms/ErrorReport.h"
#include "util/SettingsFile.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QMenu>

std::optional<TLanguage> StartLanguage;

namespace {

class TLanguageChangeFilter : public QObject {
public:
    TLanguageChangeFilter(QObject* watched, std::function<void()> retranslate)
        : QObject(watched), retranslate_(std::move(retranslate)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            RunHandler(retranslate_);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> retranslate_;
};

} // namespace

void OnLanguageChange(QObject* watched, std::function<void()> retranslate) {
    watched->installEventFilter(new TLanguageChangeFilter(watched, std::move(retranslate)));
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
    UseLanguage(language);
    // Qt posts the event to each window; delivered now, the switch is
    // complete when the menu item's handler ends.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void PickLanguage(TLanguage language) {
    SwitchLanguage(language);
    QString why;
    if (!KeepLanguage(language, &why))
        throw RunError(LangCaption(LangChoiceNotKept).arg(SettingsFilePath(), why).toStdString());
}

namespace {

// "Op" and the language's name in plain letters: "Català" gives "OpCatala".
QString MenuItemName(const QString& languageName) {
    QString name = QStringLiteral("Op");
    for (const QChar c : languageName.normalized(QString::NormalizationForm_D)) {
        if (c.isLetter() && c.unicode() < 0x80)
            name += c;
    }
    return name;
}

} // namespace

QMenu* BuildLanguageMenu(QMenu* menu, QAction* after) {
    auto* submenu = new QMenu(menu);
    submenu->setObjectName(QStringLiteral("OpIdioma"));
    auto* group = new QActionGroup(submenu);
    group->setExclusive(true);
    for (std::size_t i = 0; i < LangCount; ++i) {
        const auto language = static_cast<TLanguage>(i);
        auto* item = new QAction(LanguageName(language), submenu);
        item->setObjectName(MenuItemName(item->text()));
        item->setCheckable(true);
        group->addAction(item);
        submenu->addAction(item);
        QObject::connect(item, &QAction::triggered, submenu, [language] {
            RunHandler([language] {
                // Picking the language already shown keeps it for the next
                // start all the same: that is what the user asked for.
                PickLanguage(language);
            });
        });
    }
    const auto follow = [submenu, group] {
        submenu->setTitle(QCoreApplication::translate("TFPrincipal", "Idioma"));
        if (Language < group->actions().size())
            group->actions()[Language]->setChecked(true);
    };
    follow();
    OnLanguageChange(submenu, follow);

    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(after);
    if (at >= 0 && at + 1 < items.size())
        menu->insertMenu(items[at + 1], submenu);
    else
        menu->addMenu(submenu);
    return submenu;
}
