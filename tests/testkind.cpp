// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The child the fault tests kill or limit: with ZIEL A B it saves B and A to
// ZIEL in turn, "bereit" after each, until killed or a save fails (status 1
// and its message); with DATEI TEXT it is the series editor with DATEI, TEXT
// typed into its comment.

#include "app/anwendung.h"
#include "app/reihenfenster.h"
#include "dialogs/dialoge.h"
#include "tasks/dateiinhalt.h"
#include "tasks/zufall.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc == 4) { // saving needs no windows: a core application starts in a fraction of the time
        QCoreApplication kern(argc, argv);
        RichteKernEin(kern); // the system's reasons in German, as the program gives them
        const QStringList a = QCoreApplication::arguments();
        const QByteArray fassungen[] = {LiesDateiinhalt(a[3]), LiesDateiinhalt(a[2])};
        std::optional<QString> fehler;
        for (int i = 0; !(fehler = SchreibeDateiinhalt(a[1], fassungen[i])); i = 1 - i) {
            std::puts("bereit");
            std::fflush(stdout);
        }
        std::fputs(fehler->toUtf8().constData(), stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TReihenfenster fenster(dialoge, zufall, nullptr);
    fenster.show();
    fenster.Oeffne(QApplication::arguments().at(1));
    QTest::keyClicks(fenster.EKommentar, QApplication::arguments().at(2));
    return QApplication::exec();
}
