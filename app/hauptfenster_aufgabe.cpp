// The tasks of a series: the selection dialog that starts it and the frame
// of every new task. The rules of the random tasks are in tasks/.

#include "app/hauptfenster.h"

#include "dialogs/auswahlbox.h"
#include "dialogs/dialoge.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

void TForm1::NeueAufgabe()
{
    Abschnitte.Anzahl = 0;
    if (UserTyp >= 0)
        vergissTyp();
    // With one type allowed there is nothing to choose: selecting its radio
    // button chooses it, as a click would.
    if (ErlaubteTypen.size() == 1)
        TypKnopf[ErlaubteTypen.front()]->setChecked(true);
    else
        LBitteFunktionAuswaehlen->show();
    // A task file (mode 2) will take its next line here instead, and may end
    // the series before anything is drawn.
    StelleZufallsaufgabe();
    ZeichneVorgFunktion();
}

// The equations of the type chosen last go back, hidden, to the basic
// values; no type is chosen now.
void TForm1::vergissTyp()
{
    Terme[UserTyp * 3 + RolleEingabe]->Einrichten(UserTyp, RolleEingabe);
    Terme[UserTyp * 3 + RolleAnzeige]->Einrichten(UserTyp, RolleAnzeige);
    SchliesseAnzeigeAn(UserTyp);
    waehleAb(TypKnopf[UserTyp]);
    UserTyp = KeinTyp;
    BZeichnen->setEnabled(false);
}

void TForm1::StelleZufallsaufgabe()
{
    ErsterVersuch = true;
    if (Modus == 4) {
        BZeichnen->setText(QStringLiteral("OK        (nur ein Versuch!)"));
        ++AnzahlAufgaben;
    }
    VorgTyp = ZieheTyp(ErlaubteTypen, m_zufall);
    // The difficulty is read at every task, never copied.
    VorgParameter = ZieheParameter(VorgTyp, AuswahlBox().Schwierigkeitsgrad(), m_zufall);
}

bool TForm1::ZeigeAuswahlBox(bool Uebung)
{
    TAuswahlBox& box = AuswahlBox();
    box.SetzeSchwierigkeitsgrad(Normal);
    box.RGSchwierigkeitsgrad->setEnabled(Uebung);
    m_dialoge.Auswahl(box);
    if (box.Bestaetigt)
        ErlaubteTypen = box.ErlaubteTypen;
    return box.Bestaetigt;
}

// Built at its first use, so that start-up does not wait for it; it then
// lives as long as the window and keeps its ticks.
TAuswahlBox& TForm1::AuswahlBox()
{
    if (m_auswahl == nullptr)
        m_auswahl = new TAuswahlBox(m_dialoge, m_bericht, this);
    return *m_auswahl;
}
