// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ablauf.h"
#include "dialogs/fehlerbericht.h"
#include "model/funktion.h"
#include "plot/anzeige.h"
#include "plot/ebene.h"
#include "plot/schrittbild.h"
#include "term/funktionsterm.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class Dialoge;
class Figur;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;
class Schrittfolge;
class TAuswahlBox;
class TInfoBox;
class TReihenfenster;
class Zeichenflaeche;
class Zufall;

// The verdict panel and the pieces that change with the verdict.
struct Urteilsanzeige {
    QWidget* Panel = nullptr;
    Figur* SRichtig = nullptr;
    QLabel* LRichtig1 = nullptr;
    QLabel* LRichtig2 = nullptr;
    QLabel* IFalsch = nullptr;
    QLabel* IRichtig = nullptr;
    QPushButton* BRichtigFertig = nullptr;
    QPushButton* BRichtigNaechste = nullptr;

    // The pictures are read when a verdict first shows, not at start.
    void LadeBilder();
};

// The panel with the test statistics.
struct Testergebnisanzeige {
    QWidget* Panel = nullptr;
    QLabel* LTestErgebnis2 = nullptr;
    QProgressBar* GTestErgebnis = nullptr;
};

// The program's one main window: the plot, the list of the seven function
// types, the pupil's equation with its buttons, the verdict and test panels
// and the main menu. The run itself is Ablauf, plain code; the window hands
// it the user's events, lends it its hands for drawing and showing, and
// shows its state. Nothing is stored.
class TForm1 : public QMainWindow, public TermUmgebung, public AblaufUmgebung {
    Q_OBJECT
public:
    TForm1(Dialoge& dialoge, Zufall& zufall, QWidget* parent = nullptr);

    // The run: form of work, task, judging and counters.
    const ::Ablauf& Ablauf() const { return m_ablauf; }

    // Places a type's value equation right after the content of its input
    // equation, which has just been laid out.
    void SchliesseAnzeigeAn(int Typ);

    // Opens a task file as if it had been chosen in the file dialog.
    void OeffneDatei(const QString& pfad);

    // Shows the series editor, with the task file at the path opened.
    void BearbeiteReihe(const std::optional<QString>& pfad = std::nullopt);
    // Runs a series handed over by the editor exactly as the task file of
    // these bytes would run when opened, and brings the window to the front.
    void ProbiereAus(const QByteArray& inhalt, const QString& name);
    // The series editor; nothing before its first use.
    TReihenfenster* Reihenfenster() const { return m_reihenfenster; }

    // Runs a handler through the window's error boundary.
    void Behandle(const std::function<void()>& handler);

    // TermUmgebung
    QColor UserFarbe() const override { return Anzeige.UserFarbe; }
    void TermBreiteMerken(int breite) override { TermBreite = breite; }
    void TermAngeklickt(int Typ) override;
    void ParameterUebernehmen(int i, double wert) override;
    void EingabetasteGedrueckt() override;
    // The arrow keys step a box only while the own graph follows the input.
    bool Pfeiltasten() const override { return m_ablauf.SchaubildFolgt(); }

    // AblaufUmgebung: the plot, the equations and the modal boxes.
    void ZeichneKoordinatensystem() override;
    void ZeichneVorgGraph(const Aufgabe& aufgabe) override;
    void ZeichneUserGraph(int Typ) override;
    ParameterSatz UserParameter(int Typ) const override;
    void SetzeUserParameter(int Typ, int i, double wert) override;
    void ZeigeUserWerte(int Typ) override;
    void SetzeTypZurueck(int Typ) override;
    std::optional<Typauswahl> WaehleTypen(bool gradWaehlbar) override;
    std::optional<Aufgabendatei> OeffneAufgabendatei(const std::optional<QString>& pfad) override;
    void ZeigeMeldungen(const std::vector<::Meldung>& meldungen) override;
    void Meldung(const QString& titel, const QString& text) override;
    QString Dateiname() const override { return m_dateiname; }

    std::array<QRadioButton*, AnzahlTypen> TypKnopf{};
    std::array<TFunktionsTerm*, 3 * AnzahlTypen> Terme{};
    int TermBreite = 0;
    Anzeigeoptionen Anzeige;

protected:
    // Quitting with unsaved changes in the series editor asks first.
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void baueFenster();
    void baueMenue();
    void baueHilfen(QMenu* optionen);
    void verbindeKnoepfe();
    void verbindeOptionen();
    void setzeDicke(int& dicke, int wert);
    void waehleFarbe(QColor& einstellung, bool voreingestellt);
    void zeichneNeu();
    void FormCreate();
    void legeTypAn(int Typ);
    void RichteEingabeEin(int Typ);
    void zentriere();
    TAuswahlBox& AuswahlBox();

    // Every event of the user runs through here: the run takes it, and the
    // controls show the run's state afterwards, after an error too.
    void Ereignis(const std::function<void()>& ereignis);
    void zeigeZustand();
    void zeigeTypen(const Steuerzustand& z);
    void zeigeUrteil(::Urteil urteil);
    void zeigeTestergebnis(const Steuerzustand& z);
    void zeigeHilfen(const Steuerzustand& z);
    void zeigeHinweis(const QString& text);

    // "Lösungsweg zeigen": the steps run on the plot and in the hint box;
    // afterwards the plot is as before and the summary is the hint.
    void MenLoesungswegClick();
    void zeigeSchritt(const Loesungsschritt& schritt);
    void zeichneSchritt(const ParameterSatz& weg, const Loesungsschritt& schritt);
    void beendeLoesungsweg();

    void MemEinfachesZeichnenClick();
    void MenTestUebungClick(::Modus modus);
    void MenDateiEinlesenClick();
    void RadioClick(int Typ);
    void BZeichnenClick();
    void BUeberspringenClick();
    void BRichtigNaechsteClick();
    void BRichtigFertigClick();
    void MenBeendenClick();
    void MenInfoClick();
    void MenTestprotokollClick();
    bool frageName();

    // The " Optionen " menu: each item changes one display setting and
    // redraws with the full pass, whatever the mode.
    void MenAchsenDuennClick();
    void MenAchsenDickClick();
    void MenAchsenFarbeClick();
    void MenSchaubDuennClick();
    void MenSchaubDickClick();
    void MenVorgSchaubFarbeClick();
    void MemUserSchaubFarbeClick();
    void Men05RasterClick();
    void MenNetzFarbeClick();

    Dialoge& m_dialoge;
    Zufall& m_zufall;
    Fehlerbericht m_bericht;
    ::Ablauf m_ablauf;
    TAuswahlBox* m_auswahl = nullptr; // built at its first use

    QMenu* MenAufgabe = nullptr;
    QAction* MenTestprotokoll = nullptr;
    QString m_dateiname; // of the task file opened last
    QString m_schuelerName, m_schuelerKlasse; // asked once per run, for the record
    QWidget* GBFunktionstypen = nullptr;
    QLabel* LBitteFunktionAuswaehlen = nullptr;
    QPushButton* BZeichnen = nullptr;
    QPushButton* BUeberspringen = nullptr;
    Urteilsanzeige PRichtig;
    Testergebnisanzeige PTestErgebnis;
    Zeichenflaeche* IEbene = nullptr;
    Ebenenvorlage m_ebene;
    QLabel* LBitteAufgabeAuswaehlen = nullptr;
    QAction* Men05Raster = nullptr;
    std::array<QAction*, 3> MenHilfe{}; // in the order of Hilfe
    QLabel* LHinweis = nullptr;
    QAction* MenLoesungsweg = nullptr;
    Schrittfolge* m_schrittfolge = nullptr;
    Schrittbild m_schrittbild;
    QString m_schrittsatz;   // of the step shown, which stands in the hint box meanwhile
    QImage m_bildVorDemWeg;  // the plot as the showing found it
    QString m_beschreibungVorDemWeg;
    QColor m_farbwahl = Farbe(0x000000); // the chooser keeps its colour between uses
    TInfoBox* InfoBox = nullptr;         // built on first use, so start-up stays quick
    TReihenfenster* m_reihenfenster = nullptr;
};
