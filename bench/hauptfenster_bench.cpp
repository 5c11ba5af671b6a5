// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/hauptfenster.h"
#include "dialogs/dialoge.h"
#include "tasks/zufall.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

// The start of the program: the main window with its controls, seven radio
// buttons and 21 term panels, each laid out once.
void BM_HauptfensterErzeugen(benchmark::State& state)
{
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    for (auto _ : state) {
        TForm1 form(dialoge, zufall);
        benchmark::DoNotOptimize(form.TermBreite);
    }
}

// A shown window in simple drawing with the parabola chosen.
class Zeichnen {
public:
    Zeichnen()
        : form(dialoge, zufall)
    {
        form.show();
        form.findChild<QAction*>(QStringLiteral("MemEinfachesZeichnen"))->trigger();
        form.TypKnopf[Parabel2]->click();
        QApplication::processEvents();
    }

    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TForm1 form;
};

void taste(QWidget* ziel, Qt::Key key, const QString& text)
{
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent loslassen(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &loslassen);
}

// One keystroke in a parameter box, from the key event to the value
// equation showing the new value: a digit and a backspace take turns. With
// the argument 1 "Schaubild folgt der Eingabe" is on, and the keystroke
// also redraws the plot with the own graph.
void BM_Tastendruck(benchmark::State& state)
{
    Zeichnen z;
    if (state.range(0) == 1)
        z.form.findChild<QAction*>(QStringLiteral("MenSchaubildFolgt"))->trigger();
    QLineEdit* feld = z.form.Terme[Parabel2 * 3 + RolleEingabe]->Eingaben[0];
    feld->setFocus();
    feld->end(false);
    bool ziffer = true;
    for (auto _ : state) {
        if (ziffer)
            taste(feld, Qt::Key_5, QStringLiteral("5"));
        else
            taste(feld, Qt::Key_Backspace, QString());
        ziffer = !ziffer;
        benchmark::DoNotOptimize(z.form.Terme[Parabel2 * 3 + RolleAnzeige]->Werte[0]->text());
    }
}

// One step of the pupil's work: another type chosen, then drawn, the plot
// redrawn with the plane, and the window showing the new state.
void BM_Szenarioschritt(benchmark::State& state)
{
    Zeichnen z;
    auto* zeichnen = z.form.findChild<QPushButton*>(QStringLiteral("BZeichnen"));
    int Typ = Parabel2;
    for (auto _ : state) {
        Typ = Typ == Parabel2 ? Sinus : Parabel2;
        z.form.TypKnopf[Typ]->click();
        zeichnen->click();
    }
}

BENCHMARK(BM_HauptfensterErzeugen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tastendruck)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Szenarioschritt)->Unit(benchmark::kMicrosecond);

} // namespace
