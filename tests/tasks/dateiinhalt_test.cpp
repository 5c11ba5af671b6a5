// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/dateiinhalt.h"

#include "tasks/meldung.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString KeineDatei =
    QStringLiteral("Das ist keine gewöhnliche Datei, sondern zum Beispiel ein Ordner oder ein Gerät");

class DateiinhaltTest : public ::testing::Test {
protected:
    QString schreibe(const QByteArray& bytes)
    {
        const QString pfad = ordner.filePath(QStringLiteral("aufgaben.sba"));
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(bytes);
        return pfad;
    }

    // The text of the Lesefehler that reading the path throws.
    static QString fehlertext(const QString& pfad)
    {
        try {
            LiesDateiinhalt(pfad);
        } catch (const Lesefehler& fehler) {
            return fehler.Text();
        }
        ADD_FAILURE() << "no Lesefehler for " << pfad.toStdString();
        return {};
    }

    static QString oeffnen(const QString& pfad, const QString& grund)
    {
        return QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: %2").arg(pfad, grund);
    }

    QTemporaryDir ordner;
};

TEST_F(DateiinhaltTest, LiestJedesByteUnveraendert)
{
    const QByteArray bytes("* f\xFCr \x80\r\nzwei\nZeilen\r\x1A" "danach\0Ende", 33);
    EXPECT_EQ(LiesDateiinhalt(schreibe(bytes)), bytes);
    EXPECT_EQ(LiesDateiinhalt(schreibe({})), QByteArray());
}

TEST_F(DateiinhaltTest, NimmtDieGroessteErlaubteDateiUndKeinByteMehr)
{
    const QByteArray groesste(4 * 1024 * 1024, '1');
    EXPECT_EQ(LiesDateiinhalt(schreibe(groesste)), groesste);
    const QString pfad = schreibe(groesste + '1');
    EXPECT_EQ(fehlertext(pfad), QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: Sie ist größer als 4 MB und "
                                               "damit keine Aufgabendatei")
                                    .arg(pfad));
}

TEST_F(DateiinhaltTest, NenntDateiUndGrundWennSieFehlt)
{
    const QString pfad = ordner.filePath(QStringLiteral("fehlt.sba"));
    EXPECT_EQ(fehlertext(pfad),
              oeffnen(pfad, QString::fromLocal8Bit(std::generic_category().message(ENOENT))));
}

TEST_F(DateiinhaltTest, WeistOrdnerUndGeraeteZurueck)
{
    EXPECT_EQ(fehlertext(ordner.path()), oeffnen(ordner.path(), KeineDatei));
    EXPECT_EQ(fehlertext(QStringLiteral("/dev/null")), oeffnen(QStringLiteral("/dev/null"), KeineDatei));
}

TEST_F(DateiinhaltTest, WartetNichtAufDenSchreiberEinerPipe)
{
    const QString pfad = ordner.filePath(QStringLiteral("pipe.sba"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
    std::packaged_task<QString()> lesen([&] { return fehlertext(pfad); });
    std::future<QString> text = lesen.get_future();
    std::thread leser(std::move(lesen));
    if (text.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a pipe waits for a writer";
        ::close(::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_NONBLOCK)); // lets the reader go on
    }
    leser.join();
    EXPECT_EQ(text.get(), oeffnen(pfad, KeineDatei));
}

TEST_F(DateiinhaltTest, NenntDenGrundEinesLesefehlers)
{
    // The kernel's memory image of a process looks like a regular file, but
    // reading its unmapped first page fails.
    const QString pfad = QStringLiteral("/proc/self/mem");
    if (!QFile::exists(pfad))
        GTEST_SKIP() << "no /proc on this system";
    EXPECT_EQ(fehlertext(pfad), QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                                    .arg(pfad, QString::fromLocal8Bit(std::generic_category().message(EIO))));
}

TEST_F(DateiinhaltTest, SchreibtGanzOderLaesstDieAlteDateiStehen)
{
    const QString pfad = schreibe("alt");
    EXPECT_EQ(SchreibeDateiinhalt(pfad, QByteArray("neu\r\n\0", 6)), std::nullopt);
    EXPECT_EQ(LiesDateiinhalt(pfad), QByteArray("neu\r\n\0", 6));
    const QString frisch = ordner.filePath(QStringLiteral("frisch.sba"));
    EXPECT_EQ(SchreibeDateiinhalt(frisch, "eins"), std::nullopt);
    EXPECT_EQ(LiesDateiinhalt(frisch), "eins");

    const QString gespeichert = QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: ");
    EXPECT_EQ(SchreibeDateiinhalt(ordner.path(), "x"), gespeichert.arg(ordner.path()) + QStringLiteral("Das ist ein Ordner"));
    EXPECT_TRUE(QFileInfo(ordner.path()).isDir());
    // A folder nobody may write to, not even root: the old file stays.
    const QString gesperrt = QStringLiteral("/proc/self/kurvix.sba");
    const std::optional<QString> meldung = SchreibeDateiinhalt(gesperrt, "x");
    ASSERT_TRUE(meldung);
    EXPECT_TRUE(meldung->startsWith(gespeichert.arg(gesperrt))) << meldung->toStdString();
    EXPECT_GT(meldung->size(), gespeichert.arg(gesperrt).size() + 3);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({QStringLiteral("aufgaben.sba"), QStringLiteral("frisch.sba")}));
    // Without write permission on the folder (root has it anyway).
    if (::geteuid() != 0) {
        ::chmod(QFile::encodeName(ordner.path()).constData(), 0555);
        EXPECT_TRUE(SchreibeDateiinhalt(pfad, "x"));
        ::chmod(QFile::encodeName(ordner.path()).constData(), 0755);
        EXPECT_EQ(LiesDateiinhalt(pfad), QByteArray("neu\r\n\0", 6));
    }
}

} // namespace
