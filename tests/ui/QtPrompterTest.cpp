// The translation of Windows-style file filters into Qt's syntax.
#include "ui/QtPrompter.h"

#include <gtest/gtest.h>

using ruvek::ui::toQtFilter;

TEST(QtPrompterFilter, TranslatesWindowsFilters)
{
    const std::pair<std::string, QString> cases[] = {
        {"Zeugnis-KL-Datenbanken (*.RVK; *.ZDB)|*.RVK;*.ZDB|alle Dateien (*.*)|*.*",
         "Zeugnis-KL-Datenbanken (*.RVK *.rvk *.ZDB *.zdb);;alle Dateien (*)"},
        {"Zeugnis-KL-Datenbanken (*.RVK)| *.RVK", "Zeugnis-KL-Datenbanken (*.RVK *.rvk)"},
        {"Einstellungen (*.DAT)|*.dat", "Einstellungen (*.dat *.DAT)"},
        {"Textdateien (*.txt *.csv)", "Textdateien (*.txt *.TXT *.csv *.CSV)"},
        {"", ""},
    };
    for (const auto& [in, expected] : cases)
        EXPECT_EQ(toQtFilter(in), expected) << in;
}

TEST(QtPrompterFilter, PathsRoundTripUtf8)
{
    const std::filesystem::path p = "/tmp/Schüler Klasse 5ä.RVK";
    EXPECT_EQ(ruvek::ui::toPath(ruvek::ui::toQString(p)), p);
    EXPECT_EQ(ruvek::ui::toQString(p), QStringLiteral("/tmp/Schüler Klasse 5ä.RVK"));
}

// --- the real boxes and dialogs, answered by a helper that acts on each
// modal window as it appears.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <fstream>
#include <functional>
#include <random>

namespace {

// Each step handles one modal window and returns true when it did.
using Step = std::function<bool(QWidget*)>;

class ModalScript {
public:
    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps))
    {
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w && clock_.elapsed() > 5000) {   // a step that never matches must not block the run
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
                return;
            }
            if (w && w != last_ && !steps_.empty() && steps_.front()(w)) {
                // The same object may come back (a dialog shown again, a
                // box made at the same address): forget it once it closes.
                last_ = w;
                if (auto* d = qobject_cast<QDialog*>(w))
                    QObject::connect(d, &QDialog::finished, &timer_, [this] { last_ = nullptr; },
                                     Qt::SingleShotConnection);
                steps_.pop_front();
            }
        });
        timer_.start(10);
    }
    bool done() const { return steps_.empty(); }

private:
    std::deque<Step> steps_;
    QTimer timer_;
    QElapsedTimer clock_;
    QWidget* last_ = nullptr;
};

struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

Step clickInBox(const QString& button, BoxSeen* seen)
{
    return [=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            seen->buttons << b->text();
        seen->buttons.sort();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) {
                QTimer::singleShot(0, b, &QAbstractButton::click);
                return true;
            }
        return false;
    };
}

Step inFileDialog(bool accept)
{
    return [=](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        if (!dlg)
            return false;
        QTimer::singleShot(0, dlg, accept ? &QDialog::accept : &QDialog::reject);
        return true;
    };
}

} // namespace

TEST(QtPrompterBoxes, GermanButtonsAndIconPerKind)
{
    ruvek::ui::QtPrompter prompter;
    BoxSeen a, b, c;
    ModalScript script({clickInBox("Nein", &a), clickInBox("OK", &b), clickInBox("OK", &c)});
    EXPECT_FALSE(prompter.askYesNo("Wirklich?\nJa oder nein.", ruvek::MessageKind::Warning));
    EXPECT_TRUE(prompter.askOkCancel("Weiter?"));
    prompter.tell(ruvek::MessageKind::Error, "Fehler beim Lesen!");
    EXPECT_TRUE(script.done());

    EXPECT_EQ(a.text, QString::fromUtf8("Wirklich?\nJa oder nein."));
    EXPECT_EQ(a.icon, QMessageBox::Warning);
    EXPECT_EQ(a.buttons, (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(b.icon, QMessageBox::Question);
    EXPECT_EQ(b.title, QString::fromUtf8("Bestätigen"));
    EXPECT_EQ(b.buttons, (QStringList{"Abbrechen", "OK"}));
    EXPECT_EQ(c.icon, QMessageBox::Critical);
    EXPECT_EQ(c.title, "Fehler");
    EXPECT_EQ(c.buttons, QStringList{"OK"});
}

TEST(QtPrompterDialogs, SaveAsksBeforeReplacingAFile)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("ruvek-prompter-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Klasse.RVK") << "alt";
    ruvek::FileDialogRequest request{"Speichern unter", folder, "Zeugnis-KL-Datenbanken (*.RVK)| *.RVK",
                                     "Klasse.RVK", true};
    ruvek::ui::QtPrompter prompter;

    BoxSeen no, yes;
    {
        // "Nein" brings the dialog back; cancelling it chooses nothing.
        ModalScript script({inFileDialog(true), clickInBox("Nein", &no), inFileDialog(false)});
        EXPECT_EQ(prompter.chooseSaveFile(request), std::nullopt);
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(no.text, QString::fromUtf8("Klasse.RVK ist bereits vorhanden.\nMöchten Sie sie ersetzen?"));
    {
        ModalScript script({inFileDialog(true), clickInBox("Ja", &yes)});
        EXPECT_EQ(prompter.chooseSaveFile(request), folder / "Klasse.RVK");
        EXPECT_TRUE(script.done());
    }
    std::filesystem::remove_all(folder);
}

// --- keys pressed in the real dialogs

#include "ui/mainwindow/MainForm.h"

#include <QAction>
#include <QAbstractProxyModel>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <sstream>

namespace {

// Presses a key in the dialog's input field (or the dialog itself), as the
// user would with the dialog in front.
Step pressIn(const char* className, Qt::Key key)
{
    return [=](QWidget* w) {
        if (!w->inherits(className))
            return false;
        QTimer::singleShot(0, w, [w, key] {
            QWidget* target = w->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClick(target ? target : w, key);
        });
        return true;
    };
}

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct TempFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("ruvek-keys-" + std::to_string(std::random_device{}()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

} // namespace

// Save As proposes the existing file; Enter in the dialog, Enter in the
// question: the class file stays as it was, and the dialog comes back.
TEST(QtPrompterKeys, EnterTwiceNeverReplacesAClassFile)
{
    TempFolder program;
    const auto saved = std::filesystem::current_path();
    {
        ruvek::ui::TMainForm form(ruvek::ui::MainFormSetup{program.path, nullptr});
        const auto existing = program.path / "Daten" / "unbekannte Klasse.RVK";
        std::ofstream(existing) << "alt";
        form.klasse().changed = true;

        ModalScript script({pressIn("QFileDialog", Qt::Key_Return), pressIn("QMessageBox", Qt::Key_Return),
                            pressIn("QFileDialog", Qt::Key_Escape)});
        form.menuAction("FileSaveAsItem")->trigger();
        EXPECT_TRUE(script.done());
        EXPECT_TRUE(contents(existing) == "alt");   // not replaced
        EXPECT_EQ(form.statusPanelText(1), "Vorgabe.RVK");
        form.klasse().changed = false;
    }
    std::filesystem::current_path(saved);
}

// The detail columns speak German whatever the system locale is.
TEST(QtPrompterKeys, FileDialogShowsGermanSizesAndDates)
{
    TempFolder folder;
    const auto file = folder.path / "Klasse.RVK";
    std::ofstream(file, std::ios::binary) << std::string(2048, 'x');
    {
        QFile f(QString::fromStdString(file.string()));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2026, 3, 5), QTime(14, 7)), QFileDevice::FileModificationTime));
    }

    QStringList seen;
    Step inspect = [&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        if (!dlg || !dlg->proxyModel())
            return false;
        auto* files = qobject_cast<QFileSystemModel*>(dlg->proxyModel()->sourceModel());
        const QModelIndex source = files ? files->index(QString::fromStdString(file.string())) : QModelIndex();
        if (!source.isValid())
            return false;   // still reading the folder: look again
        const QModelIndex row = dlg->proxyModel()->mapFromSource(source);
        for (int column = 1; column <= 3; ++column)
            seen << row.siblingAtColumn(column).data().toString()
                 << dlg->proxyModel()->headerData(column, Qt::Horizontal).toString();
        QTimer::singleShot(0, dlg, &QDialog::reject);
        return true;
    };
    ruvek::ui::QtPrompter prompter;
    ModalScript script({inspect});
    EXPECT_EQ(prompter.chooseOpenFile({"Öffnen", folder.path, "Zeugnis-KL-Datenbanken (*.RVK)|*.RVK", "", false}),
              std::nullopt);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(seen, (QStringList{"2,0 kB", QString::fromUtf8("Größe"), "RVK-Datei", "Typ", "05.03.2026 14:07",
                                 QString::fromUtf8("Geändert am")}));
}
