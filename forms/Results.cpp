// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Results.h"

#include "core/NumberText.h"
#include "plot/PainterSurface.h"

#include <QWidget>

#include <cmath>
#include <iterator>

namespace {

// The results panel's words, in the main window's context, where its
// layout's texts are translated too.
constexpr TLangText LangReal = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "real")};
constexpr TLangText LangVirtual = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "virtual")};
constexpr TLangText LangUpright = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "derecha")};
constexpr TLangText LangInverted = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "inversa")};
constexpr TLangText LangEnlarged = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "aumentada")};
constexpr TLangText LangSameSize = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "igual")};
constexpr TLangText LangReduced = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "disminuida")};
constexpr TLangText LangPlaneMirrorHint = {"TFPrincipal",
                                           QT_TRANSLATE_NOOP("TFPrincipal", "espejo plano")};
constexpr TLangText LangConvexMirrorHint = {"TFPrincipal",
                                            QT_TRANSLATE_NOOP("TFPrincipal", "espejo convexo")};
constexpr TLangText LangConcaveMirrorHint = {"TFPrincipal",
                                             QT_TRANSLATE_NOOP("TFPrincipal", "espejo cóncavo")};

// The boxes' colours and the kind's and orientation's faces are the
// panel's own, whatever the word.
constexpr TColor KindBox = RGB(255, 255, 215);
constexpr TColor OrientationBox = RGB(240, 240, 240);
constexpr TColor SizeBox = RGB(255, 255, 0);
constexpr const char* KindFace = "Comic Sans MS";
constexpr const char* OrientationFace = "MS Sans Serif";

// By ImageKind.
constexpr ResultWord KindWords[2] = {
    {&LangReal, RGB(0, 0, 219), KindBox, KindFace, Qt::AlignLeft | Qt::AlignVCenter},
    {&LangVirtual, RGB(114, 219, 255), KindBox, KindFace, Qt::AlignRight | Qt::AlignVCenter},
};
constexpr ResultWord Upright = {&LangUpright, RGB(0, 104, 209), OrientationBox, OrientationFace};
constexpr ResultWord Inverted = {&LangInverted, RGB(255, 0, 0), OrientationBox, OrientationFace};
// By SizeClass.
constexpr ResultWord SizeWords[3] = {
    {&LangEnlarged, 0, SizeBox, "Tahoma", Qt::AlignCenter, 20, true},
    {&LangSameSize, 0, SizeBox, "Courier New", Qt::AlignCenter, 16, false},
    {&LangReduced, 0, SizeBox, "Script", Qt::AlignCenter, 14, false},
};

} // namespace

const ResultWord& KindWord(std::uint8_t imageKind) {
    return KindWords[imageKind < std::size(KindWords) ? imageKind : 0];
}

const ResultWord& OrientationWord(double magnification) {
    return magnification < 0 ? Inverted : Upright;
}

const ResultWord& SizeWord(std::uint8_t sizeClass) {
    return SizeWords[sizeClass < std::size(SizeWords) ? sizeClass : 0];
}

QString ImagePositionText(double imagePos) {
    return imagePos == ImageAtInfinity ? LangCaption(LangInfinity) : FloatToStr(imagePos);
}

QString MirrorText(TMirrorKind kind) {
    static constexpr const TLangText* Hints[] = {&LangPlaneMirrorHint, &LangConvexMirrorHint,
                                                 &LangConcaveMirrorHint};
    return kind < std::size(Hints) ? LangCaption(*Hints[kind]) : QString();
}

QString ObjectDistanceText(double objectPos) {
    // Halves to the even neighbour, as the field itself is set.
    return QString::number(static_cast<qlonglong>(std::nearbyint(-objectPos)));
}

void SetColor(QWidget* w, QPalette::ColorRole role, TColor c) {
    const QColor colour = ToQColor(c);
    if (w->palette().color(role) == colour) {
        return;
    }
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}
