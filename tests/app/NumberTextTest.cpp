#include "NumberText.h"
#include "RunError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FormatRow {
    double value;
    const char* point;
    const char* text;
};

const FormatRow FormatRows[] = {
    // Fixed: whole values without a separator, at most 15 significant digits.
    {0.0, ".", "0"},
    {-0.0, ".", "0"},
    {40000.0, ".", "40000"},
    {0.2, ".", "0.2"},
    {0.1 + 0.2, ".", "0.3"},
    {-33.333333333333336, ".", "-33.3333333333333"},
    {-0.33333333333333337, ".", "-0.333333333333333"},
    {16.666666666666668, ".", "16.6666666666667"},
    {-300.0 / 7.0, ".", "-42.8571428571429"},
    {999999999999999.0, ".", "999999999999999"},
    {-2147483648.0, ".", "-2147483648"},
    {0.00001, ".", "0.00001"},
    {0.0000123, ".", "0.0000123"},
    // Scientific: 16 or more digits before the separator, or below 0.00001;
    // the choice is made on the rounded value.
    {-1.25e-8, ".", "-1.25E-8"},
    {0.000009, ".", "9E-6"},
    {1e15, ".", "1E15"},
    {9.999999999999999e14, ".", "1E15"},
    {123456789012345678.0, ".", "1.23456789012346E17"},
    {std::numeric_limits<double>::max(), ".", "1.79769313486232E308"},
    {std::numeric_limits<double>::denorm_min(), ".", "4.94065645841247E-324"},
    // The user's separator.
    {-33.333333333333336, ",", "-33,3333333333333"},
    {-1.25e-8, ",", "-1,25E-8"},
    {0.00001, ",", "0,00001"},
    // Not produced by the model, but never a crash.
    {std::numeric_limits<double>::infinity(), ".", "INF"},
    {-std::numeric_limits<double>::infinity(), ".", "-INF"},
    {std::nan(""), ".", "NAN"},
};

} // namespace

TEST(GeneralFormat, Table) {
    for (const FormatRow& row : FormatRows) {
        EXPECT_EQ(FloatToStrGeneral(row.value, QString::fromLatin1(row.point)),
                  QString::fromLatin1(row.text))
            << row.text;
    }
}

namespace {

struct ParseRow {
    const char* text;
    std::optional<std::int32_t> value;
};

const ParseRow ParseRows[] = {
    {"40", 40},
    {"  40", 40},
    {"+40", 40},
    {"-20", -20},
    {"-0", 0},
    {"000000000000000000040", 40},
    {"2147483647", 2147483647},
    {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    {"$28", 40},
    {"$ff", 255},
    {"  $7FFFFFFF", 2147483647},
    {"$80000000", std::numeric_limits<std::int32_t>::min()},
    {"$FFFFFFFF", -1},
    {"$00000001", 1},
    {"", std::nullopt},
    {"abc", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"40 ", std::nullopt},
    {"4 0", std::nullopt},
    {"\t40", std::nullopt},
    {"1.5", std::nullopt},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"$", std::nullopt},
    {"-$10", std::nullopt},
    {"+$10", std::nullopt},
    {"$123456789", std::nullopt},
    {"$000000001", std::nullopt},
    {"$G", std::nullopt},
    {"0x10", std::nullopt},
    {"\xEF\xBC\x94\xEF\xBC\x90", std::nullopt}, // full-width digits
};

} // namespace

TEST(IntegerField, Table) {
    for (const ParseRow& row : ParseRows) {
        EXPECT_EQ(ParseInteger(QString::fromUtf8(row.text)), row.value) << '"' << row.text << '"';
    }
}

TEST(IntegerField, RefusalNamesTheWholeText) {
    const char* texts[] = {"abc", " 4 0", "", "señal"};
    for (const char* text : texts) {
        try {
            StrToInt(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const RunError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(StrToInt(QStringLiteral(" -12")), -12);
}
