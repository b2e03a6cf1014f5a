#pragma once
// A simple, honest estimate of how hard a password is to guess, shown while
// a teacher chooses one. It counts bits from the length and the kinds of
// characters used, gives little for repeated characters, runs ("abc",
// "4321") and well-known words ("passwort", "123456", "schule"), and says
// plainly that it is an estimate.
#include <string>
#include <string_view>

namespace ruvek {

enum class StrengthLevel { TooShort, Weak, Fair, Good, Strong };

struct PasswordStrength {
    StrengthLevel level = StrengthLevel::TooShort;
    int bits = 0;           // estimated bits of guessing work
    std::string label;      // "zu kurz", "schwach", "mittel", "gut", "stark"
};

PasswordStrength estimatePasswordStrength(std::string_view password);

// "Stärke: gut (etwa 64 Bit; grobe Schätzung aus Länge, Zeichenarten,
// Wiederholungen und bekannten Wörtern)"
std::string strengthText(const PasswordStrength& strength);

} // namespace ruvek
