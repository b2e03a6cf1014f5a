#pragma once
// The drive box and directory list of the transfer and backup dialogs: the
// drive box offers the mounted volumes (and the home folder), the list shows
// the folders of the chosen drive; the folder selected in the list is the
// chosen folder.
#include <QWidget>
#include <filesystem>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace ruvek::ui {

class FolderChooser : public QWidget {
    Q_OBJECT
public:
    // driveBoxName / listName: the object names of the two controls.
    FolderChooser(const QString& driveBoxName, const QString& listName, QWidget* parent = nullptr);

    // Sets the drive box to the volume holding `folder` and selects it in the list.
    void setFolder(const std::filesystem::path& folder);
    std::filesystem::path folder() const { return folder_; }

    // Makes a new folder "Neuer Ordner" (numbered when taken) inside the
    // chosen folder, selects it and opens its name for editing. Returns it,
    // or an empty path when it could not be made.
    std::filesystem::path makeNewFolder();

signals:
    void folderChanged();

private:
    void showDrive(const QString& root);

    QComboBox* drives_;
    QTreeView* list_;
    QFileSystemModel* model_;
    std::filesystem::path folder_;
};

} // namespace ruvek::ui
