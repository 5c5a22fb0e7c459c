#include "Cp1252.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <set>

namespace {

// The C library's own Windows-1252 table, as an independent reference: the
// character of one byte, or -1 where that table leaves the byte undefined.
int ReferenceChar(unsigned char byte) {
    iconv_t cd = iconv_open("UTF-16LE", "CP1252");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    const size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1) || outLeft != 2)
        return -1;
    return out[0] | (out[1] << 8);
}

} // namespace

TEST(Cp1252, EveryByteMatchesTheReferenceTableAndUndefinedOnesKeepTheirNumber) {
    std::set<int> undefined;
    for (int b = 0; b < 256; ++b) {
        const int expected = ReferenceChar(static_cast<unsigned char>(b));
        if (expected < 0)
            undefined.insert(b);
        EXPECT_EQ(Cp1252Char(static_cast<unsigned char>(b)), expected < 0 ? b : expected)
            << "byte " << b;
    }
    EXPECT_EQ(undefined, (std::set<int>{0x81, 0x8D, 0x8F, 0x90, 0x9D}));
}

TEST(Cp1252, AllBytesRoundTripAndExactly256CharactersAreEncodable) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const QString text = Cp1252Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252Encode(text), all);

    int encodable = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (const auto byte = Cp1252Byte(static_cast<char16_t>(c))) {
            ++encodable;
            EXPECT_EQ(Cp1252Char(*byte), c);
        }
    }
    EXPECT_EQ(encodable, 256);
}

TEST(Cp1252, UnencodableTextIsFoundAndNeverEncoded) {
    struct Case {
        QString text;
        qsizetype firstBad;
    };
    const Case cases[] = {
        {QString(), -1},
        {QString::fromUtf8("Caf\u00e9 \u20ac \u0178\u017d \u00ff"), -1},
        {QString::fromUtf8("ab\u20ac\u4e2dc"), 3},
        {QString(QChar(0x0080)), 0}, // its byte number belongs to the euro sign
        {QString::fromUtf8("x\u0100"), 1},
        {QString::fromUtf8("ok \U0001F600"), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(Cp1252FirstUnencodable(c.text), c.firstBad);
        EXPECT_EQ(Cp1252CanEncode(c.text), c.firstBad < 0);
        EXPECT_EQ(Cp1252Encode(c.text).has_value(), c.firstBad < 0);
    }
    EXPECT_EQ(Cp1252Encode(QString::fromUtf8("\u20ac\u00e9")), QByteArray("\x80\xe9"));
}
