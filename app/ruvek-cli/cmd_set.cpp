// set KLASSE.RVK --nr N Feld=Wert ...: changes fields of list entry N the
// way a teacher would: the record is shown in the editor, each value goes
// into the control bound to its field, then "Daten übernehmen" stores and
// shows again - so the annex is decided anew, the grades are converted when
// the level of demand changed (every question answered yes) and the subject
// slots follow the new annex. Then the class is saved (atomically). Field
// names are those of "ruvek-cli show": Klassenstufe, ZgnTyp, Ebene, Name,
// Faecher[i].Note (i counted from 0 as in the JSON array, so Faecher[0] is
// subject slot 1). Any refused assignment leaves the file untouched.
#include "ClassEditing.h"
#include "Commands.h"

#include "common/Cp1252.h"
#include "common/TextInput.h"
#include "editor/TextLimits.h"
#include "editor/FieldBindings.h"

#include <charconv>
#include <iostream>
#include <type_traits>

namespace {

using namespace ruvek::editor;

constexpr const char* kUsage = "Aufruf: ruvek-cli set KLASSE.RVK --nr N [--schultyp S] Feld=Wert [Feld=Wert ...]\n";

struct FieldRef {
    std::string field;  // name in the record or in a subject slot
    int slot = 0;       // 1..25 for a slot field
};

// "Name" or "Faecher[i].Note"; nullopt when the name is no field at all.
std::optional<FieldRef> parseFieldName(const std::string& name)
{
    const ruvek::TZgnRec probe{};
    auto known = [](const auto& rec, std::string_view field) {
        bool found = false;
        visitFields(rec, [&](const char* n, std::size_t, const auto&) { found = found || (n && field == n); });
        return found;
    };
    if (name.starts_with("Faecher[")) {
        const auto close = name.find("].");
        int i = -1;
        if (close == std::string::npos)
            return std::nullopt;
        const auto [end, ec] = std::from_chars(name.data() + 8, name.data() + close, i);
        if (ec != std::errc() || end != name.data() + close || i < 0 || i >= static_cast<int>(ruvek::kFaecherCount))
            return std::nullopt;
        const std::string field = name.substr(close + 2);
        if (!known(probe.slot(1), field))
            return std::nullopt;
        return FieldRef{field, i + 1};
    }
    if (name == "Faecher" || !known(probe, name))
        return std::nullopt;
    return FieldRef{name, 0};
}

// The control whose value ends up in the field: the last storing row of the
// binding table (Edit5 wins over its mirror Edit1).
const FieldBinding* storingBinding(const FieldRef& ref)
{
    const FieldBinding* found = nullptr;
    for (const FieldBinding& b : FieldBindings())
        if (b.store != StoreRule::None && b.field == ref.field && b.slot == ref.slot)
            found = &b;
    return found;
}

std::optional<int> parseInt(const std::string& s)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

// Puts value (UTF-8) into the bound control; false when the control cannot take it.
bool enter(MemoryView& view, const FieldBinding& b, const std::string& value)
{
    bool lossless = true;
    const std::string text = ruvek::utf8ToCp1252(value, &lossless);
    if (!lossless)
        return false;
    if (b.storedOnlyWhenVisible && !view.form().isVisible(b.control))
        return false;  // a hidden selector is not stored
    switch (b.store) {
    case StoreRule::Text:
    case StoreRule::MemoText:
        if (controlKind(b.control) == ControlKind::ComboBox)
            return text.empty() ? view.setIndex(b.control, -1) : view.setEntry(b.control, text);
        if (static_cast<int>(text.size()) > b.capacity)
            return false;
        return view.setText(b.control, text);
    case StoreRule::GradeEntry:
        return view.setText(b.control, text);
    case StoreRule::Index:
        if (const auto i = parseInt(value))
            return view.setIndex(b.control, *i);
        return view.setEntry(b.control, text);
    case StoreRule::Check01:
        if (value != "0" && value != "1")
            return false;
        return view.setCheck(b.control, value == "1");
    case StoreRule::None:
        break;
    }
    return false;
}

// Why a text is refused, when it is for one of the reasons every way of
// input shares: a character no keyboard types, or a date the field's mask
// would not let through.
std::string refusalReason(const FieldBinding& b, const std::string& value)
{
    const bool memo = controlKind(b.control) == ControlKind::Memo;
    if (const auto at = ruvek::findControlCharacter(value, memo))
        return ": Er enthält ein Zeichen, das nicht eingegeben werden kann: " +
               ruvek::controlCharacterName(static_cast<unsigned char>(value[*at]));
    if (controlKind(b.control) == ControlKind::MaskEdit && !ruvek::editor::IsDateMaskText(value))
        return std::string(": Ein Datum wird als ") + ruvek::editor::kDateMaskForm +
               " eingegeben (einzelne Ziffern dürfen fehlen)";
    return {};
}

} // namespace

int cmdSet(const CliArgs& args, CliContext& context)
{
    const auto parsed = parseFormArgs(args, kUsage);
    if (!parsed)
        return exitcode::kUnreadable;
    if (parsed->rest.empty()) {
        std::cerr << kUsage;
        return exitcode::kUnreadable;
    }
    CliPrompter& prompter = context.prompter;
    int refused = 1;
    const auto editing = openForEditing(*parsed, context, true, refused);
    if (!editing)
        return refused;

    for (const std::string& assignment : parsed->rest) {
        const auto eq = assignment.find('=');
        if (eq == std::string::npos) {
            prompter.error("Erwartet wird Feld=Wert: " + assignment);
            return exitcode::kRefused;
        }
        const std::string name = assignment.substr(0, eq);
        const std::string value = assignment.substr(eq + 1);
        const auto ref = parseFieldName(name);
        if (!ref) {
            prompter.error("Unbekanntes Feld: " + name);
            return exitcode::kRefused;
        }
        const FieldBinding* binding = storingBinding(*ref);
        if (binding == nullptr) {
            prompter.error("Das Feld " + name + " kann im Datenblatt nicht eingegeben werden.");
            return 1;
        }
        if (!enter(editing->view, *binding, value)) {
            prompter.error("Der Wert \"" + value + "\" kann für " + name + " (" +
                           std::string(controlName(binding->control)) + ") nicht eingetragen werden" +
                           refusalReason(*binding, value) + ".");
            return exitcode::kRefused;
        }
    }

    // As a teacher moving on: store, then show (which lays the slots out
    // for a new annex), then save.
    editing->editor->dataUebernehmen();
    ruvek::OpenClass& cls = editing->openClass;
    if (!cls.changed)
        return 0;
    cls.view = nullptr;
    return cls.fileSave(prompter) ? 0 : 1;
}
