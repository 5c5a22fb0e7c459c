// SPDX-License-Identifier: GPL-3.0-or-later
// Catalan and English swapped in an entry: each must read more like its own language, judged
// by the letter triples of all the other texts; those too short to judge are given whole.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

using Texts = std::map<QString, QString>; // "context|source" to its translation
using Counts = std::map<QString, int>;

Texts Read(const QString& code) {
    QFile file(QStringLiteral(VEXARIA_SOURCE_DIR "/translations/vexaria_%1.ts").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << code.toStdString();
    QXmlStreamReader xml(&file);
    Texts texts;
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation")
            texts[context + u'|' + source] = xml.readElementText();
    }
    return texts;
}

QStringList Triples(const QString& text) {
    static const QRegularExpression notWords(QStringLiteral("%\\d|[^\\p{L}·']+"));
    QStringList triples;
    for (const QString& word : text.toLower().split(notWords, Qt::SkipEmptyParts)) {
        const QString padded = QStringLiteral("  ") + word + u' ';
        for (qsizetype i = 0; i + 3 <= padded.size(); ++i)
            triples << padded.mid(i, 3);
    }
    return triples;
}

// How likely `text` is in the language of `counts`, less the entry's own triples `own`.
double LogLikelihood(const QString& text, Counts counts, const QString& own) {
    for (const QString& t : Triples(own))
        --counts[t];
    double total = 0;
    for (const auto& [triple, n] : counts)
        total += n;
    double sum = 0;
    for (const QString& t : Triples(text))
        sum += std::log((counts[t] + 1) / (total + 5000));
    return sum;
}

// Too short or too alike for the triples: checked word for word.
const std::map<QString, std::pair<std::string, std::string>> Whole = {
    {"TDiagramCommands|Documento PDF (*.pdf)", {"Document PDF (*.pdf)", "PDF document (*.pdf)"}},
    {"TFPrincipal|infinito", {"infinit", "infinity"}},
    {"Tools|Título", {"Títol", "Title"}},
    {"TFSobre|¡Vaya!", {"Vaja!", "Done"}},
    {"TFEjercicio|Paso a paso", {"Pas a pas", "Step by step"}},
};

TEST(TranslationsTest, CatalanReadsAsCatalanAndEnglishAsEnglish) {
    Texts ca = Read(QStringLiteral("ca")), en = Read(QStringLiteral("en"));
    ASSERT_GT(ca.size(), 100u);
    ASSERT_EQ(ca.size(), en.size());
    Counts catalan, english;
    for (const auto& [texts, counts] : {std::pair{&ca, &catalan}, {&en, &english}})
        for (const auto& [key, text] : *texts)
            for (const QString& t : Triples(text))
                ++(*counts)[t];
    for (const auto& [key, c] : ca) {
        const QString e = en[key];
        // A language's name is itself in every language; a web address is in none.
        if (c == e || Whole.contains(key) || key.startsWith(u"Language|") || c.contains(u"://"))
            continue;
        const double margin = LogLikelihood(c, catalan, c) - LogLikelihood(c, english, e) +
                              LogLikelihood(e, english, e) - LogLikelihood(e, catalan, c);
        EXPECT_GT(margin, 0) << key.toStdString() << ": «" << c.toStdString() << "» and «"
                             << e.toStdString()
                             << "» read as each other's language (if both are right, add them to "
                                "the texts checked whole)";
    }
    for (const auto& [key, texts] : Whole)
        EXPECT_EQ(std::pair(ca[key].toStdString(), en[key].toStdString()), texts)
            << key.toStdString();
}

} // namespace
