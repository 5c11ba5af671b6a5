// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures one start of a program on the X display in DISPLAY: the time from
// starting the process until its first top-level window is mapped, and its
// resident memory 1.5 s later. Prints "<microseconds> <kilobytes>".
//
//     kurvix-startuhr PROGRAM [ARGUMENTS...]
//
// The watcher listens for MapNotify on the root window before the program
// starts, so it waits on the X server's own event instead of polling.

#include <X11/Xlib.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace {

using Uhr = std::chrono::steady_clock;

void schreibe(std::string_view text) { (void)!write(STDOUT_FILENO, text.data(), text.size()); }

void fehler(std::string_view text)
{
    (void)!write(STDERR_FILENO, text.data(), text.size());
    (void)!write(STDERR_FILENO, "\n", 1);
}

std::string zahl(long long wert)
{
    char puffer[24];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return std::string(puffer, ende);
}

// The "Rss:" line of /proc/PID/smaps_rollup, in kB.
std::optional<long long> residenterSpeicher(pid_t pid)
{
    std::ifstream datei("/proc/" + zahl(pid) + "/smaps_rollup");
    std::string zeile;
    while (std::getline(datei, zeile)) {
        if (!zeile.starts_with("Rss:"))
            continue;
        const std::size_t anfang = zeile.find_first_of("0123456789");
        long long kb = 0;
        if (anfang != std::string::npos
            && std::from_chars(zeile.data() + anfang, zeile.data() + zeile.size(), kb).ec == std::errc())
            return kb;
    }
    return std::nullopt;
}

// Waits up to ten seconds for the first MapNotify of a top-level window.
bool warteAufFenster(Display* anzeige)
{
    const int fd = ConnectionNumber(anzeige);
    const auto frist = Uhr::now() + std::chrono::seconds(10);
    while (Uhr::now() < frist) {
        while (XPending(anzeige) > 0) {
            XEvent ereignis;
            XNextEvent(anzeige, &ereignis);
            if (ereignis.type == MapNotify && ereignis.xmap.event == DefaultRootWindow(anzeige))
                return true;
        }
        fd_set lesbar;
        FD_ZERO(&lesbar);
        FD_SET(fd, &lesbar);
        timeval warte{0, 100000};
        select(fd + 1, &lesbar, nullptr, nullptr, &warte);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        fehler("Aufruf: kurvix-startuhr PROGRAMM [ARGUMENTE...]");
        return 2;
    }
    Display* anzeige = XOpenDisplay(nullptr);
    if (anzeige == nullptr) {
        fehler("Keine Verbindung zum X-Server (DISPLAY).");
        return 2;
    }
    XSelectInput(anzeige, DefaultRootWindow(anzeige), SubstructureNotifyMask);
    XSync(anzeige, False);

    const Uhr::time_point start = Uhr::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(anzeige));
        execv(argv[1], argv + 1);
        _exit(127);
    }
    const bool gezeigt = warteAufFenster(anzeige);
    const auto dauer = std::chrono::duration_cast<std::chrono::microseconds>(Uhr::now() - start);
    std::optional<long long> speicher;
    if (gezeigt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        speicher = residenterSpeicher(pid);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(anzeige);
    if (!gezeigt || !speicher) {
        fehler("Das Programm hat kein Fenster gezeigt.");
        return 1;
    }
    schreibe(zahl(dauer.count()) + " " + zahl(*speicher) + "\n");
    return 0;
}
