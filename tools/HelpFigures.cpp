// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/HelpFigures.h"

#include "diagram/DiagramRecord.h"
#include "diagram/HelpFigure.h"
#include "plot/PictureFile.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <vector>

namespace help {

namespace {

// The reference pixel of HTML lengths: Qt's text layout scales them to the
// paint device from 96 to the inch, and so does a figure.
constexpr double CssPixelsPerInch = 96;

struct FigureAt {
    int position;
    int length;
    QString name;
    double width;
};

} // namespace

QStringList InsertFigures(QTextDocument& doc, const QStringList& drawable) {
    const QString scheme = QString::fromUtf16(FigureScheme);
    std::vector<FigureAt> found;
    QStringList unknown;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) {
                continue;
            }
            const QTextImageFormat image = fragment.charFormat().toImageFormat();
            if (!image.name().startsWith(scheme)) {
                continue;
            }
            const QString name = image.name().mid(scheme.size());
            if (!drawable.contains(name)) {
                if (!unknown.contains(name)) {
                    unknown.append(name);
                }
                continue;
            }
            const double width = image.hasProperty(QTextFormat::ImageWidth) && image.width() > 0
                                     ? image.width()
                                     : DefaultFigureWidth;
            found.push_back({fragment.position(), fragment.length(), name, width});
        }
    }
    // One object character for each image character: the positions found
    // stay where they were.
    for (const FigureAt& f : found) {
        QTextCharFormat format;
        format.setObjectType(FigureObjectType);
        format.setProperty(FigureNameProperty, f.name);
        format.setProperty(FigureWidthProperty, f.width);
        QTextCursor cursor(&doc);
        cursor.setPosition(f.position);
        cursor.setPosition(f.position + f.length, QTextCursor::KeepAnchor);
        cursor.insertText(QString(f.length, QChar::ObjectReplacementCharacter), format);
    }
    return unknown;
}

FigureObject::FigureObject(QTextDocument& doc, const std::map<QString, DrawingRecord>& drawings)
    : QObject(&doc), drawings_(drawings) {
    doc.documentLayout()->registerHandler(FigureObjectType, this);
}

QSizeF FigureObject::intrinsicSize(QTextDocument* doc, int, const QTextFormat& format) {
    double width = format.doubleProperty(FigureWidthProperty);
    if (width <= 0) {
        width = DefaultFigureWidth;
    }
    const QPaintDevice* device = doc ? doc->documentLayout()->paintDevice() : nullptr;
    if (device) {
        width *= device->logicalDpiX() / CssPixelsPerInch;
    }
    return {width, width * PanelHeight / PanelWidth};
}

void FigureObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                              const QTextFormat& format) {
    const QString name = format.stringProperty(FigureNameProperty);
    const auto drawing = drawings_.find(name);
    if (painter && drawing != drawings_.end()) {
        PaintPicture(*painter,
                     ClassroomFigureScene(name) ? ClassroomPicture(drawing->second)
                                                : PanelPicture(drawing->second),
                     rect);
    }
}

namespace {

// The page of a block's line, by its top.
int PageOfLine(QTextDocument& doc, const QTextBlock& block, int line) {
    // A line that would cross the page's foot is moved to the next page, the
    // block's own top left behind; the bounds start at the block's top,
    // where its lines are placed from.
    const QTextLayout* layout = block.layout();
    double top = doc.documentLayout()->blockBoundingRect(block).top();
    if (layout && line >= 0 && line < layout->lineCount()) {
        top += layout->lineAt(line).y();
    }
    const double pageHeight = doc.pageSize().height();
    return pageHeight > 0 ? static_cast<int>(std::floor(top / pageHeight)) : 0;
}

int PageOfLastLine(QTextDocument& doc, const QTextBlock& block) {
    return PageOfLine(doc, block, block.layout() ? block.layout()->lineCount() - 1 : 0);
}

} // namespace

int PageOfBlock(QTextDocument& doc, int position) {
    // Lays out the whole document, where it is not yet.
    (void)doc.documentLayout()->documentSize();
    return PageOfLine(doc, doc.findBlock(position), 0);
}

int KeepHeadingsWithNext(QTextDocument& doc) {
    int moved = 0;
    // A page break moves only what follows it, so one pass from the top
    // would do; one more that moves nothing confirms it.
    for (bool again = true; again;) {
        again = false;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            const QTextBlock next = block.next();
            if (block.blockFormat().headingLevel() <= 0 || !next.isValid()) {
                continue;
            }
            if (PageOfBlock(doc, next.position()) <= PageOfBlock(doc, block.position())) {
                continue;
            }
            // Headings one after the other go together: the break goes
            // before the first of them.
            QTextBlock first = block;
            while (first.previous().isValid() &&
                   first.previous().blockFormat().headingLevel() > 0) {
                first = first.previous();
            }
            // A heading that begins its page stays: a break would only
            // leave that page empty.
            const int page = PageOfBlock(doc, first.position());
            const QTextBlock previous = first.previous();
            QTextBlockFormat firstFormat = first.blockFormat();
            if (!previous.isValid() || PageOfLastLine(doc, previous) < page ||
                (firstFormat.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
                continue;
            }
            firstFormat.setPageBreakPolicy(firstFormat.pageBreakPolicy() |
                                           QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).setBlockFormat(firstFormat);
            ++moved;
            again = true;
        }
    }
    return moved;
}

} // namespace help
