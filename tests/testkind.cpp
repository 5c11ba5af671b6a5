// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The child of the fault tests, killed or limited by them as the world would:
// with ZIEL A B it saves the bytes of B and A to ZIEL in turn, "bereit" after
// each, until killed (status 1 and the message at the first failure); with
// DATEI TEXT it is the series editor with DATEI, TEXT typed into its comment.

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
        const QByteArray fassungen[] = {LiesDateiinhalt(QFile::decodeName(argv[3])), LiesDateiinhalt(QFile::decodeName(argv[2]))};
        for (int i = 0;; i = 1 - i) {
            if (const std::optional<QString> fehler = SchreibeDateiinhalt(QFile::decodeName(argv[1]), fassungen[i])) {
                std::fputs(fehler->toUtf8().constData(), stderr);
                return 1;
            }
            std::puts("bereit");
            std::fflush(stdout);
        }
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
