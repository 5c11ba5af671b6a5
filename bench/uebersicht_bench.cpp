// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/uebersichtsmodell.h"
#include "auftraege/klassenuebersicht.h"
#include "blatt/protokolldruck.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// n records of a test of 12 tasks, each pupil with a name of their own and
// a pattern of right and wrong answers, written as the program saves them.
QStringList schreibeProtokolle(const QTemporaryDir& ordner, qsizetype n)
{
    QStringList pfade;
    for (qsizetype i = 0; i < n; ++i) {
        Testprotokoll p{QStringLiteral("Schüler %1").arg(i), QStringLiteral("10b"), QDateTime(QDate(2026, 12, 9), QTime(9, 0)),
                        QStringLiteral("Test"), QStringLiteral("0.1.0"), {}};
        for (qsizetype k = 0; k < 12; ++k) {
            const bool richtig = (i + k) % 3 != 0;
            p.Aufgaben.push_back({true, Parabel2, {{1, -2, 1, 0}}, {}, {{Parabel2, {{1, richtig ? -2.0 : 2.0, 1, 0}}, richtig}}, false});
        }
        QFile datei(ordner.filePath(QStringLiteral("Testprotokoll_%1.pdf").arg(i)));
        if (!datei.open(QIODevice::WriteOnly))
            return {};
        datei.write(ProtokollPdf(p));
        pfade << datei.fileName();
    }
    return pfade;
}

// What "Protokolle hinzufügen …" does for a class: read every file, count
// each record once, build the rows and hand them to the window's table.
void BM_Uebersicht(benchmark::State& state)
{
    const QTemporaryDir ordner;
    const QStringList pfade = schreibeProtokolle(ordner, state.range(0));
    for (auto _ : state) {
        Protokollsammlung sammlung;
        sammlung.FuegeHinzu(pfade);
        Uebersichtsmodell modell;
        modell.Zeige(BaueUebersicht(sammlung.Protokolle()));
        benchmark::DoNotOptimize(modell.rowCount());
    }
}

BENCHMARK(BM_Uebersicht)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
