// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/auswertung.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Takes the input apart byte by byte; zeros once it is used up.
class Leser {
public:
    Leser(const std::uint8_t* daten, std::size_t groesse)
        : m_daten(daten)
        , m_groesse(groesse)
    {
    }
    int Zahl(int n) { return m_stelle < m_groesse ? m_daten[m_stelle++] % n : 0; }
    QString Text()
    {
        const std::size_t laenge = std::min<std::size_t>(static_cast<std::size_t>(Zahl(12)), m_groesse - std::min(m_stelle, m_groesse));
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(m_daten + std::min(m_stelle, m_groesse)),
                                               static_cast<qsizetype>(laenge));
        m_stelle += laenge;
        return text;
    }

private:
    const std::uint8_t* m_daten;
    std::size_t m_groesse;
    std::size_t m_stelle = 0;
};

Testprotokoll protokoll(Leser& l)
{
    Testprotokoll p{l.Text(), l.Text(), {}, l.Text(), {}, {}};
    for (int i = l.Zahl(6); i > 0; --i) {
        Protokollaufgabe a{l.Zahl(2) == 1, l.Zahl(9) - 1, {}, {}, {}, l.Zahl(2) == 1};
        for (int k = l.Zahl(4); k > 0; --k)
            a.Antworten.push_back({l.Zahl(7), {}, l.Zahl(2) == 1});
        p.Aufgaben.push_back(a);
    }
    return p;
}

// The fields of the CSV as a spreadsheet reads them: ";" between them,
// quotes around a field that holds one, "" for a quote inside.
QStringList felder(const QString& csv)
{
    QStringList felder{QString()};
    bool zitiert = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (c == u'"' && zitiert && i + 1 < csv.size() && csv[i + 1] == u'"')
            felder.back() += csv[++i];
        else if (c == u'"')
            zitiert = !zitiert;
        else if (!zitiert && (c == u';' || c == u'\n'))
            felder << QString();
        else if (zitiert || c != u'\r')
            felder.back() += c;
    }
    return felder;
}

} // namespace

// A class's fuzzed records into the table and the CSV: no crash, and no
// field a spreadsheet would take for a formula.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    Leser leser(daten, groesse);
    std::vector<Testprotokoll> protokolle;
    for (int i = leser.Zahl(5); i > 0; --i)
        protokolle.push_back(protokoll(leser));
    const QByteArray csv = UebersichtCsv(BaueUebersicht(protokolle));
    for (const QString& feld : felder(QString::fromUtf8(csv.sliced(3)))) {
        if (!feld.isEmpty() && QStringLiteral("=+-@").contains(feld.front()))
            std::abort();
    }
    return 0;
}
