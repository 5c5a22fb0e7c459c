// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/HojaEjercicios.h"

#include "core/Language.h"
#include "core/Random.h"
#include "forms/DiagramMenu.h"
#include "forms/Ejercicio.h"
#include "forms/ErrorReport.h"
#include "forms/LanguageSwitch.h"
#include "util/WorksheetWrite.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSpinBox>
#include <QStandardPaths>

namespace {

std::uint32_t SeedFromClock() {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return SeedFromTimeOfDay(t.hour(), t.minute(), t.second(), t.msec());
}

} // namespace

TFHojaEjercicios::TFHojaEjercicios(std::uint32_t seed, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FHojaEjercicios"));
    setWindowTitle(tr("Hoja de ejercicios"));
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("HojaNumero"));
    count_->setRange(WorksheetLeastCount, WorksheetMostCount);
    count_->setValue(WorksheetDefaultCount);
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("HojaNivel"));
    for (std::size_t i = 0; i < ExerciseLevelCount; ++i) {
        level_->addItem(ExerciseLevelName(static_cast<ExerciseLevel>(i)));
    }
    level_->setCurrentIndex(static_cast<int>(ExerciseLevel::Mixed));
    seed_ = new QSpinBox(this);
    seed_->setObjectName(QStringLiteral("HojaSemilla"));
    seed_->setRange(0, 2147483647);
    seed_->setValue(static_cast<int>(std::min<std::uint32_t>(seed, 2147483647u)));
    key_ = new QCheckBox(tr("Con las soluciones"), this);
    key_->setObjectName(QStringLiteral("HojaSoluciones"));
    key_->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("HojaBotones"));
    auto* layout = new QFormLayout(this);
    layout->setObjectName(QStringLiteral("HojaLayout"));
    layout->addRow(tr("Ejercicios:"), count_);
    layout->addRow(tr("Nivel:"), level_);
    layout->addRow(tr("Semilla:"), seed_);
    layout->addRow(key_);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

WorksheetRequest TFHojaEjercicios::chosen() const {
    WorksheetRequest s;
    s.count = count_->value();
    s.level = static_cast<ExerciseLevel>(level_->currentIndex());
    s.seed = static_cast<std::uint32_t>(seed_->value());
    s.key = key_->isChecked();
    return s;
}

TExerciseCommands::TExerciseCommands(QWidget* window, QMenuBar* menuBar)
    : QObject(window), window_(window) {
    setObjectName(QStringLiteral("ExerciseCommands"));
    menu_ = new QMenu(menuBar);
    menu_->setObjectName(QStringLiteral("MenuEjercicios"));
    menuBar->addMenu(menu_);
    practise_ = menu_->addAction(QString());
    practise_->setObjectName(QStringLiteral("OpPracticar"));
    connect(practise_, &QAction::triggered, this,
            [this] { RunHandler([this] { OpPracticarClick(); }); });
    worksheet_ = menu_->addAction(QString());
    worksheet_->setObjectName(QStringLiteral("OpHojaEjercicios"));
    connect(worksheet_, &QAction::triggered, this,
            [this] { RunHandler([this] { OpHojaEjerciciosClick(); }); });
    Retranslate();
    OnLanguageChange(menu_, [this] { Retranslate(); });
}

void TExerciseCommands::Retranslate() {
    menu_->setTitle(tr("Ejercicios"));
    practise_->setText(tr("Practicar..."));
    worksheet_->setText(tr("Hoja de ejercicios..."));
}

void TExerciseCommands::OpPracticarClick() {
    if (practice_ == nullptr) {
        practice_ = new TFEjercicio(window_);
    }
    practice_->show();
    practice_->raise();
    practice_->activateWindow();
}

void TExerciseCommands::OpHojaEjerciciosClick() {
    TFHojaEjercicios ask(SeedFromClock(), window_);
    if (ask.exec() != QDialog::Accepted) {
        return;
    }
    const WorksheetRequest request = ask.chosen();
    if (saveDialog_ == nullptr) {
        saveDialog_ = NewSaveDialog(window_, QStringLiteral("DlgGuardarHoja"),
                                    QStringLiteral("pdf"), QStandardPaths::DocumentsLocation);
    }
    saveDialog_->setWindowTitle(tr("Hoja de ejercicios..."));
    saveDialog_->setNameFilters(
        {QCoreApplication::translate("TDiagramCommands", "Documento PDF (*.pdf)")});
    QString name = AskSaveName(*saveDialog_);
    if (name.isEmpty()) {
        return;
    }
    if (QFileInfo(name).suffix().toLower() != QLatin1String("pdf")) {
        name += QStringLiteral(".pdf");
    }
    const QString reason = WriteWorksheet(request, name);
    if (!reason.isEmpty()) {
        QMessageBox box(
            QMessageBox::Warning, ApplicationTitle(),
            QCoreApplication::translate("TDiagramCommands", "No se ha podido guardar «%1»: %2.")
                .arg(QDir::toNativeSeparators(name), reason),
            QMessageBox::Ok, window_);
        box.setObjectName(QStringLiteral("MsgGuardarHoja"));
        box.exec();
    }
}
