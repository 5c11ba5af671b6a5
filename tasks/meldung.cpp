#include "tasks/meldung.h"

Lesefehler::Lesefehler(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text)
{
}
