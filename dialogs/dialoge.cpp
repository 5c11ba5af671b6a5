#include "dialogs/dialoge.h"

#include "dialogs/farbpalette.h"

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

std::optional<QColor> QtDialoge::WaehleFarbe(QWidget* eltern, const QColor& farbe)
{
    Farbpalette palette(farbe, eltern);
    if (palette.exec() != QDialog::Accepted)
        return std::nullopt;
    return palette.Farbe();
}

void QtDialoge::ZeigeModal(QDialog& fenster) { fenster.exec(); }
