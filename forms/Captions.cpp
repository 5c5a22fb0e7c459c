// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>

QObject* CaptionedControl(QWidget* window, const char* control) {
    const QLatin1String name(control);
    if (window->objectName() == name)
        return window;
    return window->findChild<QObject*>(name);
}

namespace {

void SetLabelText(QLabel* label, const QString& text) {
    if (label->text() == text)
        return;
    QFont font = label->font();
    const int full =
        label->parentWidget() ? label->parentWidget()->font().stretch() : QFont().stretch();
    if (font.stretch() != full) {
        font.setStretch(full);
        label->setFont(font);
    }
    label->setText(text);
}

} // namespace

void ApplyCaptions(QWidget* window, std::span<const TCaption> captions) {
    for (const TCaption& c : captions) {
        QObject* o = CaptionedControl(window, c.control);
        if (!o)
            continue;
        const QString text = LangCaption(c.text);
        switch (c.part) {
        case TCaptionPart::Text:
            if (auto* label = qobject_cast<QLabel*>(o))
                SetLabelText(label, text);
            else if (auto* button = qobject_cast<QAbstractButton*>(o))
                button->setText(text);
            else if (auto* action = qobject_cast<QAction*>(o))
                action->setText(text);
            break;
        case TCaptionPart::Hint:
            if (auto* w = qobject_cast<QWidget*>(o))
                w->setToolTip(text);
            else if (auto* action = qobject_cast<QAction*>(o))
                action->setToolTip(text);
            break;
        case TCaptionPart::Title:
            if (auto* menu = qobject_cast<QMenu*>(o))
                menu->setTitle(text);
            break;
        case TCaptionPart::Window:
            if (auto* w = qobject_cast<QWidget*>(o))
                w->setWindowTitle(text);
            break;
        }
    }
}
