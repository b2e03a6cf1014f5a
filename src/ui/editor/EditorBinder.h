#pragma once
// The Qt side of the record editor's view: finds every control of the
// editor once by its objectName and moves values between the widgets and
// the editor's FormValues. Texts cross between Windows-1252 and QString
// here and nowhere else in the editor. The binder also guards the text
// inputs (Windows-1252 only, memo capacities) as the user types.
#include "editor/EditorView.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace ruvek {
class Prompter;
}

namespace ruvek::ui::editor {

class EditorBinder : public QObject, public ruvek::editor::EditorView {
    Q_OBJECT
public:
    // `root` holds every editor control (the main window). `isDeleted` tells
    // whether record i is marked deleted, for the look of the student list.
    EditorBinder(QWidget* root, Prompter& prompter, std::function<bool(int record)> isDeleted);

    void writeForm(const ruvek::editor::FormValues& values) override;
    ruvek::editor::FormValues readForm() const override;
    void applyPatch(const ruvek::editor::FormPatch& patch) override;
    void setStudentList(const ruvek::editor::StudentList& list) override;
    void setIndicators(const ruvek::editor::Indicators& indicators) override;
    void setNavigationEnabled(bool back, bool forward) override;

    // The widget of a control (never null after construction).
    QWidget* widget(ruvek::editor::ControlId id) const { return widgets_[ruvek::editor::index(id)]; }
    // True while values are written into the widgets: change handlers then
    // know the change is not the user's.
    bool writing() const { return writing_ > 0; }
    // The record of a student-list entry.
    std::optional<int> recordOfEntry(int entry) const;

    // The changed-data indicator sits outside the editor (speed bar, menu).
    std::function<void(bool changed)> onChangedIndicator;

private:
    void writeValue(ruvek::editor::ControlId id, const ruvek::editor::ControlValue& v);
    ruvek::editor::ControlValue readValue(ruvek::editor::ControlId id) const;
    void setItems(ruvek::editor::ControlId id, const std::vector<std::string>& items);
    void setAccessibleName(ruvek::editor::ControlId id, const std::string& name);
    bool visibleOnItsPage(ruvek::editor::ControlId id) const;

    std::array<QWidget*, ruvek::editor::kControlCount> widgets_{};
    // Controls whose value a show writes (the bound ones and Label63).
    ruvek::editor::ControlSet written_;
    // The entries each combo box offers now, to skip refilling it unchanged.
    std::array<std::vector<std::string>, ruvek::editor::kControlCount> items_;
    std::array<bool, ruvek::editor::kControlCount> red_{};
    std::vector<std::string> listEntries_;
    std::vector<int> listRecords_;
    std::vector<bool> listDeleted_;
    std::function<bool(int)> isDeleted_;
    int writing_ = 0;
};

} // namespace ruvek::ui::editor
