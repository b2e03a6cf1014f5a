#include "editor/MemoryView.h"

#include "common/TextInput.h"
#include "editor/TextLimits.h"

#include <algorithm>

namespace ruvek::editor {

void MemoryView::writeForm(const FormValues& values)
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        ControlValue v = values.controls[i];
        // Entries, hints and names a show does not set stay as the control has them.
        if (!v.items)
            v.items = form_.controls[i].items;
        if (!v.hint)
            v.hint = form_.controls[i].hint;
        if (!v.accessibleName)
            v.accessibleName = form_.controls[i].accessibleName;
        form_.controls[i] = std::move(v);
    }
    form_.visible = values.visible;
}

bool MemoryView::setText(ControlId id, const std::string& text)
{
    const ControlKind kind = controlKind(id);
    if (kind != ControlKind::LineEdit && kind != ControlKind::MaskEdit && kind != ControlKind::Memo)
        return false;
    // What no keyboard types is refused, as the window's fields refuse it:
    // control characters (line breaks only in a text box) and, in a date
    // field, anything its mask would not let through.
    if (findControlCharacter(text, kind == ControlKind::Memo))
        return false;
    if (kind == ControlKind::MaskEdit && !IsDateMaskText(text))
        return false;
    const int capacity = TextCapacity(id);
    form_[id].text = capacity > 0 ? text.substr(0, static_cast<std::size_t>(capacity)) : text;
    return true;
}

bool MemoryView::setIndex(ControlId id, int i)
{
    const ControlKind kind = controlKind(id);
    if (kind != ControlKind::ComboBox && kind != ControlKind::RadioGroup)
        return false;
    ControlValue& v = form_[id];
    const std::size_t count = v.items ? v.items->size() : 0;
    if (i < -1 || (i >= 0 && static_cast<std::size_t>(i) >= count))
        return false;
    v.index = i;
    v.text = i >= 0 ? (*v.items)[static_cast<std::size_t>(i)] : std::string();
    return true;
}

bool MemoryView::setEntry(ControlId id, const std::string& text)
{
    if (controlKind(id) != ControlKind::ComboBox || !form_[id].items)
        return false;
    const auto& items = *form_[id].items;
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end())
        return false;
    return setIndex(id, static_cast<int>(it - items.begin()));
}

bool MemoryView::setCheck(ControlId id, bool checked)
{
    if (controlKind(id) != ControlKind::CheckBox)
        return false;
    form_[id].check = checked ? CheckState::Checked : CheckState::Unchecked;
    return true;
}

void MemoryView::setIndicators(const Indicators& indicators)
{
    indicators_ = indicators;
    // The form shows what the indicators say, so a dump of the form is complete.
    form_[ControlId::Edit12].text = std::to_string(indicators.recordNumber);
    form_[ControlId::Edit13].text = std::to_string(indicators.recordCount);
    form_[ControlId::CheckBox2].check = indicators.deleted;
    form_.setVisible(ControlId::CheckBox2, indicators.deletedBoxVisible);
    form_.setVisible(ControlId::Edit73, indicators.changed);
}

} // namespace ruvek::editor
