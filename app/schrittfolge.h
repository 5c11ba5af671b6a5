// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/loesungsweg.h"

#include <QObject>
#include <QTimer>
#include <QVariantAnimation>

#include <chrono>
#include <functional>

// The timing of a solution shown step by step: each step's parameters move
// from their old to their new values in a short animation, then the step
// stands until it has been read, and the next one follows by itself. → or
// Space goes on at once, Esc ends, and any other key or a click anywhere
// ends the showing and then does what it does. Nothing waits: the frames
// come from the event loop.
class Schrittfolge : public QObject {
public:
    explicit Schrittfolge(QObject* parent);

    // A frame: the parameters of the moving graph and the step it is in.
    std::function<void(const ParameterSatz& weg, const Loesungsschritt& schritt)> Bild;
    // A new step begins: its sentence.
    std::function<void(const Loesungsschritt& schritt)> Schritt;
    // The showing is over, by itself or by the user.
    std::function<void()> Ende;

    std::chrono::milliseconds Bewegung{600}; // of one step's animation
    std::chrono::milliseconds Dauer{2000};   // of one step, time to read included

    // Starts with the first step; a weg without steps ends at once.
    void Starte(const Loesungsweg& weg);
    void Weiter();
    void Beende();
    bool Laeuft() const { return m_laeuft; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void zeigeSchritt();
    void bild(double t);

    Loesungsweg m_weg;
    std::size_t m_schritt = 0;
    bool m_laeuft = false;
    QVariantAnimation m_animation{this};
    QTimer m_takt{this};
};
