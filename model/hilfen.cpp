// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/hilfen.h"

#include "model/zahltext.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The letters of P1..P4 in the order they stand in each type's equation.
QChar buchstabe(int Typ, int i)
{
    static const char* const buchstaben[AnzahlTypen] = {"mc", "adc", "adc", "adc", "akdc", "adc", "abc"};
    return QLatin1Char(buchstaben[Typ][i]);
}

// The most basic tip comes first.
enum Rang { Spiegelung, Verschiebung, Streckung };

struct Tipp {
    Rang rang;
    QString text;
};

class Tippliste {
public:
    explicit Tippliste(int Typ)
        : m_typ(Typ)
    {
    }

    // "<letter> stimmt nicht: <weg>.", or without a way where none can be told.
    void Neu(Rang rang, int i, const char* weg = nullptr)
    {
        const QString text = QStringLiteral("%1 stimmt nicht").arg(buchstabe(m_typ, i));
        m_tipps.push_back({rang, weg ? text + QStringLiteral(": ") + QString::fromUtf8(weg) + u'.' : text + u'.'});
    }

    QStringList Ersten(int anzahl)
    {
        std::stable_sort(m_tipps.begin(), m_tipps.end(), [](const Tipp& l, const Tipp& r) { return l.rang < r.rang; });
        QStringList texte;
        for (const Tipp& tipp : m_tipps)
            if (texte.size() < anzahl)
                texte.append(tipp.text);
        return texte;
    }

private:
    int m_typ;
    std::vector<Tipp> m_tipps;
};

// c: a larger c lifts the graph.
void tippC(Tippliste& tipps, int i, double user, double vorg)
{
    if (user != vorg)
        tipps.Neu(Verschiebung, i, user < vorg ? "das Schaubild nach oben verschieben" : "das Schaubild nach unten verschieben");
}

// d: a larger d moves the graph to the left. A sine repeats itself after
// a period, so with the right k only the part of the shift within half a
// period either way counts.
void tippD(Tippliste& tipps, int Typ, const ParameterSatz& User, const ParameterSatz& Vorg)
{
    double abstand = User[Typ == Sinus ? 2 : 1] - Vorg[Typ == Sinus ? 2 : 1];
    if (Typ == Sinus && User[1] == Vorg[1] && Vorg[1] > 0) {
        const double periode = 2 * std::numbers::pi / Vorg[1];
        abstand -= periode * std::nearbyint(abstand / periode);
        if (std::fabs(abstand) <= 1e-9 * periode)
            return;
    }
    if (abstand != 0)
        tipps.Neu(Verschiebung, Typ == Sinus ? 2 : 1,
                  abstand > 0 ? "das Schaubild nach rechts verschieben" : "das Schaubild nach links verschieben");
}

// a: the sign reflects the graph at the x-axis, the magnitude stretches it.
void tippA(Tippliste& tipps, double user, double vorg)
{
    if (user * vorg < 0)
        tipps.Neu(Spiegelung, 0, "das Schaubild an der x-Achse spiegeln");
    if (std::fabs(user) != std::fabs(vorg))
        tipps.Neu(Streckung, 0, std::fabs(user) < std::fabs(vorg) ? "das Schaubild stärker strecken"
                                                                  : "das Schaubild schwächer strecken");
}

// m: the sign says whether the line rises, the magnitude how steeply.
void tippM(Tippliste& tipps, double user, double vorg)
{
    if (vorg != 0 && !(user * vorg > 0))
        tipps.Neu(Spiegelung, 0, vorg > 0 ? "die Gerade muss steigen" : "die Gerade muss fallen");
    if (std::fabs(user) != std::fabs(vorg))
        tipps.Neu(Streckung, 0, std::fabs(user) < std::fabs(vorg) ? "die Gerade steiler machen"
                                                                  : "die Gerade flacher machen");
}

// k: a larger k shortens the period.
void tippK(Tippliste& tipps, double user, double vorg)
{
    if (user != vorg)
        tipps.Neu(Streckung, 1, user < vorg ? "die Periode verkürzen" : "die Periode verlängern");
}

// b: a base beyond 1 rises, one below 1 falls, the mirror image at the
// y-axis of its reciprocal; the further the logarithm from 0, the steeper.
void tippB(Tippliste& tipps, double user, double vorg)
{
    if (user == vorg)
        return;
    if (user <= 0) {
        tipps.Neu(Spiegelung, 1, "die Basis muss positiv sein");
        return;
    }
    if (vorg <= 0) { // only a task file gives such a base
        tipps.Neu(Streckung, 1);
        return;
    }
    const double lu = std::log(user);
    const double lv = std::log(vorg);
    if (lu * lv < 0)
        tipps.Neu(Spiegelung, 1, "das Schaubild an der y-Achse spiegeln");
    if (std::fabs(lu) != std::fabs(lv))
        tipps.Neu(Streckung, 1, std::fabs(lu) < std::fabs(lv) ? "das Schaubild steiler machen"
                                                              : "das Schaubild flacher machen");
}

std::optional<long long> zeile(int Typ, const ParameterSatz& P, double x, int proEinheit)
{
    bool gueltig = true;
    const double y = Funktionswert(Typ, x, P, gueltig);
    if (!gueltig)
        return std::nullopt;
    return static_cast<long long>(std::clamp(std::nearbyint(proEinheit * y), -1e9, 1e9));
}

} // namespace

QStringList Tipps(int VorgTyp, const ParameterSatz& Vorg, int UserTyp, const ParameterSatz& User)
{
    if (UserTyp != VorgTyp || !IstTyp(UserTyp))
        return {QStringLiteral("Der Funktionstyp passt nicht.")};
    Tippliste tipps(UserTyp);
    const int letzter = AnzahlParameter(UserTyp) - 1;
    switch (UserTyp) {
    case Gerade:
        tippM(tipps, User[0], Vorg[0]);
        break;
    case Sinus:
        tippA(tipps, User[0], Vorg[0]);
        tippK(tipps, User[1], Vorg[1]);
        tippD(tipps, UserTyp, User, Vorg);
        break;
    case Exponential:
        tippA(tipps, User[0], Vorg[0]);
        tippB(tipps, User[1], Vorg[1]);
        break;
    default:
        tippA(tipps, User[0], Vorg[0]);
        tippD(tipps, UserTyp, User, Vorg);
        break;
    }
    tippC(tipps, letzter, User[letzter], Vorg[letzter]);
    return tipps.Ersten(2);
}

bool GleichesSchaubild(int VorgTyp, const ParameterSatz& Vorg, int UserTyp, const ParameterSatz& User,
                       const Vergleichsraster& raster)
{
    if (!IstTyp(VorgTyp) || !IstTyp(UserTyp))
        return false;
    try {
        for (int spalte = 0; spalte < raster.Spalten; ++spalte) {
            const double x = (spalte - raster.UrsprungX) / static_cast<double>(raster.ProEinheit);
            if (zeile(VorgTyp, Vorg, x, raster.ProEinheit) != zeile(UserTyp, User, x, raster.ProEinheit))
                return false;
        }
    } catch (const Rechenfehler&) {
        return false;
    }
    return true;
}

QString Deckungshinweis(int VorgTyp, const ParameterSatz& Vorg, int UserTyp, const ParameterSatz& User)
{
    QString anders;
    if (UserTyp != VorgTyp) {
        anders = QStringLiteral("der Funktionstyp ist ein anderer");
    } else {
        QStringList buchstaben;
        for (int i = 0; i < AnzahlParameter(UserTyp); ++i)
            if (User[i] != Vorg[i])
                buchstaben.append(buchstabe(UserTyp, i));
        if (buchstaben.isEmpty())
            return {};
        const QString letzter = buchstaben.takeLast();
        anders = buchstaben.isEmpty()
                     ? QStringLiteral("%1 ist ein anderer Wert").arg(letzter)
                     : QStringLiteral("%1 und %2 sind andere Werte").arg(buchstaben.join(QStringLiteral(", ")), letzter);
    }
    return QStringLiteral("Dein Schaubild deckt sich mit dem vorgegebenen, aber %1: Dasselbe Schaubild hat mehrere "
                          "Gleichungen.")
        .arg(anders);
}

std::optional<QString> Schritttext(double wert, double schritt, bool nurPositiv, int laenge, const QLocale& locale)
{
    const double neu = wert + schritt;
    if (nurPositiv && !(neu > 0))
        return std::nullopt;
    for (int stellen = 6; stellen >= 0; --stellen) {
        const double faktor = std::pow(10.0, stellen);
        const QString text = Zahltext(std::nearbyint(neu * faktor) / faktor, locale);
        if (text.size() <= laenge)
            return text;
    }
    return std::nullopt;
}
