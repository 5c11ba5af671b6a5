#include "basis/aussehen.h"

#include <QFontMetrics>
#include <QHash>

#include <utility>

QFont Schrift(int pixel, bool fett, bool unterstrichen)
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    schrift.setUnderline(unterstrichen);
    return schrift;
}

// Typed values add pieces without end, so the store starts afresh when it
// has grown beyond what the equations themselves hold.
int Textbreite(const QFont& schrift, const QString& text)
{
    constexpr qsizetype Hoechstzahl = 1000;
    static QHash<std::pair<QString, QString>, int> breiten;
    std::pair<QString, QString> schluessel{schrift.key(), text};
    if (const auto treffer = breiten.constFind(schluessel); treffer != breiten.cend())
        return *treffer;
    if (breiten.size() >= Hoechstzahl)
        breiten.clear();
    const int breite = QFontMetrics(schrift).horizontalAdvance(text);
    breiten.insert(std::move(schluessel), breite);
    return breite;
}
