// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Description.h"

#include "core/NumberText.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The context of every text a screen reader is given.
struct Accessibility {
    Q_DECLARE_TR_FUNCTIONS(Accessibility)
};

QString MirrorSentence(TMirrorKind kind) {
    switch (kind) {
    case MirrorPlane:
        return Accessibility::tr("Espejo plano.");
    case MirrorConvex:
        return Accessibility::tr("Espejo convexo.");
    default:
        return Accessibility::tr("Espejo cóncavo.");
    }
}

// Where an object in front of a concave mirror stands against its centre
// and focus, which decide the kind of image.
QString ConcavePlace(double distance) {
    if (distance > CurvatureRadius)
        return Accessibility::tr("más allá del centro");
    if (distance == CurvatureRadius)
        return Accessibility::tr("en el centro");
    if (distance > FocalLength)
        return Accessibility::tr("entre el centro y el foco");
    if (distance == FocalLength)
        return Accessibility::tr("en el foco");
    return Accessibility::tr("entre el foco y el espejo");
}

QString ObjectSentence(const Scene& scene, TLanguage language) {
    // The abscissa is negative in front of the mirror.
    const double distance = -scene.objectPos;
    if (distance == 0.0)
        return Accessibility::tr("Objeto sobre el espejo") + QLatin1Char('.');
    const QString at = PositionForPeople(std::fabs(distance), language);
    if (distance < 0.0)
        return Accessibility::tr("Objeto a %1 detrás del espejo").arg(at) + QLatin1Char('.');
    QString sentence = Accessibility::tr("Objeto a %1 delante del espejo").arg(at);
    if (scene.kind == MirrorConcave)
        sentence += QStringLiteral(", ") + ConcavePlace(distance);
    return sentence + QLatin1Char('.');
}

QString ImageSentence(const ImageResult& image, TLanguage language) {
    if (image.atInfinity)
        return Accessibility::tr("Imagen en el infinito: los rayos reflejados salen paralelos.");
    const QString kind =
        image.kind == ImageVirtual ? Accessibility::tr("virtual") : Accessibility::tr("real");
    const QString orientation =
        image.inverted() ? Accessibility::tr("invertida") : Accessibility::tr("derecha");
    const QString size = image.size == SizeEnlarged ? Accessibility::tr("aumentada")
                         : image.size == SizeEqual  ? Accessibility::tr("del mismo tamaño")
                                                    : Accessibility::tr("reducida");
    const QString magnification = MagnificationForPeople(image.magnification, language);
    // The abscissa is positive behind the mirror. A position that rounds to
    // nothing is read as on the mirror, as its distance would be "0".
    const QString at = PositionForPeople(std::fabs(image.position), language);
    if (at == QLatin1String("0"))
        return Accessibility::tr("Imagen %1, %2 y %3, sobre el espejo; aumento %4.")
            .arg(kind, orientation, size, magnification);
    const QString sentence =
        image.position > 0.0
            ? Accessibility::tr("Imagen %1, %2 y %3, a %4 detrás del espejo; aumento %5.")
            : Accessibility::tr("Imagen %1, %2 y %3, a %4 delante del espejo; aumento %5.");
    return sentence.arg(kind, orientation, size, at, magnification);
}

} // namespace

QString DescribeScene(const Scene& scene, const ImageResult& image, TLanguage language) {
    return MirrorSentence(scene.kind) + QLatin1Char(' ') + ObjectSentence(scene, language) +
           QLatin1Char(' ') + ImageSentence(image, language);
}
