// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Presentacio.h"

#include "core/Language.h"
#include "core/NumberText.h"
#include "diagram/Classroom.h"
#include "forms/Accessibility.h"
#include "forms/ErrorReport.h"
#include "forms/Fonts.h"
#include "forms/ObjectHandle.h"
#include "forms/Results.h"
#include "optics/Optics.h"
#include "plot/PainterSurface.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

// The main window's colours for what has no word of its own: the results
// panel, and the fields of the object's and the image's positions.
constexpr TColor ResultsColor = RGB(128, 128, 255);
constexpr TColor ObjectFieldColor = RGB(217, 255, 255);
constexpr TColor ImageFieldColor = RGB(255, 235, 215);

// The layout in type heights: a caption above each value, the cells in a
// column beside the diagram or in rows under it.
constexpr double CellWidth = 9.5;
constexpr double CaptionHeight = 1.15;
constexpr double CaptionType = 0.8;
// Captions are at least this part of the screen's height, to be read from
// the back of the room.
constexpr double CaptionScreenShare = 0.035;
// How long the hint how to leave stays, in milliseconds.
constexpr int HintTime = 5000;
constexpr double ValueHeight = 1.45;
constexpr double CellGap = 0.4;
constexpr double Margin = 0.5;
// The results' type height is a fortieth of the smaller of the width and
// one and a half times the height: 40 pixels on a 1920 x 1080 screen.
constexpr double TypeDivisor = 40;

// What can put one window over another, or take it away.
bool MovesCover(QEvent::Type type) {
    return type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
           type == QEvent::Hide || type == QEvent::WindowStateChange;
}

void SetFontIfChanged(QWidget* w, const QFont& f) {
    if (w->font() != f) {
        w->setFont(f);
    }
}

} // namespace

TPresentacioDiagrama::TPresentacioDiagrama(QWidget* parent) : TDiagramView(parent) {
    setObjectName(QStringLiteral("PresDiagrama"));
    setFocusPolicy(Qt::NoFocus);
}

void TFPresentacio::Retranslate() {
    setWindowTitle(QStringLiteral("Vexaria - ") + tr("Presentación"));
    // The results panel's captions, as the main window words them.
    static constexpr const char* Captions[Cells] = {
        nullptr,
        QT_TRANSLATE_NOOP("TFPrincipal", "posición objecto"),
        QT_TRANSLATE_NOOP("TFPrincipal", "tipo (real o virtual)"),
        QT_TRANSLATE_NOOP("TFPrincipal", "orientación"),
        QT_TRANSLATE_NOOP("TFPrincipal", "aumento / disminución"),
        QT_TRANSLATE_NOOP("TFPrincipal", "posición:"),
        QT_TRANSLATE_NOOP("TFPrincipal", "aumento:")};
    for (std::size_t i = 0; i < Cells; ++i) {
        cells_[i].caption->setText(
            Captions[i] ? QCoreApplication::translate("TFPrincipal", Captions[i]) : QString());
    }
    heading_->setText(LangCaption(LangImage));
    hint_->setText(ownerKind_ == Owner::Practice ? tr("Esc: volver a la práctica")
                                                 : tr("Esc: volver a la ventana principal"));
}

TFPresentacio::TFPresentacio(QWidget* owner, Owner kind)
    : QWidget(owner, Qt::Window), owner_(owner), ownerKind_(kind),
      diagram_(new TPresentacioDiagrama(this)), results_(new QWidget(this)) {
    setObjectName(QStringLiteral("FPresentacio"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    results_->setObjectName(QStringLiteral("PresDades"));
    results_->setAutoFillBackground(true);
    SetColor(results_, QPalette::Window, ResultsColor);

    // Name, caption, colour of the value's box (none: on the results'
    // colour, or the word's own).
    struct Layout {
        const char* value;
        const char* caption;
        bool box;
        TColor boxColor;
    };
    static constexpr Layout Layouts[Cells] = {
        {"PresEspejo", "PresLEspejo", false, 0},
        {"PresPosObj", "PresLPosObj", true, ObjectFieldColor},
        {"PresTipus", "PresLTipus", true, 0},
        {"PresSentit", "PresLSentit", true, 0},
        {"PresMagnif", "PresLMagnif", true, 0},
        {"PresPosIm", "PresLPosIm", true, ImageFieldColor},
        {"PresAugm", "PresLAugm", true, ImageFieldColor},
    };
    for (int i = 0; i < Cells; ++i) {
        const Layout& l = Layouts[i];
        Cell& c = cells_[static_cast<std::size_t>(i)];
        c.caption = new QLabel(results_);
        c.caption->setObjectName(QLatin1String(l.caption));
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
                SetColor(c.box, QPalette::Window, l.boxColor);
                SetColor(c.value, QPalette::Window, l.boxColor);
            }
        }
    }

    // Over the image's position and magnification.
    heading_ = new QLabel(results_);
    heading_->setObjectName(QStringLiteral("PresLImagen"));
    heading_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("PresAvisoEsc"));
    hint_->setAutoFillBackground(true);
    hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetColor(hint_, QPalette::Window, RGB(0x1A, 0x1A, 0x1A));
    SetColor(hint_, QPalette::WindowText, RGB(255, 255, 255));
    hint_->hide();
    hintTimer_ = new QTimer(this);
    hintTimer_->setObjectName(QStringLiteral("PresAvisoTiempo"));
    hintTimer_->setSingleShot(true);
    connect(hintTimer_, &QTimer::timeout, hint_, &QWidget::hide);

    handle_ = new TObjectHandle(
        diagram_, [this](const QPointF& at) { return diagram_->toClient(at); },
        [this] { return objectBox_; });
    connect(handle_, &TObjectHandle::dragged, this, &TFPresentacio::dragged);
    // The hint goes at the first thing the user does, if not before.
    connect(this, &TFPresentacio::dragged, hint_, &QWidget::hide);
    connect(this, &TFPresentacio::stepped, hint_, &QWidget::hide);
    connect(this, &TFPresentacio::revealAsked, hint_, &QWidget::hide);
    connect(handle_, &TObjectHandle::stepped, this, &TFPresentacio::stepped);
    connect(handle_, &TObjectHandle::doubleClicked, this,
            [this] { RunHandler([this] { Tanca(); }); });

    Retranslate();
    UseInstalledFaces(this);
    Disposa();
    installEventFilter(this);
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
    }
}

bool TFPresentacio::eventFilter(QObject* watched, QEvent* event) {
    // This window's or the owner's: either may cover the other, or stop.
    if (MovesCover(event->type())) {
        RunHandler([this] { CoverOwner(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TFPresentacio::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        RunHandler([this] {
            Retranslate();
            // Another language's captions may need wider cells.
            Disposa();
        });
    }
}

void TFPresentacio::Mostra(const LessonState& state, const ClientBox& objectBox) {
    diagram_->setDrawing(state.drawing);
    DescribeDiagram(diagram_, state);
    objectBox_ = objectBox;
    MostraResultats(state);
    handle_->refreshCursor();
}

void TFPresentacio::MostraResultats(const LessonState& state) {
    // A value is fitted to its box again only when it changed: measuring
    // the text is most of what showing costs on a drag step.
    const auto show = [this](CellIndex i, const QString& text) {
        Cell& c = cells_[i];
        if (c.value->text() != text) {
            c.value->setText(text);
            FitValue(c);
        }
    };
    // In the classroom view the words are in one face, centred, and dark
    // where their own colour is too pale to read on their box.
    const bool classroom = state.drawing.environmentKey.division > 0;
    const auto showWord = [this, classroom](CellIndex i, const ResultWord& word,
                                            double sizeFactor) {
        Cell& c = cells_[i];
        c.value->setAlignment(classroom ? Qt::AlignCenter : word.alignment);
        const TColor ink = !classroom || ContrastRatio(word.color, word.background) >= TextContrast
                               ? word.color
                               : ClassroomColors.ink;
        SetColor(c.value, QPalette::WindowText, ink);
        SetColor(c.value, QPalette::Window, word.background);
        SetColor(c.box, QPalette::Window, word.background);
        QFont f = c.value->font();
        f.setFamily(classroom ? font().family() : InstalledFace(QLatin1String(word.face)));
        f.setBold(word.bold);
        const QString text = LangCaption(*word.caption);
        const bool changed =
            c.value->text() != text || c.sizeFactor != sizeFactor || f != c.value->font();
        c.value->setText(text);
        c.sizeFactor = sizeFactor;
        SetFontIfChanged(c.value, f);
        if (changed) {
            FitValue(c);
        }
    };
    const ImageResult& image = state.image;
    show(Mirror, MirrorText(state.scene.kind));
    show(Object, ObjectDistanceText(state.scene.objectPos));
    if (classroom) {
        // Numbers for people: rounded, the language's separator.
        const QString infinity = LangCaption(LangInfinity);
        show(ImagePosition,
             image.atInfinity ? infinity : PositionForPeople(image.position, Language));
        show(Magnifying,
             image.atInfinity ? infinity : MagnificationForPeople(image.magnification, Language));
    } else {
        show(ImagePosition, ImagePositionText(image.position));
        show(Magnifying, FloatToStr(image.magnification));
    }
    showWord(Kind, KindWord(image.kind), 1.0);
    showWord(Orientation, OrientationWord(image.magnification), 1.0);
    // The size class's word keeps its size against the others, as in the
    // main window (20, 16 or 14 points against the largest); in the
    // classroom view all are one size.
    const ResultWord& size = SizeWord(image.size);
    showWord(Size, size, classroom ? 1.0 : std::clamp(size.points / 20.0, 0.5, 1.0));
}

void TFPresentacio::setImageResultsShown(bool shown) {
    for (int i = Kind; i < Cells; ++i) {
        const Cell& c = cells_[static_cast<std::size_t>(i)];
        c.caption->setVisible(shown);
        (c.box ? static_cast<QWidget*>(c.box) : c.value)->setVisible(shown);
    }
    heading_->setVisible(shown);
}

void TFPresentacio::FitValue(Cell& c) {
    // The type height, smaller only where a long number would not fit, nor
    // so tall that a descender is cut at the box's foot.
    const double full = typeHeight_ * c.sizeFactor;
    QFont f = c.value->font();
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(full))));
    const QFontMetrics metrics(f);
    const int room = c.value->contentsRect().width() - 2 * c.value->margin() - 4;
    const int needed = metrics.horizontalAdvance(c.value->text());
    const int tall = c.value->contentsRect().height(), lineHeight = metrics.height();
    double share = 1.0;
    if (needed > room && room > 0) {
        share = double(room) / needed;
    }
    if (lineHeight > tall && tall > 0) {
        share = std::min(share, double(tall) / lineHeight);
    }
    if (share < 1.0) {
        f.setPixelSize(std::max(1, static_cast<int>(std::floor(full * share))));
    }
    SetFontIfChanged(c.value, f);
    if (c.box) {
        // Half an "x" in from the side the text keeps to, as in a label
        // that draws its own frame.
        const int indent = std::max(0, QFontMetrics(f).horizontalAdvance(QLatin1Char('x')) / 2 -
                                           c.value->margin());
        if (c.value->indent() != indent) {
            c.value->setIndent(indent);
        }
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

    // The captions' type, kept large enough to be read from the back of the
    // room; the cells are widened to their longest caption rather than
    // cutting it, as other languages' words can be longer.
    QFont captionFont = font();
    const int captionType =
        std::max(1, static_cast<int>(std::max(std::lround(CaptionType * u),
                                              std::lround(std::ceil(CaptionScreenShare * h)))));
    captionFont.setPixelSize(captionType);
    // Where a screen is tall for its width the captions' line grows with them.
    const double captionH = std::max(CaptionHeight * u, captionType / 0.85);
    QFont headingFont = captionFont;
    headingFont.setBold(true);
    int longest = QFontMetrics(headingFont).horizontalAdvance(heading_->text());
    for (const Cell& c : cells_) {
        longest = std::max(longest, QFontMetrics(captionFont).horizontalAdvance(c.caption->text()));
    }

    // Beside the diagram: one column. Under it: as many cells in a row as
    // fit. Whichever leaves the diagram larger.
    const double cellW = std::max(CellWidth * u, longest + 0.4 * u),
                 cellH = captionH + (ValueHeight + CellGap) * u, margin = Margin * u;
    const double columnW = cellW + 2 * margin;
    const bool columnFits = int(Cells) * cellH + captionH + 2 * margin <= h;
    const double besideScale = columnFits ? scaleIn(w - columnW, h) : 0.0;
    const int perRow = std::clamp(static_cast<int>((w - 2 * margin) / cellW), 1, int(Cells));
    // The image's two cells start a row of their own, under their heading.
    const int firstRows = (int(ImagePosition) + perRow - 1) / perRow;
    const int imageRows = (int(Cells) - int(ImagePosition) + perRow - 1) / perRow;
    const int rows = firstRows + imageRows;
    const double bandH = rows * cellH + captionH + 2 * margin;
    const double underScale = scaleIn(w, h - bandH);
    const bool beside = besideScale >= underScale && besideScale > 0;

    const QRectF diagramArea(0, 0, beside ? w - columnW : w, beside ? h : std::max(0.0, h - bandH));
    const QRectF resultsArea = beside
                                   ? QRectF(w - columnW, 0, columnW, h)
                                   : QRectF(0, diagramArea.height(), w, h - diagramArea.height());
    diagram_->setGeometry(diagramArea.toRect());
    results_->setGeometry(resultsArea.toRect());

    // The cells, centred in the results' area.
    const int columns = beside ? 1 : perRow;
    const int lines = beside ? int(Cells) : rows;
    const int imageLine = beside ? int(ImagePosition) : firstRows;
    const double left0 = (resultsArea.width() - columns * cellW) / 2;
    const double top0 = (resultsArea.height() - lines * cellH - captionH + CellGap * u) / 2;
    SetFontIfChanged(heading_, headingFont);
    heading_->setGeometry(
        QRectF(left0 + 0.1 * u, top0 + imageLine * cellH, columns * cellW, captionH).toRect());
    for (int i = 0; i < Cells; ++i) {
        const bool ofImage = i >= int(ImagePosition);
        const int slot = ofImage ? imageLine * columns + (i - int(ImagePosition)) : i;
        const int col = slot % columns, line = slot / columns;
        const double x = left0 + col * cellW + 0.1 * u,
                     y = top0 + line * cellH + (ofImage ? captionH : 0);
        Cell& c = cells_[static_cast<std::size_t>(i)];
        c.caption->setGeometry(QRectF(x, y, cellW - 0.2 * u, captionH).toRect());
        const QRect valueRect = QRectF(x, y + captionH, cellW - 0.2 * u, ValueHeight * u).toRect();
        if (c.box) {
            c.box->setGeometry(valueRect);
            c.value->setGeometry(c.box->contentsRect());
        } else {
            c.value->setGeometry(valueRect);
        }
        SetFontIfChanged(c.caption, captionFont);
        c.value->setMargin(static_cast<int>(std::lround(0.15 * u)));
        // Numbers and single words, measured at every step of a drag:
        // laid out letter by letter, without the shaper's cost.
        QFont f = AsTyped(c.value->font());
        f.setBold(true);
        SetFontIfChanged(c.value, f);
        FitValue(c);
    }
    PlaceHint();
}

void TFPresentacio::PlaceHint() {
    // As large as the captions, at the size and in the language shown now.
    QFont f = font();
    f.setPixelSize(std::max(12, static_cast<int>(std::ceil(CaptionScreenShare * height()))));
    SetFontIfChanged(hint_, f);
    hint_->setMargin(f.pixelSize() / 3);
    hint_->adjustSize();
    hint_->move(f.pixelSize() / 2, f.pixelSize() / 2);
}

void TFPresentacio::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RunHandler([this] { Disposa(); });
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
    // How to leave, for a few seconds, over the diagram's corner.
    PlaceHint();
    hint_->show();
    hint_->raise();
    hintTimer_->start(HintTime);
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
    static constexpr std::pair<int, QAbstractSlider::SliderAction> BarKeys[] = {
        {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Down, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_Up, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_PageUp, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_PageDown, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
        {Qt::Key_End, QAbstractSlider::SliderToMaximum}};
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_F11) {
        RunHandler([this] { Tanca(); });
    } else if (key == Qt::Key_Space) {
        emit revealAsked();
    } else if (const auto* bar = std::find_if(std::begin(BarKeys), std::end(BarKeys),
                                              [key](const auto& k) { return k.first == key; });
               bar != std::end(BarKeys)) {
        emit stepped(bar->second);
    } else {
        QWidget::keyPressEvent(event);
    }
}
