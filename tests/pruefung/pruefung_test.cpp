// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pruefung/pruefung.h"

#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// The lines of a file, each ended by CR LF.
QByteArray crlf(std::initializer_list<QByteArray> zeilen)
{
    QByteArray bytes;
    for (const QByteArray& zeile : zeilen)
        bytes += zeile + "\r\n";
    return bytes;
}

// A sound head that allows every type; its task lines start at line 4.
QByteArray mitAllenTypen(std::initializer_list<QByteArray> aufgaben)
{
    return crlf({Aufgabenkopf, "Kommentar", "1 2 3 4 5 6 7"}) + crlf(aufgaben);
}

const QLocale Deutsch(QLocale::German, QLocale::Germany);

// A file, checked under German settings, and its whole report as the file
// "a.sba".
struct Prueffall {
    const char* name;
    QByteArray bytes;
    std::vector<const char*> bericht;
};

const Prueffall Prueffaelle[] = {
    {"Beispiel",
     crlf({Aufgabenkopf, "* Klasse 10, Verschieben und Strecken",
           "Verschiebe und strecke die Normalparabel und die Ursprungsgerade!", "1 3", "* Typ, Parameter, Bereichswahl",
           "3 1 -2 1", "3 -0,5 0 3 (-4;-1) (1;4)", "1 2 -3 (0;5)"}),
     {"a.sba: 3 Aufgaben, 0 Fehler, 0 Warnungen"}},
    {"EineAufgabe", mitAllenTypen({"2 1 0 0"}), {"a.sba: 1 Aufgabe, 0 Fehler, 0 Warnungen"}},
    // The head: the program's own error, at the line where reading stopped.
    {"Leer", "", {"a.sba: Fehler: Es fehlen Daten in der Aufgaben-Datei.", "a.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"KopfInUtf8", crlf({QByteArray(Aufgabenkopf).replace("\xFC", "\xC3\xBC"), "Kommentar", "1", "1 1 0"}),
     {"a.sba:1: Fehler: Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (1. Zeile ist unkorrekt).",
      "a.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"NurBemerkungen", crlf({Aufgabenkopf, "* eins", "", "* zwei"}),
     {"a.sba:4: Fehler: Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (Kommentar-Daten fehlen).",
      "a.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"TypzeileAmEnde", crlf({Aufgabenkopf, "Kommentar", "* Typen", "1 3"}),
     {"a.sba:4: Fehler: Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (Verwendete "
      "Funktionstypen-Daten fehlen).",
      "a.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"TypWiederholt", crlf({Aufgabenkopf, "Kommentar", "", "1 3 1", "3 1 0 0"}),
     {"a.sba:4: Fehler: Fehler in der Aufgabendatei: Funktionstyp ist mehrfach ausgewählt!",
      "a.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"TypNichtErlaubt", crlf({Aufgabenkopf, "Kommentar", "3 9 3", "3 1 0 0"}),
     {"a.sba:3: Fehler: Fehler in der Aufgabendatei: Nummer eines Funktionstyps ist nicht erlaubt!",
      "a.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"TypKeineGanzeZahl", crlf({Aufgabenkopf, "Kommentar", "2 1,5", "3 1 0 0"}),
     {"a.sba:3: Fehler: '1,5' ist kein gültiger Integerwert.", "a.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"KeineAufgabe", crlf({Aufgabenkopf, "Kommentar", "1", "* bald mehr"}),
     {"a.sba: Warnung: Die Datei enthält keine Aufgabe.", "a.sba: 0 Aufgaben, 0 Fehler, 1 Warnung"}},
    // What stands after a Ctrl-Z is never read; a Ctrl-Z that ends the file hides nothing.
    {"TextNachStrgZ", mitAllenTypen({"3 1 0 0"}) + "\x1A" "3 1 2 0\r\n",
     {"a.sba:5: Warnung: Nach dem Dateiende-Zeichen (Strg+Z) in Zeile 5 stehen noch Zeichen; das Programm liest sie "
      "nicht.",
      "a.sba: 1 Aufgabe, 0 Fehler, 1 Warnung"}},
    {"StrgZMittenInDerZeileVorDemKopf", crlf({Aufgabenkopf, "Kommentar"}) + "1 3\x1A\r\n3 1 0 0\r\n",
     {"a.sba:3: Fehler: Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (Verwendete Funktionstypen-Daten "
      "fehlen).",
      "a.sba:3: Warnung: Nach dem Dateiende-Zeichen (Strg+Z) in Zeile 3 stehen noch Zeichen; das Programm liest sie "
      "nicht.",
      "a.sba: 0 Aufgaben, 1 Fehler, 1 Warnung"}},
    {"StrgZAmEnde", mitAllenTypen({"3 1 0 0"}) + "\x1A", {"a.sba: 1 Aufgabe, 0 Fehler, 0 Warnungen"}},
    // Task lines: the program's messages, each at its line.
    {"ZeilennummernZaehlenJedeZeile",
     crlf({Aufgabenkopf, "*", "Kommentar", "", "1 2 3 4 5 6 7", "* x", "2 1", "   ", "3 1 0 0", "1 2 -3 4"}),
     {"a.sba:7: Fehler: Das Programm meldet „Fehler! In der aktuellen Aufgabenzeile fehlen Daten!“",
      "a.sba:10: Fehler: Das Programm meldet „Fehler! Bereichswahl in der aktuellen Aufgabenzeile fehlerhaft!“",
      "a.sba: 3 Aufgaben, 2 Fehler, 0 Warnungen"}},
    {"NurCrAlsZeilenende", QByteArray(Aufgabenkopf + "\rKommentar\r1\r1 1\r"),
     {"a.sba:4: Fehler: Das Programm meldet „Fehler! In der aktuellen Aufgabenzeile fehlen Daten!“",
      "a.sba: 1 Aufgabe, 1 Fehler, 0 Warnungen"}},
    // Numbers that silently take their fallback.
    {"PunktStattKomma", mitAllenTypen({"3 0.5 1 2"}),
     {"a.sba:4: Warnung: „0.5“ ist keine Zahl (Dezimaltrenner „,“); das Programm setzt ohne Meldung a auf 1.",
      "a.sba: 1 Aufgabe, 0 Fehler, 1 Warnung"}},
    {"ZweiterUndDritterWert", mitAllenTypen({"5 2 k 1/2 1"}),
     {"a.sba:4: Warnung: „k“ ist keine Zahl (Dezimaltrenner „,“); das Programm setzt ohne Meldung k auf 0.",
      "a.sba:4: Warnung: „1/2“ ist keine Zahl (Dezimaltrenner „,“); das Programm setzt ohne Meldung d auf 0.",
      "a.sba: 1 Aufgabe, 0 Fehler, 2 Warnungen"}},
    {"TypKeineZahl", mitAllenTypen({"x 2 3"}),
     {"a.sba:4: Warnung: „x“ ist keine ganze Zahl; das Programm setzt ohne Meldung den Typ auf 1 (Gerade).",
      "a.sba: 1 Aufgabe, 0 Fehler, 1 Warnung"}},
    {"Abschnittsgrenzen", mitAllenTypen({"3 1 0 0 (a;2) (1;b)"}),
     {"a.sba:4: Warnung: „a“ ist keine Zahl (Dezimaltrenner „,“); das Programm setzt ohne Meldung den Anfang des 1. "
      "Abschnitts auf -8.",
      "a.sba:4: Warnung: „b“ ist keine Zahl (Dezimaltrenner „,“); das Programm setzt ohne Meldung das Ende des 2. "
      "Abschnitts auf 8.",
      "a.sba: 1 Aufgabe, 0 Fehler, 2 Warnungen"}},
    {"ErsatzUndFehlendeDaten", mitAllenTypen({"5 x 1"}),
     {"a.sba:4: Warnung: „x“ ist keine Zahl (Dezimaltrenner „,“); das Programm setzt ohne Meldung a auf 1.",
      "a.sba:4: Fehler: Das Programm meldet „Fehler! In der aktuellen Aufgabenzeile fehlen Daten!“",
      "a.sba: 1 Aufgabe, 1 Fehler, 1 Warnung"}},
    // Types.
    {"TypNichtInDerTypzeile", crlf({Aufgabenkopf, "Kommentar", "1 3", "3 1 0 0", "5 1 1 0 0"}),
     {"a.sba:5: Warnung: Typ 5 (Sinusfunktion) steht nicht in der Typenzeile; die Aufgabe lässt sich nur überspringen.",
      "a.sba: 2 Aufgaben, 0 Fehler, 1 Warnung"}},
    {"TypAcht", mitAllenTypen({"8 1 2", "1 1 0"}),
     {"a.sba:4: Fehler: Die Typnummer ist nicht 1 bis 7; das Programm zeigt kein Schaubild.",
      "a.sba: 2 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"TypNull", mitAllenTypen({"0 1 2"}),
     {"a.sba:4: Fehler: Die Typnummer ist nicht 1 bis 7; das Programm zeigt kein Schaubild.",
      "a.sba: 1 Aufgabe, 1 Fehler, 0 Warnungen"}},
    // Sections.
    {"VerkehrterAbschnitt", mitAllenTypen({"3 1 0 0 (2;-2)"}),
     {"a.sba:4: Warnung: Der 1. Abschnitt (2 bis -2) beginnt hinter seinem Ende und zeigt nichts.",
      "a.sba:4: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "a.sba: 1 Aufgabe, 1 Fehler, 1 Warnung"}},
    {"AbschnittRechtsAusserhalb", mitAllenTypen({"1 0 0 (9;12,5) (-1;1)"}),
     {"a.sba:4: Warnung: Der 1. Abschnitt (9 bis 12,5) liegt außerhalb der Zeichenfläche (x von -8 bis 8).",
      "a.sba: 1 Aufgabe, 0 Fehler, 1 Warnung"}},
    {"ZweiterAbschnittLinksAusserhalb", mitAllenTypen({"1 0 0 (-1;1) (-9;-7,98)"}),
     {"a.sba:4: Warnung: Der 2. Abschnitt (-9 bis -7,98) liegt außerhalb der Zeichenfläche (x von -8 bis 8).",
      "a.sba: 1 Aufgabe, 0 Fehler, 1 Warnung"}},
    {"AbschnittMitNurEinerSpalte", mitAllenTypen({"1 0 0 (-9;-7,97)"}),
     {"a.sba:4: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "a.sba: 1 Aufgabe, 1 Fehler, 0 Warnungen"}},
    {"AbschnittBisZumRechtenRand", mitAllenTypen({"1 0 0 (7,9;8)"}), {"a.sba: 1 Aufgabe, 0 Fehler, 0 Warnungen"}},
    {"AbschnittEinenPunktBreit", mitAllenTypen({"1 0 0 (0;0)"}),
     {"a.sba:4: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "a.sba: 1 Aufgabe, 1 Fehler, 0 Warnungen"}},
    // Graphs: what the screen would draw inside the plot.
    {"GeradeZuHoch", mitAllenTypen({"1 0 6,5", "1 0 5,97"}),
     {"a.sba:4: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "a.sba: 2 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"GeradeZuTief", mitAllenTypen({"1 0 -6,03", "1 0 -6"}),
     {"a.sba:4: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "a.sba: 2 Aufgaben, 1 Fehler, 0 Warnungen"}},
    {"SteileGeradeOhneProbeInDerFlaeche", mitAllenTypen({"1 100000 -50"}), {"a.sba: 1 Aufgabe, 0 Fehler, 0 Warnungen"}},
    {"HyperbelNurAmPolSichtbar", mitAllenTypen({"6 1000 0,01 0"}), {"a.sba: 1 Aufgabe, 0 Fehler, 0 Warnungen"}},
    {"NegativeBasis", mitAllenTypen({"7 1 -2 0", "7 1 -2 0 (1;1)"}),
     {"a.sba:4: Fehler: Beim Zeichnen des vorgegebenen Schaubildes meldet das Programm „Ungültige "
      "Gleitkommaoperation.“",
      "a.sba:5: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "a.sba: 2 Aufgaben, 2 Fehler, 0 Warnungen"}},
};

class PruefungTest : public ::testing::TestWithParam<Prueffall> {};

TEST_P(PruefungTest, BerichtetJedeZeile)
{
    const Prueffall& f = GetParam();
    EXPECT_EQ(Pruefbericht(QStringLiteral("a.sba"), PruefeAufgabendatei(f.bytes, Deutsch)), Texte(f.bericht));
}

INSTANTIATE_TEST_SUITE_P(Dateien, PruefungTest, ::testing::ValuesIn(Prueffaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// The decimal separator comes from the settings the check runs under.
TEST(Pruefung, LiestZahlenMitDemTrennerDerRegion)
{
    const QByteArray datei = mitAllenTypen({"3 0,5 1 2 (-1.5;1)", "3 0.5 1 2 (-1,5;1)"});
    const QStringList erwartet = {
        QStringLiteral("a.sba:4: Warnung: „0,5“ ist keine Zahl (Dezimaltrenner „.“); das Programm setzt ohne Meldung a "
                       "auf 1."),
        QStringLiteral("a.sba:5: Warnung: „-1,5“ ist keine Zahl (Dezimaltrenner „.“); das Programm setzt ohne Meldung "
                       "den Anfang des 1. Abschnitts auf -8."),
        QStringLiteral("a.sba: 2 Aufgaben, 0 Fehler, 2 Warnungen")};
    EXPECT_EQ(Pruefbericht(QStringLiteral("a.sba"), PruefeAufgabendatei(datei, QLocale::c())), erwartet);
}

// The editor checks a line after every keystroke.
TEST(Pruefung, PrueftEineAufgabenzeileAllein)
{
    const std::vector<Befund> erwartet = {
        {9, Befund::Art::Fehler, QStringLiteral("Das Programm meldet „Fehler! In der aktuellen Aufgabenzeile fehlen Daten!“")},
        {9, Befund::Art::Warnung, QStringLiteral("Typ 3 (Parabel) steht nicht in der Typenzeile; die Aufgabe lässt sich nur "
                                                 "überspringen.")}};
    EXPECT_EQ(PruefeAufgabenzeile(u"  3 1", 9, {0, 4}, Deutsch), erwartet);
    EXPECT_TRUE(PruefeAufgabenzeile(u"* 3 1", 9, {0, 4}, Deutsch).empty());
}

TEST(Pruefung, ZaehltFehlerUndWarnungen)
{
    const Pruefung pruefung = PruefeAufgabendatei(mitAllenTypen({"9 1", "3 1", "1 0 100", "1 x 0"}), Deutsch);
    EXPECT_EQ(pruefung.Aufgaben, 4);
    EXPECT_EQ(pruefung.Anzahl(Befund::Art::Fehler), 3);
    EXPECT_EQ(pruefung.Anzahl(Befund::Art::Warnung), 1);
}

TEST(Pruefung, UnlesbareDateiIstEinFehler)
{
    const QStringList erwartet = {QStringLiteral("b.sba: Fehler: Die Datei kann nicht gelesen werden."),
                                  QStringLiteral("b.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen")};
    EXPECT_EQ(Pruefbericht(QStringLiteral("b.sba"),
                           UnlesbareDatei(QStringLiteral("Die Datei kann nicht gelesen werden"))),
              erwartet);
}

// The sample files teachers start from must pass without a single remark.
struct Beispielfall {
    const char* datei;
    const char* zusammenfassung;
};

const Beispielfall Beispielfaelle[] = {
    {"geraden_und_parabeln.sba", "geraden_und_parabeln.sba: 7 Aufgaben, 0 Fehler, 0 Warnungen"},
    {"hyperbel_und_exponential.sba", "hyperbel_und_exponential.sba: 6 Aufgaben, 0 Fehler, 0 Warnungen"},
    {"sinus.sba", "sinus.sba: 6 Aufgaben, 0 Fehler, 0 Warnungen"},
};

class BeispielPruefungTest : public ::testing::TestWithParam<Beispielfall> {};

TEST_P(BeispielPruefungTest, BestehtOhneWarnung)
{
    const QString name = QString::fromUtf8(GetParam().datei);
    const QByteArray bytes = LiesDateiinhalt(QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(name));
    EXPECT_EQ(Pruefbericht(name, PruefeAufgabendatei(bytes, Deutsch)),
              QStringList{QString::fromUtf8(GetParam().zusammenfassung)});
}

INSTANTIATE_TEST_SUITE_P(Dateien, BeispielPruefungTest, ::testing::ValuesIn(Beispielfaelle),
                         [](const auto& info) { return QDir(QString::fromUtf8(info.param.datei)).dirName()
                                                    .section(QLatin1Char('.'), 0, 0).toStdString(); });

} // namespace
