#pragma once

#include "app/hauptfenster.h"
#include "plot/geometrie.h"
#include "plot/zeichenflaeche.h"
#include "testhilfe.h"

#include <QPushButton>

#include <gtest/gtest.h>

// A shown main window with recording dialogs and a scripted random source,
// and the controls the drawing tests look at.
class FensterTest : public ::testing::Test {
protected:
    FensterTest() { form.show(); }

    const QImage& bild() const { return ebene->Bild(); }

    // How many pixels of a column have the colour: where a line crosses
    // flat, its width.
    int inSpalte(int spalte, const QColor& farbe) const
    {
        int n = 0;
        for (int y = 0; y < BildHoehe; ++y)
            n += bild().pixelColor(spalte, y) == farbe;
        return n;
    }

    // A parabola with its vertex at (2 | 1) as the given function.
    void gibParabelVor(int modus)
    {
        form.Modus = static_cast<std::uint8_t>(modus);
        form.VorgTyp = Parabel2;
        form.VorgParameter = {{1, -2, 1}};
    }

    // The hyperbola y = 1/x as the pupil's function, drawing asked for.
    void waehleHyperbel(const QString& beschriftung = QStringLiteral("Schaubild neu zeichnen"))
    {
        form.UserTyp = Hyperbel;
        form.Terme[Hyperbel * 3 + RolleAnzeige]->Parameter = {{1, 0, 0}};
        zeichnen->setText(beschriftung);
        zeichnen->setEnabled(true);
    }

    AufzeichnendeDialoge dialoge;
    SkriptZufall zufall;
    TForm1 form{dialoge, zufall};
    Zeichenflaeche* ebene = form.findChild<Zeichenflaeche*>(QStringLiteral("IEbene"));
    QPushButton* zeichnen = form.findChild<QPushButton*>(QStringLiteral("BZeichnen"));
};
