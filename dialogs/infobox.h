// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class Fehlerbericht;

// The information window: what the program is for and how each form of work
// goes, in fixed German text, and who made it. It has no state; "Ok" and
// the close box close it.
class TInfoBox : public QDialog {
    Q_OBJECT
public:
    // Ok's handler runs through the main window's error boundary.
    TInfoBox(Fehlerbericht& bericht, QWidget* eltern);

    void BOkClick();

private:
    void baueTexte(QWidget* Panel1);
    void baueNachweis(QWidget* Panel1);
    void zentriere();
};
