// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabenreihe.h"
#include "tasks/dateiinhalt.h"
#include "tasks/zeilenquelle.h"

#include "testhilfe.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace {

// Everything a series holds but the Urtexts, doubles bit for bit (so -0
// differs from 0).
QString bild(const Aufgabenreihe& r)
{
    QStringList t{r.Kommentar, r.VorKommentar.join(u'|'), r.VorTypen.join(u'|'), r.Schluss.join(u'|'),
                  QString::fromLatin1(r.NachDateiende.toHex())};
    const auto zahlen = [&t](const auto& werte) {
        for (const double v : werte)
            t << QString::number(std::bit_cast<quint64>(v), 16);
    };
    for (const int typ : r.ErlaubteTypen)
        t << QString::number(typ);
    for (const Reiheneintrag& e : r.Aufgaben) {
        t << e.Bemerkungen.join(u'|') << QString::number(e.Aufgabe.Typ) << QString::number(e.Aufgabe.Abschnitte.Anzahl);
        zahlen(e.Aufgabe.Parameter.P);
        zahlen(e.Aufgabe.Abschnitte.Von);
        zahlen(e.Aufgabe.Abschnitte.Bis);
    }
    return t.join(u'\n');
}

QByteArray geschrieben(const Aufgabenreihe& reihe, QStringView trenner = u",")
{
    const std::variant<QByteArray, QString> ergebnis = SchreibeAufgabenreihe(reihe, trenner);
    if (const QString* grund = std::get_if<QString>(&ergebnis))
        ADD_FAILURE() << "refused: " << grund->toStdString();
    return std::holds_alternative<QByteArray>(ergebnis) ? std::get<QByteArray>(ergebnis) : QByteArray();
}

// Every sample file, and two with the odd lines a teacher's editor leaves,
// one with bytes after the Ctrl-Z that ends it.
TEST(Aufgabenreihe, BleibtUnveraendertBytegenauUndNeuGeschriebenGleich)
{
    const QDir beispiele(QStringLiteral(KURVIX_BEISPIELE));
    QList<QByteArray> dateien = {MitKopf("*a\r\n  Kommentar\r\n   \r\n1 3\r\n  3 0,5 -2 x (-4;1)\r\n*c\r\n"),
                                 MitKopf("K\r\n1\r\n1 1 0\r\n\x1A" "alt \x81\r\n\x1A")};
    for (const QString& name : beispiele.entryList({QStringLiteral("*.sba")}, QDir::Files))
        dateien << LiesDateiinhalt(beispiele.filePath(name));
    ASSERT_EQ(dateien.size(), 5);
    EXPECT_EQ(AbDateiende("\x1A" "K"), "\x1A" "K") << "kept also when the end sign is the first byte";
    for (const QByteArray& bytes : dateien) {
        const GeleseneReihe gelesen = LiesAufgabenreihe(bytes, u",");
        EXPECT_TRUE(gelesen.KopfGelesen);
        EXPECT_EQ(geschrieben(gelesen.Reihe), bytes);
        Aufgabenreihe neu = gelesen.Reihe;
        neu.KommentarUrtext = neu.TypenUrtext = std::nullopt;
        for (Reiheneintrag& eintrag : neu.Aufgaben)
            eintrag.Urtext.reset();
        const GeleseneReihe wieder = LiesAufgabenreihe(geschrieben(neu), u",");
        EXPECT_EQ(bild(wieder.Reihe), bild(gelesen.Reihe));
        EXPECT_EQ(wieder.Meldungen, gelesen.Meldungen);
    }
}

TEST(Aufgabenreihe, LiestJedeZeileAnIhrenPlatz)
{
    const auto gelesen = LiesAufgabenreihe(MitKopf("*a\r\n  K\r\n\r\n1 3\r\n*b\r\n  3 0,5 -2 x (-4;1)\r\n9\r\n*c"), u",");
    Aufgabenreihe erwartet{QStringLiteral("K"), {0, 2}, {}, {"*a"}, {""}, {"*c"}, {}, {}, {}};
    erwartet.Aufgaben = {{{"*b"}, {2, {{0.5, -2, 0, 0}}, {1, {-4, 0}, {1, 0}}}, {}}, {{}, {KeinTyp, {{1, 0, 0, 0}}, {}}, {}}};
    EXPECT_EQ(bild(gelesen.Reihe), bild(erwartet));
    // A faulty head: no head fields, its messages, the task lines all the same.
    const GeleseneReihe fehlerhaft = LiesAufgabenreihe(MitKopf("K\r\n1 1\r\n3 1\r\n"), u",");
    EXPECT_FALSE(fehlerhaft.KopfGelesen);
    EXPECT_EQ(bild(fehlerhaft.Reihe), bild({{}, {}, {{{}, {2, {{1, 0, 0, 0}}, {}}, {}}}, {}, {}, {}, {}, {}, {}}));
    EXPECT_EQ(fehlerhaft.Meldungen.size(), 3U) << "the comment, the doubled type, the missing values";
}

TEST(Aufgabenreihe, SchreibtKopfzeileCrLfWindows1252UndKuerzesteZahlen)
{
    Aufgabenreihe reihe{QStringLiteral("Übung € 1"), {2, 4}, {}, {"* a"}, {}, {}, {}, {}, {}};
    reihe.Aufgaben = {{{"", "* Parabel"}, {2, {{0.5, -2, 1e-5, 0}}, {1, {-4, 0}, {-0.0, 0}}}, {}},
                      {{}, {4, {{0.3, 0.1 + 0.2, -0.0, 1e20}}, {}}, {}},
                      {{}, {0, {{1500, -1.5e-20}}, {}}, {}}};
    EXPECT_EQ(geschrieben(reihe), MitKopf("* a\r\n\xDC" "bung \x80 1\r\n3 5\r\n\r\n* Parabel\r\n3 0,5 -2 1E-5 (-4;-0)\r\n"
                                          "5 0,3 0,30000000000000004 -0 1E20\r\n1 1500 -1,5E-20\r\n"));
    EXPECT_TRUE(geschrieben(reihe, u".").endsWith("\r\n1 1500 -1.5E-20\r\n"));
    // The reader opens a file only when a line follows the type line.
    const Aufgabenreihe leer{QStringLiteral("K"), {0}, {}, {}, {}, {}, {}, {}, {}};
    EXPECT_EQ(geschrieben(leer), MitKopf("K\r\n1\r\n\r\n"));
    EXPECT_EQ(bild(LiesAufgabenreihe(geschrieben(leer), u",").Reihe), bild(leer));
}

using Verweigerung = std::pair<std::function<void(Aufgabenreihe&)>, const char*>;

#define UMBRUCH "enthält einen Zeilenumbruch oder ein Dateiende-Zeichen (Strg+Z); eine Zeile kann keines aufnehmen."
#define KEINE_BEMERKUNG \
    "soll eine Bemerkung sein, beginnt aber nicht mit „*“ und ist nicht leer; das Programm läse sie als Aufgabe."
#define FREMD "das eine Aufgabendatei (Windows-1252) nicht aufnehmen kann."

const Verweigerung Verweigerungen[] = {
    {[](auto& r) { r.Kommentar = "  "; }, "Der Kommentar ist leer; ohne ihn lässt sich die Datei nicht öffnen."},
    {[](auto& r) { r.Kommentar = "* Übung"; }, "Der Kommentar beginnt mit „*“; das Programm läse ihn als Bemerkung."},
    {[](auto& r) { r.Kommentar = " Übung"; }, "Der Kommentar beginnt mit einem Leerzeichen, das das Programm nicht zeigt."},
    {[](auto& r) { r.Kommentar = "Übung\rTeil 2"; }, "Zeile 2 " UMBRUCH},
    {[](auto& r) { r.Kommentar = "Übung\nTeil 2"; }, "Zeile 2 " UMBRUCH},
    {[](auto& r) { r.VorKommentar = {"*\x1A"}; }, "Zeile 2 " UMBRUCH},
    {[](auto& r) { r.Kommentar = "Haken ✓"; }, "Zeile 2 enthält das Zeichen „✓“ (U+2713), " FREMD},
    {[](auto& r) { r.VorTypen = {"* 😀"}; }, "Zeile 3 enthält das Zeichen „😀“ (U+1F600), " FREMD},
    {[](auto& r) { r.Aufgaben[0].Bemerkungen = {"Notiz"}; }, "Zeile 4 " KEINE_BEMERKUNG},
    {[](auto& r) { r.Schluss = {" *"}; }, "Zeile 5 " KEINE_BEMERKUNG},
    {[](auto& r) { r.ErlaubteTypen = {}; }, "Die Reihe nennt keinen Funktionstyp."},
    {[](auto& r) { r.ErlaubteTypen = {2, 2}; }, "Die Typenzeile nennt einen Typ doppelt oder einen, den es nicht gibt."},
    {[](auto& r) { r.Aufgaben[0].Aufgabe.Typ = KeinTyp; }, "Zeile 4 soll eine Aufgabe sein, die keinen Funktionstyp hat."},
    {[](auto& r) { r.Aufgaben[0].Aufgabe.Parameter[2] = std::numeric_limits<double>::infinity(); }, "Zeile 4 enthält einen Wert, der keine endliche Zahl ist."},
    {[](auto& r) { r.Aufgaben[0].Aufgabe.Abschnitte.Anzahl = 3; }, "Zeile 4 soll eine Aufgabe mit mehr als zwei Abschnitten sein."},
    {[](auto& r) { r.Aufgaben[0].Urtext = "* 3 1 0 0"; }, "Zeile 4 soll eine Aufgabe sein, ist aber leer oder eine Bemerkung."},
};

TEST(Aufgabenreihe, NenntDenGrundStattZuSchreiben)
{
    for (const auto& [aendere, grund] : Verweigerungen) {
        Aufgabenreihe reihe{QStringLiteral("Übung"), {2}, {{{}, {2, {{1, 0, 0, 0}}, {}}, {}}}, {}, {}, {}, {}, {}, {}};
        aendere(reihe);
        const std::variant<QByteArray, QString> ergebnis = SchreibeAufgabenreihe(reihe, u",");
        EXPECT_EQ(std::holds_alternative<QString>(ergebnis) ? std::get<QString>(ergebnis) : QString(),
                  QString::fromUtf8(grund));
    }
}

// Random series with the numbers and characters that are hard to write back.
TEST(Aufgabenreihe, ZehntausendZufallsreihenLesenSichGleichZurueck)
{
    std::mt19937_64 gen(20261209);
    const auto zahl = [&gen](int von, int bis) { return std::uniform_int_distribution(von, bis)(gen); };
    const QStringList zeilen = {"", "   ", "*", "** Übung € „1“ – (-4;2) 0,5.", "*ß"}, kommentare = {"Übung €", "K", "„ä“ – ;(,."};
    const auto bemerkungen = [&] { return zeilen.mid(zahl(0, 4), zahl(0, 2)); };
    const double besondere[] = {-0.0, 1e-5, 1e20, -8, 8};
    const auto wert = [&]() -> double {
        switch (zahl(0, 4)) {
        case 0: return zahl(-9, 9);
        case 1: return std::round(100000.0 * zahl(-9, 9) / zahl(1, 9)) / 100000; // a fraction as a box counts it
        case 2: return besondere[zahl(0, 4)];
        case 3: return std::uniform_real_distribution(-10.0, 10.0)(gen);
        default: return (zahl(0, 1) ? -1 : 1) * std::bit_cast<double>(std::uniform_int_distribution<quint64>(0, 0x7FEFFFFFFFFFFFFF)(gen));
        }
    };
    for (int n = 0; n < 10000; ++n) {
        Typliste typen{0, 1, 2, 3, 4, 5, 6};
        std::shuffle(typen.begin(), typen.end(), gen);
        typen.resize(zahl(1, 7));
        Aufgabenreihe reihe{kommentare[zahl(0, 2)], typen, {}, bemerkungen(), bemerkungen(), bemerkungen(), {}, {}, {}};
        for (int i = zahl(1, 5); i > 0; --i) {
            Reihenaufgabe a{zahl(0, 6), {}, {zahl(0, 2), {}, {}}};
            for (int p = 0; p < AnzahlParameter(a.Typ); ++p)
                a.Parameter[p] = wert();
            for (std::size_t k = 0; k < static_cast<std::size_t>(a.Abschnitte.Anzahl); ++k)
                a.Abschnitte.Von[k] = wert(), a.Abschnitte.Bis[k] = wert();
            reihe.Aufgaben.push_back({bemerkungen(), a, {}});
        }
        const QStringView trenner = n % 2 ? u"." : u",";
        const GeleseneReihe gelesen = LiesAufgabenreihe(geschrieben(reihe, trenner), trenner);
        ASSERT_TRUE(gelesen.KopfGelesen && bild(gelesen.Reihe) == bild(reihe) && gelesen.Meldungen.size() == 1)
            << "series " << n << ":\n" << geschrieben(reihe, trenner).toStdString();
    }
}

} // namespace
