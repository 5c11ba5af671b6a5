// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/listenmodelle.h"

#include "testhilfe.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

// Two parabolas, a task of no type, then a run of lines.
QByteArray datei(int anzahl, const char* zeile)
{
    QByteArray inhalt = MitKopf("K\r\n1 3\r\n3 -0,5 1 2 (-4;-1) (1;4)\r\n3 1 0 0\r\n9 1 1\r\n");
    for (int i = 0; i < anzahl; ++i)
        inhalt += zeile;
    return inhalt;
}

QStringList zeile(const QAbstractItemModel& modell, int reihe, int rolle = Qt::DisplayRole)
{
    QStringList texte;
    for (int spalte = 0; spalte < modell.columnCount(); ++spalte)
        texte << modell.index(reihe, spalte).data(rolle).toString();
    return texte;
}

QStringList kopf(const QAbstractItemModel& modell)
{
    QStringList texte;
    for (int spalte = 0; spalte <= modell.columnCount(); ++spalte)
        texte << modell.headerData(spalte, Qt::Horizontal).toString();
    return texte << modell.headerData(0, Qt::Vertical).toString();
}

// The rows of the list are the tasks and the end of the series; the
// findings are those of the tasks checked so far, each with its line.
TEST(Listenmodelle, AufgabenUndBefundeAlsZeilen)
{
    const Regionswechsel region("de_DE.UTF-8");
    Reihenbearbeitung reihe(QLocale(QLocale::German));
    reihe.Oeffne(datei(2300, "1 1 7 (3;1)\r\n")); // a section backwards: a Warnung and a Fehler each
    Aufgabenmodell aufgaben(reihe);
    Befundmodell befunde;
    // Qt's own checks of a model and its signals, a failure aborting the test
    const QAbstractItemModelTester pruefeAufgaben(&aufgaben, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QAbstractItemModelTester pruefeBefunde(&befunde, QAbstractItemModelTester::FailureReportingMode::Fatal);
    befunde.Zeige(reihe.Befunde());
    EXPECT_EQ(aufgaben.rowCount(), 2304);
    EXPECT_EQ(kopf(aufgaben), Texte({"Nr.", "Typ", "Gleichung", "Abschnitte", "", ""}));
    EXPECT_FALSE(aufgaben.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    EXPECT_EQ(zeile(aufgaben, 0), Texte({"1", "Parabel", "f(x) = -0,5·(x + 1)² + 2", "(-4;-1) (1;4)"}));
    EXPECT_EQ(zeile(aufgaben, 2), Texte({"3", "ungültig", "kein Schaubild vorgegeben", ""}));
    EXPECT_EQ(zeile(aufgaben, 2303), Texte({"", "", "Ende der Reihe", ""}));
    EXPECT_EQ(zeile(aufgaben, 2302), Texte({"2303", "Gerade", "f(x) = x + 7", "(3;1)"}));

    EXPECT_EQ(kopf(befunde), Texte({"Zeile", "Art", "Befund", "", ""}));
    EXPECT_EQ(befunde.rowCount(), 1995); // of the first 1,000 tasks
    EXPECT_EQ(zeile(befunde, 0).mid(0, 2), Texte({"6", "Fehler"}));
    EXPECT_EQ(befunde.index(0, 0).data(Qt::UserRole).toInt(), 6);
    EXPECT_EQ(befunde.index(0, 2).data(Qt::ToolTipRole).toString(),
              QStringLiteral("Die Typnummer ist nicht 1 bis 7; das Programm zeigt kein Schaubild."));
}

} // namespace
