#include "fenstertest.h"

#include <QMenu>

namespace {

class HilfenTest : public FensterTest {
protected:
    std::vector<bool> hilfen(bool (QAction::*eigenschaft)() const) const
    {
        std::vector<bool> werte;
        for (const char* name : {"MenSchaubildFolgt", "MenTipps", "MenGleichesSchaubild"})
            werte.push_back((kind<QAction>(name)->*eigenschaft)());
        return werte;
    }
};

// "Hilfen" comes after the display options; its first two items are off at
// start and disabled in a test, the third is on.
TEST_F(HilfenTest, UntermenueAmEndeDerOptionen)
{
    const QList<QAction*> optionen = kind<QMenu>("MenOptionen")->actions();
    ASSERT_EQ(optionen.size(), 4);
    EXPECT_EQ(optionen.back()->menu()->objectName(), QStringLiteral("MenHilfen"));
    QStringList texte;
    for (const QAction* eintrag : optionen.back()->menu()->actions())
        texte << eintrag->text();
    EXPECT_EQ(texte, Texte({"Schaubild folgt der Eingabe", "Tipps nach falscher Antwort", "Hinweis bei gleichem Schaubild"}));
    EXPECT_EQ(hilfen(&QAction::isChecked), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(hilfen(&QAction::isEnabled), (std::vector<bool>{true, true, true}));
    zufall.zuege = {0, 6, 12, 1, 1, 1};
    starte(Modus::Test, {Parabel2});
    EXPECT_EQ(hilfen(&QAction::isEnabled), (std::vector<bool>{false, false, true}));
}

// ↑ and ↓ step a box only while the own graph follows the input; the box,
// the value equation and the plot show the new value at once.
TEST_F(HilfenTest, PfeiltastenSchreitenDenWertFort)
{
    menue("MemEinfachesZeichnen");
    waehle(Parabel2);
    feld(Parabel2, 0)->selectAll();
    QTest::keyClicks(feld(Parabel2, 0), MitTrenner("1,5"));
    QTest::keyClick(feld(Parabel2, 0), Qt::Key_Up);
    EXPECT_EQ(feld(Parabel2, 0)->text(), MitTrenner("1,5")) << "off at start";

    menue("MenSchaubildFolgt");
    QTest::keyClick(feld(Parabel2, 0), Qt::Key_Up);
    EXPECT_EQ(feld(Parabel2, 0)->text(), MitTrenner("2,5"));
    QTest::keyClick(feld(Parabel2, 0), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(feld(Parabel2, 0)->text(), MitTrenner("2,4"));
    EXPECT_EQ(anzeige(Parabel2).Werte[0]->text(), MitTrenner("2,4"));
    EXPECT_EQ(bild().pixelColor(323, 129), Farbe(0x0000FF)) << "y = 2.4 at x = 1, never drawn with the button";
}

// A wrong answer brings its tip in the place of the verdict.
TEST_F(HilfenTest, TippAnStelleDesUrteils)
{
    menue("MenTipps");
    zeichneBeide();
    const auto* hinweis = kind<QLabel>("LHinweis");
    EXPECT_TRUE(hinweis->isVisible());
    EXPECT_EQ(hinweis->text(), QStringLiteral("Der Funktionstyp passt nicht."));
    EXPECT_EQ(hinweis->geometry(), QRect(4, 0, 216, 97));
    waehle(Parabel2);
    EXPECT_FALSE(hinweis->isVisible()) << "another type, another answer";
}

} // namespace
