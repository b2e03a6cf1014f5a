#include "common/GermanOrder.h"

#include <array>

namespace ruvek {
namespace {

// The folded form of every Windows-1252 byte (empty: the byte itself,
// lower-cased when it is A..Z).
const std::array<const char*, 256>& foldTable()
{
    static const std::array<const char*, 256> table = [] {
        std::array<const char*, 256> t{};
        auto set = [&](unsigned char c, const char* to) { t[c] = to; };
        set(0x8A, "s"); set(0x9A, "s");   // Š š
        set(0x8C, "oe"); set(0x9C, "oe"); // Œ œ
        set(0x8E, "z"); set(0x9E, "z");   // Ž ž
        set(0x9F, "y");                   // Ÿ
        for (unsigned char c = 0xC0; c <= 0xC5; ++c) set(c, "a");
        for (unsigned char c = 0xE0; c <= 0xE5; ++c) set(c, "a");
        set(0xC6, "ae"); set(0xE6, "ae");
        set(0xC7, "c"); set(0xE7, "c");
        for (unsigned char c = 0xC8; c <= 0xCB; ++c) set(c, "e");
        for (unsigned char c = 0xE8; c <= 0xEB; ++c) set(c, "e");
        for (unsigned char c = 0xCC; c <= 0xCF; ++c) set(c, "i");
        for (unsigned char c = 0xEC; c <= 0xEF; ++c) set(c, "i");
        set(0xD0, "d"); set(0xF0, "d");
        set(0xD1, "n"); set(0xF1, "n");
        for (unsigned char c = 0xD2; c <= 0xD6; ++c) set(c, "o");
        for (unsigned char c = 0xF2; c <= 0xF6; ++c) set(c, "o");
        set(0xD8, "o"); set(0xF8, "o");
        for (unsigned char c = 0xD9; c <= 0xDC; ++c) set(c, "u");
        for (unsigned char c = 0xF9; c <= 0xFC; ++c) set(c, "u");
        set(0xDD, "y"); set(0xFD, "y"); set(0xFF, "y");
        set(0xDE, "th"); set(0xFE, "th");
        set(0xDF, "ss");
        return t;
    }();
    return table;
}

} // namespace

std::string germanSortKey(std::string_view text)
{
    const auto& fold = foldTable();
    std::string key;
    key.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (fold[c])
            key += fold[c];
        else if (c >= 'A' && c <= 'Z')
            key += static_cast<char>(c - 'A' + 'a');
        else
            key += ch;
    }
    return key;
}

namespace {
int compareBytes(std::string_view a, std::string_view b)
{
    const auto bytes = [](std::string_view s) {
        return std::basic_string_view<unsigned char>(reinterpret_cast<const unsigned char*>(s.data()), s.size());
    };
    const int c = bytes(a).compare(bytes(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
} // namespace

int compareGerman(std::string_view a, std::string_view b)
{
    if (const int byKey = compareBytes(germanSortKey(a), germanSortKey(b)); byKey != 0)
        return byKey;
    return compareBytes(a, b);
}

int compareGermanNames(std::string_view surnameA, std::string_view firstA, std::string_view surnameB,
                       std::string_view firstB)
{
    if (const int c = compareBytes(germanSortKey(surnameA), germanSortKey(surnameB)); c != 0)
        return c;
    if (const int c = compareBytes(germanSortKey(firstA), germanSortKey(firstB)); c != 0)
        return c;
    if (const int c = compareBytes(surnameA, surnameB); c != 0)
        return c;
    return compareBytes(firstA, firstB);
}

} // namespace ruvek
