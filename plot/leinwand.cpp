#include "plot/leinwand.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

// a / n rounded to the nearest integer, halves away from zero, so that
// lines mirrored about their start point stay mirror images; n > 0.
std::int64_t gerundetGeteilt(std::int64_t a, std::int64_t n)
{
    const std::int64_t betrag = (2 * std::abs(a) + n) / (2 * n);
    return a < 0 ? -betrag : betrag;
}

} // namespace

Leinwand::Leinwand(QImage& bild)
    : m_bild(bild)
{
}

Leinwand::~Leinwand() { zeichneLauf(); }

void Leinwand::zeichneLauf()
{
    if (m_lauf.size() < 2) {
        m_lauf.clear();
        return;
    }
    const QPolygon lauf = std::exchange(m_lauf, {});
    painter().setPen(QPen(m_farbe, m_breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter().drawPolyline(lauf);
}

QPainter& Leinwand::painter()
{
    if (!m_painter) {
        m_painter.emplace(&m_bild);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void Leinwand::SetzeStift(const QColor& farbe, int breite)
{
    zeichneLauf();
    m_farbe = farbe;
    m_breite = breite;
}

void Leinwand::BewegeZu(int spalte, int zeile)
{
    zeichneLauf();
    m_position = {spalte, zeile};
}

void Leinwand::LinieBis(int spalte, int zeile)
{
    const QPoint ziel(spalte, zeile);
    if (m_breite <= 1) {
        setzePunkte(m_position, ziel);
    } else {
        if (m_lauf.isEmpty())
            m_lauf << m_position;
        m_lauf << ziel;
    }
    m_position = ziel;
}

void Leinwand::Linie(QPoint von, QPoint bis)
{
    BewegeZu(von.x(), von.y());
    LinieBis(bis.x(), bis.y());
}

// Steps along the longer axis from von up to, not including, bis; the other
// coordinate follows the ideal line, rounded. Only the steps inside the
// image are visited.
void Leinwand::setzePunkte(QPoint von, QPoint bis)
{
    const std::int64_t dx = bis.x() - von.x();
    const std::int64_t dy = bis.y() - von.y();
    const std::int64_t schritte = std::max(std::abs(dx), std::abs(dy));
    if (schritte == 0)
        return;
    m_painter.reset(); // pixels go straight into the image
    const std::int64_t breite = m_bild.width();
    const std::int64_t hoehe = m_bild.height();
    const bool waagrecht = std::abs(dx) >= std::abs(dy);
    const std::int64_t start = waagrecht ? von.x() : von.y();
    const std::int64_t richtung = (waagrecht ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t grenze = waagrecht ? breite : hoehe;
    // Range of steps whose coordinate on the longer axis lies in 0..grenze-1.
    const std::int64_t erster = std::max<std::int64_t>(richtung > 0 ? -start : start - (grenze - 1), 0);
    const std::int64_t letzter = std::min(richtung > 0 ? grenze - 1 - start : start, schritte - 1);
    uchar* const punkte = m_bild.bits();
    const std::int64_t zeilenlaenge = m_bild.bytesPerLine();
    const QRgb farbe = m_farbe.rgb();
    for (std::int64_t i = erster; i <= letzter; ++i) {
        const std::int64_t x = von.x() + (waagrecht ? richtung * i : gerundetGeteilt(i * dx, schritte));
        const std::int64_t y = von.y() + (waagrecht ? gerundetGeteilt(i * dy, schritte) : richtung * i);
        if (x >= 0 && x < breite && y >= 0 && y < hoehe)
            reinterpret_cast<QRgb*>(punkte + y * zeilenlaenge)[x] = farbe;
    }
}

void Leinwand::Weiss(const QRect& rechteck)
{
    zeichneLauf();
    painter().fillRect(rechteck, Qt::white);
}

void Leinwand::SetzeSchrift(const QFont& schrift, const QColor& farbe)
{
    painter().setFont(schrift);
    m_schriftmasse.emplace(schrift);
    m_schriftfarbe = farbe;
}

void Leinwand::Text(QPoint obenLinks, const QString& text)
{
    zeichneLauf();
    QPainter& p = painter();
    const QFontMetrics& masse = m_schriftmasse.value();
    p.fillRect(QRect(obenLinks, QSize(masse.horizontalAdvance(text), masse.height())), Qt::white);
    p.setPen(m_schriftfarbe);
    p.drawText(obenLinks + QPoint(0, masse.ascent()), text);
}
