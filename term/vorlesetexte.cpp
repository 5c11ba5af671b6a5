// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/vorlesetexte.h"

#include "model/funktion.h"
#include "term/termaufbau.h"

#include <array>

namespace {

struct Typtexte {
    const char* name;
    const char* genitiv; // after "der"
    const char* gleichung;
};

const std::array<Typtexte, AnzahlTypen> Texte = {{
    {"Gerade", "Geraden", "f(x) = m·x + c"},
    {"Betragsfunktion", "Betragsfunktion", "f(x) = a·|x + d| + c"},
    {"Parabel", "Parabel", "f(x) = a·(x + d)² + c"},
    {"kubische Parabel", "kubischen Parabel", "f(x) = a·(x + d)³ + c"},
    {"Sinusfunktion", "Sinusfunktion", "f(x) = a·sin(k·(x + d)) + c"},
    {"Hyperbel", "Hyperbel", "f(x) = a/(x + d) + c"},
    {"Exponentialfunktion", "Exponentialfunktion", "f(x) = a·bˣ + c"},
}};

const Typtexte& texte(int Typ) { return Texte.at(static_cast<std::size_t>(Typ)); }

} // namespace

QString Typname(int Typ) { return QString::fromUtf8(texte(Typ).name); }

QString TypKnopfName(int Typ)
{
    return Typname(Typ) + QStringLiteral(": ") + QString::fromUtf8(texte(Typ).gleichung);
}

QString ParameterName(int Typ, int i)
{
    return QStringLiteral("Parameter %1 der %2").arg(Buchstabe(Typ, i), QString::fromUtf8(texte(Typ).genitiv));
}
