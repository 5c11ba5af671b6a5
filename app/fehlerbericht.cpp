#include "app/fehlerbericht.h"

#include "dialogs/dialoge.h"
#include "model/funktion.h"
#include "tasks/meldung.h"

#include <QCoreApplication>

#include <new>

Fehlerbericht::Fehlerbericht(Dialoge& dialoge, QWidget* fenster)
    : m_dialoge(dialoge)
    , m_fenster(fenster)
{
}

void Fehlerbericht::Ausfuehren(const std::function<void()>& handler)
{
    if (m_innerhalb) {
        handler();
        return;
    }
    QString text;
    m_innerhalb = true;
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
    m_innerhalb = false;
    if (!text.isEmpty())
        melde(text);
}

void Fehlerbericht::melde(const QString& text)
{
    m_dialoge.Fehler(m_fenster, QCoreApplication::applicationName(), text + QLatin1Char('.'));
}
