#include "tasks/meldung.h"

#include "dialogs/dialoge.h"

Lesefehler::Lesefehler(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text)
{
}

void ZeigeMeldungen(Dialoge& dialoge, QWidget* eltern, const std::vector<Meldung>& meldungen)
{
    for (const Meldung& meldung : meldungen) {
        switch (meldung.art) {
        case Meldung::Art::Hinweis:
            dialoge.Meldung(eltern, QStringLiteral("Aufgabendatei einlesen"), meldung.text);
            break;
        case Meldung::Art::Fehler:
            dialoge.Fehler(eltern, QStringLiteral("Fehler"), meldung.text);
            break;
        case Meldung::Art::Lesefehler:
            throw Lesefehler(meldung.text);
        }
    }
}
