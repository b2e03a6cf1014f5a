// ruvek: the desktop program. Creates the main window and the program's
// dialogs in their fixed order, then runs the message loop.
#include "ui/mainwindow/ApplicationForms.h"
#include "ui/mainwindow/MainForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ruvek"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Qt's own texts (standard dialogs, context menus) in German where the
    // translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    ruvek::ui::TMainForm mainForm;
    ruvek::ui::createApplicationForms(mainForm);
    mainForm.show();   // FormShow runs now, with every setting loaded
    return app.exec();
}
