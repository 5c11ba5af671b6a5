// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/pruefauftrag.h"

#include "testhilfe.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QByteArray Kopf = MitKopf("Kommentar\r\n1 3 7\r\n");

// Files named by what they hold; only whole numbers, so that the regional
// settings the tests run under play no part.
const std::vector<std::pair<const char*, QByteArray>> Dateien = {
    {"gut.sba", Kopf + "3 1 -2 1\r\n1 2 -3\r\n"},
    {"warnung.sba", Kopf + "5 1 1 0 0\r\n"},
    {"fehler.sba", Kopf + "1 0 100\r\n7 1 -2 0\r\n"},
    {"kopf.sba", "Aufgaben\r\nKommentar\r\n1\r\n1 1 0\r\n"},
};

const char* const Gut = "gut.sba: 2 Aufgaben, 0 Fehler, 0 Warnungen";
const char* const Warnung1 = "warnung.sba:4: Warnung: Typ 5 (Sinusfunktion) steht nicht in der Typenzeile; die "
                             "Aufgabe lässt sich nur überspringen.";
const char* const Warnung2 = "warnung.sba: 1 Aufgabe, 0 Fehler, 1 Warnung";

// The report as the command line prints it, a line each.
QString gedruckt(const Auftragsergebnis& ergebnis)
{
    QString text;
    for (const QString& zeile : ergebnis.Ausgabe)
        text += zeile + QLatin1Char('\n');
    return text;
}

// The files checked in order, what is printed and the exit status.
struct Befehlsfall {
    const char* name;
    std::vector<const char*> dateien;
    std::vector<const char*> ausgabe;
    int status;
};

const Befehlsfall Befehlsfaelle[] = {
    {"Gut", {"gut.sba"}, {Gut}, 0},
    {"WarnungenAendernDenStatusNicht", {"gut.sba", "warnung.sba"}, {Gut, Warnung1, Warnung2}, 0},
    {"FehlerInDerLetztenDatei",
     {"warnung.sba", "fehler.sba"},
     {Warnung1, Warnung2, "fehler.sba:4: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "fehler.sba:5: Fehler: Beim Zeichnen des vorgegebenen Schaubildes meldet das Programm „Ungültige "
      "Gleitkommaoperation.“",
      "fehler.sba: 2 Aufgaben, 2 Fehler, 0 Warnungen"},
     1},
    {"FehlerInDerErstenDatei",
     {"kopf.sba", "gut.sba"},
     {"kopf.sba:1: Fehler: Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (1. Zeile ist unkorrekt).",
      "kopf.sba: 0 Aufgaben, 1 Fehler, 0 Warnungen", Gut},
     1},
    {"OrdnerStattDatei",
     {".", "gut.sba"},
     {".: Fehler: Die Datei „.“ kann nicht geöffnet werden: Das ist keine gewöhnliche Datei, sondern zum Beispiel "
      "ein Ordner oder ein Gerät.",
      ".: 0 Aufgaben, 1 Fehler, 0 Warnungen", Gut},
     1},
    {"KeineDatei", {}, {}, 0},
};

class PruefbefehlTest : public ::testing::TestWithParam<Befehlsfall> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        for (const auto& [name, bytes] : Dateien)
            SchreibeDatei(ordner, name, bytes);
        vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
    }
    void TearDown() override { QDir::setCurrent(vorher); }

    QTemporaryDir ordner;
    QString vorher;
};

TEST_P(PruefbefehlTest, BerichtetJedeDateiUndGibtDenStatus)
{
    const Befehlsfall& f = GetParam();
    const Auftragsergebnis ergebnis = PruefeDateien(Texte(f.dateien));
    EXPECT_EQ(ergebnis.Status, f.status);
    EXPECT_EQ(gedruckt(ergebnis), Zeilen(f.ausgabe));
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, PruefbefehlTest, ::testing::ValuesIn(Befehlsfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Pruefbefehl, FehlendeDateiIstEinFehlerOhneAbbruch)
{
    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt.sba"));
    const Auftragsergebnis ergebnis = PruefeDateien({fehlt, fehlt});
    EXPECT_EQ(ergebnis.Status, 1);
    const QString text = gedruckt(ergebnis);
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 5) << text.toStdString();
    EXPECT_TRUE(zeilen[0].startsWith(fehlt + QStringLiteral(": Fehler: Die Datei „") + fehlt +
                                     QStringLiteral("“ kann nicht geöffnet werden: ")))
        << zeilen[0].toStdString();
    EXPECT_EQ(zeilen[1], fehlt + QStringLiteral(": 0 Aufgaben, 1 Fehler, 0 Warnungen"));
    EXPECT_EQ(zeilen[3], zeilen[1]);
}

} // namespace
