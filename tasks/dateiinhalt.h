#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file into memory, so that no file stays open while the
// pupil works. Throws Lesefehler, naming the file and the reason, when the
// path is no regular file (a folder, a pipe, a device), cannot be opened or
// read, or holds more than 4 MB (4 × 1024 × 1024 bytes). Never waits for a
// writer or a device.
QByteArray LiesDateiinhalt(const QString& pfad);
