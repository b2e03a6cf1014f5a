#include "ui/settings/FolderChooser.h"

#include "ui/QtPrompter.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace ruvek::ui {

FolderChooser::FolderChooser(const QString& driveBoxName, const QString& listName, QWidget* parent) : QWidget(parent)
{
    drives_ = new QComboBox(this);
    drives_->setObjectName(driveBoxName);
    drives_->setAccessibleName(QStringLiteral("Laufwerk"));
    // The volumes a backup can go to: the root, mounted disks and sticks,
    // and the home folder; pseudo file systems are of no use here.
    QStringList roots{QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && !v.isReadOnly() && !roots.contains(v.rootPath()) &&
            !v.rootPath().startsWith(QStringLiteral("/proc")) && !v.rootPath().startsWith(QStringLiteral("/sys")) &&
            !v.rootPath().startsWith(QStringLiteral("/dev")) && !v.rootPath().startsWith(QStringLiteral("/run")))
            roots << v.rootPath();
    drives_->addItems(roots);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setReadOnly(false);   // a new folder is named in place
    model_->setRootPath(QDir::rootPath());

    list_ = new QTreeView(this);
    list_->setObjectName(listName);
    list_->setAccessibleName(QStringLiteral("Ordner"));
    list_->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c)
        list_->hideColumn(c);
    list_->header()->hide();
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drives_);
    layout->addWidget(list_, 1);

    connect(drives_, &QComboBox::currentTextChanged, this, [this](const QString& root) {
        showDrive(root);
        setFolder(toPath(root));
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        folder_ = toPath(model_->filePath(index));
        emit folderChanged();
    });
    // A renamed new folder stays the chosen one under its new name.
    connect(model_, &QFileSystemModel::fileRenamed, this,
            [this](const QString& path, const QString& oldName, const QString& newName) {
                if (folder_ == toPath(path + u'/' + oldName)) {
                    folder_ = toPath(path + u'/' + newName);
                    emit folderChanged();
                }
            });
    showDrive(drives_->currentText());
}

void FolderChooser::showDrive(const QString& root) { list_->setRootIndex(model_->index(root)); }

void FolderChooser::setFolder(const std::filesystem::path& folder)
{
    const QString path = toQString(folder);
    // The longest drive root the folder lies below.
    int best = -1;
    for (int i = 0; i < drives_->count(); ++i) {
        const QString r = drives_->itemText(i);
        const QString withSlash = r.endsWith(u'/') ? r : r + u'/';
        if ((path == r || path.startsWith(withSlash)) && (best < 0 || r.size() > drives_->itemText(best).size()))
            best = i;
    }
    if (best >= 0 && best != drives_->currentIndex()) {
        const QSignalBlocker block(drives_);
        drives_->setCurrentIndex(best);
        showDrive(drives_->currentText());
    }
    folder_ = folder;
    const QModelIndex index = model_->index(path);
    if (index.isValid()) {
        const QSignalBlocker block(list_->selectionModel());
        list_->setCurrentIndex(index);
        list_->scrollTo(index);
    }
    emit folderChanged();
}

std::filesystem::path FolderChooser::makeNewFolder()
{
    namespace fs = std::filesystem;
    const QString base = QStringLiteral("Neuer Ordner");
    fs::path made;
    for (int n = 1; n < 1000 && made.empty(); ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const fs::path candidate = folder_ / toPath(name);
        std::error_code ec;
        if (!fs::exists(candidate, ec) && fs::create_directory(candidate, ec))
            made = candidate;
    }
    if (made.empty())
        return {};
    setFolder(made);
    const QModelIndex index = model_->index(toQString(made));
    if (index.isValid())
        list_->edit(index);
    return made;
}

} // namespace ruvek::ui
