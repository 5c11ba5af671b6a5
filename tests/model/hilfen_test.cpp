// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/hilfen.h"

#include "testhilfe.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const char* const Typ = "Der Funktionstyp passt nicht.";
const char* const Oben = "c stimmt nicht: das Schaubild nach oben verschieben.";
const char* const Unten = "c stimmt nicht: das Schaubild nach unten verschieben.";
const char* const Links = "d stimmt nicht: das Schaubild nach links verschieben.";
const char* const Rechts = "d stimmt nicht: das Schaubild nach rechts verschieben.";
const char* const Spiegeln = "a stimmt nicht: das Schaubild an der x-Achse spiegeln.";

// A wrong answer, its tips and, where its graph coincides with the given one
// (typed as a box holds d + 2π/k, or -a with d + π/k), what the notice names.
struct Fall { int vorgTyp; ParameterSatz vorg; int userTyp; ParameterSatz user; std::vector<const char*> tipps;
              const char* deckung = nullptr; };

const Fall Faelle[] = {
    {Gerade, {{2, 1}}, Gerade, {{-1, 1}}, {"m stimmt nicht: die Gerade muss steigen.", "m stimmt nicht: die Gerade steiler machen."}},
    {Gerade, {{-0.5, 0}}, Gerade, {{-3, 0}}, {"m stimmt nicht: die Gerade flacher machen."}},
    {Gerade, {{2, 1}}, Gerade, {{0, 3}}, {"m stimmt nicht: die Gerade muss steigen.", Unten}},
    {Gerade, {{-1, -2}}, Gerade, {{1, -2}}, {"m stimmt nicht: die Gerade muss fallen."}},
    {Gerade, {{0, 2}}, Parabel3, {{0, 5, 2}}, {Typ}, "der Funktionstyp ist ein anderer"},
    {Betrag, {{1, 2, 0}}, Betrag, {{1, 3, 0}}, {Rechts}},
    {Betrag, {{-2, 1, 1}}, Betrag, {{0.5, 0, 3}}, {Spiegeln, Links}},
    {Parabel2, {{3, 1, 0}}, Parabel2, {{1, 2, 1}}, {Rechts, Unten}},
    {Parabel2, {{0, 1, 2}}, Parabel2, {{0, -3, 2}}, {Links}, "d ist ein anderer Wert"},
    {Parabel2, {{1, 1, 2}}, Parabel2, {{1, 1, 2.001}}, {Unten}, "c ist ein anderer Wert"},
    {Parabel2, {{1, 1, 2}}, Parabel2, {{1, 1, 2 + 1.0 / 36}}, {Unten}}, // one pixel higher
    {Parabel3, {{2, 0, 0}}, Parabel3, {{-0.5, 0, 0}}, {Spiegeln, "a stimmt nicht: das Schaubild stärker strecken."}},
    {Sinus, {{1, 1, 0, 0}}, Sinus, {{1, 2, 0, 0}}, {"k stimmt nicht: die Periode verlängern."}},
    {Sinus, {{1, 2, 0, 0}}, Sinus, {{1, 1, 0, 0}}, {"k stimmt nicht: die Periode verkürzen."}},
    {Sinus, {{2, 1, 0, 0}}, Sinus, {{2, 1, 6, 0}}, {Links}}, // a little less than a period
    {Sinus, {{1, 1.7, 1.1, 0}}, Sinus, {{1, 1.7, 4.795991357164462, 0}}, {}, "d ist ein anderer Wert"}, // 2π/k, rounded
    {Sinus, {{1, 1, 0, 0}}, Sinus, {{1, 1, 6.2832, 0}}, {Rechts}, "d ist ein anderer Wert"},
    {Sinus, {{3, 2, 1, 0}}, Sinus, {{3, 2, -2.1416, 0}}, {Links}, "d ist ein anderer Wert"},
    {Sinus, {{2, 1, 0, 1}}, Sinus, {{-2, 1, 3.1416, 1}}, {Spiegeln, Links}, "a und d sind andere Werte"},
    {Sinus, {{2, 3, 1, 1}}, Sinus, {{2, 3, 3.0944, 1}}, {Rechts}},
    {Hyperbel, {{1, 2, 0}}, Hyperbel, {{4, 1, 0}}, {Links, "a stimmt nicht: das Schaubild schwächer strecken."}},
    {Hyperbel, {{1, 0, 0}}, Hyperbel, {{1, 0.01, 0}}, {Rechts}},
    {Exponential, {{1, 2, 0}}, Exponential, {{1, 3, 0}}, {"b stimmt nicht: das Schaubild flacher machen."}},
    {Exponential, {{1, 2, 0}}, Exponential, {{1, 0.5, 0}}, {"b stimmt nicht: das Schaubild an der y-Achse spiegeln."}},
    {Exponential, {{1, 2, 0}}, Exponential, {{1, 0, 0}}, {"b stimmt nicht: die Basis muss positiv sein."}},
    {Exponential, {{-1, 2, 1}}, Exponential, {{1, 2, -1}}, {Spiegeln, Oben}},
    {Exponential, {{1, 0.5, 0}}, Exponential, {{1, 1, 0}}, {"b stimmt nicht: das Schaubild steiler machen."}},
    {Exponential, {{2, 1, 0}}, Exponential, {{1, 1, 1}}, {Unten, "a stimmt nicht: das Schaubild stärker strecken."},
     "a und c sind andere Werte"},
    {Exponential, {{1, -2, 0}}, Exponential, {{1, 3, 0}}, {"b stimmt nicht."}}, // no graph given at all
    {KeinTyp, {}, Gerade, {}, {Typ}},
};

class HilfeTest : public ::testing::TestWithParam<Fall> {};

// A tip names a letter and a way, never a number of the given function.
TEST_P(HilfeTest, TippsUndDeckung)
{
    const Fall& f = GetParam();
    const QStringList tipps = Tipps(f.vorgTyp, f.vorg, f.userTyp, f.user);
    EXPECT_EQ(tipps, Texte(f.tipps));
    EXPECT_FALSE(tipps.join(QString()).contains(QRegularExpression(QStringLiteral("[0-9]"))));
    const bool gleich = GleichesSchaubild(f.vorgTyp, f.vorg, f.userTyp, f.user, {36, 287, 577});
    ASSERT_EQ(gleich, f.deckung != nullptr);
    if (gleich) {
        EXPECT_EQ(Deckungshinweis(f.vorgTyp, f.vorg, f.userTyp, f.user),
                  QStringLiteral("Dein Schaubild deckt sich mit dem vorgegebenen, aber %1: Dasselbe Schaubild hat "
                                 "mehrere Gleichungen.")
                      .arg(QString::fromUtf8(f.deckung)));
    }
}

INSTANTIATE_TEST_SUITE_P(Hilfen, HilfeTest, ::testing::ValuesIn(Faelle));

struct Schritt { double wert, schritt; bool nurPositiv; const char* text; };

const Schritt Schritte[] = {
    {1.5, 1, false, "2,5"}, {1.5, -0.1, false, "1,4"}, {0.3, -0.1, false, "0,2"}, {-0.1, 0.1, false, "0"},
    {0, -1, false, "-1"}, {0.33333, 1, false, "1,3333"}, {99999, 1, false, "100000"}, {999999, 1, false, "-"},
    {1, -1, true, "-"}, {0.5, -0.1, true, "0,4"}, {0.1, -0.1, true, "-"}, {-99999, -1, false, "-"},
};

class SchrittTest : public ::testing::TestWithParam<Schritt> {};

TEST_P(SchrittTest, SchreibtDenNeuenWert)
{
    const Schritt& s = GetParam();
    const std::optional<QString> text = Schritttext(s.wert, s.schritt, s.nurPositiv, 6, QLocale(QLocale::German));
    EXPECT_EQ(text.value_or(QStringLiteral("-")), QString::fromUtf8(s.text)) << "-: no step";
}

INSTANTIATE_TEST_SUITE_P(Hilfen, SchrittTest, ::testing::ValuesIn(Schritte));

} // namespace
