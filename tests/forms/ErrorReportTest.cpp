// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ErrorReport.h"
#include "core/RunError.h"
#include "tests/support/ReportCatcher.h"

#include <QtTest>

class ErrorReportTest : public QObject {
    Q_OBJECT
private slots:
    // The base name up to its first dot, the rest lowered.
    void applicationTitleFromTheProgramsPath() {
        for (const auto& [path, title] : {std::pair{"/usr/bin/mirvex", "mirvex"},
                                          {"/opt/x/MIRVEX.EXE", "Mirvex"},
                                          {"/a.b/MirVex.tar.gz", "Mirvex"},
                                          {"/home/u/ÉCOLE", "École"},
                                          {"/home/u/.hidden", ""}})
            QCOMPARE(ApplicationTitleFromPath(QString::fromUtf8(path)), QString::fromUtf8(title));
    }

    // An error that escapes a handler is reported with a "." added; the
    // handlers that follow in the event loop still run.
    void escapingErrorsAreReportedAndTheLoopGoesOn() {
        ReportCatcher reports;
        for (const char* message : {"Invalid floating point operation", "Done.", ""})
            RunHandler([message] { throw RunError(message); });
        int runs = 0;
        QTimer::singleShot(0, [] { RunHandler([] { throw 42; }); });
        QTimer::singleShot(0, [&runs] { RunHandler([&runs] { ++runs; }); });
        QTRY_COMPARE(runs, 1);
        QStringList texts;
        for (const Box& b : reports.boxes) {
            texts << b.text;
            QCOMPARE(std::tuple(b.title, b.icon, b.buttons),
                     std::tuple(QString("test_error_report"), QMessageBox::Critical,
                                QMessageBox::StandardButtons(QMessageBox::Ok)));
        }
        QCOMPARE(texts, (QStringList{"Invalid floating point operation.", "Done..", ".",
                                     "Unknown error."}));
    }
};

QTEST_MAIN(ErrorReportTest)
#include "ErrorReportTest.moc"
