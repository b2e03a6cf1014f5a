#pragma once
// A partial change of the form: what a live handler (certificate type,
// qualification, class level, level of demand, examination subject, school
// year) changes while the user edits, without a full show.
#include "editor/FormValues.h"

#include <string>
#include <utility>
#include <vector>

namespace ruvek::editor {

struct FormPatch {
    std::vector<std::pair<ControlId, ControlValue>> values;  // controls whose value changes
    std::vector<std::pair<ControlId, bool>> visibility;      // controls shown (true) or hidden
    std::vector<std::pair<ControlId, std::string>> names;    // controls renamed for screen readers

    bool empty() const { return values.empty() && visibility.empty() && names.empty(); }
    void setValue(ControlId id, ControlValue v) { values.emplace_back(id, std::move(v)); }
    void setVisible(ControlId id, bool on) { visibility.emplace_back(id, on); }
    void setAccessibleName(ControlId id, std::string name) { names.emplace_back(id, std::move(name)); }

    // The patch applied to a full set of values.
    void applyTo(FormValues& form) const
    {
        for (const auto& [id, v] : values)
            form[id] = v;
        for (const auto& [id, on] : visibility)
            form.setVisible(id, on);
        for (const auto& [id, name] : names)
            form[id].accessibleName = name;
    }
};

} // namespace ruvek::editor
