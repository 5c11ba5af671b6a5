// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

#include "term/bausteine.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor Schwarz = Farbe(0x000000);
const QColor Blau = Farbe(0xFF0000);
const QColor Rot = Farbe(0x0000FF);
const QColor Grau = Farbe(0xC0C0C0);
const QColor Gruen = Farbe(0x008000);
const QColor Gelb = Farbe(0x00FFFF);
const QColor Magenta = Farbe(0xFF00FF);

class OptionenTest : public FensterTest {
protected:
    QColor farbe(int spalte, int zeile) const { return bild().pixelColor(spalte, zeile); }
    QColor textfarbe(const QWidget* w, QPalette::ColorRole rolle = QPalette::WindowText) const
    {
        return w->palette().color(QPalette::Active, rolle);
    }
};

struct Breiten {
    const char* eintrag;
    int achsen;
    int schaubilder;
};

class BreitenTest : public OptionenTest, public ::testing::WithParamInterface<std::vector<Breiten>> {};

// Each step clicks an item and measures the redrawn plot: the x axis in
// column 100, the given vertex in column 359, y = 1/x in column 500.
TEST_P(BreitenTest, StellenDieBreiteEinUndZeichnenNeu)
{
    zeichneBeide();
    for (const Breiten& schritt : GetParam()) {
        menue(schritt.eintrag);
        EXPECT_EQ(form.Anzeige.AchsenDicke, schritt.achsen) << schritt.eintrag;
        EXPECT_EQ(form.Anzeige.SchaubildDicke, schritt.schaubilder) << schritt.eintrag;
        EXPECT_EQ(inSpalte(100, Schwarz), schritt.achsen) << schritt.eintrag;
        EXPECT_EQ(inSpalte(359, Blau), schritt.schaubilder) << schritt.eintrag;
        EXPECT_EQ(inSpalte(500, Rot), schritt.schaubilder) << schritt.eintrag;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folgen, BreitenTest,
    ::testing::Values(
        std::vector<Breiten>{{"MenAchsenDick", 3, 1}, {"MenAchsenDick", 3, 1}, {"MenAchsenDuenn", 1, 1}},
        std::vector<Breiten>{{"MenSchaubDick", 1, 3}, {"MenAchsenDick", 3, 3}, {"MenSchaubDuenn", 3, 1}},
        std::vector<Breiten>{{"MenSchaubDuenn", 1, 1}, {"MenAchsenDuenn", 1, 1}}));

struct Farbeintrag {
    const char* eintrag;
    QColor Anzeigeoptionen::*einstellung;
    QColor vorgabe; // where the chooser opens at the start
    QPoint punkt;   // a pixel in that colour
};

void PrintTo(const Farbeintrag& e, std::ostream* aus) { *aus << e.eintrag; }

const Farbeintrag Farbeintraege[] = {
    {"MenAchsenFarbe", &Anzeigeoptionen::AchsenFarbe, Schwarz, {100, 215}},
    {"MenNetzFarbe", &Anzeigeoptionen::NetzFarbe, Grau, {35, 100}},
    {"MenVorgSchaubFarbe", &Anzeigeoptionen::VorgFarbe, Blau, {359, 179}},
    {"MemUserSchaubFarbe", &Anzeigeoptionen::UserFarbe, Rot, {323, 179}},
};

class FarbeintragTest : public OptionenTest, public ::testing::WithParamInterface<Farbeintrag> {};

TEST_P(FarbeintragTest, GewaehlteFarbeZeigtSichSofort)
{
    const Farbeintrag& e = GetParam();
    zeichneBeide();
    EXPECT_NE(farbe(e.punkt.x(), e.punkt.y()), Gruen);
    dialoge.farbantworten = {Gruen};
    menue(e.eintrag);
    EXPECT_EQ(dialoge.farbvorgaben, std::vector<QColor>{e.vorgabe});
    EXPECT_EQ(form.Anzeige.*e.einstellung, Gruen);
    EXPECT_EQ(farbe(e.punkt.x(), e.punkt.y()), Gruen);
}

TEST_P(FarbeintragTest, AbbrechenAendertNichtsUndZeichnetNicht)
{
    const Farbeintrag& e = GetParam();
    zeichneBeide();
    ebene->Bild().setPixelColor(0, 0, Magenta); // a redraw would wipe it
    const QImage vorher = bild().copy();
    const Anzeigeoptionen anzeige = form.Anzeige;
    dialoge.farbantworten = {std::nullopt};
    menue(e.eintrag);
    EXPECT_EQ(dialoge.farbvorgaben, std::vector<QColor>{e.vorgabe});
    EXPECT_EQ(form.Anzeige.*e.einstellung, anzeige.*e.einstellung);
    EXPECT_EQ(bild(), vorher);
}

INSTANTIATE_TEST_SUITE_P(Optionen, FarbeintragTest, ::testing::ValuesIn(Farbeintraege),
                         [](const auto& info) { return std::string(info.param.eintrag); });

// One chooser serves all four items and keeps its colour; only the axes
// item does not set it to its setting first.
TEST_F(OptionenTest, FarbwahlBehaeltIhreFarbe)
{
    dialoge.farbantworten = {Gelb, std::nullopt, Gruen, std::nullopt, std::nullopt, std::nullopt};
    for (const char* eintrag : {"MenAchsenFarbe", "MenAchsenFarbe", "MenNetzFarbe", "MenAchsenFarbe",
                                "MenVorgSchaubFarbe", "MenAchsenFarbe"})
        menue(eintrag);
    EXPECT_EQ(dialoge.farbvorgaben, (std::vector<QColor>{Schwarz, Gelb, Grau, Gruen, Blau, Blau}));
    EXPECT_EQ(form.Anzeige.AchsenFarbe, Gelb);
    EXPECT_EQ(form.Anzeige.NetzFarbe, Gruen);
}

// After the user colour item the value equation and the group caption show
// the user colour; the buttons, the hint, the type list and the edit boxes
// keep theirs.
TEST_F(OptionenTest, UserFarbeFaerbtGleichungUndGruppe)
{
    menue("MemEinfachesZeichnen");
    waehle(Hyperbel); // built, then left
    waehle(Gerade);
    const TFunktionsTerm* anzeige = form.Terme[Gerade * 3 + RolleAnzeige];
    dialoge.farbantworten = {Gruen};
    menue("MemUserSchaubFarbe");
    EXPECT_EQ(textfarbe(kind("GBGleichung")), Gruen);
    EXPECT_EQ(textfarbe(anzeige->Werte[0]), Gruen);
    EXPECT_EQ(textfarbe(anzeige->Texte[1]), Gruen);
    EXPECT_EQ(anzeige->Punkte[0]->pinsel(), Gruen);
    EXPECT_EQ(textfarbe(kind("BZeichnen"), QPalette::ButtonText), Rot);
    EXPECT_EQ(textfarbe(kind("BUeberspringen"), QPalette::ButtonText), Rot);
    EXPECT_EQ(textfarbe(kind("LBitteFunktionAuswaehlen")), Rot);
    EXPECT_NE(textfarbe(form.Terme[Gerade * 3]->Werte[0]), Gruen) << "the letters of the type list";
    EXPECT_NE(textfarbe(form.Terme[Gerade * 3 + RolleEingabe]->Eingaben[0], QPalette::Text), Gruen);
    EXPECT_EQ(textfarbe(form.Terme[Hyperbel * 3 + RolleAnzeige]->Werte[0]), Rot) << "no type but the chosen one";
}

TEST_F(OptionenTest, AbgebrocheneUserFarbeFaerbtDennoch)
{
    menue("MemEinfachesZeichnen");
    waehle(Sinus);
    form.Anzeige.UserFarbe = Gruen; // not yet shown anywhere
    dialoge.farbantworten = {std::nullopt};
    menue("MemUserSchaubFarbe");
    EXPECT_EQ(textfarbe(kind("GBGleichung")), Gruen);
    EXPECT_EQ(textfarbe(form.Terme[Sinus * 3 + RolleAnzeige]->Werte[1]), Gruen);
}

TEST_F(OptionenTest, UserFarbeOhneGewaehltenTyp)
{
    dialoge.farbantworten = {Gruen};
    menue("MemUserSchaubFarbe");
    EXPECT_EQ(textfarbe(kind("GBGleichung")), Gruen);
    EXPECT_EQ(form.Ablauf().UserTyp(), KeinTyp);
}

TEST_F(OptionenTest, HalbesRasterUndSeinHaekchen)
{
    zeichneBeide();
    const QImage ohne = bild().copy();
    auto* raster = form.findChild<QAction*>(QStringLiteral("Men05Raster"));
    menue("Men05Raster");
    EXPECT_TRUE(form.Anzeige.HalbRaster);
    EXPECT_TRUE(raster->isChecked());
    EXPECT_EQ(farbe(17, 100), Grau) << "x = -7.5";
    menue("Men05Raster");
    EXPECT_FALSE(form.Anzeige.HalbRaster);
    EXPECT_FALSE(raster->isChecked());
    EXPECT_EQ(bild(), ohne);
}

// Simple drawing before the first press of the draw button: the plane
// stays as it is, and the next drawing pass shows the new look.
TEST_F(OptionenTest, EinfachesZeichnenOhneSchaubildZeigtEsErstBeimNaechstenMal)
{
    menue("MemEinfachesZeichnen");
    waehle(Gerade);
    const QImage vorher = bild().copy();
    dialoge.farbantworten = {Gruen};
    menue("MenNetzFarbe");
    EXPECT_EQ(bild(), vorher);
    klicke("BZeichnen");
    EXPECT_EQ(farbe(35, 100), Gruen);
}

TEST_F(OptionenTest, OhneAufgabenformBleibtDieEbeneVerborgen)
{
    menue("MenAchsenDick");
    menue("Men05Raster");
    EXPECT_FALSE(ebene->isVisible());
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("LBitteAufgabeAuswaehlen"))->isVisible());
}

// An arithmetic error of the redraw is reported; the setting stays.
TEST_F(OptionenTest, RechenfehlerBeimNeuzeichnenWirdGemeldet)
{
    oeffneDatei({"Kommentar", "7", "7 1 -2 0"});
    dialoge.boxen.clear();
    menue("MenAchsenDick");
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Ungültige Gleitkommaoperation."));
    EXPECT_EQ(form.Anzeige.AchsenDicke, 3);
}

} // namespace

namespace {

// A redraw in a task judges again, but a test answer counts only once.
TEST_F(OptionenTest, NeuzeichnenZaehltEineTestantwortNichtZweimal)
{
    zufall.zuege = {0, 7, 1, 18}; // y = 2x + 1
    starte(Modus::Test, {Gerade, Betrag});
    waehle(Gerade);
    tippe(Gerade, 0, "2");
    tippe(Gerade, 1, "1");
    klicke("BZeichnen");
    ASSERT_EQ(form.Ablauf().AnzahlRichtig(), 1);
    const int duenn = inSpalte(300, Rot);
    menue("MenSchaubDick");
    menue("Men05Raster");
    EXPECT_EQ(form.Ablauf().AnzahlRichtig(), 1);
    EXPECT_EQ(kind<QLabel>("LRichtig2")->text(), QStringLiteral("richtig!"));
    EXPECT_GT(inSpalte(300, Rot), duenn) << "the pupil's line drawn again, thicker";
}

} // namespace
