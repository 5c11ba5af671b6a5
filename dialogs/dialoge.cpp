#include "dialogs/dialoge.h"

#include "dialogs/auswahlbox.h"

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
