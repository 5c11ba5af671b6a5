// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

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

    // The given parabola with its vertex at (2 | 1), on the plane.
    void zeichneParabel(const Abschnitte& abschnitte = {})
    {
        form.ZeichneKoordinatensystem();
        form.ZeichneVorgGraph({Parabel2, {{1, -2, 1}}, abschnitte});
    }
};

TEST_F(ZeichnenTest, EinfachesZeichnenZeigtDieLeereEbene)
{
    ASSERT_FALSE(ebene->isVisible());
    menue("MemEinfachesZeichnen");
    EXPECT_TRUE(ebene->isVisible());
    EXPECT_EQ(bild(), leereEbene());
}

TEST_F(ZeichnenTest, VorgegebenesSchaubild)
{
    zeichneParabel();
    EXPECT_EQ(bild().pixelColor(359, 179), Blau) << "the vertex";
    EXPECT_GT(punkte(Blau), 200);
}

TEST_F(ZeichnenTest, AbschnitteBeschraenkenDasVorgegebeneSchaubild)
{
    Abschnitte abschnitte;
    abschnitte.Anzahl = 1;
    abschnitte.Von[0] = 1;
    abschnitte.Bis[0] = 3;
    zeichneParabel(abschnitte);
    EXPECT_EQ(bild().pixelColor(359, 179), Blau);
    EXPECT_EQ(bild().pixelColor(323, 143), Blau) << "x = 1 starts the run";
    EXPECT_NE(bild().pixelColor(395, 143), Blau) << "x = 3 ends it, the end point excluded";
    for (int y = 0; y < BildHoehe; ++y) {
        EXPECT_NE(bild().pixelColor(322, y), Blau) << "left of x = 1, row " << y;
        EXPECT_NE(bild().pixelColor(396, y), Blau) << "right of x = 3, row " << y;
    }
}

TEST_F(ZeichnenTest, UserSchaubildErstNachDemKnopf)
{
    menue("MemEinfachesZeichnen");
    waehle(Hyperbel);
    EXPECT_EQ(punkte(Rot), 0) << "chosen, not yet drawn";
    klicke("BZeichnen");
    EXPECT_EQ(bild().pixelColor(323, 179), Rot) << "y = 1/x at x = 1";
    EXPECT_EQ(zeichnen->text(), QStringLiteral("Schaubild neu zeichnen"));
}

TEST_F(ZeichnenTest, EinfachesZeichnenBeginntAufLeererEbene)
{
    menue("MemEinfachesZeichnen");
    waehle(Hyperbel);
    klicke("BZeichnen");
    EXPECT_GT(punkte(Rot), 200);

    waehle(Gerade);
    tippe(Gerade, 0, "0");
    tippe(Gerade, 1, "5.5");
    klicke("BZeichnen");
    EXPECT_EQ(bild().pixelColor(323, 179), Farbe(0xC0C0C0)) << "the hyperbola is gone";
    EXPECT_EQ(punkte(Rot), BildBreite) << "only the line y = 5.5";
}

// The pupil's hyperbola breaks at its jumps, where the given one is joined
// across the pole; other graphs are never broken, however steep.
TEST_F(ZeichnenTest, NurDieUserHyperbelBrichtAnSpruengen)
{
    form.ZeichneKoordinatensystem();
    form.SetzeUserParameter(Hyperbel, 1, 0.3); // the pole between two columns
    form.ZeichneUserGraph(Hyperbel);
    int senkrecht = 0;
    for (int y = 0; y < BildHoehe; ++y)
        senkrecht += bild().pixelColor(276, y) == Rot || bild().pixelColor(277, y) == Rot;
    EXPECT_LT(senkrecht, BildHoehe / 2) << "no line joins the branches";

    form.ZeichneKoordinatensystem();
    form.ZeichneVorgGraph({Hyperbel, {{1, 0.3, 0}}, {}});
    senkrecht = 0;
    for (int y = 0; y < BildHoehe; ++y)
        senkrecht += bild().pixelColor(276, y) == Blau || bild().pixelColor(277, y) == Blau;
    EXPECT_EQ(senkrecht, BildHoehe) << "the given hyperbola is joined across the pole";

    form.ZeichneKoordinatensystem();
    form.SetzeUserParameter(Gerade, 0, 30);
    form.ZeichneUserGraph(Gerade);
    for (int y = 100; y < 330; ++y) {
        bool getroffen = false;
        for (int x = 282; x <= 292; ++x)
            getroffen = getroffen || bild().pixelColor(x, y) == Rot;
        EXPECT_TRUE(getroffen) << "the line y = 30x is unbroken, row " << y;
    }
}

TEST_F(ZeichnenTest, RechenfehlerWirdGemeldetUndDasProgrammBleibtBenutzbar)
{
    const auto zeichneExponential = [this](double basis) {
        form.Behandle([this, basis] {
            form.ZeichneKoordinatensystem();
            form.ZeichneVorgGraph({Exponential, {{1, basis, 0}}, {}});
            form.ZeichneUserGraph(Hyperbel);
        });
    };
    zeichneExponential(-2);
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].art, AufzeichnendeDialoge::Art::Fehler);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("Kurvix"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Ungültige Gleitkommaoperation."));
    EXPECT_EQ(bild(), leereEbene()) << "the bare plane: no given and no own graph";

    zeichneExponential(2);
    EXPECT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(bild().pixelColor(323, 179), Rot);
    EXPECT_GT(punkte(Blau), 100);
}

} // namespace
