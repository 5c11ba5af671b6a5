// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/ebene.h"

#include "basis/aussehen.h"
#include "model/zahltext.h"
#include "plot/geometrie.h"
#include "plot/leinwand.h"

namespace {

constexpr int W = BildBreite;
constexpr int H = BildHoehe;
constexpr int X0 = UrsprungX;
constexpr int Y0 = UrsprungY;
constexpr int Zahlschrift = 13; // 10 pt

// Grid lines every unit (versatz 1) or at the half units (versatz 19).
void zeichneGitter(Leinwand& leinwand, int versatz, int senkrechte, int waagrechte)
{
    for (int i = 1; i <= senkrechte; ++i)
        leinwand.Linie({ProEinheit * i - versatz, 0}, {ProEinheit * i - versatz, H});
    for (int i = 1; i <= waagrechte; ++i)
        leinwand.Linie({0, ProEinheit * i - versatz}, {W, ProEinheit * i - versatz});
}

void zeichneAchsen(Leinwand& leinwand)
{
    leinwand.BewegeZu(1, Y0);
    leinwand.LinieBis(W - 2, Y0);
    leinwand.LinieBis(W - 16, Y0 - 7);
    leinwand.Linie({W - 2, Y0}, {W - 16, Y0 + 7});
    leinwand.BewegeZu(X0, H - 2);
    leinwand.LinieBis(X0, 1);
    leinwand.LinieBis(X0 - 7, 15);
    leinwand.Linie({X0, 1}, {X0 + 7, 15});
}

// Ticks and numbers -7..7 on the x axis, none at the origin.
void beschrifteXAchse(Leinwand& leinwand)
{
    for (int i = 1; i <= 15; ++i) {
        if (i == 8)
            continue;
        const int x = ProEinheit * i - 1;
        const int zahl = i - 8;
        leinwand.Linie({x, Y0 - 6}, {x, Y0 + 6});
        leinwand.Text({zahl < 0 ? x - 5 : x - 3, Y0 + 7}, Zahltext(zahl));
    }
}

// Ticks and numbers 5..-5 on the y axis, each number on a white patch that
// keeps the grid lines running close beside it away.
void beschrifteYAchse(Leinwand& leinwand)
{
    for (int i = 1; i <= 11; ++i) {
        if (i == 6)
            continue;
        const int y = ProEinheit * i - 1;
        const int zahl = 6 - i;
        leinwand.Linie({X0 - 6, y}, {X0 + 6, y});
        const int links = zahl < 0 ? X0 - 21 : X0 - 17;
        leinwand.Weiss(QRect(QPoint(links, y - 8), QPoint(X0 - 8, y + 7)));
        leinwand.Text({zahl < 0 ? X0 - 19 : X0 - 16, y - 8}, Zahltext(zahl));
    }
}

} // namespace

void ZeichneEbene(QImage& bild, const Anzeigeoptionen& anzeige)
{
    bild.fill(Qt::white);
    Leinwand leinwand(bild);

    leinwand.SetzeStift(anzeige.NetzFarbe, 1);
    zeichneGitter(leinwand, 1, 15, 11);
    if (anzeige.HalbRaster)
        zeichneGitter(leinwand, 19, 16, 12);

    leinwand.SetzeStift(anzeige.AchsenFarbe, anzeige.AchsenDicke);
    zeichneAchsen(leinwand);

    // Ticks stay thin whatever the axes' width.
    leinwand.SetzeStift(anzeige.AchsenFarbe, 1);
    leinwand.SetzeSchrift(Schrift(Zahlschrift), anzeige.AchsenFarbe);
    beschrifteXAchse(leinwand);
    beschrifteYAchse(leinwand);

    leinwand.SetzeSchrift(Schrift(Zahlschrift, true), anzeige.AchsenFarbe);
    leinwand.Text({W - 10, Y0 + 8}, QStringLiteral("x"));
    leinwand.Text({X0 - 20, 0}, QStringLiteral("y"));
}

void Ebenenvorlage::Zeichne(QImage& bild, const Anzeigeoptionen& anzeige)
{
    if (m_vorlage.isNull() || m_vorlage.size() != bild.size() || m_vorlage.format() != bild.format()
        || m_vorlage.devicePixelRatio() != bild.devicePixelRatio() || !(m_anzeige == anzeige)) {
        m_vorlage = QImage(bild.size(), bild.format());
        m_vorlage.setDevicePixelRatio(bild.devicePixelRatio());
        ZeichneEbene(m_vorlage, anzeige);
        m_anzeige = anzeige;
    }
    // Shares the pixels until the first graph writes into the picture.
    bild = m_vorlage;
}

void ZeichneKurve(QImage& bild, const Kurve& kurve, const QColor& farbe, int dicke)
{
    // Sampled once per device column or finer, so that a steep or curved
    // stretch shows no stairs of whole plot pixels.
    const int feinheit = Feinheit(bild.devicePixelRatio());
    Leinwand leinwand(bild, feinheit);
    leinwand.SetzeStift(farbe, dicke);
    TasteAb(kurve, leinwand, Feinraster(feinheit));
}
