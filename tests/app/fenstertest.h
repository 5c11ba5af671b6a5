// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/hauptfenster.h"
#include "plot/geometrie.h"
#include "plot/zeichenflaeche.h"
#include "testhilfe.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

// A shown main window with recording dialogs and a scripted random source,
// driven the way a user drives it: menu items, buttons, radio buttons and
// keys.
class FensterTest : public ::testing::Test {
protected:
    FensterTest() { form.show(); }

    const QImage& bild() const { return ebene->Bild(); }

    template <typename W = QWidget>
    W* kind(const char* name) const
    {
        auto* w = form.findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Chooses a menu item, as a click on it would.
    void menue(const char* name) { kind<QAction>(name)->trigger(); }

    // Starts an exercise or a test with the types and difficulty the user
    // ticks in the selection dialog.
    void starte(Modus modus, const std::vector<int>& typen, int grad = Normal)
    {
        dialoge.auswahlAntworten.push_back({typen, grad, true});
        menue(modus == Modus::Test ? "MenTest" : "MenUebung");
    }

    void klicke(const char* knopf) { QTest::mouseClick(kind<QPushButton>(knopf), Qt::LeftButton); }
    void waehle(int typ) { QTest::mouseClick(form.TypKnopf[typ], Qt::LeftButton, {}, QPoint(6, 12)); }

    QLineEdit* feld(int typ, int i) const { return form.Terme[typ * 3 + RolleEingabe]->Eingaben[i]; }
    TFunktionsTerm& anzeige(int typ) const { return *form.Terme[typ * 3 + RolleAnzeige]; }

    // Types into a box of the chosen type's equation, replacing its text.
    void tippe(int typ, int i, const char* tasten)
    {
        feld(typ, i)->selectAll();
        QTest::keyClicks(feld(typ, i), QString::fromLatin1(tasten));
    }

    const Aufgabe& aufgabe() const { return form.Ablauf().Aufgabe(); }

    // An exercise with the given parabola y = (x - 2)² + 1 and the pupil's
    // hyperbola y = 1/x drawn: a wrong answer.
    void zeichneBeide(Modus modus = Modus::Uebung)
    {
        zufall.zuege = {0, 6, 12, 1, 1, 1};
        starte(modus, {Parabel2, Hyperbel});
        waehle(Hyperbel);
        klicke("BZeichnen");
    }

    // Writes a task file in Windows-1252 with CR LF and opens it through the
    // menu and the file dialog.
    void oeffneDatei(const QStringList& zeilen) { oeffnePfad(SchreibeDatei(ordner, "aufgaben.sba", KopfUndZeilen(zeilen))); }

    void oeffnePfad(const QString& pfad)
    {
        dialoge.dateiAntwort = pfad;
        menue("MenDateiEinlesen");
    }

    // How many pixels of a column have the colour: where a line crosses
    // flat, its width.
    int inSpalte(int spalte, const QColor& farbe) const
    {
        int n = 0;
        for (int y = 0; y < BildHoehe; ++y)
            n += bild().pixelColor(spalte, y) == farbe;
        return n;
    }

    AufzeichnendeDialoge dialoge;
    SkriptZufall zufall;
    TForm1 form{dialoge, zufall};
    Zeichenflaeche* ebene = form.findChild<Zeichenflaeche*>(QStringLiteral("IEbene"));
    QPushButton* zeichnen = form.findChild<QPushButton*>(QStringLiteral("BZeichnen"));
    QLabel* hinweis = form.findChild<QLabel*>(QStringLiteral("LBitteFunktionAuswaehlen"));
    QTemporaryDir ordner;
};
