// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/dateiinhalt.h"

#include "tasks/meldung.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace {

// Task files are small; anything larger is no task file, and reading it
// whole would only fill the memory.
constexpr qsizetype GroessteAufgabendatei = 4 * 1024 * 1024;

// Closes the descriptor on every way out.
class Dateideskriptor {
public:
    explicit Dateideskriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Dateideskriptor() { ::close(m_fd); }
    Dateideskriptor(const Dateideskriptor&) = delete;
    Dateideskriptor& operator=(const Dateideskriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void scheitere(const QString& pfad, const char* was, const QString& grund)
{
    throw Lesefehler(
        QStringLiteral("Die Datei „%1“ kann nicht %2 werden: %3").arg(pfad, QString::fromUtf8(was), grund));
}

// The operating system's own words for errno, in the language of the
// regional settings.
QString systemgrund(int fehler) { return QString::fromLocal8Bit(std::generic_category().message(fehler)); }

// Opening a pipe or a device for reading could wait for a writer; without
// blocking the open returns at once, and the type check comes next.
// Windows has no pipes among its files; there the name goes in as UTF-16,
// so that no letter is lost, and the file is read in binary mode, which
// keeps its CR LF.
int oeffne(const QString& pfad)
{
#ifdef Q_OS_WIN
    const int fd = ::_wopen(reinterpret_cast<const wchar_t*>(pfad.utf16()), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
#else
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
#endif
    if (fd < 0)
        scheitere(pfad, "geöffnet", systemgrund(errno));
    return fd;
}

// Checked on the open descriptor, so that what is read is what was checked.
// One that cannot even be examined is refused like a folder.
void pruefeArt(const QString& pfad, int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        scheitere(pfad, "geöffnet",
                  QStringLiteral("Das ist keine gewöhnliche Datei, sondern zum Beispiel ein Ordner oder ein Gerät"));
}

} // namespace

QByteArray LiesDateiinhalt(const QString& pfad)
{
    const Dateideskriptor datei(oeffne(pfad));
    pruefeArt(pfad, datei.fd());
    QByteArray inhalt;
    char puffer[65536];
    for (;;) {
        const ssize_t gelesen = ::read(datei.fd(), puffer, sizeof puffer);
        if (gelesen < 0 && errno == EINTR)
            continue;
        if (gelesen < 0)
            scheitere(pfad, "gelesen", systemgrund(errno));
        if (gelesen == 0)
            return inhalt;
        inhalt.append(puffer, gelesen);
        if (inhalt.size() > GroessteAufgabendatei)
            scheitere(pfad, "gelesen", QStringLiteral("Sie ist größer als 4 MB und damit keine Aufgabendatei"));
    }
}

std::optional<QString> SchreibeDateiinhalt(const QString& pfad, const QByteArray& inhalt)
{
    const auto gescheitert = [&](const QString& grund) {
        return QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: %2").arg(pfad, grund);
    };
    // The rename would replace a folder's name by a file only where it may;
    // refused here, the message says what is wrong.
    if (QFileInfo(pfad).isDir())
        return gescheitert(QStringLiteral("Das ist ein Ordner"));
    QSaveFile datei(pfad);
    // Unbuffered, a failing write reports the system's reason itself (a full
    // disk, a file size limit). A write that stops short says no reason: the
    // next one, for the rest, fails with it.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return gescheitert(datei.errorString());
    for (qsizetype geschrieben = 0; geschrieben < inhalt.size();) {
        const qint64 stueck = datei.write(inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
        if (stueck <= 0)
            return gescheitert(datei.errorString());
        geschrieben += stueck;
    }
    if (!datei.commit())
        return gescheitert(datei.errorString());
    return std::nullopt;
}
