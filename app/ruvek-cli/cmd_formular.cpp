// ruvek-cli formular zeigen|setzen|verschieben DATEI.FST ...: a form control
// file as a table of its slots, changes of single slots, and the move of
// all positions of one page. Changes are checked whole before anything is
// written; the file is then written atomically and the version it replaces
// is kept in "Sicherungen" beside it.
#include "CliText.h"
#include "Commands.h"

#include "print/FormModel.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>

namespace {

using ruvek::FormModel;
using ruvek::SlotField;

int usage()
{
    std::cerr << "Aufruf:\n"
                 "  ruvek-cli formular zeigen DATEI.FST\n"
                 "  ruvek-cli formular setzen DATEI.FST FELD X=… Y=… Ausrichtung=… Schrift=… Seite=… Sichtbar=0|1\n"
                 "  ruvek-cli formular verschieben DATEI.FST --seite 1|2 --dx N --dy N   (N in 1/10 mm)\n";
    return exitcode::kUnreadable;
}

bool parseNumber(const std::string& text, long long& out)
{
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [stop, ec] = std::from_chars(begin, end, out);
    return begin != end && ec == std::errc() && stop == end;
}

std::optional<FormModel> open(const std::string& file)
{
    std::string error;
    std::optional<FormModel> model = FormModel::open(file, &error);
    if (!model)
        std::cerr << "Fehler: " << escapeControls(error) << '\n';
    return model;
}

int save(FormModel& model)
{
    if (const std::string error = model.save(); !error.empty()) {
        std::cerr << "Fehler: " << escapeControls(error) << '\n';
        return exitcode::kRefused;
    }
    std::cout << "Gespeichert: " << escapeControls(model.file().string())
              << " (die bisherige Fassung liegt im Ordner \"Sicherungen\")\n";
    return exitcode::kDone;
}

int show(const CliArgs& args)
{
    if (args.size() != 2)
        return usage();
    const std::optional<FormModel> model = open(args[1]);
    if (!model)
        return exitcode::kUnreadable;
    std::cout << "Formular: " << escapeControls(model->title()) << '\n';
    std::printf("%-5s %-44s %-12s %6s %6s %-11s %-8s %5s %8s\n", "Feld", "Name", "Art", "X", "Y", "Ausrichtung",
                "Schrift", "Seite", "Sichtbar");
    std::fflush(stdout);
    for (int i = 0; i < static_cast<int>(ruvek::kFstSlotCount); ++i) {
        const ruvek::TFstSlot& s = model->slot(i);
        const ruvek::SlotInfo info = ruvek::SlotInfoOf(i, model->family());
        // Column widths count characters, not the bytes of the German letters.
        std::string name = info.name;
        int chars = 0;
        for (const unsigned char c : name)
            chars += (c & 0xC0) != 0x80;
        name.append(static_cast<std::size_t>(std::max(0, 44 - chars)), ' ');
        std::string use = ruvek::SlotUseText(info.use);
        int useChars = 0;
        for (const unsigned char c : use)
            useChars += (c & 0xC0) != 0x80;
        use.append(static_cast<std::size_t>(std::max(0, 12 - useChars)), ' ');
        char line[160];
        std::snprintf(line, sizeof line, "%6u %6u %-11s %-8u %5u %8u", s.X, s.Y,
                      (std::to_string(s.Align) + " " + ruvek::AlignText(s.Align)).c_str(), s.Font, s.Page, s.Visible);
        char number[8];
        std::snprintf(number, sizeof number, "%-5d", i);
        std::cout << number << ' ' << name << ' ' << use << ' ' << line << '\n';
    }
    return exitcode::kDone;
}

int set(const CliArgs& args)
{
    if (args.size() < 4)
        return usage();
    std::optional<FormModel> model = open(args[1]);
    if (!model)
        return exitcode::kUnreadable;
    long long slot = 0;
    if (!parseNumber(args[2], slot) || slot < 0 || slot >= static_cast<long long>(ruvek::kFstSlotCount)) {
        std::cerr << "Fehler: Die Feldnummer " << escapeControls(args[2])
                  << " gibt es nicht (erlaubt sind 0 bis 140). Die Datei bleibt unverändert.\n";
        return exitcode::kRefused;
    }
    for (std::size_t i = 3; i < args.size(); ++i) {
        const std::size_t eq = args[i].find('=');
        const std::optional<SlotField> field =
            eq == std::string::npos ? std::nullopt : ruvek::SlotFieldByName(args[i].substr(0, eq));
        if (!field) {
            std::cerr << "Fehler: " << escapeControls(args[i])
                      << " ist keine Angabe der Form X=…, Y=…, Ausrichtung=…, Schrift=…, Seite=… oder Sichtbar=…. "
                         "Die Datei bleibt unverändert.\n";
            return exitcode::kRefused;
        }
        long long value = 0;
        if (!parseNumber(args[i].substr(eq + 1), value)) {
            std::cerr << "Fehler: " << escapeControls(args[i].substr(eq + 1)) << " ist keine ganze Zahl (" <<
                ruvek::SlotFieldName(*field) << "). Die Datei bleibt unverändert.\n";
            return exitcode::kRefused;
        }
        if (const std::string error = model->setField(static_cast<int>(slot), *field, value); !error.empty()) {
            std::cerr << "Fehler: " << escapeControls(error) << " Die Datei bleibt unverändert.\n";
            return exitcode::kRefused;
        }
    }
    if (!model->changed()) {
        std::cout << "Keine Änderung: " << escapeControls(model->file().string()) << '\n';
        return exitcode::kDone;
    }
    return save(*model);
}

int move(const CliArgs& args)
{
    if (args.size() < 2)
        return usage();
    long long page = 0, dx = 0, dy = 0;
    bool havePage = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        long long* target = args[i] == "--seite" ? &page : args[i] == "--dx" ? &dx : args[i] == "--dy" ? &dy : nullptr;
        if (!target || i + 1 >= args.size())
            return usage();
        if (!parseNumber(args[i + 1], *target) || *target < -65535 || *target > 65535) {
            std::cerr << "Fehler: " << escapeControls(args[i]) << " erwartet eine ganze Zahl: "
                      << escapeControls(args[i + 1]) << ". Die Datei bleibt unverändert.\n";
            return exitcode::kRefused;
        }
        havePage = havePage || target == &page;
        ++i;
    }
    if (!havePage)
        return usage();
    std::optional<FormModel> model = open(args[1]);
    if (!model)
        return exitcode::kUnreadable;
    int moved = 0;
    if (const std::string error =
            model->movePage(static_cast<int>(page), static_cast<int>(dx), static_cast<int>(dy), &moved);
        !error.empty()) {
        std::cerr << "Fehler: " << escapeControls(error) << " Die Datei bleibt unverändert.\n";
        return exitcode::kRefused;
    }
    std::cout << moved << " Felder der Seite " << page << " verschoben.\n";
    if (!model->changed())
        return exitcode::kDone;
    return save(*model);
}

} // namespace

int cmdFormular(const CliArgs& args, CliContext&)
{
    if (args.empty())
        return usage();
    if (args[0] == "zeigen")
        return show(args);
    if (args[0] == "setzen")
        return set(args);
    if (args[0] == "verschieben")
        return move(args);
    return usage();
}
