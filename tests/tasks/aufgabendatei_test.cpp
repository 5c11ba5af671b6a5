// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabendatei.h"

#include "testhilfe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The lines of a file, each ended by CR LF.
QByteArray dateiAus(std::initializer_list<QByteArray> zeilen, const QByteArray& ende = "\r\n")
{
    QByteArray bytes;
    for (const QByteArray& zeile : zeilen)
        bytes += zeile + ende;
    return bytes;
}

Meldung hinweis(const char* text) { return {Meldung::Art::Hinweis, QString::fromUtf8(text)}; }
Meldung fehler(const char* text) { return {Meldung::Art::Fehler, QString::fromUtf8(text)}; }
Meldung lesefehler(const char* text) { return {Meldung::Art::Lesefehler, QString::fromUtf8(text)}; }

const Meldung Leer = fehler("Es fehlen Daten in der Aufgaben-Datei.");
const Meldung ErsteZeile =
    fehler("Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (1. Zeile ist unkorrekt).");
const Meldung OhneKommentar =
    fehler("Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (Kommentar-Daten fehlen).");
const Meldung OhneTypen =
    fehler("Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (Verwendete Funktionstypen-Daten fehlen).");
const Meldung Mehrfach = fehler("Fehler in der Aufgabendatei: Funktionstyp ist mehrfach ausgewählt!");
const Meldung NichtErlaubt = fehler("Fehler in der Aufgabendatei: Nummer eines Funktionstyps ist nicht erlaubt!");
const Meldung Kommentar = hinweis("Kommentar");

// The example of the format, with three tasks.
const QByteArray Beispielkopf = dateiAus({Aufgabenkopf, "* Klasse 10, Verschieben und Strecken",
                                          "Verschiebe und strecke die Normalparabel und die Ursprungsgerade!", "1 3",
                                          "* Typ, Parameter, Bereichswahl"});
const QByteArray Beispielaufgaben = dateiAus({"3 1 -2 1", "3 -0,5 0 3 (-4;-1) (1;4)", "1 2 -3 (0;5)"});

struct Kopffall {
    const char* name;
    QByteArray bytes;
    bool gelesen;
    std::vector<int> typen;
    std::vector<Meldung> meldungen;
};

const Kopffall Kopffaelle[] = {
    {"Beispiel", Beispielkopf + Beispielaufgaben, true, {Gerade, Parabel2},
     {hinweis("Verschiebe und strecke die Normalparabel und die Ursprungsgerade!")}},
    {"TypzeileVorLeerzeile", dateiAus({Aufgabenkopf, "Kommentar", "1 3", ""}), true, {Gerade, Parabel2}, {Kommentar}},
    {"AlleTypenInEigenerFolge", dateiAus({Aufgabenkopf, "Kommentar", "7 1 5 2 6 3 4", ""}), true,
     {Exponential, Gerade, Sinus, Betrag, Hyperbel, Parabel2, Parabel3}, {Kommentar}},
    {"LeerzeichenVorStern", dateiAus({Aufgabenkopf, " * kein Kommentar", "1", ""}), true, {Gerade},
     {hinweis("* kein Kommentar")}},
    {"BemerkungenUndLeerzeilenUeberall",
     dateiAus({Aufgabenkopf, "*x", "", "   ", "*", "Kommentar", "* y", "", "2", "*z", ""}), true, {Betrag}, {Kommentar}},
    {"KommentarInWindows1252", dateiAus({Aufgabenkopf, "\x84" "Preis\x93: \x80 5 \x96 Stra\xDF" "e", "1", ""}), true,
     {Gerade}, {hinweis("„Preis“: € 5 – Straße")}},
    {"LfImKommentar", dateiAus({Aufgabenkopf, "eins\nzwei", "1", ""}), true, {Gerade}, {hinweis("eins\nzwei")}},
    {"NurCr", dateiAus({Aufgabenkopf, "Kommentar", "1", ""}, "\r"), true, {Gerade}, {Kommentar}},
    // The failure table, in the order of the checks.
    {"Leer", "", false, {}, {Leer}},
    {"NurCtrlZ", "\x1A" + dateiAus({Aufgabenkopf, "Kommentar", "1", ""}), false, {}, {Leer}},
    {"KopfMitLeerzeichenAmEnde", dateiAus({Aufgabenkopf + " ", "Kommentar", "1", "1 1 0"}), false, {}, {ErsteZeile}},
    {"KopfMitLeerzeichenAmAnfang", dateiAus({" " + Aufgabenkopf, "Kommentar", "1", "1 1 0"}), false, {}, {ErsteZeile}},
    {"KopfInKleinbuchstaben", dateiAus({Aufgabenkopf.toLower(), "Kommentar", "1", "1 1 0"}), false, {}, {ErsteZeile}},
    {"KopfInUtf8",
     dateiAus({QByteArray(Aufgabenkopf).replace("\xFC", "\xC3\xBC"), "Kommentar", "1", "1 1 0"}), false, {}, {ErsteZeile}},
    {"NurLfAlsZeilenende", dateiAus({Aufgabenkopf, "Kommentar", "1", "1 1 0"}, "\n"), false, {}, {ErsteZeile}},
    {"NurKopf", dateiAus({Aufgabenkopf}), false, {}, {OhneKommentar}},
    {"KopfOhneZeilenende", Aufgabenkopf, false, {}, {OhneKommentar}},
    {"KopfUndKommentar", dateiAus({Aufgabenkopf, "Kommentar"}), false, {}, {OhneKommentar}},
    {"NurBemerkungen", dateiAus({Aufgabenkopf, "* eins", "", "   ", "* zwei"}), false, {}, {OhneKommentar}},
    {"KopfKommentarUndTypen", dateiAus({Aufgabenkopf, "Kommentar", "1 3"}), false, {}, {Kommentar, OhneTypen}},
    {"CtrlZNachDenTypen", dateiAus({Aufgabenkopf, "Kommentar", "1"}) + "\x1A" + dateiAus({"1 1 0"}), false, {},
     {Kommentar, OhneTypen}},
    {"TypWiederholt", dateiAus({Aufgabenkopf, "Kommentar", "1 3 1", "3 1 0 0"}), false, {Gerade, Parabel2},
     {Kommentar, Mehrfach}},
    {"TypNull", dateiAus({Aufgabenkopf, "Kommentar", "0", "3 1 0 0"}), false, {}, {Kommentar, NichtErlaubt}},
    {"TypAcht", dateiAus({Aufgabenkopf, "Kommentar", "8", "3 1 0 0"}), false, {}, {Kommentar, NichtErlaubt}},
    {"WoerterDerReiheNach", dateiAus({Aufgabenkopf, "Kommentar", "3 9 3", "3 1 0 0"}), false, {Parabel2},
     {Kommentar, NichtErlaubt}},
    {"KleinsteGanzzahl", dateiAus({Aufgabenkopf, "Kommentar", "-2147483648", "3 1 0 0"}), false, {},
     {Kommentar, NichtErlaubt}},
    {"TypKeineZahl", dateiAus({Aufgabenkopf, "Kommentar", "x", "3 1 0 0"}), false, {},
     {Kommentar, lesefehler("'x' ist kein gültiger Integerwert")}},
    {"KeineZahlNachTyp", dateiAus({Aufgabenkopf, "Kommentar", "2 1,5", "3 1 0 0"}), false, {Betrag},
     {Kommentar, lesefehler("'1,5' ist kein gültiger Integerwert")}},
    {"TabImTyp", dateiAus({Aufgabenkopf, "Kommentar", "1\t3", "3 1 0 0"}), false, {},
     {Kommentar, lesefehler("'1\t3' ist kein gültiger Integerwert")}},
};

class KopfTest : public ::testing::TestWithParam<Kopffall> {};

TEST_P(KopfTest, PrueftDenKopfInDerFestenReihenfolge)
{
    const Kopffall& f = GetParam();
    Aufgabendatei datei(f.bytes, QStringLiteral(","));
    EXPECT_EQ(datei.Kopf().Gelesen, f.gelesen);
    EXPECT_EQ(datei.Kopf().ErlaubteTypen, f.typen);
    EXPECT_EQ(datei.Kopf().Meldungen, f.meldungen);
    if (!f.gelesen) {
        EXPECT_EQ(datei.NaechsteAufgabe(), std::nullopt) << "an error in the head ends the series";
    }
}

INSTANTIATE_TEST_SUITE_P(Dateien, KopfTest, ::testing::ValuesIn(Kopffaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// The task lines after a sound head, and the types of the tasks they give
// in order until the series is over.
struct Serienfall {
    const char* name;
    QByteArray aufgaben;
    std::vector<int> typen;
};

const QByteArray Anfang = dateiAus({Aufgabenkopf, "Kommentar", "1 2 3 4 5 6 7"});

const Serienfall Serienfaelle[] = {
    {"Beispiel", Beispielaufgaben, {Parabel2, Parabel2, Gerade}},
    {"ZwischenzeilenZaehlenNicht", dateiAus({"3 1 0 0", "*1 1 1", "", "   ", "*", "2 1 0 0"}), {Parabel2, Betrag}},
    {"BemerkungenNachDerLetztenAufgabe", dateiAus({"3 1 0 0", "* Ende", "", "  "}), {Parabel2}},
    {"LetzteZeileOhneZeilenende", dateiAus({"3 1 0 0"}) + "1 1 0", {Parabel2, Gerade}},
    {"FuehrendeLeerzeichen", dateiAus({"   3 1 0 0", " 2 1 0 0"}), {Parabel2, Betrag}},
    {"LeerzeichenVorStern", dateiAus({" *3 1 0 0"}), {Gerade}},
    {"CtrlZInDerMitte", dateiAus({"3 1 0 0"}) + "\x1A" + dateiAus({"2 1 0 0"}), {Parabel2}},
    {"CtrlZMittenInDerZeile", dateiAus({"3 1 0 0", "2 1\x1A" "0 0", "1 1 0"}), {Parabel2, Betrag}},
    {"NurCr", dateiAus({"3 1 0 0", "2 1 0 0"}, "\r"), {Parabel2, Betrag}},
    {"LfVerbindetZeilen", dateiAus({"3 1 0 0\n2 1 0 0"}), {Parabel2}},
    {"TypAusserhalb", dateiAus({"9 1 2", "1 1 0"}), {KeinTyp, Gerade}},
    {"KeineAufgaben", dateiAus({"* nur Bemerkungen", ""}), {}},
};

class SerieTest : public ::testing::TestWithParam<Serienfall> {};

TEST_P(SerieTest, GibtDieAufgabenInDateiReihenfolge)
{
    Aufgabendatei datei(Anfang + GetParam().aufgaben, QStringLiteral(","));
    ASSERT_TRUE(datei.Kopf().Gelesen);
    std::vector<int> typen;
    while (const std::optional<Dateiaufgabe> aufgabe = datei.NaechsteAufgabe())
        typen.push_back(aufgabe->Typ);
    EXPECT_EQ(typen, GetParam().typen);
    EXPECT_EQ(datei.NaechsteAufgabe(), std::nullopt) << "no wrap-around";
}

INSTANTIATE_TEST_SUITE_P(Dateien, SerieTest, ::testing::ValuesIn(Serienfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Aufgabendatei, ZahlenFolgenDemUebergebenenTrenner)
{
    Aufgabendatei datei(dateiAus({Aufgabenkopf, "Kommentar", "3", "3 0.5 -1.5 2 (-0.5;1)"}), QStringLiteral("."));
    const std::optional<Dateiaufgabe> aufgabe = datei.NaechsteAufgabe();
    ASSERT_TRUE(aufgabe);
    EXPECT_EQ(aufgabe->Parameter[0], 0.5);
    EXPECT_EQ(aufgabe->Parameter[1], -1.5);
    EXPECT_EQ(aufgabe->Abschnitte.Von[0], -0.5);
}

} // namespace
