// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/funktion.h"

#include <QLocale>
#include <QString>

// The equation of a given function, written as the value equation beside
// the edit boxes shows it, on one line: "f(x) = -0,5·(x - 2,5)² + 1". The
// hyperbola's fraction bar becomes a slash, its denominator gets parentheses
// when it has a shift. The answer key writes it always with a decimal comma;
// the series editor in the regional settings.
QString Loesungstext(int Typ, const ParameterSatz& P, const QLocale& locale = QLocale(QLocale::German));
