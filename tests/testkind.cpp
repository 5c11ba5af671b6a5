// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The child processes of the fault tests: the program's own code in a
// process of its own, that a test kills or limits as the world would.
//
//   kurvix_testkind speichere ZIEL ALT NEU   saves the bytes of the files NEU
//       and ALT to ZIEL in turn without end; "bereit" once it runs
//   kurvix_testkind schreibe ZIEL NEU        saves once; the message and
//       status 1 when that fails
//   kurvix_testkind begrenzt GRENZE PROGRAMM [ARGUMENT …]   runs the program
//       with files limited to GRENZE bytes, as on a full disk; "gast" instead
//       of a number runs it as a user without rights (when started as root)
//   kurvix_testkind bearbeite DATEI TEXT     the series editor with the file,
//       TEXT typed into its comment, running until killed

#include "app/anwendung.h"
#include "app/reihenfenster.h"
#include "dialogs/dialoge.h"
#include "tasks/dateiinhalt.h"
#include "tasks/zufall.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

int speichere(const QString& ziel, const QString& alt, const QString& neu)
{
    const QByteArray fassungen[] = {LiesDateiinhalt(neu), LiesDateiinhalt(alt)};
    std::puts("bereit");
    std::fflush(stdout);
    for (int i = 0;; i = 1 - i)
        SchreibeDateiinhalt(ziel, fassungen[i]);
}

int schreibe(int argc, char* argv[], const QString& ziel, const QString& neu)
{
    // Qt's own reasons, such as a missing permission, in German as in the program.
    QCoreApplication anwendung(argc, argv);
    RichteKernEin(anwendung);
    if (const std::optional<QString> fehler = SchreibeDateiinhalt(ziel, LiesDateiinhalt(neu))) {
        std::fputs(fehler->toUtf8().constData(), stderr);
        return 1;
    }
    return 0;
}

int begrenzt(const char* grenze, char* programm[])
{
    constexpr uid_t Niemand = 65534;
    if (std::string_view(grenze) == "gast") {
        if (::geteuid() == 0 && (::setgid(Niemand) != 0 || ::setuid(Niemand) != 0))
            return 3;
    } else {
        const rlim_t bytes = std::strtoull(grenze, nullptr, 10);
        const rlimit limit{bytes, bytes};
        // Ignored, the signal lets the write fail with EFBIG as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
    }
    ::execv(programm[0], programm);
    return 3;
}

int bearbeite(int argc, char* argv[], const QString& datei, const QString& text)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TReihenfenster fenster(dialoge, zufall, nullptr);
    fenster.show();
    fenster.Oeffne(datei);
    QTest::keyClicks(fenster.EKommentar, text);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // The system's messages in the language of the environment, as the program has them.
    std::setlocale(LC_ALL, "");
    std::vector<QString> a;
    for (int i = 0; i < argc; ++i)
        a.push_back(QString::fromLocal8Bit(argv[i]));
    if (argc == 5 && a[1] == QLatin1String("speichere"))
        return speichere(a[2], a[3], a[4]);
    if (argc == 4 && a[1] == QLatin1String("schreibe"))
        return schreibe(argc, argv, a[2], a[3]);
    if (argc >= 4 && a[1] == QLatin1String("begrenzt"))
        return begrenzt(argv[2], argv + 3);
    if (argc == 4 && a[1] == QLatin1String("bearbeite"))
        return bearbeite(argc, argv, a[2], a[3]);
    std::fputs("kurvix_testkind: unknown call\n", stderr);
    return 2;
}
