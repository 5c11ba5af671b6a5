// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabendatei.h"
#include "tasks/dateiinhalt.h"

#include "plot/abtastung.h"
#include "plot/geometrie.h"
#include "testhilfe.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

QStringList beispieldateien()
{
    return QDir(QStringLiteral(KURVIX_BEISPIELE)).entryList({QStringLiteral("*.sba")}, QDir::Files, QDir::Name);
}

TEST(Beispiele, EineDateiJeThema)
{
    EXPECT_GE(beispieldateien().size(), 3) << "in " << KURVIX_BEISPIELE;
}

// Counts the samples a graph shows inside the plot.
class Sichtbar : public Zeichenziel {
public:
    void BewegeZu(int spalte, int zeile) override { zaehle(spalte, zeile); }
    void LinieBis(int spalte, int zeile) override { zaehle(spalte, zeile); }
    int punkte = 0;

private:
    void zaehle(int spalte, int zeile)
    {
        if (spalte < BildBreite && zeile >= 0 && zeile < BildHoehe)
            ++punkte;
    }
};

// Every line ends with CR LF, as the teacher's editor writes it.
bool nurCrLf(const QByteArray& bytes)
{
    const qsizetype zeilen = bytes.count("\r\n");
    return bytes.count('\r') == zeilen && bytes.count('\n') == zeilen && bytes.endsWith("\r\n");
}

class BeispielTest : public ::testing::TestWithParam<QString> {};

TEST_P(BeispielTest, LaesstSichBisZumEndeDurcharbeiten)
{
    const QByteArray bytes = LiesDateiinhalt(QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(GetParam()));
    EXPECT_TRUE(nurCrLf(bytes));
    Aufgabendatei datei(bytes, QStringLiteral(","));
    ASSERT_TRUE(datei.Kopf().Gelesen);
    ASSERT_EQ(datei.Kopf().Meldungen.size(), 1U);
    EXPECT_EQ(datei.Kopf().Meldungen[0].art, Meldung::Art::Hinweis);

    int aufgaben = 0;
    while (const std::optional<Dateiaufgabe> aufgabe = datei.NaechsteAufgabe()) {
        ++aufgaben;
        EXPECT_TRUE(aufgabe->Meldungen.empty()) << "task " << aufgaben;
        EXPECT_TRUE(std::ranges::find(datei.Kopf().ErlaubteTypen, aufgabe->Typ) != datei.Kopf().ErlaubteTypen.end())
            << "task " << aufgaben << " cannot be solved";
        Sichtbar graph;
        EXPECT_NO_THROW(TasteAb({aufgabe->Typ, aufgabe->Parameter, aufgabe->Abschnitte, false}, graph));
        EXPECT_GT(graph.punkte, 0) << "task " << aufgaben << " shows nothing";
    }
    EXPECT_GE(aufgaben, 4);
}

INSTANTIATE_TEST_SUITE_P(Dateien, BeispielTest, ::testing::ValuesIn(beispieldateien()),
                         [](const auto& info) { return QFileInfo(info.param).baseName().toStdString(); });

} // namespace
