// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/HelpFigure.h"

#include <QString>

#include <algorithm>

std::optional<Scene> ClassroomFigureScene(QStringView name) {
    static constexpr struct {
        const char16_t* word;
        TMirrorKind kind;
    } Mirrors[] = {{u"plane", MirrorPlane}, {u"convex", MirrorConvex}, {u"concave", MirrorConcave}};
    const QStringView prefix = u"classroom-";
    if (!name.startsWith(prefix)) {
        return std::nullopt;
    }
    const QStringView rest = name.mid(prefix.size());
    for (const auto& mirror : Mirrors) {
        const QStringView word(mirror.word);
        if (!rest.startsWith(word) || rest.size() <= word.size() || rest[word.size()] != u'-') {
            continue;
        }
        const QStringView digits = rest.mid(word.size() + 1);
        // Digits only: no sign, blank or leading zero slips through toInt.
        if (digits.isEmpty() || digits.size() > 4 || digits.front() == u'0' ||
            !std::all_of(digits.begin(), digits.end(),
                         [](QChar c) { return c >= u'0' && c <= u'9'; })) {
            return std::nullopt;
        }
        const int distance = digits.toInt();
        if (distance > 1000) {
            return std::nullopt;
        }
        return Scene{mirror.kind, -static_cast<double>(distance)};
    }
    return std::nullopt;
}
