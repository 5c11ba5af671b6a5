// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked with the program's own main() into kurvix-einmal-starten: one start
// that ends as soon as the window has been shown, for counting the start's
// instructions under valgrind --tool=callgrind. The quit is queued when the
// application object is made and runs in the first pass of the event loop,
// after main() has shown the window.

#include <QCoreApplication>
#include <QTimer>

namespace {

void beendeNachDemZeigen()
{
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(beendeNachDemZeigen)
