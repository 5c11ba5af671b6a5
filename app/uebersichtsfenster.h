// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "auftraege/klassenuebersicht.h"
#include "dialogs/fehlerbericht.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class Dialoge;
class QAction;
class QLabel;
class QListWidget;
class QModelIndex;
class QPrinter;
class QTableView;
class Uebersichtsmodell;

// The window "Klassenübersicht": the records a teacher adds (files, a
// folder, or dropped onto the window) as the table --auswertung writes,
// the files passed over below it with the reason, saving and printing the
// same overview, and a pupil's record on a double click.
class TUebersichtsfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit TUebersichtsfenster(Dialoge& dialoge, QWidget* parent = nullptr);

    // Adds the records among the files and the PDF files of the folders.
    void FuegeHinzu(const QStringList& dateienUndOrdner);
    const Protokollsammlung& Sammlung() const { return m_sammlung; }

protected:
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    void baueMenue();
    void baueInhalt();
    QAction* eintrag(QMenu* menue, const char* name, const QString& text, const std::function<void()>& handler);
    void zeige();

    void protokolleHinzufuegen();
    void ordnerHinzufuegen();
    // Asks where and then writes what inhalt gives, so that nothing is made
    // for a cancelled dialog.
    void speichere(const QString& filter, const QString& endung, const std::function<QByteArray()>& inhalt);
    void drucken();
    void druckvorschau();
    void druckeAuf(QPrinter& drucker);
    void zeigeProtokoll(const QModelIndex& index);

    Dialoge& m_dialoge;
    Fehlerbericht m_bericht;
    Protokollsammlung m_sammlung;
    Uebersichtsmodell* m_modell = nullptr;
    QTableView* m_tabelle = nullptr;
    QLabel* m_leer = nullptr;
    QLabel* m_abgelehntTitel = nullptr;
    QListWidget* m_abgelehnt = nullptr;
    std::vector<QAction*> m_mitInhalt; // the items that need at least one record
};

// Opens the window "Klassenübersicht" beside eltern (the editor's menu
// item "Klassenübersicht …"), or brings the one already open to the front.
void ZeigeKlassenuebersicht(Dialoge& dialoge, QWidget* eltern);
