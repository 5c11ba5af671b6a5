// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "basis/aussehen.h"

#include <QFontMetrics>
#include <QImageReader>

QFont Schrift(int pixel, bool fett, bool unterstrichen)
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    schrift.setUnderline(unterstrichen);
    return schrift;
}

int Breitenspeicher::Breite(const QFont& schrift, const QString& text)
{
    std::pair<QFont, QString> schluessel{schrift, text};
    if (const auto treffer = m_breiten.constFind(schluessel); treffer != m_breiten.cend())
        return *treffer;
    if (m_breiten.size() >= Hoechstzahl)
        m_breiten.clear();
    const int breite = QFontMetrics(schrift).horizontalAdvance(text);
    m_breiten.insert(std::move(schluessel), breite);
    return breite;
}

int Textbreite(const QFont& schrift, const QString& text)
{
    static Breitenspeicher speicher;
    return speicher.Breite(schrift, text);
}

QPixmap PngBild(const QString& name)
{
    QImageReader leser(QStringLiteral(":/bilder/%1.png").arg(name), "png");
    leser.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(leser.read());
}
