// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The submenu "Hilfen" of the menu " Optionen ", the hint that a wrong
// answer may bring and the solution shown step by step: the run decides what
// they show, the window shows it.

#include "app/hauptfenster.h"

#include "app/schrittfolge.h"
#include "plot/zeichenflaeche.h"
#include "term/bausteine.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>

#include <cstddef>
#include <utility>

namespace {

// Without a verdict the hint takes the verdict panel's place; beside a
// verdict it lies over the bottom of the plot, where it hides least.
const QRect AnstelleDesUrteils{4, 0, 216, 97};
const QRect UeberDemSchaubild{228, 500, 576, 44};

} // namespace

void TForm1::baueHilfen(QMenu* optionen)
{
    auto* hilfen = new QMenu(QStringLiteral("Hilfen"), optionen);
    hilfen->setObjectName(QStringLiteral("MenHilfen"));
    const std::pair<const char*, QString> eintraege[] = {
        {"MenSchaubildFolgt", QStringLiteral("Schaubild folgt der Eingabe")},
        {"MenTipps", QStringLiteral("Tipps nach falscher Antwort")},
        {"MenGleichesSchaubild", QStringLiteral("Hinweis bei gleichem Schaubild")},
    };
    for (std::size_t i = 0; i < MenHilfe.size(); ++i) {
        auto* aktion = new QAction(eintraege[i].second, hilfen);
        aktion->setObjectName(QLatin1String(eintraege[i].first));
        aktion->setCheckable(true);
        hilfen->addAction(aktion);
        const auto hilfe = static_cast<Hilfe>(i);
        Verbinde(m_bericht, aktion, &QAction::triggered, this,
                 [this, hilfe] { Ereignis([this, hilfe] { m_ablauf.HilfeUmgeschaltet(hilfe); }); });
        MenHilfe[i] = aktion;
    }
    hilfen->addSeparator();
    MenLoesungsweg = new QAction(QStringLiteral("Lösungsweg zeigen"), hilfen);
    MenLoesungsweg->setObjectName(QStringLiteral("MenLoesungsweg"));
    MenLoesungsweg->setShortcut(Qt::Key_F4);
    hilfen->addAction(MenLoesungsweg);
    Verbinde(m_bericht, MenLoesungsweg, &QAction::triggered, this, [this] { MenLoesungswegClick(); });
    optionen->addMenu(hilfen);

    m_schrittfolge = new Schrittfolge(this);
    m_schrittfolge->setObjectName(QStringLiteral("Schrittfolge"));
    m_schrittfolge->Schritt = [this](const Loesungsschritt& schritt) { Behandle([&] { zeigeSchritt(schritt); }); };
    m_schrittfolge->Bild = [this](const ParameterSatz& weg, const Loesungsschritt& schritt) {
        Behandle([&] { zeichneSchritt(weg, schritt); });
    };
    m_schrittfolge->Ende = [this] { Behandle([this] { beendeLoesungsweg(); }); };

    LHinweis = new QLabel(centralWidget());
    LHinweis->setObjectName(QStringLiteral("LHinweis"));
    LHinweis->setAccessibleName(QStringLiteral("Hinweis"));
    LHinweis->setTextFormat(Qt::PlainText);
    LHinweis->setWordWrap(true);
    LHinweis->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LHinweis->setMargin(6);
    LHinweis->setFrameStyle(QFrame::Box | QFrame::Plain);
    LHinweis->setFont(Schrift(13));
    LHinweis->setAutoFillBackground(true);
    SetzeHintergrund(LHinweis, Farbe(0xE1FFFF)); // pale yellow
    SetzeTextfarbe(LHinweis, Farbe(0x000000));
    LHinweis->hide();
}

void TForm1::zeigeHilfen(const Steuerzustand& z)
{
    const bool an[] = {z.Hilfen.SchaubildFolgt, z.Hilfen.Tipps, z.Hilfen.GleichesSchaubild};
    for (std::size_t i = 0; i < MenHilfe.size(); ++i) {
        MenHilfe[i]->setChecked(an[i]);
        MenHilfe[i]->setEnabled(z.HilfenWaehlbar || static_cast<Hilfe>(i) == Hilfe::GleichesSchaubild);
    }
    MenLoesungsweg->setEnabled(z.LoesungswegWaehlbar || m_schrittfolge->Laeuft());
    LHinweis->setGeometry(z.Urteil == Urteil::Keines ? AnstelleDesUrteils : UeberDemSchaubild);
    zeigeHinweis(m_schrittfolge->Laeuft() ? m_schrittsatz : z.Hinweis);
    LHinweis->raise();
}

// The box's name is its text, so that a screen reader reads the hint, and a
// new one is announced.
void TForm1::zeigeHinweis(const QString& text)
{
    LHinweis->setVisible(!text.isEmpty());
    if (text == LHinweis->text())
        return;
    LHinweis->setText(text);
    LHinweis->setAccessibleName(text.isEmpty() ? QStringLiteral("Hinweis") : text);
    if (text.isEmpty())
        return;
    QAccessibleEvent neu(LHinweis, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&neu);
}

// F4 again ends a showing, as Esc does.
void TForm1::MenLoesungswegClick()
{
    if (m_schrittfolge->Laeuft()) {
        m_schrittfolge->Beende();
        return;
    }
    const std::optional<Loesungsschau> schau = m_ablauf.Loesungsschau();
    if (!schau)
        return;
    const QColor farbe = m_ablauf.Modus() == Modus::Zeichnen ? Anzeige.UserFarbe : Anzeige.VorgFarbe;
    m_schrittbild = {schau->Ziel, schau->Ziel, farbe, schau->Eigene, {}, {}};
    m_bildVorDemWeg = IEbene->Bild();
    m_beschreibungVorDemWeg = IEbene->accessibleDescription();
    IEbene->setAccessibleDescription(schau->Weg.Zusammenfassung);
    m_schrittfolge->Starte(schau->Weg);
    zeigeZustand();
}

void TForm1::zeigeSchritt(const Loesungsschritt& schritt)
{
    m_schrittsatz = schritt.Satz;
    zeigeHinweis(schritt.Satz);
}

void TForm1::zeichneSchritt(const ParameterSatz& weg, const Loesungsschritt& schritt)
{
    m_schrittbild.Weg.P = weg;
    m_schrittbild.PfeilVon = schritt.PfeilVon;
    m_schrittbild.PfeilBis = schritt.PfeilBis;
    ZeichneSchrittbild(IEbene->NeuesBild(), m_ebene, Anzeige, m_schrittbild);
    IEbene->update();
}

void TForm1::beendeLoesungsweg()
{
    IEbene->Bild() = m_bildVorDemWeg;
    IEbene->update();
    IEbene->setAccessibleDescription(m_beschreibungVorDemWeg);
    m_schrittsatz.clear();
    Ereignis([this] { m_ablauf.LoesungswegGezeigt(); });
}
