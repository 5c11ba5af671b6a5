// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving survives faults, tried with real processes and real limits: a
// child that saves in a loop is killed at a random moment, and the
// program itself runs with files that may not grow, as on a full disk, or
// in a folder it may not write to.

#include "app/auswertung.h"
#include "blatt/arbeitsblatt.h"
#include "blatt/blattdruck.h"
#include "blatt/protokolldruck.h"
#include "programmlauf.h"
#include "tasks/aufgabenreihe.h"
#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <string_view>

namespace {

const QString Kind = QStringLiteral(KURVIX_TESTKIND);

// Two versions of one kind of file, each made by the program's own writer.
struct Fassungen {
    const char* art;
    QByteArray alt, neu;
    int kills;
};

QByteArray reihe(int aufgaben, double wert)
{
    Aufgabenreihe r{QStringLiteral("Übung"), {2}, {}, {}, {}, {}, {}, {}, {}};
    r.Aufgaben.assign(static_cast<std::size_t>(aufgaben), {{QStringLiteral("* Notiz")}, {2, {{wert, -2, 1}}, {}}, {}});
    return std::get<QByteArray>(SchreibeAufgabenreihe(r, u","));
}

Testprotokoll protokoll(const QString& name)
{
    return {name, QStringLiteral("10b"), QDateTime({2026, 12, 9}, {11, 5}), QStringLiteral("Test"),
            QStringLiteral("0.1.0"), {{true, 2, {{1, 0, 0}}, {}, {{2, {{1, 0, 0}}, true}}, false}}};
}

QByteArray blatt(const QTemporaryDir& ordner, int typ)
{
    const QString pfad = ordner.filePath(QStringLiteral("blatt.pdf"));
    SchreibeArbeitsblatt({QStringLiteral("Blatt"), {{typ, {{1, 0, 0}}, {}, false}}, {}}, pfad);
    return LiesDateiinhalt(pfad);
}

std::vector<Fassungen> fassungen(const QTemporaryDir& ordner)
{
    return {{"Aufgabenreihe", reihe(60000, 1), reihe(60000, 0.5), 200},
            {"Testprotokoll", ProtokollPdf(protokoll(QStringLiteral("Alt"))), ProtokollPdf(protokoll(QStringLiteral("Neu"))), 10},
            {"Arbeitsblatt", blatt(ordner, 2), blatt(ordner, 3), 10},
            {"Klassenübersicht", UebersichtCsv(BaueUebersicht({protokoll(QStringLiteral("Alt"))})),
             UebersichtCsv(BaueUebersicht({protokoll(QStringLiteral("Neu"))})), 10}};
}

QString abgelegt(const QTemporaryDir& ordner, const char* name, const QByteArray& bytes)
{
    const QString pfad = ordner.filePath(QLatin1String(name));
    EXPECT_EQ(SchreibeDateiinhalt(pfad, bytes), std::nullopt);
    return pfad;
}

// 200 kills of a child saving a 1 MB series, 10 for each other kind, at a
// random moment of the seeded sequence: the file is always one of the two
// versions whole, and some kills came after a replacement.
TEST(Speichern, EinKillLaesstDieAlteOderDieNeueDateiGanz)
{
    std::mt19937 zufall(20261210);
    for (const Fassungen& f : fassungen(QTemporaryDir())) {
        QTemporaryDir ordner;
        const QString ziel = abgelegt(ordner, "ziel", f.alt);
        const QStringList argumente{QStringLiteral("speichere"), ziel, abgelegt(ordner, "alt", f.alt),
                                    abgelegt(ordner, "neu", f.neu)};
        int neu = 0;
        for (int kill = 0; kill < f.kills; ++kill) {
            QProcess kind;
            kind.start(Kind, argumente);
            ASSERT_TRUE(kind.waitForReadyRead(10000)) << f.art;
            QThread::usleep(std::uniform_int_distribution(0, 30000)(zufall));
            kind.kill(); // SIGKILL
            kind.waitForFinished();
            const QByteArray bytes = LiesDateiinhalt(ziel);
            ASSERT_TRUE(bytes == f.alt || bytes == f.neu) << f.art << ", kill " << kill << ": " << bytes.size() << " bytes";
            neu += bytes == f.neu;
            for (const QString& rest : QDir(ordner.path()).entryList({QStringLiteral("ziel.*")}, QDir::Files))
                QFile::remove(ordner.filePath(rest)); // what the killed save had begun
        }
        EXPECT_GT(neu, 0) << f.art;
    }
}

// The program itself writes each kind of file, under a limit of 100 bytes
// per file and as a user without write permission on the folder: it names
// path and reason, ends with status 1, and the old file stays byte for byte.
TEST(Speichern, VollePlatteUndGesperrterOrdnerLassenDieAlteDateiStehen)
{
    QTemporaryDir quellen;
    QFile::setPermissions(quellen.path(), QFile::permissions(quellen.path()) | QFile::ReadOther | QFile::ExeOther);
    const QString neu = abgelegt(quellen, "neu.pdf", ProtokollPdf(protokoll(QStringLiteral("Neu"))));
    const QString programm = QStringLiteral(KURVIX_PROGRAMM);
    const struct {
        const char* datei;
        QStringList aufruf;
    } faelle[] = {
        {"reihe.sba", {programm, QStringLiteral("--reihe"), QStringLiteral("--zufall"), QStringLiteral("50"), QStringLiteral("-o")}},
        {"blatt.pdf", {programm, QStringLiteral("--arbeitsblatt"), QStringLiteral("--zufall"), QStringLiteral("4"), QStringLiteral("-o")}},
        {"klasse.csv", {programm, QStringLiteral("--auswertung"), neu, neu, neu, QStringLiteral("-o")}},
        {"protokoll.pdf", {Kind, QStringLiteral("schreibe"), neu}},
    };
    for (const char* grenze : {"100", "gast"}) {
        for (const auto& fall : faelle) {
            QTemporaryDir ordner;
            const QString ziel = abgelegt(ordner, fall.datei, "alt");
            // Only the folder is locked: the old file itself would be replaced.
            QFile::setPermissions(ziel, QFile::permissions(ziel) | QFile::WriteOther);
            QStringList argumente = QStringList{QStringLiteral("begrenzt"), QLatin1String(grenze)} + fall.aufruf;
            argumente.insert(fall.aufruf.first() == Kind ? 4 : argumente.size(), ziel);
            const bool gast = std::string_view(grenze) == "gast";
            if (gast)
                QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                         | QFileDevice::ReadOther | QFileDevice::ExeOther);
            QProcess lauf;
            lauf.start(Kind, argumente);
            ASSERT_TRUE(lauf.waitForFinished(60000)) << fall.datei;
            QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            const QString meldung = QString::fromUtf8(lauf.readAllStandardError());
            const QString grund = qt_error_string(gast ? EACCES : EFBIG);
            EXPECT_EQ(lauf.exitCode(), 1) << fall.datei << grenze;
            EXPECT_TRUE(meldung.contains(QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: ").arg(ziel))
                        && meldung.contains(grund))
                << fall.datei << grenze << ": " << meldung.toStdString();
            EXPECT_EQ(LiesDateiinhalt(ziel), "alt") << fall.datei << grenze;
            EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QLatin1String(fall.datei)}) << fall.datei;
        }
    }
}

} // namespace
