// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"

#include <QString>
#include <QWidget>

class QTextBrowser;

// The theory chapter of the help, read inside the program: the mirror
// equation, the principal rays and the cases of the concave mirror, with
// figures the program draws itself. It needs no PDF viewer, so it is also
// what the program offers when the help document cannot be opened.
// Modeless; it follows the language of the program.
class TFTeoria : public QWidget {
    Q_OBJECT

public:
    explicit TFTeoria(QWidget* parent = nullptr);

    // Shows the window, brought to the front.
    void ShowTheory();

    // The chapter's text in the current Language: its title and HTML (the
    // HTML when the window is shown, for a hidden one).
    void Retranslate();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The chapter of the current Language, its figures drawn in it.
    void LoadChapter();

    QTextBrowser* text_;
    // The language changed while the window was hidden.
    bool stale_ = false;
};

// The resource holding the theory chapter in a language, beside the help
// document of that language.
QString TheoryResource(TLanguage language);
