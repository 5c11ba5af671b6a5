// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for the pupil's name and, if wanted, the class before a record is
// saved. "OK" is enabled once a name is typed.
class TNamensDialog : public QDialog {
    Q_OBJECT
public:
    explicit TNamensDialog(QWidget* eltern);

    QString Name() const;
    QString Klasse() const;

    QLineEdit* EName = nullptr;
    QLineEdit* EKlasse = nullptr;
    QPushButton* BOk = nullptr;
};
