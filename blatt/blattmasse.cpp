// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/blattmasse.h"

using namespace Blattmass;

namespace {

constexpr double Block = EbenenHoehe + Antwortzeile;
constexpr double Nutzhoehe = SeitenHoehe - RandOben - RandUnten;

int passen(double hoehe) { return static_cast<int>((hoehe + Abstand) / (Block + Abstand)); }

int aufgabenseiten(int anzahl)
{
    const int erste = AufgabenProSeite(true);
    if (anzahl <= erste)
        return 1;
    const int weitere = AufgabenProSeite(false);
    return 1 + (anzahl - erste + weitere - 1) / weitere;
}

} // namespace

QPointF Aufgabenplatz::Antwort() const { return {Ebene.left(), Ebene.bottom() + Antwortzeile - 3}; }

QPointF Aufgabenplatz::Punkt(double x, double y) const
{
    return {Ebene.left() + (x - XMin) * ProEinheit, Ebene.top() + (YMax - y) * ProEinheit};
}

int AufgabenProSeite(bool mitUeberschrift) { return passen(Nutzhoehe - (mitUeberschrift ? Ueberschrift : 0)); }

std::vector<Aufgabenplatz> Aufgabenplaetze(int anzahl)
{
    std::vector<Aufgabenplatz> plaetze;
    int seite = 0;
    int aufSeite = 0;
    for (int i = 0; i < anzahl; ++i) {
        if (aufSeite == AufgabenProSeite(seite == 0)) {
            ++seite;
            aufSeite = 0;
        }
        const double oben = RandOben + (seite == 0 ? Ueberschrift : 0) + aufSeite * (Block + Abstand);
        const double links = (SeitenBreite - EbenenBreite) / 2;
        plaetze.push_back({seite, QRectF(links, oben, EbenenBreite, EbenenHoehe)});
        ++aufSeite;
    }
    return plaetze;
}

int LoesungenProSeite(int zeilen) { return static_cast<int>((Nutzhoehe - Ueberschrift) / (zeilen * Zeilenabstand)); }

std::vector<Loesungsplatz> Loesungsplaetze(int anzahl, int zeilen)
{
    std::vector<Loesungsplatz> plaetze;
    const int erste = aufgabenseiten(anzahl);
    const int proSeite = LoesungenProSeite(zeilen);
    for (int i = 0; i < anzahl; ++i) {
        const int zeile = i % proSeite * zeilen;
        plaetze.push_back({erste + i / proSeite, RandOben + Ueberschrift + (zeile + 1) * Zeilenabstand});
    }
    return plaetze;
}

int Seitenzahl(int anzahl, int zeilen)
{
    return aufgabenseiten(anzahl) + (anzahl + LoesungenProSeite(zeilen) - 1) / LoesungenProSeite(zeilen);
}
