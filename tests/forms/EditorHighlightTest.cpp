// SPDX-License-Identifier: GPL-3.0-or-later
// The tools editor's list never disagrees with the tool being edited: random
// clicks on items, below them, with and without Ctrl, the keyboard and "+"
// always leave tool k highlighted while tool k is selected, and nothing
// highlighted in the no-selection state.
#include "forms/UEdTools.h"
#include "util/ToolFile.h"

#include <QtTest>
#include <QtWidgets>

class EditorHighlightTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<TFedTools> editor;

    QListWidget* list() { return editor->findChild<QListWidget*>("Lst"); }

    // What the list shows lit, as a tool number (0: none), or -1 when more
    // than one item is lit.
    int highlighted() {
        const QList<QListWidgetItem*> lit = list()->selectedItems();
        if (lit.size() > 1)
            return -1;
        return lit.isEmpty() ? 0 : list()->row(lit.front()) + 1;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        QFile file("Tools.rel");
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const char* title : {"Uno", "Dos", "Tres", "Cuatro", "Cinco"})
            file.write(QByteArray(title) + "\r\nf.txt\r\n\r\n\r\n");
        file.close();
        editor = std::make_unique<TFedTools>();
        OpenToolsEditor();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        QCOMPARE(list()->count(), 5);
    }
    void cleanupTestCase() { editor.reset(); }

    void highlightFollowsTheSelectedTool() {
        const int given = qEnvironmentVariableIntValue("HIGHLIGHT_SEED");
        const quint32 seed = given > 0 ? quint32(given) : 20261207u;
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        QWidget* viewport = list()->viewport();
        const QRect lastItem = list()->visualItemRect(list()->item(list()->count() - 1));
        QVERIFY2(lastItem.bottom() + 10 < viewport->height(), "no empty area below the items");
        int emptyClicks = 0;
        for (int step = 0; step < 400; ++step) {
            const Qt::KeyboardModifiers modifiers =
                random.bounded(2) ? Qt::ControlModifier : Qt::NoModifier;
            const int action = random.bounded(5);
            if (action < 2) { // an item, or the one that is lit, if any
                const int row =
                    action == 0 ? random.bounded(list()->count()) : std::max(0, highlighted() - 1);
                QTest::mouseClick(viewport, Qt::LeftButton, modifiers,
                                  list()->visualItemRect(list()->item(row)).center());
            } else if (action == 2) { // below the items
                const QPoint at(random.bounded(viewport->width()),
                                random.bounded(lastItem.bottom() + 2, viewport->height()));
                QTest::mouseClick(viewport, Qt::LeftButton, modifiers, at);
                ++emptyClicks;
            } else if (action == 3) {
                QTest::keyClick(list(), random.bounded(2) ? Qt::Key_Up : Qt::Key_Down, modifiers);
            } else { // "+": the no-selection state
                QTest::mouseClick(editor->findChild<QPushButton*>("BtNou"), Qt::LeftButton);
            }
            QVERIFY2(highlighted() == int(SelectedTool),
                     qPrintable(QStringLiteral("step %1, action %2 (Ctrl %3): tool %4 selected, "
                                               "%5 lit")
                                    .arg(step)
                                    .arg(action)
                                    .arg(bool(modifiers))
                                    .arg(SelectedTool)
                                    .arg(highlighted())));
        }
        QVERIFY(emptyClicks > 20);
    }
};

QTEST_MAIN(EditorHighlightTest)
#include "EditorHighlightTest.moc"
