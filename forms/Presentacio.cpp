// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Presentacio.h"

#include "core/Language.h"
#include "forms/ErrorReport.h"
#include "forms/Fonts.h"
#include "forms/ObjectHandle.h"
#include "optics/Optics.h"
#include "plot/PainterSurface.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// The main window's colours for what has no word of its own: the results
// panel, and the fields of the object's and the image's positions.
constexpr TColor ResultsColor = RGB(128, 128, 255);
constexpr TColor ObjectFieldColor = RGB(217, 255, 255);
constexpr TColor ImageFieldColor = RGB(255, 235, 215);

// The layout in type heights: a caption above each value, the cells in a
// column beside the diagram or in rows under it.
constexpr double CellWidth = 9.5;
constexpr double CaptionHeight = 0.75;
constexpr double CaptionType = 0.55;
constexpr double ValueHeight = 1.45;
constexpr double CellGap = 0.4;
constexpr double CellHeight = CaptionHeight + ValueHeight + CellGap;
constexpr double Margin = 0.5;
// The results' type height is a fortieth of the smaller of the width and
// one and a half times the height: 40 pixels on a 1920 x 1080 screen.
constexpr double TypeDivisor = 40;

void SetColour(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    if (w->palette().color(role) == c) {
        return;
    }
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

void SetFontIfChanged(QWidget* w, const QFont& f) {
    if (w->font() != f) {
        w->setFont(f);
    }
}

} // namespace

TPresentacioDiagrama::TPresentacioDiagrama(QWidget* parent)
    : QWidget(parent), source_{nullptr, RGB(242, 255, 253), {425, 281}} {
    setObjectName(QStringLiteral("PresDiagrama"));
    // Every pixel is painted by paintEvent: no erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TPresentacioDiagrama::setSource(const PictureSource& source) {
    source_ = source;
    // Only around what moved: the rest of the screen is as it was.
    update(layers_.changedRegion(source_, QRectF(rect())));
}

QRectF TPresentacioDiagrama::target() const {
    return FitClient(source_, QRectF(rect()));
}

QPointF TPresentacioDiagrama::toClient(const QPointF& at) const {
    const QRectF t = target();
    const double sx = t.width() / std::max(source_.client.width(), 1);
    const double sy = t.height() / std::max(source_.client.height(), 1);
    if (sx <= 0 || sy <= 0) {
        return {std::nan(""), std::nan("")};
    }
    // A pointer position names the pixel to its right and below; client
    // pixel i has its centre at i + 0.5 client pixels from the target's
    // corner, as the painter surface draws it.
    return {(at.x() + 0.5 - t.x()) / sx - 0.5, (at.y() + 0.5 - t.y()) / sy - 0.5};
}

void TPresentacioDiagrama::paintEvent(QPaintEvent* event) {
    RunHandler([this, event] {
        QPainter p(this);
        layers_.paint(p, source_, QRectF(rect()), event->region());
    });
}

void TPresentacioDiagrama::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The kept picture is as large as the screen.
    layers_.clear();
}

void TFPresentacio::Retranslate() {
    setWindowTitle(QStringLiteral("Vexaria - ") + tr("Presentación"));
}

TFPresentacio::TFPresentacio(QWidget* owner)
    : QWidget(owner, Qt::Window), owner_(owner), diagram_(new TPresentacioDiagrama(this)),
      results_(new QWidget(this)) {
    setObjectName(QStringLiteral("FPresentacio"));
    Retranslate();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    results_->setObjectName(QStringLiteral("PresDades"));
    results_->setAutoFillBackground(true);
    SetColour(results_, QPalette::Window, ToQColor(ResultsColor));

    const auto find = [owner](const char* name) {
        return owner ? owner->findChild<QWidget*>(QLatin1String(name)) : nullptr;
    };
    from_.objectField = qobject_cast<QLineEdit*>(find("EdPosObj"));
    from_.imageField = qobject_cast<QLineEdit*>(find("EdPosIm"));
    from_.magnificationField = qobject_cast<QLineEdit*>(find("EdAugm"));
    from_.kind = qobject_cast<QLabel*>(find("PTipus"));
    from_.orientation = qobject_cast<QLabel*>(find("PSentit"));
    from_.size = qobject_cast<QLabel*>(find("PMagnif"));
    from_.mirrorButtons = {find("BtPla"), find("BtConv"), find("BtConc")};

    // Name, caption taken from the owner's label, colour of the value's box
    // (none: on the results' colour).
    struct Layout {
        const char* value;
        const char* caption;
        const char* ownerCaption;
        bool box;
        TColor boxColor;
    };
    static constexpr Layout Layouts[Cells] = {
        {"PresEspejo", "PresLEspejo", nullptr, false, 0},
        {"PresPosObj", "PresLPosObj", "Label1", true, ObjectFieldColor},
        {"PresTipus", "PresLTipus", "Label3", true, 0},
        {"PresSentit", "PresLSentit", "Label4", true, 0},
        {"PresMagnif", "PresLMagnif", "Label6", true, 0},
        {"PresPosIm", "PresLPosIm", "Label7", true, ImageFieldColor},
        {"PresAugm", "PresLAugm", "Label8", true, ImageFieldColor},
    };
    for (int i = 0; i < Cells; ++i) {
        const Layout& l = Layouts[i];
        Cell& c = cells_[static_cast<std::size_t>(i)];
        c.caption = new QLabel(results_);
        c.caption->setObjectName(QLatin1String(l.caption));
        if (l.ownerCaption) {
            c.ownerCaption = qobject_cast<QLabel*>(find(l.ownerCaption));
        }
        if (l.box) {
            // The sunken frame is a widget of its own around the value, so
            // that a new value repaints only the text, not the frame too.
            c.box = new QFrame(results_);
            c.box->setObjectName(QLatin1String(l.value) + QLatin1String("Box"));
            c.box->setAutoFillBackground(true);
            c.box->setFrameShape(QFrame::Panel);
            c.box->setFrameShadow(QFrame::Sunken);
        }
        c.value = new QLabel(c.box ? c.box : results_);
        c.value->setObjectName(QLatin1String(l.value));
        c.value->setAlignment(Qt::AlignCenter);
        if (l.box) {
            c.value->setAutoFillBackground(true);
            if (l.boxColor != 0) {
                SetColour(c.box, QPalette::Window, ToQColor(l.boxColor));
                SetColour(c.value, QPalette::Window, ToQColor(l.boxColor));
            }
        }
    }

    handle_ = new TObjectHandle(
        diagram_, [this](const QPointF& at) { return diagram_->toClient(at); },
        [this] { return objectBox_; });
    connect(handle_, &TObjectHandle::dragged, this, &TFPresentacio::dragged);
    connect(handle_, &TObjectHandle::stepped, this, &TFPresentacio::stepped);
    connect(handle_, &TObjectHandle::doubleClicked, this,
            [this] { RunHandler([this] { Tanca(); }); });

    UseInstalledFaces(this);
    Disposa();
    if (owner_) {
        owner_->window()->installEventFilter(this);
    }
}

TFPresentacio::~TFPresentacio() {
    if (owner_) {
        owner_->window()->setUpdatesEnabled(true);
    }
}

void TFPresentacio::CoverOwner() {
    QWidget* owner = owner_ ? owner_->window() : nullptr;
    if (!owner) {
        return;
    }
    // Nobody sees a window under a full screen: a platform that tells which
    // windows are covered would not ask it to paint either. A drag step
    // then paints only what is seen.
    const bool covered = isVisible() && !isMinimized() && owner->isVisible() &&
                         screen() == owner->screen() &&
                         frameGeometry().contains(owner->frameGeometry());
    if (owner->updatesEnabled() == covered) {
        owner->setUpdatesEnabled(!covered);
        emit ownerCovered(covered);
    }
}

bool TFPresentacio::eventFilter(QObject* watched, QEvent* event) {
    if (owner_ && watched == owner_->window()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange:
            RunHandler([this] { CoverOwner(); });
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFPresentacio::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    RunHandler([this] { CoverOwner(); });
}

void TFPresentacio::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    RunHandler([this] { CoverOwner(); });
}

void TFPresentacio::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    RunHandler([this] { CoverOwner(); });
}

void TFPresentacio::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        RunHandler([this] { CoverOwner(); });
    }
    if (event->type() == QEvent::LanguageChange) {
        RunHandler([this] { Retranslate(); });
    }
}

void TFPresentacio::Mostra(const PictureSource& picture, const ClientBox& objectBox) {
    diagram_->setSource(picture);
    objectBox_ = objectBox;
    CopiaResultats();
    handle_->refreshCursor();
}

void TFPresentacio::CopiaResultats() {
    // A value is fitted to its box again only when it changed: measuring
    // the text is most of what copying costs on a drag step.
    const auto copyText = [this](CellIndex i, const QString& text) {
        Cell& c = cells_[i];
        if (c.value->text() != text) {
            c.value->setText(text);
            FitValue(c);
        }
    };
    const auto copyField = [&copyText](CellIndex i, const QLineEdit* from) {
        if (from) {
            copyText(i, from->text());
        }
    };
    const auto copyWord = [this](CellIndex i, const QLabel* from, double sizeFactor) {
        if (!from) {
            return;
        }
        Cell& c = cells_[i];
        c.value->setAlignment(from->alignment());
        SetColour(c.value, QPalette::WindowText, from->palette().color(QPalette::WindowText));
        SetColour(c.value, QPalette::Window, from->palette().color(QPalette::Window));
        if (c.box) {
            SetColour(c.box, QPalette::Window, from->palette().color(QPalette::Window));
        }
        QFont f = c.value->font();
        f.setFamily(from->font().family());
        f.setBold(from->font().bold());
        const bool changed =
            c.value->text() != from->text() || c.sizeFactor != sizeFactor || f != c.value->font();
        c.value->setText(from->text());
        c.sizeFactor = sizeFactor;
        SetFontIfChanged(c.value, f);
        if (changed) {
            FitValue(c);
        }
    };

    // The captions too: the owner's texts follow the interface language.
    for (Cell& c : cells_) {
        if (c.ownerCaption) {
            c.caption->setText(c.ownerCaption->text());
        }
    }
    const QWidget* button =
        MirrorKind < from_.mirrorButtons.size() ? from_.mirrorButtons[MirrorKind].data() : nullptr;
    copyText(Mirror, button ? button->toolTip() : QString());
    copyField(Object, from_.objectField);
    copyField(ImagePosition, from_.imageField);
    copyField(Magnifying, from_.magnificationField);
    copyWord(Kind, from_.kind, 1.0);
    copyWord(Orientation, from_.orientation, 1.0);
    // The size class's word keeps its size against the others, as in the
    // main window (20, 16 or 14 points against the largest).
    double sizeFactor = 1.0;
    if (from_.size && from_.size->font().pointSizeF() > 0) {
        sizeFactor = std::clamp(from_.size->font().pointSizeF() / 20.0, 0.5, 1.0);
    }
    copyWord(Size, from_.size, sizeFactor);
}

void TFPresentacio::FitValue(Cell& c) {
    // The type height, smaller only where a long number would not fit.
    const double full = typeHeight_ * c.sizeFactor;
    QFont f = c.value->font();
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(full))));
    const int room = c.value->contentsRect().width() - 2 * c.value->margin() - 4;
    const int needed = QFontMetrics(f).horizontalAdvance(c.value->text());
    if (needed > room && room > 0) {
        f.setPixelSize(std::max(1, static_cast<int>(std::floor(full * room / needed))));
    }
    SetFontIfChanged(c.value, f);
    if (c.box && (f != c.indentFont || c.value->margin() != c.indentMargin)) {
        // Half an "x" in from the side the text keeps to, as in a label
        // that draws its own frame.
        c.indentFont = f;
        c.indentMargin = c.value->margin();
        c.value->setIndent(
            std::max(0, QFontMetrics(f).horizontalAdvance(QLatin1Char('x')) / 2 - c.indentMargin));
    }
}

void TFPresentacio::Disposa() {
    const double w = width(), h = height();
    const double u = std::clamp(std::min(w, 1.5 * h) / TypeDivisor, 10.0, 200.0);
    typeHeight_ = static_cast<int>(std::lround(u));
    const QSizeF client(diagram_->source().client);
    const auto scaleIn = [&client](double aw, double ah) {
        return aw <= 0 || ah <= 0 ? 0.0 : std::min(aw / client.width(), ah / client.height());
    };

    // Beside the diagram: one column. Under it: as many cells in a row as
    // fit. Whichever leaves the diagram larger.
    const double cellW = CellWidth * u, cellH = CellHeight * u, margin = Margin * u;
    const double columnW = cellW + 2 * margin;
    const bool columnFits = int(Cells) * cellH + 2 * margin <= h;
    const double besideScale = columnFits ? scaleIn(w - columnW, h) : 0.0;
    const int perRow = std::clamp(static_cast<int>((w - 2 * margin) / cellW), 1, int(Cells));
    const int rows = (int(Cells) + perRow - 1) / perRow;
    const double bandH = rows * cellH + 2 * margin;
    const double underScale = scaleIn(w, h - bandH);
    const bool beside = besideScale >= underScale && besideScale > 0;

    QRectF diagramArea, resultsArea;
    if (beside) {
        diagramArea = QRectF(0, 0, w - columnW, h);
        resultsArea = QRectF(w - columnW, 0, columnW, h);
    } else {
        diagramArea = QRectF(0, 0, w, std::max(0.0, h - bandH));
        resultsArea = QRectF(0, diagramArea.height(), w, h - diagramArea.height());
    }
    diagram_->setGeometry(diagramArea.toRect());
    results_->setGeometry(resultsArea.toRect());

    // The cells, centred in the results' area.
    const int columns = beside ? 1 : perRow;
    const int lines = beside ? int(Cells) : rows;
    const double left0 = (resultsArea.width() - columns * cellW) / 2;
    const double top0 = (resultsArea.height() - lines * cellH + CellGap * u) / 2;
    QFont captionFont = font();
    captionFont.setPixelSize(std::max(1, static_cast<int>(std::lround(CaptionType * u))));
    for (int i = 0; i < Cells; ++i) {
        const int col = i % columns, line = i / columns;
        const double x = left0 + col * cellW + 0.1 * u, y = top0 + line * cellH;
        Cell& c = cells_[static_cast<std::size_t>(i)];
        c.caption->setGeometry(QRectF(x, y, cellW - 0.2 * u, CaptionHeight * u).toRect());
        const QRect valueRect =
            QRectF(x, y + CaptionHeight * u, cellW - 0.2 * u, ValueHeight * u).toRect();
        if (c.box) {
            c.box->setGeometry(valueRect);
            c.value->setGeometry(c.box->contentsRect());
        } else {
            c.value->setGeometry(valueRect);
        }
        SetFontIfChanged(c.caption, captionFont);
        c.value->setMargin(static_cast<int>(std::lround(0.15 * u)));
        QFont f = c.value->font();
        f.setBold(true);
        SetFontIfChanged(c.value, f);
        FitValue(c);
    }
}

void TFPresentacio::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RunHandler([this] {
        Disposa();
        CoverOwner();
    });
}

void TFPresentacio::Obre() {
    if (QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen()) {
        // The screen's size first: without a window manager (a bare X
        // server) the full-screen state alone leaves the window as it was.
        setGeometry(screen->geometry());
        showFullScreen();
    } else {
        resize(1024, 680);
        showNormal();
    }
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void TFPresentacio::Tanca() {
    hide();
    ReturnFocus();
}

void TFPresentacio::ReturnFocus() {
    if (owner_) {
        QWidget* w = owner_->window();
        w->raise();
        w->activateWindow();
    }
}

void TFPresentacio::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    RunHandler([this] { ReturnFocus(); });
}

void TFPresentacio::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        RunHandler([this] { Tanca(); });
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void TFPresentacio::keyPressEvent(QKeyEvent* event) {
    // The keys of the scroll bar under the main window's panel, which the
    // presentation hides.
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F11:
        RunHandler([this] { Tanca(); });
        return;
    case Qt::Key_Left:
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    emit stepped(action);
}
