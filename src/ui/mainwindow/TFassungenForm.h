#pragma once
// "Ältere Fassung wiederherstellen": lists the kept versions of a class with
// date, time, number of students and size, the newest first, and gives the
// one the user chooses.
#include "classfile/VersionBackups.h"

#include <QDialog>
#include <optional>
#include <vector>

class QTableWidget;

namespace ruvek::ui {

class TFassungenForm : public QDialog {
    Q_OBJECT
public:
    TFassungenForm(const std::string& className, const std::vector<KeptVersion>& versions, QWidget* parent = nullptr);

    // Shows the dialog; the index of the chosen version, nothing on "Abbrechen".
    std::optional<std::size_t> ask();
    QTableWidget* grid() const { return grid_; }

private:
    QTableWidget* grid_ = nullptr;
};

// The size of a file as the list shows it: "36 KB", "3.542 KB".
QString fileSizeText(std::uintmax_t bytes);

} // namespace ruvek::ui
