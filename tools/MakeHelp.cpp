// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the help document: the HTML source with its figures drawn by the
// program's own drawing code, printed to PDF by Qt.
//   make_help <source.html> <output.pdf>

#include "core/RunError.h"
#include "tools/DiagramImage.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_help <source.html> <output.pdf>\n");
        return 2;
    }
    // Fonts need an application object, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());

    QTextDocument doc;
    for (const DiagramCase& c : CharacteristicCases()) {
        try {
            // Doubled without smoothing, the pixels stay sharp on paper.
            const QImage figure = RenderDiagramImage(c.kind, c.x);
            doc.addResource(
                QTextDocument::ImageResource, QUrl(QStringLiteral("figure:") + c.name),
                figure.scaled(figure.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        } catch (const RunError& e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(c.name), e.what());
            return 1;
        }
    }
    // A figure named in the text but never drawn would print as an empty box.
    const QRegularExpression figureRef(QStringLiteral("figure:([a-z0-9-]+)"));
    for (auto it = figureRef.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (doc.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("figure:") + name))
                .isNull()) {
            std::fprintf(stderr, "unknown figure %s\n", qPrintable(name));
            return 1;
        }
    }

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Vexaria"));
    doc.setHtml(html);
    // Each language's document is titled in its own language.
    writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    doc.print(&writer);
    return 0;
}
