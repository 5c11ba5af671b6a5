// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

#include <QAccessible>
#include <QMenu>

namespace {

class HilfenTest : public FensterTest {
protected:
    // Each item of "Hilfen" with its check mark and whether it is enabled.
    QStringList hilfen() const
    {
        QStringList eintraege;
        for (const QAction* e : kind<QMenu>("MenHilfen")->actions())
            eintraege << QStringLiteral("%1 %2%3").arg(e->text()).arg(e->isChecked()).arg(e->isEnabled());
        return eintraege;
    }
};

// "Hilfen" ends the display options. ↑/↓ step a box only while the graph follows
// the input; a tip takes the verdict's place; a test disables the first two items.
TEST_F(HilfenTest, UntermenueAmEndeDerOptionen)
{
    EXPECT_EQ(hilfen(), Texte({"Schaubild folgt der Eingabe 01", "Tipps nach falscher Antwort 01",
                               "Hinweis bei gleichem Schaubild 11", " 01", "Lösungsweg zeigen 00"}));
    menue("MemEinfachesZeichnen");
    waehle(Parabel2);
    feld(Parabel2, 0)->setText(MitTrenner("1,5"));
    QTest::keyClick(feld(Parabel2, 0), Qt::Key_Up);
    EXPECT_EQ(feld(Parabel2, 0)->text(), MitTrenner("1,5")) << "off at start";
    menue("MenSchaubildFolgt");
    QTest::keyClick(feld(Parabel2, 0), Qt::Key_Up);
    EXPECT_EQ(feld(Parabel2, 0)->text(), MitTrenner("2,5"));
    QTest::keyClick(feld(Parabel2, 0), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(anzeige(Parabel2).Werte[0]->text(), MitTrenner("2,4"));
    EXPECT_EQ(bild().pixelColor(323, 129), Farbe(0x0000FF)) << "y = 2.4 at x = 1: the graph follows";

    menue("MenTipps");
    zeichneBeide();
    const auto* hinweis = kind<QLabel>("LHinweis");
    EXPECT_EQ(hinweis->isVisible() ? hinweis->text() : QString(), QStringLiteral("Der Funktionstyp passt nicht."));
    EXPECT_EQ(hinweis->geometry(), QRect(4, 0, 216, 97));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(hinweis))->text(QAccessible::Name), hinweis->text()) << "read out";
    zufall.zuege.insert(zufall.zuege.end(), {0, 7, 1, 18});
    starte(Modus::Test, {Gerade, Betrag});
    EXPECT_FALSE(hinweis->isVisible()) << "a new task, a new answer";
    EXPECT_EQ(hilfen(), Texte({"Schaubild folgt der Eingabe 10", "Tipps nach falscher Antwort 10",
                               "Hinweis bei gleichem Schaubild 11", " 01", "Lösungsweg zeigen 00"}));
}

} // namespace
