#pragma once
// Small factories for the controls of the editor pages. Every control gets
// its objectName (the binder and the tests find it by that name) and its
// hint, which shows as tooltip and in the status bar.
//
// The pages build the controls of the editor's list (editor/ControlRows.h)
// with makeControl and their labels with captionFor: the row says what the
// control is (name, kind, look, captions, hint, entries, capacity), the page
// only where it sits, how wide it is and how it is aligned. The factories by
// name below serve the main window's own controls.
#include "editor/EditorControls.h"
#include "ui/settings/RadioGroup.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace ruvek::ui::editor {

// Tooltip and status-bar text of a control.
void setHint(QWidget* w, const QString& hint);

// The widget of a control of the list, of the class its kind and look stand
// for, with its objectName, hint, caption or empty mask, entries and (line
// edits) the capacity of its field as maximum length. A display field is 4
// characters wide, a date field 11, until the page sets another width.
QWidget* makeControl(ruvek::editor::ControlId control);

// makeControl as the class the page works with (QLineEdit, QComboBox, ...).
template <class W = QWidget>
W* make(ruvek::editor::ControlId control)
{
    QWidget* made = makeControl(control);
    auto* w = dynamic_cast<W*>(made);
    if (!w) {
        delete made;
        throw std::logic_error("editor control of another class: " +
                               std::string(ruvek::editor::controlName(control)));
    }
    return w;
}

// The label that names `field` (the control `control`'s widget) for keyboard
// users and screen readers: the label control of its row, or an unnamed
// label with its row's caption.
QLabel* captionFor(ruvek::editor::ControlId control, QWidget* field);

// Fixes the width of `w` to `chars` average characters plus the frame.
void setWidthChars(QWidget* w, int chars);

QLineEdit* lineEdit(const char* name, const QString& hint = {}, int widthChars = 0);
// A read-only display field (annex, end of the school year, ...): no tab stop.
QLineEdit* displayEdit(const char* name, const QString& hint = {}, int widthChars = 4);
// A date field whose empty mask shows `maskText` ("  .  .19  ").
QLineEdit* maskEdit(const char* name, const QString& maskText, const QString& hint = {});
QComboBox* comboBox(const char* name, const QStringList& items = {}, const QString& hint = {});
QCheckBox* checkBox(const char* name, const QString& caption, const QString& hint = {});
QPushButton* button(const char* name, const QString& caption, const QString& hint = {});
QToolButton* speedButton(const char* name, const QString& caption, const QString& hint);
QPlainTextEdit* memo(const char* name, const QString& hint = {});
RadioGroup* radioGroup(const char* name, const QString& caption, const QStringList& items, int columns = 1);
// A caption; `name` may be null for captions the editor never changes.
QLabel* label(const char* name, const QString& caption);
// A caption that names `buddy` for keyboard users and screen readers.
QLabel* buddyLabel(const char* name, const QString& caption, QWidget* buddy);

// A form row "caption: field [extra]" in a grid: the caption in column 0,
// the field in column 1, an optional extra widget in column 2.
void addRow(QGridLayout* grid, int row, QLabel* caption, QWidget* field, QWidget* extra = nullptr);

// Tab order through `widgets` as listed (the visual order of a page); a
// radio group contributes its buttons.
void chainTabOrder(const std::vector<QWidget*>& widgets);

// The items of a selector as the editor's rules list them (Windows-1252).
QStringList selectorItems(const std::vector<std::string>& cp1252Items);

// A page with two columns, side by side where the width its parent offers
// (the scroll area's viewport) allows it and the right one under the left
// one in a narrow window, so the page never needs a horizontal scroll bar
// for lack of width. `columns` holds `left` and `right` and belongs to the
// page's layout.
class TwoColumnPage : public QWidget {
public:
    void setColumns(QBoxLayout* columns, QLayout* left, QLayout* right);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();

    QBoxLayout* columns_ = nullptr;
    QLayout* left_ = nullptr;
    QLayout* right_ = nullptr;
};

// A captioned frame for a block of a page.
QGroupBox* section(const char* name, const QString& caption);

} // namespace ruvek::ui::editor
