// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "blatt/arbeitsblatt.h"

#include <QString>
#include <QStringList>

// Writes the worksheet as a PDF of A4 portrait pages: the heading, the
// numbered tasks, each a plane at 1 cm per unit with its given graph and a
// line "f(x) =" to fill in, two tasks to a page, and after them the answer
// key. Everything is drawn as vectors; the program's face is embedded.
// Throws Blattfehler, naming the path and the reason, when the file cannot
// be written; the old file then stays as it was. Returns the tasks
// whose graph ended at an invalid operation ("Aufgabe 2: Ungültige
// Gleitkommaoperation."); such a graph keeps what was drawn before. With
// mitLoesungsweg the key says under each answer in one sentence how its
// graph arises from the basic function.
QStringList SchreibeArbeitsblatt(const Arbeitsblatt& blatt, const QString& pfad, bool mitLoesungsweg = false);
