// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dialoge.h"

#include "dialogs/auswahlbox.h"
#include "dialogs/farbpalette.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Runs a modal dialog and gives the keyboard back to the window it belongs
// to, as a window manager does. Without one (a kiosk session, Xvfb) no
// window of the program would be active afterwards, and its shortcuts and
// mnemonics would be dead until a click.
int modal(QDialog& dialog)
{
    const QPointer<QWidget> fenster = dialog.parentWidget() != nullptr ? dialog.parentWidget()->window() : nullptr;
    const int ergebnis = dialog.exec();
    if (fenster && fenster->isVisible())
        fenster->activateWindow();
    return ergebnis;
}

void zeige(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel, const QString& text)
{
    QMessageBox box(symbol, titel, text, QMessageBox::Ok, eltern);
    modal(box);
}

} // namespace

void QtDialoge::Meldung(QWidget* eltern, const QString& titel, const QString& text)
{
    zeige(eltern, QMessageBox::NoIcon, titel, text);
}

void QtDialoge::Fehler(QWidget* eltern, const QString& titel, const QString& text)
{
    zeige(eltern, QMessageBox::Critical, titel, text);
}

void QtDialoge::Auswahl(TAuswahlBox& box) { modal(box); }

std::optional<QString> QtDialoge::DateiDialog(QWidget* eltern, const QString& filter, const QString& endung)
{
    QFileDialog dialog(eltern, QString(), QDir::currentPath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(endung);
    if (modal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

std::optional<QString> QtDialoge::SpeicherDialog(QWidget* eltern, const QString& filter, const QString& endung,
                                                 const QString& vorschlag)
{
    QFileDialog dialog(eltern, QString(), vorschlag.isEmpty() ? QDir::currentPath() : vorschlag, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(endung);
    if (modal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

bool QtDialoge::Frage(QWidget* eltern, const QString& titel, const QString& text)
{
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole));
    modal(box);
    return box.clickedButton() == ja;
}

Dialoge::Speicherantwort QtDialoge::FrageSpeichern(QWidget* eltern, const QString& titel, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, titel, text, QMessageBox::NoButton, eltern);
    QPushButton* speichern = box.addButton(QStringLiteral("&Speichern"), QMessageBox::AcceptRole);
    QPushButton* verwerfen = box.addButton(QStringLiteral("&Verwerfen"), QMessageBox::DestructiveRole);
    box.setEscapeButton(box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole));
    box.setDefaultButton(speichern);
    modal(box);
    if (box.clickedButton() == speichern)
        return Speicherantwort::Speichern;
    return box.clickedButton() == verwerfen ? Speicherantwort::Verwerfen : Speicherantwort::Abbrechen;
}

Dialoge::Wiederherstellantwort QtDialoge::FrageWiederherstellen(QWidget* eltern, const QString& titel,
                                                                const QString& text)
{
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern);
    QPushButton* wiederherstellen = box.addButton(QStringLiteral("&Wiederherstellen"), QMessageBox::AcceptRole);
    QPushButton* verwerfen = box.addButton(QStringLiteral("&Verwerfen"), QMessageBox::DestructiveRole);
    box.setEscapeButton(box.addButton(QStringLiteral("S&päter"), QMessageBox::RejectRole));
    box.setDefaultButton(wiederherstellen);
    modal(box);
    if (box.clickedButton() == wiederherstellen)
        return Wiederherstellantwort::Wiederherstellen;
    return box.clickedButton() == verwerfen ? Wiederherstellantwort::Verwerfen : Wiederherstellantwort::Spaeter;
}

std::optional<QColor> QtDialoge::WaehleFarbe(QWidget* eltern, const QColor& farbe)
{
    Farbpalette palette(farbe, eltern);
    if (modal(palette) != QDialog::Accepted)
        return std::nullopt;
    return palette.Farbe();
}

void QtDialoge::ZeigeModal(QDialog& fenster) { modal(fenster); }

QStringList QtDialoge::DateienDialog(QWidget* eltern, const QString& filter)
{
    QFileDialog dialog(eltern, QString(), QDir::currentPath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return modal(dialog) == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

std::optional<QString> QtDialoge::OrdnerDialog(QWidget* eltern)
{
    QFileDialog dialog(eltern, QString(), QDir::currentPath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (modal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

std::optional<bool> QtDialoge::Ankreuzen(QWidget* eltern, const QString& titel, const QString& text, bool vorgabe)
{
    QDialog dialog(eltern);
    dialog.setWindowTitle(titel);
    auto* spalte = new QVBoxLayout(&dialog);
    auto* box = new QCheckBox(text);
    box->setObjectName(QStringLiteral("CAnkreuzen"));
    box->setChecked(vorgabe);
    spalte->addWidget(box);
    auto* knoepfe = new QDialogButtonBox;
    knoepfe->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    knoepfe->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    spalte->addWidget(knoepfe);
    if (modal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return box->isChecked();
}

bool QtDialoge::Drucken(QWidget* eltern, QPrinter& drucker)
{
    QPrintDialog dialog(&drucker, eltern);
    return modal(dialog) == QDialog::Accepted;
}

void QtDialoge::Druckvorschau(QWidget* eltern, QPrinter& drucker, const std::function<void(QPrinter&)>& zeichne)
{
    QPrintPreviewDialog dialog(&drucker, eltern);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&zeichne](QPrinter* seiten) { zeichne(*seiten); });
    modal(dialog);
}
