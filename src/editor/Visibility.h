#pragma once
// Which controls of the editor are visible for the annex a record's subject
// slots are laid out for (AnlageFaecher), and which subject list each row
// selector offers. Show sets this after every record it shows; the live
// handlers of the head selectors may change some of it until the next show.
//
// The rules are data (Visibility.cpp): control groups with the annex codes
// that show them, and one row per subject row with the codes of its label,
// of its selector per subject list, and of its level selector. Two rules
// apply across the tables:
// - Intermediate certificates (codes above 43 other than 104) show every
//   control the rules decide, except Label17, the elective level selectors
//   and the labels of the rows with a subject selector; those rows show
//   their selector instead (row 2 with list A, the others with list C).
// - A row's grade field is shown wherever its label or its selector is; the
//   addition fields and the "Zusatz"/"Zus." captions need, in addition, the
//   program setting ZeigeZusatz.
// A record without a decided form (annex 0 or -1) shows exactly the controls
// whose rule reads "all except ...".
#include "common/DomainValues.h"
#include "editor/EditorControls.h"

namespace ruvek::editor {

// The three subject lists of the subject catalogue a row selector can offer.
enum class SubjectList { None, A, B, C };

// Codes above 43 other than 104: the intermediate certificates.
constexpr bool IsIntermediateAnnex(int code) { return code > 43 && code != annex::Orientierung; }

struct VisibilityInput {
    int anlageFaecher = 0;  // annex the slots are laid out for
    CertificateType zgnTyp = CertificateType::NichtGewaehlt;
    SchoolType schoolType = SchoolType::NichtAusgewaehlt;
    bool zeigeZusatz = false; // program setting ZeigeZusatz is 1
};

// The visible controls among AnnexDecidedControls(). Controls outside that
// set are not reported visible; their visibility is decided elsewhere (or
// they are always visible).
ControlSet VisibleControls(const VisibilityInput& in);

// The controls whose visibility VisibleControls decides.
ControlSet AnnexDecidedControls();

// The list the selector of subject row k (1..18) offers; None when the row
// selector is hidden (or the row has none).
SubjectList SelectorList(int k, int anlageFaecher);

} // namespace ruvek::editor
