#include "editor/FieldBindings.h"

#include <algorithm>
#include <vector>

namespace ruvek::editor {
namespace {

using C = ControlId;
using S = ShowRule;
using T = StoreRule;

constexpr FieldBinding rec(C c, std::string_view field, S show, T store, int capacity = 0)
{
    return {c, field, 0, show, store, capacity, false};
}
constexpr FieldBinding shown(C c, std::string_view field, S show) { return rec(c, field, show, T::None); }
constexpr FieldBinding text(C c, std::string_view field, int capacity) { return rec(c, field, S::Text, T::Text, capacity); }
constexpr FieldBinding indexed(C c, std::string_view field) { return rec(c, field, S::Index, T::Index); }
constexpr FieldBinding check(C c, std::string_view field) { return rec(c, field, S::Checked1, T::Check01); }

// Personal, head and foot data and the texts, in store order.
constexpr FieldBinding kRecordRows[] = {
    // mirrors outside the pages; Edit1/Edit2 store before Edit5/Edit6
    text(C::Edit1, "Name", 30),
    text(C::Edit2, "Vorname", 30),
    shown(C::Edit3, "Klasse", S::Text),
    shown(C::Edit4, "KlLehrer", S::Text),
    shown(C::Edit12, "", S::RecordNumber),
    shown(C::Edit13, "", S::RecordCount),
    shown(C::CheckBox2, "Status", S::DeletedState),
    // page "Zeugnis-Kopf"
    text(C::Edit5, "Name", 30),
    text(C::Edit6, "Vorname", 30),
    text(C::MaskEdit2, "GebDatum", 10),
    check(C::CheckBox1, "Weiblich"),
    shown(C::Edit11, "SchlNr", S::Decimal),
    rec(C::ComboBox41, "ZgnTyp", S::IndexThenTypeChange, T::Index),
    check(C::CheckBox6, "Halbjahr1"),
    rec(C::Edit63, "SjBeginn", S::TextThenYearCheck, T::Text, 4),
    shown(C::Edit64, "SjBeginn", S::SchoolYearEnd),
    text(C::Edit65, "Klasse", 5),
    text(C::Edit66, "KlLehrer", 5),
    text(C::Edit67, "NeueSchule", 30),
    text(C::Edit68, "Jahrgang", 2),
    indexed(C::ComboBox42, "Klassenstufe"),
    indexed(C::ComboBox44, "Praedikat"),
    indexed(C::RadioGroup1, "AbschlArt"),
    shown(C::ComboBox45, "Ebene", S::Index),
    indexed(C::RadioGroup2, "Klassenart"),
    shown(C::Edit7, "Anlage", S::AnnexDisplay),
    // page "Fächer u. Bewertungen", outside the rows
    indexed(C::ComboBox43, "Ebene"),
    check(C::CheckBox5, "UePruefung"),
    rec(C::ComboBox38, "PrFach", S::EntryByName, T::Text, 5),
    shown(C::Edit75, "PrFach", S::ExamSubjectGrade),
    check(C::CheckBox4, "Bestanden"),
    shown(C::Edit8, "Anlage", S::AnnexDisplay),
    shown(C::Edit9, "AnlageAlt", S::Decimal),
    shown(C::Edit14, "AnlageFaecher", S::Decimal),
    // page "(Wahlpfl. u.) Zeugnis-Fuß", outside the rows
    check(C::CheckBox3, "NichtDrucken"),
    text(C::Edit69, "ZgnOrt", 30),
    text(C::MaskEdit4, "ZgnDatum", 20),
    text(C::Edit72, "Fehltage", 5),
    text(C::Edit74, "FehltageE", 5),
    // pages "Text-Bereich" and "Vermerke"
    rec(C::Memo2, "LEBText", S::MemoText, T::MemoText, 2000),
    rec(C::Memo4, "FLInfo", S::MemoText, T::MemoText, 2000),
    rec(C::Memo3, "Vermerke", S::MemoText, T::MemoText, 500),
    indexed(C::RadioGroup4, "Empfehlung"),
};

FieldBinding slotRow(C c, int slot, std::string_view field, S show, T store, int capacity, bool onlyVisible)
{
    return {c, field, slot, show, store, capacity, onlyVisible};
}

// Subject slots: rows 1..18, W1..W6 (slots 19..24), slot 25.
void appendSlotRows(std::vector<FieldBinding>& rows)
{
    for (int k = 1; k <= 18; ++k) {
        rows.push_back(slotRow(labelF(k), k, "Fach", S::CaptionWithHint, T::None, 0, false));
        if (const auto selector = subjectSelector(k))
            rows.push_back(slotRow(*selector, k, "Fach", S::EntryByName, T::Text, 30, true));
        rows.push_back(slotRow(editF(k), k, "Note", S::Text, T::GradeEntry, 1, false));
        rows.push_back(slotRow(editFZ(k), k, "Zusatz", S::Text, T::Text, 2, false));
        rows.push_back(slotRow(levelSelector(k), k, "Niveau", S::EntryByName, T::Text, 1, true));
    }
    for (int w = 1; w <= 6; ++w) {
        const int k = 18 + w;
        rows.push_back(slotRow(comboBoxW(w), k, "Fach", S::EntryByNameWithHint, T::Text, 30, true));
        rows.push_back(slotRow(editW(w), k, "Note", S::Text, T::GradeEntry, 1, false));
        rows.push_back(slotRow(editWZ(w), k, "Zusatz", S::Text, T::Text, 2, false));
        rows.push_back(slotRow(levelSelector(k), k, "Niveau", S::EntryByName, T::Text, 1, true));
    }
    rows.push_back(slotRow(C::EditW, 25, "Note", S::Text, T::GradeEntry, 1, false));
    rows.push_back(slotRow(C::EditWZ, 25, "Zusatz", S::Text, T::Text, 2, false));
}

const std::vector<FieldBinding>& table()
{
    static const std::vector<FieldBinding> rows = [] {
        std::vector<FieldBinding> r(std::begin(kRecordRows), std::end(kRecordRows));
        appendSlotRows(r);
        return r;
    }();
    return rows;
}

} // namespace

std::span<const FieldBinding> FieldBindings() { return table(); }

const FieldBinding* FindBinding(ControlId control)
{
    const auto& rows = table();
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const FieldBinding& b) { return b.control == control; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace ruvek::editor
