// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/fehlerbericht.h"
#include "model/funktion.h"
#include "reihe/reihenbearbeitung.h"
#include "reihe/vorschau.h"
#include "reihe/wiederherstellung.h"

#include <QWidget>

#include <array>
#include <functional>

class Dialoge;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QKeySequence;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeWidget;
class TAuswahlBox;
class Zeichenflaeche;
class Zufall;

// The window "Aufgabenreihe bearbeiten": a thin view of Reihenbearbeitung.
// Every control hands its change to the series; the series tells what it
// touched, and the window shows that part anew.
class TReihenfenster : public QWidget {
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

    // Receives the bytes of the series for a trial in the main window.
    std::function<void(const QByteArray&, const QString& name)> Ausprobieren;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baueKopf(QBoxLayout* spalte);
    void baueListe(QBoxLayout* spalte);
    void baueAufgabe(QBoxLayout* spalte);
    void baueKnoepfe(QBoxLayout* zeile);
    QPushButton* knopf(QBoxLayout* zeile, const char* name, const QString& text, const QKeySequence& taste,
                       const std::function<void()>& handler);

    void geaendert(const Reihenaenderung& aenderung);
    void zeigeKopf();
    void zeigeListe();
    void zeigeZeile(int index);
    void zeigeAufgabe();
    void zeigeParameter(const Reihenaufgabe& aufgabe);
    void zeigeAbschnitte(const Abschnitte& abschnitte);
    void zeigeBemerkungen();
    void zeigeBefunde();
    void zeigeVorschau();
    QString dateiname() const;
    void zeigeTitel();

    void parameterGetippt(int i);
    void abschnittGetippt();
    void bemerkungenGetippt();
    void befundGeklickt();
    void zufallsaufgabe();
    void oeffnen();
    bool speichern();
    bool speichernUnter();
    bool schreibe(const QString& pfad);
    void probiereAus();
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
    QString m_pfad;
    bool m_zeigt = false; // the window fills its controls; their signals are no edits
    TAuswahlBox* m_auswahl = nullptr;
    Wiederherstellung m_sicherung;
    QTimer* m_sicherungsuhr = nullptr;

public:
    QLineEdit* EKommentar = nullptr;
    std::array<QCheckBox*, AnzahlTypen> CTyp{};
    QTreeWidget* LAufgaben = nullptr;
    QComboBox* CBTyp = nullptr;
    std::array<QLabel*, 4> LParameter{};
    std::array<QLineEdit*, 4> EParameter{};
    std::array<QLineEdit*, 4> EAbschnitt{}; // from and to of the first, then of the second section
    QLabel* LBemerkungen = nullptr;
    QPlainTextEdit* EBemerkungen = nullptr;
    Zeichenflaeche* IVorschau = nullptr;
    QLabel* LVorschauLoesungsweg = nullptr;
    QLabel* LVorschauMeldung = nullptr;
    QTreeWidget* LBefunde = nullptr;
};
