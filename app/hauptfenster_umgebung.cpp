// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the run asks of the main window: the drawing passes on the plot, the
// pupil's equations and the modal boxes.

#include "app/hauptfenster.h"

#include "app/ebenenbeschreibung.h"
#include "dialogs/auswahlbox.h"
#include "dialogs/dialoge.h"
#include "plot/ebene.h"
#include "plot/zeichenflaeche.h"
#include "tasks/dateiinhalt.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLocale>

void TForm1::ZeichneKoordinatensystem()
{
    IEbene->update();
    IEbene->setAccessibleDescription(Ebenenbeschreibung(m_ablauf.Modus(), m_ablauf.Aufgabe().VorgTyp));
    m_ebene.Zeichne(IEbene->NeuesBild(), Anzeige);
}

void TForm1::ZeichneVorgGraph(const Aufgabe& aufgabe)
{
    IEbene->update();
    ZeichneKurve(IEbene->Bild(), {aufgabe.VorgTyp, aufgabe.VorgParameter, aufgabe.Abschnitte, false},
                 Anzeige.VorgFarbe, Anzeige.SchaubildDicke);
}

// The pupil's hyperbola breaks where it jumps; the given one is drawn as it
// comes.
void TForm1::ZeichneUserGraph(int Typ)
{
    IEbene->update();
    ZeichneKurve(IEbene->Bild(), {Typ, UserParameter(Typ), {}, Typ == Hyperbel}, Anzeige.UserFarbe,
                 Anzeige.SchaubildDicke);
}

ParameterSatz TForm1::UserParameter(int Typ) const { return Terme[Typ * 3 + RolleAnzeige]->Parameter; }

// The equations are built first: building them sets the type's start values.
void TForm1::SetzeUserParameter(int Typ, int i, double wert)
{
    RichteEingabeEin(Typ);
    Terme[Typ * 3 + RolleAnzeige]->Parameter[i] = wert;
    ZeigeUserWerte(Typ);
}

void TForm1::ZeigeUserWerte(int Typ)
{
    RichteEingabeEin(Typ);
    Terme[Typ * 3 + RolleAnzeige]->Darstellen(Typ, RolleAnzeige, true);
}

void TForm1::SetzeTypZurueck(int Typ)
{
    Terme[Typ * 3 + RolleEingabe]->Einrichten(Typ, RolleEingabe);
    Terme[Typ * 3 + RolleAnzeige]->Einrichten(Typ, RolleAnzeige);
    SchliesseAnzeigeAn(Typ);
}

// The difficulty starts at NORMAL at every opening and can be changed only
// for an exercise.
std::optional<Typauswahl> TForm1::WaehleTypen(bool gradWaehlbar)
{
    TAuswahlBox& box = AuswahlBox();
    box.SetzeSchwierigkeitsgrad(Normal);
    box.RGSchwierigkeitsgrad->setEnabled(gradWaehlbar);
    m_dialoge.Auswahl(box);
    if (!box.Bestaetigt)
        return std::nullopt;
    return Typauswahl{box.ErlaubteTypen, box.Schwierigkeitsgrad()};
}

// Built at its first use, so that start-up does not wait for it; it then
// lives as long as the window and keeps its ticks.
TAuswahlBox& TForm1::AuswahlBox()
{
    if (m_auswahl == nullptr)
        m_auswahl = new TAuswahlBox(m_dialoge, m_bericht, this);
    return *m_auswahl;
}

void TForm1::Meldung(const QString& titel, const QString& text) { m_dialoge.Meldung(this, titel, text); }

// The whole file is read at once, so that no file stays open while the
// pupil works.
std::optional<Aufgabendatei> TForm1::OeffneAufgabendatei(const std::optional<QString>& vorgegeben)
{
    const std::optional<QString> pfad =
        vorgegeben ? vorgegeben : m_dialoge.DateiDialog(this, QStringLiteral("Aufgabendatei (*.sba)"), QStringLiteral("sba"));
    if (!pfad)
        return std::nullopt;
    m_dateiname = QFileInfo(*pfad).fileName();
    return Aufgabendatei(LiesDateiinhalt(*pfad), QLocale().decimalPoint());
}

// Each box is closed before the next one opens; a Lesefehler goes on to the
// error report, and nothing after it is shown.
void TForm1::ZeigeMeldungen(const std::vector<::Meldung>& meldungen)
{
    for (const ::Meldung& meldung : meldungen) {
        switch (meldung.art) {
        case ::Meldung::Art::Hinweis:
            m_dialoge.Meldung(this, QStringLiteral("Aufgabendatei einlesen"), meldung.text);
            break;
        case ::Meldung::Art::Fehler:
            m_dialoge.Fehler(this, QStringLiteral("Fehler"), meldung.text);
            break;
        case ::Meldung::Art::Lesefehler:
            throw Lesefehler(meldung.text);
        }
    }
}
