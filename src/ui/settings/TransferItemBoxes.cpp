#include "ui/settings/TransferItemBoxes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {

bool rarelyNeeded(TransferItem i)
{
    return i == TransferItem::TestTst || i == TransferItem::FormFiles || i == TransferItem::TestTxt;
}

} // namespace

TransferItemBoxes::TransferItemBoxes(const QString& title, QWidget* parent)
{
    group_ = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group_);
    for (bool rare : {false, true}) {
        if (rare)
            layout->addWidget(new QLabel(QStringLiteral("nur in Spezialfällen notwendig: "), group_));
        for (const TransferItemInfo& i : transferItems()) {
            if (rarelyNeeded(i.item) != rare)
                continue;
            auto* box = new QCheckBox(QString::fromUtf8(i.caption), group_);
            box->setObjectName(QString::fromLatin1(i.checkBox));
            box->setToolTip(QString::fromUtf8(i.file));
            boxes_[static_cast<std::size_t>(i.item)] = box;
            layout->addWidget(box);
        }
    }
    layout->addStretch(1);
}

void TransferItemBoxes::setSelection(const TransferSelection& selection)
{
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(selection[i]);
}

TransferSelection TransferItemBoxes::selection() const
{
    TransferSelection s{};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        s[i] = boxes_[i]->isChecked();
    return s;
}

} // namespace ruvek::ui
