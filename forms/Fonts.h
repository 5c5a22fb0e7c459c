// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window layouts name Windows faces (MS Sans Serif, Tahoma, Comic Sans
// MS, Arial Black, Courier New, Script); maps each to the closest free face
// that Debian packages, so labels keep their intended width.
void InstallFontSubstitutes();
// Qt fills the outline of every glyph above 64 pixels anew at each paint,
// where smaller ones are drawn from images it keeps: on a 4K projector the
// presentation's values are 81 pixels high and change at every step of a
// drag, and filling their outlines took three quarters of the step. Lets Qt
// keep glyphs up to 128 pixels too, unless the user chose a limit. Only
// before the first text is drawn: Qt reads the limit once.
void CacheLargeGlyphs();

class QFont;
class QLabel;
class QString;
class QWidget;

// The face that stands for a family on this machine: the family itself when
// it is installed, else its first installed substitute. Asking Qt for a
// missing family makes it consult the system's font configuration on every
// request, which costs the program a large share of its start-up.
QString InstalledFace(const QString& family);
// Sets a control's font to a character height in pixels: the window layouts
// give heights, which a layout file cannot store.
void SetPixelHeight(QWidget* widget, int pixels);
// Gives every font set on the window and its controls its installed face.
void UseInstalledFaces(QWidget* window);
// The stand-in faces run a little wider than the faces the layouts were made
// for: a label whose text would be clipped draws it narrowed just enough to
// fit, never below 90 % of its width. Labels that fit are left alone.
void FitLabelTexts(QWidget* window);
// Gives a one-line label `font`, or where the glyphs of its text in that
// font would reach past the label's edges (a tall face centred in a short
// box loses the foot of a "g"), moves the text up or down and, only if that
// is not enough, makes it smaller, until every glyph lies inside with a
// pixel to spare. A text that fits is drawn exactly as before.
void KeepInkInside(QLabel* label, const QFont& font);
