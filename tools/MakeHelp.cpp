// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the help document: the HTML source with its figures drawn by the
// program's own drawing code as lines and curves, printed to PDF by Qt.
//   make_help <source.html> <output.pdf> [<chapter.html>...]
// Each chapter's body follows the source's, in the order given: the theory
// chapter is one file that the program's own help window shows as well.

#include "core/RunError.h"
#include "diagram/DiagramRecord.h"
#include "diagram/HelpFigure.h"
#include "tools/DiagramImage.h"
#include "tools/HelpFigures.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>

#include <cstdio>
#include <map>

namespace {

// The margin QTextDocument::print gives a document that has no pages of its
// own, inside the writer's: 2 cm, in the layout's reference pixels (96 to
// the inch), which it scales to the device.
constexpr int DocumentMargin = static_cast<int>(2 / 2.54 * 96);

// Pages the document at the writer's page, as QTextDocument::print does,
// so that the pages laid out here are the pages printed.
void SetPages(QTextDocument& doc, QPdfWriter& writer) {
    doc.documentLayout()->setPaintDevice(&writer);
    QTextFrameFormat frame = doc.rootFrame()->frameFormat();
    frame.setMargin(DocumentMargin);
    doc.rootFrame()->setFrameFormat(frame);
    doc.setPageSize(QSizeF(writer.width(), writer.height()));
}

// Prints the document as it is paged, each page with its number at the
// foot, right, where QTextDocument::print puts it.
bool PrintPages(QTextDocument& doc, QPdfWriter& writer) {
    QPainter painter(&writer);
    if (!painter.isActive()) {
        return false;
    }
    const QSizeF page = doc.pageSize();
    const double scale = writer.logicalDpiY() / 96.0;
    const QFont numberFont = doc.defaultFont();
    const QPointF numberAt(page.width() - DocumentMargin * scale,
                           page.height() - DocumentMargin * scale +
                               QFontMetricsF(numberFont, &writer).ascent() +
                               5 * writer.logicalDpiY() / 72.0);
    QAbstractTextDocumentLayout::PaintContext context;
    // Black text whatever the platform's palette.
    context.palette.setColor(QPalette::Text, Qt::black);
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !writer.newPage()) {
            return false;
        }
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        const QString number = QString::number(i + 1);
        painter.setFont(numberFont);
        painter.drawText(
            QPointF(qRound(numberAt.x() - painter.fontMetrics().horizontalAdvance(number)),
                    qRound(numberAt.y())),
            number);
    }
    return painter.end();
}

// The text between a document's <body> and </body>, or all of it.
QString BodyOf(const QString& html) {
    const qsizetype open = html.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    const qsizetype start = open < 0 ? 0 : html.indexOf(QLatin1Char('>'), open) + 1;
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    return html.mid(start, end < start ? -1 : end - start);
}

bool ReadText(const char* path, QString& text) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: %s\n", path, qPrintable(file.errorString()));
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_help <source.html> <output.pdf> [<chapter.html>...]\n");
        return 2;
    }
    // Fonts need an application object, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString html;
    if (!ReadText(argv[1], html)) {
        return 1;
    }
    QString chapters;
    for (int i = 3; i < argc; ++i) {
        QString chapter;
        if (!ReadText(argv[i], chapter)) {
            return 1;
        }
        chapters += BodyOf(chapter);
    }
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    html.insert(end < 0 ? html.size() : end, chapters);
    QTextDocument doc;
    doc.setHtml(html);

    std::map<QString, DrawingRecord> drawings;
    QStringList drawable;
    for (const DiagramCase& c : CharacteristicCases()) {
        try {
            drawings.emplace(c.name, RecordDiagram(c.kind, c.x));
            drawable.append(c.name);
        } catch (const RunError& e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(c.name), e.what());
            return 1;
        }
    }
    // The classroom figures are drawn for the names the text holds.
    static const QRegularExpression classroomName(QStringLiteral("figure:(classroom-[a-z0-9-]+)"));
    for (auto it = classroomName.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (const std::optional<Scene> scene = ClassroomFigureScene(name);
            scene && !drawings.contains(name)) {
            drawings.emplace(name, ClassroomRecord(*scene));
            drawable.append(name);
        }
    }
    help::FigureObject figures(doc, drawings);
    // A figure named in the text but never drawn would print as an empty box.
    const QStringList unknown = help::InsertFigures(doc, drawable);
    for (const QString& name : unknown) {
        std::fprintf(stderr, "unknown figure %s\n", qPrintable(name));
    }
    if (!unknown.isEmpty()) {
        return 1;
    }

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Vexaria"));
    // Each language's document is titled in its own language.
    writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    SetPages(doc, writer);
    help::KeepHeadingsWithNext(doc);
    if (!PrintPages(doc, writer)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
