// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the diagrams of the characteristic cases to PNG files, so they can
// be looked at without a display.
//   render_diagrams <output folder>

#include "core/RunError.h"
#include "tools/DiagramImage.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_diagrams <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const DiagramCase& c : CharacteristicCases()) {
        try {
            const QString file = out.filePath(c.name + QStringLiteral(".png"));
            if (!RenderDiagramImage(c.kind, c.x).save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        } catch (const RunError& e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(c.name), e.what());
            return 1;
        }
    }
    return 0;
}
