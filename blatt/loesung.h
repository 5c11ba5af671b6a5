#pragma once

#include "model/funktion.h"

#include <QString>

// The answer key's equation of a given function, written as the value
// equation beside the edit boxes shows it, on one line and always with a
// decimal comma: "f(x) = -0,5·(x - 2,5)² + 1". The hyperbola's fraction bar
// becomes a slash, its denominator gets parentheses when it has a shift.
QString Loesungstext(int Typ, const ParameterSatz& P);
