// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Worksheet.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

// Asks what a worksheet holds: how many exercises, of which level, from
// which seed, and whether its answer key goes with it.
class TFHojaEjercicios : public QDialog {
    Q_OBJECT
public:
    TFHojaEjercicios(std::uint32_t seed, QWidget* parent = nullptr);
    WorksheetRequest chosen() const;

private:
    QSpinBox* count_;
    QComboBox* level_;
    QSpinBox* seed_;
    QCheckBox* key_;
};

// The "Ejercicios" menu, after "Diagrama": the practice window and the
// worksheet, asked for and then saved as PDF.
class TExerciseCommands : public QObject {
    Q_OBJECT
public:
    TExerciseCommands(QWidget* window, class QMenuBar* menuBar);

    void OpPracticarClick();
    void OpHojaEjerciciosClick();
    class TFEjercicio* practice() const {
        return practice_;
    }

private:
    void Retranslate();

    QWidget* window_;
    class QMenu* menu_;
    class QAction* practise_;
    class QAction* worksheet_;
    class TFEjercicio* practice_ = nullptr;
    class QFileDialog* saveDialog_ = nullptr;
};
