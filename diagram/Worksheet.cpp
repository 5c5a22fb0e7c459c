// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Worksheet.h"

#include "diagram/DiagramRecord.h"
#include "plot/PainterSurface.h"
#include "plot/PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

// The page in millimetres: A4, its margins, and the blocks it is cut into.
constexpr double PageWidth = 210, PageHeight = 297;
constexpr double Left = 18, Right = PageWidth - 18, Top = 15, Bottom = PageHeight - 18;
constexpr double FooterLine = PageHeight - 10;
constexpr double HeaderHeight = 36;
constexpr int ExercisesPerPage = 3;
constexpr double ExerciseHeight = 76;
constexpr double StatementHeight = 8;
// The figure keeps the classroom drawing's proportions.
constexpr double FigureWidth = 104;
constexpr double FigureHeight = FigureWidth * ClassroomHeight / ClassroomWidth;
constexpr double KeyTitleHeight = 12;
constexpr double KeyGap = 2;
constexpr int KeyColumns = 2, KeyRows = 4;
constexpr double KeyFigureWidth = 80;
constexpr double KeyCaptionHeight = 6;
constexpr int Resolution = 600;

constexpr double Grey = 0.55;

struct Page {
    enum Kind { Exercises, KeyLines, KeyFigures } kind;
    int first; // the first exercise (or key line) on it
    int last;  // one past the last
};

class Composer {
public:
    Composer(QPdfWriter& writer, const WorksheetRequest& request)
        : writer_(writer), request_(request),
          scenes_(ExerciseSeries(request.level, request.seed, request.count)) {
        base_ = QGuiApplication::font();
        for (const Scene& s : scenes_) {
            images_.push_back(ComputeImage(s));
        }
    }

    bool compose() {
        QPainter p;
        if (!p.begin(&writer_)) {
            return false;
        }
        p_ = &p;
        const std::vector<Page> pages = paginate();
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer_.newPage();
            }
            const Page& page = pages[i];
            switch (page.kind) {
            case Page::Exercises:
                exercisesPage(page, i == 0);
                break;
            case Page::KeyLines:
                keyLinesPage(page, pages[i - 1].kind != Page::KeyLines);
                break;
            case Page::KeyFigures:
                keyFiguresPage(page, pages[i - 1].kind != Page::KeyFigures);
                break;
            }
            footer(static_cast<int>(i) + 1, static_cast<int>(pages.size()));
        }
        return p.end();
    }

private:
    double mm(double v) const { return v * Resolution / 25.4; }
    QRectF box(double x, double y, double w, double h) const {
        return {mm(x), mm(y), mm(w), mm(h)};
    }
    QFont font(double points, bool bold = false) const {
        QFont f = base_;
        f.setPointSizeF(points);
        f.setBold(bold);
        return AsTyped(f);
    }
    void text(const QRectF& r, const QString& t, const QFont& f, int flags = Qt::AlignLeft) {
        p_->setFont(f);
        p_->setPen(Qt::black);
        p_->drawText(r, flags | Qt::AlignVCenter | Qt::TextWordWrap, t);
    }
    void rule(double x0, double x1, double y) {
        p_->setPen(QPen(QColor::fromRgbF(Grey, Grey, Grey), mm(0.25)));
        p_->drawLine(QPointF(mm(x0), mm(y)), QPointF(mm(x1), mm(y)));
    }
    QString keyLine(int i) const {
        return KeyLine(i + 1, scenes_[static_cast<std::size_t>(i)],
                       images_[static_cast<std::size_t>(i)], Language);
    }
    QFont keyFont() const { return font(10); }
    double keyLineHeight(int i) const {
        const QFontMetricsF m(keyFont(), &writer_);
        const QRectF r =
            m.boundingRect(box(0, 0, Right - Left, 1000), Qt::TextWordWrap, keyLine(i));
        return r.height() * 25.4 / Resolution + KeyGap;
    }

    std::vector<Page> paginate() const {
        std::vector<Page> pages;
        const int n = static_cast<int>(scenes_.size());
        for (int i = 0; i < n; i += ExercisesPerPage) {
            pages.push_back({Page::Exercises, i, std::min(n, i + ExercisesPerPage)});
        }
        if (!request_.key) {
            return pages;
        }
        int first = 0;
        double y = Top + KeyTitleHeight;
        for (int i = 0; i < n; ++i) {
            const double h = keyLineHeight(i);
            if (y + h > Bottom && i > first) {
                pages.push_back({Page::KeyLines, first, i});
                first = i;
                y = Top;
            }
            y += h;
        }
        pages.push_back({Page::KeyLines, first, n});
        const int perPage = KeyColumns * KeyRows;
        for (int i = 0; i < n; i += perPage) {
            pages.push_back({Page::KeyFigures, i, std::min(n, i + perPage)});
        }
        return pages;
    }

    void figure(const QRectF& r, const SceneDrawing& drawing) {
        const PictureSource source = ClassroomPicture(drawing.record);
        PaintPicture(*p_, source, r);
        p_->setRenderHint(QPainter::Antialiasing, false);
        p_->setPen(QPen(QColor::fromRgbF(Grey, Grey, Grey), mm(0.25)));
        p_->setBrush(Qt::NoBrush);
        p_->drawRect(r);
    }

    void exercisesPage(const Page& page, bool first) {
        double y = Top;
        if (first) {
            text(box(Left, y, Right - Left, 9), Worksheet::tr("Hoja de ejercicios: espejos"),
                 font(16, true));
            //: %1 the level, as the practice window lists it.
            text(box(Left, y + 9, Right - Left, 6),
                 Worksheet::tr("Nivel: %1").arg(ExerciseLevelName(request_.level)), font(10));
            text(box(Left, y + 15, Right - Left, 6),
                 Worksheet::tr("Dibuja los rayos principales y la imagen en cada diagrama."),
                 font(9));
            text(box(Left, y + 23, 22, 7), Worksheet::tr("Nombre:"), font(11));
            rule(Left + 22, Right, y + 29);
            y += HeaderHeight;
        }
        for (int i = page.first; i < page.last; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const Scene& s = scenes_[at];
            text(box(Left, y, Right - Left, StatementHeight),
                 QStringLiteral("%1. ").arg(i + 1) + ExerciseStatement(s, Language),
                 font(11, true));
            const ClassroomDrawing cd = DrawClassroomScene(s, images_[at]);
            figure(box(Left, y + StatementHeight, FigureWidth, FigureHeight),
                   RevealedDrawing(cd, 0));
            const double x = Left + FigureWidth + 6;
            const double step = FigureHeight / static_cast<double>(AnswerParts);
            for (std::size_t k = 0; k < AnswerParts; ++k) {
                const double top = y + StatementHeight + step * static_cast<double>(k);
                text(box(x, top, Right - x, step / 2), AnswerLabel(static_cast<AnswerPart>(k)),
                     font(9));
                rule(x, Right, top + step - 1.5);
            }
            y += ExerciseHeight;
        }
    }

    void keyLinesPage(const Page& page, bool first) {
        double y = Top;
        if (first) {
            text(box(Left, y, Right - Left, KeyTitleHeight - 3), Worksheet::tr("Soluciones"),
                 font(14, true));
            y += KeyTitleHeight;
        }
        for (int i = page.first; i < page.last; ++i) {
            const double h = keyLineHeight(i);
            text(box(Left, y, Right - Left, h - KeyGap), keyLine(i), keyFont());
            y += h;
        }
    }

    void keyFiguresPage(const Page& page, bool first) {
        double y = Top;
        if (first) {
            text(box(Left, y, Right - Left, KeyTitleHeight - 3),
                 Worksheet::tr("Soluciones: los diagramas"), font(14, true));
        }
        y += KeyTitleHeight;
        const double figureHeight = KeyFigureWidth * ClassroomHeight / ClassroomWidth;
        const double gap = (Right - Left - KeyColumns * KeyFigureWidth) / (KeyColumns - 1);
        for (int i = page.first; i < page.last; ++i) {
            const int slot = i - page.first;
            const double x = Left + (slot % KeyColumns) * (KeyFigureWidth + gap);
            const double top = y + (slot / KeyColumns) * (figureHeight + KeyCaptionHeight + 3);
            const auto at = static_cast<std::size_t>(i);
            text(box(x, top, KeyFigureWidth, KeyCaptionHeight),
                 QStringLiteral("%1. ").arg(i + 1) + ExerciseStatement(scenes_[at], Language),
                 font(9, true));
            figure(box(x, top + KeyCaptionHeight, KeyFigureWidth, figureHeight),
                   DrawClassroomScene(scenes_[at], images_[at]).drawing);
        }
    }

    void footer(int page, int pages) {
        //: The footer of every page: %1 the seed, %2 the page, %3 how many.
        text(box(Left, FooterLine - 3, Right - Left, 6),
             Worksheet::tr("Semilla %1 · página %2 de %3").arg(request_.seed).arg(page).arg(pages),
             font(8), Qt::AlignHCenter);
    }

    QPdfWriter& writer_;
    const WorksheetRequest& request_;
    std::vector<Scene> scenes_;
    std::vector<ImageResult> images_;
    QFont base_;
    QPainter* p_ = nullptr;
};

} // namespace

QString AnswerLabel(AnswerPart part) {
    switch (part) {
    case AnswerPart::Kind:
        return Worksheet::tr("Tipo (real o virtual)");
    case AnswerPart::Orientation:
        return Worksheet::tr("Sentido (derecha o inversa)");
    case AnswerPart::Size:
        return Worksheet::tr("Tamaño (aumentada, igual o disminuida)");
    case AnswerPart::Position:
        return Worksheet::tr("Posición de la imagen");
    case AnswerPart::Magnification:
        return Worksheet::tr("Aumento");
    }
    return {};
}

QByteArray WorksheetPdf(const WorksheetRequest& request, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool made = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(Worksheet::tr("Hoja de ejercicios: espejos"));
        writer.setCreator(QStringLiteral("Vexaria"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(Resolution);
        WorksheetRequest s = request;
        s.count = std::clamp(s.count, WorksheetLeastCount, WorksheetMostCount);
        Composer composer(writer, s);
        made = composer.compose();
    }
    if (!made || bytes.isEmpty()) {
        if (error) {
            *error = Worksheet::tr("no se ha podido componer el documento");
        }
        return {};
    }
    return bytes;
}
