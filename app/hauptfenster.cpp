#include "app/hauptfenster.h"

#include "app/ebenenbeschreibung.h"
#include "dialogs/dialoge.h"
#include "plot/ebene.h"
#include "plot/zeichenflaeche.h"
#include "tasks/zufall.h"
#include "term/vorlesetexte.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

namespace {

// An auto-exclusive radio button refuses to be unchecked while it is the
// checked one of its group; the program may do it all the same.
void waehleAb(QRadioButton* knopf)
{
    knopf->setAutoExclusive(false);
    knopf->setChecked(false);
    knopf->setAutoExclusive(true);
}

} // namespace

TForm1::TForm1(Dialoge& dialoge, Zufall& zufall, QWidget* parent)
    : QMainWindow(parent)
    , m_dialoge(dialoge)
    , m_zufall(zufall)
    , m_bericht(dialoge, this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Übungsprogramm zum Verschieben und Strecken von Schaubildern (by Talvenhorn)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    baueFenster();
    baueMenue();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
    zentriere();
}

void TForm1::FormCreate()
{
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ)
        legeTypAn(Typ);
    AnzahlAufgaben = 0;
    AnzahlRichtig = 0;
    const QTime jetzt = QDateTime::currentDateTimeUtc().time();
    m_zufall.Saeen(static_cast<std::uint32_t>(jetzt.msecsSinceStartOfDay()));
    ZeigeGrundzustand();
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
    TypKnopf[Typ] = knopf;
    for (int Rolle = RolleListe; Rolle <= RolleAnzeige; ++Rolle) {
        auto* term = new TFunktionsTerm(this, centralWidget(), *this);
        term->Tafel->setObjectName(QStringLiteral("Terme%1").arg(Typ * 3 + Rolle));
        term->Einrichten(Typ, Rolle);
        Terme[Typ * 3 + Rolle] = term;
    }
    SchliesseAnzeigeAn(Typ);
    QWidget* liste = Terme[Typ * 3]->Tafel;
    liste->move(liste->x(), Typ * 49 + 118);
    liste->show();
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

void TForm1::ZeigeGrundzustand()
{
    LBitteAufgabeAuswaehlen->show();
    LBitteFunktionAuswaehlen->hide();
    BZeichnen->setEnabled(false);
    BUeberspringen->hide();
    IEbene->hide();
    if (UserTyp >= 0) {
        Terme[UserTyp * 3 + RolleEingabe]->Tafel->hide();
        Terme[UserTyp * 3 + RolleAnzeige]->Tafel->hide();
    }
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        TypKnopf[Typ]->setEnabled(false);
        waehleAb(TypKnopf[Typ]);
        Terme[Typ * 3]->Darstellen(Typ, RolleListe, false);
    }
    Modus = 0;
    PTestErgebnis->hide();
}

void TForm1::ZeichneKoordinatensystem()
{
    IEbene->show();
    IEbene->update();
    IEbene->setAccessibleDescription(Ebenenbeschreibung(Modus, VorgTyp));
    ZeichneEbene(IEbene->Bild(), Anzeige);
}

void TForm1::ZeichneVorgFunktion()
{
    ZeichneKoordinatensystem();
    if (Modus < 2 || VorgTyp < 0)
        return;
    ZeichneKurve(IEbene->Bild(), {VorgTyp, VorgParameter, Abschnitte, false}, Anzeige.VorgFarbe,
                 Anzeige.SchaubildDicke);
}

void TForm1::ZeichneUserFunktion()
{
    if (Modus > 1)
        ZeichneVorgFunktion();
    // Only a drawing asked for since the type was chosen, and in a test only
    // the submitted answer.
    if (UserTyp < 0 || BZeichnen->text() == QStringLiteral("Schaubild zeichnen")
        || (Modus == 4 && BZeichnen->isEnabled()))
        return;
    if (Modus == 1)
        ZeichneKoordinatensystem();
    IEbene->update();
    const Kurve kurve{UserTyp, Terme[UserTyp * 3 + RolleAnzeige]->Parameter, {}, UserTyp == Hyperbel};
    ZeichneKurve(IEbene->Bild(), kurve, Anzeige.UserFarbe, Anzeige.SchaubildDicke);
}

void TForm1::MenBeendenClick() { close(); }

void TForm1::Behandle(const std::function<void()>& handler) { m_bericht.Ausfuehren(handler); }

void TForm1::TermAngeklickt(int Typ)
{
    Behandle([this, Typ] {
        if (!TypKnopf[Typ]->isChecked())
            TypKnopf[Typ]->setChecked(true);
    });
}

// The value of a box goes to the pupil's function, the value equation of
// the chosen type; while no type is chosen it goes nowhere.
void TForm1::ParameterUebernehmen(int i, double wert)
{
    Behandle([this, i, wert] {
        if (UserTyp < 0)
            return;
        TFunktionsTerm* anzeige = Terme[UserTyp * 3 + RolleAnzeige];
        anzeige->Parameter[i] = wert;
        anzeige->Darstellen(UserTyp, RolleAnzeige, true);
    });
}

// Enter draws the pupil's graph at once, except in a test, where only the
// button submits an answer.
void TForm1::EingabetasteGedrueckt()
{
    Behandle([this] {
        if (Modus == 4) {
            m_dialoge.Meldung(this, QStringLiteral("Eingabetaste beim Test nicht verfügbar"),
                              QStringLiteral("Falls die Eingabe fertig ist, bitte auf den OK-Knopf klicken"));
            return;
        }
        BZeichnen->setText(QStringLiteral("Schaubild neu zeichnen"));
        ZeichneUserFunktion();
    });
}
