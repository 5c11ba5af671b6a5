// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/loesungsweg.h"

#include "testhilfe.h"

#include <gtest/gtest.h>

namespace {

const char* const Spiegeln = "… an der x-Achse gespiegelt.";

struct Weg {
    int typ;
    ParameterSatz p;
    std::vector<const char*> saetze;
    const char* zusammenfassung;
    bool deutsch = true;
};

void PrintTo(const Weg& w, std::ostream* aus) { *aus << w.zusammenfassung; }

// "…" stands for "Das Schaubild wird".
const Weg Wege[] = {
    {Parabel2, {{-2, -1, 3}}, {"… in y-Richtung mit dem Faktor 2 gestreckt.", Spiegeln, "… um 1 nach rechts verschoben.",
      "… um 3 nach oben verschoben."}, "Die Normalparabel wird mit dem Faktor 2 gestreckt, an der x-Achse gespiegelt, um 1 nach rechts und um 3 nach oben verschoben."},
    {Parabel2, {{0, 1, 2}}, {"Mit dem Faktor 0 fällt das Schaubild auf die x-Achse.", "… um 1 nach links verschoben.", "… um 2 nach oben verschoben."},
     "Die Normalparabel wird mit dem Faktor 0 auf die x-Achse zusammengedrückt, um 1 nach links und um 2 nach oben verschoben."},
    {Gerade, {{2, 0}}, {"Die Steigung wird 2."}, "Die Gerade y = x wird auf die Steigung 2 gedreht."},
    {Gerade, {{-0.5, -1}}, {"Die Steigung wird -0,5.", "… um 1 nach unten verschoben."},
     "Die Gerade y = x wird auf die Steigung -0,5 gedreht und um 1 nach unten verschoben."},
    {Gerade, {{0, 2}}, {"Die Steigung wird 0: Die Gerade fällt auf die x-Achse.", "… um 2 nach oben verschoben."},
     "Die Gerade y = x wird auf die Steigung 0 gedreht und um 2 nach oben verschoben."},
    {Gerade, {{1, 0}}, {}, "Keine Verschiebung und keine Streckung: Das ist das Schaubild der Grundfunktion."},
    {Betrag, {{-1, 1.5, 0}}, {Spiegeln, "… um 1,5 nach links verschoben."},
     "Das Schaubild von y = |x| wird an der x-Achse gespiegelt und um 1,5 nach links verschoben."},
    {Betrag, {{-1, 1.5, 0}}, {Spiegeln, "… um 1.5 nach links verschoben."},
     "Das Schaubild von y = |x| wird an der x-Achse gespiegelt und um 1.5 nach links verschoben.", false},
    {Betrag, {{0.33333, 0, -2}}, {"… in y-Richtung mit dem Faktor 0,33333 gestaucht.", "… um 2 nach unten verschoben."},
     "Das Schaubild von y = |x| wird mit dem Faktor 0,33333 gestaucht und um 2 nach unten verschoben."},
    {Parabel3, {{0.5, -2, 0}}, {"… in y-Richtung mit dem Faktor 0,5 gestaucht.", "… um 2 nach rechts verschoben."},
     "Die Parabel y = x³ wird mit dem Faktor 0,5 gestaucht und um 2 nach rechts verschoben."},
    {Sinus, {{1, 2, 0, 0}}, {"… in x-Richtung mit dem Faktor 1/2 gestaucht."}, "Die Sinuskurve wird in x-Richtung mit dem Faktor 1/2 gestaucht."},
    {Sinus, {{3, 0.5, -1, 1}}, {"… in x-Richtung mit dem Faktor 2 gestreckt.", "… in y-Richtung mit dem Faktor 3 gestreckt.",
      "… um 1 nach rechts verschoben.", "… um 1 nach oben verschoben."}, "Die Sinuskurve wird in x-Richtung mit dem Faktor 2 "
     "gestreckt, in y-Richtung mit dem Faktor 3 gestreckt, um 1 nach rechts und um 1 nach oben verschoben."},
    {Sinus, {{-1, -0.3, 0, 0}}, {"… in x-Richtung mit dem Faktor 1/0,3 gestreckt.", "… an der y-Achse gespiegelt.", Spiegeln},
     "Die Sinuskurve wird in x-Richtung mit dem Faktor 1/0,3 gestreckt, an der y-Achse gespiegelt und an der x-Achse gespiegelt."},
    {Sinus, {{0.5, 0, 0, 0}}, {"Mit k = 0 fällt das Schaubild auf die x-Achse.", "… in y-Richtung mit dem Faktor 0,5 gestaucht."},
     "Die Sinuskurve wird mit k = 0 auf die x-Achse zusammengedrückt und in y-Richtung mit dem Faktor 0,5 gestaucht."},
    {Sinus, {{1, -1, 0.5, 0}}, {"… an der y-Achse gespiegelt.", "… um 0,5 nach links verschoben."},
     "Die Sinuskurve wird an der y-Achse gespiegelt und um 0,5 nach links verschoben."},
    {Hyperbel, {{4, -0.25, -1.5}}, {"… in y-Richtung mit dem Faktor 4 gestreckt.", "… um 0,25 nach rechts verschoben.",
      "… um 1,5 nach unten verschoben."}, "Die Hyperbel y = 1/x wird mit dem Faktor 4 gestreckt, um 0,25 nach rechts und um 1,5 nach unten verschoben."},
    {Exponential, {{-0.5, 3, 2}}, {"… in y-Richtung mit dem Faktor 0,5 gestaucht.", Spiegeln, "… um 2 nach oben verschoben."},
     "Die Exponentialkurve y = 3ˣ wird mit dem Faktor 0,5 gestaucht, an der x-Achse gespiegelt und um 2 nach oben verschoben."},
    {Exponential, {{2, -2, 0}}, {"… in y-Richtung mit dem Faktor 2 gestreckt."}, "Die Exponentialkurve y = (-2)ˣ wird mit dem Faktor 2 gestreckt."},
    {Exponential, {{1, 0.5, 0}}, {}, "Keine Verschiebung und keine Streckung: Das ist das Schaubild der Grundfunktion."},
    {KeinTyp, {{2, 1, 1}}, {}, ""},
};

class WegTest : public ::testing::TestWithParam<Weg> {};

// Each step says what it does in the regional spelling, and the last one
// reaches the given function.
TEST_P(WegTest, SaetzeUndZusammenfassung)
{
    const Weg& w = GetParam();
    const Loesungsweg weg = BerechneLoesungsweg(w.typ, w.p, w.deutsch ? QLocale(QLocale::German) : QLocale::c());
    QStringList saetze;
    for (const Loesungsschritt& s : weg.Schritte)
        saetze << s.Satz;
    EXPECT_EQ(saetze, Texte(w.saetze).replaceInStrings(QStringLiteral("…"), QStringLiteral("Das Schaubild wird")));
    EXPECT_EQ(weg.Zusammenfassung, QString::fromUtf8(w.zusammenfassung));
    if (!weg.Schritte.empty()) {
        EXPECT_EQ(weg.Schritte.back().Parameter, w.p);
    }
}

INSTANTIATE_TEST_SUITE_P(Loesungsweg, WegTest, ::testing::ValuesIn(Wege));

struct Zwischenstand {
    ParameterSatz p;
    Ebenenpunkt von, bis;
};

// The parameters after each step, and the arrow along the point that shows
// the step: a stretch moves a point one unit beside the vertex (the sine's
// peak, the exponential's point on the y-axis), a shift the vertex itself
// (the crossing of the hyperbola's asymptotes).
TEST(Loesungsweg, ZwischenwerteUndPfeile)
{
    const auto gleich = [](int typ, const ParameterSatz& p, const std::vector<Zwischenstand>& soll) {
        const Loesungsweg weg = BerechneLoesungsweg(typ, p);
        ASSERT_EQ(weg.Schritte.size(), soll.size());
        for (std::size_t i = 0; i < soll.size(); ++i) {
            EXPECT_EQ(weg.Schritte[i].Parameter, soll[i].p) << i;
            EXPECT_EQ(weg.Schritte[i].PfeilVon, soll[i].von) << i;
            EXPECT_EQ(weg.Schritte[i].PfeilBis, soll[i].bis) << i;
        }
    };
    gleich(Parabel2, {{-2, -1, 3}}, {{{{2, 0, 0}}, {1, 1}, {1, 2}}, {{{-2, 0, 0}}, {1, 2}, {1, -2}},
                                     {{{-2, -1, 0}}, {0, 0}, {1, 0}}, {{{-2, -1, 3}}, {1, 0}, {1, 3}}});
    gleich(Sinus, {{1, 2, 0, 0}}, {{{{1, 2, 0, 0}}, {1.5707963267948966, 1}, {0.7853981633974483, 1}}});
    gleich(Exponential, {{2, 3, 1}}, {{{{2, 3, 0}}, {0, 1}, {0, 2}}, {{{2, 3, 1}}, {0, 2}, {0, 3}}});
    gleich(Hyperbel, {{1, -2, 1}}, {{{{1, -2, 0}}, {0, 0}, {2, 0}}, {{{1, -2, 1}}, {2, 0}, {2, 1}}});
    gleich(Gerade, {{3, 0}}, {{{{3, 0}}, {1, 1}, {1, 3}}});
    EXPECT_EQ(BerechneLoesungsweg(Exponential, {{2, 3, 1}}).Grundfunktion, (ParameterSatz{{1, 3, 0, 0}}));
    EXPECT_EQ(Zwischenwerte({{1, 0, 0, 0}}, {{2, -1, 0, 4}}, 0.25), (ParameterSatz{{1.25, -0.25, 0, 1}}));
    EXPECT_EQ(Zwischenwerte({{1, 0.1, 0, 0}}, {{2, 0.7, 0, 0}}, 1), (ParameterSatz{{2, 0.7, 0, 0}}));
}

} // namespace
