// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as the program's start makes them: the about box and the tools
// editor owned, modeless, centred once; the faces drawn; no text clipped in any
// language, the results' words checked to the pixel at device ratios 1 and 2.
#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/ProgramWindows.h"
#include "forms/UEdTools.h"
#include "optics/Optics.h"
#include "tests/support/WindowSteps.h"

using namespace Qt::StringLiterals;

namespace {

// The room a control gives its text, in pixels, or -1 for controls whose
// text is not measured here (menus size themselves; word-wrapped labels
// break their text to their width).
qreal Room(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText)
            return -1;
        return label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button).width();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.lineWidth = edit->hasFrame()
                            ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit)
                            : 0;
        const QMargins m = edit->textMargins();
        constexpr int LineEditSideMargin = 2; // Qt's own, on each side of the text
        return edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit).width() -
               m.left() - m.right() - 2 * LineEditSideMargin;
    }
    return -1;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<TProgramWindows> windows;
    QStringList clipped;

    void measure(QWidget* w, const QString& where) {
        const qreal room = Room(w);
        const QString text = w->property("text").toString();
        if (room < 0 || text.isEmpty())
            return;
        const QFontMetricsF metrics(w->font());
        for (QString line : text.split(u'\n')) {
            // A trailing blank (the credits' web address has one) draws nothing.
            while (line.endsWith(u' '))
                line.chop(1);
            const qreal width = metrics.horizontalAdvance(line);
            if (width > room)
                clipped << QStringLiteral("%1 %2 \"%3\": %4 > %5")
                               .arg(where, w->objectName(), line)
                               .arg(width)
                               .arg(room);
        }
    }

    // The label's text drawn as it lays it out but unclipped leaves no ink on or past its frame.
    void inkInside(QLabel* label, qreal ratio, const QString& where) {
        constexpr int Room = 16;
        QImage canvas((label->size() + QSize(2 * Room, 2 * Room)) * ratio, QImage::Format_RGB32);
        canvas.setDotsPerMeterX(qRound(label->logicalDpiX() / 0.0254));
        canvas.setDotsPerMeterY(qRound(label->logicalDpiY() / 0.0254));
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::white);
        QPainter p(&canvas);
        p.setFont(label->font());
        p.drawText(label->contentsRect().translated(Room, Room),
                   int(label->alignment()) | Qt::TextDontClip, label->text());
        p.end();
        const int frame = label->frameWidth();
        const QRect inner = label->rect().adjusted(frame, frame, -frame, -frame);
        const QRect inside(inner.topLeft() * ratio + QPoint(Room, Room) * ratio,
                           inner.size() * ratio);
        int outside = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                outside += canvas.pixel(x, y) != qRgb(255, 255, 255) && !inside.contains(x, y);
        if (outside > 0)
            clipped << QStringLiteral("%1 at %2x %3 \"%4\": %5 pixels of ink cut off")
                           .arg(where)
                           .arg(ratio)
                           .arg(label->objectName(), label->text())
                           .arg(outside);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        InstallFontSubstitutes(); // as the program's start does
        windows = std::make_unique<TProgramWindows>();
        windows->principal().show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->principal()));
    }
    void cleanupTestCase() { windows.reset(); }

    void ownedModelessCentredOnceAndBoldFields() {
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
            QVERIFY(w->close() && !w->isVisible()); // hidden, not destroyed: shown again below
            open();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->pos(), left);
            w->hide();
        }
        // The three fields are bold at the window's 13-pixel height.
        for (const char* name : {"EdPosObj", "EdPosIm", "EdAugm"}) {
            const QFontInfo drawn(windows->principal().findChild<QWidget*>(name)->font());
            QCOMPARE(std::tuple(drawn.pixelSize(), drawn.bold()), std::tuple(13, true));
            QCOMPARE(drawn.family(), QFontInfo(windows->principal().font()).family());
        }
    }

    void everyTextFitsInEveryLanguage_data() { TableRows(LanguageCodes); }
    void everyTextFitsInEveryLanguage() {
        QFETCH(int, row);
        const int language = row;
        clipped.clear();
        SwitchLanguage(static_cast<TLanguage>(language));
        const QString name = QTest::currentDataTag();
        // Every window there is, those added later included.
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QWidget* w : window->findChildren<QWidget*>())
                measure(w, name + ' ' + window->objectName());
        // Every row of the results panel: each kind, each orientation, each
        // size class, and the image at infinity.
        TFPrincipal& w = windows->principal();
        for (int row = 0; row < 24; ++row) {
            ImageKind = row & 1;
            Magnification = row & 2 ? -2.0 : 2.0;
            ImagePos = row & 4 ? ImageAtInfinity : -150.0;
            SizeClass = std::uint8_t(row / 8);
            w.MostraResultats();
            for (const char* control : {"PTipus", "PSentit", "PMagnif", "EdPosIm"})
                measure(w.findChild<QWidget*>(control), name + QStringLiteral(" results"));
            for (const char* control : {"PTipus", "PSentit", "PMagnif"}) {
                auto* label = w.findChild<QLabel*>(control);
                for (const qreal ratio : {1.0, 2.0})
                    inkInside(label, ratio, name);
                // A Spanish size word is drawn as it always was.
                if (language == LangSpanish && label == w.findChild<QLabel*>("PMagnif") &&
                    (label->contentsMargins() != QMargins() || label->font().pixelSize() != -1))
                    clipped << name + u" moved or made smaller: "_s + label->text();
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }
};

QTEST_MAIN(FitTest)
#include "FitTest.moc"
