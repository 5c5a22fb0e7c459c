// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSlider>

class QWidget;
class TLesson;
struct LessonState;

// The program for a pupil who uses the keyboard alone or a screen reader.
//
// - Every control of the main window has an accessible name in the current
//   language, taken from its caption or hint, and follows a language switch.
// - The diagram panel is a graphic named "Diagrama" whose description is
//   the scene in words; every new scene tells the screen reader.
// - The diagram is reached with Tab after the position field and moves the
//   object with the presentation's keys; the mirror buttons follow it in
//   the tab order and answer Ctrl+1, Ctrl+2 and Ctrl+3; F1 opens the help
//   and F10 the menus.
// - Whatever takes the focus from the keyboard is ringed in a mark that
//   stands out on every colour of the windows; a click takes the mark away.
void MakeAccessible(QWidget* mainWindow, TLesson* lesson);

// Names a view of the diagram and describes its scene to a screen reader,
// in the current language; tells the screen reader when the words change.
void DescribeDiagram(QWidget* diagram, const LessonState& state);

// What a key pressed on a view of the diagram does to the object, as a step
// of the scroll bar under the main window's panel: the arrows one unit
// (right and up towards the mirror), Page Up and Page Down ten, Home and End
// to either end; SliderNoAction for any other key.
QAbstractSlider::SliderAction DiagramKeyStep(int key);
