#pragma once
// The password question and the list of a file's content, as the desktop
// program shows them (QtPrompter::askPassword and confirmList). A new
// password is typed twice; its estimated strength is shown while typing,
// and OK is possible only when both entries agree and meet the rules.
#include "common/Prompter.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace ruvek::ui {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(const PasswordRequest& request, QWidget* parent = nullptr);
    PasswordAnswer answer() const;

    QLineEdit* first() const { return first_; }
    QLineEdit* second() const { return second_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* strengthLabel() const { return strength_; }

private:
    void update();

    bool newPassword_;
    QLineEdit* first_;
    QLineEdit* second_ = nullptr;
    QLabel* strength_ = nullptr;
    QProgressBar* meter_ = nullptr;
    QLabel* hint_ = nullptr;
    QCheckBox* option_ = nullptr;
    QPushButton* ok_;
};

class FileListDialog : public QDialog {
    Q_OBJECT
public:
    FileListDialog(const ListRequest& request, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};

} // namespace ruvek::ui
