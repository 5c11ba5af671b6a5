// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/termaufbau.h"

#include "model/zahltext.h"

#include <cmath>

namespace {

struct Typtexte {
    std::array<const char*, 4> liste;   // roles 0 and 1
    std::array<const char*, 4> anzeige; // role 2
    const char* buchstaben;
};

// Two blanks in ")  +" leave room for the raised exponent; the blanks in
// "  +" of the exponential make room for the raised x.
constexpr std::array<Typtexte, AnzahlTypen> Vorlagen{{
    {{"f(x) =", "x +", nullptr, nullptr}, {"=", "x", nullptr, nullptr}, "mc"},
    {{"f(x) =", "|x +", "| +", nullptr}, {"=", "|x", "|", nullptr}, "adc"},
    {{"f(x) =", "(x +", ")  +", "2"}, {"=", "(x", ") ", "2"}, "adc"},
    {{"f(x) =", "(x +", ")  +", "3"}, {"=", "(x", ") ", "3"}, "adc"},
    {{"f(x) =", "sin(", "(x +", ")) +"}, {"=", "sin(", "(x", "))"}, "akdc"},
    {{"f(x) =", "x +", " +", nullptr}, {"=", "x", "", nullptr}, "adc"},
    {{"f(x) =", "  +", "x", nullptr}, {"=", "", "x", nullptr}, "abc"},
}};

const Typtexte& vorlage(int Typ) { return Vorlagen.at(static_cast<std::size_t>(Typ)); }

// The stretch factor of every type but Gerade and Hyperbel: 1 disappears
// with its dot, -1 leaves only its sign.
void zeigeFaktor(Wertanzeige& a, double faktor)
{
    if (faktor == 1) {
        a.WVerborgen[0] = true;
        a.SVerborgen[0] = true;
    } else if (faktor == -1) {
        a.W[0] = QStringLiteral("-");
        a.SVerborgen[0] = true;
    }
}

void geradeWerte(Wertanzeige& a, const ParameterSatz& P, const QLocale& locale)
{
    a.W[0] = Zahltext(P[0], locale);
    a.W[1] = Vorzeichentext(P[1], locale);
    if (P[0] == 0) {
        a.WVerborgen[0] = true;
        a.SVerborgen[0] = true;
        a.T[1] = QString();
        if (P[1] >= 0)
            a.W[1] = Zahltext(P[1], locale);
    } else {
        a.T[1] = QStringLiteral("x");
        if (P[0] == 1 || P[0] == -1) {
            a.WVerborgen[0] = true;
            a.SVerborgen[0] = true;
        }
        if (P[0] == -1)
            a.T[1] = QStringLiteral("- x");
    }
    if (P[1] == 0 && P[0] != 0)
        a.WVerborgen[1] = true;
}

// Betrag, Parabel2, Parabel3 and Hyperbel: a, then the shifts d and c.
void verschiebungWerte(Wertanzeige& a, const ParameterSatz& P, const QLocale& locale)
{
    a.W[0] = Zahltext(P[0], locale);
    a.W[1] = Vorzeichentext(P[1], locale);
    a.W[2] = Vorzeichentext(P[2], locale);
    a.WVerborgen[1] = P[1] == 0;
    a.WVerborgen[2] = P[2] == 0;
}

void parabelWerte(Wertanzeige& a, const ParameterSatz& P, const QLocale& locale)
{
    verschiebungWerte(a, P, locale);
    zeigeFaktor(a, P[0]);
    if (P[1] == 0) {
        // No parentheses: the exponent follows the x directly.
        a.T[1] = QStringLiteral("x");
        a.T[2] = QString();
    }
}

void sinusWerte(Wertanzeige& a, ParameterSatz& P, const QLocale& locale)
{
    P[1] = std::fabs(P[1]);
    a.W[0] = Zahltext(P[0], locale);
    a.W[1] = Zahltext(P[1], locale);
    a.W[2] = Vorzeichentext(P[2], locale);
    a.W[3] = Vorzeichentext(P[3], locale);
    zeigeFaktor(a, P[0]);
    if (P[1] == 1) {
        a.WVerborgen[1] = true;
        a.SVerborgen[1] = true;
    }
    if (P[2] == 0)
        a.WVerborgen[2] = true;
    if (P[1] == 1 || P[2] == 0) {
        // One pair of parentheses is enough: sin(x + d) or sin(k·x).
        a.T[2] = QStringLiteral("x");
        a.T[3] = QStringLiteral(")");
    }
    a.WVerborgen[3] = P[3] == 0;
}

void exponentialWerte(Wertanzeige& a, ParameterSatz& P, const QLocale& locale)
{
    P[1] = std::fabs(P[1]);
    a.W[0] = Zahltext(P[0], locale);
    a.W[1] = Zahltext(P[1], locale);
    a.W[2] = Vorzeichentext(P[2], locale);
    zeigeFaktor(a, P[0]);
    a.WVerborgen[2] = P[2] == 0;
}

} // namespace

QString Termtext(int Typ, int Rolle, int i)
{
    const Typtexte& t = vorlage(Typ);
    const char* text = (Rolle == RolleAnzeige ? t.anzeige : t.liste).at(static_cast<std::size_t>(i));
    return text ? QString::fromLatin1(text) : QString();
}

int AnzahlTexte(int Typ)
{
    int n = 0;
    for (const char* text : vorlage(Typ).liste)
        n += text != nullptr;
    return n;
}

QString Buchstabe(int Typ, int i)
{
    return QString(QLatin1Char(vorlage(Typ).buchstaben[i]));
}

int AnzahlPunkte(int Typ) { return Typ == Sinus ? 2 : 1; }

Wertanzeige WerteAnzeigen(int Typ, ParameterSatz& P, const QLocale& locale)
{
    Wertanzeige a;
    for (int i = 0; i < 4; ++i)
        a.T[static_cast<std::size_t>(i)] = Termtext(Typ, RolleAnzeige, i);
    switch (Typ) {
    case Gerade:
        geradeWerte(a, P, locale);
        break;
    case Betrag:
        verschiebungWerte(a, P, locale);
        zeigeFaktor(a, P[0]);
        break;
    case Parabel2:
    case Parabel3:
        parabelWerte(a, P, locale);
        break;
    case Sinus:
        sinusWerte(a, P, locale);
        break;
    case Hyperbel:
        verschiebungWerte(a, P, locale); // the numerator always shows
        break;
    case Exponential:
        exponentialWerte(a, P, locale);
        break;
    default:
        break;
    }
    return a;
}

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
