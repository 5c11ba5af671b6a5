// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The child of the fault tests: the program's own code in a process that a
// test kills or limits as the world would.
//   kurvix_testkind speichere ZIEL ALT NEU   saves the files' bytes to ZIEL,
//       NEU and ALT in turn, until killed, "bereit" after each; the message
//       and status 1 at the first save that fails
//   kurvix_testkind bearbeite DATEI TEXT     the series editor with the file,
//       TEXT typed into its comment, until killed

#include "app/anwendung.h"
#include "app/reihenfenster.h"
#include "dialogs/dialoge.h"
#include "tasks/dateiinhalt.h"
#include "tasks/zufall.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <string_view>

// Saving needs no windows: a core application starts in a fraction of the time.
int speichere(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    RichteKernEin(anwendung); // the system's reasons in German, as the program gives them
    const QStringList a = QCoreApplication::arguments();
    const QByteArray fassungen[] = {LiesDateiinhalt(a[4]), LiesDateiinhalt(a[3])};
    for (int i = 0;; i = 1 - i) {
        if (const std::optional<QString> fehler = SchreibeDateiinhalt(a[2], fassungen[i])) {
            std::fputs(fehler->toUtf8().constData(), stderr);
            return 1;
        }
        std::puts("bereit");
        std::fflush(stdout);
    }
}

int main(int argc, char* argv[])
{
    if (argc == 5 && std::string_view(argv[1]) == "speichere")
        return speichere(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    const QStringList a = QApplication::arguments();
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TReihenfenster fenster(dialoge, zufall, nullptr);
    fenster.show();
    fenster.Oeffne(a.value(2));
    QTest::keyClicks(fenster.EKommentar, a.value(3));
    return QApplication::exec();
}
