#include "editor/EditorForm.h"

#include "common/Cp1252.h"
#include "common/DateText.h"
#include "editor/FieldBindings.h"
#include "editor/SpokenNames.h"
#include "editor/Visibility.h"
#include "forms/AnnexCatalogue.h"
#include "grades/Annex.h"
#include "grades/GradeNotation.h"
#include "grades/SlotAdapt.h"
#include "settings/Installation.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <type_traits>

namespace ruvek::editor {
namespace {

using C = ControlId;

std::vector<std::string> cp1252Items(std::initializer_list<const char*> utf8)
{
    std::vector<std::string> items;
    for (const char* s : utf8)
        items.push_back(utf8ToCp1252(s));
    return items;
}

// ---- Record fields by name ----
// A field is reached through visitFields, so the binding table can name it.

template <class T>
concept TextField = requires(const T& f) { f.view(); };

template <class Rec, class F>
void withField(Rec& rec, std::string_view name, F&& f)
{
    visitFields(rec, [&](const char* n, std::size_t, auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (TextField<Field> || std::is_integral_v<Field>)
            if (n != nullptr && name == n)
                f(field);
    });
}

template <class F>
void withBoundField(const TZgnRec& rec, const FieldBinding& b, F&& f)
{
    if (b.slot > 0)
        withField(rec.slot(b.slot), b.field, f);
    else
        withField(rec, b.field, f);
}

template <class F>
void withBoundField(TZgnRec& rec, const FieldBinding& b, F&& f)
{
    if (b.slot > 0)
        withField(rec.slot(b.slot), b.field, f);
    else
        withField(rec, b.field, f);
}

std::string fieldText(const TZgnRec& rec, const FieldBinding& b)
{
    std::string out;
    withBoundField(rec, b, [&](const auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (TextField<Field>)
            out = std::string(field.view());
        else
            out = std::to_string(field);
    });
    return out;
}

long fieldInt(const TZgnRec& rec, const FieldBinding& b)
{
    long out = 0;
    withBoundField(rec, b, [&](const auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_integral_v<Field>)
            out = field;
    });
    return out;
}

void setFieldText(TZgnRec& rec, const FieldBinding& b, std::string_view text)
{
    withBoundField(rec, b, [&](auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (TextField<Field>)
            field = text;
    });
}

void setFieldInt(TZgnRec& rec, const FieldBinding& b, long value)
{
    withBoundField(rec, b, [&](auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_integral_v<Field>)
            field = static_cast<Field>(value);
    });
}

// ---- Entries ----

std::optional<int> entryIndex(const std::vector<std::string>& items, std::string_view text)
{
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end())
        return std::nullopt;
    return static_cast<int>(it - items.begin());
}

const std::vector<std::string>& subjectList(SubjectList list, const ShowContext& context)
{
    static const std::vector<std::string> none;
    switch (list) {
    case SubjectList::A: return context.lists.FremdsprachenListe;
    case SubjectList::B: return context.lists.ReligionsListe;
    case SubjectList::C: return context.lists.FaecherListe;
    case SubjectList::None: break;
    }
    return none;
}

// The list a row selector has when the visibility gives it none: the one it
// got when the window was first shown.
SubjectList startupList(int k)
{
    switch (k) {
    case 2:
    case 3: return SubjectList::A;
    case 4:
    case 6: return SubjectList::B;
    default: return SubjectList::C;
    }
}

std::optional<int> selectorRow(ControlId control)
{
    for (int k = 1; k <= 18; ++k)
        if (subjectSelector(k) == control)
            return k;
    return std::nullopt;
}

bool isLevelSelector(ControlId control)
{
    for (int k = 1; k <= 24; ++k)
        if (levelSelector(k) == control)
            return true;
    return false;
}

bool isElectiveSelector(ControlId control)
{
    for (int w = 1; w <= 6; ++w)
        if (comboBoxW(w) == control)
            return true;
    return false;
}

// ---- Show ----

// Shows one bound control from the record by its show rule. Rules that need
// more than the field (year check, exam subject, record counters) are
// handled by the caller.
void showBinding(FormValues& form, const FieldBinding& b, const TZgnRec& rec, const ShowContext& context)
{
    ControlValue& v = form[b.control];
    switch (b.show) {
    case ShowRule::None:
    case ShowRule::SchoolYearEnd:
    case ShowRule::ExamSubjectGrade:
    case ShowRule::RecordNumber:
    case ShowRule::RecordCount:
        break;
    case ShowRule::Text:
    case ShowRule::MemoText:
    case ShowRule::TextThenYearCheck:
    case ShowRule::Decimal:
        v.text = fieldText(rec, b);
        break;
    case ShowRule::Checked1:
        v.check = fieldInt(rec, b) == 1 ? CheckState::Checked : CheckState::Unchecked;
        break;
    case ShowRule::DeletedState: {
        const long status = fieldInt(rec, b);
        v.check = status == 0 ? CheckState::Checked : status == 1 ? CheckState::Unchecked : CheckState::Greyed;
        break;
    }
    case ShowRule::Index:
    case ShowRule::IndexThenTypeChange: {
        auto items = SelectorItems(b.control, rec.AnlageFaecher, context);
        const long i = fieldInt(rec, b);
        v.index = static_cast<int>(i);
        v.text = i >= 0 && static_cast<std::size_t>(i) < items.size() ? items[static_cast<std::size_t>(i)] : std::string();
        v.items = std::move(items);
        break;
    }
    case ShowRule::EntryByName:
    case ShowRule::EntryByNameWithHint: {
        auto items = SelectorItems(b.control, rec.AnlageFaecher, context);
        const std::string name = fieldText(rec, b);
        auto i = entryIndex(items, name);
        // A name the list does not offer (a class file from another school, a
        // list edited since) is offered as one more entry: otherwise the
        // selector would show nothing and the next store would wipe the name.
        if (!i && !name.empty()) {
            items.push_back(name);
            i = static_cast<int>(items.size()) - 1;
        }
        v.index = i.value_or(-1);
        v.text = i ? name : std::string();
        v.items = std::move(items);
        if (b.show == ShowRule::EntryByNameWithHint)
            v.hint = rec.slot(b.slot).Hinweis.str();
        break;
    }
    case ShowRule::CaptionWithHint:
        v.text = fieldText(rec, b);
        v.hint = rec.slot(b.slot).Hinweis.str();
        break;
    case ShowRule::AnnexDisplay:
        v.text = AnnexDisplayText(rec, context.schoolType);
        break;
    }
}

// The controls the certificate type's and the qualification's handlers switch.
constexpr std::pair<C, bool HeadVisibility::*> kHeadControls[] = {
    {C::GroupBox3, &HeadVisibility::GroupBox3},   {C::Label45, &HeadVisibility::Label45},
    {C::Edit68, &HeadVisibility::Edit68},         {C::Label71, &HeadVisibility::Label71},
    {C::ComboBox44, &HeadVisibility::ComboBox44}, {C::RadioGroup1, &HeadVisibility::RadioGroup1},
    {C::BitBtn19, &HeadVisibility::BitBtn19},     {C::GroupBox6, &HeadVisibility::GroupBox6},
    {C::GroupBox8, &HeadVisibility::GroupBox8},   {C::Memo2, &HeadVisibility::Memo2},
    {C::Label32, &HeadVisibility::Label32},       {C::BitBtn13, &HeadVisibility::BitBtn13},
};

// The head part of a show (personal and head data, foot data, texts): step
// one, before the subject slots are laid out.
std::string showHead(FormValues& form, const TZgnRec& rec, const ShowContext& context)
{
    const SchoolType st = context.schoolType;
    for (const FieldBinding& b : FieldBindings())
        if (b.slot == 0)
            showBinding(form, b, rec, context);

    // The certificate type's change handler, which ends with RadioGroup1Click.
    FormPatch patch;
    SetHeadVisibility(patch, ComboBox41Change(HeadVisibilityOf(form), certificateTypeFromStored(rec.ZgnTyp), st,
                                              rec.AbschlArt));
    patch.applyTo(form);

    const SchoolYearCheck year = CheckSchoolYear(rec.SjBeginn.view());
    form[C::Edit63].text = year.edit63;
    form[C::Edit64].text = year.edit64;

    form[C::Edit12].text = std::to_string(context.recordIndex + 1);
    form[C::Edit13].text = std::to_string(context.recordCount);

    std::string examSubject;
    if (const auto exam = FindExamSubject(rec, context.katalog)) {
        form[C::Edit75].text = exam->grade;
        examSubject = exam->subject;
    } else {
        form[C::Edit75].text.clear();
    }
    return examSubject;
}

// The layout part of a show: visibility, the rows, colours and hints.
void showLayout(FormValues& form, const TZgnRec& rec, const ShowContext& context, const std::string& examSubject)
{
    const VisibilityInput in{rec.AnlageFaecher, certificateTypeFromStored(rec.ZgnTyp), context.schoolType,
                             context.zeigeZusatz};
    const ControlSet decided = AnnexDecidedControls();
    const ControlSet shown = VisibleControls(in);
    form.visible = (form.visible & ~decided) | (shown & decided);

    for (const FieldBinding& b : FieldBindings())
        if (b.slot > 0)
            showBinding(form, b, rec, context);
    form[C::Edit8].text = form[C::Edit7].text;

    // Label colours: the rows of the examination certificates, and the
    // examination subject's row up to the school year 2005.
    const bool examForm = IsExaminationForm(rec.Anlage);
    const bool before2006 = YearOfText(rec.SjBeginn.view()) <= 2005;
    for (int k = 1; k <= 18; ++k) {
        const bool red = k <= 4 ? examForm
                                : before2006 && examForm && !examSubject.empty() && rec.slot(k).Fach == examSubject;
        form[labelF(k)].red = red;
    }
    form[C::LabelFS1].red = form[labelF(2)].red;

    if (form.isVisible(C::RadioGroup4)) {
        form[C::Label63].text = RecommendationLabel(rec.Empfehlung);
        form.setVisible(C::Label63, true);
    } else {
        form[C::Label63].text = " ";
        form.setVisible(C::Label63, false);
    }

    // The rows' controls are named by the subjects just shown.
    NameRowControls(form, rec.AnlageFaecher);
}

FormValues initialForm(const ShowContext& context)
{
    FormValues form;
    form.visible.set();  // a control no rule names stays visible
    form.setVisible(C::CheckBox2, context.zeigeGeloeschte);
    for (C id : {C::Label64, C::Label65, C::Label66})
        form.setVisible(id, false);
    return form;
}

// ---- Store ----

void storeBinding(const FormValues& form, const FieldBinding& b, TZgnRec& rec)
{
    const ControlValue& v = form[b.control];
    const bool visible = form.isVisible(b.control);
    switch (b.store) {
    case StoreRule::None:
        break;
    case StoreRule::Text:
        if (isLevelSelector(b.control)) {
            const LevelCode stored = rec.slot(b.slot).Niveau;
            const std::string item = cp1252ToUtf8(v.text);
            const auto selected = v.index >= 0 ? std::optional<std::string_view>(item) : std::nullopt;
            rec.slot(b.slot).Niveau = LevelFromSelector(stored, visible, selected);
            break;
        }
        if (b.storedOnlyWhenVisible && !visible)
            break;
        setFieldText(rec, b, std::string_view(v.text).substr(0, static_cast<std::size_t>(b.capacity)));
        break;
    case StoreRule::MemoText:
        setFieldText(rec, b, std::string_view(v.text).substr(0, static_cast<std::size_t>(b.capacity)));
        break;
    case StoreRule::Index:
        if (b.storedOnlyWhenVisible && !visible)
            break;
        setFieldInt(rec, b, v.index);
        break;
    case StoreRule::Check01:
        setFieldInt(rec, b, v.check == CheckState::Checked ? 1 : 0);
        break;
    case StoreRule::GradeEntry:
        setFieldText(rec, b, GradeFromEntry(cp1252ToUtf8(v.text)).view());
        break;
    }
}

std::string_view trimmedBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The caption a message uses for a grade field: the subject of its row.
std::string gradeFieldCaption(const TZgnRec& rec, int slot)
{
    std::string subject = cp1252ToUtf8(trimmedBlanks(rec.slot(slot).Fach.view()));
    if (subject.empty() || subject == "???" || subject == "- - -")
        subject.clear();
    std::string where;
    if (slot <= 18)
        where = "Zeile " + std::to_string(slot);
    else if (slot <= 24)
        where = "Wahlpflichtfach W" + std::to_string(slot - 18);
    else
        return "Bewertung Wahlpflichtunterricht insgesamt";
    return subject.empty() ? "Bewertung " + where : "Bewertung " + subject + " (" + where + ")";
}

// A grade or date field whose text the notation or the calendar refuses.
// Text the field showed unchanged is never refused: what was stored before
// (an import, an older file) stays until the user types something else.
std::optional<RefusedEntry> refusedEntry(const FormValues& form, const FieldBinding& b, const TZgnRec& rec,
                                         const ShowContext& context)
{
    const std::string& text = form[b.control].text;
    if (b.store == StoreRule::GradeEntry) {
        if (trimmedBlanks(text) == fieldText(rec, b) || CheckedGradeEntry(cp1252ToUtf8(text), context.schoolType))
            return std::nullopt;
        return RefusedEntry{b.control, gradeFieldCaption(rec, b.slot), cp1252ToUtf8(text),
                            "keine gültige Bewertung. Erlaubt sind: " + AllowedGradesText(context.schoolType)};
    }
    if (b.control == C::MaskEdit2 || b.control == C::MaskEdit4) {
        if (text == fieldText(rec, b) || IsDateTextEmpty(text) || ParseDateText(text))
            return std::nullopt;
        return RefusedEntry{b.control, b.control == C::MaskEdit2 ? "Geburtsdatum" : "Zeugnisdatum",
                            cp1252ToUtf8(text), "kein gültiges Datum. Erlaubt sind Kalenderdaten als TT.MM.JJJJ"};
    }
    return std::nullopt;
}

} // namespace

std::string RefusedEntriesMessage(const std::vector<RefusedEntry>& refused)
{
    std::string text;
    for (const RefusedEntry& r : refused)
        text += "Die Eingabe \"" + r.text + "\" im Feld \"" + r.field + "\" ist " + r.reason + ".\n";
    text += refused.size() == 1 ? "Dieser Wert wurde nicht übernommen." : "Diese Werte wurden nicht übernommen.";
    return text;
}

ShowContext ShowContext::FromInstallation(const Installation& installation)
{
    ShowContext c;
    c.schoolType = installation.schoolType();
    c.katalog = installation.katalog;
    c.lists = buildFachListen(installation.katalog);
    c.electives = installation.wahlpflichtListe;
    c.zeigeZusatz = installation.settings.prog.ZeigeZusatz == 1;
    c.zeigeGeloeschte = installation.settings.prog.ZeigeGeloeschte == 1;
    return c;
}

const std::vector<std::string>& CertificateTypeItems()
{
    static const auto items = cp1252Items({"--- ??? ---", "Zeugnis   (Halbjahr/Schuljahr)", "Übergangs-Zeugnis",
                                           "Abgangs-Zeugnis", "Abschluss-Zeugnis",
                                           "Abschluss-Zeugnis (qualifiziert / mit Leistungsermittlung)",
                                           "Versetzungs-Zeugnis in gymn. Oberstufe",
                                           "Zwischen-Zeugnis (Leistungsstand)"});
    return items;
}

const std::vector<std::string>& ClassLevelItems()
{
    static const auto items = cp1252Items({"??", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    return items;
}

const std::vector<std::string>& PraedikatItems()
{
    static const auto items = cp1252Items({"- - -", "sehr gut - mit Auszeichnung", "sehr gut", "gut", "befriedigend",
                                           "bestanden", "ausreichend"});
    return items;
}

const std::vector<std::string>& QualificationItems()
{
    static const auto items = cp1252Items({"nicht ausgewählt", "Berufsreife (HS)", "Mittlere Reife (RS)"});
    return items;
}

const std::vector<std::string>& ClassKindItems()
{
    static const auto items = cp1252Items({"ohne", "Förderstufe", "Vorlaufklasse"});
    return items;
}

const std::vector<std::string>& LevelOfDemandItems()
{
    static const auto items = cp1252Items({"nicht ausgewählt", "Berufsreife (Hauptschule)",
                                           "Mittlere Reife (Realschule)", "Hochschulreife (Gymnasium)"});
    return items;
}

const std::vector<std::string>& RecommendationItems()
{
    static const auto items = cp1252Items({"keine", "Berufsreife und mittlere Reife", "allgemeine Hochschulreife"});
    return items;
}

std::vector<std::string> LevelLetterItems(SchoolType schoolType)
{
    std::vector<std::string> items;
    for (const std::string& s : levelChoiceList(schoolType))
        items.push_back(utf8ToCp1252(s));
    return items;
}

std::vector<std::string> SelectorItems(ControlId control, int anlageFaecher, const ShowContext& context)
{
    switch (control) {
    case C::ComboBox41: return CertificateTypeItems();
    case C::ComboBox42: return ClassLevelItems();
    case C::ComboBox44: return PraedikatItems();
    case C::RadioGroup1: return QualificationItems();
    case C::RadioGroup2: return ClassKindItems();
    case C::ComboBox43:
    case C::ComboBox45: return LevelOfDemandItems();
    case C::RadioGroup4: return RecommendationItems();
    case C::ComboBox38: return context.lists.PruefungsfachListe;
    default: break;
    }
    if (const auto k = selectorRow(control)) {
        const SubjectList list = SelectorList(*k, anlageFaecher);
        return subjectList(list == SubjectList::None ? startupList(*k) : list, context);
    }
    if (isElectiveSelector(control))
        return context.electives;
    if (isLevelSelector(control))
        return LevelLetterItems(context.schoolType);
    return {};
}

SchoolYearCheck CheckSchoolYear(std::string_view text)
{
    SchoolYearCheck out{std::string(text), {}};
    if (text.size() == 4) {
        const int y = YearOfText(text);
        out.edit64 = y >= 2000 && y <= 2100 ? std::to_string(y + 1) : "????";
    } else if (text.size() == 2) {
        int n = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + 2, n);
        if (ec == std::errc() && end == text.data() + 2) {
            out.edit63 = "20" + std::string(text);
            out.edit64 = std::to_string(n + 2001);
        }
    }
    return out;
}

std::optional<ExamSubject> FindExamSubject(const TZgnRec& rec, const TFachKatalog& katalog)
{
    if (rec.PrFach.empty())
        return std::nullopt;
    for (int e = 0; e < kFachKatalogCount; ++e) {
        if (katalog[e].FachKurz.view() != rec.PrFach.view())
            continue;
        const std::string_view name = katalog[e].FachName.view();
        for (int k = 1; k <= static_cast<int>(kFaecherCount); ++k)
            if (rec.slot(k).Fach.view() == name)
                return ExamSubject{rec.slot(k).Note.str(), std::string(name)};
        return std::nullopt;
    }
    return std::nullopt;
}

HeadVisibility HeadVisibilityOf(const FormValues& form)
{
    HeadVisibility head;
    for (const auto& [id, flag] : kHeadControls)
        head.*flag = form.isVisible(id);
    return head;
}

void SetHeadVisibility(FormPatch& patch, const HeadVisibility& head)
{
    for (const auto& [id, flag] : kHeadControls)
        patch.setVisible(id, head.*flag);
}

std::string RecommendationLabel(int empfehlung)
{
    switch (empfehlung) {
    case 0: return utf8ToCp1252("autom. Hinzufügen der Schullaufbahnempf. bei \"Schullaufbahnempfehlung\" einstellbar");
    case 1: return utf8ToCp1252("Schullaufbahnempf. (B.- + mittl.Reife) wird noch autom. hinzugefügt!");
    case 2: return utf8ToCp1252("Schullaufbahnempf. (allg. HS-Reife) wird noch autom. hinzugefügt!");
    default: return utf8ToCp1252("Problem mit autom.Hinzufügen der Schullaufbahnempf.!");
    }
}

FormValues Show(const TZgnRec& rec, const ShowContext& context)
{
    FormValues form = initialForm(context);
    const std::string exam = showHead(form, rec, context);
    showLayout(form, rec, context, exam);
    return form;
}

FormValues ShowRecord(TZgnRec& rec, const ShowContext& context, Prompter& prompter)
{
    FormValues form = initialForm(context);
    const std::string exam = showHead(form, rec, context);
    AdaptSlotsOnShow(rec, context.schoolType, context.katalog, prompter);
    // Index selectors and the annex numbers are shown again with the laid-out record.
    form[C::Edit9].text = std::to_string(rec.AnlageAlt);
    form[C::Edit14].text = std::to_string(rec.AnlageFaecher);
    showLayout(form, rec, context, exam);
    return form;
}

StoreOutcome Store(const FormValues& form, TZgnRec& rec, const TZgnRec& snapshot, int levelAtShow,
                   const ShowContext& context, Prompter& prompter)
{
    StoreOutcome out;
    for (const FieldBinding& b : FieldBindings()) {
        if (auto refused = refusedEntry(form, b, rec, context)) {
            out.refused.push_back(std::move(*refused));
            continue;
        }
        storeBinding(form, b, rec);
    }

    rec.AnlageAlt = rec.Anlage;
    rec.Anlage = DetermineAnnex(rec, context.schoolType);

    out.differs = DiffersInWatchedFields(rec, snapshot);
    if (rec.Ebene != levelAtShow)
        out.conversion = ConvertGradesOnLevelChange(rec, levelAtShow, rec.Ebene, prompter);
    return out;
}

bool DiffersInWatchedFields(const TZgnRec& a, const TZgnRec& b)
{
#define RUVEK_SAME(f) (a.f == b.f)
    const bool sameHead =
        RUVEK_SAME(Status) && RUVEK_SAME(SchlNr) && RUVEK_SAME(Name) && RUVEK_SAME(Vorname) && RUVEK_SAME(GebDatum) &&
        RUVEK_SAME(Weiblich) && RUVEK_SAME(ZgnTyp) && RUVEK_SAME(Ebene) && RUVEK_SAME(SjBeginn) &&
        RUVEK_SAME(Klassenstufe) && RUVEK_SAME(Klasse) && RUVEK_SAME(KlLehrer) && RUVEK_SAME(NeueSchule) &&
        RUVEK_SAME(Jahrgang) && RUVEK_SAME(Fehltage) && RUVEK_SAME(FehltageE) && RUVEK_SAME(Empfehlung) &&
        RUVEK_SAME(ZgnOrt) && RUVEK_SAME(ZgnDatum) && RUVEK_SAME(NichtDrucken) && RUVEK_SAME(UePruefung) &&
        RUVEK_SAME(Datum2) && RUVEK_SAME(PrFach) && RUVEK_SAME(Bestanden) && RUVEK_SAME(Halbjahr1) &&
        RUVEK_SAME(AbschlArt) && RUVEK_SAME(Praedikat) && RUVEK_SAME(Klassenart) && RUVEK_SAME(Anlage) &&
        RUVEK_SAME(AnlageAlt) && RUVEK_SAME(LEBText) && RUVEK_SAME(Vermerke) && RUVEK_SAME(FLInfo);
#undef RUVEK_SAME
    if (!sameHead)
        return true;
    for (std::size_t i = 0; i < kFaecherCount; ++i) {
        const TFachEintrag& x = a.Faecher[i];
        const TFachEintrag& y = b.Faecher[i];
        if (!(x.Fach == y.Fach && x.Note == y.Note && x.Zusatz == y.Zusatz && x.Niveau == y.Niveau &&
              x.Hinweis == y.Hinweis))
            return true;
    }
    return false;
}

} // namespace ruvek::editor
