// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving survives faults, tried with real processes and real limits.

#include "auftraege/auswertung.h"
#include "blatt/blattdruck.h"
#include "blatt/protokolldruck.h"
#include "tasks/aufgabenreihe.h"
#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

#include <unistd.h>

namespace {

QByteArray reihe(double wert) // 100 kB: long enough to be killed while writing
{
    Aufgabenreihe r{QStringLiteral("Übung"), {2}, {}, {}, {}, {}, {}, {}, {}};
    r.Aufgaben.assign(6000, {{QStringLiteral("* Notiz")}, {2, {{wert, -2, 1}}, {}}, {}});
    return std::get<QByteArray>(SchreibeAufgabenreihe(r, u","));
}

Testprotokoll protokoll(const char* name)
{
    return {QString::fromLatin1(name), {}, {}, {}, {}, {{true, 2, {{1, 0, 0}}, {}, {{2, {{1, 0, 0}}, true}}, false}}};
}

QByteArray blatt(int typ)
{
    const QTemporaryDir ordner;
    SchreibeArbeitsblatt({QStringLiteral("Blatt"), {{typ, {{1, 0, 0}}, {}, false}}, {}}, ordner.filePath("b.pdf"));
    return LiesDateiinhalt(ordner.filePath("b.pdf"));
}

// The old and the new version of each kind, by the program's own writers.
struct Art { const char* name; QByteArray alt, neu; int kills; };
std::vector<Art> arten()
{
    return {{"Aufgabenreihe", reihe(1), reihe(0.5), 200},
            {"Testprotokoll", ProtokollPdf(protokoll("Alt")), ProtokollPdf(protokoll("Neu")), 10},
            {"Arbeitsblatt", blatt(2), blatt(3), 10},
            {"Klassenübersicht", UebersichtCsv(BaueUebersicht({protokoll("Alt")})), UebersichtCsv(BaueUebersicht({protokoll("Neu")})), 10}};
}

// The child's arguments in a fresh folder that holds the old version as the
// target "ziel".
QStringList kind(const QTemporaryDir& ordner, const Art& art)
{
    for (const auto& [name, bytes] : {std::pair{"ziel", art.alt}, {"alt", art.alt}, {"neu", art.neu}})
        EXPECT_EQ(SchreibeDateiinhalt(ordner.filePath(QLatin1String(name)), bytes), std::nullopt);
    return {ordner.filePath("ziel"), ordner.filePath("alt"), ordner.filePath("neu")};
}

// Seeded kills at a random moment after the first save: the target is
// always one version whole.
TEST(Speichern, EinKillLaesstDieAlteOderDieNeueDateiGanz)
{
    std::mt19937 zufall(20261210);
    for (const Art& art : arten()) {
        SCOPED_TRACE(art.name);
        const QTemporaryDir ordner;
        const QStringList aufruf = kind(ordner, art);
        for (int kill = 0; kill < art.kills; ++kill) {
            QProcess p;
            p.start(QStringLiteral(KURVIX_TESTKIND), aufruf);
            ASSERT_TRUE(p.waitForReadyRead(10000));
            QThread::usleep(std::uniform_int_distribution(0, 4000)(zufall));
            p.kill(); // SIGKILL
            p.waitForFinished();
            const QByteArray bytes = LiesDateiinhalt(aufruf[0]);
            ASSERT_TRUE(bytes == art.alt || bytes == art.neu) << "kill " << kill;
            for (const QString& rest : QDir(ordner.path()).entryList({QStringLiteral("ziel.*")}))
                QFile::remove(ordner.filePath(rest)); // what the killed save had begun
        }
    }
}

// Files limited to 64 bytes with SIGXFSZ ignored, so that the write fails
// with EFBIG as on a full disk, and a folder the user may not write to: the
// message names path and reason, the old file stays byte for byte, no
// temporary file is left.
TEST(Speichern, VollePlatteUndGesperrterOrdnerLassenDieAlteDateiStehen)
{
    const QString gast = ::geteuid() == 0 ? QStringLiteral("setpriv --reuid=65534 --regid=65534 --clear-groups ") : QString();
    for (const auto& [begrenzung, fehler] : {std::pair{QStringLiteral("trap '' XFSZ; exec prlimit --fsize=64 "), EFBIG},
                                             {QStringLiteral("chmod 555 \"${2%/*}\"; exec ") + gast, EACCES}}) {
        for (const Art& art : arten()) {
            SCOPED_TRACE(art.name);
            const QTemporaryDir ordner;
            const QStringList aufruf = kind(ordner, art);
            for (const QString& gastDarf : {ordner.path(), aufruf[0]}) // to reach the folder, to write the target
                QFile::setPermissions(gastDarf, QFile::permissions(gastDarf) | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
            QProcess p;
            p.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"), begrenzung + QStringLiteral("\"$@\""),
                                                      QStringLiteral("sh"), QStringLiteral(KURVIX_TESTKIND)} + aufruf);
            ASSERT_TRUE(p.waitForFinished(60000));
            QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).endsWith(
                QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: %2").arg(aufruf[0], qt_error_string(fehler))));
            EXPECT_EQ(LiesDateiinhalt(aufruf[0]), art.alt);
            EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({"alt", "neu", "ziel"}));
        }
    }
}

} // namespace
