// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programmlauf.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Aufruffall {
    const char* name;
    std::vector<const char*> argumente;
    std::vector<const char*> ausgabe;
    int status;
};

const char* const Sinus = "sinus.sba: 6 Aufgaben, 0 Fehler, 0 Warnungen";

const Aufruffall Aufruffaelle[] = {
    {"Beispiele",
     {"--pruefe", "sinus.sba", "geraden_und_parabeln.sba"},
     {Sinus, "geraden_und_parabeln.sba: 7 Aufgaben, 0 Fehler, 0 Warnungen"},
     0},
    {"FehlerhafteDateiUndOrdner",
     {"--pruefe", "kaputt.sba", ".", "sinus.sba"},
     {"kaputt.sba:4: Fehler: Das Programm meldet „Fehler! In der aktuellen Aufgabenzeile fehlen Daten!“",
      "kaputt.sba:5: Fehler: Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen.",
      "kaputt.sba: 2 Aufgaben, 2 Fehler, 0 Warnungen",
      ".: Fehler: Die Datei „.“ kann nicht geöffnet werden: Das ist keine gewöhnliche Datei, sondern zum Beispiel "
      "ein Ordner oder ein Gerät.",
      ".: 0 Aufgaben, 1 Fehler, 0 Warnungen", Sinus},
     1},
};

// A folder with two sample files and a faulty one.
class PruefaufrufTest : public ::testing::TestWithParam<Aufruffall> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        for (const char* name : {"sinus.sba", "geraden_und_parabeln.sba"}) {
            const QString datei = QString::fromUtf8(name);
            ASSERT_TRUE(QFile::copy(QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(datei), ordner.filePath(datei)));
        }
        SchreibeDatei(ordner, "kaputt.sba", MitKopf("Kommentar\r\n1 3\r\n3 1\r\n1 0 100\r\n"));
    }

    QTemporaryDir ordner;
};

TEST_P(PruefaufrufTest, PrueftOhneFenster)
{
    const Aufruffall& f = GetParam();
    // As a teacher runs it: German regional settings whatever the tests run under.
    const Programmlauf lauf = StarteProgramm(Texte(f.argumente), ordner.path(), QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(lauf.ausgabe, Zeilen(f.ausgabe)) << lauf.fehlerausgabe.toStdString();
    EXPECT_EQ(lauf.status, f.status);
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, PruefaufrufTest, ::testing::ValuesIn(Aufruffaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
