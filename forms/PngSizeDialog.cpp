// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/PngSizeDialog.h"

#include "core/Language.h"
#include "forms/ErrorReport.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <cmath>

namespace {

constexpr TLangText LangPngSize = {"TFTamanyPng",
                                   QT_TRANSLATE_NOOP("TFTamanyPng", "Tamaño de la imagen PNG")};
constexpr TLangText LangWidth = {"TFTamanyPng", QT_TRANSLATE_NOOP("TFTamanyPng", "Ancho:")};
constexpr TLangText LangHeight = {"TFTamanyPng", QT_TRANSLATE_NOOP("TFTamanyPng", "Alto:")};
constexpr TLangText LangPixels = {"TFTamanyPng", QT_TRANSLATE_NOOP("TFTamanyPng", " píxeles")};

// Beyond this a picture of the diagram would take gigabytes.
constexpr int LargestSide = 16000;

QSpinBox* SideBox(const char* name, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(16, LargestSide);
    box->setValue(value);
    box->setSuffix(LangCaption(LangPixels));
    return box;
}

} // namespace

TFTamanyPng::TFTamanyPng(QSize proportions, QSize initial, QWidget* parent)
    : QDialog(parent), proportions_(proportions) {
    setObjectName(QStringLiteral("FTamanyPng"));
    setWindowTitle(LangCaption(LangPngSize));
    width_ = SideBox("EdAncho", initial.width(), this);
    height_ = SideBox("EdAlto", initial.height(), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("BtsTamanyPng"));
    auto* layout = new QFormLayout(this);
    layout->addRow(LangCaption(LangWidth), width_);
    layout->addRow(LangCaption(LangHeight), height_);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(width_, &QSpinBox::valueChanged, this,
            [this] { RunHandler([this] { follow(true); }); });
    connect(height_, &QSpinBox::valueChanged, this,
            [this] { RunHandler([this] { follow(false); }); });
}

QSize TFTamanyPng::chosenSize() const {
    return {width_->value(), height_->value()};
}

void TFTamanyPng::follow(bool fromWidth) {
    if (following_ || proportions_.isEmpty()) {
        return;
    }
    following_ = true;
    const double ratio = static_cast<double>(proportions_.height()) / proportions_.width();
    if (fromWidth) {
        height_->setValue(static_cast<int>(std::lround(width_->value() * ratio)));
    } else {
        width_->setValue(static_cast<int>(std::lround(height_->value() / ratio)));
    }
    following_ = false;
}
