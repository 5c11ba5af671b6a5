// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

#include "app/schrittfolge.h"
#include "plot/schrittbild.h"

#include <QAccessible>

namespace {

class LoesungswegTest : public FensterTest {
protected:
    // The steps stand still until → or Space, so that each can be looked at.
    LoesungswegTest()
    {
        schau->Bewegung = std::chrono::milliseconds(1);
        schau->Dauer = std::chrono::hours(1);
    }

    // The hint shown, as a screen reader reads it.
    QString gesagt() const
    {
        auto* box = kind<QLabel>("LHinweis");
        const QString name = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
        EXPECT_EQ(name, box->isVisible() ? box->text() : QStringLiteral("Hinweis"));
        return box->isVisible() ? name : QString();
    }

    void taste(Qt::Key taste) { QTest::keyClick(ebene, taste); }

    // Pixels of a colour in the frame after the step's animation has run.
    int inFarbe(const QColor& farbe)
    {
        const auto* bewegung = schau->findChild<QVariantAnimation*>();
        EXPECT_TRUE(QTest::qWaitFor([&] { return bewegung->state() == QAbstractAnimation::Stopped; }));
        int n = 0;
        for (int x = 0; x < BildBreite; ++x)
            n += inSpalte(x, farbe);
        return n;
    }

    QAction* eintrag = kind<QAction>("MenLoesungsweg");
    Schrittfolge* schau = form.findChild<Schrittfolge*>(QStringLiteral("Schrittfolge"));
};

// A task file's parabola -2·(x - 1)² + 3 in four steps: the grey basic graph
// moves, the sentence stands in the hint box, and after the last step the
// grey graph lies under the given one. Then the summary stays until the next
// task, and the record notes the showing. A sine and an exponential follow,
// ended by Esc and by a click.
TEST_F(LoesungswegTest, DateiaufgabenSchrittFuerSchritt)
{
    oeffneDatei({"Wege", "3 5 7", "3 -2 -1 3", "5 1 2 0 0", "7 1 2 1"});
    EXPECT_EQ(eintrag->shortcut(), QKeySequence(Qt::Key_F4));
    const QImage vorher = bild();
    const QString beschreibung = ebene->accessibleDescription();
    const QString zusammenfassung = QStringLiteral("Die Normalparabel wird mit dem Faktor 2 gestreckt, an der x-Achse "
                                                   "gespiegelt, um 1 nach rechts und um 3 nach oben verschoben.");
    menue("MenLoesungsweg");
    EXPECT_EQ(ebene->accessibleDescription(), zusammenfassung);
    QStringList saetze{gesagt()};
    EXPECT_GT(inFarbe(Wegfarbe), 100) << "the basic graph in grey";
    for (const Qt::Key weiter : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Right}) {
        taste(weiter);
        saetze << gesagt();
    }
    EXPECT_EQ(saetze, Texte({"Das Schaubild wird in y-Richtung mit dem Faktor 2 gestreckt.", "Das Schaubild wird an der x-Achse "
                             "gespiegelt.", "Das Schaubild wird um 1 nach rechts verschoben.", "Das Schaubild wird um 3 nach oben verschoben."}));
    EXPECT_EQ(inFarbe(Wegfarbe), 0) << "the grey graph under the given one";
    int amScheitel = 0; // x = 1 is column 323; the head reaches 4 columns either side
    for (int x = 316; x <= 330; ++x)
        amScheitel += inSpalte(x, Pfeilfarbe);
    EXPECT_GT(amScheitel, 100) << "the arrow from (1|0) up to the vertex";
    EXPECT_EQ(inFarbe(Pfeilfarbe), amScheitel);
    taste(Qt::Key_Right);
    EXPECT_EQ(gesagt(), zusammenfassung);
    EXPECT_EQ(ebene->accessibleDescription(), beschreibung);
    EXPECT_EQ(bild(), vorher);
    EXPECT_TRUE(form.Ablauf().Verlauf().Aufgaben()[0].LoesungswegAngesehen);

    klicke("BUeberspringen");
    EXPECT_EQ(gesagt(), QString());
    menue("MenLoesungsweg");
    EXPECT_EQ(gesagt(), QStringLiteral("Das Schaubild wird in x-Richtung mit dem Faktor 1/2 gestaucht."));
    taste(Qt::Key_Escape);
    EXPECT_EQ(gesagt(), QStringLiteral("Die Sinuskurve wird in x-Richtung mit dem Faktor 1/2 gestaucht."));

    klicke("BUeberspringen");
    menue("MenLoesungsweg");
    EXPECT_EQ(gesagt(), QStringLiteral("Das Schaubild wird um 1 nach oben verschoben."));
    QTest::mouseClick(ebene, Qt::LeftButton);
    EXPECT_EQ(gesagt(), QStringLiteral("Die Exponentialkurve y = 2ˣ wird um 1 nach oben verschoben."));
}

// In free drawing the own graph's way, once drawn, until the next drawing;
// F4 again ends it, as does the last step's time; none in a test.
TEST_F(LoesungswegTest, EigenesSchaubildUndTest)
{
    menue("MemEinfachesZeichnen");
    waehle(Parabel2);
    EXPECT_FALSE(eintrag->isEnabled()) << "nothing drawn yet";
    tippe(Parabel2, 0, "2");
    klicke("BZeichnen");
    eintrag->trigger();
    EXPECT_EQ(gesagt(), QStringLiteral("Das Schaubild wird in y-Richtung mit dem Faktor 2 gestreckt."));
    eintrag->trigger(); // F4 again ends it
    EXPECT_EQ(gesagt(), QStringLiteral("Die Normalparabel wird mit dem Faktor 2 gestreckt."));
    schau->Dauer = std::chrono::milliseconds(5);
    eintrag->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !schau->Laeuft(); }));
    EXPECT_EQ(gesagt(), QStringLiteral("Die Normalparabel wird mit dem Faktor 2 gestreckt.")) << "the steps run on by themselves";
    klicke("BZeichnen");
    EXPECT_EQ(gesagt(), QString());
    waehle(Gerade);
    klicke("BZeichnen");
    EXPECT_TRUE(eintrag->isEnabled()) << "the line is the first type";
    zufall.zuege = {0, 7, 1, 18};
    starte(Modus::Test, {Gerade, Betrag});
    EXPECT_FALSE(eintrag->isEnabled());
}

} // namespace
