// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/wiederherstellung.h"

#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const Sicherung Beispiel{QStringLiteral("/home/lehrer/Kl 9\nä.sba"), QDateTime({2026, 12, 10}, {14, 5, 7, 250}),
                         QByteArray("a\n\nb\r\n\0", 7)};

void lege(const QTemporaryDir& ordner, const char* name, const QByteArray& bytes)
{
    QFile datei(ordner.filePath(QLatin1String(name)));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
}

TEST(Wiederherstellung, FormatLiestSichZurueckUndWeistFremdesAb)
{
    const QByteArray bytes = Sicherungsinhalt(Beispiel);
    EXPECT_EQ(bytes, QByteArray("Kurvix-Wiederherstellung 1\n%2Fhome%2Flehrer%2FKl%209%0A%C3%A4.sba\n"
                                "2026-12-10T14:05:07.250\n\na\n\nb\r\n\0",
                                98));
    const std::optional<Sicherung> gelesen = LiesSicherung(bytes);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->Pfad, Beispiel.Pfad);
    EXPECT_EQ(gelesen->Zeit, Beispiel.Zeit);
    EXPECT_EQ(gelesen->Bytes, Beispiel.Bytes);
    for (const char* fremd : {"", "Kurvix-Wiederherstellung 1\n", "Kurvix-Wiederherstellung 2\n\n2026-12-10T14:05:07\n\nx",
                              "Kurvix-Wiederherstellung 1\n\n2026-12-10T14:05:07\nx", "Kurvix-Wiederherstellung 1\n\ngestern\n\n"})
        EXPECT_FALSE(LiesSicherung(fremd)) << fremd;
    EXPECT_EQ(Wiederherstellfrage(Beispiel), QStringLiteral("Es gibt ungesicherte Änderungen an „Kl 9\nä.sba“ vom 10.12.2026, "
                                                             "14:05 Uhr. Wiederherstellen?"));
    EXPECT_EQ(Wiederherstellfrage({{}, QDateTime({2026, 1, 2}, {9, 0}), {}}),
              QStringLiteral("Es gibt ungesicherte Änderungen an „unbenannt“ vom 02.01.2026, 09:00 Uhr. Wiederherstellen?"));
}

// A window's file is its own while it runs and goes with it; files of no
// running window are offered, the newest first, strangers passed over.
TEST(Wiederherstellung, GehoertDemLaufendenFensterUndVerwaistNachDessenEnde)
{
    QTemporaryDir ordner;
    auto fenster = std::make_unique<Wiederherstellung>(ordner.path());
    const Wiederherstellung anderes(ordner.path());
    EXPECT_EQ(fenster->Sichere(Beispiel), std::nullopt);
    EXPECT_EQ(LiesSicherung(LiesDateiinhalt(fenster->Datei()))->Bytes, Beispiel.Bytes);
    EXPECT_TRUE(anderes.Verwaiste().empty());
    fenster->Entferne();
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());
    EXPECT_EQ(fenster->Sichere(Beispiel), std::nullopt);
    fenster.reset();
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());

    Sicherung neuer = Beispiel;
    neuer.Zeit = neuer.Zeit.addSecs(60);
    lege(ordner, "alt.sicherung", Sicherungsinhalt(Beispiel));
    lege(ordner, "neu.sicherung", Sicherungsinhalt(neuer));
    lege(ordner, "fremd.sicherung", "Kurvix");
    lege(ordner, "andere.txt", Sicherungsinhalt(Beispiel));
    const std::vector<VerwaisteSicherung> verwaist = anderes.Verwaiste();
    ASSERT_EQ(verwaist.size(), 2U);
    EXPECT_EQ(verwaist[0].Datei, ordner.filePath(QStringLiteral("neu.sicherung")));
    EXPECT_EQ(verwaist[1].Inhalt.Zeit, Beispiel.Zeit);
    EntferneVerwaiste(verwaist[0]);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("alt.sicherung"), QStringLiteral("andere.txt"), QStringLiteral("fremd.sicherung")}));

    Wiederherstellung versperrt(ordner.filePath(QStringLiteral("andere.txt/Wiederherstellung")));
    EXPECT_EQ(versperrt.Sichere(Beispiel),
              QStringLiteral("Die Sperrdatei „%1.lock“ lässt sich nicht anlegen.").arg(versperrt.Datei()));
}

} // namespace
