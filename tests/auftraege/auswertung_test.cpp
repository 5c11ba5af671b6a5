// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class overview from the records of a class.

#include "auftraege/auswertung.h"
#include "blatt/protokolldruck.h"
#include "testhilfe.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Protokollaufgabe aufgabe(bool test, char verlauf)
{
    Protokollaufgabe a{test, Gerade, {{2, 1, 0, 0}}, {}, {}, verlauf == 'S'};
    if (verlauf != 'S' && verlauf != 'O')
        a.Antworten = {{Gerade, {{2, 1, 0, 0}}, verlauf == 'R'}};
    return a;
}

// One letter per task: R right at once, F wrong, S skipped, O open; a
// lower-case letter is a task of a task file.
Testprotokoll protokoll(const char* name, const char* klasse, const char* verlauf)
{
    Testprotokoll p{QString::fromUtf8(name), QString::fromUtf8(klasse), QDateTime(QDate(2026, 12, 9), QTime(9, 0)),
                    QStringLiteral("Test"), QStringLiteral("0.1.0"), {}};
    for (const char* c = verlauf; *c != '\0'; ++c)
        p.Aufgaben.push_back(aufgabe(std::isupper(*c) != 0, static_cast<char>(std::toupper(*c))));
    return p;
}

TEST(Auswertung, EineZeileJeSchuelerUndDieAnteile)
{
    const Uebersicht u = BaueUebersicht({protokoll("Ada", "10b", "RFSO"), protokoll("Bö; \"Bo\"", "", "rfR"),
                                         protokoll("=Ede", "10b", "fffr")});
    const QByteArray erwartet = "\xEF\xBB\xBF"
                                "Name;Klasse;Aufgaben;richtig;Prozent;1;2;3;4\r\n"
                                "Ada;10b;3;1;33;✓;✗;✗;–\r\n"
                                "\"Bö; \"\"Bo\"\"\";;1;1;100;✓;–;–;–\r\n"
                                "'=Ede;10b;4;1;25;✗;✗;✗;✓\r\n"
                                "beim ersten Versuch richtig;;;;;66 %;0 %;0 %;100 %\r\n";
    EXPECT_EQ(UebersichtCsv(u), erwartet);
}

TEST(Auswertung, FremdeUndKaputteDateienWerdenUebergangen)
{
    QTemporaryDir ordner;
    const QByteArray echt = ProtokollPdf(protokoll("Ada", "10b", "RF"));
    const auto schreibe = [&](const char* name, const QByteArray& inhalt) {
        QFile datei(ordner.filePath(QLatin1String(name)));
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        return datei.fileName();
    };
    const QStringList pfade{schreibe("echt.pdf", echt), schreibe("fremd.pdf", "%PDF-1.4\n%%EOF\n"),
                            schreibe("halb.pdf", echt.left(echt.indexOf("urn:kurvix:testprotokoll") + 200)),
                            ordner.filePath(QStringLiteral("fehlt.pdf"))};
    QStringList warnungen;
    const std::vector<Testprotokoll> gelesen = LiesProtokolle(pfade, warnungen);
    ASSERT_EQ(gelesen.size(), 1u);
    EXPECT_EQ(gelesen[0].Name, QStringLiteral("Ada"));
    ASSERT_EQ(warnungen.size(), 3) << warnungen.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(warnungen[0], QStringLiteral("„%1“ ist kein Testprotokoll von Kurvix und wird übergangen.").arg(pfade[1]));
    EXPECT_TRUE(warnungen[1].startsWith(QStringLiteral("„%1“ ist kein").arg(pfade[2])));
    EXPECT_TRUE(warnungen[2].contains(QStringLiteral("fehlt.pdf")));
}

} // namespace
