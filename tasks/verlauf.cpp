// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/verlauf.h"

#include "model/urteil.h"

#include <algorithm>
#include <iterator>

bool Protokollaufgabe::Geloest() const
{
    return !LoesungswegAngesehen && std::ranges::any_of(Antworten, [](const Antwort& a) { return a.Richtig; });
}

Zusammenfassung Zaehle(const std::vector<Protokollaufgabe>& aufgaben)
{
    const auto gezeigt = std::find_if(aufgaben.rbegin(), aufgaben.rend(), [](const Protokollaufgabe& a) { return !a.Offen(); });
    Zusammenfassung z;
    z.Anzahl = static_cast<int>(aufgaben.rend() - gezeigt);
    z.Richtig = static_cast<int>(std::ranges::count_if(aufgaben, &Protokollaufgabe::ErsterVersuchRichtig));
    z.Prozent = Prozent(z.Richtig, z.Anzahl);
    return z;
}

void Verlauf::Gestellt(bool test, const QString& arbeitsform, int Typ, const ParameterSatz& parameter,
                       const ::Abschnitte& abschnitte)
{
    if (m_arbeitsformen.isEmpty() || m_arbeitsformen.back() != arbeitsform)
        m_arbeitsformen << arbeitsform;
    m_aufgaben.push_back({test, Typ, parameter, abschnitte, {}, false, false});
}

void Verlauf::Beantwortet(int Typ, const ParameterSatz& parameter, bool richtig)
{
    if (m_aufgaben.empty())
        return;
    std::vector<Antwort>& antworten = m_aufgaben.back().Antworten;
    const Antwort antwort{Typ, parameter, richtig};
    if (antworten.empty() || antworten.back() != antwort)
        antworten.push_back(antwort);
}

void Verlauf::Uebersprungen()
{
    if (!m_aufgaben.empty())
        m_aufgaben.back().Uebersprungen = true;
}

void Verlauf::LoesungswegAngesehen()
{
    if (!m_aufgaben.empty())
        m_aufgaben.back().LoesungswegAngesehen = true;
}

std::vector<Protokollaufgabe> Testaufgaben(const std::vector<Protokollaufgabe>& aufgaben)
{
    std::vector<Protokollaufgabe> test;
    std::ranges::copy_if(aufgaben, std::back_inserter(test), &Protokollaufgabe::Test);
    return test;
}
