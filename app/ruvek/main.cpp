// ruvek: the desktop program. Creates the main window and the program's
// dialogs in their fixed order, then runs the message loop.
//
// Call: ruvek [KLASSE.RVK] — a class file named on the command line (as the
// desktop does when a class file is double-clicked) is opened once the
// window is up, through the same path as "Öffnen ...".
#include "ui/AccessibleComboBox.h"
#include "ui/QtPrompter.h"
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"
#include "ui/mainwindow/ShutdownSignals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// The program folder is the folder of the program file. An installed program
// lives in a folder its users cannot write to; its launcher then names a
// folder of the user's own in RUVEK_PROGRAM_FOLDER.
std::filesystem::path programFolderOverride()
{
    const QString folder = qEnvironmentVariable("RUVEK_PROGRAM_FOLDER");
    return folder.isEmpty() ? std::filesystem::path() : ruvek::ui::toPath(folder);
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer startTimes;
    startTimes.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ruvek"));
    // Ties the windows to the installed desktop entry (name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("de.ruvek.Ruvek"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Qt's own texts (standard dialogs, context menus) in German where the
    // translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    // Selectors are named for screen readers by what they are for, before
    // any window is built.
    ruvek::ui::installAccessibleComboBoxes();

    ruvek::ui::MainFormSetup setup;
    setup.programFolder = programFolderOverride();
    ruvek::ui::TMainForm mainForm(setup);
    ruvek::ui::createApplicationForms(mainForm);
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        mainForm.startupFile = ruvek::ui::toPath(args.at(1));
    mainForm.show();   // FormShow runs now, with every setting loaded
    const qint64 shownAt = startTimes.elapsed();

    // The class file argument opens when the message loop runs, so that any
    // question or message about it stands over the visible main window.
    if (!mainForm.startupFile.empty())
        QTimer::singleShot(0, &mainForm, [&mainForm] { mainForm.openStartupFile(); });

    // For speed measurements: RUVEK_STARTZEITEN=1 prints when the window was
    // shown and when the program was ready for input after it (the class
    // named at start opened and shown), then ends the program.
    if (qEnvironmentVariableIsSet("RUVEK_STARTZEITEN"))
        QTimer::singleShot(0, &mainForm, [&startTimes, shownAt] {
            QTimer::singleShot(0, [&startTimes, shownAt] {
                QCoreApplication::processEvents();
                const qint64 readyAt = startTimes.elapsed();
                std::fprintf(stderr, "Fenster gezeigt nach %lld ms, bereit nach %lld ms, danach beschäftigt %lld ms\n",
                             static_cast<long long>(shownAt), static_cast<long long>(readyAt),
                             static_cast<long long>(readyAt - shownAt));
                QCoreApplication::exit(0);
            });
        });

    // Logout, shutdown, kill: keep unsaved work as a recovery file, release
    // the lock, and end without questions.
    ruvek::ui::watchShutdownSignals(&mainForm, [&mainForm] {
        mainForm.endBySignal();
        QApplication::closeAllWindows();
        QApplication::exit(0);
    });
    return app.exec();
}
