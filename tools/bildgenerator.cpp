// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's pictures: the light bulb of a right answer, the skull
// of a wrong test answer and the program's icon in every size the window
// and the desktop's icon theme use. Run it after changing a
// drawing and commit the PNG files it writes:
//
//     kurvix-bildgenerator app/bilder

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

QImage leeresBild(int breite, int hoehe, const QColor& grund)
{
    QImage bild(breite, hoehe, QImage::Format_ARGB32);
    bild.fill(grund);
    return bild;
}

// A lit light bulb on white, 58 × 79: glowing glass, rays and a screw base.
QImage gluehbirne()
{
    QImage bild = leeresBild(58, 79, Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF mitte(29, 27);

    p.setPen(QPen(QColor(255, 170, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const double winkel = std::numbers::pi * (1.05 + 0.1125 * i);
        const QPointF richtung(std::cos(winkel), std::sin(winkel));
        p.drawLine(mitte + 20.5 * richtung, mitte + 27 * richtung);
    }

    QPainterPath glas;
    glas.moveTo(21, 50);
    glas.cubicTo(20, 44, 12, 39, 12, 27);
    glas.arcTo(QRectF(12, 10, 34, 34), 180, -180);
    glas.cubicTo(46, 39, 38, 44, 37, 50);
    glas.closeSubpath();
    QRadialGradient leuchten(mitte, 22, QPointF(25, 22));
    leuchten.setColorAt(0, QColor(255, 255, 235));
    leuchten.setColorAt(0.55, QColor(255, 240, 90));
    leuchten.setColorAt(1, QColor(250, 200, 20));
    p.setPen(QPen(QColor(190, 140, 0), 1.2));
    p.setBrush(leuchten);
    p.drawPath(glas);

    p.setPen(QPen(QColor(200, 120, 0), 1.1));
    p.setBrush(Qt::NoBrush);
    QPainterPath draht;
    draht.moveTo(25, 50);
    draht.lineTo(25, 34);
    draht.cubicTo(26, 29, 27, 33, 29, 29);
    draht.cubicTo(31, 33, 32, 29, 33, 34);
    draht.lineTo(33, 50);
    p.drawPath(draht);

    QLinearGradient metall(20, 0, 38, 0);
    metall.setColorAt(0, QColor(120, 120, 120));
    metall.setColorAt(0.4, QColor(225, 225, 225));
    metall.setColorAt(1, QColor(110, 110, 110));
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(metall);
    p.drawRoundedRect(QRectF(20.5, 50.5, 17, 17), 2, 2);
    for (int y = 55; y <= 64; y += 3)
        p.drawLine(QPointF(21, y), QPointF(37, y + 1.5));
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(24.5, 67.5, 9, 5), 2, 2);
    return bild;
}

void knochen(QPainter& p, const QPointF& von, const QPointF& bis)
{
    p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(von, bis);
    const QPointF richtung = (bis - von) / std::hypot(bis.x() - von.x(), bis.y() - von.y());
    const QPointF quer(-richtung.y(), richtung.x());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPointF& ende : {von, bis})
        for (const double seite : {-2.2, 2.2})
            p.drawEllipse(ende + seite * quer, 3.2, 3.2);
}

// A skull and crossbones on black, 53 × 79.
QImage totenkopf()
{
    QImage bild = leeresBild(53, 79, Qt::black);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    knochen(p, {9, 52}, {44, 72});
    knochen(p, {44, 52}, {9, 72});

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(8.5, 8, 36, 33));
    p.drawRoundedRect(QRectF(15.5, 32, 22, 16), 4, 4);

    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(14.5, 21, 10, 10));
    p.drawEllipse(QRectF(28.5, 21, 10, 10));
    QPainterPath nase;
    nase.moveTo(26.5, 32);
    nase.lineTo(23.5, 38);
    nase.lineTo(29.5, 38);
    nase.closeSubpath();
    p.drawPath(nase);
    p.setPen(QPen(Qt::black, 1.3));
    p.drawLine(QPointF(18, 42.5), QPointF(35, 42.5));
    for (double x = 20.5; x < 34; x += 3.2)
        p.drawLine(QPointF(x, 40.5), QPointF(x, 46.5));
    return bild;
}

// The window icon: a small coordinate plane with a blue parabola and a red
// line, drawn on a 48-unit square and scaled to the size asked for.
QImage symbol(int groesse)
{
    QImage bild = leeresBild(groesse, groesse, Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 48.0, groesse / 48.0);

    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 5, 5);

    p.setPen(QPen(QColor(205, 205, 205), 1));
    for (int i = 12; i <= 36; i += 12) {
        p.drawLine(QPointF(i, 4), QPointF(i, 44));
        p.drawLine(QPointF(4, i), QPointF(44, i));
    }

    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(6, 30), QPointF(42, 30));
    p.drawLine(QPointF(20, 42), QPointF(20, 6));
    p.drawPolyline(QPolygonF{{37, 26}, {42, 30}, {37, 34}});
    p.drawPolyline(QPolygonF{{16, 11}, {20, 6}, {24, 11}});

    QPainterPath parabel;
    for (double x = -0.7; x <= 2.71; x += 0.05) {
        const QPointF punkt(20 + 10 * x, 30 - 5.5 * (x - 1) * (x - 1) + 9);
        if (x == -0.7)
            parabel.moveTo(punkt);
        else
            parabel.lineTo(punkt);
    }
    p.setPen(QPen(QColor(0, 60, 230), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(parabel);
    p.setPen(QPen(QColor(225, 20, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 42), QPointF(42, 8));
    return bild;
}

bool speichere(const QImage& bild, const QDir& ordner, const QString& name)
{
    const QString pfad = ordner.filePath(name);
    if (bild.save(pfad))
        return true;
    std::fprintf(stderr, "%s: nicht gespeichert\n", qPrintable(pfad));
    return false;
}

} // namespace

// Painting shapes into a QImage needs no application object and no display.
int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s ZIELORDNER\n", argv[0]);
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    bool gut = speichere(gluehbirne(), ordner, QStringLiteral("gluehbirne.png"));
    gut = speichere(totenkopf(), ordner, QStringLiteral("totenkopf.png")) && gut;
    // The window uses 16, 32 and 48; the desktop's icon theme takes all.
    for (const int groesse : {16, 24, 32, 48, 64, 128, 256})
        gut = speichere(symbol(groesse), ordner, QStringLiteral("symbol%1.png").arg(groesse)) && gut;
    return gut ? 0 : 1;
}
