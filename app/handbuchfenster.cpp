// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/handbuchfenster.h"

#include "app/offenesfenster.h"
#include "dialogs/fehlerbericht.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QUrl quelle() { return QUrl(QStringLiteral("qrc:/handbuch/handbuch.md")); }

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    return k;
}

} // namespace

THandbuchfenster::THandbuchfenster(QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Handbuch"));
    setWindowTitle(QStringLiteral("Kurvix-Handbuch"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 760);
    m_text->setObjectName(QStringLiteral("Handbuchtext"));
    m_text->setAccessibleName(QStringLiteral("Text des Handbuchs"));
    m_text->setSource(quelle(), QTextDocument::MarkdownResource);

    auto* inhaltsfeld = new QWidget(this);
    QPushButton* inhalt = knopf(inhaltsfeld, "BInhalt", QStringLiteral("&Inhalt"));
    QPushButton* zurueck = knopf(inhaltsfeld, "BZurueck", QStringLiteral("&Zurück"));
    zurueck->setEnabled(false);
    connect(inhalt, &QPushButton::clicked, this, [this] { ZeigeAbschnitt({}); });
    connect(zurueck, &QPushButton::clicked, m_text, &QTextBrowser::backward);
    connect(m_text, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(inhalt);
    knoepfe->addWidget(zurueck);
    knoepfe->addStretch();
    auto* spalte = new QVBoxLayout(inhaltsfeld);
    spalte->addLayout(knoepfe);
    spalte->addWidget(m_text);
    setCentralWidget(inhaltsfeld);
}

void THandbuchfenster::ZeigeAbschnitt(const QString& abschnitt)
{
    if (abschnitt.isEmpty()) {
        m_text->home();
        return;
    }
    QUrl ziel = quelle();
    ziel.setFragment(abschnitt);
    m_text->setSource(ziel, QTextDocument::MarkdownResource);
}

void ZeigeHandbuch(QWidget* eltern, const QString& abschnitt)
{
    THandbuchfenster* fenster = OffenesFenster<THandbuchfenster>();
    if (fenster == nullptr)
        fenster = new THandbuchfenster(eltern != nullptr ? eltern->window() : nullptr);
    fenster->ZeigeAbschnitt(abschnitt);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

QAction* Handbuchaktion(Fehlerbericht& bericht, QWidget* fenster, const QString& abschnitt)
{
    auto* aktion = new QAction(QStringLiteral("Handbuch"), fenster);
    aktion->setObjectName(QStringLiteral("MenHandbuch"));
    aktion->setShortcut(QKeySequence::HelpContents);
    Verbinde(bericht, aktion, &QAction::triggered, fenster, [fenster, abschnitt] { ZeigeHandbuch(fenster, abschnitt); });
    return aktion;
}
