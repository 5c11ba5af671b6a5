// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/auswahlbox.h"

#include "dialogs/fehlerbericht.h"
#include "basis/aussehen.h"
#include "testhilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AuswahlBoxTest : public ::testing::Test {
protected:
    template <typename W = QWidget>
    W* kind(const char* name)
    {
        auto* w = box.findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    std::vector<int> angehakt() const
    {
        std::vector<int> typen;
        for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
            if (box.CheckBox[Typ]->isChecked())
                typen.push_back(Typ);
        }
        return typen;
    }

    void hake(std::initializer_list<int> typen)
    {
        box.BitBtn2->click();
        for (const int Typ : typen)
            box.CheckBox[Typ]->click();
    }

    AufzeichnendeDialoge dialoge;
    QWidget fenster;
    Fehlerbericht bericht{dialoge, &fenster};
    TAuswahlBox box{dialoge, bericht, nullptr};
};

const std::vector<int> AlleTypen{0, 1, 2, 3, 4, 5, 6};

struct Steuerelement {
    const char* name;
    const char* eltern;
    QRect lage;
    const char* text;
    bool fett;
};

const Steuerelement Steuerelemente[] = {
    {"GBFunktionen", "AuswahlBox", {8, 16, 385, 297}, " zu verwendende Funktionen (Schaubilder) ", true},
    {"BitBtn2", "GBFunktionen", {32, 24, 145, 33}, "Alle Abwählen    ", false},
    {"BitBtn1", "GBFunktionen", {216, 24, 145, 33}, "Alle Auswählen   ", false},
    {"CheckBox1", "GBFunktionen", {8, 72, 369, 17}, "  lineare Funktionen (Geraden)", false},
    {"CheckBox2", "GBFunktionen", {8, 96, 369, 25}, "  Betragsfunktionen", false},
    {"CheckBox3", "GBFunktionen", {8, 128, 369, 25}, "  ganzrationale Funktionen 2. Grades (Parabeln)", false},
    {"CheckBox4", "GBFunktionen", {8, 160, 369, 25}, "  ganzrationale Funktionen 3. Grades (Parabeln 3. Ordnung)",
     false},
    {"CheckBox5", "GBFunktionen", {8, 192, 369, 25}, "  trigonometrische Funktionen (Sinus-Schaubilder)", false},
    {"CheckBox6", "GBFunktionen", {8, 224, 369, 25}, "  einfache gebrochenrationale Funktionen (Hyperbeln)", false},
    {"CheckBox7", "GBFunktionen", {8, 256, 369, 25}, "  Exponentialfunktionen", false},
    {"RGSchwierigkeitsgrad", "AuswahlBox", {408, 16, 305, 145}, " Schwierigkeitsgrad ", false},
    {"BAbbrechen", "AuswahlBox", {576, 232, 137, 33}, "Abbrechen", false},
    {"BOk", "AuswahlBox", {576, 280, 137, 33}, "Ok", true},
};

QString text(const QWidget* w)
{
    if (const auto* gruppe = qobject_cast<const QGroupBox*>(w))
        return gruppe->title();
    return qobject_cast<const QAbstractButton*>(w)->text();
}

// What the table says of a control, read from the widget: parent, left,
// top, width, height, caption, pixel size, bold.
using Beschreibung = std::tuple<std::string, std::array<int, 4>, QString, int, bool>;

Beschreibung beschreibe(const QWidget* w)
{
    const QRect r = w->geometry();
    return {w->parentWidget()->objectName().toStdString(), {r.x(), r.y(), r.width(), r.height()}, text(w),
            w->font().pixelSize(), w->font().bold()};
}

class SteuerelementTest : public AuswahlBoxTest, public ::testing::WithParamInterface<Steuerelement> {};

TEST_P(SteuerelementTest, StehtWieEntworfen)
{
    const Steuerelement& s = GetParam();
    const QWidget* w = kind(s.name);
    ASSERT_NE(w, nullptr);
    const QRect& r = s.lage;
    EXPECT_EQ(beschreibe(w), Beschreibung(s.eltern, {r.x(), r.y(), r.width(), r.height()}, QString::fromUtf8(s.text),
                                          13, s.fett));
}

INSTANTIATE_TEST_SUITE_P(AuswahlBox, SteuerelementTest, ::testing::ValuesIn(Steuerelemente),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AuswahlBoxTest, FensterOhneTitelknoepfe)
{
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Bitte Auswählen"));
    EXPECT_EQ(box.size(), QSize(721, 330));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    for (const Qt::WindowType knopf : {Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint,
                                       Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        EXPECT_FALSE(flags & knopf) << knopf;
}

TEST_F(AuswahlBoxTest, AmAnfangAllesAngehaktUndNormal)
{
    EXPECT_EQ(angehakt(), AlleTypen);
    EXPECT_EQ(box.Schwierigkeitsgrad(), Normal);
    EXPECT_FALSE(box.Bestaetigt);
    QStringList eintraege;
    for (const QRadioButton* eintrag : kind<QGroupBox>("RGSchwierigkeitsgrad")->findChildren<QRadioButton*>())
        eintraege << eintrag->text();
    EXPECT_EQ(eintraege, QStringList({"  Sehr leicht (ein Parameter wird verändert)",
                                      "  leicht (zwei Parameter werden verändert)",
                                      "  NORMAL (alle Parameter werden verändert)"}));
}

TEST_F(AuswahlBoxTest, KaestchenInDeklarationsfolge)
{
    QStringList namen;
    for (const QCheckBox* k : kind<QGroupBox>("GBFunktionen")->findChildren<QCheckBox*>())
        namen << k->objectName();
    EXPECT_EQ(namen, QStringList({"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox1", "CheckBox6",
                                  "CheckBox7"}));
}

// The items stand one below the other inside the frame, below its caption.
TEST_F(AuswahlBoxTest, SchwierigkeitsgradeUntereinanderImRahmen)
{
    const QWidget* gruppe = box.RGSchwierigkeitsgrad;
    int oben = gruppe->fontMetrics().height();
    for (const QRadioButton* eintrag : box.RGEintrag) {
        EXPECT_TRUE(gruppe->rect().adjusted(2, 0, -2, -2).contains(eintrag->geometry())) << eintrag->objectName().toStdString();
        EXPECT_GE(eintrag->y(), oben);
        EXPECT_GE(eintrag->height(), eintrag->sizeHint().height());
        oben = eintrag->geometry().bottom() + 1;
    }
}

TEST_F(AuswahlBoxTest, AlleAbwaehlenUndAlleAuswaehlen)
{
    QTest::mouseClick(box.CheckBox[Sinus], Qt::LeftButton);
    QTest::mouseClick(box.BitBtn2, Qt::LeftButton);
    EXPECT_TRUE(angehakt().empty());
    QTest::mouseClick(box.CheckBox[Hyperbel], Qt::LeftButton);
    QTest::mouseClick(box.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(angehakt(), AlleTypen);
}

// Where a picture is shown whole inside another; x = -1 when nowhere.
QPoint fundstelle(const QImage& gesamt, const QImage& teil)
{
    for (int y = 0; y + teil.height() <= gesamt.height(); ++y)
        for (int x = 0; x + teil.width() <= gesamt.width(); ++x) {
            if (gesamt.copy(x, y, teil.width(), teil.height()) == teil)
                return {x, y};
        }
    return {-1, -1};
}

// The picture on "Alle Auswählen": a sunken check box with a black tick.
// G grey, K black, S silver, W and . white, X the tick.
const char* const KaestchenMitHaken[15] = {
    "GGGGGGGGGGGGGGW", "GKKKKKKKKKKKKSW", "GK...........SW", "GK...........SW", "GK........X..SW",
    "GK.......XX..SW", "GK..X...XXX..SW", "GK..XX.XXX...SW", "GK..XXXXX....SW", "GK...XXX.....SW",
    "GK....X......SW", "GK...........SW", "GK...........SW", "GSSSSSSSSSSSSSW", "WWWWWWWWWWWWWWW",
};

QColor farbeIm(const char zeichen, bool haken)
{
    switch (zeichen) {
    case 'G':
        return Farbe(0x808080);
    case 'K':
        return Farbe(0x000000);
    case 'S':
        return Farbe(0xC0C0C0);
    case 'X':
        return haken ? Farbe(0x000000) : Farbe(0xFFFFFF);
    default:
        return Farbe(0xFFFFFF);
    }
}

// The pictures of the two buttons, ticked and empty, after the caption.
TEST_F(AuswahlBoxTest, KnopfbilderNachDerBeschriftung)
{
    for (const auto& [knopf, haken] : {std::pair{box.BitBtn1, true}, std::pair{box.BitBtn2, false}}) {
        SCOPED_TRACE(knopf->objectName().toStdString());
        const QImage bild = knopf->icon().pixmap(15, 15).toImage();
        ASSERT_EQ(bild.size(), QSize(15, 15));
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 15; ++x)
                ASSERT_EQ(bild.pixelColor(x, y), farbeIm(KaestchenMitHaken[y][x], haken)) << x << "," << y;

        const QImage gezeigt = knopf->grab().toImage().convertToFormat(bild.format());
        const int textende = (knopf->width() + knopf->fontMetrics().horizontalAdvance(knopf->text().trimmed())) / 2;
        EXPECT_GT(fundstelle(gezeigt, bild).x(), textende) << "the picture stands right of the caption";
    }
}

TEST_F(AuswahlBoxTest, OkBaueErlaubteTypenInTypfolge)
{
    box.show();
    hake({Sinus, Gerade, Parabel3});
    QTest::mouseClick(box.BOk, Qt::LeftButton);
    EXPECT_TRUE(box.Bestaetigt);
    EXPECT_EQ(box.ErlaubteTypen, (Typliste{Gerade, Parabel3, Sinus}));
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(dialoge.boxen.empty());
}

TEST_F(AuswahlBoxTest, OkOhneTypWirdAbgewiesen)
{
    box.show();
    box.BOk->click();
    ASSERT_TRUE(box.Bestaetigt);
    box.show();
    QTest::mouseClick(box.BitBtn2, Qt::LeftButton);
    QTest::mouseClick(box.BOk, Qt::LeftButton);
    EXPECT_FALSE(box.Bestaetigt);
    EXPECT_TRUE(box.ErlaubteTypen.empty());
    EXPECT_FALSE(box.isVisible()) << "the dialog closes all the same";
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].art, AufzeichnendeDialoge::Art::Meldung);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("So gohts nit!"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Es muss mindestens ein Funktionstyp ausgewählt werden!"));
}

// Abbrechen and every other way out but Ok leave the types of the last Ok
// and confirm nothing, even after an earlier Ok.
TEST_F(AuswahlBoxTest, NurOkBestaetigt)
{
    const std::vector<std::pair<const char*, std::function<void()>>> auswege{
        {"Abbrechen", [this] { QTest::mouseClick(box.BAbbrechen, Qt::LeftButton); }},
        {"Escape", [this] { QTest::keyClick(&box, Qt::Key_Escape); }},
        {"close request", [this] { box.close(); }},
    };
    for (const auto& [name, ausweg] : auswege) {
        box.show();
        hake({Betrag, Exponential});
        box.BOk->click();
        ASSERT_TRUE(box.Bestaetigt);
        box.show();
        hake({Parabel2});
        ausweg();
        EXPECT_FALSE(box.Bestaetigt) << name;
        EXPECT_FALSE(box.isVisible()) << name;
        EXPECT_EQ(box.ErlaubteTypen, (Typliste{Betrag, Exponential})) << name;
        EXPECT_EQ(angehakt(), std::vector<int>{Parabel2}) << name << ": the ticks stay as they are";
    }
}

TEST_F(AuswahlBoxTest, OkHatBeimOeffnenDenFokusDannDieFokusfolge)
{
    box.show();
    QApplication::setActiveWindow(&box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QStringList folge;
    for (int i = 0; i < 13; ++i) {
        const QString name = QApplication::focusWidget()->objectName();
        folge << (name.startsWith(QLatin1String("RGSchwierigkeitsgrad")) ? QStringLiteral("RG") : name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(folge, QStringList({"BOk", "CheckBox2", "CheckBox1", "CheckBox3", "CheckBox4", "CheckBox5",
                                  "CheckBox6", "CheckBox7", "BitBtn1", "BitBtn2", "RG", "BAbbrechen", "BOk"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    box.hide();
    box.show();
    QApplication::setActiveWindow(&box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_EQ(QApplication::focusWidget(), box.BOk) << "at every opening";
}

} // namespace
