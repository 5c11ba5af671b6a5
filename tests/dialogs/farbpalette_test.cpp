// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/farbpalette.h"

#include "term/bausteine.h"
#include "testhilfe.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

const QColor Rot = Farbe(0x0000FF);
const QColor Blau = Farbe(0xFF0000);
const QColor Grau = Farbe(0xC0C0C0);

class FarbpaletteTest : public ::testing::Test {
protected:
    // The colour fields: the buttons that stay pressed.
    std::vector<QAbstractButton*> felder(const Farbpalette& palette) const
    {
        std::vector<QAbstractButton*> f;
        for (QAbstractButton* knopf : palette.findChildren<QAbstractButton*>())
            if (knopf->isCheckable())
                f.push_back(knopf);
        return f;
    }

    QAbstractButton* feld(const Farbpalette& palette, const char* name) const
    {
        for (QAbstractButton* f : felder(palette))
            if (f->accessibleName() == QString::fromUtf8(name))
                return f;
        ADD_FAILURE() << "no field " << name;
        return nullptr;
    }

    QStringList gedrueckt(const Farbpalette& palette) const
    {
        QStringList namen;
        for (const QAbstractButton* f : felder(palette))
            if (f->isChecked())
                namen << f->accessibleName();
        return namen;
    }

    QColor auswahl(const Farbpalette& palette) const
    {
        return palette.findChild<Figur*>(QStringLiteral("Auswahl"))->pinsel();
    }
};

TEST_F(FarbpaletteTest, BietetNurDieGrundfarben)
{
    Farbpalette palette(Rot, nullptr);
    palette.show();
    EXPECT_EQ(palette.objectName(), QStringLiteral("ColorDialog"));
    EXPECT_EQ(palette.windowTitle(), QStringLiteral("Farbe"));
    std::set<int> spalten;
    std::set<int> zeilen;
    for (const QAbstractButton* f : felder(palette)) {
        spalten.insert(f->x());
        zeilen.insert(f->y());
    }
    EXPECT_EQ(spalten.size(), 8U) << "48 fields in 6 rows of 8";
    EXPECT_EQ(zeilen.size(), 6U);
    for (const char* name : {"Rot 0, Grün 0, Blau 0", "Rot 255, Grün 255, Blau 255", "Rot 255, Grün 0, Blau 0",
                             "Rot 0, Grün 0, Blau 255"})
        EXPECT_NE(feld(palette, name), nullptr);
    EXPECT_TRUE(palette.findChildren<QLineEdit*>().isEmpty()) << "no way to type a colour";
    EXPECT_TRUE(palette.findChildren<QAbstractSpinBox*>().isEmpty());
    EXPECT_TRUE(palette.findChildren<QAbstractSlider*>().isEmpty());
}

// It opens at its colour and marks that colour's field. The grid's light
// grey is not in the palette: no field is marked, and confirming at once
// hands the grey back.
TEST_F(FarbpaletteTest, OeffnetBeiIhrerFarbe)
{
    const Farbpalette rot(Rot, nullptr);
    EXPECT_EQ(rot.Farbe(), Rot);
    EXPECT_EQ(gedrueckt(rot), QStringList{"Rot 255, Grün 0, Blau 0"});
    EXPECT_EQ(auswahl(rot), Rot);
    const Farbpalette grau(Grau, nullptr);
    EXPECT_EQ(grau.Farbe(), Grau);
    EXPECT_TRUE(gedrueckt(grau).isEmpty());
}

TEST_F(FarbpaletteTest, KlickWaehltDieFarbe)
{
    Farbpalette palette(Rot, nullptr);
    palette.show();
    QTest::mouseClick(feld(palette, "Rot 0, Grün 0, Blau 255"), Qt::LeftButton);
    EXPECT_EQ(palette.Farbe(), Blau);
    EXPECT_EQ(gedrueckt(palette), QStringList{"Rot 0, Grün 0, Blau 255"});
    EXPECT_EQ(auswahl(palette), Blau);
}

TEST_F(FarbpaletteTest, OkUebernimmtAbbrechenVerwirft)
{
    for (const auto& [knopf, ergebnis] :
         {std::pair{"OK", QDialog::Accepted}, std::pair{"Abbrechen", QDialog::Rejected}}) {
        Farbpalette palette(Rot, nullptr);
        palette.show();
        QTest::mouseClick(palette.findChild<QAbstractButton*>(QLatin1String(knopf)), Qt::LeftButton);
        EXPECT_FALSE(palette.isVisible()) << knopf;
        EXPECT_EQ(palette.result(), ergebnis) << knopf;
    }
}

} // namespace
