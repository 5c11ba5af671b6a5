// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// A task file named on the command line opens as if it had been chosen in
// the file dialog: the same boxes, the same state of the window.

#include "app/befehlszeile.h"
#include "fenstertest.h"

#include <QCoreApplication>
#include <QDir>

namespace {

using Art = AufzeichnendeDialoge::Art;

struct Erwartete {
    Art art;
    const char* titel;
    const char* anfang; // the text begins so; %1 stands for the file's path
};

struct Start {
    const char* name;
    const char* beispiel;                 // a sample file, or
    std::optional<QByteArray> inhalt;     // the bytes of a file written for the test; nothing: no file
    Modus modus;
    int vorgTyp;
    std::vector<Erwartete> boxen;
};

const Start Starts[] = {
    {"Beispieldatei", "sinus.sba", std::nullopt, Modus::Datei, Sinus,
     {{Art::Meldung, "Aufgabendatei einlesen", "Die Sinuskurve ist gestreckt und verschoben. Finde a, k, d und c!"}}},
    {"ZeileOhneDaten", nullptr, MitKopf("Kommentar\r\n2 3\r\n2 1\r\n"), Modus::Datei, Betrag,
     {{Art::Meldung, "Aufgabendatei einlesen", "Kommentar"},
      {Art::Meldung, "Aufgabendatei einlesen", "Fehler! In der aktuellen Aufgabenzeile fehlen Daten!"}}},
    {"DateiFehlt", nullptr, std::nullopt, Modus::KeineAufgabe, KeinTyp,
     {{Art::Fehler, "Kurvix", "Die Datei „%1“ kann nicht geöffnet werden: "}}},
    {"ErsteZeileFalsch", nullptr, QByteArray("* Aufgabendatei\r\nKommentar\r\n1\r\n1 1 0\r\n"), Modus::KeineAufgabe, KeinTyp,
     {{Art::Fehler, "Fehler", "Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (1. Zeile ist unkorrekt)."}}},
    {"TypDoppelt", nullptr, MitKopf("Kommentar\r\n3 9 3\r\n3 1 0 0\r\n"), Modus::KeineAufgabe, KeinTyp,
     {{Art::Meldung, "Aufgabendatei einlesen", "Kommentar"},
      {Art::Fehler, "Fehler", "Fehler in der Aufgabendatei: Nummer eines Funktionstyps ist nicht erlaubt!"}}},
    {"KeineGanzeZahl", nullptr, MitKopf("Kommentar\r\n1 x\r\n3 1 0 0\r\n"), Modus::KeineAufgabe, KeinTyp,
     {{Art::Meldung, "Aufgabendatei einlesen", "Kommentar"},
      {Art::Fehler, "Kurvix", "'x' ist kein gültiger Integerwert."}}},
};

class StartTest : public FensterTest, public ::testing::WithParamInterface<Start> {
protected:
    QString pfad() const
    {
        if (GetParam().beispiel != nullptr)
            return QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(QString::fromLatin1(GetParam().beispiel));
        return ordner.filePath(QStringLiteral("aufgaben.sba"));
    }

    // What a window shows after a task file was opened.
    struct Bild {
        QStringList boxen;
        Modus modus;
        int vorgTyp;
        int gewaehlt;
        bool bitteAufgabe;
    };

    static Bild aufnahme(const TForm1& fenster, const AufzeichnendeDialoge& d)
    {
        QStringList boxen;
        for (const AufzeichnendeDialoge::Box& box : d.boxen)
            boxen << QStringLiteral("%1|%2|%3").arg(int(box.art)).arg(box.titel, box.text);
        return {boxen, fenster.Ablauf().Modus(), fenster.Ablauf().Aufgabe().VorgTyp, fenster.Ablauf().Zustand().Gewaehlt,
                fenster.findChild<QLabel*>(QStringLiteral("LBitteAufgabeAuswaehlen"))->isVisible()};
    }
};

TEST_P(StartTest, WieImDateidialog)
{
    const Start& s = GetParam();
    if (s.inhalt)
        SchreibeDatei(ordner, "aufgaben.sba", *s.inhalt);
    OeffneBeimStart(form, {Auftrag::Art::Fenster, {pfad()}, {}, 0});
    EXPECT_TRUE(dialoge.boxen.empty()) << "nothing before the event loop runs";
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
    QCoreApplication::processEvents();

    const Bild start = aufnahme(form, dialoge);
    EXPECT_TRUE(dialoge.dateiFragen.empty()) << "no file dialog";
    ASSERT_EQ(dialoge.boxen.size(), s.boxen.size()) << start.boxen.join(QLatin1Char('\n')).toStdString();
    for (std::size_t i = 0; i < s.boxen.size(); ++i) {
        EXPECT_EQ(dialoge.boxen[i].art, s.boxen[i].art) << i;
        EXPECT_EQ(dialoge.boxen[i].titel, QString::fromUtf8(s.boxen[i].titel)) << i;
        const QString anfang = QString::fromUtf8(s.boxen[i].anfang).replace(QStringLiteral("%1"), pfad());
        EXPECT_TRUE(dialoge.boxen[i].text.startsWith(anfang)) << dialoge.boxen[i].text.toStdString();
    }
    EXPECT_EQ(start.modus, s.modus);
    EXPECT_EQ(start.vorgTyp, s.vorgTyp);
    EXPECT_EQ(start.bitteAufgabe, s.modus == Modus::KeineAufgabe);

    AufzeichnendeDialoge dialoge2;
    TForm1 zweites(dialoge2, zufall);
    zweites.show();
    dialoge2.dateiAntwort = pfad();
    zweites.findChild<QAction*>(QStringLiteral("MenDateiEinlesen"))->trigger();
    const Bild menue = aufnahme(zweites, dialoge2);
    EXPECT_EQ(start.boxen, menue.boxen);
    EXPECT_EQ(start.modus, menue.modus);
    EXPECT_EQ(start.vorgTyp, menue.vorgTyp);
    EXPECT_EQ(start.gewaehlt, menue.gewaehlt);
    EXPECT_EQ(start.bitteAufgabe, menue.bitteAufgabe);
}

INSTANTIATE_TEST_SUITE_P(Dateien, StartTest, ::testing::ValuesIn(Starts),
                         [](const auto& info) { return std::string(info.param.name); });

// The series a start opened goes on like one opened from the menu.
TEST_F(FensterTest, ReiheAusDerBefehlszeileLaeuftWeiter)
{
    OeffneBeimStart(form, {Auftrag::Art::Fenster, {QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(QStringLiteral("sinus.sba"))}, {}, 0});
    QCoreApplication::processEvents();
    ASSERT_EQ(aufgabe().VorgTyp, Sinus);
    EXPECT_TRUE(form.TypKnopf[Sinus]->isChecked()) << "the one allowed type is chosen";
    EXPECT_EQ(aufgabe().VorgParameter, (ParameterSatz{{2, 1, 0, 0}}));
    klicke("BUeberspringen");
    EXPECT_EQ(aufgabe().VorgParameter, (ParameterSatz{{1, 2, 0, 0}}));
}

TEST_F(FensterTest, OhneDateiStartetNurDasFenster)
{
    OeffneBeimStart(form, {});
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialoge.boxen.empty());
    EXPECT_TRUE(kind("LBitteAufgabeAuswaehlen")->isVisible());
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
}

} // namespace
