#include "common/ByteFields.h"
#include "common/Cp1252.h"

#include <gtest/gtest.h>

using namespace ruvek;

TEST(Cp1252, RoundTripsEveryByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    bool lossless = false;
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Cp1252, MapsGermanTextAndEuro)
{
    EXPECT_EQ(cp1252ToUtf8("\xDC\x62\x65rgang \x80"), "Übergang €");
    EXPECT_EQ(utf8ToCp1252("Lebensbewältigung ß"), "Lebensbew\xE4ltigung \xDF");
    bool lossless = true;
    EXPECT_EQ(utf8ToCp1252("Ω", &lossless), "?");
    EXPECT_FALSE(lossless);
}

TEST(ByteFields, StringsCutToCapacityAndKeepInsignificantBytes)
{
    PStr<5> s;
    s = "abcdefgh";
    EXPECT_EQ(s.str(), "abcde");
    s = "xy";
    EXPECT_EQ(s.str(), "xy");
    EXPECT_EQ(s.bytes[3], 'c'); // behind the length: left as it was

    CText<4> t;
    t = "abcdef";
    EXPECT_EQ(t.str(), "abcd");
    EXPECT_EQ(t.bytes[4], 0);
    t = "z";
    EXPECT_EQ(t.bytes[1], 0);
}
