// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class Dialoge;

// The boundary between the event loop and the program's handlers. Every
// handler the user can trigger runs through Ausfuehren: an error that escapes
// it ends that event's work and is shown in an error box titled with the
// application's name; the program goes on running. Exceptions never unwind
// through Qt's own frames.
class Fehlerbericht {
public:
    Fehlerbericht(Dialoge& dialoge, QWidget* fenster);

    // A handler called from inside another one (a radio button selected by
    // program, say) is not a boundary of its own: its error ends the outer
    // event's work too. A handler that runs in the event loop of a modal
    // window, which another handler opened, is one: its error must not
    // unwind through that loop, and the window stays open.
    void Ausfuehren(const std::function<void()>& handler);

private:
    void melde(const QString& text);

    Dialoge& m_dialoge;
    QPointer<QWidget> m_fenster;
    // The event loop level of the handler running now; -1 when none runs.
    int m_schleife = -1;
};

// Connects a signal to a handler without arguments that runs through the
// error boundary; the handler reads what it needs from its sender.
template <typename Sender, typename Signal>
void Verbinde(Fehlerbericht& bericht, Sender* sender, Signal signal, QObject* kontext,
              std::function<void()> handler)
{
    QObject::connect(sender, signal, kontext,
                     [&bericht, handler = std::move(handler)] { bericht.Ausfuehren(handler); });
}
