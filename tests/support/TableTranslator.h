// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

#include <map>
#include <utility>

// A translator holding its texts in memory, by source text, for testing how
// translated fragments are put together before any translation file exists.
// A text it does not hold stays untranslated, as with a real translator.
class TableTranslator : public QTranslator {
public:
    explicit TableTranslator(std::map<QString, QString> texts) : texts_(std::move(texts)) {}

    QString translate(const char* /*context*/, const char* source,
                      const char* /*disambiguation*/ = nullptr, int /*n*/ = -1) const override {
        const auto it = texts_.find(QString::fromUtf8(source));
        return it == texts_.end() ? QString() : it->second;
    }
    bool isEmpty() const override { return texts_.empty(); }

private:
    std::map<QString, QString> texts_;
};
