// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/termaufbau.h"

int AnzahlPunkte(int Typ) { return Typ == Sinus ? 2 : 1; }

namespace {

// The stretch factor W0 at x0, then room for its dot; a hidden factor takes
// no room. Returns where the piece after the dot starts.
int nachFaktor(Termgeometrie& g, int x0, int abstand)
{
    g.WLinks[0] = x0;
    return g.WBreite[0] > 0 ? x0 + g.WBreite[0] + abstand + g.SBreite[0] : x0;
}

// Factor and dot, then the text T1 (Betrag, Parabel, Sinus).
int faktorUndT1(Termgeometrie& g, int x0)
{
    const int x = nachFaktor(g, x0, 5);
    g.TLinks[1] = x;
    g.SLinks[0] = x - 7;
    return x;
}

// Betrag and Parabel up to the shift d: |x + d or (x + d.
int bisVerschiebung(Termgeometrie& g, int x0)
{
    int x = faktorUndT1(g, x0);
    x += g.TBreite[1] + (g.WBreite[1] == 0 ? 0 : 4);
    g.WLinks[1] = x;
    return x + g.WBreite[1];
}

int konstanteAn(Termgeometrie& g, int x)
{
    g.WLinks[2] = x;
    return x + g.WBreite[2];
}

int gerade(Termgeometrie& g, int x0)
{
    int x = x0;
    g.WLinks[0] = x0;
    if (g.WBreite[0] > 0)
        x += g.WBreite[0] + 12;
    g.TLinks[1] = x;
    g.SLinks[0] = x - 8;
    x += g.TBreite[1] + 4;
    g.WLinks[1] = x;
    return x + g.WBreite[1];
}

int betrag(Termgeometrie& g, int x0)
{
    int x = bisVerschiebung(g, x0);
    g.TLinks[2] = x;
    return konstanteAn(g, x + g.TBreite[2] + 5);
}

int parabel(Termgeometrie& g, int x0)
{
    int x = bisVerschiebung(g, x0) + 1;
    g.TLinks[2] = x;
    // The exponent stands over the blank after the closing parenthesis.
    g.TLinks[3] = g.T2Leer ? x : x + 5;
    return konstanteAn(g, x + g.TBreite[2] + 5);
}

int sinus(Termgeometrie& g, int x0)
{
    int x = faktorUndT1(g, x0);
    x += g.TBreite[1] + (g.WBreite[1] == 0 ? 0 : 1);
    g.WLinks[1] = x;
    if (g.WBreite[1] > 0)
        x += g.WBreite[1] + 4 + g.SBreite[1];
    g.SLinks[1] = x - 6;
    g.TLinks[2] = x;
    x += g.TBreite[2];
    if (g.WBreite[2] > 0) {
        x += 4;
        g.WLinks[2] = x;
        x += g.WBreite[2];
    }
    g.TLinks[3] = x;
    x += g.TBreite[3] + 5;
    g.WLinks[3] = x;
    return x + g.WBreite[3];
}

int hyperbel(Termgeometrie& g, int x0)
{
    const int s = x0;
    g.SLinks[0] = s;
    g.TLinks[1] = s + 4;
    int x = s + 4 + g.TBreite[1] + 4;
    g.WLinks[1] = x;
    if (g.WBreite[1] > 0)
        x += g.WBreite[1] + 4;
    g.SBreite[0] = x - s; // the bar spans the denominator
    g.WLinks[0] = s + (x - s - g.WBreite[0]) / 2;
    x += 1;
    g.TLinks[2] = x;
    return konstanteAn(g, x + g.TBreite[2] + 4);
}

int exponential(Termgeometrie& g, int x0)
{
    int x = nachFaktor(g, x0, 7);
    g.WLinks[1] = x;
    g.SLinks[0] = x - 7;
    x += g.WBreite[1] + 1;
    g.TLinks[2] = x;
    x += g.TBreite[2] - 4;
    g.TLinks[1] = x;
    return konstanteAn(g, x + g.TBreite[1] + 5);
}

} // namespace

int Anordnen(int Typ, Termgeometrie& g)
{
    const int x0 = g.TLinks[0] + g.TBreite[0] + 5;
    switch (Typ) {
    case Gerade:
        return gerade(g, x0);
    case Betrag:
        return betrag(g, x0);
    case Parabel2:
    case Parabel3:
        return parabel(g, x0);
    case Sinus:
        return sinus(g, x0);
    case Hyperbel:
        return hyperbel(g, x0);
    case Exponential:
        return exponential(g, x0);
    default:
        return x0;
    }
}
