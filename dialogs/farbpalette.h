// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QDialog>

class Figur;

// The colour chooser of the display options: the toolkit's 48 standard
// colours and no way to mix colours of one's own, so every plot keeps to a
// palette that reads well on white. It opens at a colour, marking its field
// when the palette has it, and hands back the colour last clicked, or the
// one it opened at.
class Farbpalette : public QDialog {
    Q_OBJECT
public:
    Farbpalette(const QColor& farbe, QWidget* eltern);

    QColor Farbe() const { return m_farbe; }

private:
    void waehle(const QColor& farbe);

    QColor m_farbe;
    Figur* m_auswahl = nullptr;
};
