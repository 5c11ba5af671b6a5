// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ablauf.h"

#include "model/urteil.h"
#include "tasks/zufall.h"
#include "testhilfe.h"

#include <QStringList>

#include <numbers>

#include <gtest/gtest.h>

namespace {

// Records what the run asks of the window; the pupil's function is the
// given one or a wrong one, as the test says.
class Umgebung : public AblaufUmgebung {
public:
    void ZeichneKoordinatensystem() override { schritte << QStringLiteral("Ebene"); }
    void ZeichneVorgGraph(const Aufgabe& a) override { schritte << QStringLiteral("Vorg %1").arg(a.VorgTyp); }
    void ZeichneUserGraph(int Typ) override { schritte << QStringLiteral("User %1").arg(Typ); }
    ParameterSatz UserParameter(int) const override { return antwort; }
    void SetzeUserParameter(int Typ, int i, double wert) override
    {
        schritte << QStringLiteral("Wert %1 %2 %3").arg(Typ).arg(i).arg(wert);
    }
    void ZeigeUserWerte(int Typ) override { schritte << QStringLiteral("Werte %1").arg(Typ); }
    void SetzeTypZurueck(int Typ) override { schritte << QStringLiteral("Zurueck %1").arg(Typ); }
    std::optional<Typauswahl> WaehleTypen(bool gradWaehlbar) override
    {
        schritte << QStringLiteral("Dialog %1").arg(gradWaehlbar);
        return auswahl;
    }
    void Meldung(const QString& titel, const QString&) override { schritte << titel; }
    std::optional<Aufgabendatei> OeffneAufgabendatei(const std::optional<QString>& pfad) override
    {
        schritte << QStringLiteral("Datei") + pfad.value_or(QString());
        if (!datei)
            return std::nullopt;
        return Aufgabendatei(*datei, QStringLiteral(","));
    }
    void ZeigeMeldungen(const std::vector<::Meldung>& meldungen) override
    {
        for (const ::Meldung& m : meldungen) {
            if (m.art == ::Meldung::Art::Lesefehler)
                throw Lesefehler(m.text);
            schritte << m.text;
        }
    }

    QStringList schritte;
    std::optional<QByteArray> datei; // nothing: the file dialog is cancelled
    ParameterSatz antwort;
    std::optional<Typauswahl> auswahl = Typauswahl{{Gerade, Parabel2}, Normal};
};

enum Situation { N, D0, D1, D2, A0, A1, A2, A3, T0, T1, T2, T3 };
const char* const Namen[] = {"N", "D0", "D1", "D2", "A0", "A1", "A2", "A3", "T0", "T1", "T2", "T3"};

// The controls in each situation. A caption of nullptr is the one left
// from before.
struct Erwartung {
    bool bitteAufgabe, bitteFunktion, typGezeigt, zeichnenAktiv;
    const char* zeichnenText;
    bool ueberspringenSichtbar, ueberspringenAktiv;
    Urteil urteil;
    bool aufgabenMenue, testErgebnis;
};

const char* const Zeichnen = "Schaubild zeichnen";
const char* const Neu = "Schaubild neu zeichnen";
const char* const Ok = "OK        (nur ein Versuch!)";
const char* const Weiter = "Ok (Weitere Versuche)";

const Erwartung Erwartungen[] = {
    /* N  */ {true, false, false, false, nullptr, false, true, Urteil::Keines, true, false},
    /* D0 */ {false, true, false, false, nullptr, false, true, Urteil::Keines, true, false},
    /* D1 */ {false, false, true, true, Zeichnen, false, true, Urteil::Keines, true, false},
    /* D2 */ {false, false, true, true, Neu, false, true, Urteil::Keines, true, false},
    /* A0 */ {false, true, false, false, nullptr, true, true, Urteil::Keines, true, false},
    /* A1 */ {false, false, true, true, Zeichnen, true, true, Urteil::Keines, true, false},
    /* A2 */ {false, false, true, true, Neu, true, true, Urteil::Keines, true, false},
    /* A3 */ {false, false, true, false, nullptr, true, false, Urteil::Richtig, false, false},
    /* T0 */ {false, true, false, false, Ok, true, true, Urteil::Keines, true, true},
    /* T1 */ {false, false, true, true, Ok, true, true, Urteil::Keines, true, true},
    /* T2 */ {false, false, true, true, Weiter, true, false, Urteil::Falsch, false, true},
    /* T3 */ {false, false, true, false, nullptr, true, false, Urteil::Richtig, false, true},
};

class AblaufTest : public ::testing::Test {
protected:
    AblaufTest() { zufall.Saeen(4711); }

    // The pupil's answer for the next drawing.
    void antworte(bool richtig)
    {
        umgebung.antwort = ablauf.Aufgabe().VorgParameter;
        if (!richtig)
            umgebung.antwort[0] += 0.5;
    }

    // A type other than the given one, among the allowed.
    int andererTyp() const { return ablauf.Aufgabe().VorgTyp == Gerade ? Parabel2 : Gerade; }

    void herstellen(Situation s)
    {
        switch (s) {
        case N:
            return;
        case D0:
            return ablauf.EinfachesZeichnen();
        case D1:
            herstellen(D0);
            return ablauf.TypAngeklickt(Parabel3);
        case D2:
            herstellen(D1);
            return ablauf.ZeichnenGeklickt();
        case A0:
        case T0:
            return ablauf.UebungOderTest(s == A0 ? Modus::Uebung : Modus::Test);
        case A1:
        case T1:
            herstellen(s == A1 ? A0 : T0);
            return ablauf.TypAngeklickt(ablauf.Aufgabe().VorgTyp);
        case A2:
        case A3:
        case T2:
        case T3:
            herstellen(s <= A3 ? A1 : T1);
            antworte(s == A3 || s == T3);
            return ablauf.ZeichnenGeklickt();
        }
    }

    void pruefe(Situation s, const std::string& fall)
    {
        const Erwartung& e = Erwartungen[s];
        const Steuerzustand z = ablauf.Zustand();
        SCOPED_TRACE(fall + " should be " + Namen[s]);
        EXPECT_EQ(z.BitteAufgabe, e.bitteAufgabe);
        EXPECT_EQ(z.BitteFunktion, e.bitteFunktion);
        EXPECT_EQ(z.Gewaehlt, e.typGezeigt ? ablauf.UserTyp() : KeinTyp);
        EXPECT_EQ(z.Gewaehlt >= 0, e.typGezeigt);
        EXPECT_EQ(z.ZeichnenAktiv, e.zeichnenAktiv);
        if (e.zeichnenText) {
            EXPECT_EQ(z.ZeichnenText, QString::fromUtf8(e.zeichnenText));
        }
        EXPECT_EQ(z.UeberspringenSichtbar, e.ueberspringenSichtbar);
        EXPECT_EQ(z.UeberspringenAktiv, e.ueberspringenAktiv);
        EXPECT_EQ(z.Urteil, e.urteil);
        EXPECT_EQ(z.AufgabenMenue, e.aufgabenMenue);
        EXPECT_EQ(z.TestErgebnis, e.testErgebnis);
        for (int typ = 0; typ < AnzahlTypen; ++typ) {
            bool waehlbar = s >= D0 && s <= D2;
            if (s >= A0)
                waehlbar = typ == Gerade || typ == Parabel2;
            EXPECT_EQ(z.Waehlbar[static_cast<std::size_t>(typ)], waehlbar) << "type " << typ;
        }
    }

    Umgebung umgebung;
    Zufallsgenerator zufall;
    Ablauf ablauf{umgebung, zufall};
};

class SituationTest : public AblaufTest, public ::testing::WithParamInterface<int> {};

TEST_P(SituationTest, ZeigtIhreSteuerelemente)
{
    herstellen(static_cast<Situation>(GetParam()));
    pruefe(static_cast<Situation>(GetParam()), "reached");
}

INSTANTIATE_TEST_SUITE_P(Alle, SituationTest, ::testing::Range(int{N}, int{T3} + 1));

enum class Ereignis {
    MenueZeichnen,
    MenueUebung,
    MenueTest,
    MenueAbgebrochen,
    Typ,
    AndererTyp,
    ZeichnenRichtig,
    ZeichnenFalsch,
    EingabeRichtig,
    EingabeFalsch,
    Ueberspringen,
    Naechste,
    Fertig,
    Anzeige,
};

struct Uebergang {
    Situation von;
    Ereignis ereignis;
    Situation nach;
};

const Uebergang Uebergaenge[] = {
    {N, Ereignis::MenueZeichnen, D0},       {D2, Ereignis::MenueZeichnen, D0},
    {A1, Ereignis::MenueZeichnen, D0},      {T1, Ereignis::MenueZeichnen, D0},
    {N, Ereignis::MenueUebung, A0},         {D1, Ereignis::MenueUebung, A0},
    {A2, Ereignis::MenueUebung, A0},        {T0, Ereignis::MenueUebung, A0},
    {N, Ereignis::MenueTest, T0},           {D2, Ereignis::MenueTest, T0},
    {A1, Ereignis::MenueTest, T0},          {T1, Ereignis::MenueTest, T0},
    {D2, Ereignis::MenueAbgebrochen, N},    {A2, Ereignis::MenueAbgebrochen, N},
    {T1, Ereignis::MenueAbgebrochen, N},    {D0, Ereignis::Typ, D1},
    {D1, Ereignis::AndererTyp, D1},         {D2, Ereignis::AndererTyp, D1},
    {A0, Ereignis::Typ, A1},                {A1, Ereignis::AndererTyp, A1},
    {A2, Ereignis::AndererTyp, A1},         {T0, Ereignis::Typ, T1},
    {T1, Ereignis::AndererTyp, T1},         {D1, Ereignis::ZeichnenFalsch, D2},
    {D2, Ereignis::ZeichnenRichtig, D2},    {A1, Ereignis::ZeichnenFalsch, A2},
    {A1, Ereignis::ZeichnenRichtig, A3},    {A2, Ereignis::ZeichnenFalsch, A2},
    {A2, Ereignis::ZeichnenRichtig, A3},    {T1, Ereignis::ZeichnenRichtig, T3},
    {T1, Ereignis::ZeichnenFalsch, T2},     {T2, Ereignis::ZeichnenFalsch, T2},
    {T2, Ereignis::ZeichnenRichtig, T3},    {D1, Ereignis::EingabeFalsch, D2},
    {A1, Ereignis::EingabeFalsch, A2},      {A1, Ereignis::EingabeRichtig, A3},
    {A3, Ereignis::EingabeFalsch, A3},      {T0, Ereignis::EingabeRichtig, T0},
    {T1, Ereignis::EingabeRichtig, T1},     {T2, Ereignis::EingabeRichtig, T2},
    {T3, Ereignis::EingabeFalsch, T3},      {A0, Ereignis::Ueberspringen, A0},
    {A1, Ereignis::Ueberspringen, A0},      {A2, Ereignis::Ueberspringen, A0},
    {T0, Ereignis::Ueberspringen, T0},      {T1, Ereignis::Ueberspringen, T0},
    {A3, Ereignis::Naechste, A0},           {T2, Ereignis::Naechste, T0},
    {T3, Ereignis::Naechste, T0},           {A3, Ereignis::Fertig, N},
    {T2, Ereignis::Fertig, N},              {T3, Ereignis::Fertig, N},
    {D0, Ereignis::Anzeige, D0},            {D1, Ereignis::Anzeige, D1},
    {D2, Ereignis::Anzeige, D2},            {A0, Ereignis::Anzeige, A0},
    {A2, Ereignis::Anzeige, A2},            {A3, Ereignis::Anzeige, A3},
    {T1, Ereignis::Anzeige, T1},            {T2, Ereignis::Anzeige, T2},
    {T3, Ereignis::Anzeige, T3},
};

class UebergangTest : public AblaufTest, public ::testing::WithParamInterface<Uebergang> {
protected:
    void loese(Ereignis e)
    {
        switch (e) {
        case Ereignis::MenueZeichnen:
            return ablauf.EinfachesZeichnen();
        case Ereignis::MenueUebung:
            return ablauf.UebungOderTest(Modus::Uebung);
        case Ereignis::MenueTest:
            return ablauf.UebungOderTest(Modus::Test);
        case Ereignis::MenueAbgebrochen:
            umgebung.auswahl.reset();
            return ablauf.UebungOderTest(Modus::Uebung);
        case Ereignis::Typ:
            return ablauf.TypAngeklickt(ablauf.Aufgabe().VorgTyp >= 0 ? ablauf.Aufgabe().VorgTyp : Betrag);
        case Ereignis::AndererTyp:
            return ablauf.TypAngeklickt(andererTyp() == ablauf.UserTyp() ? ablauf.Aufgabe().VorgTyp : andererTyp());
        case Ereignis::ZeichnenRichtig:
        case Ereignis::ZeichnenFalsch:
            antworte(e == Ereignis::ZeichnenRichtig);
            return ablauf.ZeichnenGeklickt();
        case Ereignis::EingabeRichtig:
        case Ereignis::EingabeFalsch:
            antworte(e == Ereignis::EingabeRichtig);
            return ablauf.Eingabetaste();
        case Ereignis::Ueberspringen:
            return ablauf.Ueberspringen();
        case Ereignis::Naechste:
            return ablauf.Naechste();
        case Ereignis::Fertig:
            return ablauf.Fertig();
        case Ereignis::Anzeige:
            return ablauf.AnzeigeGeaendert();
        }
    }
};

TEST_P(UebergangTest, FuehrtInDieRichtigeSituation)
{
    const Uebergang& u = GetParam();
    herstellen(u.von);
    pruefe(u.von, "before");
    loese(u.ereignis);
    pruefe(u.nach, std::string(Namen[u.von]) + " then event " + std::to_string(static_cast<int>(u.ereignis)));
}

INSTANTIATE_TEST_SUITE_P(Tabelle, UebergangTest, ::testing::ValuesIn(Uebergaenge));

// What a changed display option redraws, by situation: the given graph in
// a task, the pupil's graph only once asked for and, in a test, submitted.
struct Neuzeichnung {
    Situation s;
    const char* schritte; // %1: the given type, %2: the pupil's type
};

const Neuzeichnung Neuzeichnungen[] = {
    {N, ""},
    {D0, ""},
    {D1, ""},
    {D2, "Ebene|User %2"},
    {A0, "Ebene|Vorg %1"},
    {A1, "Ebene|Vorg %1"},
    {A2, "Ebene|Vorg %1|User %2"},
    {A3, "Ebene|Vorg %1|User %2"},
    {T0, "Ebene|Vorg %1"},
    {T1, "Ebene|Vorg %1"},
    {T2, "Ebene|Vorg %1"},
    {T3, "Ebene|Vorg %1|User %2"},
};

class NeuzeichnungTest : public AblaufTest, public ::testing::WithParamInterface<Neuzeichnung> {};

TEST_P(NeuzeichnungTest, ZeichnetWasVerlangtWurde)
{
    herstellen(GetParam().s);
    const std::int32_t richtig = ablauf.AnzahlRichtig();
    umgebung.schritte.clear();
    ablauf.AnzeigeGeaendert();
    QString erwartet = QString::fromLatin1(GetParam().schritte);
    if (erwartet.contains(QLatin1String("%1")))
        erwartet = erwartet.arg(ablauf.Aufgabe().VorgTyp);
    if (erwartet.contains(QLatin1String("%")))
        erwartet = erwartet.arg(ablauf.UserTyp());
    EXPECT_EQ(umgebung.schritte.join(QLatin1Char('|')), erwartet) << Namen[GetParam().s];
    EXPECT_EQ(ablauf.AnzahlRichtig(), richtig) << "a redraw never counts an answer twice";
}

INSTANTIATE_TEST_SUITE_P(Alle, NeuzeichnungTest, ::testing::ValuesIn(Neuzeichnungen));

} // namespace

namespace {

class TestlaufTest : public AblaufTest {
protected:
    // Answers the current test task: the given type, right or wrong.
    void beantworte(bool richtig)
    {
        ablauf.TypAngeklickt(ablauf.Aufgabe().VorgTyp);
        antworte(richtig);
        ablauf.ZeichnenGeklickt();
    }

    // Answers, then goes on to the next task.
    void loeseUndWeiter(bool richtig)
    {
        beantworte(richtig);
        ablauf.Naechste();
    }

    Steuerzustand zustand() const { return ablauf.Zustand(); }
};

TEST_F(TestlaufTest, DreiVonVierAufAnhieb)
{
    ablauf.UebungOderTest(Modus::Test);
    for (const bool richtig : {true, false, true})
        loeseUndWeiter(richtig);
    beantworte(true);
    EXPECT_EQ(zustand().AnzahlText, QStringLiteral("Anzahl der Aufgaben: 4"));
    EXPECT_EQ(zustand().Prozent, 75);
    EXPECT_TRUE(zustand().Balken);
}

TEST_F(TestlaufTest, EinsVonDreiWirdAbgeschnitten)
{
    ablauf.UebungOderTest(Modus::Test);
    EXPECT_FALSE(zustand().Balken) << "shown from the first judging on";
    loeseUndWeiter(true);
    loeseUndWeiter(false);
    beantworte(false);
    EXPECT_EQ(zustand().Prozent, 33);
    EXPECT_EQ(zustand().AnzahlText, QStringLiteral("Anzahl der Aufgaben: 3"));
}

TEST_F(TestlaufTest, ZweiterVersuchZaehltNicht)
{
    ablauf.UebungOderTest(Modus::Test);
    beantworte(false);
    EXPECT_EQ(zustand().Urteil, Urteil::Falsch);
    EXPECT_EQ(zustand().Prozent, 0);
    antworte(true);
    ablauf.ZeichnenGeklickt();
    EXPECT_EQ(zustand().Urteil, Urteil::Richtig);
    EXPECT_EQ(ablauf.AnzahlRichtig(), 0);
    EXPECT_EQ(zustand().Prozent, 0);
}

TEST_F(TestlaufTest, ZweiterTestFuehrtDieZaehlerFort)
{
    ablauf.UebungOderTest(Modus::Test);
    loeseUndWeiter(true);
    ablauf.Fertig();
    EXPECT_EQ(ablauf.AnzahlAufgaben(), 2);
    ablauf.UebungOderTest(Modus::Test);
    EXPECT_EQ(ablauf.AnzahlAufgaben(), 3);
    EXPECT_EQ(ablauf.AnzahlRichtig(), 1);
    EXPECT_EQ(zustand().AnzahlText, QStringLiteral("Anzahl der Aufgaben: 1")) << "the figures of the first test";
    EXPECT_EQ(zustand().Prozent, 100);
}

TEST_F(TestlaufTest, ZweimalUeberspringen)
{
    ablauf.UebungOderTest(Modus::Test);
    ablauf.Ueberspringen();
    ablauf.Ueberspringen();
    EXPECT_EQ(zustand().AnzahlText, QStringLiteral("Anzahl der Aufgaben: 2"));
    EXPECT_EQ(ablauf.AnzahlAufgaben(), 3);
    EXPECT_EQ(zustand().Prozent, 0);
}

// In a test the first two helps do nothing whatever their marks say; the
// notice of the same graph comes, and the answer counts as wrong.
TEST_F(TestlaufTest, GleichesSchaubildZaehltAlsFalsch)
{
    umgebung.auswahl = Typauswahl{{Sinus}, Normal};
    ablauf.HilfeUmgeschaltet(Hilfe::SchaubildFolgt);
    ablauf.HilfeUmgeschaltet(Hilfe::Tipps);
    ablauf.UebungOderTest(Modus::Test);
    ablauf.WertGetippt(0, 2);
    EXPECT_EQ(umgebung.schritte.last(), QStringLiteral("Wert 4 0 2")) << "the graph does not follow";
    umgebung.antwort = ablauf.Aufgabe().VorgParameter;
    umgebung.antwort[2] += 2 * std::numbers::pi / umgebung.antwort[1];
    ablauf.ZeichnenGeklickt();
    EXPECT_EQ(zustand().Urteil, Urteil::Falsch);
    EXPECT_TRUE(zustand().Hinweis.startsWith(QStringLiteral("Dein Schaubild deckt sich")));
    EXPECT_EQ(ablauf.AnzahlRichtig(), 0);
    umgebung.antwort[3] += 1;
    ablauf.ZeichnenGeklickt();
    EXPECT_EQ(zustand().Hinweis, QString()) << "no tips in a test";
}

TEST_F(TestlaufTest, EinzigerTypWirdGleichGewaehlt)
{
    umgebung.auswahl = Typauswahl{{Sinus}, SehrLeicht};
    ablauf.UebungOderTest(Modus::Test);
    EXPECT_EQ(zustand().Gewaehlt, Sinus);
    EXPECT_TRUE(zustand().ZeichnenAktiv);
    EXPECT_EQ(zustand().ZeichnenText, QStringLiteral("OK        (nur ein Versuch!)"));
    EXPECT_FALSE(zustand().BitteFunktion);
    EXPECT_EQ(umgebung.schritte.first(), QStringLiteral("Dialog 0")) << "no difficulty in a test";
    loeseUndWeiter(true);
    EXPECT_EQ(zustand().Gewaehlt, Sinus) << "chosen again for the next task";
    EXPECT_TRUE(umgebung.schritte.contains(QStringLiteral("Zurueck 4")));
}

TEST_F(AblaufTest, UebungWaehltDieSchwierigkeit)
{
    ablauf.UebungOderTest(Modus::Uebung);
    EXPECT_EQ(umgebung.schritte.first(), QStringLiteral("Dialog 1"));
}

TEST_F(AblaufTest, FalscheUebungsantwortAendertNichts)
{
    herstellen(A1);
    antworte(false);
    ablauf.ZeichnenGeklickt();
    EXPECT_EQ(ablauf.Zustand().Urteil, Urteil::Keines);
    EXPECT_TRUE(ablauf.Zustand().UeberspringenAktiv);
    EXPECT_TRUE(ablauf.Zustand().AufgabenMenue);
}

TEST_F(AblaufTest, TypwahlNachRichtigerAntwortBehaeltDasUrteil)
{
    herstellen(A3);
    const int anderer = andererTyp();
    ablauf.TypAngeklickt(anderer);
    const Steuerzustand z = ablauf.Zustand();
    EXPECT_EQ(z.Gewaehlt, anderer);
    EXPECT_EQ(z.Urteil, Urteil::Richtig);
    EXPECT_TRUE(z.ZeichnenAktiv);
    EXPECT_EQ(z.ZeichnenText, QStringLiteral("Schaubild zeichnen"));
    EXPECT_FALSE(z.AufgabenMenue);
}

TEST_F(AblaufTest, TypwahlImTestNachDemUrteil)
{
    herstellen(T2);
    ablauf.TypAngeklickt(andererTyp());
    EXPECT_EQ(ablauf.Zustand().Urteil, Urteil::Falsch);
    EXPECT_EQ(ablauf.Zustand().ZeichnenText, QStringLiteral("OK        (nur ein Versuch!)"));
    EXPECT_TRUE(ablauf.Zustand().ZeichnenAktiv);
}

TEST_F(AblaufTest, EingabetasteImTestMeldetNur)
{
    herstellen(T1);
    antworte(true);
    umgebung.schritte.clear();
    ablauf.Eingabetaste();
    EXPECT_EQ(umgebung.schritte, QStringList({"Eingabetaste beim Test nicht verfügbar"}));
    EXPECT_EQ(ablauf.Zustand().Urteil, Urteil::Keines);
}

TEST_F(AblaufTest, GetippteWerteGehenAnDenGewaehltenTyp)
{
    ablauf.WertGetippt(0, 3);
    EXPECT_TRUE(umgebung.schritte.isEmpty()) << "no type chosen";
    herstellen(D1);
    umgebung.schritte.clear();
    ablauf.WertGetippt(2, -1.5);
    EXPECT_EQ(umgebung.schritte, QStringList({"Wert 3 2 -1.5"}));
}

TEST_F(AblaufTest, NeuerTypVerwirftDieWerteDesAlten)
{
    herstellen(D2);
    umgebung.schritte.clear();
    ablauf.TypAngeklickt(Sinus);
    EXPECT_EQ(umgebung.schritte, QStringList({"Zurueck 3", "Werte 4", "Ebene"}));
}

TEST_F(AblaufTest, DerZuletztGewaehlteTypKommtMitSeinenWertenZurueck)
{
    herstellen(D2);
    ablauf.EinfachesZeichnen();
    umgebung.schritte.clear();
    ablauf.TypAngeklickt(Parabel3);
    EXPECT_EQ(umgebung.schritte, QStringList({"Werte 3", "Ebene"}));
}

// A type remembered from before the reset has no equation on screen: a
// changed display option must not draw its graph.
TEST_F(AblaufTest, ErinnerterTypZeichnetNichtOhneGleichung)
{
    herstellen(D2);
    ablauf.EinfachesZeichnen();
    umgebung.schritte.clear();
    ablauf.AnzeigeGeaendert();
    EXPECT_TRUE(umgebung.schritte.isEmpty());
}

TEST_F(AblaufTest, NeueAufgabeSetztDenTypZurueck)
{
    herstellen(A2);
    const int typ = ablauf.UserTyp();
    umgebung.schritte.clear();
    ablauf.Ueberspringen();
    EXPECT_EQ(umgebung.schritte.first(), QStringLiteral("Zurueck %1").arg(typ));
    EXPECT_EQ(ablauf.UserTyp(), KeinTyp);
    EXPECT_TRUE(ablauf.ErsterVersuch());
    EXPECT_EQ(ablauf.Aufgabe().Abschnitte.Anzahl, 0);
}

struct Antwort {
    int typ;
    ParameterSatz user, vorg;
    bool richtig;
};

const Antwort Antworten[] = {
    {Gerade, {{2, 3, 7, 7}}, {{2, 3, 0, 0}}, true}, // P3 and P4 of a line are not read
    {Gerade, {{2, 3.5}}, {{2, 3}}, false},
    {Parabel2, {{1, 2, 3, 9}}, {{1, 2, 3, 0}}, true},
    {Parabel2, {{1, 2, 3}}, {{1, 2, 4}}, false},
    {Sinus, {{1, 2, 3, 4}}, {{1, 2, 3, 5}}, false},
    {Sinus, {{1, 1, 0, 0}}, {{1, 1, 6.283185307179586, 0}}, false}, // the same graph, another d
    {Exponential, {{0.50001, 2, 0}}, {{0.5, 2, 0}}, false},
    {Hyperbel, {{-0.0, 0, 0}}, {{0, 0, 0}}, true},
};

class RichtigTest : public ::testing::TestWithParam<Antwort> {};

TEST_P(RichtigTest, VergleichtGenau)
{
    const Antwort& a = GetParam();
    EXPECT_EQ(Richtig(a.typ, a.user, a.typ, a.vorg), a.richtig);
}

INSTANTIATE_TEST_SUITE_P(Antworten, RichtigTest, ::testing::ValuesIn(Antworten));

TEST(Richtig, NurDerselbeTyp)
{
    const ParameterSatz p{{1, 0, 0, 0}};
    EXPECT_FALSE(Richtig(Betrag, p, Parabel2, p));
    EXPECT_FALSE(Richtig(7, p, 7, p)) << "a task file's type beyond the seven is never solved";
    EXPECT_FALSE(Richtig(KeinTyp, p, KeinTyp, p));
}

TEST(Prozent, WirdAbgeschnitten)
{
    const int faelle[][3] = {{3, 4, 75}, {1, 3, 33}, {2, 3, 66}, {0, 5, 0}, {5, 5, 100}, {0, 0, 0}, {1, 1000000, 0}};
    for (const auto& f : faelle)
        EXPECT_EQ(Prozent(f[0], f[1]), f[2]) << f[0] << " of " << f[1];
    EXPECT_EQ(Prozent(2000000000, 2000000000), 100) << "no overflow of the product";
}

} // namespace

namespace {

class DateiTest : public AblaufTest {
protected:
    void lies(const QStringList& zeilen)
    {
        umgebung.datei = KopfUndZeilen(zeilen);
        ablauf.DateiEinlesen();
    }
};

TEST_F(DateiTest, ReiheAusDerDateiBisZumEnde)
{
    lies({"Verschiebe die Normalparabel!", "1 3", "3 1 -2 1", "* Bemerkung", "", "1 2 -3 (0;5)"});
    EXPECT_EQ(umgebung.schritte, QStringList({"Datei", "Verschiebe die Normalparabel!", "Ebene", "Vorg 2"}));
    EXPECT_EQ(ablauf.Modus(), Modus::Datei);
    EXPECT_EQ(ablauf.ErlaubteTypen(), (Typliste{Gerade, Parabel2}));
    pruefe(A0, "the first task");
    EXPECT_EQ(ablauf.Aufgabe().VorgParameter, (ParameterSatz{{1, -2, 1, 0}}));
    EXPECT_EQ(ablauf.Zustand().ZeichnenText, QStringLiteral("Schaubild zeichnen"));

    ablauf.Ueberspringen();
    EXPECT_EQ(ablauf.Aufgabe().VorgTyp, Gerade);
    EXPECT_EQ(ablauf.Aufgabe().Abschnitte.Anzahl, 1);
    EXPECT_EQ(ablauf.Aufgabe().Abschnitte.Bis[0], 5);
    ablauf.TypAngeklickt(Gerade);
    antworte(true);
    ablauf.ZeichnenGeklickt();
    pruefe(A3, "solved");
    umgebung.schritte.clear();
    ablauf.Naechste();
    pruefe(N, "the end of the file");
    EXPECT_EQ(umgebung.schritte, QStringList({"Zurueck 0"})) << "no message, nothing drawn";
    EXPECT_EQ(ablauf.AnzahlAufgaben(), 0) << "no test counter is touched";
}

TEST_F(DateiTest, AbbrechenOderFehlerLassenKeineAufgabe)
{
    herstellen(A2);
    umgebung.datei.reset();
    ablauf.DateiEinlesen();
    pruefe(N, "cancelled");

    lies({"Kommentar", "1 3 1", "3 1 0 0"});
    pruefe(N, "a type twice");
    EXPECT_EQ(umgebung.schritte.mid(umgebung.schritte.size() - 2),
              QStringList({"Kommentar", "Fehler in der Aufgabendatei: Funktionstyp ist mehrfach ausgewählt!"}));
    EXPECT_EQ(ablauf.ErlaubteTypen(), (Typliste{Gerade, Parabel2})) << "what was judged before the error stays";

    EXPECT_THROW(lies({"Kommentar", "1 x", "3 1 0 0"}), Lesefehler);
    pruefe(N, "no integer");
}

TEST_F(DateiTest, MeldungenDerAufgabenzeile)
{
    lies({"Kommentar", "1 2", "2 1", "3 1 0 0 (a;2) (;2)"});
    EXPECT_TRUE(umgebung.schritte.contains(QStringLiteral("Fehler! In der aktuellen Aufgabenzeile fehlen Daten!")));
    ablauf.Ueberspringen();
    EXPECT_TRUE(umgebung.schritte.contains(QStringLiteral("Fehler! Bereichswahl in der aktuellen Aufgabenzeile fehlerhaft!")));
    EXPECT_EQ(ablauf.Aufgabe().Abschnitte.Anzahl, 1);
    EXPECT_EQ(ablauf.Aufgabe().Abschnitte.Von[0], -8);
}

TEST_F(DateiTest, ErsterVersuchBleibtUnberuehrt)
{
    herstellen(T2);
    ASSERT_FALSE(ablauf.ErsterVersuch());
    ablauf.Fertig();
    lies({"Kommentar", "1", "1 2 1"});
    EXPECT_FALSE(ablauf.ErsterVersuch());
    EXPECT_EQ(ablauf.Zustand().Gewaehlt, Gerade) << "the one type is chosen at once";
}

// A tip after a wrong drawing; the notice instead while a graph is like the given one.
TEST_F(DateiTest, HinweisNachFalscherAntwort)
{
    ablauf.HilfeUmgeschaltet(Hilfe::Tipps);
    lies({"Kommentar", "3", "3 1 -2 1", "3 0 1 2"});
    umgebung.antwort = {{1, -2, 3}};
    ablauf.ZeichnenGeklickt();
    EXPECT_EQ(ablauf.Zustand().Hinweis, QStringLiteral("c stimmt nicht: das Schaubild nach unten verschieben."));
    ablauf.Ueberspringen();
    umgebung.antwort = {{0, -3, 2}};
    ablauf.ZeichnenGeklickt();
    EXPECT_TRUE(ablauf.Zustand().Hinweis.startsWith(QStringLiteral("Dein Schaubild deckt sich")));
    ablauf.HilfeUmgeschaltet(Hilfe::GleichesSchaubild);
    ablauf.ZeichnenGeklickt();
    EXPECT_EQ(ablauf.Zustand().Hinweis, QStringLiteral("d stimmt nicht: das Schaubild nach links verschieben."));
}

// A type beyond the seven gives a task without a graph that can only be
// skipped.
TEST_F(DateiTest, UnbekannterTypZeichntNichts)
{
    lies({"Kommentar", "1", "9 1 2", "1 1 1"});
    EXPECT_EQ(ablauf.Aufgabe().VorgTyp, KeinTyp);
    umgebung.schritte.clear();
    ablauf.ZeichnenGeklickt();
    EXPECT_FALSE(umgebung.schritte.contains(QStringLiteral("Vorg -1")));
    EXPECT_EQ(ablauf.Zustand().Urteil, Urteil::Keines);
}

} // namespace
