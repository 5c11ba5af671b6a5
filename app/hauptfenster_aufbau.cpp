// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed controls of the main window, placed pixel by pixel as the
// window was designed: 812 × 550, not resizable.

#include "app/hauptfenster.h"

#include "app/handbuchfenster.h"
#include "basis/aussehen.h"
#include "plot/zeichenflaeche.h"
#include "term/bausteine.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

namespace {

const QColor Rot = Farbe(0x0000FF);
const QColor Gruen = Farbe(0x008000);
const QColor Schwarz = Farbe(0x000000);
const QColor Weiss = Farbe(0xFFFFFF);

template <typename W, typename... Argumente>
W* erzeuge(QWidget* eltern, const char* name, const QRect& lage, Argumente... argumente)
{
    auto* w = new W(eltern, argumente...);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(lage);
    return w;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QRect& lage, const QString& text,
                     const QFont& schrift, const QColor& farbe,
                     Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = erzeuge<QLabel>(eltern, name, lage);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(schrift);
    label->setAlignment(ausrichtung);
    SetzeTextfarbe(label, farbe);
    return label;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QRect& lage, const QString& text,
                   const QFont& schrift, const QColor& farbe = Schwarz)
{
    auto* knopf = erzeuge<QPushButton>(eltern, name, lage);
    knopf->setText(text);
    knopf->setFont(schrift);
    SetzeTextfarbe(knopf, farbe);
    return knopf;
}

QGroupBox* gruppe(QWidget* eltern, const char* name, const QRect& lage, const QString& titel,
                  const QColor& farbe)
{
    auto* gruppe = erzeuge<QGroupBox>(eltern, name, lage);
    gruppe->setTitle(titel);
    gruppe->setFont(Schrift(13, false, true));
    SetzeTextfarbe(gruppe, farbe);
    return gruppe;
}

// The verdict: a light bulb on white for a right answer; a wrong test answer
// uncovers the skull on black.
Urteilsanzeige baueUrteil(QWidget* fenster)
{
    using Kante = Rahmenpanel::Kante;
    Urteilsanzeige u;
    u.Panel = erzeuge<Rahmenpanel>(fenster, "PRichtig", {4, 0, 216, 97}, Kante::Erhaben, Kante::Erhaben);
    u.SRichtig = erzeuge<Figur>(u.Panel, "SRichtig", {4, 4, 208, 89});
    u.SRichtig->SetzeFarben(Weiss, Weiss);
    u.LRichtig1 = beschriftung(u.Panel, "LRichtig1", {72, 8, 133, 20}, QStringLiteral("Das Ergebnis ist"),
                               Schrift(16, true), Schwarz);
    u.LRichtig2 = beschriftung(u.Panel, "LRichtig2", {72, 32, 55, 20}, QStringLiteral("richtig!"),
                               Schrift(16, true), Schwarz);
    for (QLabel* label : {u.LRichtig1, u.LRichtig2})
        SetzeHintergrund(label, Weiss);
    u.IFalsch = erzeuge<QLabel>(u.Panel, "IFalsch", {10, 8, 53, 79});
    u.IRichtig = erzeuge<QLabel>(u.Panel, "IRichtig", {8, 8, 58, 79});
    u.BRichtigFertig = knopf(u.Panel, "BRichtigFertig", {145, 35, 64, 25}, QStringLiteral("fertig"), Schrift(13));
    u.BRichtigNaechste =
        knopf(u.Panel, "BRichtigNaechste", {88, 64, 121, 25}, QStringLiteral("Nächste Aufgabe"), Schrift(13));
    u.Panel->hide();
    return u;
}

Testergebnisanzeige baueTestergebnis(QWidget* fenster)
{
    Testergebnisanzeige t;
    auto* panel = erzeuge<Rahmenpanel>(fenster, "PTestErgebnis", {4, 470, 216, 77}, Rahmenpanel::Kante::Vertieft,
                                       Rahmenpanel::Kante::Keine);
    t.Panel = panel;
    panel->setFont(Schrift(13));
    SetzeTextfarbe(panel, Gruen);
    beschriftung(panel, "LTestErgebnis1", {8, 2, 201, 17}, QStringLiteral("Ergebnisse der Tests"),
                 Schrift(13, true, true), Gruen, Qt::AlignHCenter | Qt::AlignTop);
    t.LTestErgebnis2 = beschriftung(panel, "LTestErgebnis2", {8, 20, 161, 17},
                                    QStringLiteral("Anzahl der Aufgaben: 0"), Schrift(13), Gruen);
    beschriftung(panel, "LTestErgebnis3", {8, 36, 161, 17}, QStringLiteral("Auf Anhieb richtig gelöst:"),
                 Schrift(13), Gruen);
    auto* anzeige = erzeuge<QProgressBar>(panel, "GTestErgebnis", {8, 56, 200, 16});
    anzeige->setRange(0, 100);
    anzeige->setValue(0);
    anzeige->setFormat(QStringLiteral("%p%"));
    anzeige->setAlignment(Qt::AlignCenter);
    QPalette palette = anzeige->palette();
    palette.setColor(QPalette::Highlight, Gruen);
    anzeige->setPalette(palette);
    anzeige->hide();
    panel->hide();
    t.GTestErgebnis = anzeige;
    return t;
}

} // namespace

void Urteilsanzeige::LadeBilder()
{
    if (!IRichtig->pixmap().isNull())
        return;
    IFalsch->setPixmap(PngBild(QStringLiteral("totenkopf")));
    IRichtig->setPixmap(PngBild(QStringLiteral("gluehbirne")));
}

void TForm1::baueFenster()
{
    auto* fenster = new QWidget(this);
    fenster->setObjectName(QStringLiteral("Fenster"));
    fenster->setFixedSize(812, 550);
    fenster->setFont(Schrift(11));
    setCentralWidget(fenster);

    PRichtig = baueUrteil(fenster);
    GBFunktionstypen = gruppe(fenster, "GBFunktionstypen", {4, 102, 216, 363}, QStringLiteral(" Funktionstypen "),
                              Schwarz);
    PTestErgebnis = baueTestergebnis(fenster);

    auto* gleichung = gruppe(fenster, "GBGleichung", {225, 0, 583, 105},
                             QStringLiteral(" Funktionsgleichung der benutzerdefinierten Funktion "), Rot);
    LBitteFunktionAuswaehlen = beschriftung(gleichung, "LBitteFunktionAuswaehlen", {24, 32, 457, 33},
                                            QStringLiteral("Bitte Funktionstyp in der Liste links auswählen!"),
                                            Schrift(16, true), Rot, Qt::AlignLeft | Qt::AlignVCenter);
    BZeichnen = knopf(gleichung, "BZeichnen", {8, 73, 257, 26}, QStringLiteral("Schaubild zeichnen"), Schrift(16), Rot);
    BZeichnen->setEnabled(false);
    BUeberspringen = knopf(gleichung, "BUeberspringen", {319, 73, 257, 26},
                           QStringLiteral("Diese Aufgabe überspringen"), Schrift(16), Rot);
    BUeberspringen->hide();

    auto* zeichnung = erzeuge<Rahmenpanel>(fenster, "PZeichnung", {225, 109, 583, 439}, Rahmenpanel::Kante::Vertieft,
                                           Rahmenpanel::Kante::Erhaben);
    IEbene = new Zeichenflaeche(zeichnung);
    IEbene->setObjectName(QStringLiteral("IEbene"));
    IEbene->move(3, 3);
    IEbene->hide();
    LBitteAufgabeAuswaehlen = beschriftung(zeichnung, "LBitteAufgabeAuswaehlen", {2, 2, 579, 435},
                                           QStringLiteral("Bitte eine Aufgabenform wählen!"), Schrift(16, true),
                                           Schwarz, Qt::AlignCenter);
}

void TForm1::baueMenue()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    const auto menue = [](QWidget* eltern, const char* name, const QString& titel) {
        auto* m = new QMenu(titel, eltern);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    const auto eintrag = [](QWidget* menue, const char* name, const QString& text) {
        auto* aktion = new QAction(text, menue);
        aktion->setObjectName(QLatin1String(name));
        menue->addAction(aktion);
        return aktion;
    };

    MenAufgabe = menue(leiste, "MenAufgabe", QStringLiteral("Aufgaben  "));
    QAction* zeichnen = eintrag(MenAufgabe, "MemEinfachesZeichnen", QStringLiteral("einfaches Zeichnen von Schaubildern"));
    QAction* uebung = eintrag(MenAufgabe, "MenUebung", QStringLiteral("Übung"));
    QAction* test = eintrag(MenAufgabe, "MenTest", QStringLiteral("Test"));
    QAction* datei = eintrag(MenAufgabe, "MenDateiEinlesen", QStringLiteral("Aufgabendatei einlesen"));
    MenAufgabe->addSeparator();
    MenTestprotokoll = eintrag(MenAufgabe, "MenTestprotokoll", QStringLiteral("Testprotokoll speichern …"));
    leiste->addMenu(MenAufgabe);
    Verbinde(m_bericht, zeichnen, &QAction::triggered, this, [this] { MemEinfachesZeichnenClick(); });
    Verbinde(m_bericht, uebung, &QAction::triggered, this, [this] { MenTestUebungClick(Modus::Uebung); });
    Verbinde(m_bericht, test, &QAction::triggered, this, [this] { MenTestUebungClick(Modus::Test); });
    Verbinde(m_bericht, datei, &QAction::triggered, this, [this] { MenDateiEinlesenClick(); });
    Verbinde(m_bericht, MenTestprotokoll, &QAction::triggered, this, [this] { MenTestprotokollClick(); });
    MenAufgabe->addSeparator();
    QAction* reihe = eintrag(MenAufgabe, "MenReiheBearbeiten", QStringLiteral("Aufgabenreihe bearbeiten …"));
    Verbinde(m_bericht, reihe, &QAction::triggered, this, [this] { BearbeiteReihe(); });

    QMenu* optionen = menue(leiste, "MenOptionen", QStringLiteral(" Optionen "));
    QMenu* achsen = menue(optionen, "MenAchsen", QStringLiteral("Koordinatenachsen"));
    eintrag(achsen, "MenAchsenDuenn", QStringLiteral("dünne Linien"));
    eintrag(achsen, "MenAchsenDick", QStringLiteral("dicke Linien"));
    eintrag(achsen, "MenAchsenFarbe", QStringLiteral("Farbe..."));
    QMenu* schaubilder = menue(optionen, "MenSchaubilder", QStringLiteral("Schaubilder"));
    eintrag(schaubilder, "MenSchaubDuenn", QStringLiteral("dünne Linien"));
    eintrag(schaubilder, "MenSchaubDick", QStringLiteral("dicke Linien"));
    eintrag(schaubilder, "MenVorgSchaubFarbe", QStringLiteral("Farbe des vorgegebenen Schaubildes..."));
    eintrag(schaubilder, "MemUserSchaubFarbe", QStringLiteral("Farbe des benutzerdefinierten Schaubildes..."));
    QMenu* netz = menue(optionen, "MenGitternetz", QStringLiteral("Gitternetzlinien"));
    eintrag(netz, "Men05Raster", QStringLiteral("0,5 LE-Raster"));
    eintrag(netz, "MenNetzFarbe", QStringLiteral("Farbe..."));
    for (QMenu* untermenue : {achsen, schaubilder, netz})
        optionen->addMenu(untermenue);
    baueHilfen(optionen);
    leiste->addMenu(optionen);

    eintrag(leiste, "MenInfo", QStringLiteral(" Info "));
    QAction* beenden = eintrag(leiste, "MenBeenden", QStringLiteral(" Beenden "));
    Verbinde(m_bericht, beenden, &QAction::triggered, this, [this] { MenBeendenClick(); });
    // F1 only: the menu bar keeps the items it was designed with.
    addAction(Handbuchaktion(m_bericht, this, {}));
    verbindeOptionen();
}
