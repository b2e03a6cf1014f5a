#pragma once
// The live reactions of the head selectors of the record editor, as plain
// functions over a set of visibility flags, so the view only has to apply
// them to its widgets.
#include "common/DomainValues.h"

namespace ruvek {

// Visibility of the head controls that the certificate-type selector
// (ComboBox41) and the qualification selector (RadioGroup1) switch. Each
// flag is named after its control.
struct HeadVisibility {
    bool GroupBox3 = true;   // "für Übergangs-Zeugnis"
    bool Label45 = true;     // "Jahrgangsstufe "
    bool Edit68 = true;
    bool Label71 = true;     // predicate pair
    bool ComboBox44 = true;
    bool RadioGroup1 = true; // qualification pair
    bool BitBtn19 = true;
    bool GroupBox6 = true;   // "Prüfungsdaten"
    bool GroupBox8 = true;   // "Fehlzeiten"
    bool Memo2 = true;       // report text with its label and button
    bool Label32 = true;
    bool BitBtn13 = true;
    bool operator==(const HeadVisibility&) const = default;
};

// ComboBox41Change: the certificate type zgnTyp was chosen.
// Shows and hides the controls for that type and school type, then applies
// RadioGroup1Click. Controls the table leaves alone keep their state from
// `current`. radioGroup1 is the index RadioGroup1 stands on.
HeadVisibility ComboBox41Change(const HeadVisibility& current, CertificateType zgnTyp, SchoolType schultyp,
                                int radioGroup1);

// RadioGroup1Click: the predicate pair is visible exactly when the
// qualification is "Mittlere Reife (RS)" (2) or the certificate type is 5.
HeadVisibility RadioGroup1Click(const HeadVisibility& current, int radioGroup1, CertificateType zgnTyp);

// ComboBox42Change: with the certificate type on 0, the examination data
// group becomes visible; otherwise nothing changes.
HeadVisibility ComboBox42Change(const HeadVisibility& current, CertificateType zgnTyp);

} // namespace ruvek
