#include "ErrorReport.h"
#include "RunError.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

struct Report {
    int shown = 0;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
};

// Runs action; a box it opens is read and closed from the event loop that
// the box itself runs.
Report RunAndReadReport(const std::function<void()>& action) {
    Report r;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&r] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            r = {r.shown + 1, box->windowTitle(),     box->text(),
                 box->icon(), box->standardButtons(), box->windowModality()};
            box->button(QMessageBox::Ok)->click();
        }
    });
    reader.start(5);
    action();
    QTest::qWait(20);
    return r;
}

} // namespace

class ErrorReportTest : public QObject {
    Q_OBJECT
private slots:
    void escapingErrorIsReportedAndTheHandlerAbandoned_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no period") << "Invalid floating point operation"
                                   << "Invalid floating point operation.";
        QTest::newRow("a period of its own") << "Done."
                                             << "Done..";
        QTest::newRow("empty") << ""
                               << ".";
    }
    void escapingErrorIsReportedAndTheHandlerAbandoned() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        bool after = false;
        const Report r = RunAndReadReport([&] {
            RunHandler([&] {
                throw RunError(message.toStdString());
                after = true;
            });
        });
        QCOMPARE(r.shown, 1);
        QCOMPARE(r.text, shown);
        QCOMPARE(r.title, QStringLiteral("error_report_test"));
        QCOMPARE(r.icon, QMessageBox::Critical);
        QCOMPARE(r.buttons, QMessageBox::Ok);
        QCOMPARE(r.modality, Qt::ApplicationModal);
        QVERIFY(!after);
    }

    void onlyErrorsAreReported() {
        int runs = 0;
        QCOMPARE(RunAndReadReport([&] { RunHandler([&] { ++runs; }); }).shown, 0);
        QCOMPARE(runs, 1);
        QCOMPARE(RunAndReadReport([] { RunHandler([] { throw 42; }); }).text,
                 QStringLiteral("Unknown error."));
    }

    // An error in a handler that Qt's event dispatch called: the loop goes on
    // with the next event.
    void theLoopGoesOn() {
        int later = 0;
        const Report r = RunAndReadReport([&later] {
            QTimer::singleShot(0, [] { RunHandler([] { throw RunError("first"); }); });
            QTimer::singleShot(0, [&later] { ++later; });
            QTest::qWait(50);
        });
        QCOMPARE(r.text, QStringLiteral("first."));
        QCOMPARE(later, 1);
    }
};

QTEST_MAIN(ErrorReportTest)
#include "ErrorReportTest.moc"
