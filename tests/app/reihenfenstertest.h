// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/reihenfenster.h"
#include "fenstertest.h"

#include <QTreeView>

// The text of a cell of one of the editor's lists, their rows, and a click
// that makes a row the current one.
inline QString Zelle(const QTreeView* liste, int zeile, int spalte)
{
    return liste->model()->index(zeile, spalte).data().toString();
}
inline int Zeilen(const QTreeView* liste) { return liste->model()->rowCount(); }
inline void Waehle(QTreeView* liste, int zeile) { liste->setCurrentIndex(liste->model()->index(zeile, 0)); }

// The series editor opened from the main window's menu, and shown active.
class ReihenfensterTest : public FensterTest {
protected:
    ReihenfensterTest()
    {
        menue("MenReiheBearbeiten");
        editor = form.Reihenfenster();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor)); // its shortcuts work in the active window
    }

    template <typename W = QWidget>
    W* teil(const char* name) const
    {
        auto* w = editor->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void drueckeIn(const char* name, const char* tasten)
    {
        auto* box = teil<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(tasten));
    }

    QString zeile(int i, int spalte) const { return Zelle(editor->LAufgaben, i, spalte); }
    QString pfad(const char* name) const { return ordner.filePath(QLatin1String(name)); }

    TReihenfenster* editor = nullptr;
};
