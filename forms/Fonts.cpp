// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <QStringList>
#include <QtMath>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

void InstallFontSubstitutes() {
    // Real family names only: generic names such as "sans-serif" are not
    // resolved inside substitution lists.
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial Black"), sans);
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Script"), {QStringLiteral("Z003")});
}

void CacheLargeGlyphs() {
    if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE")) {
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", "128");
    }
}

QString InstalledFace(const QString& family) {
    static const QStringList installed = QFontDatabase::families();
    static QHash<QString, QString> resolved;
    if (const auto found = resolved.constFind(family); found != resolved.cend()) {
        return *found;
    }
    QString face = family;
    if (!installed.contains(family, Qt::CaseInsensitive)) {
        for (const QString& substitute : QFont::substitutes(family)) {
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                face = substitute;
                break;
            }
        }
    }
    resolved.insert(family, face);
    return face;
}

void UseInstalledFaces(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->testAttribute(Qt::WA_SetFont)) {
            QFont font = w->font();
            font.setFamily(InstalledFace(font.family()));
            w->setFont(font);
        }
    }
}

void SetPixelHeight(QWidget* widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

namespace {

bool TextFits(const QLabel* label, const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal room = label->contentsRect().width();
    for (const QString& line : label->text().split(u'\n')) {
        if (metrics.horizontalAdvance(line) > room)
            return false;
    }
    return true;
}

} // namespace

void FitLabelTexts(QWidget* window) {
    constexpr int NarrowestStretch = 90;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText ||
            TextFits(label, label->font()))
            continue;
        QFont font = label->font();
        for (int stretch = QFont::Unstretched - 1; stretch >= NarrowestStretch; --stretch) {
            font.setStretch(stretch);
            if (TextFits(label, font))
                break;
        }
        label->setFont(font);
    }
}

namespace {

// The font, made smaller where it must be, and the shift that keep the
// ink of `text` inside `inner`.
std::pair<QFont, qreal> FitInk(const QString& text, const QFont& font, int start,
                               const QRectF& inner, const QRectF& clear) {
    QFont fitted = font;
    qreal shift = 0;
    for (int pixels = start; pixels > 1; fitted.setPixelSize(--pixels)) {
        const QFontMetricsF metrics(fitted);
        const QRectF ink = metrics.tightBoundingRect(text);
        // The label centres the line box, ascent over descent, in itself.
        const qreal baseline = inner.top() +
                               (inner.height() - metrics.ascent() - metrics.descent()) / 2 +
                               metrics.ascent();
        const qreal top = baseline + ink.top(), bottom = baseline + ink.bottom();
        if (text.isEmpty() || (top >= inner.top() && bottom <= inner.bottom())) {
            break;
        }
        if (ink.height() <= clear.height()) {
            shift = top < inner.top() ? clear.top() - top : clear.bottom() - bottom;
            break;
        }
    }
    return {fitted, shift};
}

// What fitting a text in a box gave: the fit depends on nothing else, and
// the results panel asks again for the same few words at every step.
struct InkFit {
    QString text;
    QFont font;
    int pixels;
    QRectF inner;
    QFont fitted;
    qreal shift;
};

} // namespace

void KeepInkInside(QLabel* label, const QFont& font) {
    const QString text = label->text();
    // Inside the frame, where the label lays its text out; text moved is
    // kept a pixel clear of the frame.
    const int frame = label->frameWidth();
    const QRectF inner = QRectF(label->rect()).adjusted(frame, frame, -frame, -frame);
    const QRectF clear = inner.adjusted(1, 1, -1, -1);
    const int start = QFontInfo(font).pixelSize();
    // Kept to the end of the run, past the fonts' own.
    static auto& fits = *new std::vector<InkFit>;
    auto known = std::find_if(fits.begin(), fits.end(), [&](const InkFit& f) {
        return f.pixels == start && f.inner == inner && f.text == text && f.font == font;
    });
    if (known == fits.end()) {
        // A handful of words in a few sizes; more only after many resizes.
        if (fits.size() >= 32) {
            fits.clear();
        }
        const auto [fitted, shift] = FitInk(text, font, start, inner, clear);
        fits.push_back({text, font, start, inner, fitted, shift});
        known = fits.end() - 1;
    }
    const QFont& fitted = known->fitted;
    const qreal shift = known->shift;
    if (label->font() != fitted) {
        label->setFont(fitted);
    }
    // Margins move the centre the label aligns on by half their difference.
    const int move = qCeil(std::abs(shift)) * 2;
    const QMargins margins(0, shift > 0 ? move : 0, 0, shift < 0 ? move : 0);
    if (label->contentsMargins() != margins) {
        label->setContentsMargins(margins);
    }
}
