#include "model/hilfen.h"

#include "testhilfe.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Fall {
    int vorgTyp;
    ParameterSatz vorg;
    int userTyp;
    ParameterSatz user;
    std::vector<const char*> tipps;
};

const char* const Typ = "Der Funktionstyp passt nicht.";

const Fall Faelle[] = {
    {Gerade, {{2, 1}}, Gerade, {{2, 1}}, {}},
    {Gerade, {{2, 1}}, Gerade, {{-2, 1}}, {"m stimmt nicht: die Gerade muss steigen."}},
    {Gerade, {{2, 1}}, Gerade, {{1, 1}}, {"m stimmt nicht: die Gerade steiler machen."}},
    {Gerade, {{-0.5, 0}}, Gerade, {{-3, 0}}, {"m stimmt nicht: die Gerade flacher machen."}},
    {Gerade, {{2, 1}}, Gerade, {{0, 3}},
     {"m stimmt nicht: die Gerade muss steigen.", "c stimmt nicht: das Schaubild nach unten verschieben."}},
    {Gerade, {{-1, -2}}, Gerade, {{1, -2}}, {"m stimmt nicht: die Gerade muss fallen."}},
    {Gerade, {{1, 2}}, Gerade, {{1, -1}}, {"c stimmt nicht: das Schaubild nach oben verschieben."}},
    {Betrag, {{1, 2, 0}}, Betrag, {{1, 3, 0}}, {"d stimmt nicht: das Schaubild nach rechts verschieben."}},
    {Betrag, {{1, 2, 0}}, Betrag, {{1, -1, 0}}, {"d stimmt nicht: das Schaubild nach links verschieben."}},
    {Betrag, {{-2, 0, 1}}, Betrag, {{2, 0, 1}}, {"a stimmt nicht: das Schaubild an der x-Achse spiegeln."}},
    {Betrag, {{-2, 1, 1}}, Betrag, {{0.5, 0, 3}},
     {"a stimmt nicht: das Schaubild an der x-Achse spiegeln.", "d stimmt nicht: das Schaubild nach links verschieben."}},
    {Parabel2, {{1, 0, 0}}, Parabel2, {{2, 0, 0}}, {"a stimmt nicht: das Schaubild schwächer strecken."}},
    {Parabel2, {{0.5, -1, 2}}, Parabel2, {{0.5, -1, -2}}, {"c stimmt nicht: das Schaubild nach oben verschieben."}},
    {Parabel2, {{3, 1, 0}}, Parabel2, {{1, 2, 1}},
     {"d stimmt nicht: das Schaubild nach rechts verschieben.", "c stimmt nicht: das Schaubild nach unten verschieben."}},
    {Parabel2, {{1, 0, 0}}, Gerade, {{1, 0}}, {Typ}},
    {Parabel3, {{-1, 2, 0}}, Parabel3, {{-1, 2, 0.5}}, {"c stimmt nicht: das Schaubild nach unten verschieben."}},
    {Parabel3, {{2, 0, 0}}, Parabel3, {{-0.5, 0, 0}},
     {"a stimmt nicht: das Schaubild an der x-Achse spiegeln.", "a stimmt nicht: das Schaubild stärker strecken."}},
    {Parabel3, {{1, -3, 0}}, Parabel3, {{1, 3, 0}}, {"d stimmt nicht: das Schaubild nach rechts verschieben."}},
    {Sinus, {{1, 1, 0, 0}}, Sinus, {{1, 2, 0, 0}}, {"k stimmt nicht: die Periode verlängern."}},
    {Sinus, {{1, 2, 0, 0}}, Sinus, {{1, 1, 0, 0}}, {"k stimmt nicht: die Periode verkürzen."}},
    {Sinus, {{2, 1, 0, 0}}, Sinus, {{2, 1, 1, 0}}, {"d stimmt nicht: das Schaubild nach rechts verschieben."}},
    // Six units to the left are a little less than a period: the graph
    // is nearest to the given one a little to the left.
    {Sinus, {{2, 1, 0, 0}}, Sinus, {{2, 1, 6, 0}}, {"d stimmt nicht: das Schaubild nach links verschieben."}},
    {Sinus, {{1, 1, 0, 0}}, Sinus, {{1, 1, 6.283185307179586, 0}}, {}},
    {Sinus, {{1, 1, 0, 1}}, Sinus, {{-1, 1, 0, 0}},
     {"a stimmt nicht: das Schaubild an der x-Achse spiegeln.", "c stimmt nicht: das Schaubild nach oben verschieben."}},
    {Sinus, {{1, 1, 0, 0}}, Parabel2, {{1, 1, 0}}, {Typ}},
    {Hyperbel, {{1, 0, 0}}, Hyperbel, {{1, 0, 2}}, {"c stimmt nicht: das Schaubild nach unten verschieben."}},
    {Hyperbel, {{2, -1, 0}}, Hyperbel, {{-2, -1, 0}}, {"a stimmt nicht: das Schaubild an der x-Achse spiegeln."}},
    {Hyperbel, {{1, 2, 0}}, Hyperbel, {{4, 1, 0}},
     {"d stimmt nicht: das Schaubild nach links verschieben.", "a stimmt nicht: das Schaubild schwächer strecken."}},
    {Exponential, {{1, 2, 0}}, Exponential, {{1, 3, 0}}, {"b stimmt nicht: das Schaubild flacher machen."}},
    {Exponential, {{1, 2, 0}}, Exponential, {{1, 1.5, 0}}, {"b stimmt nicht: das Schaubild steiler machen."}},
    {Exponential, {{1, 2, 0}}, Exponential, {{1, 0.5, 0}}, {"b stimmt nicht: das Schaubild an der y-Achse spiegeln."}},
    {Exponential, {{1, 2, 0}}, Exponential, {{1, 0, 0}}, {"b stimmt nicht: die Basis muss positiv sein."}},
    {Exponential, {{-1, 2, 1}}, Exponential, {{1, 2, -1}},
     {"a stimmt nicht: das Schaubild an der x-Achse spiegeln.", "c stimmt nicht: das Schaubild nach oben verschieben."}},
    {Exponential, {{1, 0.5, 0}}, Exponential, {{1, 1, 0}}, {"b stimmt nicht: das Schaubild steiler machen."}},
    {Exponential, {{1, 2, 0}}, Exponential, {{2, 4, 3}},
     {"c stimmt nicht: das Schaubild nach unten verschieben.", "a stimmt nicht: das Schaubild schwächer strecken."}},
    {Exponential, {{1, 2, 0}}, Hyperbel, {{1, 2, 0}}, {Typ}},
    {Exponential, {{1, -2, 0}}, Exponential, {{1, 2, 0}}, {"b stimmt nicht."}},
};

class TippTest : public ::testing::TestWithParam<Fall> {};

// Every tip names a letter and a way, never a number of the given function.
TEST_P(TippTest, NenntRichtungUndKeinenWert)
{
    const Fall& f = GetParam();
    const QStringList tipps = Tipps(f.vorgTyp, f.vorg, f.userTyp, f.user);
    EXPECT_EQ(tipps, Texte(f.tipps));
    for (const QString& tipp : tipps)
        EXPECT_FALSE(tipp.contains(QRegularExpression(QStringLiteral("[0-9]")))) << tipp.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Hilfen, TippTest, ::testing::ValuesIn(Faelle));

struct Deckung {
    int vorgTyp;
    ParameterSatz vorg;
    int userTyp;
    ParameterSatz user;
    const char* hinweis; // nullptr: the graphs differ
};

const char* const Anfang = "Dein Schaubild deckt sich mit dem vorgegebenen, aber ";
const char* const Ende = ": Dasselbe Schaubild hat mehrere Gleichungen.";

// As typed into boxes of six characters: d + 2π/k, -a with d + π/k.
const Deckung Deckungen[] = {
    {Sinus, {{1, 1, 0, 0}}, Sinus, {{1, 1, 6.2832, 0}}, "d ist ein anderer Wert"},
    {Sinus, {{3, 2, 1, 0}}, Sinus, {{3, 2, -2.1416, 0}}, "d ist ein anderer Wert"},
    {Sinus, {{2, 1, 0, 1}}, Sinus, {{-2, 1, 3.1416, 1}}, "a und d sind andere Werte"},
    {Sinus, {{2, 3, 1, 1}}, Sinus, {{2, 3, 3.0944, 1}}, nullptr},
    {Parabel2, {{0, 1, 2}}, Parabel2, {{0, -3, 2}}, "d ist ein anderer Wert"},
    {Parabel2, {{1, 1, 2}}, Parabel2, {{1, 1, 2 + 1.0 / 36}}, nullptr},
    {Parabel2, {{1, 1, 2}}, Parabel2, {{1, 1, 2.001}}, "c ist ein anderer Wert"},
    {Exponential, {{2, 1, 0}}, Exponential, {{1, 1, 1}}, "a und c sind andere Werte"},
    {Exponential, {{0, 2, 1}}, Exponential, {{0, 3, 1}}, "b ist ein anderer Wert"},
    {Gerade, {{0, 2}}, Parabel3, {{0, 5, 2}}, "der Funktionstyp ist ein anderer"},
    {Hyperbel, {{1, 0, 0}}, Hyperbel, {{1, 0.01, 0}}, nullptr},
    {KeinTyp, {}, Gerade, {}, nullptr},
    {Exponential, {{1, -2, 0}}, Exponential, {{1, -3, 0}}, nullptr}, // no graph at all
};

class DeckungTest : public ::testing::TestWithParam<Deckung> {};

TEST_P(DeckungTest, NenntDieAnderenBuchstaben)
{
    const Deckung& d = GetParam();
    const bool gleich = GleichesSchaubild(d.vorgTyp, d.vorg, d.userTyp, d.user, {36, 287, 577});
    ASSERT_EQ(gleich, d.hinweis != nullptr);
    if (gleich) {
        EXPECT_EQ(Deckungshinweis(d.vorgTyp, d.vorg, d.userTyp, d.user),
                  QString::fromUtf8(Anfang) + QString::fromUtf8(d.hinweis) + QString::fromUtf8(Ende));
    }
}

INSTANTIATE_TEST_SUITE_P(Hilfen, DeckungTest, ::testing::ValuesIn(Deckungen));

struct Schritt {
    double wert;
    double schritt;
    bool nurPositiv;
    const char* text; // nullptr: no step
};

const Schritt Schritte[] = {
    {1.5, 1, false, "2,5"},       {1.5, -0.1, false, "1,4"},   {0.3, -0.1, false, "0,2"},
    {-0.1, 0.1, false, "0"},      {0, -1, false, "-1"},        {0.33333, 1, false, "1,3333"},
    {99999, 1, false, "100000"},  {999999, 1, false, nullptr}, {1, -1, true, nullptr},
    {0.5, -0.1, true, "0,4"},     {0.1, -0.1, true, nullptr},  {-99999, -1, false, nullptr},
};

class SchrittTest : public ::testing::TestWithParam<Schritt> {};

TEST_P(SchrittTest, SchreibtDenNeuenWert)
{
    const Schritt& s = GetParam();
    const std::optional<QString> text = Schritttext(s.wert, s.schritt, s.nurPositiv, 6, QLocale(QLocale::German));
    ASSERT_EQ(text.has_value(), s.text != nullptr);
    if (text) {
        EXPECT_EQ(*text, QString::fromUtf8(s.text));
    }
}

INSTANTIATE_TEST_SUITE_P(Hilfen, SchrittTest, ::testing::ValuesIn(Schritte));

} // namespace
