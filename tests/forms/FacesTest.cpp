// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the main window's texts are drawn in: what the font machinery
// actually picked (QFontInfo), not only what was asked for.

#include "forms/Fonts.h"
#include "forms/Principal.h"

#include <QtTest>
#include <QtWidgets>

class FacesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TFPrincipal> w;
    QTemporaryDir dir;

    template <typename T = QWidget> T* get(const char* name) { return w->findChild<T*>(name); }
    void show(const char* command, const char* typed) {
        get<QAction>(command)->trigger();
        get<QLineEdit>("EdPosObj")->setText(QString::fromLatin1(typed));
        QTest::keyClick(get("EdPosObj"), Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        InstallFontSubstitutes(); // as the program does at start-up
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        w = std::make_unique<TFPrincipal>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanupTestCase() { w.reset(); }

    // The three fields are bold at the window's 13-pixel height.
    void fieldsTakeTheWindowsHeightInBold() {
        for (const char* name : {"EdPosObj", "EdPosIm", "EdAugm"}) {
            const QFontInfo drawn(get(name)->font());
            QCOMPARE(std::tuple(drawn.pixelSize(), drawn.bold()), std::tuple(13, true));
            QCOMPARE(drawn.family(), QFontInfo(w->font()).family());
        }
    }

    // Each size class in the face that stands for the one it asks for.
    void sizeClassesDrawInTheirOwnFaces_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("face");
        for (const auto& [size, command, typed, face] :
             {std::array{"aumentada", "OpCentre", "30", "Liberation Sans"},
              {"igual", "Oppla", "40", "Liberation Mono"},
              {"disminuida", "OpConvex", "100", "Z003"}})
            QTest::newRow(size) << command << typed << face;
    }
    void sizeClassesDrawInTheirOwnFaces() {
        QFETCH(QString, command);
        QFETCH(QString, typed);
        QFETCH(QString, face);
        show(qPrintable(command), qPrintable(typed));
        // Where two foundries make the face, the family names its maker too.
        QCOMPARE(QFontInfo(get("PMagnif")->font()).family().section(QStringLiteral(" ["), 0, 0),
                 face);
    }
};

QTEST_MAIN(FacesTest)
#include "FacesTest.moc"
