// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet on the command line: which calls make which sheet, which
// are refused, and what the program does with them.

#include "app/befehlszeile.h"
#include "pruefung/pruefung.h"
#include "tasks/dateiinhalt.h"
#include "programmlauf.h"
#include "testhilfe.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const Typliste AlleTypen = {Gerade, Betrag, Parabel2, Parabel3, Sinus, Hyperbel, Exponential};

Blattauftrag ausDatei(const char* datei, const char* ausgabe, bool loesungsweg = false)
{
    Blattauftrag a;
    a.Datei = QString::fromUtf8(datei);
    a.Ausgabe = QString::fromUtf8(ausgabe);
    a.Loesungsweg = loesungsweg;
    return a;
}

Blattauftrag zufall(int anzahl, Typliste typen, int stufe, std::optional<std::uint32_t> saat, const char* ausgabe)
{
    Blattauftrag a;
    a.Anzahl = anzahl;
    a.Typen = std::move(typen);
    a.Stufe = stufe;
    a.Saat = saat;
    a.Ausgabe = QString::fromUtf8(ausgabe);
    return a;
}

Blattauftrag reihe(Blattauftrag a)
{
    a.Reihe = true;
    return a;
}

struct Blattaufruf {
    const char* name;
    QStringList argumente;
    Blattauftrag auftrag;
};

const Blattaufruf Blattaufrufe[] = {
    {"DateiMitAusgabe", {"--arbeitsblatt", "k.sba", "-o", "b.pdf"}, ausDatei("k.sba", "b.pdf")},
    {"AusgabeLang", {"--ausgabe", "b.pdf", "--arbeitsblatt", "k.sba"}, ausDatei("k.sba", "b.pdf")},
    {"NebenDerDatei", {"--arbeitsblatt", "klasse 10/reihe.1.sba"}, ausDatei("klasse 10/reihe.1.sba", "klasse 10/reihe.1.pdf")},
    {"DateiOhneEndung", {"--arbeitsblatt", "a.b/reihe"}, ausDatei("a.b/reihe", "a.b/reihe.pdf")},
    {"MitLoesungsweg", {"--loesungsweg", "--arbeitsblatt", "k.sba"}, ausDatei("k.sba", "k.pdf", true)},
    {"ZufallMitAllem",
     {"--arbeitsblatt", "--zufall", "5", "--typen", "3,5", "--stufe", "0", "--saat", "42", "-o", "z.pdf"},
     zufall(5, {Parabel2, Sinus}, SehrLeicht, 42, "z.pdf")},
    {"ZufallTypenInIhrerReihenfolge", {"--arbeitsblatt", "--zufall=100", "--typen=7,1", "--stufe=1", "--saat=0"},
     zufall(100, {Exponential, Gerade}, Leicht, 0, "arbeitsblatt.pdf")},
    {"ZufallVorgaben", {"--arbeitsblatt", "--zufall", "1"}, zufall(1, AlleTypen, Normal, std::nullopt, "arbeitsblatt.pdf")},
    {"GroessteSaat", {"--arbeitsblatt", "--zufall", "2", "--saat", "2147483647"},
     zufall(2, AlleTypen, Normal, 2147483647U, "arbeitsblatt.pdf")},
    {"ReiheMitAllem",
     {"--reihe", "--zufall", "12", "--typen", "3,5", "--stufe", "1", "--saat", "4", "-o", "r.sba"},
     reihe(zufall(12, {Parabel2, Sinus}, Leicht, 4, "r.sba"))},
    {"ReiheVorgaben", {"--zufall", "3", "--reihe"}, reihe(zufall(3, AlleTypen, Normal, std::nullopt, "reihe.sba"))},
};

class BlattaufrufTest : public ::testing::TestWithParam<Blattaufruf> {};

TEST_P(BlattaufrufTest, WirdGelesen)
{
    const Auftrag auftrag = LiesBefehlszeile(QStringList{QStringLiteral("kurvix")} + GetParam().argumente);
    ASSERT_EQ(auftrag.art, GetParam().auftrag.Reihe ? Auftrag::Art::Reihe : Auftrag::Art::Arbeitsblatt)
        << auftrag.Text.toStdString();
    EXPECT_EQ(auftrag.Status, 0);
    EXPECT_TRUE(auftrag.Blatt == GetParam().auftrag);
    EXPECT_EQ(auftrag.Blatt.Datei, GetParam().auftrag.Datei);
    EXPECT_EQ(auftrag.Blatt.Ausgabe, GetParam().auftrag.Ausgabe);
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, BlattaufrufTest, ::testing::ValuesIn(Blattaufrufe),
                         [](const auto& info) { return std::string(info.param.name); });

struct Fehlaufruf {
    const char* name;
    QStringList argumente;
    const char* zeile; // the first line of the error output
};

const Fehlaufruf Fehlaufrufe[] = {
    {"ZufallOhneBlatt", {"--zufall", "3"},
     "kurvix: Die Optionen -o, --zufall, --typen, --stufe und --saat gelten nur mit --arbeitsblatt oder --reihe."},
    {"AusgabeOhneBlatt", {"k.sba", "-o", "b.pdf"},
     "kurvix: Die Optionen -o, --zufall, --typen, --stufe und --saat gelten nur mit --arbeitsblatt oder --reihe."},
    {"NichtsFuersBlatt", {"--arbeitsblatt"}, "kurvix: Für das Arbeitsblatt fehlt die Aufgabendatei oder --zufall N."},
    {"NurAusgabe", {"--arbeitsblatt", "-o", "b.pdf"}, "kurvix: Für das Arbeitsblatt fehlt die Aufgabendatei oder --zufall N."},
    {"DateiUndZufall", {"--arbeitsblatt", "k.sba", "--zufall", "2"},
     "kurvix: Ein Arbeitsblatt entsteht aus einer Aufgabendatei oder aus --zufall N, nicht aus beidem."},
    {"ZweiDateien", {"--arbeitsblatt", "a.sba", "b.sba"}, "kurvix: Ein Arbeitsblatt entsteht aus genau einer Aufgabendatei."},
    {"StufeOhneZufall", {"--arbeitsblatt", "k.sba", "--stufe", "1"},
     "kurvix: Die Optionen --typen, --stufe und --saat gelten nur mit --zufall."},
    {"SaatOhneZufall", {"--arbeitsblatt", "k.sba", "--saat", "1"},
     "kurvix: Die Optionen --typen, --stufe und --saat gelten nur mit --zufall."},
    {"ZufallNull", {"--arbeitsblatt", "--zufall", "0"}, "kurvix: --zufall erwartet eine Anzahl von 1 bis 100, nicht „0“."},
    {"ZufallZuViele", {"--arbeitsblatt", "--zufall", "101"},
     "kurvix: --zufall erwartet eine Anzahl von 1 bis 100, nicht „101“."},
    {"ZufallKeineZahl", {"--arbeitsblatt", "--zufall", "2,5"},
     "kurvix: --zufall erwartet eine Anzahl von 1 bis 100, nicht „2,5“."},
    {"TypDoppelt", {"--arbeitsblatt", "--zufall", "2", "--typen", "3,3"},
     "kurvix: --typen erwartet Funktionstypen von 1 bis 7, jeden einmal, durch Kommas getrennt, nicht „3,3“."},
    {"TypNull", {"--arbeitsblatt", "--zufall", "2", "--typen", "0"},
     "kurvix: --typen erwartet Funktionstypen von 1 bis 7, jeden einmal, durch Kommas getrennt, nicht „0“."},
    {"TypAcht", {"--arbeitsblatt", "--zufall", "2", "--typen", "1,8"},
     "kurvix: --typen erwartet Funktionstypen von 1 bis 7, jeden einmal, durch Kommas getrennt, nicht „1,8“."},
    {"TypenLeer", {"--arbeitsblatt", "--zufall", "2", "--typen", ""},
     "kurvix: --typen erwartet Funktionstypen von 1 bis 7, jeden einmal, durch Kommas getrennt, nicht „“."},
    {"StufeDrei", {"--arbeitsblatt", "--zufall", "2", "--stufe", "3"}, "kurvix: --stufe erwartet 0, 1 oder 2, nicht „3“."},
    {"StufeNegativ", {"--arbeitsblatt", "--zufall", "2", "--stufe", "-1"}, "kurvix: --stufe erwartet 0, 1 oder 2, nicht „-1“."},
    {"SaatNegativ", {"--arbeitsblatt", "--zufall", "2", "--saat", "-1"},
     "kurvix: --saat erwartet eine ganze Zahl von 0 bis 2147483647, nicht „-1“."},
    {"SaatZuGross", {"--arbeitsblatt", "--zufall", "2", "--saat", "2147483648"},
     "kurvix: --saat erwartet eine ganze Zahl von 0 bis 2147483647, nicht „2147483648“."},
    {"ReiheUndBlatt", {"--reihe", "--arbeitsblatt", "--zufall", "2"}, "kurvix: --reihe und --arbeitsblatt gehen nicht zusammen."},
    {"LoesungswegOhneBlatt", {"--reihe", "--zufall", "2", "--loesungsweg"}, "kurvix: --loesungsweg gilt nur mit --arbeitsblatt."},
    {"ReiheOhneZufall", {"--reihe", "-o", "r.sba"},
     "kurvix: --reihe schreibt Zufallsaufgaben: Es braucht --zufall N und keine Aufgabendatei."},
    {"ReiheAusDatei", {"--reihe", "k.sba", "--zufall", "2"},
     "kurvix: --reihe schreibt Zufallsaufgaben: Es braucht --zufall N und keine Aufgabendatei."},
};

class FehlaufrufTest : public ::testing::TestWithParam<Fehlaufruf> {};

TEST_P(FehlaufrufTest, WirdAbgelehnt)
{
    const Auftrag auftrag = LiesBefehlszeile(QStringList{QStringLiteral("kurvix")} + GetParam().argumente);
    EXPECT_EQ(auftrag.art, Auftrag::Art::Ausgabe);
    EXPECT_EQ(auftrag.Status, FalscherAufruf);
    EXPECT_EQ(auftrag.Text.split(QLatin1Char('\n')).first(), QString::fromUtf8(GetParam().zeile));
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, FehlaufrufTest, ::testing::ValuesIn(Fehlaufrufe),
                         [](const auto& info) { return std::string(info.param.name); });

// The program's own lines of the error output: Qt may warn about the
// environment.
QString eigeneZeilen(const QString& fehlerausgabe)
{
    QStringList eigene;
    for (const QString& zeile : fehlerausgabe.split(QLatin1Char('\n')))
        if (zeile.startsWith(QStringLiteral("kurvix: ")))
            eigene << zeile;
    return eigene.join(QLatin1Char('\n'));
}

QString pdftext(const QString& pdf) { return Poppler(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}); }

class BlattlaufTest : public ::testing::Test {
protected:
    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
    QTemporaryDir ordner;
};

TEST_F(BlattlaufTest, DieSaatWiederholtDasBlatt)
{
    const QStringList aufruf = {"--arbeitsblatt", "--zufall", "3", "--typen", "3,6", "--saat", "7", "-o"};
    const Programmlauf erster = StarteProgramm(aufruf + QStringList{QStringLiteral("a.pdf")}, ordner.path());
    const Programmlauf zweiter = StarteProgramm(aufruf + QStringList{QStringLiteral("b.pdf")}, ordner.path());
    EXPECT_EQ(erster.status, 0) << erster.fehlerausgabe.toStdString();
    EXPECT_EQ(erster.ausgabe, QStringLiteral("Arbeitsblatt geschrieben: a.pdf (Saat 7)\n"));
    const QString text = pdftext(pfad("a.pdf"));
    EXPECT_EQ(text.count(QStringLiteral("f(x) =")), 6) << "three lines to fill in, three answers";
    EXPECT_EQ(text.count(QStringLiteral("\f")), 3) << "three pages";
    EXPECT_EQ(text, pdftext(pfad("b.pdf")));
}

TEST_F(BlattlaufTest, OhneSaatNenntDasProgrammSeine)
{
    const QStringList aufruf = {"--arbeitsblatt", "--zufall", "2", "-o"};
    const Programmlauf lauf = StarteProgramm(aufruf + QStringList{QStringLiteral("c.pdf")}, ordner.path());
    const QRegularExpressionMatch saat =
        QRegularExpression(QStringLiteral("^Arbeitsblatt geschrieben: c.pdf \\(Saat (\\d+)\\)\n$")).match(lauf.ausgabe);
    ASSERT_TRUE(saat.hasMatch()) << lauf.ausgabe.toStdString();
    StarteProgramm(aufruf + QStringList{QStringLiteral("d.pdf"), QStringLiteral("--saat"), saat.captured(1)}, ordner.path());
    EXPECT_EQ(pdftext(pfad("c.pdf")), pdftext(pfad("d.pdf")));
}

TEST_F(BlattlaufTest, OhneAusgabeNebenDieAufgabendatei)
{
    SchreibeDatei(ordner, "reihe.sba", MitKopf("Parabeln\r\n3\r\n3 2 1\r\n3 1 0 0\r\n"));
    const Programmlauf lauf = StarteProgramm({QStringLiteral("--arbeitsblatt"), QStringLiteral("reihe.sba")}, ordner.path());
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe, QStringLiteral("Arbeitsblatt geschrieben: reihe.pdf\n"));
    EXPECT_EQ(eigeneZeilen(lauf.fehlerausgabe),
              QStringLiteral("kurvix: Aufgabe 1: Fehler! In der aktuellen Aufgabenzeile fehlen Daten!"));
    const QString text = pdftext(pfad("reihe.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("Parabeln")));
    EXPECT_TRUE(text.contains(QStringLiteral("f(x) = 2·(x + 1)²"))) << text.toStdString();
}

// Each summary stands under its answer, wrapped where it is long.
TEST_F(BlattlaufTest, LoesungswegUnterDerLoesung)
{
    SchreibeDatei(ordner, "wege.sba", MitKopf("Wege\r\n3 5\r\n3 -2 -1 3\r\n5 3 2 -1 1\r\n"));
    const Programmlauf lauf = StarteProgramm({"--arbeitsblatt", "wege.sba", "--loesungsweg"}, ordner.path());
    EXPECT_EQ(lauf.status, 0) << lauf.fehlerausgabe.toStdString();
    const QString text = pdftext(pfad("wege.pdf")).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("f(x) = -2·(x - 1)² + 3 Parabel Die Normalparabel wird mit dem Faktor 2 "
                                             "gestreckt, an der x-Achse gespiegelt, um 1 nach rechts und um 3 nach oben "
                                             "verschoben. 2. f(x) = 3·sin(2·(x - 1)) + 1 Sinusfunktion Die Sinuskurve "
                                             "wird in x-Richtung mit dem Faktor 1/2 gestaucht, in y-Richtung mit dem Faktor "
                                             "3 gestreckt, um 1 nach rechts und um 1 nach oben verschoben.")))
        << text.toStdString();
}

// The first tasks are those the worksheet with the same seed and options
// shows: 1,5·sin(2·(x + 4)) - 4 and -sin(2·(x + 1)) + 1.
TEST_F(BlattlaufTest, ReiheSchreibtDieAufgabenDesBlattsAlsAufgabendatei)
{
    const QStringList aufruf = {"--reihe", "--zufall", "12", "--typen", "3,5", "--saat", "4", "-o", "r.sba"};
    const Programmlauf lauf = StarteProgramm(aufruf, ordner.path(), QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(lauf.status, 0) << lauf.fehlerausgabe.toStdString();
    EXPECT_EQ(lauf.ausgabe, QStringLiteral("Aufgabendatei geschrieben: r.sba (Saat 4)\n"));
    const QByteArray bytes = LiesDateiinhalt(pfad("r.sba"));
    EXPECT_TRUE(bytes.startsWith(MitKopf("\xDC" "bung: Gib zu jedem Schaubild die Funktionsgleichung an!\r\n"
                                         "3 5\r\n5 1,5 2 4 -4\r\n5 -1 2 1 1\r\n"))) << bytes.toStdString();
    EXPECT_EQ(bytes.count("\r\n") * 2, bytes.count('\r') + bytes.count('\n'));
    const Pruefung pruefung = PruefeAufgabendatei(bytes, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(pruefung.Aufgaben, 12);
    EXPECT_TRUE(pruefung.Befunde.empty());
}

struct Fehllauf {
    const char* name;
    QStringList argumente;
    int status;
    const char* fehler; // the program's error lines begin so
};

const Fehllauf Fehllaeufe[] = {
    {"DateiFehlt", {"--arbeitsblatt", "fehlt.sba"}, 1, "kurvix: "},
    {"KeineAufgabendatei", {"--arbeitsblatt", "falsch.sba"}, 1,
     "kurvix: Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (1. Zeile ist unkorrekt)."},
    {"OrdnerFehlt", {"--arbeitsblatt", "--zufall", "1", "-o", "fehlt/a.pdf"}, 1, "kurvix: Die Datei „fehlt/a.pdf“"},
    {"FalscherAufruf", {"--arbeitsblatt", "--zufall", "x"}, 2, "kurvix: --zufall erwartet"},
    {"ReiheOrdnerFehlt", {"--reihe", "--zufall", "1", "-o", "fehlt/r.sba"}, 1,
     "kurvix: Die Datei „fehlt/r.sba“ kann nicht gespeichert werden: "},
};

class FehllaufTest : public BlattlaufTest, public ::testing::WithParamInterface<Fehllauf> {};

TEST_P(FehllaufTest, EndetMitMeldung)
{
    SchreibeDatei(ordner, "falsch.sba", "Kommentar\r\n3\r\n3 1 0 0\r\n");
    const Programmlauf lauf = StarteProgramm(GetParam().argumente, ordner.path());
    EXPECT_EQ(lauf.status, GetParam().status);
    const QString fehler = eigeneZeilen(lauf.fehlerausgabe);
    EXPECT_TRUE(fehler.startsWith(QString::fromUtf8(GetParam().fehler))) << fehler.toStdString();
    EXPECT_TRUE(lauf.ausgabe.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Laeufe, FehllaufTest, ::testing::ValuesIn(Fehllaeufe),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
