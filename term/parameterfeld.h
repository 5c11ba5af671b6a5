// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pupil's entry rules applied to an edit box: the keys and the text of
// an input method pass through GefilterteTaste under the locale's
// separators. Shared by the pupil's equation and the series editor.

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QString;

// The part of a typed or composed text that a box takes.
QString GefilterterText(const QString& text, bool minusErlaubt);

// True where the keystroke is used up: a character outside a number is
// discarded, the thousands separator typed as the decimal one. Shortcuts
// (Ctrl, but not AltGr) and keys that type nothing pass.
bool FiltereTaste(QLineEdit* box, const QKeyEvent* taste, bool minusErlaubt);

// A character composed through an input method obeys the same rules.
void FiltereEingabemethode(QInputMethodEvent* ereignis, bool minusErlaubt);
