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

QString Heading(const char* level, const char* text) {
    return QStringLiteral("<%1 style=\"margin:0\">%2</%1>").arg(level, text);
}

int Page(QTextDocument& doc, const QTextBlock& block) {
    return help::PageOfBlock(doc, block.position());
}

} // namespace

TEST(KeepHeadingsWithNext, MovesAHeadingLeftAtThePageFootAndOnlyThen) {
    // The HTML before and after the figure, if any: the first page ends
    // half-way down the block after lastOnFirstPage, the heading's follower
    // starts the next. The figure is as high as `scale` pages plus `plus`
    // heading heights.
    const struct {
        QString before, after;
        const char *lastOnFirstPage, *heading, *breakAt, *figure;
        double scale, plus;
    } rows[] = {
        // A heading with its next on its page is left as it was.
        {Paragraphs(9) + Heading("h3", "Heading") + Paragraphs(3) + Heading("h3", "Second") +
             Paragraphs(1),
         "", "Heading", "Heading", "Heading", nullptr, 0, 0},
        // Moving the inner heading would leave the outer one behind in its
        // turn: one break, before the first heading of the two.
        {Paragraphs(8) + Heading("h2", "Outer") + Heading("h3", "Inner") + Paragraphs(2), "",
         "Inner", "Inner", "Outer", nullptr, 0, 0},
        // The figure fits a page but not below the heading; the text layout
        // moves the figure's line alone, its block staying behind, and the
        // heading must follow it all the same.
        {Paragraphs(5) + Heading("h3", "Figure"), Paragraphs(20), "Figure", "Figure", "Figure",
         "concave-10", 0.8, 0},
        // The heading begins the second page and the figure after it fits a
        // page, but not below it: a break would only leave a page empty.
        {Paragraphs(10) + Heading("h3", "Top"), "", "line 9", "Top", nullptr, "plane-40", 1, -0.5},
    };
    std::map<QString, DrawingRecord> drawings;
    drawings.emplace(QStringLiteral("concave-10"), RecordDiagram(MirrorConcave, -10));
    drawings.emplace(QStringLiteral("plane-40"), RecordDiagram(MirrorPlane, -40));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.heading);
        const auto block = [](QTextDocument& doc, const char* text) {
            return BlockWithText(doc, QString::fromLatin1(text));
        };
        // Measured with a paragraph where the figure goes.
        std::unique_ptr<QTextDocument> measure(
            PagedDocument(r.before + (r.figure ? Paragraphs(1) : QString()) + r.after,
                          QString::fromLatin1(r.lastOnFirstPage)));
        const double pageHeight = measure->pageSize().height();
        const double figureHeight =
            r.scale * pageHeight +
            r.plus *
                measure->documentLayout()->blockBoundingRect(block(*measure, r.heading)).height();
        const QString figure =
            QStringLiteral("<p style=\"margin:0\"><img src=\"figure:%1\" width=\"%2\"></p>")
                .arg(r.figure)
                .arg(figureHeight * PanelWidth / PanelHeight);
        // Paged at the measured height: before the figure is in, its image
        // has whatever size Qt gives a picture it cannot find.
        std::unique_ptr<QTextDocument> doc(
            PagedDocument(r.before + (r.figure ? figure : QString()) + r.after, pageHeight));
        help::FigureObject figures(*doc, drawings);
        ASSERT_TRUE(help::InsertFigures(*doc, {QString::fromLatin1(r.figure)}).isEmpty());
        doc->setPageSize(QSizeF(600, pageHeight));
        const QTextBlock last = block(*doc, r.lastOnFirstPage), heading = block(*doc, r.heading);
        ASSERT_TRUE(last.isValid() && heading.isValid());
        ASSERT_EQ(Page(*doc, last), 0);
        ASSERT_EQ(Page(*doc, last.next()), 1);
        const int headingPage = Page(*doc, heading);
        ASSERT_EQ(Page(*doc, heading.next()), headingPage + 1);

        EXPECT_EQ(help::KeepHeadingsWithNext(*doc), r.breakAt ? 1 : 0);
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            EXPECT_EQ(BreaksBefore(b), r.breakAt && b.text() == r.breakAt)
                << b.text().toStdString();
        if (r.breakAt) {
            for (QTextBlock b = block(*doc, r.breakAt); b != heading.next().next(); b = b.next())
                EXPECT_EQ(Page(*doc, b), 1) << b.text().toStdString();
        }
        EXPECT_EQ(Page(*doc, heading), r.breakAt ? 1 : headingPage);
        // Nothing more to move.
        EXPECT_EQ(help::KeepHeadingsWithNext(*doc), 0);
    }
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
