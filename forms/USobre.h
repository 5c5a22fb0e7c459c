// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/FileInfo.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

namespace Ui {
class TFSobre;
}

// The about box: a small modeless window naming the program, the year of its
// file, the product title, an optional icon and the makers' credits. It is
// created hidden at start-up, filled by SetupAbout whenever the main window
// is shown, and closing it only hides it.

inline constexpr char AboutAuthor[] = "Equipo Vexaria";
inline constexpr char AboutMail[] = "vexaria@example.org";

// Raised by SetupAbout for a file at the icon path that is no icon.
inline constexpr char InvalidIconImage[] = QT_TRANSLATE_NOOP("RunError", "Icon image is not valid");

// An icon file larger than this is taken for one that is not valid. Real
// icons are tens or hundreds of kilobytes; a file of many large images could
// keep the window from appearing for minutes.
inline constexpr qint64 IconFileMaxBytes = qint64(4) * 1024 * 1024;

class TFSobre : public QDialog {
    Q_OBJECT

public:
    explicit TFSobre(QWidget* parent = nullptr);
    ~TFSobre() override;

    // Fills the box for the program file described by program. The icon is
    // loaded only if a file exists at iconPath (relative paths to the
    // current directory); a file there that is not a valid picture, or is
    // larger than IconFileMaxBytes, raises RunError, after the caption and
    // product name are already set and before the credits, comment, version
    // and button change. Of an icon file's images only the one shown is
    // decoded: the 32 x 32 one (the last, if several), otherwise the largest
    // (the first, if several), chosen by the sizes its directory gives.
    void Setup(const QString& title, const QString& iconPath, const TProgramNameYear& program);

    // Shows the box without waiting for it and brings it to the front. If it
    // is already open nothing else happens: no new set-up, no move.
    void ShowModeless();

    // Takes the texts of the last set-up again in the current Language.
    void Retranslate();

    // Closes the box, which only hides it.
    void BtSobreClick();

    void setVisible(bool visible) override;

protected:
    // A change of language (QEvent::LanguageChange) takes the texts again.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TFSobre> ui;
    bool placed = false; // centred once; later showings keep the user's place
    // The comment breaks at its designed width even after a short text has
    // narrowed the label, so a longer title later is not squeezed.
    int commentsWidth = 0;
    // What the last set-up wrote, for a change of language.
    std::optional<QString> captionBase;
    std::optional<QString> creditsYear;
};

// The one about box, created by the start-up sequence.
extern TFSobre* FSobre;

// Fills FSobre from the running program's file. Does nothing while FSobre
// does not exist, so the main window can also be shown on its own.
void SetupAbout(const QString& title, const QString& iconPath);

// Shows FSobre modeless and brings it to the front (the "Respecto a..."
// command). Does nothing while FSobre does not exist.
void ShowAbout();
