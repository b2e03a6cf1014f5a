#include "print/FormModel.h"

#include "common/InputFile.h"
#include "common/KeptVersions.h"
#include "common/SafeFile.h"
#include "print/FormFile.h"

#include <algorithm>
#include <cctype>

namespace ruvek {
namespace fs = std::filesystem;

namespace {

// A form control file is about 10 KB; a generous limit still refuses
// anything that cannot be one.
constexpr std::uintmax_t kFormFileLimit = 1 << 20;

std::string slotRangeError(int index)
{
    return "Die Feldnummer " + std::to_string(index) + " gibt es nicht (erlaubt sind 0 bis " +
           std::to_string(kFstSlotCount - 1) + ").";
}

} // namespace

const char* SlotFieldName(SlotField field)
{
    switch (field) {
    case SlotField::X:
        return "X";
    case SlotField::Y:
        return "Y";
    case SlotField::Align:
        return "Ausrichtung";
    case SlotField::Font:
        return "Schrift";
    case SlotField::Page:
        return "Seite";
    case SlotField::Visible:
        break;
    }
    return "Sichtbar";
}

std::optional<SlotField> SlotFieldByName(std::string_view name)
{
    auto lower = [](std::string_view s) {
        std::string out(s);
        std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
        return out;
    };
    for (const SlotField f : kSlotFields)
        if (lower(SlotFieldName(f)) == lower(name))
            return f;
    return std::nullopt;
}

std::uint16_t& FieldOf(TFstSlot& slot, SlotField field)
{
    switch (field) {
    case SlotField::X:
        return slot.X;
    case SlotField::Y:
        return slot.Y;
    case SlotField::Align:
        return slot.Align;
    case SlotField::Font:
        return slot.Font;
    case SlotField::Page:
        return slot.Page;
    case SlotField::Visible:
        break;
    }
    return slot.Visible;
}

std::uint16_t FieldOf(const TFstSlot& slot, SlotField field) { return FieldOf(const_cast<TFstSlot&>(slot), field); }

std::string CheckFieldValue(SlotField field, long long value)
{
    const std::string name = SlotFieldName(field);
    auto range = [&](long long lo, long long hi, const std::string& hint) -> std::string {
        if (value >= lo && value <= hi)
            return {};
        return "Der Wert " + std::to_string(value) + " ist für " + name + " nicht erlaubt (" + hint + ").";
    };
    switch (field) {
    case SlotField::X:
    case SlotField::Y:
        return range(0, 65535, "0 bis 65535, in 1/10 mm");
    case SlotField::Align:
        return range(0, 2, "0 = links, 1 = zentriert, 2 = rechts");
    case SlotField::Font:
        return range(0, 65535, "Schrift 1 bis 50, beim Rahmen die Rahmenart");
    case SlotField::Page:
        return range(0, 3, "1 oder 2, beim Rahmen 3 = beide Seiten");
    case SlotField::Visible:
        break;
    }
    return range(0, 1, "0 = nicht drucken, 1 = drucken");
}

const char* AlignText(std::uint16_t align)
{
    return align == 1 ? "zentriert" : align == 2 ? "rechts" : "links";
}

fs::path ShippedKeepPath(const fs::path& file)
{
    return file.parent_path() / kKeptVersionsFolder / (file.stem().string() + " Auslieferung" + file.extension().string());
}

std::optional<FormModel> FormModel::open(const fs::path& file, std::string* error)
{
    const InputFile in = readInputFile(file, kFormFileLimit);
    if (!in) {
        if (error)
            *error = in.message;
        return std::nullopt;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(in.bytes.data()), in.bytes.size());
    const FormFileParseResult parsed = ParseFormFile(bytes, TFstTable{});
    if (parsed.error) {
        if (error)
            *error = "Die Datei " + file.filename().string() + " ist keine Formular-Steuerdatei: in Zeile " +
                     std::to_string(parsed.error->line) +
                     (parsed.error->endOfFile ? " endet die Datei" : " steht keine Zahl") + ".";
        return std::nullopt;
    }
    return FormModel(file, parsed.content.title, parsed.content.slots);
}

FormModel::FormModel(fs::path file, std::string titleUtf8, const TFstTable& slots)
    : file_(std::move(file)), title_(std::move(titleUtf8)), family_(SlotFamilyOfFile(file_.filename().string())),
      slots_(slots), saved_(slots)
{
}

std::string FormModel::check(int index) const
{
    if (index < 0 || index >= static_cast<int>(kFstSlotCount))
        return slotRangeError(index);
    return {};
}

void FormModel::commit(const TFstTable& next)
{
    if (next == slots_)
        return;
    undo_.push_back(slots_);
    redo_.clear();
    slots_ = next;
}

std::string FormModel::setField(int index, SlotField field, long long value)
{
    if (std::string e = check(index); !e.empty())
        return e;
    if (std::string e = CheckFieldValue(field, value); !e.empty())
        return e;
    TFstTable next = slots_;
    FieldOf(next[static_cast<std::size_t>(index)], field) = static_cast<std::uint16_t>(value);
    commit(next);
    return {};
}

std::string FormModel::setSlot(int index, const TFstSlot& value)
{
    if (std::string e = check(index); !e.empty())
        return e;
    for (const SlotField f : kSlotFields)
        if (std::string e = CheckFieldValue(f, FieldOf(value, f)); !e.empty())
            return e;
    TFstTable next = slots_;
    next[static_cast<std::size_t>(index)] = value;
    commit(next);
    return {};
}

std::string FormModel::moveSlot(int index, int dx, int dy)
{
    if (std::string e = check(index); !e.empty())
        return e;
    const TFstSlot& s = slots_[static_cast<std::size_t>(index)];
    const long long x = static_cast<long long>(s.X) + dx;
    const long long y = static_cast<long long>(s.Y) + dy;
    if (x < 0 || y < 0 || x > 65535 || y > 65535)
        return "Das Feld " + std::to_string(index) + " lässt sich nicht weiter verschieben: es stünde außerhalb der Seite.";
    TFstTable next = slots_;
    next[static_cast<std::size_t>(index)].X = static_cast<std::uint16_t>(x);
    next[static_cast<std::size_t>(index)].Y = static_cast<std::uint16_t>(y);
    commit(next);
    return {};
}

std::string FormModel::movePage(int page, int dx, int dy, int* movedCount)
{
    if (movedCount)
        *movedCount = 0;
    if (page != 1 && page != 2)
        return "Die Seite " + std::to_string(page) + " gibt es nicht (1 oder 2).";
    TFstTable next = slots_;
    int moved = 0;
    for (std::size_t i = 0; i < kFstSlotCount; ++i) {
        const int index = static_cast<int>(i);
        const SlotUse use = SlotInfoOf(index, family_).use;
        if ((use != SlotUse::Position && use != SlotUse::RuleStart) || slots_[i].Page != page)
            continue;
        TFstSlot& s = next[i];
        const bool rule = use == SlotUse::RuleStart;
        if (rule && s.X == 0)
            continue; // the rule starts at its text, which moves with its own slot
        const long long x = static_cast<long long>(s.X) + dx;
        const long long y = static_cast<long long>(s.Y) + (rule ? 0 : dy);
        if (x < 0 || y < 0 || x > 65535 || y > 65535) {
            if (s.Visible != 1)
                continue;
            return "Die Seite lässt sich nicht so weit verschieben: Feld " + std::to_string(index) + " (" +
                   SlotInfoOf(index, family_).name + ") stünde außerhalb der Seite.";
        }
        s.X = static_cast<std::uint16_t>(x);
        s.Y = static_cast<std::uint16_t>(y);
        ++moved;
    }
    commit(next);
    if (movedCount)
        *movedCount = moved;
    return {};
}

std::string FormModel::replaceSlots(const TFstTable& slots)
{
    commit(slots);
    return {};
}

void FormModel::undo()
{
    if (undo_.empty())
        return;
    redo_.push_back(slots_);
    slots_ = undo_.back();
    undo_.pop_back();
}

void FormModel::redo()
{
    if (redo_.empty())
        return;
    undo_.push_back(slots_);
    slots_ = redo_.back();
    redo_.pop_back();
}

std::string FormModel::save()
{
    std::error_code ec;
    if (isWriteProtected(file_))
        return writeProtectedText(file_);
    // The state before the program first changes a file is kept once, so
    // that the shipped state can be restored even where no other copy is.
    const fs::path shipped = ShippedKeepPath(file_);
    if (fs::is_regular_file(file_, ec) && !fs::exists(shipped, ec)) {
        std::vector<std::uint8_t> bytes;
        fs::create_directories(shipped.parent_path(), ec);
        std::string why;
        if (!readWholeFile(file_, bytes) || !writeFileSafely(shipped, bytes, &why))
            return "Der bisherige Zustand von " + file_.filename().string() +
                   " konnte nicht im Ordner \"Sicherungen\" aufbewahrt werden. " + why;
    }
    std::string error;
    if (!keepFileVersion(file_, 10, &error))
        return error + " Die Datei wurde nicht gespeichert.";
    if (!WriteFormFile(file_, title_, slots_, &error))
        return "Die Formular-Steuerdatei " + file_.filename().string() + " konnte nicht gespeichert werden: " + error;
    saved_ = slots_;
    return {};
}

fs::path FormModel::shippedFile(const fs::path& programFolder) const
{
    std::error_code ec;
    const fs::path inProgram = programFolder / file_.filename();
    if (!fs::equivalent(inProgram, file_, ec) && fs::is_regular_file(inProgram, ec))
        return inProgram;
    const fs::path kept = ShippedKeepPath(file_);
    if (fs::is_regular_file(kept, ec))
        return kept;
    return {};
}

std::string FormModel::restoreShipped(const fs::path& programFolder)
{
    const fs::path source = shippedFile(programFolder);
    if (source.empty())
        return "Für " + file_.filename().string() + " ist kein Auslieferungszustand vorhanden.";
    std::string error;
    const std::optional<FormModel> shipped = open(source, &error);
    if (!shipped)
        return error;
    commit(shipped->table());
    return {};
}

} // namespace ruvek
