// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/funktion.h"
#include "tasks/zufallsaufgabe.h"

#include <QDialog>

#include <array>

class Dialoge;
class Fehlerbericht;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The modal dialog in which the user chooses, before an exercise or a test,
// the function types of the random tasks and their difficulty. One instance
// serves the whole run, so the ticks carry over from one use to the next;
// the caller sets the difficulty back at every opening.
class TAuswahlBox : public QDialog {
    Q_OBJECT
public:
    TAuswahlBox(Dialoge& dialoge, Fehlerbericht& bericht, QWidget* parent);

    void BitBtn1Click();
    void BitBtn2Click();
    void BOkClick();
    void BAbbrechenClick();

    // The item index of RGSchwierigkeitsgrad, a Schwierigkeitsgrad.
    int Schwierigkeitsgrad() const;
    void SetzeSchwierigkeitsgrad(int Grad);

    // Escape and a close request from the desktop count as Abbrechen: only
    // Ok confirms.
    void reject() override;

    QGroupBox* GBFunktionen = nullptr;
    // CheckBox[Typ] is the box of a type, named CheckBox1 for type 0 up to
    // CheckBox7 for type 6.
    std::array<QCheckBox*, AnzahlTypen> CheckBox{};
    QGroupBox* RGSchwierigkeitsgrad = nullptr;
    // The items of RGSchwierigkeitsgrad, by item index.
    std::array<QRadioButton*, 3> RGEintrag{};
    QPushButton* BAbbrechen = nullptr;
    QPushButton* BOk = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // True after Ok with at least one type ticked; false after any other
    // way out, and before the first use.
    bool Bestaetigt = false;
    // The ticked types in ascending order, as Ok found them.
    Typliste ErlaubteTypen;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void baueFunktionen();
    void baueSchwierigkeitsgrad();
    void baueKnoepfe(Fehlerbericht& bericht);
    void legeFokusfolgeFest();
    void hakeAlleAn(bool angehakt);

    Dialoge& m_dialoge;
    QButtonGroup* m_grade = nullptr;
};
