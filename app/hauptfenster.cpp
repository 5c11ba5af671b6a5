// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/hauptfenster.h"

#include "app/handbuchfenster.h"
#include "app/reihenfenster.h"
#include "dialogs/dialoge.h"
#include "model/funktionstext.h"
#include "plot/zeichenflaeche.h"
#include "tasks/zufall.h"
#include "term/bausteine.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

namespace {

// An auto-exclusive radio button refuses to be unchecked while it is the
// checked one of its group; the program may do it all the same.
void setzeGewaehlt(QRadioButton* knopf, bool gewaehlt)
{
    if (knopf->isChecked() == gewaehlt)
        return;
    knopf->setAutoExclusive(false);
    knopf->setChecked(gewaehlt);
    knopf->setAutoExclusive(true);
}

} // namespace

TForm1::TForm1(Dialoge& dialoge, Zufall& zufall, QWidget* parent)
    : QMainWindow(parent)
    , m_dialoge(dialoge)
    , m_zufall(zufall)
    , m_bericht(dialoge, this)
    , m_ablauf(*this, zufall)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Übungsprogramm zum Verschieben und Strecken von Schaubildern (by Talvenhorn)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    baueFenster();
    baueMenue();
    verbindeKnoepfe();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
    zentriere();
}

void TForm1::FormCreate()
{
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ)
        legeTypAn(Typ);
    const QTime jetzt = QDateTime::currentDateTimeUtc().time();
    m_zufall.Saeen(static_cast<std::uint32_t>(jetzt.msecsSinceStartOfDay()));
    zeigeZustand();
}

// One radio button of the type list and the type's three equations. The list
// entry lies over the radio button's caption, so only the round mark shows
// beside the equation.
void TForm1::legeTypAn(int Typ)
{
    auto* knopf = new QRadioButton(QStringLiteral("awefgdkja"), GBFunktionstypen);
    knopf->setObjectName(QStringLiteral("TypKnopf%1").arg(Typ));
    knopf->setGeometry(8, Typ * 49 + 28, 193, 25);
    knopf->setCursor(Qt::PointingHandCursor);
    knopf->setAccessibleName(TypKnopfName(Typ)); // the caption lies hidden under the list entry
    knopf->show();
    Verbinde(m_bericht, knopf, &QRadioButton::clicked, this, [this, Typ] { RadioClick(Typ); });
    TypKnopf[Typ] = knopf;
    for (int Rolle = RolleListe; Rolle <= RolleAnzeige; ++Rolle) {
        auto* term = new TFunktionsTerm(this, centralWidget(), *this);
        term->Tafel->setObjectName(QStringLiteral("Terme%1").arg(Typ * 3 + Rolle));
        if (Rolle == RolleListe) // laid out by zeigeZustand, as for every change of mode
            term->Vorbereiten(Typ, Rolle);
        else // built by RichteEingabeEin; the pupil's values stand before that
            term->Parameter = Startwerte(Typ);
        Terme[Typ * 3 + Rolle] = term;
    }
    QWidget* liste = Terme[Typ * 3]->Tafel;
    liste->move(liste->x(), Typ * 49 + 118);
    liste->show();
}

// The edit boxes are the dearest part of the start, so a type's input
// equation is built when the type is first chosen, and its value equation
// prepared beside it; that one is laid out by the Darstellen that shows it.
void TForm1::RichteEingabeEin(int Typ)
{
    TFunktionsTerm* eingabe = Terme[Typ * 3 + RolleEingabe];
    if (eingabe->Eingaben[0] != nullptr)
        return;
    // First, as the input's start values already reach the value equation.
    Terme[Typ * 3 + RolleAnzeige]->Vorbereiten(Typ, RolleAnzeige);
    eingabe->Einrichten(Typ, RolleEingabe);
    SchliesseAnzeigeAn(Typ);
}

void TForm1::SchliesseAnzeigeAn(int Typ)
{
    QWidget* anzeige = Terme[Typ * 3 + RolleAnzeige]->Tafel;
    anzeige->move(Terme[Typ * 3 + RolleEingabe]->Tafel->x() + TermBreite, anzeige->y());
}

void TForm1::zentriere()
{
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, sizeHint(), bildschirm->availableGeometry()));
}

void TForm1::verbindeKnoepfe()
{
    Verbinde(m_bericht, BZeichnen, &QPushButton::clicked, this, [this] { BZeichnenClick(); });
    Verbinde(m_bericht, BUeberspringen, &QPushButton::clicked, this, [this] { BUeberspringenClick(); });
    Verbinde(m_bericht, PRichtig.BRichtigNaechste, &QPushButton::clicked, this, [this] { BRichtigNaechsteClick(); });
    Verbinde(m_bericht, PRichtig.BRichtigFertig, &QPushButton::clicked, this, [this] { BRichtigFertigClick(); });
}

void TForm1::Behandle(const std::function<void()>& handler) { m_bericht.Ausfuehren(handler); }

void TForm1::Ereignis(const std::function<void()>& ereignis)
{
    struct Zeige {
        TForm1& fenster;
        ~Zeige() { fenster.zeigeZustand(); }
    };
    Behandle([this, &ereignis] {
        const Zeige zeige{*this};
        ereignis();
    });
}

void TForm1::MemEinfachesZeichnenClick() { Ereignis([this] { m_ablauf.EinfachesZeichnen(); }); }
void TForm1::MenTestUebungClick(::Modus modus) { Ereignis([this, modus] { m_ablauf.UebungOderTest(modus); }); }
void TForm1::MenDateiEinlesenClick() { Ereignis([this] { m_ablauf.DateiEinlesen(); }); }
void TForm1::OeffneDatei(const QString& pfad) { Ereignis([this, &pfad] { m_ablauf.DateiEinlesen(pfad); }); }
void TForm1::BearbeiteReihe(const std::optional<QString>& pfad)
{
    const bool neu = m_reihenfenster == nullptr;
    if (neu) {
        m_reihenfenster = new TReihenfenster(m_dialoge, m_zufall, this);
        m_reihenfenster->Ausprobieren = [this](const QByteArray& inhalt, const QString& name) { ProbiereAus(inhalt, name); };
        // F1 in the editor, until its menu holds the item itself.
        m_reihenfenster->addAction(Handbuchaktion(m_bericht, m_reihenfenster, QStringLiteral("aufgabenreihen")));
    }
    m_reihenfenster->show();
    m_reihenfenster->raise();
    m_reihenfenster->activateWindow();
    if (neu)
        m_reihenfenster->BieteWiederherstellungAn();
    if (pfad)
        m_reihenfenster->Oeffne(*pfad);
}

void TForm1::ProbiereAus(const QByteArray& inhalt, const QString& name)
{
    show();
    raise();
    activateWindow();
    Ereignis([this, &inhalt, &name] { m_ablauf.DateiEinlesen(Aufgabendatei(inhalt, QLocale().decimalPoint()), name); });
}

void TForm1::closeEvent(QCloseEvent* ereignis)
{
    if (m_reihenfenster != nullptr && m_reihenfenster->isVisible() && !m_reihenfenster->close())
        ereignis->ignore();
    else
        ereignis->accept();
}

void TForm1::RadioClick(int Typ) { Ereignis([this, Typ] { m_ablauf.TypAngeklickt(Typ); }); }
void TForm1::TermAngeklickt(int Typ) { RadioClick(Typ); }
void TForm1::BZeichnenClick() { Ereignis([this] { m_ablauf.ZeichnenGeklickt(); }); }
void TForm1::EingabetasteGedrueckt() { Ereignis([this] { m_ablauf.Eingabetaste(); }); }
void TForm1::BUeberspringenClick() { Ereignis([this] { m_ablauf.Ueberspringen(); }); }
void TForm1::BRichtigNaechsteClick() { Ereignis([this] { m_ablauf.Naechste(); }); }
void TForm1::BRichtigFertigClick() { Ereignis([this] { m_ablauf.Fertig(); }); }
void TForm1::MenBeendenClick() { close(); }

// Typing changes no control but the value equation, which the run has
// updated through SetzeUserParameter.
void TForm1::ParameterUebernehmen(int i, double wert)
{
    Behandle([this, i, wert] { m_ablauf.WertGetippt(i, wert); });
}

// The one place where the run's state becomes visible.
void TForm1::zeigeZustand()
{
    const Steuerzustand z = m_ablauf.Zustand();
    LBitteAufgabeAuswaehlen->setVisible(z.BitteAufgabe);
    IEbene->setVisible(!z.BitteAufgabe);
    LBitteFunktionAuswaehlen->setVisible(z.BitteFunktion);
    zeigeTypen(z);
    BZeichnen->setEnabled(z.ZeichnenAktiv);
    BZeichnen->setText(z.ZeichnenText);
    BUeberspringen->setVisible(z.UeberspringenSichtbar);
    BUeberspringen->setEnabled(z.UeberspringenAktiv);
    zeigeUrteil(z.Urteil);
    MenAufgabe->setEnabled(z.AufgabenMenue);
    MenTestprotokoll->setEnabled(!m_ablauf.Verlauf().Aufgaben().empty());
    zeigeTestergebnis(z);
    zeigeHilfen(z);
}

void TForm1::zeigeTypen(const Steuerzustand& z)
{
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        const bool waehlbar = z.Waehlbar[static_cast<std::size_t>(Typ)];
        const bool gewaehlt = Typ == z.Gewaehlt;
        TypKnopf[Typ]->setEnabled(waehlbar);
        setzeGewaehlt(TypKnopf[Typ], gewaehlt);
        Terme[Typ * 3 + RolleListe]->Darstellen(Typ, RolleListe, waehlbar);
        Terme[Typ * 3 + RolleEingabe]->Tafel->setVisible(gewaehlt);
        Terme[Typ * 3 + RolleAnzeige]->Tafel->setVisible(gewaehlt);
    }
}

// A right answer shows the light bulb on white; a wrong test answer takes
// the bulb away and uncovers the skull on black.
void TForm1::zeigeUrteil(::Urteil urteil)
{
    if (urteil != Urteil::Keines)
        PRichtig.LadeBilder();
    PRichtig.Panel->setVisible(urteil != Urteil::Keines);
    const bool richtig = urteil != Urteil::Falsch;
    const QColor grund = Farbe(richtig ? 0xFFFFFF : 0x000000);
    const QColor schrift = Farbe(richtig ? 0x000000 : 0xFFFFFF);
    PRichtig.SRichtig->SetzeFarben(Farbe(0xFFFFFF), grund);
    PRichtig.IRichtig->setVisible(richtig);
    for (QLabel* zeile : {PRichtig.LRichtig1, PRichtig.LRichtig2}) {
        SetzeHintergrund(zeile, grund);
        SetzeTextfarbe(zeile, schrift);
    }
    PRichtig.LRichtig2->setText(richtig ? QStringLiteral("richtig!") : QStringLiteral("falsch!"));
}

void TForm1::zeigeTestergebnis(const Steuerzustand& z)
{
    PTestErgebnis.Panel->setVisible(z.TestErgebnis);
    PTestErgebnis.GTestErgebnis->setVisible(z.Balken);
    PTestErgebnis.GTestErgebnis->setValue(z.Prozent);
    PTestErgebnis.LTestErgebnis2->setText(z.AnzahlText);
}
