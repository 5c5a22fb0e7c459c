// SPDX-License-Identifier: GPL-3.0-or-later
// Small documents whose pages are known; the real ones are help_document_test.sh's.
#include "tools/HelpFigures.h"
#include "diagram/DiagramRecord.h"
#include "tests/support/GuiApplication.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A document of the HTML on pages 600 wide and of the given height.
std::unique_ptr<QTextDocument> PagedDocument(const QString& html, double pageHeight) {
    NeedApplication();
    auto doc = std::make_unique<QTextDocument>();
    doc->setDocumentMargin(0);
    doc->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    doc->setHtml(html);
    doc->setPageSize(QSizeF(600, pageHeight));
    return doc;
}

// The block of these words, each the whole text of a block here.
QTextBlock Block(QTextDocument& doc, const char* text) {
    const auto whole = QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords;
    return doc.find(QLatin1String(text), 0, whole).block();
}

QString Paragraphs(int count) {
    QString html;
    for (int i = 0; i < count; ++i)
        html += QStringLiteral("<p style=\"margin:0\">line %1</p>").arg(i);
    return html;
}

QString Heading(const char* level, const char* text) {
    return QStringLiteral("<%1 style=\"margin:0\">%2</%1>").arg(level, text);
}

} // namespace

TEST(HelpFigures, HeadingsKeptWithTheNextAndEachNamedFigureAnObject) {
    // The HTML before and after the figure, if any, as high as `scale` pages and `plus` headings.
    const struct {
        QString before, after;
        const char *lastOnFirstPage, *heading, *breakAt, *figure;
        double scale, plus;
    } rows[] = {
        // A heading with its next on its page is left as it was.
        {Paragraphs(9) + Heading("h3", "Heading") + Paragraphs(3) + Heading("h3", "Second") +
             Paragraphs(1),
         "", "Heading", "Heading", "Heading", nullptr, 0, 0},
        // Moving the inner heading would leave the outer one behind: one break, before both.
        {Paragraphs(8) + Heading("h2", "Outer") + Heading("h3", "Inner") + Paragraphs(2), "",
         "Inner", "Inner", "Outer", nullptr, 0, 0},
        // The figure fits a page but not below the heading; the layout moves its line alone.
        {Paragraphs(5) + Heading("h3", "Figure"), Paragraphs(20), "Figure", "Figure", "Figure",
         "concave-10", 0.8, 0},
        // The heading begins page two, the figure not fitting below it: a break would only empty a
        // page.
        {Paragraphs(10) + Heading("h3", "Top"), "", "line 9", "Top", nullptr, "plane-40", 1, -0.5},
    };
    const std::map<QString, DrawingRecord> drawings = {
        {"concave-10", RecordDiagram(MirrorConcave, -10)},
        {"plane-40", RecordDiagram(MirrorPlane, -40)}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.heading);
        // Measured unpaged, a paragraph for the figure; page one ends half-way down the next block.
        const auto measure =
            PagedDocument(r.before + (r.figure ? Paragraphs(1) : QString()) + r.after, 1e6);
        const auto bounds = [&](const QTextBlock& b) {
            return measure->documentLayout()->blockBoundingRect(b);
        };
        const double pageHeight = bounds(Block(*measure, r.lastOnFirstPage).next()).center().y();
        const double figureHeight =
            r.scale * pageHeight + r.plus * bounds(Block(*measure, r.heading)).height();
        const QString figure =
            QStringLiteral("<p style=\"margin:0\"><img src=\"figure:%1\" width=\"%2\"></p>")
                .arg(r.figure)
                .arg(figureHeight * PanelWidth / PanelHeight);
        // Paged again once the figure is in: before, it has the size of a picture Qt cannot find.
        const auto doc =
            PagedDocument(r.before + (r.figure ? figure : QString()) + r.after, pageHeight);
        help::FigureObject figures(*doc, drawings);
        ASSERT_TRUE(help::InsertFigures(*doc, {QString::fromLatin1(r.figure)}).isEmpty());
        doc->setPageSize(QSizeF(600, pageHeight));
        const auto page = [&](const QTextBlock& b) {
            return help::PageOfBlock(*doc, b.position());
        };
        const QTextBlock last = Block(*doc, r.lastOnFirstPage), heading = Block(*doc, r.heading);
        ASSERT_TRUE(last.isValid() && heading.isValid());
        const int headingPage = page(heading);
        ASSERT_EQ(std::tuple(page(last), page(last.next()), page(heading.next())),
                  std::tuple(0, 1, headingPage + 1));

        EXPECT_EQ(help::KeepHeadingsWithNext(*doc), r.breakAt ? 1 : 0);
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            EXPECT_EQ(bool(b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore),
                      r.breakAt && b.text() == r.breakAt)
                << b.text().toStdString();
        for (QTextBlock b = Block(*doc, r.breakAt); r.breakAt && b != heading.next().next();
             b = b.next())
            EXPECT_EQ(page(b), 1) << b.text().toStdString();
        EXPECT_EQ(page(heading), r.breakAt ? 1 : headingPage);
        EXPECT_EQ(help::KeepHeadingsWithNext(*doc), 0); // nothing more to move
    }
    NeedApplication();
    QTextDocument doc;
    doc.setHtml(QStringLiteral(
        "<p>a <img src=\"figure:plane-40\" width=\"200\"> b</p>"
        "<p><img src=\"figure:nonesuch\"><img src=\"figure:nonesuch\"><img src=\"other.png\"></p>"
        "<p><img src=\"figure:plane-40\"></p>"));
    EXPECT_EQ(help::InsertFigures(doc, {"plane-40"}), QStringList{"nonesuch"});
    std::vector<std::pair<QString, double>> figures;
    int images = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
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
    // The text around a figure stays; the unknown and other images too.
    EXPECT_EQ(std::pair(doc.begin().text(), images), std::pair(QStringLiteral("a \uFFFC b"), 3));
    EXPECT_EQ(figures, (std::vector<std::pair<QString, double>>{
                           {"plane-40", 200.0}, {"plane-40", help::DefaultFigureWidth}}));
}
