#pragma once
// The window of "Testen → auf Vollständigkeit": the findings of the
// completeness check in a sortable list (student number, student, editor
// page, field, finding), printable, and a double-click takes the user to
// the student and the field in the editor.
#include "completeness/Completeness.h"

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QPrinter;
class QTreeWidget;
class QTreeWidgetItem;

namespace ruvek::ui {

class TVollstaendigkeitForm : public QDialog {
    Q_OBJECT
public:
    explicit TVollstaendigkeitForm(QWidget* parent = nullptr);

    // Shows these findings of the class `className` (replacing earlier ones).
    void setFindings(const std::vector<Finding>& findings, const QString& className);

    // Told on a double-click: the record's list position and the objectName
    // of the field to focus.
    std::function<void(std::size_t listIndex, const QString& field)> onJump;

    QTreeWidget* list() const { return list_; }
    // The list as a printable document (HTML), in the order shown.
    QString reportHtml() const;
    void printTo(QPrinter& printer) const;

private:
    void jumpTo(QTreeWidgetItem* item);
    void widenForFindings();
    void print();

    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QString className_;
};

} // namespace ruvek::ui
