// ruvek: the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ruvek"));
    QMainWindow window;
    window.show();
    return app.exec();
}
