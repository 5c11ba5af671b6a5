// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/namensdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* feld(QWidget* eltern, const char* name, const QString& beschreibung)
{
    auto* f = new QLineEdit(eltern);
    f->setObjectName(QLatin1String(name));
    f->setAccessibleName(beschreibung);
    f->setMaxLength(200);
    return f;
}

// A pasted control character would make the record unreadable.
QString bereinigt(const QString& text)
{
    QString ohne;
    for (const QChar c : text)
        ohne += c.category() == QChar::Other_Control ? QLatin1Char(' ') : c;
    return ohne.simplified();
}

} // namespace

TNamensDialog::TNamensDialog(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("TNamensDialog"));
    setWindowTitle(QStringLiteral("Testprotokoll speichern"));
    auto* form = new QFormLayout(this);
    auto* hinweis = new QLabel(QStringLiteral("Unter welchem Namen soll das Testprotokoll gespeichert werden?"), this);
    hinweis->setObjectName(QStringLiteral("LNamensHinweis"));
    hinweis->setWordWrap(true);
    form->addRow(hinweis);
    EName = feld(this, "EName", QStringLiteral("Name"));
    EKlasse = feld(this, "EKlasse", QStringLiteral("Klasse"));
    form->addRow(QStringLiteral("&Name:"), EName);
    form->addRow(QStringLiteral("&Klasse (freiwillig):"), EKlasse);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->setObjectName(QStringLiteral("BBNamensKnoepfe"));
    BOk = knoepfe->button(QDialogButtonBox::Ok);
    BOk->setObjectName(QStringLiteral("BOk"));
    BOk->setText(QStringLiteral("OK"));
    BOk->setAccessibleName(QStringLiteral("OK"));
    QPushButton* abbrechen = knoepfe->button(QDialogButtonBox::Cancel);
    abbrechen->setObjectName(QStringLiteral("BAbbrechen"));
    abbrechen->setText(QStringLiteral("Abbrechen"));
    abbrechen->setAccessibleName(QStringLiteral("Abbrechen"));
    BOk->setEnabled(false);
    form->addRow(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(EName, &QLineEdit::textChanged, this, [this] { BOk->setEnabled(!Name().isEmpty()); });
}

QString TNamensDialog::Name() const { return bereinigt(EName->text()); }

QString TNamensDialog::Klasse() const { return bereinigt(EKlasse->text()); }
