// One start of Kurvix that ends as soon as the window has been shown, for
// counting the start's instructions under valgrind --tool=callgrind. Does
// what main() does and then quits from the first pass of the event loop.

#include "app/anwendung.h"
#include "app/hauptfenster.h"
#include "dialogs/dialoge.h"
#include "tasks/zufall.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TForm1 fenster(dialoge, zufall);
    fenster.show();
    QTimer::singleShot(0, &anwendung, &QApplication::quit);
    return QApplication::exec();
}
