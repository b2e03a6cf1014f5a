// form KLASSE.RVK --nr N: what the record editor shows for list entry N, as
// one JSON object: for every control its kind, whether it is visible and its
// value (text, selected entry, tick), texts in UTF-8. The file is only read.
#include "ClassEditing.h"
#include "Commands.h"

#include "classfile/ClassFileJson.h"
#include "common/Cp1252.h"

#include <iostream>

namespace {

constexpr const char* kUsage = "Aufruf: ruvek-cli form KLASSE.RVK --nr N [--schultyp S]\n";

const char* kindName(ruvek::editor::ControlKind kind)
{
    using K = ruvek::editor::ControlKind;
    switch (kind) {
    case K::LineEdit: return "LineEdit";
    case K::MaskEdit: return "MaskEdit";
    case K::ComboBox: return "ComboBox";
    case K::CheckBox: return "CheckBox";
    case K::RadioGroup: return "RadioGroup";
    case K::Memo: return "Memo";
    case K::Label: return "Label";
    case K::GroupBox: return "GroupBox";
    case K::Button: return "Button";
    case K::ListBox: return "ListBox";
    case K::PageControl: return "PageControl";
    }
    return "?";
}

const char* checkName(ruvek::editor::CheckState s)
{
    using S = ruvek::editor::CheckState;
    return s == S::Checked ? "checked" : s == S::Greyed ? "greyed" : "unchecked";
}

void writeControl(std::ostream& out, ruvek::editor::ControlId id, const ruvek::editor::FormValues& form)
{
    using namespace ruvek::editor;
    using ruvek::jsonString;
    const ControlValue& v = form[id];
    const ControlKind kind = controlKind(id);
    out << "{\"kind\": \"" << kindName(kind) << "\", \"visible\": " << (form.isVisible(id) ? "true" : "false");
    switch (kind) {
    case ControlKind::LineEdit:
    case ControlKind::MaskEdit:
    case ControlKind::Memo:
    case ControlKind::Label:
        out << ", \"text\": " << jsonString(ruvek::cp1252ToUtf8(v.text));
        break;
    case ControlKind::ComboBox:
    case ControlKind::RadioGroup:
        out << ", \"index\": " << v.index << ", \"text\": " << jsonString(ruvek::cp1252ToUtf8(v.text));
        break;
    case ControlKind::CheckBox:
        out << ", \"check\": \"" << checkName(v.check) << '"';
        break;
    default:
        break;
    }
    if (v.hint)
        out << ", \"hint\": " << jsonString(ruvek::cp1252ToUtf8(*v.hint));
    if (kind == ControlKind::Label)
        out << ", \"red\": " << (v.red ? "true" : "false");
    out << '}';
}

} // namespace

int cmdForm(const CliArgs& args, CliContext& context)
{
    const auto parsed = parseFormArgs(args, kUsage);
    if (!parsed || !parsed->rest.empty()) {
        if (parsed)
            std::cerr << kUsage;
        return exitcode::kUnreadable;
    }
    int refused = 1;
    const auto editing = openForEditing(*parsed, context, false, refused);
    if (!editing)
        return refused;

    using namespace ruvek::editor;
    const FormValues& form = editing->view.form();
    std::cout << "{\"nr\": " << parsed->nr << ", \"record\": " << editing->openClass.current + 1
              << ", \"controls\": {\n";
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        std::cout << "  \"" << controlName(id) << "\": ";
        writeControl(std::cout, id, form);
        std::cout << (i + 1 < kControlCount ? ",\n" : "\n");
    }
    std::cout << "}}\n";
    std::cout.flush();
    return std::cout ? 0 : 1;
}
