// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/IniSetting.h"

#include <utility>

namespace {

struct Line {
    QByteArrayView text; // without its end
    qsizetype next;      // where the line after it starts
};

Line LineAt(QByteArrayView bytes, qsizetype from) {
    qsizetype end = bytes.indexOf('\n', from);
    const qsizetype next = end < 0 ? bytes.size() : end + 1;
    if (end < 0)
        end = bytes.size();
    const qsizetype length = end > from && bytes[end - 1] == '\r' ? end - from - 1 : end - from;
    return {bytes.sliced(from, length), next};
}

// Whether the lines after a section header are in [General]; nothing for
// a line that is no header.
std::optional<bool> HeaderIsGeneral(QByteArrayView line) {
    const QByteArrayView t = line.trimmed();
    if (!t.startsWith('[') || !t.endsWith(']'))
        return std::nullopt;
    return t == "[General]";
}

std::optional<QByteArrayView> ValueOf(QByteArrayView line, QByteArrayView key) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.first(eq).trimmed() != key)
        return std::nullopt;
    QByteArrayView value = line.sliced(eq + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<QByteArray> IniValue(QByteArrayView bytes, QByteArrayView key) {
    std::optional<QByteArray> found;
    bool general = true;
    for (qsizetype at = 0; at < bytes.size();) {
        const Line line = LineAt(bytes, at);
        at = line.next;
        if (const std::optional<bool> header = HeaderIsGeneral(line.text))
            general = *header;
        else if (general)
            if (const std::optional<QByteArrayView> value = ValueOf(line.text, key))
                found = value->toByteArray();
    }
    return found;
}

QByteArray IniWithValue(QByteArrayView bytes, QByteArrayView key, QByteArrayView value) {
    const QByteArray setting = key.toByteArray() + '=' + value.toByteArray() + '\n';
    QByteArray out;
    bool general = true;
    bool hasGeneral = false;
    bool placed = false;
    for (qsizetype at = 0; at < bytes.size();) {
        const Line line = LineAt(bytes, at);
        const QByteArrayView whole = bytes.sliced(at, line.next - at);
        at = line.next;
        if (const std::optional<bool> header = HeaderIsGeneral(line.text)) {
            general = *header;
            if (general && !hasGeneral) {
                hasGeneral = true;
                out += whole;
                if (!whole.endsWith('\n'))
                    out += '\n';
                // At the head of [General], beside any other setting of it.
                if (!std::exchange(placed, true))
                    out += setting;
                continue;
            }
        } else if (general && ValueOf(line.text, key)) {
            if (!std::exchange(placed, true))
                out += setting;
            continue;
        }
        out += whole;
    }
    if (placed)
        return out;
    return "[General]\n" + setting + (out.isEmpty() ? QByteArray() : '\n' + out);
}
