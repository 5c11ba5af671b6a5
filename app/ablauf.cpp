// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ablauf.h"

#include "model/hilfen.h"
#include "model/urteil.h"
#include "plot/geometrie.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

QString Beschriftung(Knopftext text)
{
    switch (text) {
    case Knopftext::Zeichnen:
        return QStringLiteral("Schaubild zeichnen");
    case Knopftext::NeuZeichnen:
        return QStringLiteral("Schaubild neu zeichnen");
    case Knopftext::NurEinVersuch:
        return QStringLiteral("OK        (nur ein Versuch!)");
    case Knopftext::WeitereVersuche:
        return QStringLiteral("Ok (Weitere Versuche)");
    }
    return {};
}

Ablauf::Ablauf(AblaufUmgebung& umgebung, Zufall& zufall)
    : m_umgebung(umgebung)
    , m_zufall(zufall)
{
}

// The state without a task. The chosen type is remembered, so that choosing
// it again in simple drawing brings its values back; the verdict, the
// button's caption and the test counters stay as they are.
void Ablauf::ZeigeGrundzustand()
{
    m_zeichnenAktiv = false;
    m_typGezeigt = false;
    m_modus = Modus::KeineAufgabe;
    m_datei.reset(); // a series left early is not read further
    m_hinweis.clear();
}

void Ablauf::EinfachesZeichnen()
{
    ZeigeGrundzustand();
    m_modus = Modus::Zeichnen;
    m_umgebung.ZeichneKoordinatensystem();
}

// An open task is given up at once, whatever the dialog's outcome. A test
// always runs at full difficulty.
void Ablauf::UebungOderTest(::Modus modus)
{
    ZeigeGrundzustand();
    const std::optional<Typauswahl> auswahl = m_umgebung.WaehleTypen(modus == Modus::Uebung);
    if (!auswahl)
        return;
    m_erlaubteTypen = auswahl->ErlaubteTypen;
    m_grad = modus == Modus::Test ? Normal : auswahl->Grad;
    m_modus = modus;
    m_knopftext = imTest() ? Knopftext::NurEinVersuch : Knopftext::Zeichnen;
    NeueAufgabe();
}

// The head of the file is checked at once; its comment is shown, and so is
// the error that ends reading. What the type line gave before an error stays
// in ErlaubteTypen.
void Ablauf::DateiEinlesen(const std::optional<QString>& pfad)
{
    ZeigeGrundzustand();
    std::optional<Aufgabendatei> datei = m_umgebung.OeffneAufgabendatei(pfad);
    if (datei)
        beginneReihe(std::move(datei), pfad ? QFileInfo(*pfad).fileName() : m_umgebung.Dateiname());
}

void Ablauf::DateiEinlesen(Aufgabendatei datei, const QString& name)
{
    ZeigeGrundzustand();
    beginneReihe(std::move(datei), name);
}

void Ablauf::beginneReihe(std::optional<Aufgabendatei> datei, const QString& name)
{
    m_erlaubteTypen = datei->Kopf().ErlaubteTypen;
    m_umgebung.ZeigeMeldungen(datei->Kopf().Meldungen);
    if (!datei->Kopf().Gelesen)
        return;
    m_arbeitsform = QStringLiteral("%1: %2").arg(name, datei->Kopf().Meldungen.front().text);
    m_datei = std::move(datei);
    m_modus = Modus::Datei;
    m_knopftext = Knopftext::Zeichnen;
    NeueAufgabe();
}

void Ablauf::NeueAufgabe()
{
    if (m_userTyp >= 0) {
        m_umgebung.SetzeTypZurueck(m_userTyp);
        m_typGezeigt = false;
        m_userTyp = KeinTyp;
        m_zeichnenAktiv = false;
    }
    m_hinweis.clear();
    m_aufgabe.Abschnitte = {};
    if (m_modus == Modus::Datei) {
        if (!stelleDateiaufgabe())
            return;
    } else {
        stelleZufallsaufgabe();
    }
    if (imProtokoll())
        m_verlauf.Gestellt(imTest(), imTest() ? QStringLiteral("Test") : m_arbeitsform, m_aufgabe.VorgTyp,
                           m_aufgabe.VorgParameter, m_aufgabe.Abschnitte);
    // A single allowed type is chosen for the pupil, once the new task is in
    // place: choosing draws, and it must never draw the task before, which
    // may be one that cannot be drawn.
    if (m_erlaubteTypen.size() == 1)
        FunktionAuswaehlen(m_erlaubteTypen.front());
    ZeichneVorgFunktion();
}

// The next task line of the file, its messages shown; false when the series
// is over, which leaves the window without a task.
bool Ablauf::stelleDateiaufgabe()
{
    std::optional<Dateiaufgabe> zeile = m_datei->NaechsteAufgabe();
    if (!zeile) {
        ZeigeGrundzustand();
        return false;
    }
    m_aufgabe = {zeile->Typ, zeile->Parameter, zeile->Abschnitte};
    m_umgebung.ZeigeMeldungen(zeile->Meldungen);
    return true;
}

void Ablauf::stelleZufallsaufgabe()
{
    m_ersterVersuch = true;
    if (imTest()) {
        m_knopftext = Knopftext::NurEinVersuch;
        ++m_anzahlAufgaben;
    }
    m_aufgabe.VorgTyp = ZieheTyp(m_erlaubteTypen, m_zufall);
    m_aufgabe.VorgParameter = ZieheParameter(m_aufgabe.VorgTyp, m_grad, m_zufall);
}

// A click on a radio button or on a selectable list entry; the one already
// selected chooses nothing.
void Ablauf::TypAngeklickt(int Typ)
{
    if (m_typGezeigt && Typ == m_userTyp)
        return;
    FunktionAuswaehlen(Typ);
}

void Ablauf::FunktionAuswaehlen(int Typ)
{
    if (m_userTyp >= 0 && Typ != m_userTyp)
        m_umgebung.SetzeTypZurueck(m_userTyp); // the values typed for it are lost
    m_userTyp = Typ;
    m_typGezeigt = true;
    m_zeichnenAktiv = true;
    m_knopftext = imTest() ? Knopftext::NurEinVersuch : Knopftext::Zeichnen;
    m_hinweis.clear();
    m_umgebung.ZeigeUserWerte(Typ);
    zeichneMitFolgendem();
}

void Ablauf::ZeichneVorgFunktion()
{
    m_umgebung.ZeichneKoordinatensystem();
    if (inAufgabe() && m_aufgabe.VorgTyp >= 0)
        m_umgebung.ZeichneVorgGraph(m_aufgabe);
}

// In a test the button submits the answer.
void Ablauf::ZeichnenGeklickt()
{
    if (imTest())
        m_zeichnenAktiv = false;
    else
        m_knopftext = Knopftext::NeuZeichnen;
    ZeichneUserFunktion();
}

void Ablauf::Eingabetaste()
{
    if (imTest()) {
        m_umgebung.Meldung(QStringLiteral("Eingabetaste beim Test nicht verfügbar"),
                           QStringLiteral("Falls die Eingabe fertig ist, bitte auf den OK-Knopf klicken"));
        return;
    }
    m_knopftext = Knopftext::NeuZeichnen;
    ZeichneUserFunktion();
}

void Ablauf::WertGetippt(int i, double wert)
{
    if (m_userTyp < 0)
        return;
    m_umgebung.SetzeUserParameter(m_userTyp, i, wert);
    if (SchaubildFolgt() && m_typGezeigt)
        zeichneMitFolgendem();
}

void Ablauf::AnzeigeGeaendert() { ZeichneUserFunktion(); }

// Switching the graph that follows on shows it at once; switching a hint
// off takes away the hint it gave.
void Ablauf::HilfeUmgeschaltet(Hilfe hilfe)
{
    switch (hilfe) {
    case Hilfe::SchaubildFolgt:
        m_hilfen.SchaubildFolgt = !m_hilfen.SchaubildFolgt;
        if (SchaubildFolgt() && m_typGezeigt)
            zeichneMitFolgendem();
        return;
    case Hilfe::Tipps:
        m_hilfen.Tipps = !m_hilfen.Tipps;
        break;
    case Hilfe::GleichesSchaubild:
        m_hilfen.GleichesSchaubild = !m_hilfen.GleichesSchaubild;
        break;
    }
    m_hinweis.clear();
}

// The plane and the given graph; while the own graph follows the input,
// that too, unjudged.
void Ablauf::zeichneMitFolgendem()
{
    ZeichneVorgFunktion();
    if (SchaubildFolgt())
        m_umgebung.ZeichneUserGraph(m_userTyp);
}

// The one drawing request: draws what the pupil asked for and, in a task,
// judges it. The pupil's graph appears only once it was asked for since
// the type was chosen, and in a test only once the answer is submitted.
void Ablauf::ZeichneUserFunktion()
{
    if (inAufgabe())
        ZeichneVorgFunktion();
    if (m_userTyp < 0 || !m_typGezeigt || m_knopftext == Knopftext::Zeichnen || (imTest() && m_zeichnenAktiv))
        return;
    if (m_modus == Modus::Zeichnen)
        m_umgebung.ZeichneKoordinatensystem();
    m_hinweis.clear(); // a new drawing outdates the summary of a solution
    m_umgebung.ZeichneUserGraph(m_userTyp);
    if (inAufgabe())
        beurteile();
}

void Ablauf::beurteile()
{
    const ParameterSatz user = m_umgebung.UserParameter(m_userTyp);
    const bool richtig = Richtig(m_userTyp, user, m_aufgabe.VorgTyp, m_aufgabe.VorgParameter);
    if (imProtokoll())
        m_verlauf.Beantwortet(m_userTyp, user, richtig);
    if (richtig) {
        m_urteil = Urteil::Richtig;
        m_zeichnenAktiv = false;
        if (imTest() && m_ersterVersuch)
            ++m_anzahlRichtig;
    } else if (imTest()) {
        m_urteil = Urteil::Falsch;
        m_zeichnenAktiv = true;
        m_knopftext = Knopftext::WeitereVersuche;
    }
    m_hinweis = m_urteil == Urteil::Richtig ? QString() : hinweis(user);
    if (imTest() && m_ersterVersuch)
        zeigeStatistik();
    m_ersterVersuch = false;
}

// A graph that coincides with the given one says so, whatever its
// parameters; otherwise the tips, which a test never gives. The graphs are
// compared on every column the plot draws, sections or not.
QString Ablauf::hinweis(const ParameterSatz& user) const
{
    constexpr Vergleichsraster Bild{ProEinheit, UrsprungX, BildBreite + 1};
    const int vorgTyp = m_aufgabe.VorgTyp;
    const ParameterSatz& vorg = m_aufgabe.VorgParameter;
    if (m_hilfen.GleichesSchaubild && GleichesSchaubild(vorgTyp, vorg, m_userTyp, user, Bild))
        return Deckungshinweis(vorgTyp, vorg, m_userTyp, user);
    if (m_hilfen.Tipps && !imTest())
        return Tipps(vorgTyp, vorg, m_userTyp, user).join(u'\n');
    return {};
}

// The own graph shows once it was asked for, or while it follows the input.
bool Ablauf::eigenesGezeichnet() const
{
    return m_userTyp >= 0 && m_typGezeigt && (m_knopftext != Knopftext::Zeichnen || SchaubildFolgt());
}

// The pupil's hyperbola breaks where it jumps, as ZeichneUserGraph draws it.
Kurve Ablauf::eigene() const { return {m_userTyp, m_umgebung.UserParameter(m_userTyp), {}, m_userTyp == Hyperbel}; }

std::optional<Loesungsschau> Ablauf::Loesungsschau() const
{
    if (imTest() || m_modus == Modus::KeineAufgabe)
        return std::nullopt;
    if (m_modus == Modus::Zeichnen) {
        if (!eigenesGezeichnet())
            return std::nullopt;
        const Kurve ziel = eigene();
        return ::Loesungsschau{ziel, BerechneLoesungsweg(ziel.Typ, ziel.P), std::nullopt};
    }
    if (!IstTyp(m_aufgabe.VorgTyp))
        return std::nullopt;
    const Kurve ziel{m_aufgabe.VorgTyp, m_aufgabe.VorgParameter, m_aufgabe.Abschnitte, false};
    return ::Loesungsschau{ziel, BerechneLoesungsweg(ziel.Typ, ziel.P),
                           eigenesGezeichnet() ? std::optional<Kurve>(eigene()) : std::nullopt};
}

void Ablauf::LoesungswegGezeigt()
{
    const std::optional<::Loesungsschau> schau = Loesungsschau();
    if (!schau)
        return;
    m_hinweis = schau->Weg.Zusammenfassung;
    if (m_modus == Modus::Datei)
        m_verlauf.LoesungswegAngesehen();
}

void Ablauf::zeigeStatistik()
{
    m_balken = true;
    m_prozent = Prozent(m_anzahlRichtig, m_anzahlAufgaben);
    m_angezeigteAufgaben = m_anzahlAufgaben;
}

// A skipped test task was counted when it was posed and counts as not
// solved.
void Ablauf::Ueberspringen()
{
    if (imTest())
        zeigeStatistik();
    if (imProtokoll())
        m_verlauf.Uebersprungen();
    NeueAufgabe();
}

void Ablauf::Naechste()
{
    m_urteil = Urteil::Keines;
    m_zeichnenAktiv = true;
    NeueAufgabe();
}

void Ablauf::Fertig()
{
    m_urteil = Urteil::Keines;
    m_zeichnenAktiv = true;
    ZeigeGrundzustand();
}

Steuerzustand Ablauf::Zustand() const
{
    Steuerzustand z{};
    z.BitteAufgabe = m_modus == Modus::KeineAufgabe;
    z.BitteFunktion = m_modus != Modus::KeineAufgabe && !m_typGezeigt;
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        const bool erlaubt = std::find(m_erlaubteTypen.begin(), m_erlaubteTypen.end(), Typ) != m_erlaubteTypen.end();
        z.Waehlbar[static_cast<std::size_t>(Typ)] = m_modus == Modus::Zeichnen || (inAufgabe() && erlaubt);
    }
    z.Gewaehlt = m_typGezeigt ? m_userTyp : KeinTyp;
    z.ZeichnenAktiv = m_zeichnenAktiv;
    z.ZeichnenText = Beschriftung(m_knopftext);
    z.UeberspringenSichtbar = inAufgabe();
    z.UeberspringenAktiv = m_urteil == Urteil::Keines;
    z.Urteil = m_urteil;
    z.AufgabenMenue = m_urteil == Urteil::Keines;
    z.TestErgebnis = imTest();
    z.Balken = m_balken;
    z.Prozent = m_prozent;
    z.AnzahlText = QStringLiteral("Anzahl der Aufgaben: %1").arg(m_angezeigteAufgaben);
    z.Hilfen = m_hilfen;
    z.HilfenWaehlbar = !imTest();
    z.LoesungswegWaehlbar = Loesungsschau().has_value();
    z.Hinweis = m_hinweis;
    return z;
}
