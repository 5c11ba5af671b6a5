// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/reihenbearbeitung.h"

#include "model/zahltext.h"
#include "tasks/zeilenquelle.h"

#include <QUndoCommand>

#include <algorithm>
#include <utility>

namespace {

// The fields of a task that a keystroke changes; a keystroke in the same
// field of the same task as the step before merges into that step.
enum Feld : int {
    FeldParameter = 0, // .. 3: the values P1..P4
    FeldTyp = 10,
    FeldAbschnitte = 11,
    FeldBemerkungen = 12,
};

bool tippbar(int feld) { return feld != FeldTyp; }

// What the undo menu item names: "Rückgängig: Wert ändern".
QString schritt(int feld)
{
    switch (feld) {
    case FeldTyp:
        return QStringLiteral("Typ ändern");
    case FeldAbschnitte:
        return QStringLiteral("Abschnitte ändern");
    case FeldBemerkungen:
        return QStringLiteral("Bemerkungen ändern");
    default:
        return QStringLiteral("Wert ändern");
    }
}

// The comment and the type line: the comment's keystrokes merge.
class Kopfbefehl : public QUndoCommand {
public:
    Kopfbefehl(Reihenbearbeitung& reihe, Reihenbearbeitung::Kopf neu, bool kommentar)
        : QUndoCommand(kommentar ? QStringLiteral("Kommentar ändern") : QStringLiteral("Typen ändern"))
        , m_reihe(reihe)
        , m_alt(reihe.LiesKopf())
        , m_neu(std::move(neu))
        , m_kommentar(kommentar)
    {
    }
    void redo() override { m_reihe.SchreibeKopf(m_neu); }
    void undo() override { m_reihe.SchreibeKopf(m_alt); }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* anderer) override
    {
        const auto* befehl = static_cast<const Kopfbefehl*>(anderer);
        if (!m_kommentar || !befehl->m_kommentar)
            return false;
        m_neu = befehl->m_neu;
        return true;
    }

private:
    Reihenbearbeitung& m_reihe;
    Reihenbearbeitung::Kopf m_alt, m_neu;
    bool m_kommentar;
};

class Eintragsbefehl : public QUndoCommand {
public:
    Eintragsbefehl(Reihenbearbeitung& reihe, int index, int feld, Reiheneintrag neu)
        : QUndoCommand(schritt(feld))
        , m_reihe(reihe)
        , m_index(index)
        , m_feld(feld)
        , m_alt(reihe.Reihe().Aufgaben[static_cast<std::size_t>(index)])
        , m_neu(std::move(neu))
    {
    }
    void redo() override { m_reihe.SchreibeEintrag(m_index, m_neu); }
    void undo() override { m_reihe.SchreibeEintrag(m_index, m_alt); }
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* anderer) override
    {
        const auto* befehl = static_cast<const Eintragsbefehl*>(anderer);
        if (befehl->m_index != m_index || befehl->m_feld != m_feld || !tippbar(m_feld))
            return false;
        m_neu = befehl->m_neu;
        return true;
    }

private:
    Reihenbearbeitung& m_reihe;
    int m_index, m_feld;
    Reiheneintrag m_alt, m_neu;
};

// The remark lines after the last task; keystrokes in them merge.
class Schlussbefehl : public QUndoCommand {
public:
    Schlussbefehl(Reihenbearbeitung& reihe, QStringList neu)
        : QUndoCommand(QStringLiteral("Bemerkungen am Ende ändern"))
        , m_reihe(reihe)
        , m_alt(reihe.Reihe().Schluss)
        , m_neu(std::move(neu))
    {
    }
    void redo() override { m_reihe.SchreibeSchluss(m_neu); }
    void undo() override { m_reihe.SchreibeSchluss(m_alt); }
    int id() const override { return 3; }
    bool mergeWith(const QUndoCommand* anderer) override
    {
        m_neu = static_cast<const Schlussbefehl*>(anderer)->m_neu;
        return true;
    }

private:
    Reihenbearbeitung& m_reihe;
    QStringList m_alt, m_neu;
};

// Inserting a task, or with einfuegen false removing it: one is the undo of
// the other.
class Einfuegebefehl : public QUndoCommand {
public:
    Einfuegebefehl(Reihenbearbeitung& reihe, int index, Reiheneintrag eintrag, bool einfuegen)
        : QUndoCommand(einfuegen ? QStringLiteral("Aufgabe einfügen") : QStringLiteral("Aufgabe löschen"))
        , m_reihe(reihe)
        , m_index(index)
        , m_eintrag(std::move(eintrag))
        , m_einfuegen(einfuegen)
    {
    }
    void redo() override { fuehreAus(m_einfuegen); }
    void undo() override { fuehreAus(!m_einfuegen); }

private:
    void fuehreAus(bool einfuegen)
    {
        if (einfuegen)
            m_reihe.Einfuegen(m_index, m_eintrag);
        else
            m_reihe.Entfernen(m_index);
    }

    Reihenbearbeitung& m_reihe;
    int m_index;
    Reiheneintrag m_eintrag;
    bool m_einfuegen;
};

// Swaps the tasks at index and index + 1, its own undo.
class Tauschbefehl : public QUndoCommand {
public:
    Tauschbefehl(Reihenbearbeitung& reihe, int index, int auswahl)
        : QUndoCommand(QStringLiteral("Aufgabe verschieben"))
        , m_reihe(reihe)
        , m_index(index)
        , m_auswahl(auswahl)
    {
    }
    void redo() override { tausche(m_auswahl == m_index ? m_index + 1 : m_index); }
    void undo() override { tausche(m_auswahl); }

private:
    void tausche(int auswahl) { m_reihe.Tausche(m_index, auswahl); }

    Reihenbearbeitung& m_reihe;
    int m_index, m_auswahl;
};

// Why the writer refuses a series, if it does.
std::optional<QString> verweigert(const Aufgabenreihe& reihe, QStringView dezimaltrenner)
{
    const std::variant<QByteArray, QString> bytes = SchreibeAufgabenreihe(reihe, dezimaltrenner);
    const QString* grund = std::get_if<QString>(&bytes);
    return grund != nullptr ? std::optional<QString>(*grund) : std::nullopt;
}

// A series of that one task, for the writer to write its line.
Aufgabenreihe einzeln(const Reiheneintrag& eintrag)
{
    Aufgabenreihe reihe;
    reihe.Kommentar = QStringLiteral("-");
    reihe.ErlaubteTypen = {Gerade};
    reihe.Aufgaben.push_back({{}, eintrag.Aufgabe, eintrag.Urtext});
    return reihe;
}

// The last line of a file's bytes, without its line end.
QString letzteZeile(const QByteArray& bytes)
{
    const QByteArray ohneEnde = bytes.chopped(2);
    return QString::fromLatin1(ohneEnde.mid(ohneEnde.lastIndexOf('\n') + 1));
}

constexpr int Kopfzeilen = 1; // the header line

// A remark line that cannot be saved is a Fehler before saving fails; each
// at its place among the lines, counted from 0.
std::vector<Befund> bemerkungsbefunde(const QStringList& bemerkungen)
{
    std::vector<Befund> befunde;
    for (qsizetype i = 0; i < bemerkungen.size(); ++i) {
        if (const std::optional<QString> fehler = Zeilenfehler(bemerkungen[i]))
            befunde.push_back({static_cast<int>(i), Befund::Art::Fehler, QStringLiteral("Die Bemerkung ") + *fehler});
    }
    return befunde;
}

} // namespace

Reihenbearbeitung::Reihenbearbeitung(const QLocale& locale)
    : m_locale(locale)
{
    Neu();
}

void Reihenbearbeitung::Neu()
{
    m_stapel.clear();
    m_reihe = {};
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ)
        m_reihe.ErlaubteTypen.push_back(Typ);
    m_auswahl = -1;
    pruefeAlle();
    melde(Reihenaenderung::Art::Struktur, -1);
}

std::vector<Meldung> Reihenbearbeitung::Oeffne(const QByteArray& inhalt)
{
    GeleseneReihe gelesen = LiesAufgabenreihe(inhalt, m_locale.decimalPoint());
    m_stapel.clear();
    m_reihe = std::move(gelesen.Reihe);
    m_auswahl = m_reihe.Aufgaben.empty() ? -1 : 0;
    pruefeAlle();
    melde(Reihenaenderung::Art::Struktur, -1);
    return gelesen.Meldungen;
}

std::variant<QByteArray, QString> Reihenbearbeitung::Bytes() const
{
    return SchreibeAufgabenreihe(m_reihe, m_locale.decimalPoint());
}

void Reihenbearbeitung::Waehle(int index) { m_auswahl = std::clamp(index, 0, Anzahl()); }

const Reihenaufgabe* Reihenbearbeitung::Gewaehlte() const
{
    return m_auswahl < 0 || AmEnde() ? nullptr : &m_reihe.Aufgaben[static_cast<std::size_t>(m_auswahl)].Aufgabe;
}

QStringList Reihenbearbeitung::Bemerkungen() const
{
    if (AmEnde())
        return m_reihe.Schluss;
    return m_auswahl < 0 ? QStringList() : m_reihe.Aufgaben[static_cast<std::size_t>(m_auswahl)].Bemerkungen;
}

void Reihenbearbeitung::SetzeKommentar(const QString& kommentar)
{
    if (kommentar == m_reihe.Kommentar)
        return;
    Kopf kopf = LiesKopf();
    kopf.Kommentar = kommentar;
    kopf.KommentarUrtext.reset();
    m_stapel.push(new Kopfbefehl(*this, std::move(kopf), true));
}

// The types keep the order 1 to 7 when one is added.
void Reihenbearbeitung::SetzeTypErlaubt(int Typ, bool erlaubt)
{
    Kopf kopf = LiesKopf();
    Typliste& typen = kopf.ErlaubteTypen;
    const bool drin = std::ranges::find(typen, Typ) != typen.end();
    if (!IstTyp(Typ) || drin == erlaubt)
        return;
    if (erlaubt)
        typen.insert(std::ranges::upper_bound(typen, Typ), Typ);
    else
        std::erase(typen, Typ);
    kopf.TypenUrtext.reset();
    m_stapel.push(new Kopfbefehl(*this, std::move(kopf), false));
}

void Reihenbearbeitung::aendereGewaehlte(int feld, const std::function<void(Reiheneintrag&)>& aenderung)
{
    if (Gewaehlte() == nullptr)
        return;
    Reiheneintrag eintrag = m_reihe.Aufgaben[static_cast<std::size_t>(m_auswahl)];
    const Reihenaufgabe vorher = eintrag.Aufgabe;
    const QStringList bemerkungenVorher = eintrag.Bemerkungen;
    aenderung(eintrag);
    const Reihenaufgabe& nachher = eintrag.Aufgabe;
    const bool aufgabeGleich = nachher.Typ == vorher.Typ && nachher.Parameter == vorher.Parameter
                               && nachher.Abschnitte.Anzahl == vorher.Abschnitte.Anzahl
                               && nachher.Abschnitte.Von == vorher.Abschnitte.Von
                               && nachher.Abschnitte.Bis == vorher.Abschnitte.Bis;
    if (aufgabeGleich && eintrag.Bemerkungen == bemerkungenVorher)
        return;
    if (!aufgabeGleich)
        eintrag.Urtext.reset();
    m_stapel.push(new Eintragsbefehl(*this, m_auswahl, feld, std::move(eintrag)));
}

void Reihenbearbeitung::SetzeTyp(int Typ)
{
    aendereGewaehlte(FeldTyp, [Typ](Reiheneintrag& e) {
        if (e.Aufgabe.Typ != Typ)
            e.Aufgabe.Parameter = Startwerte(Typ);
        e.Aufgabe.Typ = Typ;
    });
}

void Reihenbearbeitung::SetzeParameter(int i, double wert)
{
    aendereGewaehlte(FeldParameter + i, [i, wert](Reiheneintrag& e) { e.Aufgabe.Parameter[i] = wert; });
}

void Reihenbearbeitung::SetzeAbschnitte(const Abschnitte& abschnitte)
{
    aendereGewaehlte(FeldAbschnitte, [&abschnitte](Reiheneintrag& e) { e.Aufgabe.Abschnitte = abschnitte; });
}

void Reihenbearbeitung::SetzeBemerkungen(const QStringList& bemerkungen)
{
    if (AmEnde()) {
        if (bemerkungen != m_reihe.Schluss)
            m_stapel.push(new Schlussbefehl(*this, bemerkungen));
        return;
    }
    aendereGewaehlte(FeldBemerkungen, [&bemerkungen](Reiheneintrag& e) { e.Bemerkungen = bemerkungen; });
}

void Reihenbearbeitung::FuegeEin(const Reihenaufgabe& aufgabe)
{
    m_stapel.push(new Einfuegebefehl(*this, std::min(m_auswahl + 1, Anzahl()), {{}, aufgabe, std::nullopt}, true));
}

void Reihenbearbeitung::NeueAufgabe()
{
    const Reihenaufgabe* gewaehlt = Gewaehlte();
    FuegeEin(gewaehlt != nullptr ? *gewaehlt : Reihenaufgabe{Parabel2, Startwerte(Parabel2), {}});
}

void Reihenbearbeitung::Loesche()
{
    if (Gewaehlte() == nullptr)
        return;
    m_stapel.push(new Einfuegebefehl(*this, m_auswahl, m_reihe.Aufgaben[static_cast<std::size_t>(m_auswahl)], false));
}

void Reihenbearbeitung::Verschiebe(int richtung)
{
    const int ziel = m_auswahl + richtung;
    if (Gewaehlte() == nullptr || ziel < 0 || ziel >= Anzahl())
        return;
    m_stapel.push(new Tauschbefehl(*this, std::min(m_auswahl, ziel), m_auswahl));
}

Reihenbearbeitung::Kopf Reihenbearbeitung::LiesKopf() const
{
    return {m_reihe.Kommentar, m_reihe.ErlaubteTypen, m_reihe.KommentarUrtext, m_reihe.TypenUrtext};
}

void Reihenbearbeitung::SchreibeKopf(const Kopf& kopf)
{
    const bool typenGleich = kopf.ErlaubteTypen == m_reihe.ErlaubteTypen;
    m_reihe.Kommentar = kopf.Kommentar;
    m_reihe.ErlaubteTypen = kopf.ErlaubteTypen;
    m_reihe.KommentarUrtext = kopf.KommentarUrtext;
    m_reihe.TypenUrtext = kopf.TypenUrtext;
    // Whether a task's type is allowed is one of its findings.
    if (typenGleich)
        pruefeKopf();
    else
        pruefeAlle();
    melde(Reihenaenderung::Art::Kopf, -1);
}

void Reihenbearbeitung::SchreibeEintrag(int index, const Reiheneintrag& eintrag)
{
    m_reihe.Aufgaben[static_cast<std::size_t>(index)] = eintrag;
    m_auswahl = index;
    pruefeAufgabe(index);
    melde(Reihenaenderung::Art::Aufgabe, index);
}

void Reihenbearbeitung::SchreibeSchluss(const QStringList& schluss)
{
    m_reihe.Schluss = schluss;
    m_auswahl = Anzahl();
    melde(Reihenaenderung::Art::Schluss, m_auswahl);
}

void Reihenbearbeitung::Einfuegen(int index, const Reiheneintrag& eintrag)
{
    m_reihe.Aufgaben.insert(m_reihe.Aufgaben.begin() + index, eintrag);
    m_aufgabenbefunde.insert(m_aufgabenbefunde.begin() + index, std::nullopt);
    ++m_ungeprueft;
    m_auswahl = index;
    pruefeAufgabe(index);
    melde(Reihenaenderung::Art::Struktur, index);
}

void Reihenbearbeitung::Entfernen(int index)
{
    m_reihe.Aufgaben.erase(m_reihe.Aufgaben.begin() + index);
    m_ungeprueft -= m_aufgabenbefunde[static_cast<std::size_t>(index)] ? 0 : 1;
    m_aufgabenbefunde.erase(m_aufgabenbefunde.begin() + index);
    m_auswahl = std::min(index, Anzahl() - 1);
    melde(Reihenaenderung::Art::Struktur, m_auswahl);
}

void Reihenbearbeitung::Tausche(int index, int auswahl)
{
    const auto i = static_cast<std::size_t>(index);
    std::swap(m_reihe.Aufgaben[i], m_reihe.Aufgaben[i + 1]);
    std::swap(m_aufgabenbefunde[i], m_aufgabenbefunde[i + 1]);
    m_auswahl = auswahl;
    melde(Reihenaenderung::Art::Struktur, auswahl);
}

int Reihenbearbeitung::typzeile() const
{
    return Kopfzeilen + static_cast<int>(m_reihe.VorKommentar.size()) + 1 + static_cast<int>(m_reihe.VorTypen.size())
           + 1;
}

int Reihenbearbeitung::AufgabeInZeile(int zeile) const
{
    int letzte = typzeile();
    for (int i = 0; i < Anzahl(); ++i) {
        letzte += static_cast<int>(m_reihe.Aufgaben[static_cast<std::size_t>(i)].Bemerkungen.size()) + 1;
        if (zeile <= letzte)
            return zeile <= typzeile() ? -1 : i;
    }
    return -1;
}

std::vector<Befund> Reihenbearbeitung::Befunde() const
{
    std::vector<Befund> alle = m_kopfbefunde;
    int zeile = typzeile();
    for (std::size_t i = 0; i < m_aufgabenbefunde.size(); ++i) {
        for (Befund befund : m_aufgabenbefunde[i].value_or(std::vector<Befund>{})) {
            befund.zeile += zeile + 1;
            alle.push_back(std::move(befund));
        }
        zeile += static_cast<int>(m_reihe.Aufgaben[i].Bemerkungen.size()) + 1;
    }
    const QStringList schluss = m_reihe.Aufgaben.empty() && m_reihe.Schluss.isEmpty() ? QStringList{QString()}
                                                                                       : m_reihe.Schluss;
    for (const Befund& befund : bemerkungsbefunde(schluss)) {
        alle.push_back(befund);
        alle.back().zeile += zeile + 1;
    }
    if (ZeileMitVerborgenemRest(m_reihe.NachDateiende))
        alle.push_back(VerborgenerRest(zeile + static_cast<int>(schluss.size()) + 1));
    if (m_reihe.Aufgaben.empty())
        alle.push_back({0, Befund::Art::Warnung, QStringLiteral("Die Reihe enthält keine Aufgabe.")});
    return alle;
}

// The head as the file's checker sees it: the series without its tasks,
// followed by a remark line, so that the type line is not the file's last.
// What the writer refuses stands at the comment, or else at the type line.
void Reihenbearbeitung::pruefeKopf()
{
    Aufgabenreihe kopf;
    kopf.Kommentar = m_reihe.Kommentar;
    kopf.ErlaubteTypen = m_reihe.ErlaubteTypen;
    kopf.VorKommentar = m_reihe.VorKommentar;
    kopf.VorTypen = m_reihe.VorTypen;
    kopf.KommentarUrtext = m_reihe.KommentarUrtext;
    kopf.TypenUrtext = m_reihe.TypenUrtext;
    kopf.Schluss = QStringList{QStringLiteral("*")};
    Aufgabenreihe nurKommentar = kopf;
    nurKommentar.ErlaubteTypen = {Gerade};
    nurKommentar.TypenUrtext.reset();
    m_kopfbefunde.clear();
    const QStringView trenner = m_locale.decimalPoint();
    if (const std::optional<QString> grund = verweigert(nurKommentar, trenner))
        m_kopfbefunde.push_back({typzeile() - 1 - static_cast<int>(m_reihe.VorTypen.size()), Befund::Art::Fehler, *grund});
    else if (const std::optional<QString> grund = verweigert(kopf, trenner))
        m_kopfbefunde.push_back({typzeile(), Befund::Art::Fehler, *grund});
    else
        for (const Befund& befund : PruefeAufgabendatei(std::get<QByteArray>(SchreibeAufgabenreihe(kopf, trenner)), m_locale).Befunde) {
            if (befund.zeile > 0 && befund.zeile <= typzeile())
                m_kopfbefunde.push_back(befund);
        }
}

// The remark lines and the task's line as the writer writes it, each
// finding at its line counted from the task's first remark line; a task
// the writer refuses is a Fehler of its own.
void Reihenbearbeitung::pruefeAufgabe(int index)
{
    const Reiheneintrag& eintrag = m_reihe.Aufgaben[static_cast<std::size_t>(index)];
    std::optional<std::vector<Befund>>& befunde = m_aufgabenbefunde[static_cast<std::size_t>(index)];
    m_ungeprueft -= befunde ? 0 : 1;
    std::vector<Befund> neu = bemerkungsbefunde(eintrag.Bemerkungen);
    const int zeile = static_cast<int>(eintrag.Bemerkungen.size());
    const std::variant<QByteArray, QString> bytes = SchreibeAufgabenreihe(einzeln(eintrag), m_locale.decimalPoint());
    if (const QString* grund = std::get_if<QString>(&bytes)) {
        neu.push_back({zeile, Befund::Art::Fehler, *grund});
    } else {
        const std::vector<Befund> aufgabe =
            PruefeAufgabenzeile(letzteZeile(std::get<QByteArray>(bytes)), zeile, m_reihe.ErlaubteTypen, m_locale);
        neu.insert(neu.end(), aufgabe.begin(), aufgabe.end());
    }
    befunde = std::move(neu);
}

void Reihenbearbeitung::pruefeAlle()
{
    pruefeKopf();
    m_aufgabenbefunde.assign(m_reihe.Aufgaben.size(), std::nullopt);
    m_ungeprueft = Anzahl();
    m_weiter = 0;
    PruefeWeiter();
}

// A removal may have moved an unchecked task before the place to go on
// from, so the search goes round once more while any is left.
void Reihenbearbeitung::PruefeWeiter()
{
    for (int schritt = 0; schritt < Pruefschritt && m_ungeprueft > 0; ++m_weiter) {
        if (m_weiter >= m_aufgabenbefunde.size())
            m_weiter = 0;
        if (m_aufgabenbefunde[m_weiter])
            continue;
        pruefeAufgabe(static_cast<int>(m_weiter));
        ++schritt;
    }
}

void Reihenbearbeitung::PruefeFertig()
{
    while (m_ungeprueft > 0)
        PruefeWeiter();
}

void Reihenbearbeitung::melde(Reihenaenderung::Art art, int index)
{
    if (Beobachter)
        Beobachter({art, index});
}

std::optional<QString> Speicherfrage(const std::vector<Befund>& befunde)
{
    std::vector<const Befund*> fehler;
    for (const Befund& befund : befunde) {
        if (befund.art == Befund::Art::Fehler)
            fehler.push_back(&befund);
    }
    if (fehler.empty())
        return std::nullopt;
    const auto genannt = [](const Befund* befund) {
        return QStringLiteral("Zeile %1: %2").arg(Zahltext(befund->zeile), befund->text);
    };
    const QString frage = QStringLiteral("Trotzdem speichern?");
    if (fehler.size() == 1)
        return QStringLiteral("Die Reihe hat einen Fehler in %1\n%2").arg(genannt(fehler.front()), frage);
    // "und 1 weiterer" would take the place of the Fehler it counts.
    constexpr std::size_t Erste = 3;
    const std::size_t anzahl = fehler.size() > Erste + 1 ? Erste : fehler.size();
    QStringList zeilen{QStringLiteral("Die Reihe hat %1 Fehler:").arg(Zahltext(static_cast<double>(fehler.size())))};
    for (std::size_t i = 0; i < anzahl; ++i)
        zeilen << genannt(fehler[i]);
    if (anzahl < fehler.size())
        zeilen << QStringLiteral("und %1 weitere").arg(Zahltext(static_cast<double>(fehler.size() - anzahl)));
    zeilen << frage;
    return zeilen.join(QLatin1Char('\n'));
}
