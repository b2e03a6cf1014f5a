// What the read-aloud buttons say for the shown subjects, and that the
// German text comes out as speech of plausible length.
#include "editor/ReadAloudText.h"

#include "common/Cp1252.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace ruvek::editor {
namespace {

TEST(ReadAloudText, WordsForLevelsAndGrades)
{
    const std::pair<const char*, const char*> levels[] = {
        {"B", "Berufsreife"}, {"h", "Berufsreife"}, {"E", "Mittlere Reife"}, {"M", "Mittlere Reife"},
        {"r", "Mittlere Reife"}, {"G", "Hochschulreife"}, {"Ü", "Übergangsnote"}, {"Z", "Zeugnisniveau"},
        {"-", ""}, {"", ""}};
    for (const auto& [letter, words] : levels)
        EXPECT_EQ(levelWords(letter), words) << letter;
    const std::pair<const char*, const char*> grades[] = {
        {"1", "sehr gut"}, {"4", "ausreichend"}, {"6", "ungenügend"}, {"7", "Note sieben"}, {"8", "Note acht"},
        {"n", "nicht teilgenommen"}, {"b", "befreit"}, {"-", "keine Bewertung"}, {"", "keine Bewertung"}};
    for (const auto& [code, words] : grades)
        EXPECT_EQ(gradeWords(code), words) << code;
}

TEST(ReadAloudText, OneSentencePerShownSubject)
{
    FormValues form;
    const auto row = [&](ControlId name, ControlId grade, const std::string& subject, const char* g) {
        form[name].text = utf8ToCp1252(subject);
        form[grade].text = g;
        form.setVisible(name, true);
        form.setVisible(grade, true);
    };
    row(labelF(1), editF(1), "Deutsch", "2");
    row(labelF(2), editF(2), "Englisch", "3");
    form[levelSelector(2)].text = "E";
    form.setVisible(levelSelector(2), true);
    row(labelF(3), editF(3), "Französisch", "1");
    form.setVisible(editF(3), false);          // row not on this certificate
    row(labelF(4), editF(4), "???", "4");      // unset subject
    row(comboBoxW(1), editW(1), "Informatik", "");
    form[ControlId::EditW].text = "2";
    form.setVisible(ControlId::EditW, true);

    const auto entries = readAloudEntries(form);
    EXPECT_EQ(entries, (std::vector<ReadAloudEntry>{{"Deutsch", "", "2"},
                                                    {"Englisch", "E", "3"},
                                                    {"Informatik", "", ""},
                                                    {"Wahlpflichtunterricht insgesamt", "", "2"}}));
    EXPECT_EQ(readAloudText(entries), "Deutsch, gut.\nEnglisch, Mittlere Reife, befriedigend.\n"
                                      "Informatik, keine Bewertung.\nWahlpflichtunterricht insgesamt, gut.");
    EXPECT_EQ(readAloudText({}), "");
}

// The engine behind the buttons speaks through speech-dispatcher, whose
// German voice is espeak-ng: the text must come out as speech of a length
// that fits its words (about 0.2 to 1 s per word).
TEST(ReadAloudText, GermanSpeechOfPlausibleLength)
{
    if (std::system("command -v espeak-ng >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "espeak-ng is not installed";
    const std::string text = readAloudText({{"Deutsch", "", "2"}, {"Mathematik", "G", "1"}, {"Sport", "", "b"}});
    const std::string wav = ::testing::TempDir() + "ruvek-vorlesen.wav";
    const std::string txt = ::testing::TempDir() + "ruvek-vorlesen.txt";
    std::ofstream(txt) << text;
    ASSERT_EQ(std::system(("espeak-ng -v de -w '" + wav + "' -f '" + txt + "'").c_str()), 0);

    std::ifstream in(wav, std::ios::binary);
    std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(b.size(), 44u);
    ASSERT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    const auto u32 = [&](std::size_t o) { return b[o] | b[o + 1] << 8 | b[o + 2] << 16 | unsigned(b[o + 3]) << 24; };
    const unsigned byteRate = u32(28);
    ASSERT_GT(byteRate, 0u);
    const double seconds = double(b.size() - 44) / byteRate;
    const int words = 10;   // "Deutsch, gut. Mathematik, Hochschulreife, sehr gut. Sport, befreit."
    EXPECT_GT(seconds, 0.2 * words) << seconds;
    EXPECT_LT(seconds, 1.0 * words) << seconds;
    // Speech, not silence: a good share of the samples is loud.
    std::size_t loud = 0;
    for (std::size_t i = 44; i + 1 < b.size(); i += 2)
        loud += std::abs(static_cast<int16_t>(b[i] | b[i + 1] << 8)) > 1000;
    EXPECT_GT(loud, (b.size() - 44) / 2 / 10);
    std::remove(wav.c_str());
    std::remove(txt.c_str());
}

} // namespace
} // namespace ruvek::editor
