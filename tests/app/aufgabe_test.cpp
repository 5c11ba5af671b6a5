// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

namespace {

const QColor Blau = Farbe(0xFF0000);

class AufgabeTest : public FensterTest {
protected:
    QWidget* tafel(int Typ, int Rolle) { return form.Terme[Typ * 3 + Rolle]->Tafel; }

    // The draws of the tasks to come: the type's index in ErlaubteTypen,
    // then those of the type's rule.
    void skript(std::vector<int> zuege) { zufall.zuege = std::move(zuege); }
};

// y = 2x + 1 from the first of two allowed types.
const std::vector<int> GeradeZweiXPlusEins{0, 7, 1, 18};

TEST_F(AufgabeTest, ZufallsaufgabeWirdGezogenUndGezeichnet)
{
    skript(GeradeZweiXPlusEins);
    starte(Modus::Uebung, {Betrag, Gerade});
    EXPECT_EQ(zufall.gefragt, (std::vector<int>{2, 18, 2, 33}));
    EXPECT_EQ(aufgabe().VorgTyp, Gerade);
    EXPECT_EQ(aufgabe().VorgParameter[0], 2);
    EXPECT_EQ(aufgabe().VorgParameter[1], 1);
    EXPECT_EQ(bild().pixelColor(287, 215 - 36), Blau) << "the given line through (0 | 1)";
    EXPECT_EQ(bild().pixelColor(287 + 36, 215 - 3 * 36), Blau) << "and (1 | 3)";
    EXPECT_TRUE(ebene->isVisible());
}

TEST_F(AufgabeTest, SchwierigkeitsgradAusDemDialog)
{
    skript({0, 7, 5, 1, 2, 0});
    starte(Modus::Uebung, {Hyperbel}, SehrLeicht);
    EXPECT_EQ(zufall.gefragt, (std::vector<int>{1, 9, 9, 2, 6, 3})) << "the reduction draws its position";
    EXPECT_EQ(aufgabe().VorgParameter, (ParameterSatz{{2, 0, 0}})) << "a kept, d and c back at 0";
}

TEST_F(AufgabeTest, TestLaeuftImmerMitNormal)
{
    skript({0, 7, 5, 1, 2});
    starte(Modus::Test, {Hyperbel}, SehrLeicht);
    ASSERT_EQ(dialoge.auswahlGeoeffnet.size(), 1U);
    EXPECT_EQ(dialoge.auswahlGeoeffnet[0].grad, Normal);
    EXPECT_FALSE(dialoge.auswahlGeoeffnet[0].gradAenderbar);
    EXPECT_EQ(zufall.gefragt, (std::vector<int>{1, 9, 9, 2, 6})) << "no reduction";
}

TEST_F(AufgabeTest, DieVorigeWahlWirdZurueckgesetzt)
{
    skript({0, 7, 1, 18, 0, 7, 1, 18});
    starte(Modus::Uebung, {Gerade, Parabel2});
    waehle(Parabel2);
    tippe(Parabel2, 0, "7");
    ASSERT_EQ(anzeige(Parabel2).Parameter[0], 7);
    klicke("BUeberspringen");

    EXPECT_EQ(form.Ablauf().UserTyp(), KeinTyp);
    EXPECT_FALSE(form.TypKnopf[Parabel2]->isChecked());
    EXPECT_FALSE(tafel(Parabel2, RolleEingabe)->isVisible());
    EXPECT_FALSE(tafel(Parabel2, RolleAnzeige)->isVisible());
    EXPECT_EQ(feld(Parabel2, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(anzeige(Parabel2).Parameter, (ParameterSatz{{1, 0, 0}}));
    const QLineEdit* letzte = feld(Parabel2, 2);
    EXPECT_EQ(tafel(Parabel2, RolleAnzeige)->x(), tafel(Parabel2, RolleEingabe)->x() + letzte->x() + letzte->width())
        << "the value equation follows the input equation again";
    EXPECT_FALSE(zeichnen->isEnabled());
    EXPECT_TRUE(form.Ablauf().ErsterVersuch());
    EXPECT_TRUE(hinweis->isVisible());
    for (const QRadioButton* knopf : form.TypKnopf)
        EXPECT_FALSE(knopf->isChecked());
}

TEST_F(AufgabeTest, EinzigerTypIstSofortGewaehlt)
{
    skript({0, 5, 1, 5, 1, 1, 0, 6, 0, 7, 0, 1, 1, 1});
    starte(Modus::Uebung, {Sinus});
    for (int aufgabeNr = 0; aufgabeNr < 2; ++aufgabeNr) {
        EXPECT_TRUE(form.TypKnopf[Sinus]->isChecked()) << aufgabeNr;
        EXPECT_TRUE(tafel(Sinus, RolleEingabe)->isVisible()) << aufgabeNr;
        EXPECT_FALSE(hinweis->isVisible()) << aufgabeNr;
        EXPECT_TRUE(zeichnen->isEnabled()) << aufgabeNr;
        EXPECT_EQ(zeichnen->text(), QStringLiteral("Schaubild zeichnen"));
        EXPECT_EQ(aufgabe().VorgTyp, Sinus);
        if (aufgabeNr == 0)
            klicke("BUeberspringen");
    }
}

TEST_F(AufgabeTest, TestZaehltJedeAufgabe)
{
    skript({0, 7, 1, 18, 0, 7, 1, 18, 0, 7, 1, 18});
    starte(Modus::Test, {Gerade, Betrag});
    for (int aufgabeNr = 1; aufgabeNr <= 3; ++aufgabeNr) {
        EXPECT_EQ(form.Ablauf().AnzahlAufgaben(), aufgabeNr);
        EXPECT_EQ(zeichnen->text(), QStringLiteral("OK        (nur ein Versuch!)"));
        if (aufgabeNr < 3)
            klicke("BUeberspringen");
    }
}

TEST_F(AufgabeTest, UebungZaehltNichtUndLaesstDieBeschriftung)
{
    skript({0, 7, 1, 18, 0, 7, 1, 18});
    starte(Modus::Uebung, {Gerade, Betrag});
    waehle(Betrag);
    klicke("BZeichnen");
    klicke("BUeberspringen");
    EXPECT_EQ(form.Ablauf().AnzahlAufgaben(), 0);
    EXPECT_EQ(zeichnen->text(), QStringLiteral("Schaubild neu zeichnen")) << "left from before, disabled";
    EXPECT_FALSE(zeichnen->isEnabled());
}

// What the main window does around the dialog: NORMAL at every opening,
// changeable only in an exercise; the ticks carry over; only a confirmed
// dialog changes the allowed types, and any other outcome leaves no task.
TEST_F(AufgabeTest, AuswahlBoxUeberDasMenue)
{
    skript({0, 10, 10, 1, 2, 1, 0}); // y = 2·|x|, the reduction keeping one
    dialoge.auswahlAntworten = {{std::vector<int>{Sinus, Betrag}, SehrLeicht, true},
                                {std::nullopt, Leicht, false},
                                {std::vector<int>{}, std::nullopt, true}};
    menue("MenUebung");
    EXPECT_EQ(form.Ablauf().ErlaubteTypen(), (Typliste{Betrag, Sinus}));
    EXPECT_EQ(form.Ablauf().Modus(), Modus::Uebung);
    menue("MenTest");
    EXPECT_EQ(form.Ablauf().ErlaubteTypen(), (Typliste{Betrag, Sinus})) << "Abbrechen";
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
    EXPECT_TRUE(kind<QLabel>("LBitteAufgabeAuswaehlen")->isVisible());
    menue("MenUebung");
    EXPECT_EQ(form.Ablauf().ErlaubteTypen(), (Typliste{Betrag, Sinus})) << "Ok with nothing ticked";
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Es muss mindestens ein Funktionstyp ausgewählt werden!"));

    ASSERT_EQ(dialoge.auswahlGeoeffnet.size(), 3U);
    const std::vector<int> alle{0, 1, 2, 3, 4, 5, 6};
    const std::vector<int> zweiTypen{Betrag, Sinus};
    const std::vector<std::pair<std::vector<int>, bool>> erwartet{{alle, true}, {zweiTypen, false}, {zweiTypen, true}};
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        const AuswahlBeimOeffnen& g = dialoge.auswahlGeoeffnet[i];
        EXPECT_EQ(g.angehakt, erwartet[i].first) << "opening " << i;
        EXPECT_EQ(g.grad, Normal) << "opening " << i;
        EXPECT_EQ(g.gradAenderbar, erwartet[i].second) << "opening " << i;
    }
}

} // namespace
