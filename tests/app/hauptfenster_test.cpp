// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

#include "app/stil.h"
#include "plot/geometrie.h"
#include "term/bausteine.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

class HauptfensterTest : public FensterTest {
protected:
    QWidget* tafel(int Typ, int Rolle) { return form.Terme[Typ * 3 + Rolle]->Tafel; }
};

QString text(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(w))
        return knopf->text();
    if (const auto* gruppe = qobject_cast<const QGroupBox*>(w))
        return gruppe->title();
    return {};
}

struct Steuerelement {
    const char* name;
    const char* eltern;
    QRect lage;
    const char* text;
    int schrift; // pixel size, 0 where the control shows no text of its own
    bool fett;
    bool unterstrichen;
    bool sichtbar; // in the state without a task
};

const Steuerelement Steuerelemente[] = {
    {"PRichtig", "Fenster", {4, 0, 216, 97}, "", 0, false, false, false},
    {"SRichtig", "PRichtig", {4, 4, 208, 89}, "", 0, false, false, false},
    {"LRichtig1", "PRichtig", {72, 8, 133, 20}, "Das Ergebnis ist", 16, true, false, false},
    {"LRichtig2", "PRichtig", {72, 32, 55, 20}, "richtig!", 16, true, false, false},
    {"IFalsch", "PRichtig", {10, 8, 53, 79}, "", 0, false, false, false},
    {"IRichtig", "PRichtig", {8, 8, 58, 79}, "", 0, false, false, false},
    {"BRichtigFertig", "PRichtig", {145, 35, 64, 25}, "fertig", 13, false, false, false},
    {"BRichtigNaechste", "PRichtig", {88, 64, 121, 25}, "Nächste Aufgabe", 13, false, false, false},
    {"GBFunktionstypen", "Fenster", {4, 102, 216, 363}, " Funktionstypen ", 13, false, true, true},
    {"PTestErgebnis", "Fenster", {4, 470, 216, 77}, "", 0, false, false, false},
    {"LTestErgebnis1", "PTestErgebnis", {8, 2, 201, 17}, "Ergebnisse der Tests", 13, true, true, false},
    {"LTestErgebnis2", "PTestErgebnis", {8, 20, 161, 17}, "Anzahl der Aufgaben: 0", 13, false, false, false},
    {"LTestErgebnis3", "PTestErgebnis", {8, 36, 161, 17}, "Auf Anhieb richtig gelöst:", 13, false, false, false},
    {"GTestErgebnis", "PTestErgebnis", {8, 56, 200, 16}, "", 0, false, false, false},
    {"GBGleichung", "Fenster", {225, 0, 583, 105}, " Funktionsgleichung der benutzerdefinierten Funktion ", 13,
     false, true, true},
    {"LBitteFunktionAuswaehlen", "GBGleichung", {24, 32, 457, 33},
     "Bitte Funktionstyp in der Liste links auswählen!", 16, true, false, false},
    {"BZeichnen", "GBGleichung", {8, 73, 257, 26}, "Schaubild zeichnen", 16, false, false, true},
    {"BUeberspringen", "GBGleichung", {319, 73, 257, 26}, "Diese Aufgabe überspringen", 16, false, false, false},
    {"PZeichnung", "Fenster", {225, 109, 583, 439}, "", 0, false, false, true},
    {"IEbene", "PZeichnung", {3, 3, 576, 432}, "", 0, false, false, false},
    {"LBitteAufgabeAuswaehlen", "PZeichnung", {2, 2, 579, 435}, "Bitte eine Aufgabenform wählen!", 16, true, false,
     true},
};

class SteuerelementTest : public HauptfensterTest, public ::testing::WithParamInterface<Steuerelement> {};

TEST_P(SteuerelementTest, StehtWieEntworfen)
{
    const Steuerelement& s = GetParam();
    const QWidget* w = kind(s.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(s.eltern));
    EXPECT_EQ(w->geometry(), s.lage);
    EXPECT_EQ(text(w), QString::fromUtf8(s.text));
    EXPECT_EQ(w->isVisible(), s.sichtbar);
    if (s.schrift == 0)
        return;
    EXPECT_EQ(w->font().pixelSize(), s.schrift);
    EXPECT_EQ(w->font().bold(), s.fett);
    EXPECT_EQ(w->font().underline(), s.unterstrichen);
    EXPECT_LE(w->fontMetrics().horizontalAdvance(text(w)), w->width()) << "text is clipped";
}

INSTANTIATE_TEST_SUITE_P(Hauptfenster, SteuerelementTest, ::testing::ValuesIn(Steuerelemente),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HauptfensterTest, FensterHatFesteGroesse)
{
    EXPECT_EQ(form.centralWidget()->size(), QSize(812, 550));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.windowTitle(),
              QStringLiteral("  Übungsprogramm zum Verschieben und Strecken von Schaubildern (by Talvenhorn)"));
    EXPECT_EQ(form.centralWidget()->font().pixelSize(), 11);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(HauptfensterTest, SchriftIstDieMitgelieferte)
{
    EXPECT_EQ(QFontInfo(Schrift(16)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(QFontInfo(Schrift(16, true)).bold());
}

// The menu bar's "»": two smooth strokes, grey when disabled.
TEST(Stil, ZeichnetDenPfeilDerMenueleiste)
{
    const QIcon pfeil = Stil().standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, nullptr);
    QImage bild(20, 20, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    pfeil.paint(&maler, bild.rect());
    EXPECT_EQ(maler.pen(), QPen()) << "the caller's painter stays as it was";
    EXPECT_EQ(bild.pixelColor(9, 10), QColor(0x30, 0x30, 0x30));
    EXPECT_NE(bild.pixelColor(7, 6).alpha() % 255, 0) << "smooth edges";
    const QImage grau = pfeil.pixmap(QSize(20, 20), QIcon::Disabled).toImage();
    EXPECT_EQ(grau.pixelColor(14, 10), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(grau.pixelColor(5, 10).alpha() + grau.pixelColor(18, 10).alpha() + grau.pixelColor(10, 2).alpha(), 0);
}

TEST_F(HauptfensterTest, FarbenDerBeschriftungen)
{
    const auto farbe = [this](const char* name, QPalette::ColorRole rolle) {
        return kind(name)->palette().color(QPalette::Active, rolle);
    };
    EXPECT_EQ(farbe("GBGleichung", QPalette::WindowText), Farbe(0x0000FF));
    EXPECT_EQ(farbe("LBitteFunktionAuswaehlen", QPalette::WindowText), Farbe(0x0000FF));
    EXPECT_EQ(farbe("BZeichnen", QPalette::ButtonText), Farbe(0x0000FF));
    EXPECT_EQ(farbe("BUeberspringen", QPalette::ButtonText), Farbe(0x0000FF));
    EXPECT_EQ(farbe("GBFunktionstypen", QPalette::WindowText), Farbe(0x000000));
    for (const char* name : {"LTestErgebnis1", "LTestErgebnis2", "LTestErgebnis3"})
        EXPECT_EQ(farbe(name, QPalette::WindowText), Farbe(0x008000)) << name;
    for (const char* name : {"LRichtig1", "LRichtig2"}) {
        EXPECT_EQ(farbe(name, QPalette::WindowText), Farbe(0x000000)) << name;
        EXPECT_EQ(farbe(name, QPalette::Window), Farbe(0xFFFFFF)) << name;
    }
    EXPECT_NE(kind("BZeichnen")->palette().color(QPalette::Disabled, QPalette::ButtonText), Farbe(0x0000FF))
        << "a disabled button reads as disabled";
}

TEST_F(HauptfensterTest, UrteilsbilderUndSymbol)
{
    const auto bild = [this](const char* name) { return kind<QLabel>(name)->pixmap().toImage(); };
    EXPECT_TRUE(bild("IRichtig").isNull()) << "read when a verdict first shows, not at start";
    zeichneBeide(Modus::Test); // a wrong test answer
    const QImage birne = bild("IRichtig");
    const QImage schaedel = bild("IFalsch");
    EXPECT_EQ(birne.size(), QSize(58, 79));
    EXPECT_EQ(schaedel.size(), QSize(53, 79));
    EXPECT_EQ(birne.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(schaedel.pixelColor(0, 0), QColor(Qt::black));
    const QWidget* panel = kind("PRichtig");
    EXPECT_GT(panel->children().indexOf(kind("IRichtig")), panel->children().indexOf(kind("IFalsch")))
        << "the bulb lies above the skull";
    EXPECT_TRUE(QRect(8, 8, 58, 79).contains(kind("IFalsch")->geometry())) << "and covers it wholly";
    EXPECT_FALSE(form.windowIcon().pixmap(32, 32).isNull());
}

struct Menueeintrag {
    const char* name;
    const char* menue;
    const char* text;
};

const Menueeintrag Menueeintraege[] = {
    {"MemEinfachesZeichnen", "MenAufgabe", "einfaches Zeichnen von Schaubildern"},
    {"MenUebung", "MenAufgabe", "Übung"},
    {"MenTest", "MenAufgabe", "Test"},
    {"MenDateiEinlesen", "MenAufgabe", "Aufgabendatei einlesen"},
    {"MenReiheBearbeiten", "MenAufgabe", "Aufgabenreihe bearbeiten …"},
    {"MenAchsenDuenn", "MenAchsen", "dünne Linien"},
    {"MenAchsenDick", "MenAchsen", "dicke Linien"},
    {"MenAchsenFarbe", "MenAchsen", "Farbe..."},
    {"MenSchaubDuenn", "MenSchaubilder", "dünne Linien"},
    {"MenSchaubDick", "MenSchaubilder", "dicke Linien"},
    {"MenVorgSchaubFarbe", "MenSchaubilder", "Farbe des vorgegebenen Schaubildes..."},
    {"MemUserSchaubFarbe", "MenSchaubilder", "Farbe des benutzerdefinierten Schaubildes..."},
    {"Men05Raster", "MenGitternetz", "0,5 LE-Raster"},
    {"MenNetzFarbe", "MenGitternetz", "Farbe..."},
};

TEST_F(HauptfensterTest, Menueleiste)
{
    QStringList leiste;
    for (const QAction* aktion : form.menuBar()->actions())
        leiste << aktion->text();
    EXPECT_EQ(leiste, QStringList({"Aufgaben  ", " Optionen ", " Info ", " Beenden "}));
    EXPECT_EQ(form.menuBar()->objectName(), QStringLiteral("MainMenu1"));
    EXPECT_EQ(kind<QMenu>("MenAufgabe")->title(), QStringLiteral("Aufgaben  "));
    EXPECT_EQ(kind<QMenu>("MenOptionen")->title(), QStringLiteral(" Optionen "));
    QStringList optionen;
    for (const QAction* aktion : kind<QMenu>("MenOptionen")->actions())
        optionen << aktion->menu()->objectName() + QLatin1Char('=') + aktion->text();
    EXPECT_EQ(optionen, QStringList({"MenAchsen=Koordinatenachsen", "MenSchaubilder=Schaubilder",
                                     "MenGitternetz=Gitternetzlinien", "MenHilfen=Hilfen"}));
    for (const char* name : {"MenInfo", "MenBeenden"}) {
        const QAction* aktion = kind<QAction>(name);
        ASSERT_NE(aktion, nullptr);
        EXPECT_EQ(aktion->menu(), nullptr) << name << " acts when clicked";
        EXPECT_TRUE(form.menuBar()->actions().contains(aktion)) << name;
    }
    for (const Menueeintrag& e : Menueeintraege) {
        const QAction* aktion = kind<QAction>(e.name);
        ASSERT_NE(aktion, nullptr);
        EXPECT_EQ(aktion->text(), QString::fromUtf8(e.text)) << e.name;
        EXPECT_TRUE(kind<QMenu>(e.menue)->actions().contains(aktion)) << e.name;
        EXPECT_FALSE(aktion->isChecked()) << e.name;
    }
}

TEST_F(HauptfensterTest, GrundzustandNachDemStart)
{
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
    EXPECT_EQ(form.Ablauf().UserTyp(), KeinTyp);
    EXPECT_EQ(form.Ablauf().Aufgabe().VorgTyp, KeinTyp);
    EXPECT_EQ(form.Ablauf().AnzahlAufgaben(), 0);
    EXPECT_EQ(form.Ablauf().AnzahlRichtig(), 0);
    EXPECT_FALSE(kind("BZeichnen")->isEnabled());
    EXPECT_EQ(text(kind("BZeichnen")), QStringLiteral("Schaubild zeichnen"));
    EXPECT_TRUE(kind("LBitteAufgabeAuswaehlen")->isVisible());
    for (const char* verborgen : {"LBitteFunktionAuswaehlen", "BUeberspringen", "IEbene", "PTestErgebnis",
                                  "PRichtig", "GTestErgebnis"})
        EXPECT_FALSE(kind(verborgen)->isVisible()) << verborgen;
    EXPECT_TRUE(kind<QMenu>("MenAufgabe")->menuAction()->isEnabled());
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        EXPECT_FALSE(form.TypKnopf[Typ]->isEnabled());
        EXPECT_FALSE(form.TypKnopf[Typ]->isChecked());
        EXPECT_TRUE(tafel(Typ, RolleListe)->isVisible());
        EXPECT_FALSE(tafel(Typ, RolleEingabe)->isVisible());
        EXPECT_FALSE(tafel(Typ, RolleAnzeige)->isVisible());
        EXPECT_EQ(form.Terme[Typ * 3 + RolleEingabe]->Eingaben[0], nullptr) << "built when the type is chosen";
        EXPECT_EQ(form.Terme[Typ * 3 + RolleAnzeige]->Werte[0], nullptr) << "built when the type is chosen";
        EXPECT_FALSE(form.Terme[Typ * 3]->Klickbild->Klickbar());
        EXPECT_EQ(form.Terme[Typ * 3]->Texte[0]->palette().color(QPalette::WindowText), Farbe(0x808080));
    }
}

TEST_F(HauptfensterTest, ZufallWirdEinmalAusDerTageszeitGesaet)
{
    ASSERT_TRUE(zufall.saat.has_value());
    EXPECT_LT(*zufall.saat, 24U * 60 * 60 * 1000);
}

TEST_F(HauptfensterTest, TyplisteAusKnoepfenUndGleichungen)
{
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        const QRadioButton* knopf = form.TypKnopf[Typ];
        EXPECT_EQ(knopf->objectName(), QStringLiteral("TypKnopf%1").arg(Typ));
        EXPECT_EQ(knopf->parentWidget()->objectName(), QStringLiteral("GBFunktionstypen"));
        EXPECT_EQ(knopf->geometry(), QRect(8, Typ * 49 + 28, 193, 25));
        EXPECT_EQ(knopf->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(knopf->text(), QStringLiteral("awefgdkja"));
        EXPECT_EQ(tafel(Typ, RolleListe)->geometry(), QRect(25, Typ * 49 + 118, 193, 49));
        EXPECT_EQ(tafel(Typ, RolleListe)->objectName(), QStringLiteral("Terme%1").arg(Typ * 3));
        // The list entry covers the caption, so only the round mark shows.
        const QRect knopfImFenster = knopf->geometry().translated(knopf->parentWidget()->pos());
        EXPECT_EQ(knopfImFenster.center().y(), tafel(Typ, RolleListe)->geometry().center().y());
        EXPECT_GT(form.centralWidget()->children().indexOf(tafel(Typ, RolleListe)),
                  form.centralWidget()->children().indexOf(kind("GBFunktionstypen")));
    }
}

TEST_F(HauptfensterTest, WerteGleichungSchliesstAnDieEingabeAn)
{
    menue("MemEinfachesZeichnen");
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        waehle(Typ);
        const TFunktionsTerm* eingabe = form.Terme[Typ * 3 + RolleEingabe];
        const QLineEdit* letzte = eingabe->Eingaben[AnzahlParameter(Typ) - 1];
        const int inhaltsende = eingabe->Tafel->x() + letzte->x() + letzte->width();
        EXPECT_EQ(tafel(Typ, RolleAnzeige)->x(), inhaltsende) << "type " << Typ;
        EXPECT_EQ(tafel(Typ, RolleAnzeige)->y(), 24);
        EXPECT_LE(tafel(Typ, RolleAnzeige)->geometry().right(), kind("GBGleichung")->geometry().right());
    }
}

TEST_F(HauptfensterTest, GraueListeIgnoriertKlicks)
{
    QTest::mouseClick(form.Terme[3 * 3]->Klickbild, Qt::LeftButton);
    EXPECT_FALSE(form.TypKnopf[3]->isChecked());
}

TEST_F(HauptfensterTest, WaehlbareGleichungWaehltIhrenKnopf)
{
    menue("MemEinfachesZeichnen");
    for (const int Typ : {2, 5}) {
        QTest::mouseClick(form.Terme[Typ * 3]->Klickbild, Qt::LeftButton);
        EXPECT_TRUE(form.TypKnopf[Typ]->isChecked());
    }
    EXPECT_FALSE(form.TypKnopf[2]->isChecked()) << "the radio buttons exclude each other";
    QTest::mouseClick(form.Terme[5 * 3]->Klickbild, Qt::LeftButton);
    EXPECT_TRUE(form.TypKnopf[5]->isChecked()) << "a second click leaves it selected";
    EXPECT_TRUE(tafel(5, RolleEingabe)->isVisible());
    EXPECT_FALSE(tafel(2, RolleEingabe)->isVisible());
}

TEST_F(HauptfensterTest, SpaetererGrundzustandBehaeltTypUndZaehler)
{
    menue("MemEinfachesZeichnen");
    waehle(Sinus);
    ASSERT_TRUE(tafel(Sinus, RolleEingabe)->isVisible());
    dialoge.auswahlAntworten.push_back({std::nullopt, std::nullopt, false});
    menue("MenUebung"); // cancelled: no task

    EXPECT_EQ(form.Ablauf().UserTyp(), Sinus);
    EXPECT_EQ(form.Ablauf().Modus(), Modus::KeineAufgabe);
    EXPECT_TRUE(kind("LBitteAufgabeAuswaehlen")->isVisible());
    EXPECT_FALSE(kind("IEbene")->isVisible());
    EXPECT_FALSE(form.TypKnopf[Sinus]->isChecked());
    EXPECT_FALSE(form.TypKnopf[Sinus]->isEnabled());
    EXPECT_FALSE(tafel(Sinus, RolleEingabe)->isVisible());
    EXPECT_FALSE(tafel(Sinus, RolleAnzeige)->isVisible());
}

// The value equation is laid out when its type is chosen, not at start: it
// must then stand exactly as one set up and laid out at once, also when
// another type was chosen before or in between.
class ErsteWahlTest : public FensterTest, public ::testing::WithParamInterface<std::vector<int>> {};

void vergleicheStueck(const QWidget* stueck, const QWidget* frisch, const char* art, int i)
{
    ASSERT_EQ(stueck->isVisibleTo(stueck->parentWidget()), frisch->isVisibleTo(frisch->parentWidget()))
        << art << i;
    if (!frisch->isVisibleTo(frisch->parentWidget()))
        return;
    EXPECT_EQ(stueck->geometry(), frisch->geometry()) << art << i;
    if (const auto* label = qobject_cast<const QLabel*>(stueck)) {
        EXPECT_EQ(label->text(), qobject_cast<const QLabel*>(frisch)->text()) << art << i;
        EXPECT_EQ(label->font(), frisch->font()) << art << i;
    }
}

TEST_P(ErsteWahlTest, WerteGleichungStehtWieFrischEingerichtet)
{
    menue("MemEinfachesZeichnen");
    for (const int typ : GetParam())
        waehle(typ);
    const int typ = GetParam().back();
    const TFunktionsTerm& t = anzeige(typ);
    ASSERT_TRUE(t.Tafel->isVisible());
    EXPECT_EQ(t.Tafel->geometry().size(), QSize(280, 49));
    EXPECT_EQ(t.Texte[0]->pos(), QPoint(8, 13)) << "\"f(x) =\" stands first";

    QWidget fenster;
    TFunktionsTerm frisch(nullptr, &fenster, form);
    frisch.Einrichten(typ, RolleAnzeige);
    for (int i = 0; i < 4; ++i) {
        vergleicheStueck(t.Texte[i], frisch.Texte[i], "text ", i);
        vergleicheStueck(t.Werte[i], frisch.Werte[i], "value ", i);
    }
    for (int i = 0; i < 2; ++i)
        vergleicheStueck(t.Punkte[i], frisch.Punkte[i], "mark ", i);
    EXPECT_GT(t.Texte[0]->width(), 0) << "laid out, not left as made";
}

const std::vector<int> Wahlfolgen[] = {
    {Gerade},   {Betrag},      {Parabel2},      {Parabel3},   {Sinus},
    {Hyperbel}, {Exponential}, {Hyperbel, Gerade}, {Exponential, Sinus, Exponential},
};
INSTANTIATE_TEST_SUITE_P(Folgen, ErsteWahlTest, ::testing::ValuesIn(Wahlfolgen));

TEST_F(HauptfensterTest, BeendenSchliesstSofort)
{
    kind<QAction>("MenBeenden")->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(dialoge.boxen.empty()) << "no question asked";
}

} // namespace
