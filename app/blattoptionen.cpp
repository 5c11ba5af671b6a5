// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/blattoptionen.h"

#include "model/zahltext.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int HoechsteAnzahl = 100;

using Ergebnis = std::variant<Blattauftrag, QString>;

// A whole number lo..hi, or nothing.
std::optional<int> zahlIn(const QString& text, int lo, int hi)
{
    const std::optional<int> zahl = Ganzzahlwert(text);
    if (zahl && *zahl >= lo && *zahl <= hi)
        return zahl;
    return std::nullopt;
}

// "3,5" as task files number the types: 1..7, each once.
std::optional<Typliste> typen(const QString& text)
{
    Typliste liste;
    for (const QString& wort : text.split(QLatin1Char(','))) {
        const std::optional<int> nummer = zahlIn(wort, 1, AnzahlTypen);
        if (!nummer || std::ranges::find(liste, *nummer - 1) != liste.end())
            return std::nullopt;
        liste.push_back(*nummer - 1);
    }
    return liste;
}

QString falsch(const char* option, const char* erwartet, const QString& wert)
{
    return QStringLiteral("--%1 erwartet %2, nicht „%3“.").arg(QLatin1String(option), QString::fromUtf8(erwartet), wert);
}

Ergebnis zufallsoptionen(Blattauftrag auftrag, const QCommandLineParser& parser, const QString& zufall,
                         const QCommandLineOption& typenOption, const QCommandLineOption& stufe,
                         const QCommandLineOption& saatOption)
{
    const std::optional<int> anzahl = zahlIn(zufall, 1, HoechsteAnzahl);
    if (!anzahl)
        return falsch("zufall", "eine Anzahl von 1 bis 100", zufall);
    auftrag.Anzahl = *anzahl;
    auftrag.Typen = {Gerade, Betrag, Parabel2, Parabel3, Sinus, Hyperbel, Exponential};
    if (parser.isSet(typenOption)) {
        const std::optional<Typliste> liste = typen(parser.value(typenOption));
        if (!liste)
            return falsch("typen", "Funktionstypen von 1 bis 7, jeden einmal, durch Kommas getrennt",
                          parser.value(typenOption));
        auftrag.Typen = *liste;
    }
    if (parser.isSet(stufe)) {
        const std::optional<int> grad = zahlIn(parser.value(stufe), SehrLeicht, Normal);
        if (!grad)
            return falsch("stufe", "0, 1 oder 2", parser.value(stufe));
        auftrag.Stufe = *grad;
    }
    if (parser.isSet(saatOption)) {
        const std::optional<int> wert = zahlIn(parser.value(saatOption), 0, std::numeric_limits<int>::max());
        if (!wert)
            return falsch("saat", "eine ganze Zahl von 0 bis 2147483647", parser.value(saatOption));
        auftrag.Saat = static_cast<std::uint32_t>(*wert);
    }
    if (auftrag.Ausgabe.isEmpty())
        auftrag.Ausgabe = auftrag.Reihe ? Zufallsreihendatei() : Zufallsblattdatei();
    return auftrag;
}

// The task file's path with the ending .pdf instead of its own.
QString nebenDerDatei(const QString& datei)
{
    const QString endung = QFileInfo(datei).suffix();
    return (endung.isEmpty() ? datei : datei.chopped(endung.size() + 1)) + QStringLiteral(".pdf");
}

} // namespace

Blattoptionen::Blattoptionen(QCommandLineParser& parser)
    : m_blatt(QStringLiteral("arbeitsblatt"), QStringLiteral("schreibt ein Arbeitsblatt mit Lösungen als PDF"))
    , m_reihe(QStringLiteral("reihe"), QStringLiteral("schreibt Zufallsaufgaben als Aufgabendatei"))
    , m_ausgabe({QStringLiteral("o"), QStringLiteral("ausgabe")},
                QStringLiteral("die PDF-Datei, mit --reihe die Aufgabendatei (.sba)"), QStringLiteral("Datei"))
    , m_zufall(QStringLiteral("zufall"), QStringLiteral("so viele Zufallsaufgaben (1 bis 100)"), QStringLiteral("N"))
    , m_typen(QStringLiteral("typen"), QStringLiteral("die Typen der Zufallsaufgaben, z. B. 3,5 (sonst alle)"),
              QStringLiteral("Liste"))
    , m_stufe(QStringLiteral("stufe"), QStringLiteral("Schwierigkeit: 0 sehr leicht, 1 leicht, 2 normal"),
              QStringLiteral("0-2"))
    , m_saat(QStringLiteral("saat"), QStringLiteral("Startwert: dieselbe Saat gibt dasselbe Blatt"), QStringLiteral("S"))
    , m_loesungsweg(QStringLiteral("loesungsweg"), QStringLiteral("schreibt unter jede Lösung ihren Lösungsweg"))
{
    parser.addOptions({m_blatt, m_reihe, m_ausgabe, m_zufall, m_typen, m_stufe, m_saat, m_loesungsweg});
}

bool Blattoptionen::Gefragt(const QCommandLineParser& parser) const
{
    return parser.isSet(m_ausgabe) || OhneAusgabeGefragt(parser);
}

bool Blattoptionen::OhneAusgabeGefragt(const QCommandLineParser& parser) const
{
    return std::ranges::any_of(std::array{&m_blatt, &m_reihe, &m_zufall, &m_typen, &m_stufe, &m_saat, &m_loesungsweg},
                               [&](const QCommandLineOption* o) { return parser.isSet(*o); });
}

QString Blattoptionen::Ausgabe(const QCommandLineParser& parser) const { return parser.value(m_ausgabe); }

std::variant<Blattauftrag, QString> Blattoptionen::Lies(const QCommandLineParser& parser, const QStringList& dateien) const
{
    const bool reihe = parser.isSet(m_reihe);
    if (parser.isSet(m_loesungsweg) && !parser.isSet(m_blatt))
        return QStringLiteral("--loesungsweg gilt nur mit --arbeitsblatt.");
    if (reihe && parser.isSet(m_blatt))
        return QStringLiteral("--reihe und --arbeitsblatt gehen nicht zusammen.");
    if (!reihe && !parser.isSet(m_blatt))
        return QStringLiteral(
            "Die Optionen -o, --zufall, --typen, --stufe und --saat gelten nur mit --arbeitsblatt oder --reihe.");
    const bool zufall = parser.isSet(m_zufall);
    if (!zufall && (parser.isSet(m_typen) || parser.isSet(m_stufe) || parser.isSet(m_saat)))
        return QStringLiteral("Die Optionen --typen, --stufe und --saat gelten nur mit --zufall.");
    if (reihe && (!zufall || !dateien.isEmpty()))
        return QStringLiteral("--reihe schreibt Zufallsaufgaben: Es braucht --zufall N und keine Aufgabendatei.");
    if (dateien.size() > 1)
        return QStringLiteral("Ein Arbeitsblatt entsteht aus genau einer Aufgabendatei.");
    if (zufall && !dateien.isEmpty())
        return QStringLiteral("Ein Arbeitsblatt entsteht aus einer Aufgabendatei oder aus --zufall N, nicht aus beidem.");
    if (!zufall && dateien.isEmpty())
        return QStringLiteral("Für das Arbeitsblatt fehlt die Aufgabendatei oder --zufall N.");
    Blattauftrag auftrag;
    auftrag.Ausgabe = parser.value(m_ausgabe);
    auftrag.Reihe = reihe;
    auftrag.Loesungsweg = parser.isSet(m_loesungsweg);
    if (zufall)
        return zufallsoptionen(auftrag, parser, parser.value(m_zufall), m_typen, m_stufe, m_saat);
    auftrag.Datei = dateien.first();
    if (auftrag.Ausgabe.isEmpty())
        auftrag.Ausgabe = nebenDerDatei(auftrag.Datei);
    return auftrag;
}
