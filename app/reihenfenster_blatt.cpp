// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet of the series as it stands in the window, unsaved changes
// included: the series' bytes as the writer writes them, read as
// "--arbeitsblatt" reads a file, so that both make the same sheet.

#include "app/reihenfenster.h"

#include "blatt/blattdruck.h"
#include "dialogs/dialoge.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

std::optional<Arbeitsblatt> TReihenfenster::blattDerReihe()
{
    const std::optional<QByteArray> bytes = bestaetigteBytes();
    if (!bytes)
        return std::nullopt;
    try {
        Arbeitsblatt blatt = BlattAusDatei(*bytes, QLocale().decimalPoint());
        const std::optional<bool> loesungen =
            m_dialoge.Ankreuzen(this, boxtitel(), QStringLiteral("&Lösungsblatt anhängen"), true);
        if (!loesungen)
            return std::nullopt;
        blatt.MitLoesungen = *loesungen;
        return blatt;
    } catch (const Blattfehler& fehler) {
        m_dialoge.Fehler(this, boxtitel(), fehler.Text());
        return std::nullopt;
    }
}

// What "--arbeitsblatt" would print besides the file: the reader's notes
// and the graphs that ended at an invalid operation.
void TReihenfenster::meldeHinweise(const QStringList& hinweise)
{
    if (!hinweise.isEmpty())
        m_dialoge.Meldung(this, boxtitel(), hinweise.join(QLatin1Char('\n')));
}

void TReihenfenster::speichereBlatt()
{
    const std::optional<Arbeitsblatt> blatt = blattDerReihe();
    if (!blatt)
        return;
    const QFileInfo reihe(m_pfad.isEmpty() ? QDir::current().absoluteFilePath(dateiname()) : m_pfad);
    const std::optional<QString> pfad =
        m_dialoge.SpeicherDialog(this, QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("pdf"),
                                 reihe.dir().absoluteFilePath(reihe.completeBaseName() + QStringLiteral(".pdf")));
    if (!pfad)
        return;
    try {
        meldeHinweise(blatt->Hinweise + SchreibeArbeitsblatt(*blatt, *pfad));
    } catch (const Blattfehler& fehler) {
        m_dialoge.Fehler(this, boxtitel(), fehler.Text());
    }
}

void TReihenfenster::zeigeDruckvorschau()
{
    const std::optional<Arbeitsblatt> blatt = blattDerReihe();
    if (!blatt)
        return;
    QPrinter drucker;
    RichteDruckerEin(drucker, blatt->Ueberschrift);
    // The preview asks for its pages from inside its own event loop.
    m_dialoge.Druckvorschau(this, drucker, [this, &blatt](QPrinter& seiten) {
        m_bericht.Ausfuehren([&blatt, &seiten] { DruckeArbeitsblatt(*blatt, seiten); });
    });
}

void TReihenfenster::drucke()
{
    const std::optional<Arbeitsblatt> blatt = blattDerReihe();
    if (!blatt)
        return;
    QPrinter drucker;
    RichteDruckerEin(drucker, blatt->Ueberschrift);
    if (!m_dialoge.Drucken(this, drucker))
        return;
    try {
        meldeHinweise(blatt->Hinweise + DruckeArbeitsblatt(*blatt, drucker));
    } catch (const Blattfehler& fehler) {
        m_dialoge.Fehler(this, boxtitel(), fehler.Text());
    }
}
