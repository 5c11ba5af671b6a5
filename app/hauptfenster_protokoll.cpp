// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/hauptfenster.h"

#include "blatt/protokolldruck.h"
#include "dialogs/dialoge.h"
#include "dialogs/namensdialog.h"
#include "tasks/dateiinhalt.h"

#include <QCoreApplication>
#include <QDir>

// The name is asked once per run; a cancelled dialog saves nothing.
bool TForm1::frageName()
{
    TNamensDialog dialog(this);
    m_dialoge.ZeigeModal(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.Name().isEmpty())
        return false;
    m_schuelerName = dialog.Name();
    m_schuelerKlasse = dialog.Klasse();
    return true;
}

// The history stays in the run whatever happens here, so a record that
// cannot be written can be saved elsewhere.
void TForm1::MenTestprotokollClick()
{
    if (m_schuelerName.isEmpty() && !frageName())
        return;
    const QString vorschlag = QDir::home().filePath(Protokolldateiname(m_schuelerName, QDate::currentDate()));
    const std::optional<QString> pfad =
        m_dialoge.SpeicherDialog(this, QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("pdf"), vorschlag);
    if (!pfad)
        return;
    const ::Verlauf& verlauf = m_ablauf.Verlauf();
    const Testprotokoll protokoll{m_schuelerName,
                                  m_schuelerKlasse,
                                  QDateTime::currentDateTime(),
                                  verlauf.Arbeitsformen().join(QStringLiteral("; ")),
                                  QCoreApplication::applicationVersion(),
                                  verlauf.Aufgaben()};
    if (const std::optional<QString> fehler = SchreibeDateiinhalt(*pfad, ProtokollPdf(protokoll)))
        m_dialoge.Fehler(this, QStringLiteral("Testprotokoll speichern"), *fehler);
}
