#pragma once
// What each slot of a form control file holds, in German words, and how its
// numbers are to be read: most slots place an element on the page (X/Y are a
// position right of and below the page origin), some give an offset from
// another slot, a size, or numbers with a meaning of their own (the line
// count and line spacing of a free-text block). The form editor, the
// command line and the page move all read this one table; a move of a page
// shifts exactly the slots whose numbers are a position.
//
// A slot index means the same on every certificate form, with a few
// exceptions on the receipt acknowledgement, the learning-development sheet
// and the Gymnasium examination certificate; the table names those per form
// family.
#include "print/FstTable.h"

#include <string>
#include <string_view>

namespace ruvek {

// How X and Y of a slot are read.
enum class SlotUse {
    Position,   // a page position: moves with the page
    Frame,      // a corner of the page frame, which is the page area of both pages: stays when a page moves
    RuleStart,  // X: where a rule starts on the page when not 0 (0: at the text); moves when set
    Offset,     // X (and Y) are distances from another slot: move with that slot
    Size,       // X/Y are a width and a height
    Parameters, // the numbers mean something else (line count, spacing, row pitch)
    Unused,     // no layout draws this slot
};

// The families of forms whose slots differ.
enum class SlotFamily { Certificate, Examination, Receipt, Report };

// The family of a form file by its name (case does not matter): "Anl041",
// "Anl043", "Anl143" the receipt, "Anl170" the report, "Anl024" the
// Gymnasium examination; every other the certificates.
SlotFamily SlotFamilyOfFile(std::string_view fileName);

// The annex code a form file is drawn for ("Anl017_1031.FST" 17,
// "Anl04a.FST" 104, the receipt forms 41, "Anl170.FST" 170); 0 when the
// name is none of the program's forms.
int AnnexCodeOfFormFile(std::string_view fileName);

struct SlotInfo {
    const char* name = "frei"; // UTF-8, German
    SlotUse use = SlotUse::Unused;
    // What the numbers of a slot that is not a position mean (UTF-8), e.g.
    // "X = Zeilenzahl, Y = Zeilenabstand, Schrift = Zeichen je Zeile".
    const char* numbers = "";
};

SlotInfo SlotInfoOf(int slot, SlotFamily family);

// Whether X and Y of the slot are a page position that a move of its page
// shifts (Position always, RuleStart only its X and only when it is set).
bool SlotMovesWithPage(int slot, SlotFamily family);

// The German word for a use ("Position", "Abstand", "Größe", "Zahlen", "frei").
const char* SlotUseText(SlotUse use);

} // namespace ruvek
