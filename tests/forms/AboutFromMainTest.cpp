// The about box reached through the main window: filled when the window is
// shown, opened by "Respecto a...", and a bad icon reported without
// stopping the showing.

#include "Principal.h"
#include "ReportCatcher.h"
#include "USobre.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class AboutFromMainTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(dir_.isValid());
        previous_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void cleanup() {
        QDir::setCurrent(previous_);
        QFile::remove(dir_.filePath(QStringLiteral("mirvex.ico")));
    }

    void showingTheMainWindowFillsTheAboutBoxAndTheMenuOpensIt() {
        TFPrincipal main;
        TFSobre about;
        FSobre = &about;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(about.windowTitle(),
                 QStringLiteral("Sobre ") + QStringLiteral("test_about_from_main"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Comments"))->text(),
                 QStringLiteral("Vexaria"));
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("BtSobre"))->text(),
                 QStringLiteral("¡Vaya!"));
        QVERIFY(!about.isVisible());
        main.findChild<QAction*>(QStringLiteral("OpQ"))->trigger();
        QVERIFY(about.isVisible());
        QVERIFY(main.isVisible());
    }

    void aBadIconIsReportedAndTheWindowIsShownAllTheSame() {
        QFile bad(QStringLiteral("mirvex.ico"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not an icon");
        bad.close();
        TFPrincipal main;
        TFSobre about;
        FSobre = &about;
        ReportCatcher reports;
        main.show();
        QTRY_COMPARE(reports.boxes.size(), std::size_t(1));
        QCOMPARE(reports.boxes[0].text, QStringLiteral("Icon image is not valid."));
        QVERIFY(main.isVisible());
        // The credits kept their design text for this showing.
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Copyright"))->text(),
                 QStringLiteral("Copyright"));
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

QTEST_MAIN(AboutFromMainTest)
#include "AboutFromMainTest.moc"
