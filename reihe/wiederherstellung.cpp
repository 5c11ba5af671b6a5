// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/wiederherstellung.h"

#include "tasks/dateiinhalt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

const QByteArray Formatzeile = "Kurvix-Wiederherstellung 1";
const QString Endung = QStringLiteral(".sicherung");

QString sperrdatei(const QString& datei) { return datei + QStringLiteral(".lock"); }

} // namespace

QByteArray Sicherungsinhalt(const Sicherung& sicherung)
{
    return Formatzeile + '\n' + sicherung.Pfad.toUtf8().toPercentEncoding() + '\n'
           + sicherung.Zeit.toString(Qt::ISODateWithMs).toLatin1() + "\n\n" + sicherung.Bytes;
}

std::optional<Sicherung> LiesSicherung(const QByteArray& inhalt)
{
    const QList<QByteArray> zeilen = inhalt.split('\n').mid(0, 4);
    if (zeilen.size() < 4 || zeilen[0] != Formatzeile || !zeilen[3].isEmpty())
        return std::nullopt;
    const QDateTime zeit = QDateTime::fromString(QString::fromLatin1(zeilen[2]), Qt::ISODateWithMs);
    if (!zeit.isValid())
        return std::nullopt;
    const qsizetype kopf = zeilen[0].size() + zeilen[1].size() + zeilen[2].size() + 4;
    return Sicherung{QString::fromUtf8(QByteArray::fromPercentEncoding(zeilen[1])), zeit, inhalt.sliced(kopf)};
}

QString Sicherungsordner()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("Wiederherstellung"));
}

QString Wiederherstellfrage(const Sicherung& sicherung)
{
    const QString name =
        sicherung.Pfad.isEmpty() ? QStringLiteral("unbenannt") : QFileInfo(sicherung.Pfad).fileName();
    // The digits of a date and time are the same under every regional setting.
    return QStringLiteral("Es gibt ungesicherte Änderungen an „%1“ vom %2 Uhr. Wiederherstellen?")
        .arg(name, sicherung.Zeit.toString(QStringLiteral("dd.MM.yyyy, HH:mm")));
}

Wiederherstellung::Wiederherstellung(QString ordner)
    : m_ordner(std::move(ordner))
    , m_datei(QDir(m_ordner).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + Endung))
{
}

Wiederherstellung::~Wiederherstellung() { Entferne(); }

// The lock is taken before the file first appears, so that no other start
// ever finds the file without its owner.
std::optional<QString> Wiederherstellung::Sichere(const Sicherung& sicherung)
{
    if (!m_sperre) {
        QDir().mkpath(m_ordner);
        m_sperre = std::make_unique<QLockFile>(sperrdatei(m_datei));
        if (!m_sperre->tryLock(0)) {
            m_sperre.reset();
            return QStringLiteral("Die Sperrdatei „%1“ lässt sich nicht anlegen.").arg(sperrdatei(m_datei));
        }
    }
    return SchreibeDateiinhalt(m_datei, Sicherungsinhalt(sicherung));
}

void Wiederherstellung::Entferne()
{
    if (!m_sperre)
        return;
    QFile::remove(m_datei);
    m_sperre.reset(); // unlocks, and so removes the lock file
}

std::vector<VerwaisteSicherung> Wiederherstellung::Verwaiste() const
{
    std::vector<VerwaisteSicherung> verwaiste;
    const QDir ordner(m_ordner);
    for (const QString& name : ordner.entryList({QLatin1Char('*') + Endung}, QDir::Files)) {
        const QString datei = ordner.filePath(name);
        QLockFile sperre(sperrdatei(datei));
        // A lock of a process that no longer runs counts as free.
        if (datei == m_datei || !sperre.tryLock(0))
            continue;
        QFile lesen(datei);
        if (!lesen.open(QIODevice::ReadOnly))
            continue;
        if (std::optional<Sicherung> inhalt = LiesSicherung(lesen.readAll()))
            verwaiste.push_back({datei, std::move(*inhalt)});
    }
    std::ranges::sort(verwaiste, [](const auto& a, const auto& b) { return a.Inhalt.Zeit > b.Inhalt.Zeit; });
    return verwaiste;
}

void EntferneVerwaiste(const VerwaisteSicherung& verwaist) { QFile::remove(verwaist.Datei); }
