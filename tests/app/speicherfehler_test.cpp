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

QByteArray blatt(int typ)
{
    const QTemporaryDir ordner;
    SchreibeArbeitsblatt({QStringLiteral("Blatt"), {{typ, {{1, 0, 0}}, {}, false}}, {}}, ordner.filePath("b.pdf"));
    return LiesDateiinhalt(ordner.filePath("b.pdf"));
}

// Old and new version of each kind: a file size limit (EFBIG as on a full
// disk) and a locked folder leave the old file and no other, and the message
// names path and reason; seeded kills at a random moment after the child's
// first save leave the target one version whole.
TEST(Speichern, VollePlatteGesperrterOrdnerUndKillLassenEineFassungGanz)
{
    const Testprotokoll alt = Protokoll("Alt", "9a", "R"), neu = Protokoll("Neu", "9a", "R");
    const struct { const char* name; QByteArray alt, neu; int kills; } arten[] = {
        {"Aufgabenreihe", reihe(1), reihe(0.5), 200},
        {"Testprotokoll", ProtokollPdf(alt), ProtokollPdf(neu), 10},
        {"Arbeitsblatt", blatt(2), blatt(3), 10},
        {"Klassenübersicht", UebersichtCsv(BaueUebersicht({alt})), UebersichtCsv(BaueUebersicht({neu})), 10}};
    const QString gast = ::geteuid() == 0 ? QStringLiteral("setpriv --reuid=65534 --regid=65534 --clear-groups ") : QString();
    const std::pair<QString, int> grenzen[] = {{QStringLiteral("trap '' XFSZ; exec prlimit --fsize=64 "), EFBIG},
                                               {QStringLiteral("chmod 555 \"${2%/*}\"; chmod o+w \"$2\"; exec ") + gast, EACCES}};
    std::mt19937 zufall(20261210);
    for (const auto& art : arten) {
        SCOPED_TRACE(art.name);
        const QTemporaryDir ordner;
        const QStringList aufruf = {SchreibeDatei(ordner, "ziel", art.alt), SchreibeDatei(ordner, "alt", art.alt),
                                    SchreibeDatei(ordner, "neu", art.neu)};
        for (const auto& [grenze, fehler] : grenzen) {
            QProcess p;
            p.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"), grenze + QStringLiteral("\"$@\""),
                                                      QStringLiteral("sh"), QStringLiteral(KURVIX_TESTKIND)} + aufruf);
            ASSERT_TRUE(p.waitForFinished(60000));
            QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).endsWith(
                QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: %2").arg(aufruf[0], qt_error_string(fehler))));
            EXPECT_EQ(LiesDateiinhalt(aufruf[0]), art.alt);
            EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({"alt", "neu", "ziel"}));
        }
        for (int kill = 0; kill < art.kills; ++kill) {
            QProcess p;
            p.start(QStringLiteral(KURVIX_TESTKIND), aufruf);
            ASSERT_TRUE(p.waitForReadyRead(10000));
            QThread::usleep(std::uniform_int_distribution(0, 4000)(zufall));
            p.kill(); // SIGKILL
            p.waitForFinished();
            ASSERT_TRUE(QList({art.alt, art.neu}).contains(LiesDateiinhalt(aufruf[0]))) << "kill " << kill;
        }
    }
}

} // namespace
