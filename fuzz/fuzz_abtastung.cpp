// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/funktion.h"
#include "plot/abtastung.h"
#include "plot/ebene.h"
#include "plot/geometrie.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Takes the bytes in order; missing ones read as 0.
class Leser {
public:
    Leser(const std::uint8_t* daten, std::size_t groesse)
        : m_daten(daten)
        , m_rest(groesse)
    {
    }

    template <typename T>
    T lies()
    {
        T wert{};
        const std::size_t n = std::min(sizeof wert, m_rest);
        std::memcpy(&wert, m_daten, n);
        m_daten += n;
        m_rest -= n;
        return wert;
    }

private:
    const std::uint8_t* m_daten;
    std::size_t m_rest;
};

// Checks the strokes of a pass: columns from left to right, each run
// begun by a move-to, rows within the clamp.
class Pruefer : public Zeichenziel {
public:
    void BewegeZu(int spalte, int zeile) override { pruefe(spalte, zeile); }
    void LinieBis(int spalte, int zeile) override
    {
        if (spalte != m_spalte + 1)
            std::abort();
        pruefe(spalte, zeile);
    }

private:
    void pruefe(int spalte, int zeile)
    {
        if (spalte <= m_spalte || spalte > BildBreite || zeile < -Zeilengrenze || zeile > Zeilengrenze)
            std::abort();
        m_spalte = spalte;
    }

    int m_spalte = -1;
};

} // namespace

// An arbitrary function, its shown intervals and the jump test sampled
// into strokes and drawn with both pen widths; Rechenfehler ends a pass as
// it ends the program's drawing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    Leser leser(daten, groesse);
    Kurve kurve;
    kurve.Typ = leser.lies<std::int8_t>() % (AnzahlTypen + 2);
    kurve.Sprungtest = (leser.lies<std::uint8_t>() & 1U) != 0;
    kurve.Sichtbar.Anzahl = leser.lies<std::uint8_t>() % 3;
    for (double& p : kurve.P.P)
        p = leser.lies<double>();
    for (std::size_t i = 0; i < 2; ++i) {
        kurve.Sichtbar.Von[i] = leser.lies<double>();
        kurve.Sichtbar.Bis[i] = leser.lies<double>();
    }
    try {
        Pruefer pruefer;
        TasteAb(kurve, pruefer);
        QImage bild(BildBreite, BildHoehe, QImage::Format_RGB32);
        ZeichneKurve(bild, kurve, Qt::red, 1);
        ZeichneKurve(bild, kurve, Qt::blue, 3);
    } catch (const Rechenfehler&) {
    }
    return 0;
}
