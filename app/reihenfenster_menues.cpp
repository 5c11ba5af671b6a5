// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus of the series editor: the items a teacher knows from a word
// processor, with the desktop's own keys.

#include "app/reihenfenster.h"

#include "dialogs/dialoge.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace {

// "&Rückgängig: Wert ändern", or the bare verb while the stack has no step.
QString mitSchritt(const QString& verb, const QString& schritt)
{
    return schritt.isEmpty() ? verb : verb + QStringLiteral(": ") + schritt;
}

// The desktop's keys for the item, or the key a teacher knows from elsewhere
// where the desktop has none: Qt's table leaves "Speichern unter" without a
// key on a plain X11 desktop.
QList<QKeySequence> tasten(QKeySequence::StandardKey standard, const QKeySequence& sonst = {})
{
    const QList<QKeySequence> eigene = QKeySequence::keyBindings(standard);
    return eigene.isEmpty() && !sonst.isEmpty() ? QList<QKeySequence>{sonst} : eigene;
}

QList<QKeySequence> taste(QKeyCombination kombination) { return {QKeySequence(kombination)}; }

// The one local task file a drag brings; nothing for several files, other
// files or anything else.
std::optional<QString> aufgabendatei(const QMimeData* daten)
{
    const QList<QUrl> adressen = daten->urls();
    if (adressen.size() != 1 || !adressen.front().isLocalFile())
        return std::nullopt;
    const QString pfad = adressen.front().toLocalFile();
    if (QFileInfo(pfad).suffix().compare(QLatin1String("sba"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return pfad;
}

} // namespace

void TReihenfenster::baueMenues()
{
    baueDateimenue(menuBar()->addMenu(QStringLiteral("&Datei")));
    baueBearbeitenmenue(menuBar()->addMenu(QStringLiteral("&Bearbeiten")));
}

QAction* TReihenfenster::eintrag(QMenu* menue, const char* name, const QString& text, const QList<QKeySequence>& tasten,
                                 const std::function<void()>& handler)
{
    // A child of the window, so that its buttons find it by name.
    auto* aktion = new QAction(text, this);
    aktion->setObjectName(QLatin1String(name));
    aktion->setShortcuts(tasten);
    menue->addAction(aktion);
    Verbinde(m_bericht, aktion, &QAction::triggered, this, handler);
    return aktion;
}

void TReihenfenster::baueDateimenue(QMenu* menue)
{
    menue->setObjectName(QStringLiteral("MenDatei"));
    eintrag(menue, "MenNeueReihe", QStringLiteral("&Neue Reihe"), tasten(QKeySequence::New), [this] { neueReihe(); });
    eintrag(menue, "MenOeffnen", QStringLiteral("Ö&ffnen …"), tasten(QKeySequence::Open), [this] { oeffnen(); });
    m_zuletzt = menue->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    m_zuletzt->setObjectName(QStringLiteral("MenZuletzt"));
    m_zuletzt->setToolTipsVisible(true);
    zeigeZuletzt();
    eintrag(menue, "MenSpeichern", QStringLiteral("&Speichern"), tasten(QKeySequence::Save), [this] { speichern(); });
    eintrag(menue, "MenSpeichernUnter", QStringLiteral("Speichern &unter …"), tasten(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            [this] { speichernUnter(); });
    menue->addSeparator();
    eintrag(menue, "MenArbeitsblatt", QStringLiteral("&Arbeitsblatt speichern …"), {}, [this] { speichereBlatt(); });
    eintrag(menue, "MenDruckvorschau", QStringLiteral("Druck&vorschau …"), {}, [this] { zeigeDruckvorschau(); });
    eintrag(menue, "MenDrucken", QStringLiteral("&Drucken …"), tasten(QKeySequence::Print), [this] { drucke(); });
    menue->addSeparator();
    eintrag(menue, "MenSchliessen", QStringLiteral("S&chließen"), tasten(QKeySequence::Close), [this] { close(); });
}

// Undo and redo name the step they take back or again, as the stack names it.
void TReihenfenster::baueBearbeitenmenue(QMenu* menue)
{
    menue->setObjectName(QStringLiteral("MenBearbeiten"));
    QUndoStack& stapel = m_reihe.Stapel();
    const QString rueck = QStringLiteral("&Rückgängig");
    const QString vor = QStringLiteral("&Wiederholen");
    QAction* rueckgaengig =
        eintrag(menue, "MenRueckgaengig", rueck, tasten(QKeySequence::Undo), [&stapel] { stapel.undo(); });
    QAction* wiederholen = eintrag(menue, "MenWiederholen", vor, tasten(QKeySequence::Redo), [&stapel] { stapel.redo(); });
    rueckgaengig->setEnabled(false); // the stack starts empty
    wiederholen->setEnabled(false);
    connect(&stapel, &QUndoStack::canUndoChanged, rueckgaengig, &QAction::setEnabled);
    connect(&stapel, &QUndoStack::canRedoChanged, wiederholen, &QAction::setEnabled);
    connect(&stapel, &QUndoStack::undoTextChanged, rueckgaengig,
            [rueckgaengig, rueck](const QString& schritt) { rueckgaengig->setText(mitSchritt(rueck, schritt)); });
    connect(&stapel, &QUndoStack::redoTextChanged, wiederholen,
            [wiederholen, vor](const QString& schritt) { wiederholen->setText(mitSchritt(vor, schritt)); });
    menue->addSeparator();
    // Ctrl+N is the desktop's key for a new document: here a new series.
    eintrag(menue, "MenNeueAufgabe", QStringLiteral("&Neue Aufgabe"), taste(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
            [this] { m_reihe.NeueAufgabe(); });
    eintrag(menue, "MenZufallsaufgabe", QStringLiteral("&Zufallsaufgabe …"), {}, [this] { zufallsaufgabe(); });
    eintrag(menue, "MenAufgabeLoeschen", QStringLiteral("Aufgabe &löschen"), {}, [this] { m_reihe.Loesche(); });
    eintrag(menue, "MenNachOben", QStringLiteral("Nach &oben"), taste(Qt::ALT | Qt::Key_Up),
            [this] { m_reihe.Verschiebe(-1); });
    eintrag(menue, "MenNachUnten", QStringLiteral("Nach un&ten"), taste(Qt::ALT | Qt::Key_Down),
            [this] { m_reihe.Verschiebe(1); });
    menue->addSeparator();
    eintrag(menue, "MenAusprobieren", QStringLiteral("Aus&probieren"), {}, [this] { probiereAus(); });
}

// The files by name, the newest with 1; the path in the tooltip.
void TReihenfenster::zeigeZuletzt()
{
    m_zuletzt->clear();
    const QStringList dateien = m_zuletztGeoeffnet.Dateien();
    for (int i = 0; i < dateien.size(); ++i) {
        const QString& pfad = dateien[i];
        QAction* aktion = m_zuletzt->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(pfad).fileName()));
        aktion->setObjectName(QStringLiteral("MenZuletzt%1").arg(i + 1));
        aktion->setToolTip(QDir::toNativeSeparators(pfad));
        Verbinde(m_bericht, aktion, &QAction::triggered, this, [this, pfad] { oeffneZuletzt(pfad); });
    }
    if (!dateien.isEmpty())
        m_zuletzt->addSeparator();
    QAction* leeren = m_zuletzt->addAction(QStringLiteral("&Liste leeren"));
    leeren->setObjectName(QStringLiteral("MenZuletztLeeren"));
    leeren->setEnabled(!dateien.isEmpty());
    Verbinde(m_bericht, leeren, &QAction::triggered, this, [this] {
        m_zuletztGeoeffnet.Leere();
        zeigeZuletzt();
    });
}

// A file gone since leaves the list when chosen.
void TReihenfenster::oeffneZuletzt(const QString& pfad)
{
    if (QFileInfo::exists(pfad)) {
        Oeffne(pfad);
        return;
    }
    m_zuletztGeoeffnet.Vergiss(pfad);
    zeigeZuletzt();
    m_dialoge.Fehler(this, boxtitel(),
                     QStringLiteral("Die Datei „%1“ gibt es nicht mehr; sie ist aus der Liste entfernt.")
                         .arg(QDir::toNativeSeparators(pfad)));
}

void TReihenfenster::dragEnterEvent(QDragEnterEvent* ereignis)
{
    if (aufgabendatei(ereignis->mimeData()))
        ereignis->acceptProposedAction();
}

void TReihenfenster::dropEvent(QDropEvent* ereignis)
{
    const std::optional<QString> pfad = aufgabendatei(ereignis->mimeData());
    if (!pfad)
        return;
    ereignis->acceptProposedAction();
    // The file manager waits until the drop is done; the question about
    // unsaved changes comes after it.
    QMetaObject::invokeMethod(this, [this, datei = *pfad] { Oeffne(datei); }, Qt::QueuedConnection);
}
