// Every reader of outside input refuses what is no usable input, says why in
// German naming the file (or line and field), exits with the documented code
// and leaves the class file byte for byte as it was: folders, FIFOs and
// devices as input files, NUL and control characters in import texts and
// grade lists, a grade list whose length byte runs over its field, values
// of "set" that no keyboard types. UTF-16 import texts are converted.
#include "support/CliRunner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kDone = 0, kRefused = 1, kUnreadable = 2;

std::vector<char> bytesOf(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const fs::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Little-endian UTF-16 with byte-order mark, of ASCII text.
std::string utf16le(const std::string& ascii, bool bom = true)
{
    std::string out = bom ? std::string("\xFF\xFE", 2) : std::string();
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

// A grade list of one entry for the first student of the example class,
// with `zusatzLength` as the length byte of its Zusatz and `name` as its Name.
std::string gradeList(unsigned char zusatzLength, const std::string& name)
{
    std::string e(464, '\0');
    const auto pstr = [&](std::size_t off, const std::string& v) {
        e[off] = static_cast<char>(v.size());
        e.replace(off + 1, v.size(), v);
    };
    pstr(20, name);
    pstr(419, "Deutsch");
    pstr(450, "2");
    e[452] = static_cast<char>(zusatzLength);
    std::string list(2, '\0');
    list[0] = 1;
    return list.append(e);
}

// A list announcing two entries that holds one.
std::string shortList()
{
    std::string list(2 + 464, 'x');
    list[0] = 2;
    list[1] = 0;
    return list;
}

struct Case {
    std::string what;
    std::string command;      // {K} stands for the class file, {D} for the folder
    std::string inputName;    // file written into the folder first ("" for none)
    std::string inputBytes;
    int exitCode;
    std::string message;      // part of the output
};

class InputRefusalCli : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("ruvek-refusal-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        klasse = dir / "K.RVK";
        fs::copy_file(fs::path(RUVEK_PROGRAM_DIR) / "examples" / "Beispielklasse.RVK", klasse);
        ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
        fs::create_directories(dir / "ordner");
    }
    void TearDown() override { fs::remove_all(dir); }

    ruvek::test::Output cli(std::string args)
    {
        for (const auto& [key, value] : {std::pair{"{K}", klasse.string()}, std::pair{"{D}", dir.string()}})
            for (std::size_t at; (at = args.find(key)) != std::string::npos;)
                args.replace(at, 3, "'" + value + "'");
        // A FIFO without a writer would block a reader that opens it blindly.
        return ruvek::test::run("timeout 20 " + ruvek::test::shellQuoted(RUVEK_CLI) + " " + args);
    }

    void check(const std::vector<Case>& table)
    {
        const auto before = bytesOf(klasse);
        for (const Case& c : table) {
            if (!c.inputName.empty())
                write(dir / c.inputName, c.inputBytes);
            const auto r = cli(c.command);
            EXPECT_EQ(r.exitCode, c.exitCode) << c.what << '\n' << r.text;
            EXPECT_NE(r.text.find(c.message), std::string::npos) << c.what << '\n' << r.text;
            EXPECT_EQ(bytesOf(klasse), before) << c.what;
        }
        // No backup copy, no temporary file beside the class.
        for (const auto& entry : fs::directory_iterator(dir))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".K.RVK")) << entry.path();
    }

    fs::path dir, klasse;
};

TEST_F(InputRefusalCli, ImportsRefuseWhatIsNoText)
{
    std::vector<Case> table;
    for (const std::string cmd : {"import-schueler", "import-noten"}) {
        const std::string c = cmd + " {K} ";
        table.insert(table.end(), {
            {cmd + " folder", c + "{D}/ordner", "", "", kUnreadable, "ist ein Ordner, keine Datei"},
            {cmd + " FIFO", c + "{D}/fifo", "", "", kUnreadable, "ist keine gewöhnliche Datei"},
            {cmd + " device", c + "/dev/zero", "", "", kUnreadable, "„/dev/zero“ ist keine gewöhnliche Datei"},
            {cmd + " NUL", c + "{D}/nul.txt", "nul.txt", std::string("Neu;Nina;01.02.1995\nAlt;A\0na\n", 27),
             kRefused, "Zeile 2, Feld 2: Die Datei enthält ein Zeichen, das in den Zeugnisdaten nicht stehen kann: NUL (Code 0)"},
            {cmd + " control character", c + "{D}/ctl.txt", "ctl.txt", "Neu;Nina\x01;01.02.1995\n", kRefused,
             "Zeile 1, Feld 2: Die Datei enthält ein Zeichen, das in den Zeugnisdaten nicht stehen kann: Steuerzeichen (Code 1)"},
            {cmd + " broken UTF-16", c + "{D}/odd.txt", "odd.txt", std::string("\xFF\xFE" "A\0B", 5), kUnreadable,
             "keine gültige UTF-16LE-Datei"},
        });
    }
    table.push_back({"birth date outside the mask", "import-schueler {K} {D}/datum.txt", "datum.txt",
                     "Neu;Nina;1995-02-01\n", kRefused, "Zeile 1, Geburtsdatum: „1995-02-01“ ist kein Datum der Form TT.MM.JJJJ"});
    table.push_back({"a tab separates fields", "import-noten {K} {D}/tab.txt", "tab.txt", "Niemand\tNina\n", kDone,
                     "Einen Datensatz für: Nina Niemand"});
    check(table);
}

TEST_F(InputRefusalCli, Utf16ImportTextIsConverted)
{
    for (const bool bom : {true, false}) {
        write(dir / "u16.txt", utf16le("Neu;Nina;01.02.1995;Stadt;w;7a\r\nNeu;Nils;  .  .19  ;;m;7a\r\n", bom));
        const auto r = cli("import-schueler {K} {D}/u16.txt");
        ASSERT_EQ(r.exitCode, kDone) << r.text;
        EXPECT_NE(r.text.find("UTF-16LE geschrieben und wurde umgewandelt"), std::string::npos) << r.text;
        EXPECT_NE(r.text.find("2 Schüler hinzugefügt"), std::string::npos) << r.text;
        const auto shown = cli("show {K}");
        EXPECT_NE(shown.text.find("\"Vorname\": \"Nina\""), std::string::npos);
        EXPECT_EQ(shown.text.find("\\u0000"), std::string::npos) << "no NUL reached a record";
    }
}

TEST_F(InputRefusalCli, GradeListImportRefusesBrokenLists)
{
    check({
        {"folder", "fdb-import {K} {D}/ordner", "", "", kUnreadable, "ist ein Ordner, keine Datei"},
        {"FIFO", "fdb-import {K} {D}/fifo", "", "", kUnreadable, "ist keine gewöhnliche Datei"},
        {"short", "fdb-import {K} {D}/kurz.FDB", "kurz.FDB", shortList(),
         kUnreadable, "kündigt 2 Einträge an"},
        {"length byte 0xFF", "fdb-import {K} {D}/ff.FDB", "ff.FDB", gradeList(0xFF, "Name"), kUnreadable,
         "Eintrag 1, Zusatz: Längenangabe 255 bei Platz für 2 Zeichen"},
        {"NUL in a name", "fdb-import {K} {D}/nul.FDB", "nul.FDB", gradeList(0, std::string("A\0b", 3)), kUnreadable,
         "Eintrag 1, Name: Zeichen, das nicht eingegeben werden kann: NUL (Code 0)"},
        {"control character in a name", "fdb-import {K} {D}/ctl.FDB", "ctl.FDB", gradeList(0, "A\x1b"), kUnreadable,
         "Steuerzeichen (Code 27)"},
    });
}

TEST_F(InputRefusalCli, SetRefusesWhatNoKeyboardTypes)
{
    std::vector<Case> table;
    for (const auto& [assignment, reason] : std::vector<std::pair<std::string, std::string>>{
             // The control characters stand raw inside the shell's quotes.
             {"'Klasse=7\x01" "a'", "Steuerzeichen (Code 1)"},
             {"'Fehltage=1\n2'", "Zeilenumbruch (Code 10)"},
             {"'Name=Alt\tNeu'", "Tabulator (Code 9)"},
             {"GebDatum=65536", "Ein Datum wird als TT.MM.JJJJ eingegeben"},
             {"GebDatum==", "Ein Datum wird als TT.MM.JJJJ eingegeben"},
             {"GebDatum=1.2.1995", "Ein Datum wird als TT.MM.JJJJ eingegeben"},
             {"ZgnDatum=01.02.2008x", "Ein Datum wird als TT.MM.JJJJ eingegeben"},
         })
        table.push_back({assignment, "set {K} --nr 1 " + assignment, "", "", kRefused, reason});
    const auto before = bytesOf(klasse);
    check(table);
    EXPECT_EQ(bytesOf(klasse), before);
    // What the date field's mask holds is taken.
    EXPECT_EQ(cli("set {K} --nr 1 'GebDatum=01.02.1995'").exitCode, kDone);
    EXPECT_EQ(cli("set {K} --nr 1 'ZgnDatum=  .  .2008'").exitCode, kDone);
}

TEST_F(InputRefusalCli, HelpListsTheExitCodes)
{
    const auto r = cli("--help");
    EXPECT_EQ(r.exitCode, kDone);
    for (const char* line : {"0  erledigt", "1  abgelehnt oder fehlgeschlagen", "2  Eingabe nicht lesbar",
                             "3  Klassendatei gesperrt"})
        EXPECT_NE(r.text.find(line), std::string::npos) << line;
}

} // namespace
