#include "app/hauptfenster.h"

#include "plot/zeichenflaeche.h"
#include "testhilfe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

const QColor Blau = Farbe(0xFF0000);

class AufgabeTest : public ::testing::Test {
protected:
    AufgabeTest() { form.show(); }

    QWidget* tafel(int Typ, int Rolle) { return form.Terme[Typ * 3 + Rolle]->Tafel; }

    // A task series as the menu starts it, with the types and difficulty
    // the user chooses in the dialog.
    void starte(int modus, const std::vector<int>& typen, int grad = Normal)
    {
        dialoge.auswahlAntworten.push_back({typen, grad, true});
        ASSERT_TRUE(form.ZeigeAuswahlBox(modus == 3));
        form.Modus = static_cast<std::uint8_t>(modus);
    }

    // The draws of a task: the type's index in ErlaubteTypen, then those of
    // the type's rule.
    void skript(std::vector<int> zuege)
    {
        zufall.zuege = std::move(zuege);
        zufall.gezogen = 0;
        zufall.gefragt.clear();
    }

    AufzeichnendeDialoge dialoge;
    SkriptZufall zufall;
    TForm1 form{dialoge, zufall};
    QPushButton* zeichnen = form.findChild<QPushButton*>(QStringLiteral("BZeichnen"));
    QLabel* hinweis = form.findChild<QLabel*>(QStringLiteral("LBitteFunktionAuswaehlen"));
};

// y = 2x + 1 from the first of two allowed types.
const std::vector<int> GeradeZweiXPlusEins{0, 7, 1, 18};

TEST_F(AufgabeTest, ZufallsaufgabeWirdGezogenUndGezeichnet)
{
    starte(3, {Betrag, Gerade});
    skript(GeradeZweiXPlusEins);
    form.NeueAufgabe();
    EXPECT_EQ(zufall.gefragt, (std::vector<int>{2, 18, 2, 33}));
    EXPECT_EQ(form.VorgTyp, Gerade);
    EXPECT_EQ(form.VorgParameter[0], 2);
    EXPECT_EQ(form.VorgParameter[1], 1);
    const QImage& bild = form.findChild<Zeichenflaeche*>(QStringLiteral("IEbene"))->Bild();
    EXPECT_EQ(bild.pixelColor(287, 215 - 36), Blau) << "the given line through (0 | 1)";
    EXPECT_EQ(bild.pixelColor(287 + 36, 215 - 3 * 36), Blau) << "and (1 | 3)";
}

// The difficulty is read from the dialog at every task.
TEST_F(AufgabeTest, SchwierigkeitsgradAusDemDialog)
{
    starte(3, {Hyperbel}, SehrLeicht);
    skript({0, 7, 5, 1, 2, 0});
    form.NeueAufgabe();
    EXPECT_EQ(zufall.gefragt, (std::vector<int>{1, 9, 9, 2, 6, 3})) << "the reduction draws its position";
    EXPECT_EQ(form.VorgParameter, (ParameterSatz{{2, 0, 0}})) << "a kept, d and c back at 0";
}

TEST_F(AufgabeTest, TestLaeuftImmerMitNormal)
{
    starte(4, {Hyperbel}, SehrLeicht);
    ASSERT_EQ(dialoge.auswahlGeoeffnet.size(), 1U);
    EXPECT_EQ(dialoge.auswahlGeoeffnet[0].grad, Normal);
    EXPECT_FALSE(dialoge.auswahlGeoeffnet[0].gradAenderbar);
    skript({0, 7, 5, 1, 2});
    form.NeueAufgabe();
    EXPECT_EQ(zufall.gefragt, (std::vector<int>{1, 9, 9, 2, 6})) << "no reduction";
}

// The type chosen for the previous task, Gerade (type 0) included, is
// undone: its equations hidden and back at the start values.
TEST_F(AufgabeTest, DieVorigeWahlWirdZurueckgesetzt)
{
    starte(3, {Gerade, Parabel2});
    for (const auto& [vorher, start] : {std::pair{Gerade, ParameterSatz{{1, 0}}},
                                        std::pair{Parabel2, ParameterSatz{{1, 0, 0}}}}) {
        SCOPED_TRACE(vorher);
        form.UserTyp = vorher;
        form.TypKnopf[vorher]->setChecked(true);
        tafel(vorher, RolleEingabe)->show();
        tafel(vorher, RolleAnzeige)->show();
        form.Terme[vorher * 3 + RolleEingabe]->Eingaben[0]->setText(QStringLiteral("7"));
        form.Terme[vorher * 3 + RolleAnzeige]->Parameter = {{7, 7, 7}};
        tafel(vorher, RolleAnzeige)->move(600, 24);
        zeichnen->setEnabled(true);
        form.Abschnitte.Anzahl = 2;
        form.ErsterVersuch = false;
        hinweis->hide();
        skript(GeradeZweiXPlusEins);

        form.NeueAufgabe();
        EXPECT_EQ(form.UserTyp, KeinTyp);
        EXPECT_FALSE(form.TypKnopf[vorher]->isChecked());
        EXPECT_FALSE(tafel(vorher, RolleEingabe)->isVisible());
        EXPECT_FALSE(tafel(vorher, RolleAnzeige)->isVisible());
        EXPECT_EQ(form.Terme[vorher * 3 + RolleEingabe]->Eingaben[0]->text(), QStringLiteral("1"));
        EXPECT_EQ(form.Terme[vorher * 3 + RolleAnzeige]->Parameter, start);
        const QLineEdit* letzte = form.Terme[vorher * 3 + RolleEingabe]->Eingaben[AnzahlParameter(vorher) - 1];
        EXPECT_EQ(tafel(vorher, RolleAnzeige)->x(), tafel(vorher, RolleEingabe)->x() + letzte->x() + letzte->width())
            << "the value equation follows the input equation again";
        EXPECT_FALSE(zeichnen->isEnabled());
        EXPECT_EQ(form.Abschnitte.Anzahl, 0) << "a random task shows the whole graph";
        EXPECT_TRUE(form.ErsterVersuch);
        EXPECT_TRUE(hinweis->isVisible());
        for (const QRadioButton* knopf : form.TypKnopf)
            EXPECT_FALSE(knopf->isChecked());
    }
}

TEST_F(AufgabeTest, EinzigerTypIstSofortGewaehlt)
{
    starte(3, {Sinus});
    skript({0, 5, 1, 5, 1, 1, 0, 6, 0, 7, 0, 1, 1, 1});
    for (int aufgabe = 0; aufgabe < 2; ++aufgabe) {
        form.NeueAufgabe();
        EXPECT_TRUE(form.TypKnopf[Sinus]->isChecked()) << aufgabe;
        EXPECT_FALSE(hinweis->isVisible()) << aufgabe;
        EXPECT_EQ(form.VorgTyp, Sinus);
    }
}

TEST_F(AufgabeTest, TestZaehltJedeAufgabe)
{
    starte(4, {Gerade, Betrag});
    zeichnen->setText(QStringLiteral("Schaubild zeichnen"));
    skript({0, 7, 1, 18, 0, 7, 1, 18, 0, 7, 1, 18});
    for (int aufgabe = 1; aufgabe <= 3; ++aufgabe) {
        form.ErsterVersuch = false;
        form.NeueAufgabe();
        EXPECT_EQ(form.AnzahlAufgaben, aufgabe);
        EXPECT_TRUE(form.ErsterVersuch);
    }
    EXPECT_EQ(zeichnen->text(), QStringLiteral("OK        (nur ein Versuch!)"));
}

TEST_F(AufgabeTest, UebungZaehltNichtUndLaesstDieBeschriftung)
{
    starte(3, {Gerade, Betrag});
    zeichnen->setText(QStringLiteral("Schaubild neu zeichnen"));
    skript(GeradeZweiXPlusEins);
    form.ErsterVersuch = false;
    form.NeueAufgabe();
    EXPECT_EQ(form.AnzahlAufgaben, 0);
    EXPECT_TRUE(form.ErsterVersuch);
    EXPECT_EQ(zeichnen->text(), QStringLiteral("Schaubild neu zeichnen"));
}

// What the main window does around the dialog: NORMAL at every opening,
// changeable only in an exercise; the ticks carry over; only a confirmed
// dialog changes ErlaubteTypen.
TEST_F(AufgabeTest, AuswahlBoxUeberDieTuer)
{
    dialoge.auswahlAntworten = {{std::vector<int>{Sinus, Betrag}, SehrLeicht, true},
                                {std::nullopt, Leicht, false},
                                {std::vector<int>{}, std::nullopt, true}};
    EXPECT_TRUE(form.ZeigeAuswahlBox(true));
    EXPECT_EQ(form.ErlaubteTypen, (Typliste{Betrag, Sinus}));
    EXPECT_FALSE(form.ZeigeAuswahlBox(false));
    EXPECT_EQ(form.ErlaubteTypen, (Typliste{Betrag, Sinus})) << "Abbrechen";
    EXPECT_FALSE(form.ZeigeAuswahlBox(true));
    EXPECT_EQ(form.ErlaubteTypen, (Typliste{Betrag, Sinus})) << "Ok with nothing ticked";
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
