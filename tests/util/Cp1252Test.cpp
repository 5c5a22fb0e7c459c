// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Cp1252.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

// ICU's table, through Qt, is the reference; like this code page it keeps
// the five bytes Windows leaves undefined as the C1 controls of their number.
TEST(Cp1252, MatchesIcuRoundTripsAndEncodesNothingElse) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QStringDecoder icu("windows-1252");
    ASSERT_TRUE(icu.isValid());
    EXPECT_EQ(Cp1252Decode(all).toStdU16String(), QString(icu.decode(all)).toStdU16String());
    EXPECT_EQ(Cp1252Encode(Cp1252Decode(all)), all);
    int encodable = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const auto byte = Cp1252Byte(char16_t(c));
        encodable += byte.has_value();
        EXPECT_TRUE(!byte || Cp1252Char(*byte) == c) << "character " << int(c);
    }
    EXPECT_EQ(encodable, 256);
    EXPECT_EQ(Cp1252FirstUnencodable(QString::fromUtf8("ab€中c")), 3);
    EXPECT_EQ(Cp1252Encode(QString::fromUtf8("ab€中c")), std::nullopt);
}
