// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/wiederherstellung.h"

#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const Sicherung Beispiel{QStringLiteral("/home/lehrer/Kl 9\nä.sba"), QDateTime({2026, 12, 10}, {14, 5, 7, 250}),
                         QByteArray("a\n\nb\r\n\0", 7)};
const QByteArray Beispielinhalt(
    "Kurvix-Wiederherstellung 1\n%2Fhome%2Flehrer%2FKl%209%0A%C3%A4.sba\n2026-12-10T14:05:07.250\n\na\n\nb\r\n\0", 98);

TEST(Wiederherstellung, FormatLiestSichZurueckUndWeistFremdesAb)
{
    EXPECT_EQ(Sicherungsinhalt(Beispiel), Beispielinhalt);
    const std::optional<Sicherung> gelesen = LiesSicherung(Beispielinhalt);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(std::tie(gelesen->Pfad, gelesen->Zeit, gelesen->Bytes), std::tie(Beispiel.Pfad, Beispiel.Zeit, Beispiel.Bytes));
    for (const char* fremd : {"", "Kurvix-Wiederherstellung 1\n", "Kurvix-Wiederherstellung 2\n\n2026-12-10T14:05:07\n\nx",
                              "Kurvix-Wiederherstellung 1\n\n2026-12-10T14:05:07\nx", "Kurvix-Wiederherstellung 1\n\ngestern\n\n"})
        EXPECT_FALSE(LiesSicherung(fremd)) << fremd;
    EXPECT_EQ(Wiederherstellfrage({{}, QDateTime({2026, 1, 2}, {9, 0}), {}}),
              QStringLiteral("Es gibt ungesicherte Änderungen an „unbenannt“ vom 02.01.2026, 09:00 Uhr. Wiederherstellen?"));
}

// A window's file is its own while it runs and goes with it; files of no
// running window are offered, strangers passed over (the rest the editor's
// test tries with a real process).
TEST(Wiederherstellung, GehoertDemLaufendenFensterUndVerwaistNachDessenEnde)
{
    QTemporaryDir ordner;
    auto fenster = std::make_unique<Wiederherstellung>(ordner.path());
    const Wiederherstellung anderes(ordner.path());
    EXPECT_EQ(fenster->Sichere(Beispiel), std::nullopt);
    EXPECT_TRUE(anderes.Verwaiste().empty());
    fenster.reset();
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());
    for (const auto& [name, bytes] :
         {std::pair{"alt.sicherung", Beispielinhalt}, {"fremd.sicherung", "Kurvix"}, {"andere.txt", Beispielinhalt}})
        SchreibeDateiinhalt(ordner.filePath(QLatin1String(name)), bytes);
    const std::vector<VerwaisteSicherung> verwaist = anderes.Verwaiste();
    ASSERT_EQ(verwaist.size(), 1U);
    EXPECT_EQ(verwaist[0].Datei, ordner.filePath(QStringLiteral("alt.sicherung")));

    Wiederherstellung versperrt(ordner.filePath(QStringLiteral("andere.txt/Wiederherstellung")));
    EXPECT_EQ(versperrt.Sichere(Beispiel),
              QStringLiteral("Die Sperrdatei „%1.lock“ lässt sich nicht anlegen.").arg(versperrt.Datei()));
}

} // namespace
