#pragma once
// TFaNoExpForm ("Exportieren von Fachnoten-Listen"): which subjects are
// exported as grade lists for the subject teachers, and how an existing
// list in the target folder is treated. The choices live for the program
// run and are remembered between openings.
#include "common/DomainValues.h"
#include "exchange/GradeListExport.h"

#include <QDialog>
#include <functional>
#include <vector>

class QCheckBox;

namespace ruvek::ui {

class RadioGroup;

class TFaNoExpForm : public QDialog {
    Q_OBJECT
public:
    TFaNoExpForm(ExportChoices& choices, const TFachKatalog& katalog, std::function<SchoolType()> schoolType,
                 QWidget* parent = nullptr);

    void FormShow();
    // A change of the export kind: the subject boxes follow it.
    void RadioGroup1Click();
    // "jetzt exportieren": takes over the choices, closes with result 1.
    void Button1Click();

    // The box of catalogue entry e (2..50).
    QCheckBox* subjectBox(int entry) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ExportChoices& choices_;
    const TFachKatalog& katalog_;
    std::function<SchoolType()> schoolType_;
    RadioGroup* radioGroup1_ = nullptr;
    std::vector<QCheckBox*> boxes_;   // entry 2 first
    QCheckBox* checkBox41_ = nullptr;
    QCheckBox* checkBox42_ = nullptr;
    QCheckBox* checkBox43_ = nullptr;
};

} // namespace ruvek::ui
