#include "fenstertest.h"

#include "plot/ebene.h"
#include "plot/geometrie.h"

namespace {

const QColor Blau = Farbe(0xFF0000);
const QColor Rot = Farbe(0x0000FF);

class ZeichnenTest : public FensterTest {
protected:
    QImage leereEbene() const
    {
        QImage leer(BildBreite, BildHoehe, QImage::Format_RGB32);
        ZeichneEbene(leer, form.Anzeige);
        return leer;
    }

    int punkte(const QColor& farbe) const
    {
        int n = 0;
        for (int y = 0; y < BildHoehe; ++y)
            for (int x = 0; x < BildBreite; ++x)
                n += bild().pixelColor(x, y) == farbe;
        return n;
    }
};

TEST_F(ZeichnenTest, KoordinatensystemZeigtDieEbene)
{
    ASSERT_FALSE(ebene->isVisible());
    form.ZeichneKoordinatensystem();
    EXPECT_TRUE(ebene->isVisible());
    EXPECT_EQ(bild(), leereEbene());
}

TEST_F(ZeichnenTest, VorgegebenesSchaubildNurInAufgaben)
{
    gibParabelVor(1);
    form.ZeichneVorgFunktion();
    EXPECT_EQ(bild(), leereEbene()) << "simple drawing has no given function";

    gibParabelVor(2);
    form.VorgTyp = KeinTyp;
    form.ZeichneVorgFunktion();
    EXPECT_EQ(bild(), leereEbene()) << "a task without a type";

    gibParabelVor(3);
    form.ZeichneVorgFunktion();
    EXPECT_EQ(bild().pixelColor(359, 179), Blau) << "the vertex";
    EXPECT_GT(punkte(Blau), 200);
}

TEST_F(ZeichnenTest, AbschnitteBeschraenkenDasVorgegebeneSchaubild)
{
    gibParabelVor(2);
    form.Abschnitte.Anzahl = 1;
    form.Abschnitte.Von[0] = 1;
    form.Abschnitte.Bis[0] = 3;
    form.ZeichneVorgFunktion();
    EXPECT_EQ(bild().pixelColor(359, 179), Blau);
    EXPECT_EQ(bild().pixelColor(323, 143), Blau) << "x = 1 starts the run";
    EXPECT_NE(bild().pixelColor(395, 143), Blau) << "x = 3 ends it, the end point excluded";
    for (int y = 0; y < BildHoehe; ++y) {
        EXPECT_NE(bild().pixelColor(322, y), Blau) << "left of x = 1, row " << y;
        EXPECT_NE(bild().pixelColor(396, y), Blau) << "right of x = 3, row " << y;
    }
}

struct Anfrage {
    const char* fall;
    int modus;
    const char* beschriftung;
    bool freigegeben;
    bool userSchaubild;
};

class UserSchaubildTest : public ZeichnenTest, public ::testing::WithParamInterface<Anfrage> {};

TEST_P(UserSchaubildTest, NurWennEsVerlangtWurde)
{
    const Anfrage& a = GetParam();
    gibParabelVor(a.modus);
    waehleHyperbel(QString::fromUtf8(a.beschriftung));
    zeichnen->setEnabled(a.freigegeben);
    form.ZeichneUserFunktion();
    EXPECT_EQ(bild().pixelColor(323, 179) == Rot, a.userSchaubild) << "y = 1/x at x = 1";
    EXPECT_EQ(bild().pixelColor(359, 179) == Blau, a.modus > 1) << "the given vertex";
}

INSTANTIATE_TEST_SUITE_P(
    Modi, UserSchaubildTest,
    ::testing::Values(Anfrage{"Zeichnen_vor_dem_Knopf", 1, "Schaubild zeichnen", true, false},
                      Anfrage{"Zeichnen_nach_dem_Knopf", 1, "Schaubild neu zeichnen", true, true},
                      Anfrage{"Datei", 2, "Schaubild neu zeichnen", true, true},
                      Anfrage{"Uebung_vor_dem_Knopf", 3, "Schaubild zeichnen", true, false},
                      Anfrage{"Uebung", 3, "Schaubild neu zeichnen", true, true},
                      Anfrage{"Test_nicht_abgegeben", 4, "OK        (nur ein Versuch!)", true, false},
                      Anfrage{"Test_abgegeben", 4, "OK        (nur ein Versuch!)", false, true}),
    [](const auto& info) { return std::string(info.param.fall); });

TEST_F(ZeichnenTest, OhneTypKeinUserSchaubild)
{
    gibParabelVor(3);
    waehleHyperbel();
    form.UserTyp = KeinTyp;
    form.ZeichneUserFunktion();
    EXPECT_EQ(punkte(Rot), 0);
}

TEST_F(ZeichnenTest, EinfachesZeichnenBeginntAufLeererEbene)
{
    form.Modus = 1;
    waehleHyperbel();
    form.ZeichneUserFunktion();
    const int hyperbel = punkte(Rot);
    EXPECT_GT(hyperbel, 200);

    form.UserTyp = Gerade;
    form.Terme[Gerade * 3 + RolleAnzeige]->Parameter = {{0, 5.5}};
    form.ZeichneUserFunktion();
    EXPECT_EQ(bild().pixelColor(323, 179), Farbe(0xC0C0C0)) << "the hyperbola is gone";
    EXPECT_EQ(punkte(Rot), BildBreite) << "only the line y = 5.5";
}

TEST_F(ZeichnenTest, UserHyperbelSpringtNichtUeberDenPol)
{
    form.Modus = 1;
    waehleHyperbel();
    form.ZeichneUserFunktion();
    for (int y = 0; y < BildHoehe; ++y)
        EXPECT_NE(bild().pixelColor(287, y), Rot) << "the pole, row " << y;
}

TEST_F(ZeichnenTest, RechenfehlerWirdGemeldetUndDasProgrammBleibtBenutzbar)
{
    gibParabelVor(2);
    form.VorgTyp = Exponential;
    form.VorgParameter = {{1, -2, 0}};
    waehleHyperbel();
    form.Behandle([this] { form.ZeichneUserFunktion(); });

    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].art, AufzeichnendeDialoge::Art::Fehler);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("Kurvix"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Ungültige Gleitkommaoperation."));
    EXPECT_EQ(bild(), leereEbene()) << "the bare plane: no given and no own graph";

    form.VorgParameter = {{1, 2, 0}};
    form.Behandle([this] { form.ZeichneUserFunktion(); });
    EXPECT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(bild().pixelColor(323, 179), Rot);
    EXPECT_GT(punkte(Blau), 100);
}

} // namespace
