// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/farbpalette.h"

#include "model/zahltext.h"
#include "term/bausteine.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int Zeilen = 6;
constexpr int Farben = 48;

// What a screen reader says for a field: its three components.
QString farbname(const QColor& farbe)
{
    return QStringLiteral("Rot %1, Grün %2, Blau %3")
        .arg(Zahltext(farbe.red()), Zahltext(farbe.green()), Zahltext(farbe.blue()));
}

// One field of the palette: its colour in a thin frame, in a dark frame
// when it is the chosen one.
class Farbfeld : public QAbstractButton {
public:
    Farbfeld(const QColor& farbe, QWidget* eltern)
        : QAbstractButton(eltern)
        , m_farbe(farbe)
    {
        setCheckable(true);
        setFixedSize(24, 20);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(farbname(farbe));
    }

    QColor farbe() const { return m_farbe; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect rahmen = rect().adjusted(2, 2, -2, -2);
        p.fillRect(isChecked() ? rect() : rahmen, palette().color(isChecked() ? QPalette::WindowText : QPalette::Mid));
        p.fillRect(rahmen.adjusted(1, 1, -1, -1), m_farbe);
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    QColor m_farbe;
};

} // namespace

Farbpalette::Farbpalette(const QColor& farbe, QWidget* eltern)
    : QDialog(eltern)
    , m_farbe(farbe)
{
    setObjectName(QStringLiteral("ColorDialog"));
    setWindowTitle(QStringLiteral("Farbe"));
    setFont(Schrift(11));

    auto* felder = new QGridLayout;
    felder->setSpacing(2);
    auto* gruppe = new QButtonGroup(this);
    for (int i = 0; i < Farben; ++i) {
        const QColor grundfarbe = QColorDialog::standardColor(i);
        auto* feld = new Farbfeld(grundfarbe, this);
        feld->setChecked(grundfarbe == farbe);
        gruppe->addButton(feld);
        felder->addWidget(feld, i % Zeilen, i / Zeilen);
        connect(feld, &QAbstractButton::clicked, this, [this, grundfarbe] { waehle(grundfarbe); });
    }

    m_auswahl = new Figur(this);
    m_auswahl->setObjectName(QStringLiteral("Auswahl"));
    m_auswahl->setFixedSize(60, 28);
    m_auswahl->setAccessibleName(QStringLiteral("Gewählte Farbe"));
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("OK"));
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(new QLabel(QStringLiteral("Grundfarben:"), this));
    aufbau->addLayout(felder);
    aufbau->addWidget(new QLabel(QStringLiteral("Gewählte Farbe:"), this));
    aufbau->addWidget(m_auswahl);
    aufbau->addWidget(knoepfe);
    aufbau->setSizeConstraint(QLayout::SetFixedSize);
    waehle(farbe);
}

void Farbpalette::waehle(const QColor& farbe)
{
    m_farbe = farbe;
    m_auswahl->SetzeFarben(palette().color(QPalette::WindowText), farbe);
    m_auswahl->setAccessibleDescription(farbname(farbe));
}
