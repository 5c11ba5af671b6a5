// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace {

class EingabeTest : public FensterTest {
protected:
    // The pupil has chosen a type in simple drawing: its equations show.
    void zeichneFrei(int typ)
    {
        menue("MemEinfachesZeichnen");
        waehle(typ);
    }

    // The value equation as it reads: every label that shows something,
    // left to right.
    QStringList gelesen(int typ)
    {
        std::vector<QLabel*> stuecke;
        for (QLabel* label : anzeige(typ).Tafel->findChildren<QLabel*>())
            if (label->isVisible() && label->width() > 0 && !label->text().isEmpty())
                stuecke.push_back(label);
        std::sort(stuecke.begin(), stuecke.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        QStringList texte;
        for (const QLabel* label : stuecke)
            texte << label->text();
        return texte;
    }
};

TEST_F(EingabeTest, AnzeigeFolgtJedemTastendruck)
{
    zeichneFrei(Parabel2);
    const ParameterSatz& p = anzeige(Parabel2).Parameter;
    QLineEdit* a = feld(Parabel2, 0);
    a->clear();
    EXPECT_EQ(p[0], 0);
    const std::pair<char, double> schritte[] = {{'1', 1}, {'/', 0}, {'3', 0.33333}};
    for (const auto& [taste, wert] : schritte) {
        QTest::keyClick(a, taste);
        EXPECT_EQ(p[0], wert) << "after " << taste;
    }
    EXPECT_EQ(anzeige(Parabel2).Werte[0]->text(), MitTrenner("0,33333"));
    tippe(Parabel2, 1, "-2");
    tippe(Parabel2, 2, "1");
    EXPECT_EQ(p, (ParameterSatz{{0.33333, -2, 1, 0}}));
    EXPECT_EQ(gelesen(Parabel2), QStringList({"=", MitTrenner("0,33333"), "(x", "- 2", ") ", "2", "+ 1"}));
}

TEST_F(EingabeTest, AnzeigeZeigtWinzigeWerteInExponentform)
{
    zeichneFrei(Gerade);
    tippe(Gerade, 0, ".00005");
    EXPECT_EQ(anzeige(Gerade).Werte[0]->text(), MitTrenner("5E-5"));
    tippe(Gerade, 0, "0.0001");
    EXPECT_EQ(anzeige(Gerade).Werte[0]->text(), MitTrenner("0,0001"));
}

TEST_F(EingabeTest, OhneGewaehltenTypWirdNichtsGespeichert)
{
    menue("MemEinfachesZeichnen");
    for (int typ = 0; typ < AnzahlTypen; ++typ)
        waehle(typ); // builds its boxes
    zufall.zuege = {0, 7, 1, 18};
    starte(Modus::Uebung, {0, 1, 2, 3, 4, 5, 6}); // a new task, no type chosen
    for (int typ = 0; typ < AnzahlTypen; ++typ)
        tippe(typ, 0, "5");
    for (int typ = 0; typ < AnzahlTypen; ++typ)
        EXPECT_EQ(anzeige(typ).Parameter[0], 1) << "type " << typ;
}

TEST_F(EingabeTest, EingabetasteZeichnetDasSchaubild)
{
    zeichneFrei(Gerade);
    const QImage vorher = bild().copy();
    EXPECT_EQ(zeichnen->text(), QStringLiteral("Schaubild zeichnen"));
    QTest::keyClick(feld(Gerade, 1), Qt::Key_Return);
    EXPECT_EQ(zeichnen->text(), QStringLiteral("Schaubild neu zeichnen"));
    EXPECT_NE(bild(), vorher) << "the pupil's line y = x is drawn";
    EXPECT_EQ(bild().pixelColor(287 + 36, 215 - 36), Farbe(0x0000FF)) << "(1 | 1) lies on it";
    EXPECT_TRUE(dialoge.boxen.empty());

    tippe(Gerade, 1, "2");
    QTest::keyClick(feld(Gerade, 1), Qt::Key_Enter);
    EXPECT_EQ(bild().pixelColor(287 + 36, 215 - 108), Farbe(0x0000FF)) << "y = x + 2 passes (1 | 3)";
}

TEST_F(EingabeTest, EingabetasteImTestZeigtNurEineMeldung)
{
    zufall.zuege = {0, 7, 1, 18};
    starte(Modus::Test, {Gerade, Betrag});
    waehle(Gerade);
    const QImage vorher = bild().copy();
    QTest::keyClick(feld(Gerade, 0), Qt::Key_Return);
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].art, AufzeichnendeDialoge::Art::Meldung);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("Eingabetaste beim Test nicht verfügbar"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Falls die Eingabe fertig ist, bitte auf den OK-Knopf klicken"));
    EXPECT_EQ(bild(), vorher);
    EXPECT_EQ(zeichnen->text(), QStringLiteral("OK        (nur ein Versuch!)"));
    EXPECT_TRUE(zeichnen->isEnabled()) << "not submitted";
}

} // namespace
