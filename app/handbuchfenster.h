// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QString>

class Fehlerbericht;
class QAction;
class QTextBrowser;

// The window "Kurvix-Handbuch": the handbook for teachers and pupils from
// the program's resources, the same Markdown that is installed as
// handbuch.md, with its pictures and a table of contents whose links lead
// to the sections. A main window, so that a screen reader announces a
// frame with its title.
class THandbuchfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit THandbuchfenster(QWidget* parent = nullptr);

    // Scrolls to the section with this anchor; the beginning when empty.
    void ZeigeAbschnitt(const QString& abschnitt);
    QTextBrowser* Text() const { return m_text; }

private:
    QTextBrowser* m_text;
};

// Opens the handbook at a section, or brings the one already open to the
// front there; the window belongs to eltern's window, if any.
void ZeigeHandbuch(QWidget* eltern, const QString& abschnitt = {});

// The item "Handbuch" with F1 for a window's menu (or, added to the window
// alone, its key): it opens the handbook at the section of that window.
QAction* Handbuchaktion(Fehlerbericht& bericht, QWidget* fenster, const QString& abschnitt);
