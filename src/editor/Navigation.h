#pragma once
// Moving between records: the four navigation buttons ("| <", "<", ">",
// "> |"), a click in the student list, and the index a show may use. Each
// function only decides; the editor then stores (when told to), sets the
// current index, enables or disables the button pairs, and shows.
#include "classfile/ZgnRec.h"
#include "editor/StudentList.h"

#include <optional>
#include <span>

namespace ruvek::editor {

enum class NavCommand { First, Previous, Next, Last };

struct NavOutcome {
    bool storeFirst = false;  // store the form before moving
    int current = 0;          // the current index afterwards
    // New state of the button pairs "| <"/"<" (back) and ">"/"> |"
    // (forward); nullopt leaves the pair as it is.
    std::optional<bool> backEnabled;
    std::optional<bool> forwardEnabled;
    bool operator==(const NavOutcome&) const = default;
};

// With showDeleted every record is a stop; otherwise only active records
// (Status 1) are. "<" and ">" store before they move and disable their own
// pair when there is nowhere to go. "| <" and "> |" store first as well: in
// the mode with deleted records hidden they always store, since the record is
// shown again even when it stays current and would otherwise lose what was
// typed. `records` must not be empty.
NavOutcome Navigate(NavCommand cmd, std::span<const TZgnRec> records, int current, bool showDeleted);

// A click on the student list (after the form has been stored): the record
// that becomes current. With showDeleted the clicked entry is the record
// index (no entry clicked: record 0). Otherwise the search starts at the
// current record and runs towards the click - backwards when the clicked
// entry lies above the remembered list position, else forwards - for an
// active record whose entry text equals the clicked one; none found: the
// current record stays.
int ListClickTarget(std::span<const TZgnRec> records, int current, const StudentList& list,
                    std::optional<int> clicked, int rememberedListPosition, bool showDeleted);

// The record a show may fill the form from: nullopt for an empty class,
// otherwise the current index brought into 0..count-1. The show checks this
// before it reads the record, and continues with the index returned.
std::optional<int> ShowIndex(int current, int count);

} // namespace ruvek::editor
