// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The submenu "Hilfen" of the menu " Optionen " and the hint that a wrong
// answer may bring: the run decides what they show, the window shows it.

#include "app/hauptfenster.h"

#include "term/bausteine.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include <cstddef>
#include <utility>

namespace {

// Without a verdict the hint takes the verdict panel's place; beside a
// verdict it lies over the bottom of the plot, where it hides least.
const QRect AnstelleDesUrteils{4, 0, 216, 97};
const QRect UeberDemSchaubild{228, 500, 576, 44};

} // namespace

void TForm1::baueHilfen(QMenu* optionen)
{
    auto* hilfen = new QMenu(QStringLiteral("Hilfen"), optionen);
    hilfen->setObjectName(QStringLiteral("MenHilfen"));
    const std::pair<const char*, QString> eintraege[] = {
        {"MenSchaubildFolgt", QStringLiteral("Schaubild folgt der Eingabe")},
        {"MenTipps", QStringLiteral("Tipps nach falscher Antwort")},
        {"MenGleichesSchaubild", QStringLiteral("Hinweis bei gleichem Schaubild")},
    };
    for (std::size_t i = 0; i < MenHilfe.size(); ++i) {
        auto* aktion = new QAction(eintraege[i].second, hilfen);
        aktion->setObjectName(QLatin1String(eintraege[i].first));
        aktion->setCheckable(true);
        hilfen->addAction(aktion);
        const auto hilfe = static_cast<Hilfe>(i);
        Verbinde(m_bericht, aktion, &QAction::triggered, this,
                 [this, hilfe] { Ereignis([this, hilfe] { m_ablauf.HilfeUmgeschaltet(hilfe); }); });
        MenHilfe[i] = aktion;
    }
    optionen->addMenu(hilfen);

    LHinweis = new QLabel(centralWidget());
    LHinweis->setObjectName(QStringLiteral("LHinweis"));
    LHinweis->setAccessibleName(QStringLiteral("Hinweis"));
    LHinweis->setTextFormat(Qt::PlainText);
    LHinweis->setWordWrap(true);
    LHinweis->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LHinweis->setMargin(6);
    LHinweis->setFrameStyle(QFrame::Box | QFrame::Plain);
    LHinweis->setFont(Schrift(13));
    LHinweis->setAutoFillBackground(true);
    SetzeHintergrund(LHinweis, Farbe(0xE1FFFF)); // pale yellow
    SetzeTextfarbe(LHinweis, Farbe(0x000000));
    LHinweis->hide();
}

void TForm1::zeigeHilfen(const Steuerzustand& z)
{
    const bool an[] = {z.Hilfen.SchaubildFolgt, z.Hilfen.Tipps, z.Hilfen.GleichesSchaubild};
    for (std::size_t i = 0; i < MenHilfe.size(); ++i) {
        MenHilfe[i]->setChecked(an[i]);
        MenHilfe[i]->setEnabled(z.HilfenWaehlbar || static_cast<Hilfe>(i) == Hilfe::GleichesSchaubild);
    }
    LHinweis->setText(z.Hinweis);
    LHinweis->setGeometry(z.Urteil == Urteil::Keines ? AnstelleDesUrteils : UeberDemSchaubild);
    LHinweis->setVisible(!z.Hinweis.isEmpty());
    LHinweis->raise();
}
