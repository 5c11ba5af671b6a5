// The yardstick of bench/startup: the least a Qt Widgets program with a
// main window and a menu bar does before its window appears.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    QMainWindow fenster;
    fenster.menuBar()->addMenu(QStringLiteral("Datei"));
    fenster.resize(812, 550);
    fenster.show();
    return QApplication::exec();
}
