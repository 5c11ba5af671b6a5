// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ablauf.h"

#include <QString>

// What the plot shows, for a screen reader, which cannot see the graphs:
// the form of work and, in a task, the type of the given graph.
QString Ebenenbeschreibung(Modus modus, int VorgTyp);
