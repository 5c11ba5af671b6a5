// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/leinwand.h"

#include <algorithm>
#include <cmath>
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

// The last point a thin line from von to bis sets: one step before bis
// along the longer axis; von != bis.
QPoint letzterPunkt(QPoint von, QPoint bis)
{
    const std::int64_t dx = bis.x() - von.x();
    const std::int64_t dy = bis.y() - von.y();
    const std::int64_t schritte = std::max(std::abs(dx), std::abs(dy));
    return von
           + QPoint(static_cast<int>(gerundetGeteilt((schritte - 1) * dx, schritte)),
                    static_cast<int>(gerundetGeteilt((schritte - 1) * dy, schritte)));
}

// The range of device pixels whose centres lie within rand of a..b, kept
// within 0..anzahl-1.
std::pair<int, int> pixelspanne(double a, double b, double rand, int anzahl)
{
    const double erster = std::floor(std::min(a, b) - rand);
    const double letzter = std::ceil(std::max(a, b) + rand);
    return {static_cast<int>(std::max(erster, 0.0)), static_cast<int>(std::min(letzter, anzahl - 1.0))};
}

// Steps along the longer axis from von up to, not including, bis; the other
// coordinate follows the ideal line, rounded. Only the steps inside the
// image are visited, in order, until besuche returns false.
template <typename Besuch>
void duenneLinie(QPoint von, QPoint bis, QSize bild, Besuch besuche)
{
    const std::int64_t dx = bis.x() - von.x();
    const std::int64_t dy = bis.y() - von.y();
    const std::int64_t schritte = std::max(std::abs(dx), std::abs(dy));
    if (schritte == 0)
        return;
    const std::int64_t breite = bild.width();
    const std::int64_t hoehe = bild.height();
    const bool waagrecht = std::abs(dx) >= std::abs(dy);
    const std::int64_t start = waagrecht ? von.x() : von.y();
    const std::int64_t richtung = (waagrecht ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t grenze = waagrecht ? breite : hoehe;
    // Range of steps whose coordinate on the longer axis lies in 0..grenze-1.
    const std::int64_t erster = std::max<std::int64_t>(richtung > 0 ? -start : start - (grenze - 1), 0);
    const std::int64_t letzter = std::min(richtung > 0 ? grenze - 1 - start : start, schritte - 1);
    for (std::int64_t i = erster; i <= letzter; ++i) {
        const std::int64_t x = von.x() + (waagrecht ? richtung * i : gerundetGeteilt(i * dx, schritte));
        const std::int64_t y = von.y() + (waagrecht ? gerundetGeteilt(i * dy, schritte) : richtung * i);
        if (x >= 0 && x < breite && y >= 0 && y < hoehe && !besuche(x, y))
            return;
    }
}

} // namespace

Leinwand::Leinwand(QImage& bild, int feinheit)
    : m_bild(bild)
    , m_massstab(bild.devicePixelRatio())
    , m_feinheit(feinheit)
{
}

double Leinwand::mitte(int punkt) const { return (static_cast<double>(punkt) / m_feinheit + 0.5) * m_massstab; }

int Leinwand::geraetepunkt(int punkt) const
{
    return static_cast<int>(std::lround(static_cast<double>(punkt) * m_massstab / m_feinheit));
}

QPainter& Leinwand::painter()
{
    if (!m_painter) {
        // The same pixels seen at one device pixel per point, so that the
        // painter does not scale what is already in device pixels.
        m_geraet = QImage(m_bild.bits(), m_bild.width(), m_bild.height(), m_bild.bytesPerLine(), m_bild.format());
        m_painter.emplace(&m_geraet);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void Leinwand::SetzeStift(const QColor& farbe, int breite)
{
    m_farbe = farbe;
    m_breite = breite;
}

void Leinwand::BewegeZu(int spalte, int zeile)
{
    m_position = {spalte, zeile};
}

void Leinwand::LinieBis(int spalte, int zeile)
{
    const QPoint ziel(spalte, zeile);
    m_painter.reset(); // pixels go straight into the image
    if (!punktgenau())
        setzeStrich(m_position, ziel);
    else if (m_breite <= 1)
        setzePunkte(m_position, ziel);
    else
        setzeStreifen(m_position, ziel);
    m_position = ziel;
}

void Leinwand::Linie(QPoint von, QPoint bis)
{
    BewegeZu(von.x(), von.y());
    LinieBis(bis.x(), bis.y());
}

bool LinieTrifftBild(QPoint von, QPoint bis, QSize bild)
{
    bool getroffen = false;
    duenneLinie(von, bis, bild, [&](std::int64_t, std::int64_t) { return !(getroffen = true); });
    return getroffen;
}

void Leinwand::setzePunkte(QPoint von, QPoint bis)
{
    duenneLinie(von, bis, m_bild.size(), [this](std::int64_t x, std::int64_t y) {
        setze(x, y);
        return true;
    });
}

// Visits only the pixels of the image within half the width of the
// segment's bounding box. A pixel counts when its distance d to the segment
// satisfies 4·d² <= width²; inside the segment's span d is the distance to
// the line through it, beyond either end the distance to that end point.
void Leinwand::setzeStreifen(QPoint von, QPoint bis)
{
    const int rand = m_breite / 2;
    const QPoint obenLinks(std::min(von.x(), bis.x()), std::min(von.y(), bis.y()));
    const QPoint untenRechts(std::max(von.x(), bis.x()), std::max(von.y(), bis.y()));
    const QRect umgebung = QRect(obenLinks, untenRechts).adjusted(-rand, -rand, rand, rand) & m_bild.rect();
    const std::int64_t dx = bis.x() - von.x();
    const std::int64_t dy = bis.y() - von.y();
    const std::int64_t laenge2 = dx * dx + dy * dy;
    const std::int64_t breite2 = std::int64_t{m_breite} * m_breite;
    const auto nahe = [breite2](std::int64_t ax, std::int64_t ay) { return 4 * (ax * ax + ay * ay) <= breite2; };
    for (int y = umgebung.top(); y <= umgebung.bottom(); ++y) {
        for (int x = umgebung.left(); x <= umgebung.right(); ++x) {
            const std::int64_t px = x - von.x();
            const std::int64_t py = y - von.y();
            const std::int64_t projektion = px * dx + py * dy;
            bool drin = false;
            if (projektion <= 0) {
                drin = nahe(px, py);
            } else if (projektion >= laenge2) {
                drin = nahe(x - bis.x(), y - bis.y());
            } else {
                // Exact as long as the segment is short; a segment toward a
                // point far outside only needs to leave the plot where it points.
                const auto kreuz = static_cast<double>(px * dy - py * dx);
                drin = 4 * kreuz * kreuz <= static_cast<double>(breite2) * static_cast<double>(laenge2);
            }
            if (drin)
                setze(x, y);
        }
    }
}

// Sets the device pixels whose centres lie within half the stroke's width
// of the segment between the centres of von and bis. On the plot's own
// raster a thin line stops at its last point, one step before bis; on a
// finer raster that step is less than a device pixel and the run's next
// segment starts at bis anyway, so the segment is drawn whole and the runs
// meet without a notch. Across the segment the band is half open, so that
// a centre line on a row of pixel centres still gives the width exactly;
// the round ends leave out what lies exactly on their rim, for the same reason.
void Leinwand::setzeStrich(QPoint von, QPoint bis)
{
    if (m_breite <= 1 && m_feinheit == 1) {
        if (von == bis)
            return;
        bis = letzterPunkt(von, bis);
    }
    const double halb = static_cast<double>(std::max(1L, std::lround(m_breite * m_massstab))) / 2;
    const double ax = mitte(von.x());
    const double ay = mitte(von.y());
    const double dx = mitte(bis.x()) - ax;
    const double dy = mitte(bis.y()) - ay;
    const double laenge2 = dx * dx + dy * dy;
    const double band = halb * std::sqrt(laenge2);
    const auto [links, rechts] = pixelspanne(ax, ax + dx, halb, m_bild.width());
    const auto [oben, unten] = pixelspanne(ay, ay + dy, halb, m_bild.height());
    for (int y = oben; y <= unten; ++y) {
        for (int x = links; x <= rechts; ++x) {
            const double px = x + 0.5 - ax;
            const double py = y + 0.5 - ay;
            const double projektion = px * dx + py * dy;
            bool drin = false;
            if (projektion > 0 && projektion < laenge2) {
                const double kreuz = px * dy - py * dx;
                drin = -band < kreuz && kreuz <= band;
            } else {
                const double ex = projektion <= 0 ? px : px - dx;
                const double ey = projektion <= 0 ? py : py - dy;
                drin = ex * ex + ey * ey < halb * halb;
            }
            if (drin)
                setze(x, y);
        }
    }
}

void Leinwand::setze(std::int64_t spalte, std::int64_t zeile)
{
    reinterpret_cast<QRgb*>(m_bild.bits() + zeile * m_bild.bytesPerLine())[spalte] = m_farbe.rgb();
}

void Leinwand::Weiss(const QRect& rechteck)
{
    painter().fillRect(QRect(QPoint(geraetepunkt(rechteck.left()), geraetepunkt(rechteck.top())),
                             QPoint(geraetepunkt(rechteck.right() + 1) - 1, geraetepunkt(rechteck.bottom() + 1) - 1)),
                       Qt::white);
}

void Leinwand::SetzeSchrift(const QFont& schrift, const QColor& farbe)
{
    m_schrift = schrift;
    if (!punktgenau())
        m_schrift.setPixelSize(static_cast<int>(std::lround(schrift.pixelSize() * m_massstab)));
    m_schriftmasse.emplace(m_schrift);
    m_schriftfarbe = farbe;
}

void Leinwand::Text(QPoint obenLinks, const QString& text)
{
    QPainter& p = painter();
    // Every line puts its pixels straight into the image and ends the
    // painter, so the painter only knows the face from here.
    p.setFont(m_schrift);
    const QFontMetrics& masse = m_schriftmasse.value();
    obenLinks = {geraetepunkt(obenLinks.x()), geraetepunkt(obenLinks.y())};
    p.fillRect(QRect(obenLinks, QSize(masse.horizontalAdvance(text), masse.height())), Qt::white);
    p.setPen(m_schriftfarbe);
    p.drawText(obenLinks + QPoint(0, masse.ascent()), text);
}
