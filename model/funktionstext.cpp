// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/funktionstext.h"

#include "model/zahltext.h"

#include <array>
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

struct Typnamen {
    const char* name;
    const char* genitiv; // after "der"
    const char* gleichung;
};

const std::array<Typnamen, AnzahlTypen> Namen = {{
    {"Gerade", "Geraden", "f(x) = m·x + c"},
    {"Betragsfunktion", "Betragsfunktion", "f(x) = a·|x + d| + c"},
    {"Parabel", "Parabel", "f(x) = a·(x + d)² + c"},
    {"kubische Parabel", "kubischen Parabel", "f(x) = a·(x + d)³ + c"},
    {"Sinusfunktion", "Sinusfunktion", "f(x) = a·sin(k·(x + d)) + c"},
    {"Hyperbel", "Hyperbel", "f(x) = a/(x + d) + c"},
    {"Exponentialfunktion", "Exponentialfunktion", "f(x) = a·bˣ + c"},
}};

const Typnamen& namen(int Typ) { return Namen.at(static_cast<std::size_t>(Typ)); }

} // namespace

QString Typname(int Typ) { return QString::fromUtf8(namen(Typ).name); }

QString TypKnopfName(int Typ)
{
    return Typname(Typ) + QStringLiteral(": ") + QString::fromUtf8(namen(Typ).gleichung);
}

QString ParameterName(int Typ, int i)
{
    return QStringLiteral("Parameter %1 der %2").arg(Buchstabe(Typ, i), QString::fromUtf8(namen(Typ).genitiv));
}
namespace {

QString wert(const Wertanzeige& a, int i)
{
    return a.WVerborgen[static_cast<std::size_t>(i)] ? QString() : a.W[static_cast<std::size_t>(i)];
}

// A shift or constant with its sign, set apart by a blank: " - 2,5".
QString verschiebung(const Wertanzeige& a, int i)
{
    const QString w = wert(a, i);
    return w.isEmpty() ? w : QLatin1Char(' ') + w;
}

// A factor and its dot as far as the value equation shows them.
QString faktor(const Wertanzeige& a, int i)
{
    return wert(a, i) + (a.SVerborgen[static_cast<std::size_t>(i)] ? QString() : QStringLiteral("·"));
}

QString hochgestellt(const QString& ziffer) { return ziffer == QLatin1String("3") ? QStringLiteral("³") : QStringLiteral("²"); }

QString rechteSeite(int Typ, const Wertanzeige& a)
{
    switch (Typ) {
    case Gerade:
        return faktor(a, 0) + a.T[1] + QLatin1Char(' ') + wert(a, 1);
    case Betrag:
        return faktor(a, 0) + QStringLiteral("|x") + verschiebung(a, 1) + QLatin1Char('|') + verschiebung(a, 2);
    case Parabel2:
    case Parabel3:
        return faktor(a, 0) + a.T[1] + verschiebung(a, 1) + a.T[2].trimmed() + hochgestellt(a.T[3])
            + verschiebung(a, 2);
    case Sinus:
        return faktor(a, 0) + QStringLiteral("sin(") + faktor(a, 1) + a.T[2] + verschiebung(a, 2) + a.T[3]
            + verschiebung(a, 3);
    case Hyperbel: {
        const QString nenner = wert(a, 1).isEmpty() ? QStringLiteral("x") : QStringLiteral("(x") + verschiebung(a, 1) + QLatin1Char(')');
        return wert(a, 0) + QLatin1Char('/') + nenner + verschiebung(a, 2);
    }
    default:
        return faktor(a, 0) + wert(a, 1) + QStringLiteral("ˣ") + verschiebung(a, 2);
    }
}

} // namespace

QString Loesungstext(int Typ, const ParameterSatz& P, const QLocale& locale)
{
    if (!IstTyp(Typ))
        return QStringLiteral("kein Schaubild vorgegeben");
    ParameterSatz werte = P;
    const Wertanzeige a = WerteAnzeigen(Typ, werte, locale);
    // simplified() closes the gap a hidden piece leaves: "= - 3", not "=  - 3".
    return (QStringLiteral("f(x) = ") + rechteSeite(Typ, a)).simplified();
}
