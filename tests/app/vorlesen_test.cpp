// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

#include "app/ebenenbeschreibung.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// What a screen reader receives through Qt's accessibility interface.
QString vorgelesen(QObject* objekt, QAccessible::Text art)
{
    QAccessibleInterface* schnittstelle = QAccessible::queryAccessibleInterface(objekt);
    return schnittstelle ? schnittstelle->text(art) : QStringLiteral("<no interface>");
}

struct Typansage {
    int typ;
    const char* knopf;
    std::vector<const char*> parameter;
};

void PrintTo(const Typansage& a, std::ostream* aus) { *aus << a.knopf; }

const Typansage Typansagen[] = {
    {Gerade, "Gerade: f(x) = m·x + c", {"Parameter m der Geraden", "Parameter c der Geraden"}},
    {Betrag,
     "Betragsfunktion: f(x) = a·|x + d| + c",
     {"Parameter a der Betragsfunktion", "Parameter d der Betragsfunktion", "Parameter c der Betragsfunktion"}},
    {Parabel2,
     "Parabel: f(x) = a·(x + d)² + c",
     {"Parameter a der Parabel", "Parameter d der Parabel", "Parameter c der Parabel"}},
    {Parabel3,
     "kubische Parabel: f(x) = a·(x + d)³ + c",
     {"Parameter a der kubischen Parabel", "Parameter d der kubischen Parabel", "Parameter c der kubischen Parabel"}},
    {Sinus,
     "Sinusfunktion: f(x) = a·sin(k·(x + d)) + c",
     {"Parameter a der Sinusfunktion", "Parameter k der Sinusfunktion", "Parameter d der Sinusfunktion",
      "Parameter c der Sinusfunktion"}},
    {Hyperbel,
     "Hyperbel: f(x) = a/(x + d) + c",
     {"Parameter a der Hyperbel", "Parameter d der Hyperbel", "Parameter c der Hyperbel"}},
    {Exponential,
     "Exponentialfunktion: f(x) = a·bˣ + c",
     {"Parameter a der Exponentialfunktion", "Parameter b der Exponentialfunktion",
      "Parameter c der Exponentialfunktion"}},
};

class TypansageTest : public FensterTest, public ::testing::WithParamInterface<Typansage> {};

// The caption under the list entry stays the placeholder; the reader hears
// the type and its equation instead.
TEST_P(TypansageTest, KnopfUndEingabenSagenIhrenTyp)
{
    const Typansage& a = GetParam();
    QRadioButton* knopf = form.TypKnopf[a.typ];
    EXPECT_EQ(knopf->text(), QStringLiteral("awefgdkja"));
    EXPECT_EQ(vorgelesen(knopf, QAccessible::Name), QString::fromUtf8(a.knopf));
    menue("MemEinfachesZeichnen");
    waehle(a.typ);
    const TFunktionsTerm* eingabe = form.Terme[a.typ * 3 + RolleEingabe];
    for (std::size_t i = 0; i < 4; ++i) {
        const QString erwartet = i < a.parameter.size() ? QString::fromUtf8(a.parameter[i]) : QString();
        EXPECT_EQ(vorgelesen(eingabe->Eingaben[i], QAccessible::Name), erwartet) << "box " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Typen, TypansageTest, ::testing::ValuesIn(Typansagen));

struct Ebenenansage {
    int modus;
    int vorgTyp;
    const char* beschreibung;
};

void PrintTo(const Ebenenansage& a, std::ostream* aus) { *aus << a.beschreibung; }

const Ebenenansage Ebenenansagen[] = {
    {1, Parabel2, "Einfaches Zeichnen von Schaubildern: kein vorgegebenes Schaubild."},
    {2, KeinTyp, "Aufgabendatei: kein vorgegebenes Schaubild."},
    {2, Parabel3, "Aufgabendatei: vorgegeben ist eine kubische Parabel."},
    {3, Gerade, "Übung: vorgegeben ist eine Gerade."},
    {4, Hyperbel, "Test: vorgegeben ist eine Hyperbel."},
};

class EbenenansageTest : public ::testing::TestWithParam<Ebenenansage> {};

TEST_P(EbenenansageTest, BeschreibtAufgabenformUndVorgabe)
{
    EXPECT_EQ(Ebenenbeschreibung(static_cast<Modus>(GetParam().modus), GetParam().vorgTyp), QString::fromUtf8(GetParam().beschreibung));
}

INSTANTIATE_TEST_SUITE_P(Modi, EbenenansageTest, ::testing::ValuesIn(Ebenenansagen));

TEST_F(FensterTest, DieEbeneSagtWasSieZeigt)
{
    zeichneBeide();
    EXPECT_EQ(vorgelesen(ebene, QAccessible::Name), QStringLiteral("Koordinatensystem"));
    EXPECT_EQ(vorgelesen(ebene, QAccessible::Description), QStringLiteral("Übung: vorgegeben ist eine Parabel."));
}

} // namespace
