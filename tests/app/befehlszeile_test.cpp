// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: what a start of the program is asked to do.

#include "app/anwendung.h"
#include "app/befehlszeile.h"
#include "testhilfe.h"

#include <gtest/gtest.h>

namespace {

struct Aufruf {
    const char* name;
    QStringList argumente; // after the program's path
    Auftrag::Art art;
    QStringList dateien;
    int status; // 2: a wrong call
    QStringList zeilen; // lines the printed text must hold
};

const Aufruf Aufrufe[] = {
    {"OhneArgument", {}, Auftrag::Art::Fenster, {}, 0, {}},
    {"EineDatei", {"klasse 10.sba"}, Auftrag::Art::Fenster, {"klasse 10.sba"}, 0, {}},
    {"DateiMitStrichNachZweiStrichen", {"--", "-neu.sba"}, Auftrag::Art::Fenster, {"-neu.sba"}, 0, {}},
    {"ZweiDateien", {"a.sba", "b.sba"}, Auftrag::Art::Ausgabe, {}, 2,
     {"kurvix: Es kann nur eine Aufgabendatei geöffnet werden.", "Aufruf und Optionen zeigt »kurvix --help«."}},
    {"UnbekannteOption", {"--pruefen", "a.sba"}, Auftrag::Art::Ausgabe, {}, 2,
     {"kurvix: Unbekannte Option 'pruefen'.", "Aufruf und Optionen zeigt »kurvix --help«."}},
    {"UnbekannteKurzoption", {"-x"}, Auftrag::Art::Ausgabe, {}, 2, {"kurvix: Unbekannte Option 'x'."}},
    {"HilfeLang", {"--help"}, Auftrag::Art::Ausgabe, {}, 0,
     {"Übungsprogramm zum Verschieben und Strecken von Schaubildern.",
      "Mit einer Aufgabendatei gestartet, öffnet es sie wie „Aufgabendatei einlesen“.",
      "Optionen:",
      "  -h, --help             Zeigt Hilfe zu den Kommandozeilenoptionen an.",
      "  -v, --version          Zeigt Versionsinformation an.",
      "  --arbeitsblatt         schreibt ein Arbeitsblatt mit Lösungen als PDF",
      "  --reihe                schreibt Zufallsaufgaben als Aufgabendatei",
      "  -o, --ausgabe <Datei>  die PDF-Datei, mit --reihe die Aufgabendatei (.sba)",
      "  --groesse <Prozent>    zeigt das Fenster in dieser Größe, 100 bis 300 (für",
      "  --uebersicht           öffnet das Fenster „Klassenübersicht“ mit den",
      "Argumente:",
      "  Aufgabendatei          die zu öffnende Aufgabendatei (.sba)"}},
    {"HilfeKurzGehtEinerDateiVor", {"a.sba", "-h"}, Auftrag::Art::Ausgabe, {}, 0, {"Optionen:"}},
    {"HilfeAllesGibtEsNicht", {"--help-all"}, Auftrag::Art::Ausgabe, {}, 2, {"kurvix: Unbekannte Option 'help-all'."}},
    {"VersionLang", {"--version"}, Auftrag::Art::Ausgabe, {}, 0, {"Kurvix " KURVIX_VERSION_ERWARTET}},
    {"VersionKurz", {"-v", "a.sba"}, Auftrag::Art::Ausgabe, {}, 0, {"Kurvix " KURVIX_VERSION_ERWARTET}},
    {"PruefenMehrererDateien", {"--pruefe", "a.sba", "b c.sba"}, Auftrag::Art::Pruefen, {"a.sba", "b c.sba"}, 0, {}},
    {"PruefenNachDerDatei", {"a.sba", "--pruefe"}, Auftrag::Art::Pruefen, {"a.sba"}, 0, {}},
    {"PruefenOhneDatei", {"--pruefe"}, Auftrag::Art::Ausgabe, {}, FalscherAufruf,
     {"kurvix: --pruefe braucht mindestens eine Aufgabendatei.", "Aufruf und Optionen zeigt »kurvix --help«."}},
    {"PruefenUndArbeitsblatt", {"--pruefe", "--arbeitsblatt", "a.sba"}, Auftrag::Art::Ausgabe, {}, FalscherAufruf,
     {"kurvix: --pruefe und --arbeitsblatt gehen nicht zusammen."}},
    {"HilfeVorPruefen", {"--pruefe", "a.sba", "--help"}, Auftrag::Art::Ausgabe, {}, 0, {"Optionen:"}},
    {"UebersichtOhneDatei", {"--uebersicht"}, Auftrag::Art::Uebersicht, {}, 0, {}},
    {"UebersichtMitOrdner", {"--uebersicht", "a.pdf", "klasse 10b"}, Auftrag::Art::Uebersicht, {"a.pdf", "klasse 10b"}, 0, {}},
    {"UebersichtUndAuswertung", {"--uebersicht", "--auswertung", "a.pdf"}, Auftrag::Art::Ausgabe, {}, FalscherAufruf,
     {"kurvix: --uebersicht geht nicht zusammen mit anderen Aufträgen."}},
    {"UebersichtUndArbeitsblatt", {"--uebersicht", "--zufall", "3"}, Auftrag::Art::Ausgabe, {}, FalscherAufruf,
     {"kurvix: --uebersicht geht nicht zusammen mit anderen Aufträgen."}},
    {"AuswertungMehrererProtokolle", {"--auswertung", "a.pdf", "b c.pdf"}, Auftrag::Art::Auswertung, {"a.pdf", "b c.pdf"}, 0, {}},
    {"AuswertungOhneProtokoll", {"--auswertung"}, Auftrag::Art::Ausgabe, {}, FalscherAufruf,
     {"kurvix: --auswertung braucht mindestens ein Testprotokoll."}},
    {"AuswertungMitBlattoption", {"--auswertung", "--zufall", "3", "a.pdf"}, Auftrag::Art::Ausgabe, {}, FalscherAufruf,
     {"kurvix: --auswertung geht nur mit -o zusammen."}},
};

class BefehlszeileTest : public ::testing::TestWithParam<Aufruf> {};

TEST_P(BefehlszeileTest, WirdGelesen)
{
    const Aufruf& a = GetParam();
    const Auftrag auftrag = LiesBefehlszeile(QStringList{QStringLiteral("/usr/bin/kurvix")} + a.argumente);
    EXPECT_EQ(auftrag.art, a.art);
    EXPECT_EQ(auftrag.Dateien, a.dateien);
    EXPECT_EQ(auftrag.Status, a.status);
    const QStringList zeilen = auftrag.Text.split(QLatin1Char('\n'));
    for (const QString& zeile : a.zeilen)
        EXPECT_TRUE(zeilen.contains(zeile)) << zeile.toStdString() << "\nin\n" << auftrag.Text.toStdString();
    EXPECT_EQ(auftrag.Text.isEmpty(), a.zeilen.isEmpty());
    if (!auftrag.Text.isEmpty()) {
        EXPECT_TRUE(auftrag.Text.endsWith(QLatin1Char('\n'))) << "a whole line, as a shell expects";
    }
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, BefehlszeileTest, ::testing::ValuesIn(Aufrufe),
                         [](const auto& info) { return std::string(info.param.name); });

// The window's size in percent, 100 to 300; Qt's scale factor follows it.
TEST(Befehlszeile, GroesseInProzent)
{
    const std::pair<const char*, int> faelle[] = {{"100", 100}, {"300", 300}, {"99", 0}, {"301", 0}, {"1,5", 0}};
    for (const auto& [wert, prozent] : faelle)
        EXPECT_EQ(LiesBefehlszeile({"kurvix", "--groesse", wert}).Groesse.value_or(0), prozent) << wert;
    EXPECT_TRUE(LiesBefehlszeile({"kurvix", "--groesse", "350"}).Text.contains("von 100 bis 300, nicht „350“"));
    SetzeGroesse(175);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.75"));
    qunsetenv("QT_SCALE_FACTOR");
}

TEST(Befehlszeile, HilfeNenntDenAufruf)
{
    const Auftrag auftrag = LiesBefehlszeile({QStringLiteral("kurvix"), QStringLiteral("--help")});
    EXPECT_TRUE(auftrag.Text.startsWith(QStringLiteral("Aufruf: "))) << auftrag.Text.toStdString();
    EXPECT_TRUE(auftrag.Text.contains(QStringLiteral(" [Optionen] [Aufgabendatei]\n"))) << auftrag.Text.toStdString();
}

TEST(Auswertung, AusgabeMitOderOhneO)
{
    const auto ausgabe = [](QStringList argumente) {
        return LiesBefehlszeile(QStringList{QStringLiteral("kurvix"), QStringLiteral("--auswertung")} + argumente).Auswertung;
    };
    EXPECT_EQ(ausgabe(Texte({"a.pdf", "-o", "klasse.pdf"})), (Auswertungsauftrag{Texte({"a.pdf"}), QStringLiteral("klasse.pdf")}));
    EXPECT_EQ(ausgabe(Texte({"a.pdf", "b.pdf"})), (Auswertungsauftrag{Texte({"a.pdf", "b.pdf"}), QStringLiteral("auswertung.csv")}));
}

} // namespace
