#include "transfer/PasswordStrength.h"

#include "transfer/Container.h"

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

namespace ruvek {

namespace {

// Parts of passwords that guessing programs try first; each occurrence is
// worth about as much as one more guessed word.
constexpr std::string_view kKnownWords[] = {
    "passwort", "password", "kennwort", "geheim", "hallo", "schule", "zeugnis", "ruvek", "klasse", "lehrer",
    "qwertz",   "qwerty",   "asdf",     "123456", "654321", "abcdef", "sommer",  "winter", "admin", "test"};
constexpr double kBitsPerKnownWord = 8.0;

// The code points of a UTF-8 text (a broken sequence counts byte by byte).
std::vector<char32_t> codePoints(std::string_view s)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extra && i + static_cast<std::size_t>(extra) >= s.size())
            extra = 0;
        char32_t cp = extra ? (b & (0x3F >> extra)) : b;
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

} // namespace

PasswordStrength estimatePasswordStrength(std::string_view password)
{
    const std::vector<char32_t> cps = codePoints(password);
    bool lower = false, upper = false, digit = false, symbol = false, other = false;
    for (char32_t c : cps) {
        if (c >= 'a' && c <= 'z')
            lower = true;
        else if (c >= 'A' && c <= 'Z')
            upper = true;
        else if (c >= '0' && c <= '9')
            digit = true;
        else if (c < 128)
            symbol = true;
        else
            other = true;
    }
    const int pool = (lower ? 26 : 0) + (upper ? 26 : 0) + (digit ? 10 : 0) + (symbol ? 33 : 0) + (other ? 60 : 0);
    const double perChar = pool > 1 ? std::log2(static_cast<double>(pool)) : 0.0;

    // Bits per position: a full character's worth, one bit for a repeated
    // character or the continuation of a run, and a known word as a whole.
    std::vector<double> bits(cps.size(), perChar);
    for (std::size_t i = 1; i < cps.size(); ++i) {
        const long step = static_cast<long>(cps[i]) - static_cast<long>(cps[i - 1]);
        const bool repeat = step == 0;
        const bool run = (step == 1 || step == -1) && i >= 2 &&
                         static_cast<long>(cps[i - 1]) - static_cast<long>(cps[i - 2]) == step;
        const bool runStart = (step == 1 || step == -1) && i + 1 < cps.size() &&
                              static_cast<long>(cps[i + 1]) - static_cast<long>(cps[i]) == step;
        if (repeat || run || runStart)
            bits[i] = 1.0;
    }
    std::string folded;
    for (char32_t c : cps)
        folded += c < 128 ? static_cast<char>(std::tolower(static_cast<int>(c))) : '\x01';
    std::vector<bool> inWord(cps.size(), false);
    for (std::string_view word : kKnownWords)
        for (std::size_t at = folded.find(word); at != std::string::npos; at = folded.find(word, at + 1)) {
            bool fresh = true;
            for (std::size_t k = at; k < at + word.size(); ++k)
                fresh = fresh && !inWord[k];
            if (!fresh)
                continue;
            for (std::size_t k = at; k < at + word.size(); ++k) {
                inWord[k] = true;
                bits[k] = 0.0;
            }
            bits[at] = kBitsPerKnownWord;
        }

    double total = 0.0;
    for (double b : bits)
        total += b;
    PasswordStrength s;
    s.bits = static_cast<int>(total);
    if (cps.size() < kMinPasswordLength)
        s.level = StrengthLevel::TooShort;
    else if (s.bits < 45)
        s.level = StrengthLevel::Weak;
    else if (s.bits < 60)
        s.level = StrengthLevel::Fair;
    else if (s.bits < 80)
        s.level = StrengthLevel::Good;
    else
        s.level = StrengthLevel::Strong;
    static const char* const labels[] = {"zu kurz", "schwach", "mittel", "gut", "stark"};
    s.label = labels[static_cast<int>(s.level)];
    return s;
}

std::string strengthText(const PasswordStrength& s)
{
    return "Stärke: " + s.label + " (etwa " + std::to_string(s.bits) +
           " Bit; grobe Schätzung aus Länge, Zeichenarten, Wiederholungen und bekannten Wörtern)";
}

} // namespace ruvek
