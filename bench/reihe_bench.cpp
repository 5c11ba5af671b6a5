// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/reihenfenster.h"
#include "dialogs/dialoge.h"
#include "reihe/reihenbearbeitung.h"
#include "reihe/vorschau.h"
#include "tasks/zufall.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryFile>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

// A task file of 500 tasks of every type, some with sections.
QByteArray fuenfhundertAufgaben()
{
    QByteArray inhalt = "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von Talvenhorn *\r\n"
                        "Kommentar\r\n1 2 3 4 5 6 7\r\n";
    const char* zeilen[] = {"1 2 -3\r\n",           "2 1 -2 1\r\n",         "3 -0,5 0 3 (-4;-1) (1;4)\r\n",
                            "4 0,25 1 -2\r\n",      "5 2 1 0 1 (-6;6)\r\n", "6 1 -2 1\r\n",
                            "7 1 2 -3\r\n"};
    for (int i = 0; i < 500; ++i)
        inhalt += zeilen[i % 7];
    return inhalt;
}

// One change of a value in the middle of 500 tasks, with the findings and
// the preview renewed, without a window.
void BM_ReiheWertAendern(benchmark::State& state)
{
    Reihenbearbeitung reihe{QLocale(QLocale::German)};
    reihe.Oeffne(fuenfhundertAufgaben());
    reihe.Waehle(250);
    Vorschau vorschau;
    QImage bild(576, 432, QImage::Format_RGB32);
    double wert = 1;
    for (auto _ : state) {
        wert = wert == 1 ? 2 : 1;
        reihe.SetzeParameter(0, wert);
        benchmark::DoNotOptimize(reihe.Befunde());
        benchmark::DoNotOptimize(vorschau.Zeichne(bild, reihe.Gewaehlte()));
    }
}

// A keystroke in a value box of the editor window with 500 tasks: from the
// key event to the list row, the findings and the preview shown anew; a
// digit and a backspace take turns.
void BM_ReihenfensterTastendruck(benchmark::State& state)
{
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TReihenfenster fenster(dialoge, zufall, nullptr);
    QTemporaryFile datei;
    datei.open();
    datei.write(fuenfhundertAufgaben());
    datei.close();
    fenster.Oeffne(datei.fileName());
    fenster.show();
    fenster.LAufgaben->setCurrentItem(fenster.LAufgaben->topLevelItem(250));
    QLineEdit* feld = fenster.EParameter[0];
    feld->end(false);
    bool ziffer = true;
    for (auto _ : state) {
        QKeyEvent druck(QEvent::KeyPress, ziffer ? Qt::Key_5 : Qt::Key_Backspace, Qt::NoModifier,
                        ziffer ? QStringLiteral("5") : QString());
        QApplication::sendEvent(feld, &druck);
        ziffer = !ziffer;
    }
}

BENCHMARK(BM_ReiheWertAendern)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReihenfensterTastendruck)->Unit(benchmark::kMicrosecond);

} // namespace
