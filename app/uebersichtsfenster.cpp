// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/uebersichtsfenster.h"

#include "app/handbuchfenster.h"
#include "app/offenesfenster.h"
#include "app/uebersichtsmodell.h"
#include "blatt/arbeitsblatt.h"
#include "blatt/maler.h"
#include "blatt/protokolldruck.h"
#include "dialogs/dialoge.h"
#include "tasks/dateiinhalt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString Titel = QStringLiteral("Klassenübersicht");

QStringList lokaleDateien(const QMimeData& daten)
{
    QStringList pfade;
    for (const QUrl& url : daten.urls())
        if (url.isLocalFile())
            pfade << url.toLocalFile();
    return pfade;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text)
{
    auto* label = new QLabel(text, eltern);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

// The record as its PDF shows it, in a table of the window.
QTableWidget* aufgabenliste(QWidget* eltern, const Tabelle& t)
{
    auto* liste = new QTableWidget(static_cast<int>(t.Zeilen.size()), static_cast<int>(t.Koepfe.size()), eltern);
    liste->setObjectName(QStringLiteral("Aufgabenliste"));
    liste->setAccessibleName(QStringLiteral("Aufgaben des Testprotokolls"));
    liste->setHorizontalHeaderLabels(t.Koepfe);
    liste->verticalHeader()->hide();
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t zeile = 0; zeile < t.Zeilen.size(); ++zeile)
        for (qsizetype spalte = 0; spalte < t.Koepfe.size(); ++spalte)
            liste->setItem(static_cast<int>(zeile), static_cast<int>(spalte),
                           new QTableWidgetItem(t.Zeilen[zeile].value(spalte)));
    liste->resizeColumnsToContents();
    return liste;
}

void richteEin(QPrinter& drucker)
{
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
}

} // namespace

TUebersichtsfenster::TUebersichtsfenster(Dialoge& dialoge, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_dialoge(dialoge)
    , m_bericht(dialoge, this)
{
    setObjectName(QStringLiteral("Klassenuebersicht"));
    setWindowTitle(Titel);
    setAcceptDrops(true);
    resize(900, 600);
    baueInhalt();
    baueMenue();
    zeige();
}

QAction* TUebersichtsfenster::eintrag(QMenu* menue, const char* name, const QString& text,
                                      const std::function<void()>& handler)
{
    auto* aktion = new QAction(text, this);
    aktion->setObjectName(QLatin1String(name));
    menue->addAction(aktion);
    Verbinde(m_bericht, aktion, &QAction::triggered, this, handler);
    return aktion;
}

void TUebersichtsfenster::baueMenue()
{
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("MenDatei"));
    QAction* hinzu = eintrag(datei, "MenProtokolleHinzufuegen", QStringLiteral("Protokolle hinzufügen …"),
                             [this] { protokolleHinzufuegen(); });
    hinzu->setShortcut(QKeySequence::Open);
    QAction* ordner = eintrag(datei, "MenOrdnerHinzufuegen", QStringLiteral("Ordner hinzufügen …"),
                              [this] { ordnerHinzufuegen(); });
    datei->addSeparator();
    QAction* csv = eintrag(datei, "MenAlsCsv", QStringLiteral("Als CSV speichern …"), [this] {
        speichere(QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv"), [this] { return UebersichtCsv(m_modell->Inhalt()); });
    });
    csv->setShortcut(QKeySequence::Save);
    QAction* pdf = eintrag(datei, "MenAlsPdf", QStringLiteral("Als PDF speichern …"), [this] {
        speichere(QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("pdf"), [this] { return UebersichtPdf(m_modell->Inhalt()); });
    });
    datei->addSeparator();
    QAction* vorschau = eintrag(datei, "MenDruckvorschau", QStringLiteral("Druckvorschau …"), [this] { druckvorschau(); });
    QAction* drucke = eintrag(datei, "MenDrucken", QStringLiteral("Drucken …"), [this] { drucken(); });
    drucke->setShortcut(QKeySequence::Print);
    datei->addSeparator();
    eintrag(datei, "MenSchliessen", QStringLiteral("Schließen"), [this] { close(); })->setShortcut(QKeySequence::Close);
    m_mitInhalt = {csv, pdf, vorschau, drucke};

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("MenHilfe"));
    hilfe->addAction(Handbuchaktion(m_bericht, this, QStringLiteral("klassenuebersicht")));

    QToolBar* leiste = addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* aktion : {hinzu, ordner, csv, drucke})
        leiste->addAction(aktion);
}

void TUebersichtsfenster::baueInhalt()
{
    auto* inhalt = new QWidget(this);
    auto* spalte = new QVBoxLayout(inhalt);
    m_leer = beschriftung(inhalt, "LLeer",
                          QStringLiteral("Noch keine Testprotokolle: „Protokolle hinzufügen …“, „Ordner hinzufügen …“ "
                                         "oder die PDF-Dateien hierher ziehen."));
    m_modell = new Uebersichtsmodell(this);
    m_tabelle = new QTableView(inhalt);
    m_tabelle->setObjectName(QStringLiteral("Tabelle"));
    m_tabelle->setAccessibleName(Titel);
    m_tabelle->setModel(m_modell);
    m_tabelle->setSortingEnabled(true);
    m_tabelle->sortByColumn(-1, Qt::AscendingOrder);
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->verticalHeader()->hide();
    Verbinde(m_bericht, m_tabelle, &QTableView::doubleClicked, this,
             [this] { zeigeProtokoll(m_tabelle->currentIndex()); });
    m_abgelehntTitel = beschriftung(inhalt, "LAbgelehnt", QStringLiteral("Nicht übernommen:"));
    m_abgelehnt = new QListWidget(inhalt);
    m_abgelehnt->setObjectName(QStringLiteral("Abgelehnt"));
    m_abgelehnt->setAccessibleName(QStringLiteral("Nicht übernommene Dateien"));
    m_abgelehnt->setMaximumHeight(120);
    spalte->addWidget(m_leer);
    spalte->addWidget(m_tabelle, 1);
    spalte->addWidget(m_abgelehntTitel);
    spalte->addWidget(m_abgelehnt);
    setCentralWidget(inhalt);
}

void TUebersichtsfenster::FuegeHinzu(const QStringList& dateienUndOrdner)
{
    m_sammlung.FuegeHinzu(Protokollpfade(dateienUndOrdner));
    zeige();
}

void TUebersichtsfenster::zeige()
{
    m_modell->Zeige(BaueUebersicht(m_sammlung.Protokolle()));
    m_tabelle->resizeColumnsToContents();
    const bool leer = m_sammlung.Protokolle().empty();
    m_leer->setVisible(leer);
    for (QAction* aktion : m_mitInhalt)
        aktion->setEnabled(!leer);
    m_abgelehnt->clear();
    m_abgelehnt->addItems(m_sammlung.Abgelehnt());
    m_abgelehntTitel->setVisible(m_abgelehnt->count() > 0);
    m_abgelehnt->setVisible(m_abgelehnt->count() > 0);
}

void TUebersichtsfenster::dragEnterEvent(QDragEnterEvent* ereignis)
{
    if (!lokaleDateien(*ereignis->mimeData()).isEmpty())
        ereignis->acceptProposedAction();
}

void TUebersichtsfenster::dropEvent(QDropEvent* ereignis)
{
    const QStringList pfade = lokaleDateien(*ereignis->mimeData());
    ereignis->acceptProposedAction();
    m_bericht.Ausfuehren([this, pfade] { FuegeHinzu(pfade); });
}

void TUebersichtsfenster::protokolleHinzufuegen()
{
    FuegeHinzu(m_dialoge.DateienDialog(this, QStringLiteral("Testprotokolle (*.pdf)")));
}

void TUebersichtsfenster::ordnerHinzufuegen()
{
    if (const std::optional<QString> ordner = m_dialoge.OrdnerDialog(this))
        FuegeHinzu({*ordner});
}

void TUebersichtsfenster::speichere(const QString& filter, const QString& endung,
                                    const std::function<QByteArray()>& inhalt)
{
    const QString vorschlag = QDir::home().filePath(QStringLiteral("Klassenuebersicht.") + endung);
    const std::optional<QString> pfad = m_dialoge.SpeicherDialog(this, filter, endung, vorschlag);
    if (!pfad)
        return;
    if (const std::optional<QString> fehler = SchreibeDateiinhalt(*pfad, inhalt()))
        m_dialoge.Fehler(this, Titel, *fehler);
}

// The printer gets the PDF's page: A4 landscape without margins, at the
// resolution the sheet is drawn in; the print dialog may change the paper.
void TUebersichtsfenster::druckeAuf(QPrinter& drucker)
{
    drucker.setResolution(Aufloesung);
    drucker.setFullPage(true);
    drucker.setDocName(Titel);
    ZeichneTabellenblatt(drucker, UebersichtBlatt(m_modell->Inhalt()));
}

void TUebersichtsfenster::drucken()
{
    QPrinter drucker(QPrinter::HighResolution);
    richteEin(drucker);
    if (m_dialoge.Drucken(this, drucker))
        druckeAuf(drucker);
}

void TUebersichtsfenster::druckvorschau()
{
    QPrinter drucker(QPrinter::HighResolution);
    richteEin(drucker);
    m_dialoge.Druckvorschau(this, drucker, [this](QPrinter& p) { m_bericht.Ausfuehren([this, &p] { druckeAuf(p); }); });
}

void TUebersichtsfenster::zeigeProtokoll(const QModelIndex& index)
{
    const std::optional<std::size_t> schueler = m_modell->Schueler(index.row());
    if (!schueler)
        return;
    const Testprotokoll& p = m_sammlung.Protokolle()[*schueler];
    QDialog ansicht(this);
    ansicht.setObjectName(QStringLiteral("Protokollansicht"));
    ansicht.setWindowTitle(QStringLiteral("Testprotokoll – %1").arg(p.Name));
    ansicht.resize(760, 420);
    auto* spalte = new QVBoxLayout(&ansicht);
    spalte->addWidget(beschriftung(&ansicht, "LProtokollkopf", Protokollkopf(p).join(QLatin1Char('\n'))));
    spalte->addWidget(aufgabenliste(&ansicht, Aufgabentabelle(p.Aufgaben)), 1);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, &ansicht);
    knoepfe->setObjectName(QStringLiteral("Knoepfe"));
    connect(knoepfe, &QDialogButtonBox::rejected, &ansicht, &QDialog::reject);
    spalte->addWidget(knoepfe);
    m_dialoge.ZeigeModal(ansicht);
}

void ZeigeKlassenuebersicht(Dialoge& dialoge, QWidget* eltern)
{
    TUebersichtsfenster* fenster = OffenesFenster<TUebersichtsfenster>();
    if (fenster == nullptr) {
        fenster = new TUebersichtsfenster(dialoge, eltern != nullptr ? eltern->window() : nullptr);
        fenster->setAttribute(Qt::WA_DeleteOnClose);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}
