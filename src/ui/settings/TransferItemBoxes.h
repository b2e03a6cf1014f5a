#pragma once
// The check boxes of the transferable settings files, shared by the export
// and the import dialog: the everyday items first, then, below the label
// "nur in Spezialfällen notwendig: ", the rarely needed ones.
#include "settings/SettingsTransfer.h"

#include <QString>
#include <array>
#include <functional>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QGroupBox;
class QWidget;

namespace ruvek::ui {

// The button row of the transfer dialogs: "OK   (<action>)" (Button1, the
// default) and "Abbrechen" (Button2), right-aligned.
QHBoxLayout* transferButtonRow(QDialog* dialog, const QString& okCaption, const std::function<void()>& ok,
                               const std::function<void()>& cancel);

class TransferItemBoxes {
public:
    // Builds the group "title" with one check box per item, named as the items name them.
    TransferItemBoxes(const QString& title, QWidget* parent);

    QGroupBox* group() const { return group_; }
    void setSelection(const TransferSelection& selection);
    TransferSelection selection() const;

private:
    QGroupBox* group_;
    std::array<QCheckBox*, kTransferItemCount> boxes_{};
};

} // namespace ruvek::ui
