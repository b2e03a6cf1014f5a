// The settings files: each is read from a program folder as at start-up;
// what was read is saved and read again, and must come back unchanged.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "settings/DrkEinst.h"
#include "settings/FachKatalog.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WPflFach.h"

namespace ruvek::fuzz {
namespace {

// Load from a folder holding only the input, save into another, load that:
// the two records must be byte-equal.
template <class Rec, class Defaults, class Load, class Save>
int roundTrip(const char* fileName, const std::uint8_t* data, std::size_t size, Defaults defaults, Load load,
              Save save)
{
    const auto program = freshFolder("program");
    const auto data_ = freshFolder("data");
    putFile(program, fileName, {data, size});
    SilentPrompter prompter;
    Rec rec;
    defaults(rec);
    if (!load(rec, program, data_, prompter))
        return 0;
    const auto saved = freshFolder("saved");
    check(save(rec, saved, prompter), "saving what was read");
    Rec again;
    defaults(again);
    check(load(again, saved, data_, prompter), "reading what was saved");
    check(toBytes(rec) == toBytes(again), "saved settings read back differently");
    return 0;
}

} // namespace

int schulEinst(const std::uint8_t* data, std::size_t size)
{
    return roundTrip<TSchulEinstRec>(kSchulEinstFile, data, size, SchulEinstDefaults, LoadSchulEinst, SaveSchulEinst);
}

int progEinst(const std::uint8_t* data, std::size_t size)
{
    return roundTrip<TProgEinstRec>("RVKEINST.DAT", data, size, ProgEinstDefaults, LoadProgEinst, SaveProgEinst);
}

int drkEinst(const std::uint8_t* data, std::size_t size)
{
    return roundTrip<TDrkEinstRec>(
        "DRKEINST.DAT", data, size, DrkEinstDefaults, LoadDrkEinst,
        [](const TDrkEinstRec& rec, const std::filesystem::path& folder, Prompter& prompter) {
            // Program and data folder are one, so the file lands there
            // whatever ZentralSpeichern says.
            return SaveDrkEinst(rec, folder, folder, prompter);
        });
}

int faecher(const std::uint8_t* data, std::size_t size)
{
    const auto program = freshFolder("program");
    const auto data_ = freshFolder("data");
    putFile(data_, "Faecher.DAT", {data, size});
    SilentPrompter prompter;
    TFachKatalog kat = defaultFachKatalog();
    if (!LoadFachKatalog(kat, data_, program, prompter))
        return 0;
    const TFachListen listen = buildFachListen(kat);
    for (const auto& name : listen.FaecherListe) {
        (void)IsForeignLanguage(kat, name);
        (void)IsReligionSubject(kat, name);
        for (int type = 0; type < kSchoolTypeCount; ++type)
            (void)IsLevelSubject(kat, name, schoolTypeFromStored(type));
    }
    for (int annex : {0, 1, 3, 8, 9, 14, 20, 24, 104, 127})
        for (int row = -1; row <= 30; ++row)
            (void)FachAnPosition(kat, annex, row);
    return 0;
}

int wpflFach(const std::uint8_t* data, std::size_t size)
{
    const auto program = freshFolder("program");
    const auto data_ = freshFolder("data");
    putFile(program, "WPflFach.DAT", {data, size});
    SilentPrompter prompter;
    TWPflFach list;
    WpflDefaults(list);
    if (LoadWPflFach(list, WpflFolders{program, data_, 1}, prompter) != WpflLoadResult::Loaded)
        return 0;
    (void)BuildWahlpflichtListe(list);
    const auto saved = freshFolder("saved");
    check(SaveWPflFach(list, WpflFolders{saved, data_, 1}, prompter), "saving the elective list");
    TWPflFach again;
    WpflDefaults(again);
    check(LoadWPflFach(again, WpflFolders{saved, data_, 1}, prompter) == WpflLoadResult::Loaded,
          "reading the saved elective list");
    check(WPflFachImage(list) == WPflFachImage(again), "saved elective list read back differently");
    return 0;
}

} // namespace ruvek::fuzz
