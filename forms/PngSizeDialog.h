// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSize>

class QSpinBox;

// Asks the size in pixels of a PNG picture of the diagram. Changing one
// side changes the other so that the diagram keeps its proportions; the
// last side typed wins.
class TFTamanyPng : public QDialog {
    Q_OBJECT
public:
    TFTamanyPng(QSize proportions, QSize initial, QWidget* parent = nullptr);
    QSize chosenSize() const;

private:
    void follow(bool fromWidth);

    QSize proportions_;
    QSpinBox* width_;
    QSpinBox* height_;
    bool following_ = false;
};
