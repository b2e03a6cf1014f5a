#pragma once
// "Kalibrierung": after the calibration sheet is printed, the teacher enters
// how far the cross near the top-left corner stands from 20.0 mm (in mm,
// positive when it stands further right or further down); OK takes the
// deviations off the print options' left and top margins and saves them.
#include "common/Prompter.h"
#include "settings/DrkEinst.h"

#include <QDialog>

#include <filesystem>

class QDoubleSpinBox;
class QLabel;

namespace ruvek::ui {

class TKalibrierForm : public QDialog {
    Q_OBJECT
public:
    TKalibrierForm(TDrkEinstRec& options, std::filesystem::path programFolder, std::filesystem::path dataFolder,
                   Prompter& prompter, QWidget* parent = nullptr);

    QDoubleSpinBox* deviationX() const { return deviationX_; }
    QDoubleSpinBox* deviationY() const { return deviationY_; }
    // OK: checks and stores the new margins; the dialog stays open when
    // they are refused.
    void Button1Click();

private:
    void updatePreview();

    TDrkEinstRec& options_;
    std::filesystem::path programFolder_;
    std::filesystem::path dataFolder_;
    Prompter& prompter_;
    QDoubleSpinBox* deviationX_;
    QDoubleSpinBox* deviationY_;
    QLabel* preview_;
};

} // namespace ruvek::ui
