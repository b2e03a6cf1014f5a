#include "ui/editor/EditorWidgets.h"

#include "editor/ControlRows.h"
#include "editor/TextLimits.h"
#include "ui/Cp1252Text.h"

#include <QCheckBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QAbstractButton>
#include <QGroupBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace ruvek::ui::editor {

void setHint(QWidget* w, const QString& hint)
{
    if (hint.isEmpty())
        return;
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

namespace {
template <class W>
W* named(W* w, const char* name, const QString& hint)
{
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    setHint(w, hint);
    return w;
}

// The list's texts are UTF-8.
QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Width of `chars` average characters plus the frame.
int widthFor(const QWidget* w, int chars)
{
    return QFontMetrics(w->font()).averageCharWidth() * chars + 14;
}
} // namespace

void setWidthChars(QWidget* w, int chars) { w->setFixedWidth(widthFor(w, chars)); }

QWidget* makeControl(ruvek::editor::ControlId control)
{
    using ruvek::editor::ControlKind;
    using ruvek::editor::ControlLook;
    const ruvek::editor::ControlRow& row = ruvek::editor::Row(control);
    const std::string name(ruvek::editor::controlName(control));
    const QString hint = fromUtf8(row.hint);
    const QString text = fromUtf8(row.text);
    const QStringList items = selectorItems(ruvek::editor::ItemsOf(row.items));
    switch (ruvek::editor::controlKind(control)) {
    case ControlKind::LineEdit: {
        QLineEdit* e =
            row.look == ControlLook::Display ? displayEdit(name.c_str(), hint) : lineEdit(name.c_str(), hint);
        if (const int capacity = ruvek::editor::TextCapacity(control); capacity > 0)
            e->setMaxLength(capacity);
        return e;
    }
    case ControlKind::MaskEdit: return maskEdit(name.c_str(), text, hint);
    case ControlKind::ComboBox: return comboBox(name.c_str(), items, hint);
    case ControlKind::CheckBox: return checkBox(name.c_str(), text, hint);
    case ControlKind::RadioGroup: return radioGroup(name.c_str(), text, items);
    case ControlKind::Memo: return memo(name.c_str(), hint);
    case ControlKind::Label: return named(new QLabel(text), name.c_str(), hint);
    case ControlKind::GroupBox: return named(new QGroupBox(text), name.c_str(), hint);
    case ControlKind::Button:
        switch (row.look) {
        case ControlLook::Speed: return speedButton(name.c_str(), text, hint);
        case ControlLook::TakeOver: {
            QPushButton* b = button(name.c_str(), text, hint);
            b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            return b;
        }
        default: return button(name.c_str(), text, hint);
        }
    case ControlKind::ListBox:
    case ControlKind::PageControl: break;
    }
    throw std::logic_error("no page builds the editor control " + name);
}

QLabel* captionFor(ruvek::editor::ControlId control, QWidget* field)
{
    const ruvek::editor::ControlRow& row = ruvek::editor::Row(control);
    if (row.labelledBy) {
        auto* l = make<QLabel>(*row.labelledBy);
        l->setBuddy(field);
        return l;
    }
    if (row.label.empty())
        throw std::logic_error("no label names the editor control " + std::string(ruvek::editor::controlName(control)));
    return buddyLabel(nullptr, fromUtf8(row.label), field);
}

QLineEdit* lineEdit(const char* name, const QString& hint, int widthChars)
{
    auto* e = named(new QLineEdit, name, hint);
    if (widthChars > 0)
        e->setFixedWidth(widthFor(e, widthChars));
    return e;
}

QLineEdit* displayEdit(const char* name, const QString& hint, int widthChars)
{
    auto* e = lineEdit(name, hint, widthChars);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignCenter);
    return e;
}

QLineEdit* maskEdit(const char* name, const QString& maskText, const QString& hint)
{
    auto* e = lineEdit(name, hint, 11);
    // Digits may be left out, so the empty mask "  .  .19  " is a valid text.
    e->setInputMask(QStringLiteral("00.00.0000; "));
    e->setText(maskText);
    return e;
}

QComboBox* comboBox(const char* name, const QStringList& items, const QString& hint)
{
    auto* c = named(new QComboBox, name, hint);
    c->addItems(items);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

QCheckBox* checkBox(const char* name, const QString& caption, const QString& hint)
{
    return named(new QCheckBox(caption), name, hint);
}

QPushButton* button(const char* name, const QString& caption, const QString& hint)
{
    auto* b = named(new QPushButton(caption), name, hint);
    b->setAutoDefault(false);
    return b;
}

QToolButton* speedButton(const char* name, const QString& caption, const QString& hint)
{
    auto* b = named(new QToolButton, name, hint);
    b->setText(caption);
    return b;
}

QPlainTextEdit* memo(const char* name, const QString& hint)
{
    auto* m = named(new QPlainTextEdit, name, hint);
    // Tab moves on to the next control, as in every other field.
    m->setTabChangesFocus(true);
    return m;
}

RadioGroup* radioGroup(const char* name, const QString& caption, const QStringList& items, int columns)
{
    return new RadioGroup(QString::fromLatin1(name), caption, items, columns);
}

QLabel* label(const char* name, const QString& caption)
{
    return named(new QLabel(caption), name, {});
}

QLabel* buddyLabel(const char* name, const QString& caption, QWidget* buddy)
{
    QLabel* l = label(name, caption);
    l->setBuddy(buddy);
    return l;
}

void addRow(QGridLayout* grid, int row, QLabel* caption, QWidget* field, QWidget* extra)
{
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (extra)
        grid->addWidget(extra, row, 2);
}

void chainTabOrder(const std::vector<QWidget*>& widgets)
{
    std::vector<QWidget*> chain;
    for (QWidget* w : widgets) {
        if (auto* group = qobject_cast<RadioGroup*>(w)) {
            for (auto* b : group->findChildren<QAbstractButton*>())
                chain.push_back(b);
        } else {
            chain.push_back(w);
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TwoColumnPage::setColumns(QBoxLayout* columns, QLayout* left, QLayout* right)
{
    columns_ = columns;
    left_ = left;
    right_ = right;
}

void TwoColumnPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

bool TwoColumnPage::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        arrange();   // content of a column was shown or hidden
    if (event->type() == QEvent::ParentChange && parentWidget())
        parentWidget()->installEventFilter(this);
    return handled;
}

bool TwoColumnPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        arrange();
    return QWidget::eventFilter(watched, event);
}

void TwoColumnPage::arrange()
{
    if (!columns_)
        return;
    const QMargins m = layout() ? layout()->contentsMargins() : QMargins();
    const int needed = left_->minimumSize().width() + columns_->spacing() + right_->minimumSize().width() +
                       m.left() + m.right();
    const int available = parentWidget() ? parentWidget()->width() : width();
    const auto direction = available >= needed ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (columns_->direction() == direction)
        return;
    columns_->setDirection(direction);
    // Lay out now, also while the page is hidden behind another tab: a
    // layout left pending would not follow the resize that comes next.
    if (layout())
        layout()->activate();
    // The scroll area sizes the page from its size hint; it learns of the
    // new hint only when asked to lay out again.
    if (QWidget* area = parentWidget() ? parentWidget()->parentWidget() : nullptr)
        QCoreApplication::postEvent(area, new QEvent(QEvent::LayoutRequest));
}

QGroupBox* section(const char* name, const QString& caption)
{
    return named(new QGroupBox(caption), name, {});
}

QStringList selectorItems(const std::vector<std::string>& cp1252Items)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(cp1252Items.size()));
    for (const std::string& item : cp1252Items)
        items << fromCp1252(item);
    return items;
}

} // namespace ruvek::ui::editor
