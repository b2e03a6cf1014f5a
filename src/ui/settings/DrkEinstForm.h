#pragma once
// "Einstellungen der Druck-Optionen": margins, page frame, strike-outs,
// publisher paper and coat of arms, receipt acknowledgements, print dialogs
// and storage, on three pages. OK writes DRKEINST.DAT into the program folder
// or, with "Einstellungen zentral speichern" off, into the data folder.
#include "common/Prompter.h"
#include "settings/Settings.h"

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace ruvek::ui {

class RadioGroup;

class TDrkEinstForm : public QDialog {
    Q_OBJECT
public:
    // dataFolder: asked at every OK, since the data folder follows the class
    // file last opened or saved; without it settings.dataFolder is used.
    TDrkEinstForm(Settings& settings, Prompter& prompter, std::function<std::filesystem::path()> dataFolder = {},
                  QWidget* parent = nullptr);

    // The dialog's reactions, callable without a running event loop.
    void FormShow();      // record -> controls
    void Button1Click();  // "OK": controls -> record, save, close with Accepted; an invalid margin keeps it open
    void Button2Click();  // "Abbrechen": close with Rejected, nothing stored
    void Button3Click();  // "Standard wiederherstellen": defaults into the record at once, and shown

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Margin {
        QLineEdit* edit;
        QString caption;
        std::int16_t TDrkEinstRec::*field;
    };
    QCheckBox* addSwitch(const char* objectName, const QString& caption, std::int16_t TDrkEinstRec::*field);
    RadioGroup* addRadioGroup(const char* objectName, const QString& caption, const QStringList& items,
                              std::int16_t TDrkEinstRec::*field, int columns = 1);
    QLineEdit* addMargin(const char* objectName, const QString& caption, std::int16_t TDrkEinstRec::*field);
    // The margins as numbers, or nullopt after telling the user which field is wrong.
    std::optional<std::vector<std::int16_t>> readMargins();
    std::filesystem::path dataFolder() const;

    Settings& settings_;
    Prompter& prompter_;
    std::function<std::filesystem::path()> dataFolder_;

    std::vector<std::pair<QCheckBox*, std::int16_t TDrkEinstRec::*>> switches_;
    std::vector<std::pair<RadioGroup*, std::int16_t TDrkEinstRec::*>> radioGroups_;
    std::vector<Margin> margins_;
    QTabWidget* pageControl1_;
    QLineEdit* edit1_;       // Streichzeichen
    QComboBox* comboBox1_;   // NormalStreichzeichen
    QPushButton* button1_;
    QPushButton* button2_;
    QPushButton* button3_;
};

} // namespace ruvek::ui
