// SPDX-License-Identifier: GPL-3.0-or-later
// No text is clipped in any language: every label and button of every
// window, and every row the results panel can show, is measured in its own
// font against the room its control gives it.
#include "core/Language.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/Principal.h"
#include "forms/ProgramWindows.h"
#include "optics/Optics.h"

#include <QtTest>
#include <QtWidgets>

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
        opt.rect = button->rect();
        opt.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
        return contents.width();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.rect = edit->rect();
        opt.lineWidth = edit->hasFrame()
                            ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit)
                            : 0;
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
        const QMargins m = edit->textMargins();
        constexpr int LineEditSideMargin = 2; // Qt's own, on each side of the text
        return contents.width() - m.left() - m.right() - 2 * LineEditSideMargin;
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
            // A trailing blank (the credits' web address has one) draws
            // nothing, so nothing of it can be clipped.
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

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("config"));
        InstallFontSubstitutes(); // as the program's start does
        windows = std::make_unique<TProgramWindows>();
        windows->principal().show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->principal()));
    }
    void cleanupTestCase() { windows.reset(); }

    void everyTextFitsInEveryLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("ca") << int(LangCatalan);
        QTest::newRow("en") << int(LangEnglish);
        QTest::newRow("es") << int(LangSpanish);
        QTest::newRow("gl") << int(LangGalician);
    }
    void everyTextFitsInEveryLanguage() {
        QFETCH(int, language);
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
        for (std::uint8_t kind : {0, 1}) {
            for (double magnification : {2.0, -2.0}) {
                for (std::uint8_t size : {0, 1, 2}) {
                    for (double position : {-150.0, ImageAtInfinity}) {
                        ImageKind = kind;
                        Magnification = magnification;
                        SizeClass = size;
                        ImagePos = position;
                        w.MostraResultats();
                        for (const char* control : {"PTipus", "PSentit", "PMagnif", "EdPosIm"})
                            measure(w.findChild<QWidget*>(control),
                                    name + QStringLiteral(" results"));
                    }
                }
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }
};

QTEST_MAIN(FitTest)
#include "FitTest.moc"
