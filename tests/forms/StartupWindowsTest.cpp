// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as the program's start creates them: the about box and the
// tools editor belong to the main window, so the desktop shows the program
// once, while they stay modeless windows of their own, centred once and
// hidden, not closed.
#include "forms/Fonts.h"
#include "forms/Principal.h"
#include "forms/ProgramWindows.h"
#include "forms/UEdTools.h"
#include "forms/USobre.h"

#include <QtTest>
#include <QtWidgets>

class StartupWindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<TProgramWindows> windows;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        InstallFontSubstitutes();
        windows = std::make_unique<TProgramWindows>();
        windows->principal().show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->principal()));
    }
    void cleanupTestCase() { windows.reset(); }

    void ownedByTheMainWindow() {
        TFPrincipal* main = &windows->principal();
        QCOMPARE(FSobre, &windows->sobre());
        QCOMPARE(FedTools, &windows->edTools());
        for (QWidget* w : {static_cast<QWidget*>(&windows->sobre()),
                           static_cast<QWidget*>(&windows->edTools())}) {
            QCOMPARE(w->parentWidget(), main);
            QVERIFY(w->isWindow());
            QVERIFY(!w->isVisible());
        }
        QVERIFY(windows->sobre().windowFlags().testFlag(Qt::Dialog));
        QVERIFY(windows->edTools().windowFlags().testFlag(Qt::Window));
    }

    void modelessTransientCentredOnceAndHiddenOnClose() {
        TFPrincipal* main = &windows->principal();
        const QRect screen = main->screen()->geometry();
        const auto centred = [&](QWidget* w) {
            const QRect f = w->frameGeometry();
            return std::abs(f.center().x() - screen.center().x()) <= 1 &&
                   std::abs(f.center().y() - screen.center().y()) <= 1;
        };
        const auto showAbout = [] { ShowAbout(); };
        const auto showEditor = [] { OpenToolsEditor(); };
        const std::pair<QWidget*, std::function<void()>> cases[] = {
            {&windows->sobre(), showAbout}, {&windows->edTools(), showEditor}};
        for (const auto& [w, open] : cases) {
            open();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QVERIFY(w->windowHandle() &&
                    w->windowHandle()->transientParent() == main->windowHandle());
            QVERIFY(!w->isModal() && !QApplication::activeModalWidget());
            QVERIFY(main->isEnabled());
            QVERIFY2(
                centred(w),
                qPrintable(
                    QStringLiteral("%1 at %2,%3").arg(w->objectName()).arg(w->x()).arg(w->y())));
            // Moved by the user, closed, shown again: where the user left it.
            w->move(w->pos() + QPoint(37, 23));
            const QPoint left = w->pos();
            QVERIFY(w->close());
            QVERIFY(!w->isVisible());
            QVERIFY(QPointer<QWidget>(w)); // hidden, not destroyed
            open();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->pos(), left);
            w->hide();
        }
    }
};

QTEST_MAIN(StartupWindowsTest)
#include "StartupWindowsTest.moc"
