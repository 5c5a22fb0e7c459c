// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/DrawingRecord.h"

#include <QObject>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTextFormat>
#include <QTextObjectInterface>

#include <map>

class QTextDocument;

// The help document's figures are drawn into the page by the program's own
// painter surface, so that a PDF holds them as lines and curves that stay
// sharp at any zoom, not as pictures of pixels.
namespace help {

// The character format of a figure in the text: this object type, the
// figure's name, and its width in CSS pixels (96 to the inch).
inline constexpr int FigureObjectType = QTextFormat::UserObject + 1;
inline constexpr int FigureNameProperty = QTextFormat::UserProperty + 1;
inline constexpr int FigureWidthProperty = QTextFormat::UserProperty + 2;

// The width a figure has where the HTML does not give one: the diagram
// panel's, in CSS pixels.
inline constexpr double DefaultFigureWidth = 425;

// The HTML names a figure as an image "figure:<name>".
inline constexpr char16_t FigureScheme[] = u"figure:";

// Replaces every image "figure:<name>" of the document by a figure object of
// that name and of the image's width. Returns the names it met that
// `drawable` does not hold, each once; those images are left as they were.
QStringList InsertFigures(QTextDocument& doc, const QStringList& drawable);

// Draws the figure objects: their drawings on the panel's background, of the
// panel's proportions, scaled to the width the text gives; the classroom
// figures (ClassroomFigureScene) on the classroom view's white.
class FigureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // Takes its place as the handler of figure objects in the document's
    // layout; the drawings must outlive the document's printing.
    FigureObject(QTextDocument& doc, const std::map<QString, DrawingRecord>& drawings);

    QSizeF intrinsicSize(QTextDocument* doc, int posInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int posInDocument,
                    const QTextFormat& format) override;

private:
    const std::map<QString, DrawingRecord>& drawings_;
};

// Qt's text layout has no "keep with next": a heading may end a page while
// what it introduces (a figure, most often) starts the next one. Lays the
// document out at its page size and moves each such heading to the top of
// the next page (a page break before it), again until no heading is left
// behind. A heading that already begins its page stays where it is, even
// where what follows it does not fit below it. Returns how many headings
// were moved.
int KeepHeadingsWithNext(QTextDocument& doc);

// The page (from 0) on which the first line of the block at `position`
// lies, in the document's layout at its page size.
int PageOfBlock(QTextDocument& doc, int position);

} // namespace help
