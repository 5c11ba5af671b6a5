// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/loesung.h"

#include "term/termaufbau.h"

#include <QLocale>

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
