#pragma once

#include <QColor>

#include <cstdint>

// Colours are written as 24-bit values 0x00BBGGRR, blue in the high byte:
// Farbe(0xFF0000) is blue, Farbe(0x0000FF) is red.
inline QColor Farbe(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
                  static_cast<int>((bgr >> 16U) & 0xFFU));
}

// How the plot looks. Every start begins with these values; only the
// " Optionen " menu changes them while the program runs.
struct Anzeigeoptionen {
    int AchsenDicke = 1;    // pen width of axes and arrow heads: 1 or 3
    int SchaubildDicke = 1; // pen width of both graphs: 1 or 3
    QColor AchsenFarbe = Farbe(0x000000);
    QColor NetzFarbe = Farbe(0xC0C0C0);
    QColor VorgFarbe = Farbe(0xFF0000);
    QColor UserFarbe = Farbe(0x0000FF);
    bool HalbRaster = false; // grid lines every half unit too
};
