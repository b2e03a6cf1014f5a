#include "ui/editor/EditorBinder.h"

#include "common/Prompter.h"
#include "editor/FieldBindings.h"
#include "editor/SpokenNames.h"
#include "editor/TextLimits.h"
#include "ui/Cp1252Text.h"
#include "ui/editor/InputGuard.h"
#include "ui/settings/RadioGroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>

#include <stdexcept>

namespace ruvek::ui::editor {

using ruvek::editor::CheckState;
using ruvek::editor::ControlId;
using ruvek::editor::ControlKind;
using ruvek::editor::ControlValue;
using ruvek::editor::FormValues;

namespace {

// Memos show '\n' line breaks; the record keeps CR LF.
QString memoFromRecord(const std::string& cp1252)
{
    QString text = fromCp1252(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string memoToRecord(const QString& shown)
{
    QString text = shown;
    text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return toCp1252(text).value_or(std::string());
}

std::string cp1252(const QString& text)
{
    // The input guards keep every typed character storable; a text from
    // elsewhere loses only what Windows-1252 cannot hold.
    return toCp1252(withoutNonCp1252(text)).value_or(std::string());
}

// Counts nested writes so handlers can tell a show from the user.
struct Writing {
    explicit Writing(int& n) : n_(n) { ++n_; }
    ~Writing() { --n_; }
    int& n_;
};

// True when the widget is of the class the control's kind stands for, so
// that every later cast of it is safe.
bool hasKind(QWidget* w, ControlKind kind)
{
    switch (kind) {
    case ControlKind::LineEdit:
    case ControlKind::MaskEdit: return qobject_cast<QLineEdit*>(w) != nullptr;
    case ControlKind::ComboBox: return qobject_cast<QComboBox*>(w) != nullptr;
    case ControlKind::CheckBox: return qobject_cast<QCheckBox*>(w) != nullptr;
    case ControlKind::RadioGroup: return dynamic_cast<RadioGroup*>(w) != nullptr;
    case ControlKind::Memo: return qobject_cast<QPlainTextEdit*>(w) != nullptr;
    case ControlKind::Label: return qobject_cast<QLabel*>(w) != nullptr;
    case ControlKind::GroupBox: return qobject_cast<QGroupBox*>(w) != nullptr;
    case ControlKind::Button: return qobject_cast<QAbstractButton*>(w) != nullptr;
    case ControlKind::ListBox: return qobject_cast<QListWidget*>(w) != nullptr;
    case ControlKind::PageControl: return qobject_cast<QTabWidget*>(w) != nullptr;
    }
    return false;
}

} // namespace

EditorBinder::EditorBinder(QWidget* root, Prompter& prompter, std::function<bool(int)> isDeleted)
    : QObject(root), isDeleted_(std::move(isDeleted))
{
    for (std::size_t i = 0; i < ruvek::editor::kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        const QString name = QString::fromLatin1(ruvek::editor::controlName(id));
        QWidget* w = root->findChild<QWidget*>(name);
        if (!w)
            throw std::logic_error("editor control missing: " + name.toStdString());
        if (!hasKind(w, ruvek::editor::controlKind(id)))
            throw std::logic_error("editor control of the wrong kind: " + name.toStdString() + " is a " +
                                   w->metaObject()->className());
        widgets_[i] = w;
        if (ruvek::editor::FindBinding(id))
            written_.set(i);

        const int capacity = ruvek::editor::TextCapacity(id);
        switch (ruvek::editor::controlKind(id)) {
        case ControlKind::LineEdit:
            // The pages' fields have it from makeControl already; the
            // window's mirrors (Edit1, Edit2) get it here.
            if (capacity > 0)
                static_cast<QLineEdit*>(w)->setMaxLength(capacity);
            guardLineEdit(static_cast<QLineEdit*>(w), prompter);
            if (const auto* b = ruvek::editor::FindBinding(id); b && b->store == ruvek::editor::StoreRule::GradeEntry)
                selectAllOnEntry(static_cast<QLineEdit*>(w));
            break;
        case ControlKind::MaskEdit:
            guardLineEdit(static_cast<QLineEdit*>(w), prompter);
            break;
        case ControlKind::Memo:
            guardMemo(static_cast<QPlainTextEdit*>(w), capacity, prompter);
            break;
        default:
            break;
        }
    }
    written_.set(ruvek::editor::index(ControlId::Label63));
    // The rows are named before any record is shown (an empty class shows none).
    for (const auto& [id, name] : ruvek::editor::RowControlNames(FormValues{}, 0))
        setAccessibleName(id, name);
}

// ---- show

void EditorBinder::writeForm(const FormValues& values)
{
    const Writing guard(writing_);
    for (std::size_t i = 0; i < ruvek::editor::kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        writeValue(id, values.controls[i]);
        // The changed-data indicator and the deleted box follow the
        // indicators, not the show.
        if (id == ControlId::Edit73 || id == ControlId::CheckBox2)
            continue;
        QWidget* w = widgets_[i];
        const bool on = values.visible.test(i);
        if (w->isHidden() == on)
            w->setVisible(on);
    }
}

void EditorBinder::applyPatch(const ruvek::editor::FormPatch& patch)
{
    const Writing guard(writing_);
    for (const auto& [id, v] : patch.values)
        writeValue(id, v);
    for (const auto& [id, on] : patch.visibility)
        widget(id)->setVisible(on);
    for (const auto& [id, name] : patch.names)
        setAccessibleName(id, name);
}

void EditorBinder::setAccessibleName(ControlId id, const std::string& name)
{
    // Every new name is announced to screen readers, so only a changed one is set.
    QWidget* w = widget(id);
    const QString text = fromCp1252(name);
    if (w->accessibleName() != text)
        w->setAccessibleName(text);
}

void EditorBinder::setItems(ControlId id, const std::vector<std::string>& items)
{
    std::vector<std::string>& now = items_[ruvek::editor::index(id)];
    if (now == items)
        return;
    auto* combo = static_cast<QComboBox*>(widget(id));
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& s : items)
        list << fromCp1252(s);
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(list);
    now = items;
}

void EditorBinder::writeValue(ControlId id, const ControlValue& v)
{
    const std::size_t i = ruvek::editor::index(id);
    QWidget* w = widgets_[i];
    const ControlKind kind = ruvek::editor::controlKind(id);
    if (kind == ControlKind::Label && red_[i] != v.red) {
        red_[i] = v.red;
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, v.red ? QColor(Qt::red) : w->parentWidget()->palette().color(QPalette::WindowText));
        w->setPalette(palette);
    }
    if (v.hint) {
        const QString hint = fromCp1252(*v.hint);
        if (w->toolTip() != hint) {
            w->setToolTip(hint);
            w->setStatusTip(hint);
        }
    }
    if (v.accessibleName)
        setAccessibleName(id, *v.accessibleName);
    if (!written_.test(i))
        return;

    const QSignalBlocker block(w);
    switch (kind) {
    case ControlKind::LineEdit:
    case ControlKind::MaskEdit: {
        auto* edit = static_cast<QLineEdit*>(w);
        const QString text = fromCp1252(v.text);
        if (edit->displayText() != text || edit->text() != text)
            edit->setText(text);
        break;
    }
    case ControlKind::Memo: {
        auto* memo = static_cast<QPlainTextEdit*>(w);
        const QString text = memoFromRecord(v.text);
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        if (v.items)
            setItems(id, *v.items);
        int index = v.index;
        if (index < 0 && !v.text.empty())
            index = combo->findText(fromCp1252(v.text), Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo->setCurrentIndex(index < combo->count() ? index : -1);
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(w);
        const Qt::CheckState state = v.check == CheckState::Checked  ? Qt::Checked
                                     : v.check == CheckState::Greyed ? Qt::PartiallyChecked
                                                                     : Qt::Unchecked;
        // A check box repaints on every write, even of its own state.
        if (box->isTristate() != (v.check == CheckState::Greyed))
            box->setTristate(v.check == CheckState::Greyed);
        if (box->checkState() != state)
            box->setCheckState(state);
        break;
    }
    case ControlKind::RadioGroup: {
        auto* group = static_cast<RadioGroup*>(w);
        if (group->itemIndex() != v.index)
            group->setItemIndex(v.index);
        break;
    }
    case ControlKind::Label: {
        auto* label = static_cast<QLabel*>(w);
        const QString text = fromCp1252(v.text);
        if (label->text() != text)
            label->setText(text);
        break;
    }
    default:
        break;
    }
}

// ---- store

FormValues EditorBinder::readForm() const
{
    FormValues form;
    for (std::size_t i = 0; i < ruvek::editor::kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        form.controls[i] = readValue(id);
        form.visible.set(i, visibleOnItsPage(id));
    }
    return form;
}

ControlValue EditorBinder::readValue(ControlId id) const
{
    ControlValue v;
    QWidget* w = widget(id);
    switch (ruvek::editor::controlKind(id)) {
    case ControlKind::LineEdit:
        v.text = cp1252(static_cast<QLineEdit*>(w)->text());
        break;
    case ControlKind::MaskEdit:
        // The mask's blanks belong to the text ("  .  .19  ").
        v.text = cp1252(static_cast<QLineEdit*>(w)->displayText());
        break;
    case ControlKind::Memo:
        v.text = memoToRecord(withoutNonCp1252(static_cast<QPlainTextEdit*>(w)->toPlainText()));
        break;
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        v.index = combo->currentIndex();
        v.text = v.index >= 0 ? cp1252(combo->currentText()) : std::string();
        const auto& items = items_[ruvek::editor::index(id)];
        if (!items.empty())
            v.items = items;
        break;
    }
    case ControlKind::CheckBox: {
        const Qt::CheckState s = static_cast<QCheckBox*>(w)->checkState();
        v.check = s == Qt::Checked ? CheckState::Checked : s == Qt::PartiallyChecked ? CheckState::Greyed
                                                                                     : CheckState::Unchecked;
        break;
    }
    case ControlKind::RadioGroup:
        v.index = static_cast<RadioGroup*>(w)->itemIndex();
        break;
    case ControlKind::Label:
        v.text = cp1252(static_cast<QLabel*>(w)->text());
        v.red = red_[ruvek::editor::index(id)];
        break;
    default:
        break;
    }
    return v;
}

// Visible as far as the control itself and its groups go; which editor page
// is in front does not matter.
bool EditorBinder::visibleOnItsPage(ControlId id) const
{
    for (const QWidget* w = widget(id); w; w = w->parentWidget()) {
        if (qobject_cast<const QStackedWidget*>(w->parentWidget()))
            return true;  // a page of a page control
        if (w->isHidden())
            return false;
    }
    return true;
}

// ---- list and indicators

void EditorBinder::setStudentList(const ruvek::editor::StudentList& list)
{
    auto* box = static_cast<QListWidget*>(widget(ControlId::ListBox1));
    const Writing guard(writing_);
    const QSignalBlocker block(box);
    std::vector<bool> deleted;
    deleted.reserve(list.recordOf.size());
    for (int r : list.recordOf)
        deleted.push_back(isDeleted_ && isDeleted_(r));
    // Moving through the class leaves the entries as they are, or changes
    // the one just stored: only what differs is touched.
    if (list.entries.size() != listEntries_.size()) {
        box->clear();
        listEntries_.assign(list.entries.size(), std::string());
        listDeleted_.assign(list.entries.size(), false);
        for (std::size_t e = 0; e < list.entries.size(); ++e)
            new QListWidgetItem(fromCp1252(list.entries[e]), box);
        listEntries_ = list.entries;
    }
    for (std::size_t e = 0; e < list.entries.size(); ++e) {
        QListWidgetItem* item = box->item(static_cast<int>(e));
        if (list.entries[e] != listEntries_[e]) {
            // The view would repaint every visible entry on a changed one;
            // the entry keeps its size, so repainting it alone is enough.
            {
                const QSignalBlocker quiet(box->model());
                item->setText(fromCp1252(list.entries[e]));
            }
            box->viewport()->update(box->visualItemRect(item));
            listEntries_[e] = list.entries[e];
        }
        if (deleted[e] != listDeleted_[e]) {
            // Deleted students stay listed but look crossed out.
            QFont font = item->font();
            font.setStrikeOut(deleted[e]);
            item->setFont(font);
            item->setForeground(deleted[e] ? QBrush(Qt::gray) : QBrush());
            item->setToolTip(deleted[e] ? QStringLiteral("gelöscht") : QString());
            listDeleted_[e] = deleted[e];
        }
    }
    listRecords_ = list.recordOf;
    box->setCurrentRow(list.selected.value_or(-1));
    if (!list.selected)
        box->clearSelection();
}

std::optional<int> EditorBinder::recordOfEntry(int entry) const
{
    if (entry < 0 || entry >= static_cast<int>(listRecords_.size()))
        return std::nullopt;
    return listRecords_[static_cast<std::size_t>(entry)];
}

void EditorBinder::setIndicators(const ruvek::editor::Indicators& in)
{
    const Writing guard(writing_);
    static_cast<QLineEdit*>(widget(ControlId::Edit12))->setText(QString::number(in.recordNumber));
    static_cast<QLineEdit*>(widget(ControlId::Edit13))->setText(QString::number(in.recordCount));
    auto* deleted = static_cast<QCheckBox*>(widget(ControlId::CheckBox2));
    const Qt::CheckState state = in.deleted == CheckState::Checked  ? Qt::Checked
                                 : in.deleted == CheckState::Greyed ? Qt::PartiallyChecked
                                                                    : Qt::Unchecked;
    if (deleted->isTristate() != (in.deleted == CheckState::Greyed))
        deleted->setTristate(in.deleted == CheckState::Greyed);
    if (deleted->checkState() != state)
        deleted->setCheckState(state);
    if (deleted->isHidden() == in.deletedBoxVisible)
        deleted->setVisible(in.deletedBoxVisible);
    if (onChangedIndicator)
        onChangedIndicator(in.changed);
}

void EditorBinder::setNavigationEnabled(bool back, bool forward)
{
    widget(ControlId::Button1)->setEnabled(back);
    widget(ControlId::Button2)->setEnabled(back);
    widget(ControlId::Button3)->setEnabled(forward);
    widget(ControlId::Button4)->setEnabled(forward);
}

} // namespace ruvek::ui::editor
