#pragma once
// What the read-aloud buttons of the subjects page say: for each subject
// the certificate shows, its name, its level in words (when it has one) and
// its grade in words, one subject after the other. The teacher listens
// while checking the printed list or the grade book.
#include "editor/FormValues.h"

#include <string>
#include <vector>

namespace ruvek::editor {

struct ReadAloudEntry {
    std::string subject;   // UTF-8
    std::string level;     // the level letter, UTF-8 ("" or "-": none)
    std::string grade;     // the grade code as stored or typed, UTF-8
    bool operator==(const ReadAloudEntry&) const = default;
};

// The level letter in words: "B"/"H" "Berufsreife", "E"/"M"/"R" "Mittlere
// Reife", "G" "Hochschulreife", "Ü" "Übergangsnote", "Z" "Zeugnisniveau";
// empty for no level.
std::string levelWords(const std::string& levelUtf8);
// The grade in words: "1".."6" "sehr gut".."ungenügend", "7"/"8" "Note
// sieben"/"Note acht", the marks as on the certificate, no grade "keine Bewertung".
std::string gradeWords(const std::string& gradeUtf8);

// The subjects of the shown page, in page order: rows 1 to 18, the
// elective subjects W1 to W6 and the overall elective grade, each only when
// its grade field is visible and it names a subject ("???", "  - - -" and
// empty names are left out).
std::vector<ReadAloudEntry> readAloudEntries(const FormValues& form);

// One sentence per subject: "Deutsch, Mittlere Reife, gut." Empty when
// there is nothing to read.
std::string readAloudText(const std::vector<ReadAloudEntry>& entries);

} // namespace ruvek::editor
