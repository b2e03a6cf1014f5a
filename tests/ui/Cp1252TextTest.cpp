// The crossing between Windows-1252 record texts and widget texts: plain
// Latin-1 texts and texts with the characters of 0x80..0x9F (€, „, “, …)
// cross both ways unchanged; characters Windows-1252 lacks are refused.
#include "ui/Cp1252Text.h"

#include <gtest/gtest.h>

using namespace ruvek::ui;

TEST(Cp1252Text, CrossesBothWaysAndRefusesWhatItCannotStore)
{
    const struct {
        const char* utf8;
        std::string cp1252;  // empty: not storable
    } cases[] = {
        {"Müller, Anna", "M\xFCller, Anna"},
        {"Straße 5\r\n", "Stra\xDF" "e 5\r\n"},
        {"10 € – „gut“", "10 \x80 \x96 \x84gut\x93"},
        {"\xC2\xA0¼ÿ", "\xA0\xBC\xFF"},
        {"Łódź", ""},
        {"\xC2\x81", "\x81"},   // an undefined byte crosses as the control character of its number
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        const std::optional<std::string> stored = toCp1252(text);
        if (c.cp1252.empty()) {
            EXPECT_FALSE(stored) << c.utf8;
            QString refused;
            EXPECT_NE(withoutNonCp1252(text, &refused), text) << c.utf8;
            EXPECT_FALSE(refused.isEmpty()) << c.utf8;
            continue;
        }
        ASSERT_TRUE(stored) << c.utf8;
        EXPECT_EQ(*stored, c.cp1252) << c.utf8;
        EXPECT_EQ(fromCp1252(c.cp1252), text) << c.utf8;
        EXPECT_EQ(withoutNonCp1252(text), text) << c.utf8;
    }
}

TEST(Cp1252Text, TypingAndPastingRefuseControlCharactersByTheirPicture)
{
    const struct {
        const char16_t* typed;
        const char16_t* kept;
        const char16_t* refused;
    } cases[] = {
        {u"Anna", u"Anna", u""},
        {u"Zeile 1\nZeile 2\r\n", u"Zeile 1\nZeile 2\r\n", u""},   // a memo's line breaks stay
        {u"7\x01" u"a", u"7a", u"\u2401"},
        {u"M\u00fcller\tAnna\t", u"M\u00fcllerAnna", u"\u2409"},
        {u"x\x7fy\u0142", u"xy", u"\u2421\u0142"},
    };
    for (const auto& c : cases) {
        QString refused;
        EXPECT_EQ(withoutUntypeable(QString::fromUtf16(c.typed), &refused), QString::fromUtf16(c.kept));
        EXPECT_EQ(refused, QString::fromUtf16(c.refused));
    }
    QString nul(QStringLiteral("a"));
    nul += QChar(u'\0');
    QString refused;
    EXPECT_EQ(withoutUntypeable(nul, &refused), QStringLiteral("a"));
    EXPECT_EQ(refused, QString(QChar(0x2400)));
}
