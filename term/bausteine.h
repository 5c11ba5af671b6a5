// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small building blocks shared by the windows: colours of text, and the
// shape control used for the multiplication dots, the fraction bar and the
// verdict's background.

#include "basis/aussehen.h"

#include <QColor>
#include <QWidget>

void SetzeTextfarbe(QWidget* w, const QColor& farbe);
void SetzeHintergrund(QWidget* w, const QColor& farbe);

// A filled circle or rectangle with a one-pixel outline, like the shapes of
// a drawing program: the dots between factors and the hyperbola's bar.
class Figur : public QWidget {
public:
    enum class Form { Kreis, Rechteck };

    explicit Figur(QWidget* parent);

    void SetzeForm(Form form);
    void SetzeFarben(const QColor& stift, const QColor& pinsel);
    Form form() const { return m_form; }
    QColor stift() const { return m_stift; }
    QColor pinsel() const { return m_pinsel; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form m_form = Form::Rechteck;
    QColor m_stift = Qt::black;
    QColor m_pinsel = Qt::white;
};

// A panel framed by an outer and an inner bevel, each raised, lowered or
// absent, one pixel wide.
class Rahmenpanel : public QWidget {
public:
    enum class Kante { Keine, Erhaben, Vertieft };

    Rahmenpanel(QWidget* parent, Kante aussen, Kante innen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kante m_aussen;
    Kante m_innen;
};
