#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

struct Box {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Reads and closes every error report that opens while it lives.
class ReportCatcher {
public:
    ReportCatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.push_back(
                    {box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(5);
    }
    std::vector<Box> boxes;

private:
    QTimer timer_;
};
