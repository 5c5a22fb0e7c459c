// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a screen of twice the pixels.
#include "core/Random.h"
#include "forms/GraficPanel.h"
#include "tests/support/WindowSteps.h"

namespace {

const bool Doubled = qputenv("QT_SCALE_FACTOR", "2"); // read by the application later

} // namespace

class HighDpiTest : public MainWindowSteps {
    Q_OBJECT

private slots:
    void thePanelIsDrawnAtTheScreensResolution() {
        QVERIFY(Doubled);
        RandSeed = 1;
        start();
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        command("OpCentre");
        type("10");
        auto* panel = get<TGraficPanel>("Grafic");
        const QImage shown = panel->grab().toImage();
        QCOMPARE(shown.size(), QSize(850, 562));
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        // The two solid reflected rays cross the left of the panel on a
        // slant. Magnified 425-pixel columns would come in identical pairs
        // (2 x 2 steps); drawn at the device's resolution, neighbouring
        // columns differ.
        const QRgb panelColour = qRgb(242, 255, 253);
        int columns = 0, pairsAlike = 0, rayPixels = 0;
        for (int x = 20; x + 1 < 200; x += 2) {
            int drawn = 0, alike = 0;
            for (int y = 300; y < 540; ++y) {
                drawn += shown.pixel(x, y) != panelColour;
                alike += shown.pixel(x, y) == shown.pixel(x + 1, y);
            }
            rayPixels += drawn;
            columns += drawn > 0;
            pairsAlike += drawn > 0 && alike == 240;
        }
        QVERIFY2(columns > 60 && rayPixels > 2 * columns, qPrintable(QString::number(columns)));
        QVERIFY2(pairsAlike * 10 < columns,
                 qPrintable(QStringLiteral("%1 of %2 pairs alike").arg(pairsAlike).arg(columns)));
        // The drawing itself stays the panel's: the 425 x 281 image is what it
        // is at a ratio of 1.
        QCOMPARE(panel->surface().image().size(), QSize(425, 281));
    }
};

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
