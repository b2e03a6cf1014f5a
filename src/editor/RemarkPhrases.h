#pragma once
// The standard remark phrases of the page "Vermerke" (ComboBox39): the
// entries of the list, the sentence each builds about the current student,
// and how the sentence goes into the remarks text. The clipboard buttons of
// the text pages work on the widgets alone.
#include "classfile/ZgnRec.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ruvek::editor {

inline constexpr int kPhraseCount = 16;

// The entries of ComboBox39, index 0..15 (UTF-8); "%%" stands for the
// first name.
const std::array<const char*, kPhraseCount>& RemarkPhraseEntries();

inline constexpr const char* kMsgCheckBerufsreife =
    "Prüfen Sie die Einhaltung der Bedingungen zum Erhalt\nder Gleichwertigkeit für die Berufsreife!";
inline constexpr const char* kMsgCheckMittlereReife =
    "Prüfen Sie die Einhaltung der Bedingungen zum Erhalt\nder Gleichwertigkeit für die Mittlere Reife!";

struct PhraseSentence {
    PhraseSentence() = default;
    PhraseSentence(std::string s, std::optional<std::string> w = std::nullopt)
        : sentence(std::move(s)), warning(std::move(w))
    {
    }
    std::string sentence;               // UTF-8; empty: nothing is added
    std::optional<std::string> warning; // shown (warning, OK) before the sentence is added
    bool operator==(const PhraseSentence&) const = default;
};

// The sentence of entry `index` for the record as last stored (first name,
// class level, kind of qualification).
PhraseSentence RemarkPhraseSentence(int index, const TZgnRec& rec);

// The remarks text (lines separated by '\n') after adding a sentence: the
// struck-out mark alone is dropped; otherwise a struck-out first line, or
// else a struck-out last line, gives way to the sentence; otherwise the
// sentence becomes a new last line. An empty sentence changes nothing.
std::string AddPhraseToRemarks(std::string_view remarks, std::string_view sentence);

} // namespace ruvek::editor
