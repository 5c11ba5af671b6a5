// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/reihenbearbeitung.h"

#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

const QLocale Deutsch(QLocale::German);

QByteArray datei(const char* zeilen) { return MitKopf(QByteArray(zeilen).replace("\n", "\r\n")); }

QByteArray bytes(const Reihenbearbeitung& reihe) { return std::get<QByteArray>(reihe.Bytes()); }

bool gleicheAbschnitte(const Abschnitte& a, const Abschnitte& b)
{
    return a.Anzahl == b.Anzahl && a.Von == b.Von && a.Bis == b.Bis;
}

// Field by field, the line texts kept from the file included.
void erwarteGleich(const Aufgabenreihe& a, const Aufgabenreihe& b)
{
    EXPECT_EQ(a.Kommentar, b.Kommentar);
    EXPECT_EQ(a.ErlaubteTypen, b.ErlaubteTypen);
    EXPECT_EQ(a.KommentarUrtext, b.KommentarUrtext);
    EXPECT_EQ(a.TypenUrtext, b.TypenUrtext);
    EXPECT_EQ(a.VorKommentar, b.VorKommentar);
    EXPECT_EQ(a.VorTypen, b.VorTypen);
    EXPECT_EQ(a.Schluss, b.Schluss);
    ASSERT_EQ(a.Aufgaben.size(), b.Aufgaben.size());
    for (std::size_t i = 0; i < a.Aufgaben.size(); ++i) {
        const Reiheneintrag& x = a.Aufgaben[i];
        const Reiheneintrag& y = b.Aufgaben[i];
        EXPECT_EQ(x.Bemerkungen, y.Bemerkungen) << i;
        EXPECT_EQ(x.Urtext, y.Urtext) << i;
        EXPECT_EQ(x.Aufgabe.Typ, y.Aufgabe.Typ) << i;
        EXPECT_EQ(x.Aufgabe.Parameter, y.Aufgabe.Parameter) << i;
        EXPECT_TRUE(gleicheAbschnitte(x.Aufgabe.Abschnitte, y.Aufgabe.Abschnitte)) << i;
    }
}

// Twenty edits of every kind, then undo back to the start: the opened
// series exactly, and redo brings the edited one back.
TEST(Reihenbearbeitung, RueckgaengigNach20AenderungenGibtDieGeoeffneteReihe)
{
    const QByteArray inhalt = datei("* Kopf\nKommentar\n3  1 5\n* vor 1\n3 1  -2 1\n\n1 0,50 -3 (-4;-1)\n6 2 1 0\n");
    Reihenbearbeitung reihe(Deutsch);
    reihe.Oeffne(inhalt);
    const Aufgabenreihe geoeffnet = reihe.Reihe();
    reihe.SetzeKommentar(QStringLiteral("K"));
    reihe.SetzeKommentar(QStringLiteral("Kü"));
    reihe.SetzeTypErlaubt(Sinus, true);
    reihe.SetzeTypErlaubt(Parabel2, false);
    reihe.Waehle(1);
    reihe.SetzeParameter(0, 2);
    reihe.SetzeParameter(1, -1.5);
    reihe.SetzeAbschnitte({2, {-3, 1}, {0, 4}});
    reihe.SetzeBemerkungen({QStringLiteral("* neu"), QString()});
    reihe.SetzeTyp(Sinus);
    reihe.NeueAufgabe();
    reihe.SetzeParameter(3, 1);
    reihe.Verschiebe(-1);
    reihe.Verschiebe(-1);
    reihe.FuegeEin({Exponential, {{1, 3, 0}}, {}});
    reihe.Loesche();
    reihe.Waehle(3);
    reihe.Loesche();
    reihe.Verschiebe(1);
    reihe.SetzeTyp(Gerade);
    reihe.SetzeKommentar(QStringLiteral("Neu"));
    EXPECT_EQ(reihe.Stapel().count(), 16); // keystrokes merged; Sinus was allowed, the last task stayed last
    const QByteArray bearbeitet = bytes(reihe);
    EXPECT_NE(bearbeitet, inhalt);
    EXPECT_TRUE(reihe.Geaendert());
    while (reihe.Stapel().canUndo())
        reihe.Stapel().undo();
    erwarteGleich(reihe.Reihe(), geoeffnet);
    EXPECT_EQ(bytes(reihe), inhalt);
    EXPECT_FALSE(reihe.Geaendert());
    while (reihe.Stapel().canRedo())
        reihe.Stapel().redo();
    EXPECT_EQ(bytes(reihe), bearbeitet);
}

// Keystrokes in one box are one step; a changed task is written anew, the
// others as they stood.
TEST(Reihenbearbeitung, TastenInEinemFeldSindEinSchrittUndNurDieGeaenderteZeileWirdNeuGeschrieben)
{
    Reihenbearbeitung reihe(Deutsch);
    reihe.Oeffne(datei("K\n3\n3 1  -2 1\n3 1,50 0 0\n"));
    reihe.Waehle(1);
    for (const double wert : {2.0, 2.5, 2.75})
        reihe.SetzeParameter(0, wert);
    reihe.SetzeParameter(2, -1);
    reihe.SetzeParameter(2, -1); // no change, no step
    reihe.Waehle(2);
    for (const char* zeile : {"*", "*d"})
        reihe.SetzeBemerkungen({QString::fromLatin1(zeile)});
    reihe.SetzeParameter(0, 5); // no task at the end
    EXPECT_EQ(reihe.Stapel().count(), 3);
    EXPECT_EQ(bytes(reihe), datei("K\n3\n3 1  -2 1\n3 2,75 0 -1\n*d\n"));
    reihe.Stapel().undo();
    EXPECT_TRUE(reihe.AmEnde());
    reihe.Stapel().undo();
    EXPECT_EQ(reihe.Reihe().Aufgaben[1].Aufgabe.Parameter, (ParameterSatz{{2.75, 0, 0}}));
}

struct Schritt {
    const char* was;
    int auswahlDanach;
    const char* typenDanach; // the type numbers of the tasks in order
};

// Insert, delete and move keep the selection on the task they act on.
TEST(Reihenbearbeitung, EinfuegenLoeschenVerschiebenFolgenDerAuswahl)
{
    Reihenbearbeitung reihe(Deutsch);
    reihe.Oeffne(datei("K\n1 2 3\n1 1 0\n2 1 0 0\n3 1 0 0\n"));
    const Schritt schritte[] = {
        {"hoch", 0, "123"},  {"runter", 1, "213"}, {"runter", 2, "231"}, {"runter", 2, "231"},
        {"neu", 3, "2311"},  {"loesche", 2, "231"}, {"loesche", 1, "23"}, {"undo", 2, "231"},
        {"erste", 0, "231"}, {"neu", 1, "2231"},   {"ende", 4, "2231"},    {"hoch", 4, "2231"},
        {"loesche", 4, "2231"}, {"neu", 4, "22313"},
    };
    for (const Schritt& s : schritte) {
        const QString was = QString::fromLatin1(s.was);
        if (was == QLatin1String("hoch"))
            reihe.Verschiebe(-1);
        else if (was == QLatin1String("runter"))
            reihe.Verschiebe(1);
        else if (was == QLatin1String("neu"))
            reihe.NeueAufgabe();
        else if (was == QLatin1String("loesche"))
            reihe.Loesche();
        else if (was == QLatin1String("undo"))
            reihe.Stapel().undo();
        else if (was == QLatin1String("ende"))
            reihe.Waehle(99);
        else
            reihe.Waehle(0);
        QString typen;
        for (const Reiheneintrag& e : reihe.Reihe().Aufgaben)
            typen += QString::number(e.Aufgabe.Typ + 1);
        EXPECT_EQ(typen, QString::fromLatin1(s.typenDanach)) << s.was;
        EXPECT_EQ(reihe.Auswahl(), s.auswahlDanach) << s.was;
    }
}

// The findings follow every change with the right line; a click on a
// finding's line finds its task.
TEST(Reihenbearbeitung, BefundeFolgenDerAenderungMitIhrerZeile)
{
    Reihenbearbeitung reihe(Deutsch);
    reihe.Oeffne(datei("K\n3\n* a\n3 1 0 0\n1 1 0\n"));
    auto zeilen = [&reihe](Befund::Art art) {
        std::vector<int> z;
        for (const Befund& b : reihe.Befunde())
            if (b.art == art)
                z.push_back(b.zeile);
        return z;
    };
    EXPECT_EQ(zeilen(Befund::Art::Warnung), std::vector<int>{6}); // type 1 not in the type line
    EXPECT_EQ(reihe.AufgabeInZeile(6), 1);
    EXPECT_EQ(reihe.AufgabeInZeile(4), 0); // the remark before task 1
    EXPECT_EQ(reihe.AufgabeInZeile(3), -1);
    EXPECT_EQ(reihe.AufgabeInZeile(99), -1);
    reihe.Waehle(0);
    reihe.SetzeBemerkungen({QStringLiteral("* a"), QStringLiteral("* b")});
    reihe.SetzeParameter(2, 50); // out of sight
    EXPECT_EQ(zeilen(Befund::Art::Fehler), std::vector<int>{6});
    EXPECT_EQ(zeilen(Befund::Art::Warnung), std::vector<int>{7});
    reihe.SetzeTypErlaubt(Gerade, true);
    EXPECT_EQ(zeilen(Befund::Art::Warnung), std::vector<int>{});
    reihe.SetzeBemerkungen({QStringLiteral("* a"), QStringLiteral("* \u2713")}); // before saving fails
    EXPECT_EQ(reihe.Befunde().front(), (Befund{5, Befund::Art::Fehler,
                                               QStringLiteral("Die Bemerkung enthält das Zeichen „✓“ (U+2713), das eine "
                                                              "Aufgabendatei (Windows-1252) nicht aufnehmen kann.")}));
    reihe.SetzeKommentar(QStringLiteral("Preis in \u20ac, \u0394x")); // Δ is no Windows-1252 character
    ASSERT_FALSE(reihe.Befunde().empty());
    EXPECT_EQ(reihe.Befunde().front().zeile, 2);
    EXPECT_EQ(reihe.Befunde().front().art, Befund::Art::Fehler);
    EXPECT_TRUE(std::holds_alternative<QString>(reihe.Bytes()));
}

// Seeded sequences of 300 edits of every kind on the samples and two files
// with bytes after their Ctrl-Z, one with remarks before it: after each the
// findings kept up line by line equal a full check of the bytes to be
// written; undoing all gives the file, redoing all the last state.
TEST(Reihenbearbeitung, BefundeGleichenNachJedemSchrittDerPruefungUndRueckgaengigGibtDieDatei)
{
    const QDir beispiele(QStringLiteral(KURVIX_BEISPIELE));
    QList<QByteArray> dateien = {datei("K\n3\n* a\n3 1 0 0\n1 1 0\n") + "\x1A" "rest",
                                 datei("  K\n1 3\n*x\n3 0,5 1\n9 1\n5 1 1 0 0 (2;-2)\n*e\n") + "\x1A" "rest"};
    for (const QString& name : beispiele.entryList({QStringLiteral("*.sba")}, QDir::Files))
        dateien << LiesDateiinhalt(beispiele.filePath(name));
    ASSERT_EQ(dateien.size(), 5);
    const double werte[] = {0, 1, -2, 0.5, 1e-5, 50, -0.0, 7.25};
    const QStringList zeilen = {"*", "", "* Übung", "* \u2713", "*\u20ac"};
    std::mt19937 zufall(20261210);
    const auto r = [&zufall](int n) { return std::uniform_int_distribution(0, n - 1)(zufall); };
    const auto wert = [&] { return werte[r(8)]; };
    for (const QByteArray& inhalt : dateien) {
        Reihenbearbeitung reihe(Deutsch);
        reihe.Oeffne(inhalt);
        EXPECT_FALSE(reihe.Geaendert());
        for (int schritt = 0; schritt < 300; ++schritt) {
            reihe.Waehle(r(reihe.Anzahl() + 1));
            switch (r(12)) {
            case 0: reihe.SetzeParameter(r(4), wert()); break;
            case 1: reihe.SetzeTyp(r(AnzahlTypen)); break;
            case 2: reihe.SetzeAbschnitte({r(3), {wert(), wert()}, {wert(), wert()}}); break;
            case 3: reihe.SetzeBemerkungen(zeilen.mid(r(5), r(3))); break;
            case 4: reihe.NeueAufgabe(); break;
            case 5: reihe.Loesche(); break;
            case 6: reihe.Verschiebe(r(2) ? 1 : -1); break;
            case 7: reihe.FuegeEin({r(AnzahlTypen), {{wert(), 1.0 + r(3), wert(), wert()}}, {}}); break;
            case 8: reihe.SetzeKommentar(r(4) ? QStringLiteral("K%1").arg(r(3)) : QStringLiteral("\u2713")); break;
            case 9: reihe.SetzeTypErlaubt(r(AnzahlTypen), r(2)); break;
            case 10: reihe.Stapel().undo(); break;
            default: reihe.Stapel().redo(); break;
            }
            std::vector<Befund> befunde = reihe.Befunde();
            const std::variant<QByteArray, QString> geschrieben = reihe.Bytes();
            if (const QString* grund = std::get_if<QString>(&geschrieben)) { // a Fehler at the line refused
                const int zeile = grund->section(u' ', 1, 1).toInt();
                const auto dort = [zeile](const Befund& b) { return b.zeile == zeile && b.art == Befund::Art::Fehler; };
                EXPECT_TRUE(zeile == 0 || std::ranges::any_of(befunde, dort)) << schritt << ": " << grund->toStdString();
                continue;
            }
            for (Befund& b : befunde) // the one finding worded for the window
                b.text.replace(QStringLiteral("Die Reihe enthält"), QStringLiteral("Die Datei enthält"));
            ASSERT_EQ(befunde, PruefeAufgabendatei(std::get<QByteArray>(geschrieben), Deutsch).Befunde) << schritt;
        }
        const std::variant<QByteArray, QString> zuletzt = reihe.Bytes();
        reihe.Stapel().setIndex(0);
        EXPECT_EQ(bytes(reihe), inhalt);
        reihe.Stapel().setIndex(reihe.Stapel().count());
        EXPECT_EQ(reihe.Bytes(), zuletzt);
    }
}

TEST(Reihenbearbeitung, SpeicherfrageNenntDieFehler)
{
    std::vector<Befund> befunde;
    for (int i = 0; i < 6; ++i)
        befunde.push_back({i + 1, i == 2 ? Befund::Art::Warnung : Befund::Art::Fehler, QChar(u'a' + i)});
    EXPECT_EQ(Speicherfrage(befunde), QStringLiteral("Die Reihe hat 5 Fehler:\nZeile 1: a\nZeile 2: b\nZeile 4: d\n"
                                                     "und 2 weitere\nTrotzdem speichern?"));
    befunde.pop_back();
    EXPECT_EQ(Speicherfrage(befunde), QStringLiteral("Die Reihe hat 4 Fehler:\nZeile 1: a\nZeile 2: b\nZeile 4: d\n"
                                                     "Zeile 5: e\nTrotzdem speichern?"));
}

} // namespace
