#include "ui/settings/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace ruvek::ui {

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this))
{
    setObjectName(objectName);
    auto* layout = new QGridLayout(this);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + "_" + QString::number(i));
        buttons_->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const { return buttons_->checkedId(); }

void RadioGroup::setItemIndex(int index)
{
    if (auto* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot be emptied by unchecking its checked button.
    buttons_->setExclusive(false);
    for (auto* b : buttons_->buttons())
        b->setChecked(false);
    buttons_->setExclusive(true);
}

int RadioGroup::count() const { return static_cast<int>(buttons_->buttons().size()); }

QString RadioGroup::itemText(int index) const
{
    auto* b = buttons_->button(index);
    return b ? b->text() : QString();
}

} // namespace ruvek::ui
