// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/papierkurve.h"

#include "blatt/blattmasse.h"

namespace {

class Pfadziel : public Zeichenziel {
public:
    Pfadziel(const QRectF& ebene, QPainterPath& pfad)
        : m_ebene(ebene)
        , m_pfad(pfad)
    {
    }

    void BewegeZu(int spalte, int zeile) override { m_pfad.moveTo(punkt(spalte, zeile)); }
    void LinieBis(int spalte, int zeile) override { m_pfad.lineTo(punkt(spalte, zeile)); }

private:
    QPointF punkt(int spalte, int zeile) const
    {
        constexpr double mmProSpalte = Blattmass::ProEinheit / Papierraster.ProEinheit;
        return {m_ebene.left() + spalte * mmProSpalte, m_ebene.top() + zeile * mmProSpalte};
    }

    QRectF m_ebene;
    QPainterPath& m_pfad;
};

} // namespace

void Papierkurve(const Kurve& kurve, const QRectF& ebene, QPainterPath& pfad)
{
    Pfadziel ziel(ebene, pfad);
    TasteAb(kurve, ziel, Papierraster);
}
