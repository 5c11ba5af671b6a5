// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/schrittfolge.h"

#include <QCoreApplication>
#include <QKeyEvent>

Schrittfolge::Schrittfolge(QObject* parent)
    : QObject(parent)
{
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& t) { bild(t.toDouble()); });
    m_takt.setSingleShot(true);
    connect(&m_takt, &QTimer::timeout, this, [this] { Weiter(); });
}

void Schrittfolge::Starte(const Loesungsweg& weg)
{
    Beende();
    m_weg = weg;
    m_schritt = 0;
    if (m_weg.Schritte.empty()) {
        Ende();
        return;
    }
    m_laeuft = true;
    QCoreApplication::instance()->installEventFilter(this);
    zeigeSchritt();
}

void Schrittfolge::Weiter()
{
    if (!m_laeuft)
        return;
    if (m_schritt + 1 >= m_weg.Schritte.size()) {
        Beende();
        return;
    }
    m_animation.stop();
    bild(1); // the step skipped arrives first, so the next one starts where it ends
    ++m_schritt;
    zeigeSchritt();
}

void Schrittfolge::Beende()
{
    if (!m_laeuft)
        return;
    m_laeuft = false;
    QCoreApplication::instance()->removeEventFilter(this);
    m_animation.stop();
    m_takt.stop();
    Ende();
}

void Schrittfolge::zeigeSchritt()
{
    Schritt(m_weg.Schritte[m_schritt]);
    bild(0);
    m_animation.setDuration(static_cast<int>(Bewegung.count()));
    m_animation.start();
    m_takt.start(Dauer);
}

void Schrittfolge::bild(double t)
{
    const ParameterSatz& vorher = m_schritt == 0 ? m_weg.Grundfunktion : m_weg.Schritte[m_schritt - 1].Parameter;
    const Loesungsschritt& schritt = m_weg.Schritte[m_schritt];
    Bild(Zwischenwerte(vorher, schritt.Parameter, t), schritt);
}

// A key event travels up from the focus widget to the window, and a
// shortcut's key reaches the filter before the shortcut: each is handled on
// its first visit.
bool Schrittfolge::eventFilter(QObject* objekt, QEvent* ereignis)
{
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Right || taste == Qt::Key_Space) {
            Weiter();
            return true;
        }
        Beende();
        return taste == Qt::Key_Escape;
    }
    case QEvent::MouseButtonPress:
        Beende();
        break;
    default:
        break;
    }
    return QObject::eventFilter(objekt, ereignis);
}
