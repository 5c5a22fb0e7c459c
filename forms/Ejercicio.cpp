// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Ejercicio.h"

#include "core/Language.h"
#include "core/Random.h"
#include "diagram/DiagramRecord.h"
#include "diagram/Worksheet.h"
#include "forms/ErrorReport.h"
#include "forms/Presentacio.h"
#include "forms/Results.h"
#include "plot/PictureFile.h"
#include "ui_Ejercicio.h"

#include <QAction>
#include <QDateTime>
#include <QPainter>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace {

// The whole reveal, whatever the number of steps.
constexpr int RevealTime = 1500;

constexpr TLangText LangDiagramName = {"TDiagramCommands",
                                       QT_TRANSLATE_NOOP("TDiagramCommands", "Diagrama")};

constexpr TColor RightColor = RGB(0x00, 0x6B, 0x2D);
constexpr TColor WrongColor = RGB(0xB0, 0x00, 0x20);

std::uint32_t SeedFromClock() {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return SeedFromTimeOfDay(t.hour(), t.minute(), t.second(), t.msec());
}

} // namespace

TExerciseView::TExerciseView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TExerciseView::setDrawing(SceneDrawing drawing) {
    drawing_ = std::move(drawing);
    update();
}

void TExerciseView::paintEvent(QPaintEvent*) {
    RunHandler([this] {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        PaintPicture(p, ClassroomPicture(drawing_.record),
                     FitClient(ClassroomPicture(drawing_.record), QRectF(rect())));
    });
}

TFEjercicio::TFEjercicio(QWidget* parent, std::optional<std::uint32_t> seed)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TFEjercicio>()),
      timer_(new QTimer(this)) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("FEjercicio"));
    timer_->setObjectName(QStringLiteral("EjTemporizador"));
    // The statement is what the pupil reads first.
    QFont statement = ui->EjEnunciado->font();
    statement.setBold(true);
    statement.setPointSizeF(statement.pointSizeF() * 1.3);
    ui->EjEnunciado->setFont(statement);
    for (std::size_t i = 0; i < ExerciseLevelCount; ++i) {
        ui->EjNivel->addItem(QString());
    }
    ui->EjNivel->setCurrentIndex(static_cast<int>(ExerciseLevel::Mixed));
    ui->EjTipo->addItems({QString(), QString()});
    ui->EjSentido->addItems({QString(), QString()});
    ui->EjTamano->addItems({QString(), QString(), QString()});

    auto* present = new QAction(this);
    present->setObjectName(QStringLiteral("OpPresentacionEjercicio"));
    present->setShortcut(QKeySequence(Qt::Key_F11));
    present->setShortcutContext(Qt::WindowShortcut);
    addAction(present);
    connect(present, &QAction::triggered, this,
            [this] { RunHandler([this] { OpPresentacioClick(); }); });
    connect(ui->EjComprobar, &QPushButton::clicked, this,
            [this] { RunHandler([this] { EjComprobarClick(); }); });
    connect(ui->EjPaso, &QPushButton::clicked, this,
            [this] { RunHandler([this] { EjPasoClick(); }); });
    connect(ui->EjSiguiente, &QPushButton::clicked, this,
            [this] { RunHandler([this] { EjSiguienteClick(); }); });
    connect(ui->EjNivel, &QComboBox::activated, this,
            [this] { RunHandler([this] { EjNivelChange(); }); });
    connect(ui->EjSemilla, &QSpinBox::valueChanged, this, [this](int value) {
        RunHandler([this, value] { setSeed(static_cast<std::uint32_t>(value)); });
    });
    connect(timer_, &QTimer::timeout, this, [this] {
        RunHandler([this] {
            ShowStep(step_ + 1);
            if (step_ >= steps()) {
                timer_->stop();
            }
        });
    });

    resize(900, 760);
    const std::uint32_t first = seed.value_or(SeedFromClock());
    {
        const QSignalBlocker quiet(ui->EjSemilla);
        ui->EjSemilla->setValue(static_cast<int>(std::min<std::uint32_t>(first, 2147483647u)));
    }
    Retranslate();
    setSeed(first);
}

TFEjercicio::~TFEjercicio() = default;

ExerciseLevel TFEjercicio::Level() const {
    return static_cast<ExerciseLevel>(
        std::clamp(ui->EjNivel->currentIndex(), 0, static_cast<int>(ExerciseLevelCount) - 1));
}

void TFEjercicio::setSeed(std::uint32_t seed) {
    generator_ = std::make_unique<ExerciseGenerator>(seed);
    right_ = asked_ = checked_ = 0;
    NewExercise();
}

void TFEjercicio::NewExercise() {
    timer_->stop();
    scene_ = generator_->next(Level());
    image_ = ComputeImage(scene_);
    marks_.reset();
    for (QComboBox* c : {ui->EjTipo, ui->EjSentido, ui->EjTamano}) {
        c->setCurrentIndex(-1);
        c->setEnabled(true);
    }
    for (QLineEdit* e : {ui->EjPosicion, ui->EjAumento}) {
        e->clear();
        e->setEnabled(true);
    }
    ui->EjComprobar->setEnabled(true);
    presented_ = 0;
    Draw();
    ShowStep(0);
    ShowMarks();
    if (presentacio_ && presentacio_->isVisible()) {
        ShowPresentation();
    }
}

void TFEjercicio::Draw() {
    drawing_ = DrawClassroomScene(scene_, image_);
    ui->EjEnunciado->setText(ExerciseStatement(scene_, Language));
    // A screen reader hears the statement, not the image to be found.
    ui->EjDiagrama->setAccessibleName(LangCaption(LangDiagramName));
    ui->EjDiagrama->setAccessibleDescription(ui->EjEnunciado->text());
}

ExerciseAnswer TFEjercicio::Answer() const {
    ExerciseAnswer a;
    if (const int i = ui->EjTipo->currentIndex(); i >= 0) {
        a.kind = i == 0 ? ImageReal : ImageVirtual;
    }
    if (const int i = ui->EjSentido->currentIndex(); i >= 0) {
        a.inverted = i == 1;
    }
    if (const int i = ui->EjTamano->currentIndex(); i >= 0) {
        a.size = static_cast<TSizeClass>(i);
    }
    a.position = ui->EjPosicion->text();
    a.magnification = ui->EjAumento->text();
    return a;
}

void TFEjercicio::Check() {
    if (marks_) {
        return;
    }
    marks_ = CheckAnswer(image_, Answer());
    right_ += marks_->score();
    asked_ += static_cast<int>(AnswerParts);
    ++checked_;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->EjTipo, ui->EjSentido, ui->EjTamano, ui->EjPosicion,
                                         ui->EjAumento, ui->EjComprobar}) {
        w->setEnabled(false);
    }
    ShowMarks();
}

void TFEjercicio::EjComprobarClick() {
    if (marks_) {
        return;
    }
    Check();
    timer_->start(RevealTime / steps());
}

void TFEjercicio::EjPasoClick() {
    Check();
    timer_->stop();
    ShowStep(step_ + 1);
}

void TFEjercicio::EjSiguienteClick() {
    NewExercise();
}

void TFEjercicio::EjNivelChange() {
    NewExercise();
}

void TFEjercicio::ShowStep(int step) {
    step_ = std::clamp(step, 0, steps());
    ui->EjDiagrama->setDrawing(RevealedDrawing(drawing_, step_));
    ui->EjPaso->setEnabled(step_ < steps());
}

void TFEjercicio::ShowMarks() {
    static constexpr std::array<QLabel * Ui::TFEjercicio::*, AnswerParts> Marks = {
        &Ui::TFEjercicio::EjMarcaTipo, &Ui::TFEjercicio::EjMarcaSentido,
        &Ui::TFEjercicio::EjMarcaTamano, &Ui::TFEjercicio::EjMarcaPosicion,
        &Ui::TFEjercicio::EjMarcaAumento};
    for (std::size_t i = 0; i < AnswerParts; ++i) {
        QLabel* mark = (*ui).*Marks[i];
        if (!marks_) {
            mark->clear();
            continue;
        }
        const bool right = marks_->right[i];
        const QString value = RightAnswerText(static_cast<AnswerPart>(i), image_, Language);
        //: Beside a right answer, %1 the right value.
        mark->setText(right ? tr("✓ bien: %1").arg(value)
                            //: Beside a wrong answer, %1 the right value.
                            : tr("✗ mal; la respuesta es %1").arg(value));
        SetColor(mark, QPalette::WindowText, right ? RightColor : WrongColor);
    }
    //: The exercise's score: %1 the right answers, %2 how many were asked.
    ui->EjPuntuacion->setText(marks_ ? tr("%1 de %2").arg(marks_->score()).arg(AnswerParts)
                                     : QString());
    ui->EjTotal->setText(
        checked_ == 1
            //: The session's count after one exercise: %1 right of %2 answers.
            ? tr("%1 de %2 en 1 ejercicio").arg(right_).arg(asked_)
            //: The session's count: %1 right of %2 answers in %3 exercises.
            : tr("%1 de %2 en %3 ejercicios").arg(right_).arg(asked_).arg(checked_));
}

void TFEjercicio::Retranslate() {
    setWindowTitle(QStringLiteral("Vexaria - ") + tr("Ejercicios"));
    ui->EjLNivel->setText(tr("Nivel:"));
    ui->EjLSemilla->setText(tr("Semilla:"));
    for (std::size_t i = 0; i < ExerciseLevelCount; ++i) {
        ui->EjNivel->setItemText(static_cast<int>(i),
                                 ExerciseLevelName(static_cast<ExerciseLevel>(i)));
    }
    const TLangText* const words[] = {&LangWordReal,     &LangWordVirtual,  &LangWordUpright,
                                      &LangWordInverted, &LangWordEnlarged, &LangWordEqual,
                                      &LangWordReduced};
    int w = 0;
    for (QComboBox* c : {ui->EjTipo, ui->EjSentido, ui->EjTamano}) {
        for (int i = 0; i < c->count(); ++i) {
            c->setItemText(i, LangCaption(*words[w++]));
        }
        c->setPlaceholderText(tr("(elija)"));
    }
    for (QLineEdit* e : {ui->EjPosicion, ui->EjAumento}) {
        e->setPlaceholderText(tr("un número, o «infinito»"));
    }
    QLabel* const labels[] = {ui->EjLTipo, ui->EjLSentido, ui->EjLTamano, ui->EjLPosicion,
                              ui->EjLAumento};
    for (std::size_t i = 0; i < AnswerParts; ++i) {
        labels[i]->setText(AnswerLabel(static_cast<AnswerPart>(i)) + QLatin1Char(':'));
    }
    ui->EjComprobar->setText(tr("Comprobar"));
    ui->EjPaso->setText(tr("Paso a paso"));
    ui->EjSiguiente->setText(tr("Siguiente"));
    if (generator_) {
        // The picture's words and numbers are in the language too.
        Draw();
        ShowStep(step_);
        ShowMarks();
        if (presentacio_ && presentacio_->isVisible()) {
            ShowPresentation();
        }
    }
}

void TFEjercicio::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        RunHandler([this] { Retranslate(); });
    }
}

void TFEjercicio::OpPresentacioClick() {
    if (presentacio_ == nullptr) {
        presentacio_ = new TFPresentacio(this, TFPresentacio::Owner::Practice);
        connect(presentacio_, &TFPresentacio::revealAsked, this, [this] {
            RunHandler([this] {
                presented_ = std::min(presented_ + 1, steps());
                ShowPresentation();
            });
        });
    }
    presented_ = 0;
    ShowPresentation();
    presentacio_->Obre();
}

void TFEjercicio::ShowPresentation() {
    const LessonState state{scene_, image_, RevealedDrawing(drawing_, presented_)};
    presentacio_->setImageResultsShown(presented_ >= steps());
    presentacio_->Mostra(state, ClientBox{});
    if (presented_ < steps()) {
        // Until the image is shown, a screen reader hears the statement only.
        presentacio_->diagram()->setAccessibleDescription(ui->EjEnunciado->text());
    }
}
