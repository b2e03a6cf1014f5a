#pragma once
// The window "Schulübersicht": every class file of a folder in one sortable
// table (class, class teacher, students, certificate forms, completeness
// findings, open elsewhere, last saved, kept versions). The files are read in
// the background, several at once, with a progress bar; a file that cannot
// be read shows its German reason in its row. A double-click opens the class
// in the main window, "Prüfen" reads the selected rows (or all) again with a
// fresh completeness check, and "Drucken" prints certificates, receipt
// acknowledgements or reports of the selected classes in one print command.
#include "common/Prompter.h"
#include "dispatch/PrintPlan.h"
#include "school/ClassOverview.h"
#include "settings/Installation.h"

#include <QDialog>
#include <QFutureWatcher>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace ruvek::ui {

class ClassOverviewModel;

// What the window needs of the main window.
struct SchoolOverviewHost {
    Prompter& prompter;
    // The installation as it is now; each background run reads a copy.
    std::function<const Installation&()> installation;
    // Opens the class in the main window, as File Open does.
    std::function<void(const std::filesystem::path&)> openClass;
    // Carries a print plan out, as the print commands of the menu do; a PDF
    // file is proposed under the title given.
    std::function<void(const PrintPlan&, const std::string& title)> print;
    // The class open in the main window when it has unsaved changes.
    std::function<std::optional<std::filesystem::path>()> unsavedClass;
};

class TSchulUebersichtForm : public QDialog {
    Q_OBJECT
public:
    explicit TSchulUebersichtForm(SchoolOverviewHost host, QWidget* parent = nullptr);
    ~TSchulUebersichtForm() override;

    // Shows the class files of `folder` and starts reading them.
    void showFolder(const std::filesystem::path& folder);
    // Lists the folder again and reads every file.
    void reload();
    // "Prüfen": reads the selected rows again (all when none is selected).
    void checkRows();
    // "Drucken": asks what to print, then prints it for the selected classes.
    void printRows();
    // Opens the class of a row of the table as shown (after sorting).
    void openRow(int shownRow);

    bool busy() const;
    const std::vector<ClassOverviewRow>& rows() const;
    const std::filesystem::path& folder() const { return folder_; }

    QTableView* table() const { return table_; }
    QSortFilterProxyModel* proxy() const { return proxy_; }
    QProgressBar* progress() const { return progress_; }
    QCheckBox* subfolders() const { return subfolders_; }
    QCheckBox* previewFirst() const { return previewFirst_; }
    QLabel* summary() const { return summary_; }

signals:
    // A background read has ended (all rows it read are in the table).
    void readingFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Reads the rows at these positions of the model in the background.
    void readRows(std::vector<int> rows);
    void stopReading();
    void readingDone();
    void chooseFolder();
    void updateButtons();
    void updateSummary();
    void fitColumns();
    void joinErrorCells();
    // The model rows selected in the table, in the order shown.
    std::vector<int> selectedRows() const;

    SchoolOverviewHost host_;
    std::filesystem::path folder_;
    ClassOverviewModel* model_ = nullptr;
    QSortFilterProxyModel* proxy_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* folderEdit_ = nullptr;
    QPushButton* folderButton_ = nullptr;
    QCheckBox* subfolders_ = nullptr;
    QPushButton* reloadButton_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QCheckBox* previewFirst_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;

    QFutureWatcher<ClassOverviewRow> watcher_;
    std::vector<int> reading_;   // the model rows of the running read, in its order
};

} // namespace ruvek::ui
