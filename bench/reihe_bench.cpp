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
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <fstream>

namespace {

// A task file of n tasks of every type, some with sections: 100,000 make
// 1.3 MB.
QByteArray aufgaben(int anzahl)
{
    QByteArray inhalt = "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von Talvenhorn *\r\n"
                        "Kommentar\r\n1 2 3 4 5 6 7\r\n";
    const char* zeilen[] = {"1 2 -3\r\n",           "2 1 -2 1\r\n",         "3 -0,5 0 3 (-4;-1) (1;4)\r\n",
                            "4 0,25 1 -2\r\n",      "5 2 1 0 1 (-6;6)\r\n", "6 1 -2 1\r\n",
                            "7 1 2 -3\r\n"};
    for (int i = 0; i < anzahl; ++i)
        inhalt += zeilen[i % 7];
    return inhalt;
}

// The file on disk for the window to open.
class Aufgabendatei {
public:
    explicit Aufgabendatei(int anzahl)
    {
        m_datei.open();
        m_datei.write(aufgaben(anzahl));
        m_datei.close();
    }
    QString Pfad() const { return m_datei.fileName(); }

private:
    QTemporaryFile m_datei;
};

// The shown editor window, and a task file of n tasks for it.
struct Editor {
    explicit Editor(benchmark::State& state)
        : datei(static_cast<int>(state.range(0)))
    {
        fenster.show();
    }
    void PruefeGanz()
    {
        while (fenster.Reihe().Ungeprueft() > 0) // as after a moment in the window
            QCoreApplication::processEvents();
    }

    QtDialoge dialoge;
    Zufallsgenerator zufall;
    Aufgabendatei datei;
    TReihenfenster fenster{dialoge, zufall, nullptr};
};

// The resident memory of the process in MB.
double rss()
{
    std::ifstream statm("/proc/self/statm");
    long seiten = 0, resident = 0;
    statm >> seiten >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// One change of a value in the middle of 500 tasks, with the findings and
// the preview renewed, without a window.
void BM_ReiheWertAendern(benchmark::State& state)
{
    Reihenbearbeitung reihe{QLocale(QLocale::German)};
    reihe.Oeffne(aufgaben(500));
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

// A keystroke in a value box of the editor window with n tasks: from the
// key event to the list row, the findings and the preview shown anew; a
// digit and a backspace take turns.
void BM_ReihenfensterTastendruck(benchmark::State& state)
{
    Editor editor(state);
    TReihenfenster& fenster = editor.fenster;
    fenster.Oeffne(editor.datei.Pfad());
    editor.PruefeGanz();
    fenster.LAufgaben->setCurrentIndex(fenster.LAufgaben->model()->index(static_cast<int>(state.range(0)) / 2, 0));
    QLineEdit* feld = fenster.EParameter[0];
    feld->end(false);
    bool ziffer = true;
    for (auto _ : state) {
        QKeyEvent druck(QEvent::KeyPress, ziffer ? Qt::Key_5 : Qt::Key_Backspace, Qt::NoModifier,
                        ziffer ? QStringLiteral("5") : QString());
        QApplication::sendEvent(feld, &druck);
        fenster.LAufgaben->viewport()->repaint();
        fenster.LBefunde->viewport()->repaint();
        ziffer = !ziffer;
    }
}

// Opening a task file of n tasks in the shown window until its first rows
// are painted.
void BM_ReiheOeffnen(benchmark::State& state)
{
    Editor editor(state);
    for (auto _ : state) {
        editor.fenster.Oeffne(editor.datei.Pfad());
        editor.fenster.LAufgaben->viewport()->repaint();
    }
}

// The resident memory of the window with n tasks opened and checked, above
// the shown empty editor (counter MB). The heap keeps what it once held, so
// the figure is true only in a process of its own:
// --benchmark_filter=BM_ReihenfensterSpeicher
void BM_ReihenfensterSpeicher(benchmark::State& state)
{
    Editor editor(state);
    editor.fenster.LAufgaben->viewport()->repaint();
    const double leer = rss();
    for (auto _ : state) {
        editor.fenster.Oeffne(editor.datei.Pfad());
        editor.PruefeGanz();
        editor.fenster.LAufgaben->viewport()->repaint();
    }
    state.counters["MB"] = rss() - leer;
}

BENCHMARK(BM_ReiheWertAendern)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReihenfensterTastendruck)->Arg(500)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReiheOeffnen)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReihenfensterSpeicher)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
