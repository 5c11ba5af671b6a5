// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Nothing lost when the program is killed or the battery dies: while a
// series has unsaved changes, its bytes stand in a recovery file of its
// own in the program's data folder, beside a lock file that tells whether
// the window writing it still runs. Saving or discarding removes it; a
// file whose owner is gone is offered at the next start. Free of widgets:
// the editor window only says when.

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct Sicherung {
    QString Pfad;     // the file the series belongs to; empty for a new one
    QDateTime Zeit;   // when the series stood like this
    QByteArray Bytes; // the series as a task file
};

// The bytes of a recovery file: a line naming the format, the path
// (percent-encoded UTF-8, so that any name fits on its line) and the time,
// an empty line, then the series as it is.
QByteArray Sicherungsinhalt(const Sicherung& sicherung);
// Nothing for bytes that are no recovery file of this format.
std::optional<Sicherung> LiesSicherung(const QByteArray& inhalt);

// "Wiederherstellung" in the program's data folder.
QString Sicherungsordner();

// "Es gibt ungesicherte Änderungen an „klasse9.sba“ vom 10.12.2026,
// 14:05 Uhr. Wiederherstellen?"
QString Wiederherstellfrage(const Sicherung& sicherung);

// A recovery file no running program owns, found at start.
struct VerwaisteSicherung {
    QString Datei;
    Sicherung Inhalt;
};

// The recovery of one window: its own file, locked while the window lives.
class Wiederherstellung {
public:
    explicit Wiederherstellung(QString ordner = Sicherungsordner());
    // The program ends only after the changes were saved or discarded:
    // only a crash leaves the file behind.
    ~Wiederherstellung();
    Wiederherstellung(const Wiederherstellung&) = delete;
    Wiederherstellung& operator=(const Wiederherstellung&) = delete;

    // Writes the series in one step, so that a crash while writing leaves
    // the last recovery whole; nothing when written, otherwise why not.
    std::optional<QString> Sichere(const Sicherung& sicherung);
    // After saving or discarding.
    void Entferne();
    const QString& Datei() const { return m_datei; }

    // The recovery files in the folder whose window no longer runs, the
    // newest first; files that are no recovery files are passed over.
    std::vector<VerwaisteSicherung> Verwaiste() const;

private:
    QString m_ordner;
    QString m_datei;
    std::unique_ptr<QLockFile> m_sperre;
};

// Removes a recovery file found orphaned, once restored or discarded.
void EntferneVerwaiste(const VerwaisteSicherung& verwaist);
