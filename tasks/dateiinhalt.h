// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a whole file into memory, so that no file stays open while the
// pupil works. Throws Lesefehler, naming the file and the reason, when the
// path is no regular file (a folder, a pipe, a device), cannot be opened or
// read, or holds more than 4 MB (4 × 1024 × 1024 bytes). Never waits for a
// writer or a device.
QByteArray LiesDateiinhalt(const QString& pfad);

// Writes bytes to a file without ever leaving it half written: they go to a
// temporary file beside the target, which then replaces it in one rename.
// Nothing when the file was written; otherwise a German sentence naming the
// path and the reason, and the old file, if any, is untouched.
std::optional<QString> SchreibeDateiinhalt(const QString& pfad, const QByteArray& inhalt);
