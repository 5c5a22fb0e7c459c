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
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("config"));
        InstallFontSubstitutes();
        windows = std::make_unique<TProgramWindows>();
        windows->principal().show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->principal()));
    }
    void cleanupTestCase() { windows.reset(); }

    void ownedModelessTransientCentredOnceAndHiddenOnClose() {
        TFPrincipal* main = &windows->principal();
        QCOMPARE(std::pair(FSobre, FedTools), std::pair(&windows->sobre(), &windows->edTools()));
        const QPoint centre = main->screen()->geometry().center();
        const std::tuple<QWidget*, void (*)(), Qt::WindowType> cases[] = {
            {&windows->sobre(), ShowAbout, Qt::Dialog},
            {&windows->edTools(), OpenToolsEditor, Qt::Window}};
        for (const auto& [w, open, type] : cases) {
            QCOMPARE(w->parentWidget(), main);
            QVERIFY(w->isWindow() && w->windowFlags().testFlag(type) && !w->isVisible());
            open();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QVERIFY(w->windowHandle() &&
                    w->windowHandle()->transientParent() == main->windowHandle());
            QVERIFY(!w->isModal() && !QApplication::activeModalWidget() && main->isEnabled());
            const QPoint off = w->frameGeometry().center() - centre;
            QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1, qPrintable(w->objectName()));
            // Moved by the user, closed, shown again: where the user left it.
            w->move(w->pos() + QPoint(37, 23));
            const QPoint left = w->pos();
            QVERIFY(w->close() && !w->isVisible());
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
