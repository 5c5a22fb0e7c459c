// SPDX-License-Identifier: GPL-3.0-or-later
// The help document's figure objects and its keeping of headings with what
// follows them, on small documents whose pages are known.

#include "tools/HelpFigures.h"
#include "diagram/DiagramRecord.h"
#include "tests/support/GuiApplication.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

QTextBlock BlockWithText(QTextDocument& doc, const QString& text);

// A document of the HTML on pages 600 wide and of the given height.
QTextDocument* PagedDocument(const QString& html, double pageHeight) {
    NeedApplication();
    auto* doc = new QTextDocument;
    doc->setDocumentMargin(0);
    doc->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    doc->setHtml(html);
    doc->setPageSize(QSizeF(600, pageHeight));
    return doc;
}

// Pages of a height that ends the first page half-way down the block after
// the one of the given text.
QTextDocument* PagedDocument(const QString& html, const QString& lastOnFirstPage) {
    QTextDocument* doc = PagedDocument(html, 1e6);
    const QTextBlock last = BlockWithText(*doc, lastOnFirstPage);
    const QRectF lastBounds = doc->documentLayout()->blockBoundingRect(last);
    const QRectF nextBounds = doc->documentLayout()->blockBoundingRect(last.next());
    doc->setPageSize(QSizeF(600, nextBounds.top() + nextBounds.height() / 2));
    EXPECT_LT(lastBounds.bottom(), doc->pageSize().height());
    return doc;
}

QTextBlock BlockWithText(QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text() == text) {
            return b;
        }
    }
    return {};
}

QString Paragraphs(int count) {
    QString html;
    for (int i = 0; i < count; ++i) {
        html += QStringLiteral("<p style=\"margin:0\">line %1</p>").arg(i);
    }
    return html;
}

bool BreaksBefore(const QTextBlock& block) {
    return block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
}

} // namespace

TEST(KeepHeadingsWithNext, MovesAHeadingLeftAtThePageFoot) {
    // The heading is the page's last line; what follows it starts the next.
    std::unique_ptr<QTextDocument> doc(
        PagedDocument(Paragraphs(9) + QStringLiteral("<h3 style=\"margin:0\">Heading</h3>") +
                          Paragraphs(3) + QStringLiteral("<h3 style=\"margin:0\">Second</h3>") +
                          QStringLiteral("<p style=\"margin:0\">after</p>"),
                      QStringLiteral("Heading")));
    const QTextBlock heading = BlockWithText(*doc, QStringLiteral("Heading"));
    ASSERT_TRUE(heading.isValid());
    ASSERT_EQ(help::PageOfBlock(*doc, heading.position()), 0);
    ASSERT_EQ(help::PageOfBlock(*doc, heading.next().position()), 1);

    EXPECT_EQ(help::KeepHeadingsWithNext(*doc), 1);
    EXPECT_TRUE(BreaksBefore(heading));
    EXPECT_EQ(help::PageOfBlock(*doc, heading.position()), 1);
    EXPECT_EQ(help::PageOfBlock(*doc, heading.next().position()), 1);
    // A heading with its next on its page is left as it was.
    EXPECT_FALSE(BreaksBefore(BlockWithText(*doc, QStringLiteral("Second"))));
    // Nothing more to move.
    EXPECT_EQ(help::KeepHeadingsWithNext(*doc), 0);
}

TEST(KeepHeadingsWithNext, MovesAHeadingThatAnotherHeadingFollows) {
    // Moving the inner heading would leave the outer one behind in its turn.
    std::unique_ptr<QTextDocument> doc(
        PagedDocument(Paragraphs(8) + QStringLiteral("<h2 style=\"margin:0\">Outer</h2>") +
                          QStringLiteral("<h3 style=\"margin:0\">Inner</h3>") + Paragraphs(2),
                      QStringLiteral("Inner")));
    const QTextBlock outer = BlockWithText(*doc, QStringLiteral("Outer"));
    const QTextBlock inner = BlockWithText(*doc, QStringLiteral("Inner"));
    ASSERT_EQ(help::PageOfBlock(*doc, inner.position()), 0);

    // One break, before the first heading of the two.
    EXPECT_EQ(help::KeepHeadingsWithNext(*doc), 1);
    EXPECT_TRUE(BreaksBefore(outer));
    EXPECT_FALSE(BreaksBefore(inner));
    EXPECT_EQ(help::PageOfBlock(*doc, outer.position()), 1);
    EXPECT_EQ(help::PageOfBlock(*doc, inner.position()), 1);
    EXPECT_EQ(help::PageOfBlock(*doc, inner.next().position()), 1);
}

TEST(KeepHeadingsWithNext, KeepsAHeadingWithAFigureMovedToTheNextPage) {
    // The figure fits a page but not below the heading; the text layout
    // moves the figure's line alone, its block staying behind, and the
    // heading must follow it all the same.
    const QString heading = QStringLiteral("<h3 style=\"margin:0\">Figure</h3>");
    std::unique_ptr<QTextDocument> measure(
        PagedDocument(Paragraphs(5) + heading + Paragraphs(1), QStringLiteral("Figure")));
    const double pageHeight = measure->pageSize().height();
    const double figureWidth = pageHeight * 0.8 * PanelWidth / PanelHeight;

    std::map<QString, DrawingRecord> drawings;
    drawings.emplace(QStringLiteral("concave-10"), RecordDiagram(MirrorConcave, -10));
    // Paged at the measured height: before the figure is in, its image has
    // whatever size Qt gives a picture it cannot find.
    std::unique_ptr<QTextDocument> doc(PagedDocument(
        Paragraphs(5) + heading +
            QStringLiteral("<p style=\"margin:0\"><img src=\"figure:concave-10\" width=\"%1\"></p>")
                .arg(figureWidth) +
            Paragraphs(20),
        pageHeight));
    help::FigureObject figures(*doc, drawings);
    ASSERT_TRUE(help::InsertFigures(*doc, {QStringLiteral("concave-10")}).isEmpty());
    doc->setPageSize(QSizeF(600, pageHeight));
    const QTextBlock block = BlockWithText(*doc, QStringLiteral("Figure"));
    ASSERT_EQ(help::PageOfBlock(*doc, block.position()), 0);
    ASSERT_EQ(help::PageOfBlock(*doc, block.next().position()), 1);

    EXPECT_EQ(help::KeepHeadingsWithNext(*doc), 1);
    EXPECT_TRUE(BreaksBefore(block));
    EXPECT_EQ(help::PageOfBlock(*doc, block.position()), 1);
    EXPECT_EQ(help::PageOfBlock(*doc, block.next().position()), 1);
}

TEST(KeepHeadingsWithNext, LeavesAHeadingThatBeginsItsPage) {
    // The heading begins the second page; the figure after it fits a page,
    // but not below the heading: a break would only leave a page empty.
    const QString heading = QStringLiteral("<h3 style=\"margin:0\">Top</h3>");
    std::unique_ptr<QTextDocument> measure(
        PagedDocument(Paragraphs(10) + heading + Paragraphs(1), QStringLiteral("line 9")));
    const double pageHeight = measure->pageSize().height();
    const double headingHeight =
        measure->documentLayout()
            ->blockBoundingRect(BlockWithText(*measure, QStringLiteral("Top")))
            .height();
    const double figureHeight = pageHeight - headingHeight / 2;
    const double figureWidth = figureHeight * PanelWidth / PanelHeight;

    std::map<QString, DrawingRecord> drawings;
    drawings.emplace(QStringLiteral("plane-40"), RecordDiagram(MirrorPlane, -40));
    std::unique_ptr<QTextDocument> doc(PagedDocument(
        Paragraphs(10) + heading +
            QStringLiteral("<p style=\"margin:0\"><img src=\"figure:plane-40\" width=\"%1\"></p>")
                .arg(figureWidth),
        QStringLiteral("line 9")));
    help::FigureObject figures(*doc, drawings);
    ASSERT_TRUE(help::InsertFigures(*doc, {QStringLiteral("plane-40")}).isEmpty());
    doc->setPageSize(QSizeF(600, pageHeight));
    const QTextBlock top = BlockWithText(*doc, QStringLiteral("Top"));
    ASSERT_EQ(help::PageOfBlock(*doc, top.position()), 1);
    ASSERT_EQ(help::PageOfBlock(*doc, top.next().position()), 2);

    EXPECT_EQ(help::KeepHeadingsWithNext(*doc), 0);
    EXPECT_FALSE(BreaksBefore(top));
    EXPECT_EQ(help::PageOfBlock(*doc, top.position()), 1);
}

TEST(InsertFigures, ReplacesEachNamedFigureByAnObjectAndReportsTheUnknown) {
    NeedApplication();
    QTextDocument doc;
    doc.setHtml(QStringLiteral(
        "<p>a <img src=\"figure:plane-40\" width=\"200\"> b</p>"
        "<p><img src=\"figure:nonesuch\"><img src=\"figure:nonesuch\"><img src=\"other.png\"></p>"
        "<p><img src=\"figure:plane-40\"></p>"));
    const QStringList unknown = help::InsertFigures(doc, {QStringLiteral("plane-40")});
    EXPECT_EQ(unknown, QStringList{QStringLiteral("nonesuch")});

    std::vector<std::pair<QString, double>> figures;
    int images = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.objectType() == help::FigureObjectType) {
                EXPECT_EQ(it.fragment().text(), QString(QChar::ObjectReplacementCharacter));
                figures.emplace_back(f.stringProperty(help::FigureNameProperty),
                                     f.doubleProperty(help::FigureWidthProperty));
            } else if (f.isImageFormat()) {
                images += it.fragment().length();
            }
        }
    }
    // The text around a figure stays; the unknown and other images too.
    EXPECT_EQ(doc.begin().text(), QStringLiteral("a \uFFFC b"));
    EXPECT_EQ(images, 3);
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[0], std::make_pair(QStringLiteral("plane-40"), 200.0));
    EXPECT_EQ(figures[1], std::make_pair(QStringLiteral("plane-40"), help::DefaultFigureWidth));
}

TEST(FigureObject, IsSizedByItsWidthInThePanelsProportionsAndDrawsTheDiagram) {
    std::map<QString, DrawingRecord> drawings;
    NeedApplication();
    drawings.emplace(QStringLiteral("plane-40"), RecordDiagram(MirrorPlane, -40));
    // On a device of 192 to the inch, a figure of 425 CSS pixels is twice
    // as many device pixels.
    QImage page(1000, 700, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(192 / 0.0254));
    page.setDotsPerMeterY(qRound(192 / 0.0254));
    page.fill(Qt::white);
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&page);
    doc.setDocumentMargin(0);
    doc.setHtml(QStringLiteral("<p style=\"margin:0\"><img src=\"figure:plane-40\"></p>"));
    help::FigureObject figures(doc, drawings);
    ASSERT_TRUE(help::InsertFigures(doc, {QStringLiteral("plane-40")}).isEmpty());
    QTextCharFormat format;
    format.setProperty(help::FigureWidthProperty, 425.0);
    const QSizeF size = figures.intrinsicSize(&doc, 0, format);
    EXPECT_NEAR(size.width(), 850, 0.5);
    EXPECT_NEAR(size.height(), 850.0 * PanelHeight / PanelWidth, 0.5);

    QPainter painter(&page);
    doc.drawContents(&painter);
    painter.end();
    // The panel's colour inside the figure, the page's white outside it,
    // and the black axis across the figure's middle.
    EXPECT_EQ(page.pixelColor(20, 20), QColor(242, 255, 253));
    EXPECT_EQ(page.pixelColor(840, 20), QColor(242, 255, 253));
    EXPECT_EQ(page.pixelColor(900, 20), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(20, 600), QColor(Qt::white));
    int dark = 0;
    for (int y = 270; y < 300; ++y) {
        dark += page.pixelColor(100, y).lightness() < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 0);
}
