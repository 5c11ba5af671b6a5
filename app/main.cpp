#include "app/anwendung.h"
#include "app/hauptfenster.h"
#include "dialogs/dialoge.h"
#include "tasks/zufall.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TForm1 fenster(dialoge, zufall);
    fenster.show();
    return QApplication::exec();
}
