// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where everything stands on a worksheet, in millimetres from the top-left
// corner of an A4 portrait page. The plane keeps the screen's window,
// x -8..8 and y -6..6, at 1 cm per unit: 16 × 12 cm. Every task then shows
// just what the pupil would see on screen (random tasks and the sections of
// task files are made for that window), and with narrow margins two planes
// still fit on a page.

#include <QPointF>
#include <QRectF>

#include <vector>

namespace Blattmass {
inline constexpr double SeitenBreite = 210;
inline constexpr double SeitenHoehe = 297;
inline constexpr double RandOben = 10;
inline constexpr double RandUnten = 10;
inline constexpr double RandSeitlich = 15; // heading and answer key
inline constexpr double ProEinheit = 10;   // 1 unit = 1 cm
inline constexpr double XMin = -8, XMax = 8, YMin = -6, YMax = 6;
inline constexpr double EbenenBreite = (XMax - XMin) * ProEinheit;
inline constexpr double EbenenHoehe = (YMax - YMin) * ProEinheit;
inline constexpr double Ueberschrift = 9;  // the heading on page 1
inline constexpr double Antwortzeile = 11; // "f(x) = ..." under the plane
inline constexpr double Abstand = 6;       // between two tasks
inline constexpr double Zeilenabstand = 7; // the lines of the answer key
} // namespace Blattmass

// The place of one task: its page (counted from 0) and its plane.
struct Aufgabenplatz {
    int Seite = 0;
    QRectF Ebene;

    // Where the answer line's baseline starts, under the plane.
    QPointF Antwort() const;
    // The point of the plane at (x, y) in units.
    QPointF Punkt(double x, double y) const;
};

// How many tasks a page holds, with or without the heading above them.
int AufgabenProSeite(bool mitUeberschrift);

// The places of the tasks 1..anzahl, in order, page after page.
std::vector<Aufgabenplatz> Aufgabenplaetze(int anzahl);

// The answer key: its page and the baseline of each task's line.
struct Loesungsplatz {
    int Seite = 0;
    double Grundlinie = 0;
};

// How many tasks a page of the answer key holds when each takes zeilen lines.
int LoesungenProSeite(int zeilen = 1);

// The lines of the answer key for anzahl tasks, each taking zeilen lines
// (the second one for the way to the solution), on the pages after the
// last page of tasks; every page of the key starts with its heading.
std::vector<Loesungsplatz> Loesungsplaetze(int anzahl, int zeilen = 1);

// Pages of tasks plus pages of the answer key.
int Seitenzahl(int anzahl, int zeilen = 1);
