// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/fehlerbericht.h"

#include "dialogs/dialoge.h"
#include "model/funktion.h"
#include "tasks/meldung.h"

#include <QCoreApplication>
#include <QThread>

#include <new>
#include <utility>

Fehlerbericht::Fehlerbericht(Dialoge& dialoge, QWidget* fenster)
    : m_dialoge(dialoge)
    , m_fenster(fenster)
{
}

void Fehlerbericht::Ausfuehren(const std::function<void()>& handler)
{
    const int schleife = QThread::currentThread()->loopLevel();
    if (schleife == m_schleife) {
        handler();
        return;
    }
    const int aeussere = std::exchange(m_schleife, schleife);
    QString text;
    try {
        handler();
    } catch (const Rechenfehler& fehler) {
        text = QString::fromUtf8(fehler.what());
    } catch (const Lesefehler& fehler) {
        text = fehler.Text();
    } catch (const std::bad_alloc&) {
        text = QStringLiteral("Zu wenig Arbeitsspeicher");
    } catch (const std::exception& fehler) {
        text = QStringLiteral("Unerwarteter Fehler: ") + QString::fromLocal8Bit(fehler.what());
    } catch (...) {
        text = QStringLiteral("Unerwarteter Fehler");
    }
    m_schleife = aeussere;
    if (!text.isEmpty())
        melde(text);
}

void Fehlerbericht::melde(const QString& text)
{
    m_dialoge.Fehler(m_fenster, QCoreApplication::applicationName(), text + QLatin1Char('.'));
}
