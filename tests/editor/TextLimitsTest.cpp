// The storage rule of the editor's text fields and its messages.
#include "editor/TextLimits.h"

#include <gtest/gtest.h>

using namespace ruvek::editor;

TEST(TextLimits, StorageRule)
{
    struct Case {
        const char* text;
        const char* refused;
        int stored;
    };
    const Case cases[] = {
        {"", "", 0},
        {"Übergang – „gut“ €", "", 18},
        {"Zeile 1\nZeile 2", "", 16},       // a line break is stored as CR LF
        {"a\u2029b", "", 4},                // so is the paragraph separator
        {"Łódź und Ωmega Ω", "ŁźΩ", 16},    // each refused character once, in order
        {"😀x", "😀", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnstorableCharacters(c.text), c.refused) << c.text;
        EXPECT_EQ(StoredLength(c.text), c.stored) << c.text;
    }
    EXPECT_TRUE(IsStorableCharacter("\r"));
    EXPECT_TRUE(IsStorableCharacter("€"));
    EXPECT_FALSE(IsStorableCharacter("ł"));
}

TEST(TextLimits, Messages)
{
    EXPECT_EQ(RefusedCharactersMessage("ł"),
              "Die Zeichen \"ł\" können in den Zeugnisdaten nicht gespeichert werden\nund wurden nicht übernommen.");
    EXPECT_EQ(FullFieldMessage(500), "Das Feld ist voll: es fasst höchstens 500 Zeichen.");
    EXPECT_EQ(PastedTextCutMessage(30),
              "Dieses Textfeld fasst höchstens 30 Zeichen;\nder eingefügte Text wurde entsprechend gekürzt.");
}

// Typing refuses exactly the controls no key types; line breaks stay, and
// each refused one is named by its picture.
TEST(TextLimits, TypingRefusesControlCharacters)
{
    for (char32_t c = 0; c < 0x100; ++c) {
        const bool control = (c < 0x20 || c == 0x7F) && c != U'\n' && c != U'\r';
        EXPECT_EQ(IsRefusedWhenTyped(c), control) << static_cast<unsigned>(c);
    }
    EXPECT_EQ(ControlPicture(U'\t'), U'\u2409');
    EXPECT_EQ(ControlPicture(0), U'\u2400');
    EXPECT_EQ(ControlPicture(0x7F), U'\u2421');
}
