// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/wiederherstellung.h"

#include "testhilfe.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The format both ways, its question, and the files of a folder: a window's
// own while it runs and gone with it, only a whole recovery of no running
// window offered (the rest the editor's test tries with a real process).
TEST(Wiederherstellung, FormatFrageUndNurVerwaisteDateienWerdenAngeboten)
{
    const Sicherung beispiel{QStringLiteral("/home/lehrer/Kl 9\nä.sba"), QDateTime({2026, 12, 10}, {14, 5, 7, 250}),
                             QByteArray("a\n\nb\r\n\0", 7)};
    const QByteArray inhalt(
        "Kurvix-Wiederherstellung 1\n%2Fhome%2Flehrer%2FKl%209%0A%C3%A4.sba\n2026-12-10T14:05:07.250\n\na\n\nb\r\n\0", 98);
    EXPECT_EQ(Sicherungsinhalt(beispiel), inhalt);
    for (const char* fremd : {"", "Kurvix-Wiederherstellung 1\n", "Kurvix-Wiederherstellung 2\n\n2026-12-10T14:05:07\n\nx",
                              "Kurvix-Wiederherstellung 1\n\n2026-12-10T14:05:07\nx", "Kurvix-Wiederherstellung 1\n\ngestern\n\n"})
        EXPECT_FALSE(LiesSicherung(fremd)) << fremd;
    EXPECT_EQ(Wiederherstellfrage({{}, QDateTime({2026, 1, 2}, {9, 0}), {}}),
              QStringLiteral("Es gibt ungesicherte Änderungen an „unbenannt“ vom 02.01.2026, 09:00 Uhr. Wiederherstellen?"));
    QTemporaryDir ordner;
    auto fenster = std::make_unique<Wiederherstellung>(ordner.path());
    const Wiederherstellung anderes(ordner.path());
    EXPECT_EQ(fenster->Sichere(beispiel), std::nullopt);
    EXPECT_TRUE(anderes.Verwaiste().empty());
    fenster.reset();
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());
    for (const auto& [name, bytes] : {std::pair{"alt.sicherung", inhalt}, {"fremd.sicherung", "Kurvix"}, {"andere.txt", inhalt}})
        SchreibeDatei(ordner, name, bytes);
    const std::vector<VerwaisteSicherung> verwaist = anderes.Verwaiste();
    ASSERT_EQ(verwaist.size(), 1U);
    EXPECT_EQ(std::tie(verwaist[0].Datei, verwaist[0].Inhalt.Pfad, verwaist[0].Inhalt.Zeit, verwaist[0].Inhalt.Bytes),
              std::tuple(ordner.filePath("alt.sicherung"), beispiel.Pfad, beispiel.Zeit, beispiel.Bytes));

    Wiederherstellung versperrt(ordner.filePath(QStringLiteral("andere.txt/Wiederherstellung")));
    EXPECT_EQ(versperrt.Sichere(beispiel),
              QStringLiteral("Die Sperrdatei „%1.lock“ lässt sich nicht anlegen.").arg(versperrt.Datei()));
}

} // namespace
