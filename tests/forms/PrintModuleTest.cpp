// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/PrintModule.h"
#include "forms/Principal.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/WindowSteps.h"

// This program, like the real one, has the main window with its print
// command and does not link Qt Print Support: the module brings it in when
// it is loaded.
class PrintModuleTest : public QObject {
    Q_OBJECT
private slots:
    // Found in the program's folder by that folder and the module's name alone; loaded once,
    // and Qt Print Support only with it; its dialog, cancelled, draws nothing.
    void printSupportComesWithTheModuleOnly() {
        const QFileInfo file(PrintModuleFile(QStringLiteral(PROGRAM_FOLDER)));
        QVERIFY2(file.isFile(), qPrintable(file.filePath()));
        QCOMPARE(std::pair(file.canonicalFilePath(), file.dir().canonicalPath()),
                 std::pair(QFileInfo(PRINT_MODULE).canonicalFilePath(),
                           QDir(PROGRAM_FOLDER).canonicalPath()));
        TFPrincipal main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(std::pair(Mapped("libQt6PrintSupport"), Mapped("vexaria_print")),
                 std::pair(false, false));
        const VexariaPrintInterface& module = LoadPrintModule(file.filePath());
        QCOMPARE(module.version, VexariaPrintInterfaceVersion);
        QCOMPARE(std::pair(Mapped("libQt6PrintSupport"), Mapped(file.filePath())),
                 std::pair(true, true));
        QCOMPARE(&LoadPrintModule(file.filePath()), &module);
        QString dialogName;
        WhenOpen<QDialog>([&dialogName](QDialog* d) {
            dialogName = d->objectName();
            d->reject();
        });
        int painted = 0;
        const VexariaPrintPage page{&painted, [](void* context, QPainter*, const QRectF*) {
                                        ++*static_cast<int*>(context);
                                    }};
        QCOMPARE(module.printWithDialog(&main, &page), VexariaPrintCancelled);
        QCOMPARE(dialogName, QStringLiteral("DlgImprimir"));
        QCOMPARE(painted, 0);
        // The print command looks beside the program file that runs, here this
        // test's, where no module lies.
        ReportCatcher reports;
        main.findChild<QAction*>(QStringLiteral("OpImprimir"))->trigger();
        QTRY_COMPARE(reports.boxes.size(), size_t(1));
        const QString expected =
            QFileInfo(QDir(QCoreApplication::applicationDirPath()), "vexaria_print.so")
                .absoluteFilePath();
        QVERIFY2(reports.boxes.front().text.contains("«" + expected + "»"),
                 qPrintable(reports.boxes.front().text));
    }
};

QTEST_MAIN(PrintModuleTest)
#include "PrintModuleTest.moc"
