#pragma once

#include "app/hauptfenster.h"
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

    AufzeichnendeDialoge dialoge;
    SkriptZufall zufall;
    TForm1 form{dialoge, zufall};
    Zeichenflaeche* ebene = form.findChild<Zeichenflaeche*>(QStringLiteral("IEbene"));
    QPushButton* zeichnen = form.findChild<QPushButton*>(QStringLiteral("BZeichnen"));
};
