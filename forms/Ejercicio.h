// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Exercise.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QTimer;
class TFPresentacio;

namespace Ui {
class TFEjercicio;
}

// A drawing of the classroom view fitted into the widget, on white.
class TExerciseView : public QWidget {
    Q_OBJECT
public:
    explicit TExerciseView(QWidget* parent = nullptr);
    void setDrawing(SceneDrawing drawing);
    const SceneDrawing& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SceneDrawing drawing_;
};

// The practice window: a scene of the chosen level drawn without its rays
// and image, the pupil's prediction of the image, and its check. After the
// check the rays are shown one after the other, then the image, by a timer
// or a step a press of "Paso a paso". The scenes come from a seed shown in
// the window, so a session can be done again; F11 shows the exercise in
// the presentation window, where the space bar shows each step.
class TFEjercicio : public QWidget {
    Q_OBJECT
public:
    // `seed` starts the session's scenes; without one, the clock's.
    explicit TFEjercicio(QWidget* parent = nullptr, std::optional<std::uint32_t> seed = {});
    ~TFEjercicio() override;

    // A new session: the scenes of this seed from the first, the count at nothing.
    void setSeed(std::uint32_t seed);
    const Scene& scene() const { return scene_; }
    // The steps of the drawing shown, 0 to RevealSteps.
    int step() const { return step_; }
    int steps() const { return RevealSteps(drawing_); }
    TFPresentacio* presentacio() const { return presentacio_; }
    QTimer* revealTimer() const { return timer_; }

    void EjComprobarClick();
    void EjPasoClick();
    void EjSiguienteClick();
    void EjNivelChange();
    void OpPresentacioClick();
    void Retranslate();

protected:
    void changeEvent(QEvent* event) override;

private:
    void NewExercise();
    void Check();
    void ShowStep(int step);
    void ShowMarks();
    void ShowPresentation();
    void Draw();
    ExerciseAnswer Answer() const;
    ExerciseLevel Level() const;

    std::unique_ptr<Ui::TFEjercicio> ui;
    std::unique_ptr<ExerciseGenerator> generator_;
    Scene scene_;
    ImageResult image_;
    ClassroomDrawing drawing_;
    int step_ = 0;
    std::optional<ExerciseMarks> marks_;
    int right_ = 0, asked_ = 0, checked_ = 0;
    QTimer* timer_;
    TFPresentacio* presentacio_ = nullptr;
    int presented_ = 0; // the steps the presentation shows
};
