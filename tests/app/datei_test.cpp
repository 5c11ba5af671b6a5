// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Task files opened through the real menu and the file dialog.

#include "fenstertest.h"

#include <QDir>

namespace {

using DateiFensterTest = FensterTest;

TEST_F(DateiFensterTest, EineReiheLoesenUndUeberspringen)
{
    oeffneDatei({"Klasse 10: Parabeln und Geraden", "1 3", "3 1 -2 1", "1 2 -3 (0;5)"});
    ASSERT_EQ(dialoge.dateiFragen.size(), 1U);
    EXPECT_EQ(dialoge.dateiFragen[0].filter, QStringLiteral("Aufgabendatei (*.sba)"));
    EXPECT_EQ(dialoge.dateiFragen[0].endung, QStringLiteral("sba"));
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("Aufgabendatei einlesen"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Klasse 10: Parabeln und Geraden"));
    EXPECT_TRUE(ebene->isVisible());
    EXPECT_TRUE(kind("BUeberspringen")->isVisible());
    EXPECT_TRUE(form.TypKnopf[Parabel2]->isEnabled());
    EXPECT_FALSE(form.TypKnopf[Betrag]->isEnabled());

    waehle(Parabel2);
    tippe(Parabel2, 1, "-2");
    tippe(Parabel2, 2, "1");
    klicke("BZeichnen");
    EXPECT_TRUE(kind("PRichtig")->isVisible());
    klicke("BRichtigNaechste");
    EXPECT_EQ(aufgabe().VorgTyp, Gerade);
    klicke("BUeberspringen");

    EXPECT_TRUE(kind("LBitteAufgabeAuswaehlen")->isVisible());
    EXPECT_EQ(kind<QLabel>("LBitteAufgabeAuswaehlen")->text(), QStringLiteral("Bitte eine Aufgabenform wählen!"));
    EXPECT_FALSE(ebene->isVisible());
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
    EXPECT_EQ(dialoge.boxen.size(), 1U) << "the end comes without a message";

    const Verlauf& verlauf = form.Ablauf().Verlauf();
    EXPECT_EQ(verlauf.Arbeitsformen(), Texte({"aufgaben.sba: Klasse 10: Parabeln und Geraden"}));
    ASSERT_EQ(verlauf.Aufgaben().size(), 2U);
    EXPECT_FALSE(verlauf.Aufgaben()[0].Test);
    EXPECT_TRUE(verlauf.Aufgaben()[0].ErsterVersuchRichtig());
    EXPECT_EQ(verlauf.Aufgaben()[1].Abschnitte.Anzahl, 1);
    EXPECT_TRUE(verlauf.Aufgaben()[1].Uebersprungen);
}

TEST_F(DateiFensterTest, FehlerImKopfLassenDasFensterOhneAufgabe)
{
    oeffneDatei({"Kommentar", "3 9 3", "3 1 0 0"});
    ASSERT_EQ(dialoge.boxen.size(), 2U);
    EXPECT_EQ(dialoge.boxen[1].art, AufzeichnendeDialoge::Art::Fehler);
    EXPECT_EQ(dialoge.boxen[1].titel, QStringLiteral("Fehler"));
    EXPECT_EQ(dialoge.boxen[1].text,
              QStringLiteral("Fehler in der Aufgabendatei: Nummer eines Funktionstyps ist nicht erlaubt!"));
    EXPECT_TRUE(kind("LBitteAufgabeAuswaehlen")->isVisible());

    oeffneDatei({"Kommentar", "1 x", "3 1 0 0"});
    EXPECT_EQ(dialoge.boxen.back().text, QStringLiteral("'x' ist kein gültiger Integerwert."));
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
}

TEST_F(DateiFensterTest, UnlesbareDateiWirdGemeldet)
{
    oeffnePfad(ordner.filePath(QStringLiteral("fehlt.sba")));
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].art, AufzeichnendeDialoge::Art::Fehler);
    EXPECT_TRUE(dialoge.boxen[0].text.contains(QStringLiteral("fehlt.sba"))) << dialoge.boxen[0].text.toStdString();
    EXPECT_TRUE(kind("LBitteAufgabeAuswaehlen")->isVisible());

    dialoge.boxen.clear();
    dialoge.dateiAntwort.reset();
    menue("MenDateiEinlesen");
    EXPECT_TRUE(dialoge.boxen.empty()) << "cancelling shows nothing";
}

// A task that cannot be drawn is reported and can be skipped; it never
// blocks the tasks after it, not even with a single allowed type.
TEST_F(DateiFensterTest, UnzeichenbareAufgabeLaesstSichUeberspringen)
{
    oeffneDatei({"Kommentar", "7", "7 1 -2 0", "7 1 2 0"});
    ASSERT_EQ(dialoge.boxen.size(), 2U);
    EXPECT_EQ(dialoge.boxen[1].text, QStringLiteral("Ungültige Gleitkommaoperation."));
    EXPECT_TRUE(form.TypKnopf[Exponential]->isChecked());
    klicke("BUeberspringen");
    EXPECT_EQ(dialoge.boxen.size(), 2U);
    EXPECT_EQ(aufgabe().VorgParameter[1], 2);
    EXPECT_EQ(bild().pixelColor(287, 215 - 36), Farbe(0xFF0000)) << "y = 2^x through (0 | 1)";
}

// Every sample file for teachers opens and can be worked through, task by
// task, back to the state without a task.
TEST_F(DateiFensterTest, BeispieldateienLassenSichDurcharbeiten)
{
    const QStringList beispiele = QDir(QStringLiteral(KURVIX_BEISPIELE)).entryList({QStringLiteral("*.sba")});
    ASSERT_GE(beispiele.size(), 3);
    for (const QString& name : beispiele) {
        dialoge.boxen.clear();
        oeffnePfad(QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(name));
        ASSERT_EQ(dialoge.boxen.size(), 1U) << name.toStdString() << ": only the comment";
        int aufgaben = 0;
        while (form.Ablauf().Modus() == Modus::Datei && aufgaben < 100) {
            ++aufgaben;
            EXPECT_TRUE(form.TypKnopf[aufgabe().VorgTyp]->isEnabled()) << name.toStdString();
            klicke("BUeberspringen");
        }
        EXPECT_GT(aufgaben, 2) << name.toStdString();
        EXPECT_EQ(dialoge.boxen.size(), 1U) << name.toStdString() << ": no task line has a fault";
        EXPECT_TRUE(kind("LBitteAufgabeAuswaehlen")->isVisible());
    }
}

} // namespace
