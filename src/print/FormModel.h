#pragma once
// One form control file opened for adjusting: its slots, the changes made
// since it was opened (undo and redo), and the save that keeps the replaced
// version. The form editor and the command line both work through it.
//
// Every change is checked first and refused whole with a German message
// when any part of it is not valid; a refused change leaves the slots as
// they were. Nothing is written until save().
#include "print/FstTable.h"
#include "print/SlotNames.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// The six values of a slot by their German names, as the command line and
// the editor's side panel call them.
enum class SlotField { X, Y, Align, Font, Page, Visible };
inline constexpr SlotField kSlotFields[] = {SlotField::X,    SlotField::Y,    SlotField::Align,
                                            SlotField::Font, SlotField::Page, SlotField::Visible};
const char* SlotFieldName(SlotField field); // "X", "Y", "Ausrichtung", "Schrift", "Seite", "Sichtbar"
std::optional<SlotField> SlotFieldByName(std::string_view name); // case does not matter
std::uint16_t& FieldOf(TFstSlot& slot, SlotField field);
std::uint16_t FieldOf(const TFstSlot& slot, SlotField field);
// "" when `value` may stand in the field, otherwise the German reason.
std::string CheckFieldValue(SlotField field, long long value);

// "links", "zentriert", "rechts" for an Align value.
const char* AlignText(std::uint16_t align);

class FormModel {
public:
    // Reads a form control file; nullopt with a German message in *error
    // when it cannot be read or is no form control file.
    static std::optional<FormModel> open(const std::filesystem::path& file, std::string* error);
    // A model over slots in memory (tests, the editor before a file is chosen).
    FormModel(std::filesystem::path file, std::string titleUtf8, const TFstTable& slots);

    const std::filesystem::path& file() const { return file_; }
    const std::string& title() const { return title_; }
    const TFstTable& table() const { return slots_; }
    const TFstSlot& slot(int index) const { return slots_.at(static_cast<std::size_t>(index)); }
    SlotFamily family() const { return family_; }
    // Whether the slots differ from the file as last read or saved.
    bool changed() const { return slots_ != saved_; }

    // Each returns "" when done, or the German reason why nothing changed.
    std::string setField(int index, SlotField field, long long value);
    std::string setSlot(int index, const TFstSlot& value);
    // Moves one slot by (dx, dy) in 0.1 mm.
    std::string moveSlot(int index, int dx, int dy);
    // Moves every slot of `page` whose numbers are a page position (the
    // slot-name table says which) by (dx, dy) in 0.1 mm; the page frame,
    // shared by both pages, stays. A printed slot that would leave the page
    // (a value below 0) refuses the whole move; a slot that is not printed
    // and cannot move that far stays where it is. `movedCount` receives the
    // number of slots moved.
    std::string movePage(int page, int dx, int dy, int* movedCount = nullptr);
    // Puts the slots of another file (the shipped form) in place, as one
    // change that can be undone.
    std::string replaceSlots(const TFstTable& slots);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();

    // Writes the file atomically; the version it replaces is kept in the
    // folder "Sicherungen" beside it. "" when saved.
    std::string save();

    // Where the file as shipped lies: the file of the same name in the
    // program folder when this one is a copy elsewhere, else the version
    // kept before the program first changed it. Empty when there is none.
    std::filesystem::path shippedFile(const std::filesystem::path& programFolder) const;
    // Loads the shipped state (as one change; save() writes it).
    std::string restoreShipped(const std::filesystem::path& programFolder);

private:
    std::string check(int index) const;
    void commit(const TFstTable& next);

    std::filesystem::path file_;
    std::string title_;
    SlotFamily family_;
    TFstTable slots_{};
    TFstTable saved_{};
    std::vector<TFstTable> undo_;
    std::vector<TFstTable> redo_;
};

// The name under which the state of a form file before its first change by
// this program is kept in "Sicherungen" ("Anl017 Auslieferung.FST").
std::filesystem::path ShippedKeepPath(const std::filesystem::path& file);

} // namespace ruvek
