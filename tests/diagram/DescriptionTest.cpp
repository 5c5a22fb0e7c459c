// SPDX-License-Identifier: GPL-3.0-or-later
// Spanish, the source texts, and English through the translations, which TranslationsTest reads.
#include "diagram/Description.h"

#include "core/Language.h"
#include "tests/support/GuiApplication.h"

#include <gtest/gtest.h>

namespace {

const std::tuple<TLanguage, TMirrorKind, double, const char*> Cases[] = {
    {LangSpanish, MirrorPlane, -35,
     "Espejo plano. Objeto a 35 delante del espejo. Imagen virtual, derecha y del mismo tamaño, "
     "a 35 detrás del espejo; aumento 1."},
    {LangSpanish, MirrorConvex, -35,
     "Espejo convexo. Objeto a 35 delante del espejo. Imagen virtual, derecha y reducida, a "
     "14,6 detrás del espejo; aumento 0,42."},
    {LangSpanish, MirrorConcave, -70,
     "Espejo cóncavo. Objeto a 70 delante del espejo, más allá del centro. Imagen real, "
     "invertida y reducida, a 38,9 delante del espejo; aumento −0,56."},
    {LangSpanish, MirrorConcave, -50,
     "Espejo cóncavo. Objeto a 50 delante del espejo, en el centro. Imagen real, invertida y "
     "del mismo tamaño, a 50 delante del espejo; aumento −1."},
    {LangSpanish, MirrorConcave, -35,
     "Espejo cóncavo. Objeto a 35 delante del espejo, entre el centro y el foco. Imagen real, "
     "invertida y aumentada, a 87,5 delante del espejo; aumento −2,5."},
    {LangSpanish, MirrorConcave, -25,
     "Espejo cóncavo. Objeto a 25 delante del espejo, en el foco. Imagen en el infinito: los "
     "rayos reflejados salen paralelos."},
    {LangSpanish, MirrorConcave, -10,
     "Espejo cóncavo. Objeto a 10 delante del espejo, entre el foco y el espejo. Imagen "
     "virtual, derecha y aumentada, a 16,7 detrás del espejo; aumento 1,67."},
    {LangSpanish, MirrorConcave, 0,
     "Espejo cóncavo. Objeto sobre el espejo. Imagen real, derecha y del mismo tamaño, sobre el "
     "espejo; aumento 1."},
    {LangSpanish, MirrorConcave, 20,
     "Espejo cóncavo. Objeto a 20 detrás del espejo. Imagen real, derecha y reducida, a 11,1 "
     "delante del espejo; aumento 0,56."},
    {LangSpanish, MirrorConvex, -12.34,
     "Espejo convexo. Objeto a 12,3 delante del espejo. Imagen virtual, derecha y reducida, a "
     "8,3 detrás del espejo; aumento 0,67."},
    {LangEnglish, MirrorConcave, -35,
     "Concave mirror. Object 35 in front of the mirror, between the centre and the focus. "
     "Image real, inverted and enlarged, 87.5 in front of the mirror; magnification −2.5."},
    {LangEnglish, MirrorConcave, -25,
     "Concave mirror. Object 25 in front of the mirror, at the focus. Image at infinity: the "
     "reflected rays leave parallel."},
    {LangEnglish, MirrorPlane, 0,
     "Plane mirror. Object on the mirror. Image real, upright and the same size, on the "
     "mirror; magnification 1."},
};

TEST(Description, EachMirrorAndPlace) {
    NeedApplication();
    for (const auto& [language, kind, x, text] : Cases) {
        UseLanguage(language);
        const Scene scene{kind, x};
        EXPECT_EQ(DescribeScene(scene, ComputeImage(scene), language).toStdString(), text)
            << int(language) << " " << int(kind) << " at " << x;
    }
    UseLanguage(LangSpanish);
}

} // namespace
