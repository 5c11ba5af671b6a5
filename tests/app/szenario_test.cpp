// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil's way through the program, clicked and typed through the real
// window: menus, the selection dialog, radio buttons, boxes and buttons.

#include "fenstertest.h"

#include "tasks/dateiinhalt.h"
#include "tasks/protokoll.h"
#include "term/bausteine.h"

#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStandardPaths>

#include <QDateTime>

#include <ctime>

namespace {

// The draws of one task y = 2x + 1 from the allowed types {Gerade, Betrag}.
const std::vector<int> ZweiXPlusEins{0, 7, 1, 18};

class SzenarioTest : public FensterTest {
protected:
    // As many tasks y = 2x + 1 as asked for.
    void aufgaben(int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            zufall.zuege.insert(zufall.zuege.end(), ZweiXPlusEins.begin(), ZweiXPlusEins.end());
    }

    // Chooses the line and types m = 2 and the given c.
    void antworte(const char* c)
    {
        waehle(Gerade);
        tippe(Gerade, 0, "2");
        tippe(Gerade, 1, c);
    }

    bool sichtbar(const char* name) const { return kind(name)->isVisible(); }
    QString text(const char* name) const { return kind<QLabel>(name)->text(); }
    bool aufgabenMenue() const { return kind<QMenu>("MenAufgabe")->menuAction()->isEnabled(); }
    QProgressBar* balken() const { return kind<QProgressBar>("GTestErgebnis"); }
    QColor grund(const char* name) const { return kind(name)->palette().color(QPalette::Window); }

    void pruefeGrundzustand() const
    {
        EXPECT_TRUE(sichtbar("LBitteAufgabeAuswaehlen"));
        for (const char* verborgen : {"IEbene", "BUeberspringen", "PTestErgebnis", "PRichtig", "LBitteFunktionAuswaehlen"})
            EXPECT_FALSE(sichtbar(verborgen)) << verborgen;
        EXPECT_FALSE(zeichnen->isEnabled());
        for (const QRadioButton* knopf : form.TypKnopf) {
            EXPECT_FALSE(knopf->isEnabled());
            EXPECT_FALSE(knopf->isChecked());
        }
        EXPECT_TRUE(aufgabenMenue());
    }
};

TEST_F(SzenarioTest, UebungNachEinemFehlversuchGeloest)
{
    aufgaben(1);
    starte(Modus::Uebung, {Gerade, Betrag});
    EXPECT_TRUE(sichtbar("LBitteFunktionAuswaehlen"));
    EXPECT_FALSE(form.TypKnopf[Parabel2]->isEnabled()) << "not allowed";
    antworte("2");
    klicke("BZeichnen");
    EXPECT_FALSE(sichtbar("PRichtig")) << "a wrong exercise answer shows no verdict";
    EXPECT_TRUE(kind("BUeberspringen")->isEnabled());
    EXPECT_TRUE(aufgabenMenue());

    tippe(Gerade, 1, "1");
    QTest::keyClick(feld(Gerade, 1), Qt::Key_Return);
    EXPECT_TRUE(sichtbar("PRichtig"));
    EXPECT_EQ(text("LRichtig2"), QStringLiteral("richtig!"));
    EXPECT_TRUE(sichtbar("IRichtig"));
    EXPECT_EQ(grund("LRichtig2"), Farbe(0xFFFFFF));
    EXPECT_EQ(kind<Figur>("SRichtig")->pinsel(), Farbe(0xFFFFFF));
    EXPECT_FALSE(aufgabenMenue());
    EXPECT_FALSE(zeichnen->isEnabled());
    EXPECT_TRUE(form.Ablauf().Verlauf().Aufgaben().empty()) << "an exercise leaves no record";
    EXPECT_FALSE(kind("BUeberspringen")->isEnabled());

    klicke("BRichtigFertig");
    pruefeGrundzustand();
}

TEST_F(SzenarioTest, DreiVonVierAufAnhiebImTest)
{
    aufgaben(4);
    starte(Modus::Test, {Gerade, Betrag});
    EXPECT_TRUE(sichtbar("PTestErgebnis"));
    EXPECT_FALSE(balken()->isVisible());
    bool erste = true;
    for (const char* c : {"1", "3", "1", "1"}) {
        if (!erste)
            klicke("BRichtigNaechste");
        erste = false;
        antworte(c);
        klicke("BZeichnen");
    }
    EXPECT_EQ(text("LTestErgebnis2"), QStringLiteral("Anzahl der Aufgaben: 4"));
    EXPECT_TRUE(balken()->isVisible());
    EXPECT_EQ(balken()->value(), 75);
}

TEST_F(SzenarioTest, FalschDannRichtigZaehltNicht)
{
    aufgaben(3);
    starte(Modus::Test, {Gerade, Betrag});
    antworte("5");
    EXPECT_EQ(zeichnen->text(), QStringLiteral("OK        (nur ein Versuch!)"));
    klicke("BZeichnen");
    EXPECT_EQ(text("LRichtig2"), QStringLiteral("falsch!"));
    EXPECT_FALSE(sichtbar("IRichtig")) << "the skull shows";
    EXPECT_EQ(grund("LRichtig2"), Farbe(0x000000));
    EXPECT_EQ(kind<Figur>("SRichtig")->pinsel(), Farbe(0x000000));
    EXPECT_EQ(zeichnen->text(), QStringLiteral("Ok (Weitere Versuche)"));
    EXPECT_TRUE(zeichnen->isEnabled());
    EXPECT_EQ(text("LTestErgebnis2"), QStringLiteral("Anzahl der Aufgaben: 1"));

    tippe(Gerade, 1, "1");
    klicke("BZeichnen");
    EXPECT_EQ(text("LRichtig2"), QStringLiteral("richtig!"));
    EXPECT_EQ(balken()->value(), 0) << "only the first attempt counts";

    klicke("BRichtigNaechste");
    antworte("1");
    klicke("BZeichnen");
    klicke("BRichtigNaechste");
    antworte("0");
    klicke("BZeichnen");
    EXPECT_EQ(balken()->value(), 33) << "1 of 3, truncated";
}

TEST_F(SzenarioTest, ZweiTestsZaehlenWeiterUndUeberspringenZaehltMit)
{
    aufgaben(5);
    starte(Modus::Test, {Gerade, Betrag});
    antworte("1");
    klicke("BZeichnen");
    klicke("BRichtigFertig");
    pruefeGrundzustand();

    starte(Modus::Test, {Gerade, Betrag});
    EXPECT_EQ(text("LTestErgebnis2"), QStringLiteral("Anzahl der Aufgaben: 1")) << "the first test's figures";
    EXPECT_EQ(balken()->value(), 100);
    klicke("BUeberspringen");
    klicke("BUeberspringen");
    EXPECT_EQ(text("LTestErgebnis2"), QStringLiteral("Anzahl der Aufgaben: 3"));
    EXPECT_EQ(form.Ablauf().AnzahlAufgaben(), 4) << "the next task is posed and counted";
    EXPECT_EQ(balken()->value(), 33);
}

TEST_F(SzenarioTest, EinzigerTypMitOkKnopf)
{
    zufall.zuege = {0, 7, 1, 18};
    starte(Modus::Test, {Gerade});
    EXPECT_TRUE(form.TypKnopf[Gerade]->isChecked());
    EXPECT_TRUE(zeichnen->isEnabled());
    EXPECT_EQ(zeichnen->text(), QStringLiteral("OK        (nur ein Versuch!)"));
    EXPECT_FALSE(sichtbar("LBitteFunktionAuswaehlen"));
}

// m = -0.5 becomes 0.5; c = 0.
TEST_F(SzenarioTest, KeineToleranz)
{
    zufall.zuege = {0, 2, 1, 10};
    starte(Modus::Uebung, {Gerade, Betrag});
    ASSERT_EQ(aufgabe().VorgParameter[0], 0.5);
    waehle(Gerade);
    tippe(Gerade, 0, ",50001");
    tippe(Gerade, 1, "0");
    klicke("BZeichnen");
    EXPECT_FALSE(sichtbar("PRichtig"));
    tippe(Gerade, 0, "1/2");
    klicke("BZeichnen");
    EXPECT_TRUE(sichtbar("PRichtig")) << "a fraction is as good as its value";
}

TEST_F(SzenarioTest, ZuletztGewaehlterTypBehaeltSeineWerte)
{
    menue("MemEinfachesZeichnen");
    waehle(Parabel2);
    tippe(Parabel2, 0, "3");
    menue("MemEinfachesZeichnen");
    EXPECT_FALSE(form.TypKnopf[Parabel2]->isChecked());
    waehle(Parabel2);
    EXPECT_EQ(feld(Parabel2, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(anzeige(Parabel2).Parameter[0], 3);
    waehle(Gerade);
    waehle(Parabel2);
    EXPECT_EQ(feld(Parabel2, 0)->text(), QStringLiteral("1")) << "another type in between resets it";
}

TEST_F(SzenarioTest, GeradeGiltAlsTypTrotzNummerNull)
{
    aufgaben(2);
    starte(Modus::Uebung, {Gerade, Betrag});
    antworte("4");
    klicke("BUeberspringen");
    EXPECT_FALSE(form.TypKnopf[Gerade]->isChecked());
    EXPECT_FALSE(form.Terme[Gerade * 3 + RolleEingabe]->Tafel->isVisible());
    EXPECT_EQ(feld(Gerade, 1)->text(), QStringLiteral("0")) << "reset to the basic line";
}

TEST_F(SzenarioTest, FestesAussehenVonAnzeigen)
{
    EXPECT_EQ(balken()->minimum(), 0);
    EXPECT_EQ(balken()->maximum(), 100);
    EXPECT_EQ(balken()->palette().color(QPalette::Highlight), Farbe(0x008000));
    EXPECT_EQ(kind<QLabel>("LBitteAufgabeAuswaehlen")->alignment(), Qt::AlignCenter);
    EXPECT_EQ(kind<Figur>("SRichtig")->stift(), Farbe(0xFFFFFF));
}

// The generator is seeded from the time of day in UTC, whatever the local
// time zone.
TEST(Startzeit, SaatAusDerWeltzeit)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "XYZ-5:30");
    tzset();
    AufzeichnendeDialoge dialoge;
    SkriptZufall zufall;
    const int vorher = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
    const TForm1 form{dialoge, zufall};
    const int nachher = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
    ASSERT_TRUE(zufall.saat.has_value());
    const auto saat = static_cast<int>(*zufall.saat);
    if (nachher >= vorher) { // not across midnight
        EXPECT_GE(saat, vorher);
        EXPECT_LE(saat, nachher);
    }
}

} // namespace

namespace {

// pdftotext's text of a PDF in its layout, or nothing without poppler.
std::optional<QString> pdfText(const QString& pdf)
{
    const QString programm = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programm.isEmpty())
        return std::nullopt;
    QProcess lauf;
    lauf.start(programm, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(lauf.waitForFinished(30000));
    return QString::fromUtf8(lauf.readAllStandardOutput());
}

// Right at once, right at the second attempt, wrong, skipped, and the
// fifth task open; saved once where it cannot be written, then elsewhere.
TEST_F(SzenarioTest, TestprotokollWieDerBalken)
{
    EXPECT_FALSE(kind<QAction>("MenTestprotokoll")->isEnabled());
    aufgaben(5);
    starte(Modus::Test, {Gerade, Betrag});
    EXPECT_TRUE(kind<QAction>("MenTestprotokoll")->isEnabled());
    for (const std::vector<const char*>& versuche : std::vector<std::vector<const char*>>{{"1"}, {"5", "1"}, {"3"}}) {
        antworte(versuche.front());
        for (const char* c : versuche) {
            tippe(Gerade, 1, c);
            klicke("BZeichnen");
        }
        klicke("BRichtigNaechste");
    }
    klicke("BUeberspringen");
    EXPECT_EQ(text("LTestErgebnis2"), QStringLiteral("Anzahl der Aufgaben: 4"));
    EXPECT_EQ(balken()->value(), 25);

    dialoge.bedienung = [](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("EName"))->setText(QStringLiteral("Jürgen Ölmann")); // keyClicks is ASCII only
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("EKlasse")), QStringLiteral("10b"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("BOk")), Qt::LeftButton);
    };
    dialoge.speicherAntwort = ordner.filePath(QStringLiteral("fehlt/p.pdf"));
    menue("MenTestprotokoll");
    ASSERT_EQ(dialoge.boxen.size(), 1u);
    EXPECT_TRUE(dialoge.boxen[0].text.contains(QStringLiteral("fehlt/p.pdf"))) << dialoge.boxen[0].text.toStdString();
    const QString pfad = ordner.filePath(QStringLiteral("p.pdf"));
    dialoge.speicherAntwort = pfad;
    menue("MenTestprotokoll");
    EXPECT_EQ(dialoge.gezeigt, Texte({"TNamensDialog"})) << "the name is asked once";
    EXPECT_EQ(dialoge.speicherVorschlaege.value(1),
              QDir::home().filePath(QStringLiteral("Testprotokoll_Jürgen Ölmann_%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate))));

    const std::optional<Testprotokoll> gelesen = LiesProtokoll(LiesDateiinhalt(pfad));
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->Name, QStringLiteral("Jürgen Ölmann"));
    EXPECT_EQ(Zaehle(gelesen->Aufgaben), (Zusammenfassung{4, 1, 25}));
    const std::optional<QString> text = pdfText(pfad);
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed";
    const QRegularExpression zeilen(QStringLiteral(
        "Name: Jürgen Ölmann\\s+Klasse: 10b.*Arbeitsform: Test.*"
        "1 +f\\(x\\) = 2·x \\+ 1 +f\\(x\\) = 2·x \\+ 1 +f\\(x\\) = 2·x \\+ 1 +✓.*"
        "2 +f\\(x\\) = 2·x \\+ 1 +f\\(x\\) = 2·x \\+ 5 +f\\(x\\) = 2·x \\+ 1 +✗.*"
        "3 +f\\(x\\) = 2·x \\+ 1 +f\\(x\\) = 2·x \\+ 3 +f\\(x\\) = 2·x \\+ 3 +✗.*"
        "4 +f\\(x\\) = 2·x \\+ 1 +– +übersprungen +✗.*"
        "5 +f\\(x\\) = 2·x \\+ 1 +– +offen +–.*"
        "Anzahl der Aufgaben: 4\\s+beim ersten Versuch richtig: 1 \\(25 %\\)"),
        QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(zeilen.match(*text).hasMatch()) << text->toStdString();
}

} // namespace
