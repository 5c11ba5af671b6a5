// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/funktion.h"
#include "term/termaufbau.h"

#include <QColor>
#include <QObject>
#include <QWidget>

#include <array>

class Figur;
class QKeyEvent;
class QLabel;
class QLineEdit;

// What a term panel needs from the window it lives in.
class TermUmgebung {
public:
    virtual ~TermUmgebung() = default;
    virtual QColor UserFarbe() const = 0;
    // Every layout of an input equation reports the right edge of its content.
    virtual void TermBreiteMerken(int breite) = 0;
    // A selectable entry of the type list was clicked.
    virtual void TermAngeklickt(int Typ) = 0;
    // Box E<i> of an input equation now holds the value wert.
    virtual void ParameterUebernehmen(int i, double wert) = 0;
    // Enter was pressed in a box of an input equation.
    virtual void EingabetasteGedrueckt() = 0;
    // Whether ↑ and ↓ step the value of a box (Shift: by a tenth).
    virtual bool Pfeiltasten() const { return false; }
};

// An empty picture over a type-list entry that takes its clicks; Tag holds
// the type number. Clicks count only while a handler is installed.
class Klickflaeche : public QWidget {
    Q_OBJECT
public:
    explicit Klickflaeche(QWidget* parent);

    int Tag = 0;
    void SetzeKlickbar(bool klickbar);
    bool Klickbar() const { return m_klickbar; }

signals:
    void Klick(Klickflaeche* Sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_klickbar = false;
    bool m_gedrueckt = false;
};

// One equation of a function type, shown as text pieces, edit boxes and
// marks on a borderless panel, in one of three roles: the general equation
// of the type list, the pupil's equation with edit boxes, and the pupil's
// equation with the values.
class TFunktionsTerm : public QObject {
    Q_OBJECT
public:
    // The panel's pieces live on Tafel, a hidden child of Fenster, and are
    // made by the first Vorbereiten or Einrichten; the term panel itself
    // belongs to Besitzer.
    TFunktionsTerm(QObject* Besitzer, QWidget* Fenster, TermUmgebung& umgebung);

    // Configures the panel for a type and role, resets it to the type's start
    // values, hides it and lays it out.
    void Einrichten(int Typ, int Rolle);
    // Einrichten without the layout, for a value equation that is laid out
    // by the Darstellen that shows it: hidden, it shows nothing before.
    void Vorbereiten(int Typ, int Rolle);
    // Recolours, fills in the values of the value equation and lays out.
    // Aktiv matters in the type list only: selectable or greyed.
    void Darstellen(int Typ, int Rolle, bool Aktiv);
    void TermKlick(Klickflaeche* Sender);
    // The change handler of every edit box: the box's text as a number.
    void ParameterGeaendert(QLineEdit* Sender);

    std::array<QLabel*, 4> Texte{}; // these pieces are made by the first Vorbereiten
    std::array<QLabel*, 4> Werte{};
    std::array<QLineEdit*, 4> Eingaben{}; // made when the panel first becomes an input equation
    std::array<Figur*, 2> Punkte{};
    Klickflaeche* Klickbild = nullptr;
    QWidget* Tafel = nullptr;
    ParameterSatz Parameter;
    int Typ = 0;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool ParameterTaste(QLineEdit* Sender, const QKeyEvent* Key);
    bool Pfeiltaste(QLineEdit* Sender, const QKeyEvent* Key);
    void markiereBeimFokus(QLineEdit* Sender, QEvent* ereignis);
    int index(const QObject* eingabe) const;
    void legeTeileAn();
    void legeEingabenAn();
    void richteRolleEin(int Rolle);
    void richteTypEin(int Rolle);
    void richteSonderlagenEin(int Rolle);
    void faerbe(int Rolle, bool Aktiv);
    Wertanzeige zeigeWerte();
    Termgeometrie vermesse(int Rolle) const;
    static void verberge(Termgeometrie& g, const Wertanzeige& werte);
    void setzeLagen(const Termgeometrie& g);

    TermUmgebung& m_umgebung;
    QLineEdit* m_markiereNachKlick = nullptr;
};
