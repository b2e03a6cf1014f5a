#include "ui/QtPrompter.h"

#include "ui/PasswordDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace ruvek::ui {

QString toQString(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string toUtf8(const QString& text) { return text.toStdString(); }
QString toQString(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

namespace {

// Drops a trailing "(...)" from a description: Qt reads the patterns from the
// parentheses, and we give it our own cleaned list there.
QString plainDescription(QString d)
{
    d = d.trimmed();
    if (d.endsWith(u')')) {
        const qsizetype open = d.lastIndexOf(u'(');
        if (open > 0)
            d = d.left(open).trimmed();
    }
    return d;
}

QStringList expandPatterns(const QString& list)
{
    QStringList out;
    for (QString p : list.split(u';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p.isEmpty())
            continue;
        if (p == u"*.*")
            p = QStringLiteral("*");
        for (const QString& v : {p, p.toUpper(), p.toLower()})
            if (!out.contains(v))
                out << v;
    }
    return out;
}

// A box asked from inside a modal dialog belongs on that dialog, not
// behind it on the main window.
QWidget* ownerFor(QWidget* parent)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent;
}

QString titleFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return QStringLiteral("Fehler");
    case MessageKind::Warning: return QStringLiteral("Warnung");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Confirmation: return QStringLiteral("Bestätigen");
    case MessageKind::Plain: break;
    }
    const QString app = QApplication::applicationName();
    return app.isEmpty() ? QStringLiteral("Ruvek") : app;
}

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    case MessageKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

// Shows a box with the given buttons (German captions); returns the button
// pressed. Enter presses defaultButton, or the box's own choice when none is given.
QMessageBox::StandardButton runBox(QWidget* parent, MessageKind kind, const std::string& text,
                                   QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape,
                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(iconFor(kind), titleFor(kind), toQString(text), buttons, ownerFor(parent));
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Yes, "Ja"}, {QMessageBox::No, "Nein"},
        {QMessageBox::Ok, "OK"},  {QMessageBox::Cancel, "Abbrechen"}};
    for (const auto& [id, caption] : captions)
        if (QAbstractButton* b = box.button(id))
            b->setText(QString::fromUtf8(caption));
    box.setEscapeButton(escape);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The detail columns of the file dialogs in German. The file system model
// writes sizes and dates in the system locale, whatever locale the dialog
// has, so the texts are made here: "2,0 kB", "05.03.2026 14:07", "RVK-Datei".
class GermanFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() == 0)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QFileInfo info = files->fileInfo(source);
        switch (index.column()) {
        case 1:
            return info.isDir() ? QString()
                                : german_.formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
        case 2:
            if (info.isDir())
                return QStringLiteral("Dateiordner");
            return info.suffix().isEmpty() ? QStringLiteral("Datei")
                                           : info.suffix().toUpper() + QStringLiteral("-Datei");
        case 3:
            return german_.toString(files->lastModified(source), QStringLiteral("dd.MM.yyyy HH:mm"));
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char* const captions[] = {"Name", "Größe", "Typ", "Geändert am"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
            return QString::fromUtf8(captions[section]);
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

private:
    QLocale german_{QLocale::German, QLocale::Germany};
};

// The program's own (not the platform's) file dialog, all in German.
void germanLabels(QFileDialog& dlg, bool save)
{
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setLocale(QLocale(QLocale::German, QLocale::Germany));
    dlg.setProxyModel(new GermanFileColumns(&dlg));
    dlg.setLabelText(QFileDialog::Accept, save ? QStringLiteral("Speichern") : QStringLiteral("Öffnen"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    dlg.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dlg.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dlg.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    // Qt's own dialog names these two selectors by their entry only.
    for (const auto& [name, spoken] : {std::pair{"lookInCombo", "Suchen in"}, std::pair{"fileTypeCombo", "Dateityp"}})
        if (auto* combo = dlg.findChild<QComboBox*>(QLatin1String(name)))
            combo->setAccessibleName(QString::fromUtf8(spoken));
}

// The extension of the first filter entry ("RVK" for "*.RVK"), used as the
// default suffix when a name is typed without one.
QString firstSuffix(const std::string& filter)
{
    const auto entries = parseFileFilter(filter);
    if (entries.isEmpty() || entries.front().patterns.isEmpty())
        return {};
    const QString p = entries.front().patterns.front();
    if (p.startsWith(u"*.") && !p.mid(2).contains(u'*') && !p.contains(u'?'))
        return p.mid(2);
    return {};
}

} // namespace

QList<FileFilterEntry> parseFileFilter(const std::string& filter)
{
    QList<FileFilterEntry> out;
    const QStringList parts = toQString(filter).split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        FileFilterEntry e{plainDescription(parts[i]), expandPatterns(parts[i + 1])};
        if (!e.patterns.isEmpty())
            out << e;
    }
    // A lone description without patterns: take the patterns from its parentheses.
    if (out.isEmpty() && parts.size() == 1 && !parts[0].trimmed().isEmpty()) {
        const QString d = parts[0];
        const qsizetype open = d.lastIndexOf(u'('), close = d.lastIndexOf(u')');
        if (open >= 0 && close > open)
            out << FileFilterEntry{plainDescription(d),
                                   expandPatterns(d.mid(open + 1, close - open - 1).replace(u' ', u';'))};
    }
    return out;
}

QString toQtFilter(const std::string& filter)
{
    QStringList items;
    for (const auto& e : parseFileFilter(filter))
        items << QStringLiteral("%1 (%2)").arg(e.description, e.patterns.join(u' '));
    return items.join(QStringLiteral(";;"));
}

bool QtPrompter::askYesNo(const std::string& text, MessageKind kind)
{
    return runBox(parent_, kind, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompter::askOkCancel(const std::string& text, MessageKind kind)
{
    return runBox(parent_, kind, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtPrompter::tell(MessageKind kind, const std::string& text)
{
    runBox(parent_, kind, text, QMessageBox::Ok, QMessageBox::Ok);
}

int QtPrompter::askChoice(const std::string& text, const std::vector<std::string>& buttons, MessageKind kind)
{
    QMessageBox box(iconFor(kind), titleFor(kind), toQString(text), QMessageBox::NoButton, ownerFor(parent_));
    QList<QAbstractButton*> made;
    for (const std::string& caption : buttons)
        made << box.addButton(toQString(caption), QMessageBox::ActionRole);
    if (!made.isEmpty()) {
        box.setDefaultButton(static_cast<QPushButton*>(made.front()));
        // Escape and closing the box count as the last button (the one that backs out).
        box.setEscapeButton(made.back());
    }
    box.exec();
    const qsizetype pressed = made.indexOf(box.clickedButton());
    return pressed >= 0 ? static_cast<int>(pressed) : static_cast<int>(buttons.size()) - 1;
}

void QtPrompter::showTimedInfo(const std::string& caption, const std::vector<std::string>& lines, int milliseconds)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << toQString(line);
    while (texts.size() < 6)
        texts << QString();
    if (dialogs_.timedInfo)
        dialogs_.timedInfo(ownerFor(parent_), toQString(caption), texts, milliseconds);
}

std::optional<SchoolSetup> QtPrompter::askSchoolSetup()
{
    if (!dialogs_.schoolSetup)
        return std::nullopt;
    return dialogs_.schoolSetup(ownerFor(parent_));
}

std::optional<PasswordAnswer> QtPrompter::askPassword(const PasswordRequest& request)
{
    PasswordDialog dlg(request, ownerFor(parent_));
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.answer();
}

bool QtPrompter::confirmList(const ListRequest& request)
{
    FileListDialog dlg(request, ownerFor(parent_));
    return dlg.exec() == QDialog::Accepted;
}

std::optional<std::filesystem::path> QtPrompter::chooseOpenFile(const FileDialogRequest& request)
{
    QFileDialog dlg(ownerFor(parent_), toQString(request.title.empty() ? std::string("Öffnen") : request.title),
                    toQString(request.folder), toQtFilter(request.filter));
    germanLabels(dlg, false);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (!request.proposedName.empty())
        dlg.selectFile(toQString(request.proposedName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return toPath(dlg.selectedFiles().front());
}

std::optional<std::filesystem::path> QtPrompter::chooseSaveFile(const FileDialogRequest& request)
{
    QFileDialog dlg(ownerFor(parent_), toQString(request.title.empty() ? std::string("Speichern unter") : request.title),
                    toQString(request.folder), toQtFilter(request.filter));
    germanLabels(dlg, true);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(firstSuffix(request.filter));
    // The overwrite question is ours, so it is German and goes through askYesNo.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.proposedName.empty())
        dlg.selectFile(toQString(request.proposedName));
    for (;;) {
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return std::nullopt;
        const QString chosen = dlg.selectedFiles().front();
        if (!request.confirmOverwrite || !QFileInfo::exists(chosen))
            return toPath(chosen);
        const std::string question = toUtf8(QStringLiteral("%1 ist bereits vorhanden.\nMöchten Sie sie ersetzen?")
                                                .arg(QFileInfo(chosen).fileName()));
        // "Nein" is the default: pressing Enter twice (dialog, then box) must
        // never replace a class file.
        if (runBox(parent_, MessageKind::Warning, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                   QMessageBox::No) == QMessageBox::Yes)
            return toPath(chosen);
        dlg.selectFile(QFileInfo(chosen).fileName());
    }
}

std::optional<std::filesystem::path> QtPrompter::chooseFolder(const std::string& title,
                                                              const std::filesystem::path& start)
{
    QFileDialog dlg(ownerFor(parent_), toQString(title.empty() ? std::string("Ordner wählen") : title), toQString(start));
    germanLabels(dlg, false);
    dlg.setLabelText(QFileDialog::Accept, QStringLiteral("Auswählen"));
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly, true);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return toPath(dlg.selectedFiles().front());
}

} // namespace ruvek::ui
