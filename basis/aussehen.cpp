#include "basis/aussehen.h"

QFont Schrift(int pixel, bool fett, bool unterstrichen)
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    schrift.setUnderline(unterstrichen);
    return schrift;
}
