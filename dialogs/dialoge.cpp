#include "dialogs/dialoge.h"

#include "dialogs/auswahlbox.h"
#include "dialogs/farbpalette.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

void zeige(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel, const QString& text)
{
    QMessageBox box(symbol, titel, text, QMessageBox::Ok, eltern);
    box.exec();
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

void QtDialoge::Auswahl(TAuswahlBox& box) { box.exec(); }

std::optional<QString> QtDialoge::DateiDialog(QWidget* eltern, const QString& filter, const QString& endung)
{
    QFileDialog dialog(eltern, QString(), QDir::currentPath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(endung);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

std::optional<QString> QtDialoge::SpeicherDialog(QWidget* eltern, const QString& vorschlag, const QString& filter,
                                                 const QString& endung)
{
    QFileDialog dialog(eltern, QString(), vorschlag, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(endung);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

std::optional<QColor> QtDialoge::WaehleFarbe(QWidget* eltern, const QColor& farbe)
{
    Farbpalette palette(farbe, eltern);
    if (palette.exec() != QDialog::Accepted)
        return std::nullopt;
    return palette.Farbe();
}

void QtDialoge::ZeigeModal(QDialog& fenster) { fenster.exec(); }
