#include "ui/settings/TransferItemBoxes.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ruvek::ui {

namespace {

// The objectName of each item's check box in both dialogs.
const char* checkBoxName(TransferItem i)
{
    switch (i) {
    case TransferItem::WPflFach: return "CheckBox1";
    case TransferItem::TestTst: return "CheckBox2";
    case TransferItem::SchulEinst: return "CheckBox3";
    case TransferItem::ProgEinst: return "CheckBox4";
    case TransferItem::DrkEinst: return "CheckBox5";
    case TransferItem::FormFiles: return "CheckBox7";
    case TransferItem::TestTxt: return "CheckBox8";
    }
    return "";
}

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
            box->setObjectName(QString::fromLatin1(checkBoxName(i.item)));
            box->setToolTip(QString::fromUtf8(i.file));
            // Two boxes have a blank caption: a screen reader names them by their file.
            if (QString::fromUtf8(i.caption).trimmed().isEmpty())
                box->setAccessibleName(QString::fromUtf8(i.file));
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

QHBoxLayout* transferButtonRow(QDialog* dialog, const QString& okCaption, const std::function<void()>& ok,
                               const std::function<void()>& cancel)
{
    auto* button1 = new QPushButton(okCaption, dialog);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setDefault(true);
    auto* button2 = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    button2->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button1);
    buttons->addWidget(button2);
    QObject::connect(button1, &QPushButton::clicked, dialog, ok);
    QObject::connect(button2, &QPushButton::clicked, dialog, cancel);
    return buttons;
}

} // namespace ruvek::ui
