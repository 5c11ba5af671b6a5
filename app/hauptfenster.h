#pragma once

#include "app/fehlerbericht.h"
#include "model/funktion.h"
#include "plot/abtastung.h"
#include "plot/anzeige.h"
#include "term/funktionsterm.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>

class Dialoge;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;
class TInfoBox;
class Zeichenflaeche;
class Zufall;

// The program's one main window: the plot, the list of the seven function
// types, the pupil's equation with its buttons, the verdict and test panels
// and the main menu. It owns all state of a run; nothing is stored.
class TForm1 : public QMainWindow, public TermUmgebung {
    Q_OBJECT
public:
    TForm1(Dialoge& dialoge, Zufall& zufall, QWidget* parent = nullptr);

    // Back to the state without a task: the plot hidden behind the request to
    // choose a form of work, the type list greyed, no equation shown.
    void ZeigeGrundzustand();
    void MenBeendenClick();
    void MenInfoClick();

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
    // Places a type's value equation right after the content of its input
    // equation, which has just been laid out.
    void SchliesseAnzeigeAn(int Typ);

    // The drawing passes. Each one clears the plot and draws it anew: the
    // plane, then the given graph in a task, then the pupil's graph once it
    // has been asked for.
    void ZeichneKoordinatensystem();
    void ZeichneVorgFunktion();
    void ZeichneUserFunktion();

    // Runs a handler through the window's error boundary.
    void Behandle(const std::function<void()>& handler);

    // TermUmgebung
    QColor UserFarbe() const override { return Anzeige.UserFarbe; }
    void TermBreiteMerken(int breite) override { TermBreite = breite; }
    void TermAngeklickt(int Typ) override;
    void ParameterUebernehmen(int i, double wert) override;
    void EingabetasteGedrueckt() override;

    // The state of the run, readable by tests.
    std::array<QRadioButton*, AnzahlTypen> TypKnopf{};
    std::array<TFunktionsTerm*, 3 * AnzahlTypen> Terme{};
    int TermBreite = 0;
    Anzeigeoptionen Anzeige;
    std::int32_t AnzahlAufgaben = 0;
    std::int32_t AnzahlRichtig = 0;
    std::uint8_t Modus = 0; // 0 no task, 1 drawing, 2 task file, 3 exercise, 4 test
    int UserTyp = KeinTyp;
    int VorgTyp = KeinTyp;
    ParameterSatz VorgParameter;
    ::Abschnitte Abschnitte; // where a task file shows the given graph

private:
    void baueFenster();
    void baueMenue();
    void verbindeOptionen();
    void setzeDicke(int& dicke, int wert);
    void waehleFarbe(QColor& einstellung, bool voreingestellt);
    void FormCreate();
    void legeTypAn(int Typ);
    void zentriere();

    Dialoge& m_dialoge;
    Zufall& m_zufall;
    Fehlerbericht m_bericht;

    QWidget* GBFunktionstypen = nullptr;
    QLabel* LBitteFunktionAuswaehlen = nullptr;
    QPushButton* BZeichnen = nullptr;
    QPushButton* BUeberspringen = nullptr;
    QWidget* PTestErgebnis = nullptr;
    Zeichenflaeche* IEbene = nullptr;
    QLabel* LBitteAufgabeAuswaehlen = nullptr;
    QAction* Men05Raster = nullptr;
    QColor m_farbwahl = Farbe(0x000000); // the chooser keeps its colour between uses
    TInfoBox* InfoBox = nullptr;         // built on first use, so start-up stays quick
};
