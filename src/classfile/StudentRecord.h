#pragma once
// Operations on single student records: the new-record defaults, key
// numbers and the conversion of version-1 records.
#include "classfile/ClassFile.h"
#include "common/ByteFields.h"
#include "common/DomainValues.h"

#include <cstdint>
#include <optional>
#include <random>
#include <unordered_set>

namespace ruvek {

// The random generator of new records (Zufall). The open class owns one,
// seeded from the clock; tests and tools seed their own.
using RandomSource = std::mt19937;
RandomSource clockSeededRandom();

// A random number 1..57000 for Zufall.
std::int16_t drawZufall(RandomSource& random);

// Lowest generated key number; generated numbers count upwards from here.
inline constexpr std::int32_t kFirstGeneratedKey = -9999999;

// First value from -9999999 upwards that no record of `list` carries in
// SchlNr, ignoring the record at position `self` (the one being given the
// number).
std::int32_t newKeyNumber(const TDB2& list, std::optional<std::size_t> self = std::nullopt);

// The key numbers for records added one after another to `list`: each
// take() gives what newKeyNumber would give on the list grown by every
// number taken before, without scanning the list again.
class KeyNumberSequence {
public:
    explicit KeyNumberSequence(const TDB2& list);
    std::int32_t take();

private:
    std::unordered_set<std::int32_t> m_used;
    std::int32_t m_next = kFirstGeneratedKey;
};

// Fills `rec` with the new-record defaults. Fields without a default keep
// what they hold. `list` and `self` are used for the key number (see
// newKeyNumber); `schoolType` goes into SchulartNeu, Zufall is drawn from
// `random`.
void initialiseRecord(TZgnRec& rec, const TDB2& list, SchoolType schoolType, RandomSource& random,
                      std::optional<std::size_t> self = std::nullopt);
// The same with the key number given.
void initialiseRecordWithKey(TZgnRec& rec, std::int32_t key, SchoolType schoolType, RandomSource& random);

// After reading a file: for each record from the first on, every later
// record with the same key number gets another one: a positive number its
// negation when no record carries that, otherwise (and for 0 and negative
// numbers) a new key number. Returns the number of records changed.
std::size_t makeKeyNumbersUnique(TDB2& list);

// Converts a version-1 record (4144 bytes) into a version-2 record.
TZgnRec convertRecordV1(ConstBytes v1);

// The empty subject slot: "???", "-", "", "-", "".
TFachEintrag emptySlot();

// The mark of a struck-out text, default of every free text.
inline constexpr std::string_view kStruckOutText = "  - - - - -";

} // namespace ruvek
