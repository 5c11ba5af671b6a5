// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "blatt/arbeitsblatt.h"
#include "dialogs/fehlerbericht.h"
#include "model/funktion.h"
#include "reihe/listenmodelle.h"
#include "reihe/reihenbearbeitung.h"
#include "reihe/vorschau.h"
#include "reihe/wiederherstellung.h"
#include "reihe/zuletzt.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

class Dialoge;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class TAuswahlBox;
class Zeichenflaeche;
class Zufall;

// The window "Aufgabenreihe bearbeiten": a document window over
// Reihenbearbeitung, with its menus, and a thin view of it. Every control
// hands its change to the series; the series tells what it touched, and the
// window shows that part anew.
class TReihenfenster : public QMainWindow {
    Q_OBJECT
public:
    TReihenfenster(Dialoge& dialoge, Zufall& zufall, QWidget* parent);
    ~TReihenfenster() override;

    // Opens a task file, after asking about unsaved changes.
    void Oeffne(const QString& pfad);
    const Reihenbearbeitung& Reihe() const { return m_reihe; }
    const QString& Pfad() const { return m_pfad; }
    // Offers, one by one, the series a crash left unsaved, until one is
    // restored: shown unsaved under its own name.
    void BieteWiederherstellungAn();
    // Where the unsaved series stands while the window runs.
    const QString& Sicherungsdatei() const { return m_sicherung.Datei(); }
    // Whether the check of a large series still goes on in the event loop.
    bool PrueftNoch() const { return m_pruefung.isActive(); }

    // Receives the bytes of the series for a trial in the main window.
    std::function<void(const QByteArray&, const QString& name)> Ausprobieren;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    // A task file dropped on the window opens as with "Öffnen …".
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    // One function per menu, so that a menu takes a new item in one place.
    void baueMenues();
    void baueDateimenue(QMenu* menue);
    void baueBearbeitenmenue(QMenu* menue);
    void zeigeZuletzt();
    void oeffneZuletzt(const QString& pfad);
    QAction* eintrag(QMenu* menue, const char* name, const QString& text, const QList<QKeySequence>& tasten,
                     const std::function<void()>& handler);
    void baueKopf(QBoxLayout* spalte);
    void baueListe(QBoxLayout* spalte);
    void baueAufgabe(QBoxLayout* spalte);
    // A button below the list that does what the menu item does.
    QPushButton* knopf(QBoxLayout* zeile, const char* name, const QString& text, const char* aktion);

    void geaendert(const Reihenaenderung& aenderung);
    void zeigeKopf();
    void zeigeAufgabe();
    void zeigeParameter(const Reihenaufgabe& aufgabe);
    void zeigeAbschnitte(const Abschnitte& abschnitte);
    void zeigeBemerkungen();
    void zeigeBefunde();
    // The check of a large series goes on a step per pass of the event loop.
    void pruefeWeiter();
    void zeigeVorschau();
    QString dateiname() const;
    // The caption of the window's boxes.
    static QString boxtitel();
    // The file goes to the front of "Zuletzt geöffnet".
    void merke(const QString& pfad);
    void zeigeTitel();

    void parameterGetippt(int i);
    void abschnittGetippt();
    void bemerkungenGetippt();
    void befundGeklickt();
    void zufallsaufgabe();
    void neueReihe();
    void oeffnen();
    bool speichern();
    bool speichernUnter();
    bool schreibe(const QString& pfad);
    // The bytes of the series, after the question about its Fehler; nothing
    // when the writer refuses or the teacher cancels.
    std::optional<QByteArray> bestaetigteBytes();
    void probiereAus();
    // The sheet of the series as it stands, for the PDF, the preview and
    // the printer; nothing when the teacher cancels or it cannot be made.
    std::optional<Arbeitsblatt> blattDerReihe();
    void meldeHinweise(const QStringList& hinweise);
    void speichereBlatt();
    void zeigeDruckvorschau();
    void drucke();
    // False when the user cancels or saving fails: the changes stay.
    bool aenderungenGesichert();
    void sicherungAnstossen();
    void sichere();
    void stelleWiederHer(const VerwaisteSicherung& verwaist);

    Dialoge& m_dialoge;
    Zufall& m_zufall;
    Fehlerbericht m_bericht;
    Reihenbearbeitung m_reihe;
    Vorschau m_vorschau;
    Aufgabenmodell m_aufgaben{m_reihe};
    Befundmodell m_befunde;
    QString m_pfad;
    bool m_zeigt = false; // the window fills its controls; their signals are no edits
    TAuswahlBox* m_auswahl = nullptr;
    Wiederherstellung m_sicherung;
    QTimer* m_sicherungsuhr = nullptr;
    ZuletztGeoeffnet m_zuletztGeoeffnet;
    QMenu* m_zuletzt = nullptr;
    QTimer m_pruefung;
    QLabel* m_befundtitel = nullptr;

public:
    QLineEdit* EKommentar = nullptr;
    std::array<QCheckBox*, AnzahlTypen> CTyp{};
    QTreeView* LAufgaben = nullptr;
    QComboBox* CBTyp = nullptr;
    std::array<QLabel*, 4> LParameter{};
    std::array<QLineEdit*, 4> EParameter{};
    std::array<QLineEdit*, 4> EAbschnitt{}; // from and to of the first, then of the second section
    QLabel* LBemerkungen = nullptr;
    QPlainTextEdit* EBemerkungen = nullptr;
    Zeichenflaeche* IVorschau = nullptr;
    QLabel* LVorschauLoesungsweg = nullptr;
    QLabel* LVorschauMeldung = nullptr;
    QTreeView* LBefunde = nullptr;
};
