// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/loesungsweg.h"

#include "model/zahltext.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace {

// Where each type's shifts and stretches stand in P.
struct Stellen {
    int faktor;
    int d; // -1: the type has no shift in x-direction
    int c;
};

Stellen stellen(int Typ)
{
    switch (Typ) {
    case Gerade:
        return {0, -1, 1};
    case Sinus:
        return {0, 2, 3};
    case Exponential:
        return {0, -1, 2};
    default:
        return {0, 1, 2};
    }
}

// The point a shift moves along: the vertex, the point of inflection, the
// crossing of the asymptotes, or the point on the y-axis.
double merkstelle(int Typ, const ParameterSatz& P)
{
    const int d = stellen(Typ).d;
    return d < 0 ? 0 : -P[d];
}

// How far right of it lies the point a stretch moves: one unit, the sine's
// peak, or none for the exponential, whose point on the y-axis is stretched.
double formabstand(int Typ, const ParameterSatz& P)
{
    if (Typ == Exponential)
        return 0;
    if (Typ == Sinus)
        return std::numbers::pi / 2 / (P[1] != 0 ? P[1] : 1);
    return 1;
}

// At the hyperbola's pole the point is the crossing of the asymptotes.
Ebenenpunkt punkt(int Typ, const ParameterSatz& P, double x)
{
    bool gueltig = true;
    const double y = Funktionswert(Typ, x, P, gueltig);
    return {x, gueltig ? y : P[stellen(Typ).c]};
}

QString grundname(int Typ, const ParameterSatz& P, const QLocale& locale)
{
    switch (Typ) {
    case Gerade:
        return QStringLiteral("Die Gerade y = x");
    case Betrag:
        return QStringLiteral("Das Schaubild von y = |x|");
    case Parabel2:
        return QStringLiteral("Die Normalparabel");
    case Parabel3:
        return QStringLiteral("Die Parabel y = x³");
    case Sinus:
        return QStringLiteral("Die Sinuskurve");
    case Hyperbel:
        return QStringLiteral("Die Hyperbel y = 1/x");
    default: {
        const QString basis = Zahltext(P[1], locale);
        return QStringLiteral("Die Exponentialkurve y = %1ˣ").arg(P[1] < 0 ? u'(' + basis + u')' : basis);
    }
    }
}

// The factor of a stretch in x-direction by k, |k| ≠ 1: 1/k, as a fraction
// unless it is a short decimal ("1/2", "1/0,3", but "2" for k = 0,5).
QString faktorX(double k, const QLocale& locale)
{
    const double kehrwert = std::nearbyint(1e4 / k) / 1e4;
    if (k < 1 && std::fabs(kehrwert * k - 1) < 1e-12)
        return Zahltext(kehrwert, locale);
    return QStringLiteral("1/") + Zahltext(k, locale);
}

const char* streckung(bool staerker) { return staerker ? "gestreckt" : "gestaucht"; }

// "a, b und c", or "a, b, c und d" where the last part holds an "und" itself.
QString aufzaehlung(QStringList teile)
{
    const QString letzter = teile.takeLast();
    if (teile.isEmpty())
        return letzter;
    return teile.join(QStringLiteral(", ")) + (letzter.contains(QStringLiteral(" und ")) ? QStringLiteral(", ") : QStringLiteral(" und "))
        + letzter;
}

class Wegbau {
public:
    Wegbau(int Typ, const ParameterSatz& grund, const QLocale& locale)
        : m_typ(Typ)
        , m_locale(locale)
        , m_jetzt(grund)
    {
        m_weg.Grundfunktion = grund;
    }

    QString Zahl(double v) const { return Zahltext(v, m_locale); }

    // A stretch or reflection: its arrow runs along the point the stretch
    // moves.
    void Form(int i, double wert, const QString& satz, const QString& teil)
    {
        neu(i, wert, satz, formabstand(m_typ, m_jetzt), formabstand);
        m_teile << teil;
    }

    void Verschiebung(int i, double wert, const QString& satz, const QString& teil)
    {
        neu(i, wert, satz, 0, [](int, const ParameterSatz&) { return 0.0; });
        m_verschiebungen << teil;
    }

    Loesungsweg Fertig(const QString& name)
    {
        if (!m_verschiebungen.isEmpty())
            m_teile << m_verschiebungen.join(QStringLiteral(" und ")) + QStringLiteral(" verschoben");
        m_weg.Zusammenfassung =
            m_teile.isEmpty() ? QStringLiteral("Keine Verschiebung und keine Streckung: Das ist das Schaubild der Grundfunktion.")
                              : name + QStringLiteral(" wird ") + aufzaehlung(m_teile) + u'.';
        return m_weg;
    }

private:
    template <typename Abstand>
    void neu(int i, double wert, const QString& satz, double vorherAbstand, Abstand abstand)
    {
        const Ebenenpunkt von = punkt(m_typ, m_jetzt, merkstelle(m_typ, m_jetzt) + vorherAbstand);
        m_jetzt[i] = wert;
        const Ebenenpunkt bis = punkt(m_typ, m_jetzt, merkstelle(m_typ, m_jetzt) + abstand(m_typ, m_jetzt));
        m_weg.Schritte.push_back({m_jetzt, satz, von, bis});
    }

    int m_typ;
    QLocale m_locale;
    ParameterSatz m_jetzt;
    Loesungsweg m_weg;
    QStringList m_teile;
    QStringList m_verschiebungen;
};

// A factor of the graph: 0 flattens it onto the x-axis, a magnitude other
// than 1 stretches or compresses it, a negative one mirrors it as well.
struct Faktor {
    int i;
    double wert;
    char richtung;    // of the stretch
    char achse;       // of the reflection
    const char* null; // "k = 0"
    QString zahl;     // the stretch's factor
    bool gestreckt;
    bool mitRichtung; // in the summary
};

void strecke(Wegbau& bau, const Faktor& f)
{
    if (f.wert == 0) {
        bau.Form(f.i, 0, QStringLiteral("Mit %1 fällt das Schaubild auf die x-Achse.").arg(QLatin1String(f.null)),
                 QStringLiteral("mit %1 auf die x-Achse zusammengedrückt").arg(QLatin1String(f.null)));
        return;
    }
    const double betrag = std::fabs(f.wert);
    if (betrag != 1) {
        const QString teil = QStringLiteral("mit dem Faktor %1 %2").arg(f.zahl, QLatin1String(streckung(f.gestreckt)));
        const QString gerichtet = QStringLiteral("in %1-Richtung ").arg(QLatin1Char(f.richtung)) + teil;
        bau.Form(f.i, betrag, QStringLiteral("Das Schaubild wird ") + gerichtet + u'.', f.mitRichtung ? gerichtet : teil);
    }
    if (f.wert < 0)
        bau.Form(f.i, f.wert, QStringLiteral("Das Schaubild wird an der %1-Achse gespiegelt.").arg(QLatin1Char(f.achse)),
                 QStringLiteral("an der %1-Achse gespiegelt").arg(QLatin1Char(f.achse)));
}

void steigung(Wegbau& bau, double m)
{
    if (m == 1)
        return;
    const QString zahl = bau.Zahl(m);
    bau.Form(0, m,
             m == 0 ? QStringLiteral("Die Steigung wird 0: Die Gerade fällt auf die x-Achse.")
                    : QStringLiteral("Die Steigung wird %1.").arg(zahl),
             QStringLiteral("auf die Steigung %1 gedreht").arg(zahl));
}

void verschiebe(Wegbau& bau, int i, double wert, const char* positiv, const char* negativ)
{
    if (wert == 0)
        return;
    const QString teil =
        QStringLiteral("um %1 nach %2").arg(bau.Zahl(std::fabs(wert)), QLatin1String(wert > 0 ? positiv : negativ));
    bau.Verschiebung(i, wert, QStringLiteral("Das Schaubild wird ") + teil + QStringLiteral(" verschoben."), teil);
}

} // namespace

Loesungsweg BerechneLoesungsweg(int Typ, const ParameterSatz& P, const QLocale& locale)
{
    if (!IstTyp(Typ))
        return {};
    ParameterSatz grund = Startwerte(Typ);
    if (Typ == Exponential)
        grund[1] = P[1];
    Wegbau bau(Typ, grund, locale);
    const Stellen s = stellen(Typ);
    // The sine's k shortens or lengthens the period; a negative k mirrors
    // the curve at the y-axis.
    if (Typ == Sinus)
        strecke(bau, {1, P[1], 'x', 'y', "k = 0", faktorX(std::fabs(P[1]), locale), std::fabs(P[1]) < 1, true});
    const double a = std::fabs(P[s.faktor]);
    if (Typ == Gerade)
        steigung(bau, P[0]);
    else
        strecke(bau, {s.faktor, P[s.faktor], 'y', 'x', "dem Faktor 0", bau.Zahl(a), a > 1, Typ == Sinus && P[1] != 1});
    if (s.d >= 0)
        verschiebe(bau, s.d, P[s.d], "links", "rechts");
    verschiebe(bau, s.c, P[s.c], "oben", "unten");
    return bau.Fertig(grundname(Typ, P, locale));
}

ParameterSatz Zwischenwerte(const ParameterSatz& vorher, const ParameterSatz& nachher, double t)
{
    if (t >= 1)
        return nachher;
    ParameterSatz P;
    for (std::size_t i = 0; i < P.P.size(); ++i)
        P.P[i] = vorher.P[i] + t * (nachher.P[i] - vorher.P[i]);
    return P;
}
