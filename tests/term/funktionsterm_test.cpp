// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/funktionsterm.h"

#include "basis/aussehen.h"
#include "term/bausteine.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "testhilfe.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <utility>

namespace {

class Umgebung : public TermUmgebung {
public:
    QColor UserFarbe() const override { return farbe; }
    void TermBreiteMerken(int breite) override { termBreite = breite; }
    void TermAngeklickt(int Typ) override { klicks.push_back(Typ); }
    void ParameterUebernehmen(int i, double wert) override { werte.emplace_back(i, wert); }
    void EingabetasteGedrueckt() override { ++eingabetasten; }

    QColor farbe = Farbe(0x0000FF);
    int termBreite = -1;
    std::vector<int> klicks;
    std::vector<std::pair<int, double>> werte;
    int eingabetasten = 0;
};

class FunktionstermTest : public ::testing::Test {
protected:
    FunktionstermTest()
    {
        m_fenster.resize(812, 550);
        m_fenster.show();
    }

    TFunktionsTerm& term(int typ, int rolle)
    {
        m_term = std::make_unique<TFunktionsTerm>(nullptr, &m_fenster, m_umgebung);
        m_term->Einrichten(typ, rolle);
        m_term->Tafel->show();
        return *m_term;
    }

    static int rechts(const QWidget* w) { return w->x() + w->width(); }
    static QColor textfarbe(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

    QWidget m_fenster;
    Umgebung m_umgebung;
    std::unique_ptr<TFunktionsTerm> m_term;
};

class JederTyp : public FunktionstermTest, public ::testing::WithParamInterface<int> {};

TEST_P(JederTyp, EingabefelderStehenAufIhrenPlatzhaltern)
{
    const int typ = GetParam();
    TFunktionsTerm& t = term(typ, RolleEingabe);
    const int n = AnzahlParameter(typ);
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(t.Eingaben[i]->isVisible(), i < n) << "box " << i;
        EXPECT_FALSE(t.Werte[i]->isVisible());
        if (i >= n)
            continue;
        EXPECT_EQ(t.Eingaben[i]->x(), t.Werte[i]->x());
        EXPECT_EQ(t.Eingaben[i]->width(), 35);
        EXPECT_EQ(t.Eingaben[i]->maxLength(), 6);
        EXPECT_GE(t.Eingaben[i]->x(), rechts(t.Texte[0])) << "box " << i << " overlaps \"f(x) =\"";
    }
    const QLineEdit* letzte = t.Eingaben[n - 1];
    EXPECT_EQ(m_umgebung.termBreite, rechts(letzte));
    EXPECT_LE(m_umgebung.termBreite, t.Tafel->width()) << "the equation is clipped";
}

// Only an input equation has edit boxes; a panel that becomes one later
// gets its four boxes once. They lie above the texts and marks.
TEST_P(JederTyp, NurDieEingabegleichungHatFelder)
{
    const int typ = GetParam();
    const struct {
        int rolle;
        qsizetype felder;
    } schritte[] = {{RolleListe, 0}, {RolleAnzeige, 0}, {RolleEingabe, 4}, {RolleEingabe, 4}, {RolleAnzeige, 4}};
    TFunktionsTerm t(nullptr, &m_fenster, m_umgebung);
    t.Tafel->show();
    for (const auto& schritt : schritte) {
        t.Einrichten(typ, schritt.rolle);
        t.Tafel->show();
        EXPECT_EQ(t.Tafel->findChildren<QLineEdit*>().size(), schritt.felder) << "role " << schritt.rolle;
    }
    const TFunktionsTerm& eingabe = term(typ, RolleEingabe);
    for (int i = 0; i < AnzahlParameter(typ); ++i) {
        const QLineEdit* feld = eingabe.Eingaben[i];
        EXPECT_EQ(eingabe.Tafel->childAt(feld->geometry().center()), feld) << "box " << i;
    }
}

TEST_P(JederTyp, EingabefelderUeberlappenNicht)
{
    const int typ = GetParam();
    TFunktionsTerm& t = term(typ, RolleEingabe);
    for (int i = 0; i + 1 < AnzahlParameter(typ); ++i) {
        const QRect a = t.Eingaben[i]->geometry();
        for (int j = i + 1; j < AnzahlParameter(typ); ++j)
            EXPECT_FALSE(a.intersects(t.Eingaben[j]->geometry())) << "boxes " << i << " and " << j;
    }
}

TEST_P(JederTyp, GleichungenPassenInIhreTafel)
{
    const int typ = GetParam();
    for (const int rolle : {RolleListe, RolleEingabe, RolleAnzeige}) {
        TFunktionsTerm& t = term(typ, rolle);
        for (const QWidget* stueck : t.Tafel->findChildren<QWidget*>()) {
            if (!stueck->isVisible() || stueck == t.Klickbild)
                continue;
            EXPECT_LE(rechts(stueck), t.Tafel->width()) << "role " << rolle;
            EXPECT_LE(stueck->y() + stueck->height(), t.Tafel->height()) << "role " << rolle;
            EXPECT_GE(stueck->x(), 0);
        }
    }
}

TEST_P(JederTyp, EtikettenSindSoBreitWieIhrText)
{
    const int typ = GetParam();
    TFunktionsTerm& t = term(typ, RolleListe);
    for (const QLabel* label : t.Texte) {
        if (label->isVisible()) {
            EXPECT_EQ(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << label->text().toStdString();
        }
    }
    for (int i = 0; i < AnzahlParameter(typ); ++i)
        EXPECT_EQ(t.Werte[i]->width(), t.Werte[i]->fontMetrics().horizontalAdvance(t.Werte[i]->text()));
}

TEST_P(JederTyp, ListeneintragIstGrauOderWaehlbar)
{
    const int typ = GetParam();
    TFunktionsTerm& t = term(typ, RolleListe);
    EXPECT_EQ(t.Klickbild->geometry(), QRect(0, 0, 193, 49));
    EXPECT_EQ(t.Klickbild->Tag, typ);

    const auto farben = [&t](const QColor& text, const QColor& buchstaben) {
        for (const QLabel* label : t.Texte)
            EXPECT_EQ(textfarbe(label), text);
        for (const QLabel* label : t.Werte)
            EXPECT_EQ(textfarbe(label), buchstaben);
        EXPECT_EQ(t.Punkte[0]->pinsel(), text);
    };

    t.Darstellen(typ, RolleListe, false);
    farben(Farbe(0x808080), Farbe(0x808080));
    QTest::mouseClick(t.Klickbild, Qt::LeftButton);
    EXPECT_TRUE(m_umgebung.klicks.empty());
    EXPECT_EQ(t.Klickbild->cursor().shape(), Qt::ArrowCursor);

    t.Darstellen(typ, RolleListe, true);
    farben(Farbe(0x000000), Farbe(0xFF0000));
    EXPECT_EQ(t.Klickbild->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(t.Klickbild, Qt::LeftButton, {}, QPoint(150, 30));
    EXPECT_EQ(m_umgebung.klicks, std::vector<int>({typ}));
}

TEST_P(JederTyp, AnzeigeZeigtDieStartwerteInDerUserFarbe)
{
    const int typ = GetParam();
    TFunktionsTerm& t = term(typ, RolleAnzeige);
    EXPECT_EQ(t.Texte[0]->text(), QStringLiteral("="));
    EXPECT_TRUE(t.Texte[0]->font().bold());
    EXPECT_EQ(textfarbe(t.Texte[0]), Farbe(0x000000));
    for (int i = 0; i < AnzahlParameter(typ); ++i) {
        EXPECT_TRUE(t.Werte[i]->font().bold());
        EXPECT_EQ(textfarbe(t.Werte[i]), m_umgebung.farbe);
    }
    for (int i = 1; i < AnzahlTexte(typ); ++i)
        EXPECT_EQ(textfarbe(t.Texte[i]), m_umgebung.farbe);
    EXPECT_EQ(m_umgebung.termBreite, -1) << "only an input equation reports its width";
}

TEST_P(JederTyp, EinrichtenSetztZurueck)
{
    const int typ = GetParam();
    TFunktionsTerm& eingabe = term(typ, RolleEingabe);
    eingabe.Eingaben[0]->setText(QStringLiteral("-7"));
    eingabe.Einrichten(typ, RolleEingabe);
    EXPECT_EQ(eingabe.Eingaben[0]->text(), QStringLiteral("1"));
    EXPECT_FALSE(eingabe.Tafel->isVisible());

    TFunktionsTerm& anzeige = term(typ, RolleAnzeige);
    anzeige.Parameter = {{-3, 5, 7, 9}};
    anzeige.Darstellen(typ, RolleAnzeige, true);
    anzeige.Einrichten(typ, RolleAnzeige);
    EXPECT_NE(anzeige.Parameter[0], -3);
    EXPECT_FALSE(anzeige.Tafel->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Typen, JederTyp, ::testing::Range(0, AnzahlTypen));

// A panel is made empty and hidden; its pieces come with its first preparation.
TEST(FunktionstermAufbau, TafelBleibtBisZumVorbereitenLeerUndVerborgen)
{
    QWidget fenster;
    Umgebung umgebung;
    TFunktionsTerm term(nullptr, &fenster, umgebung);
    fenster.show();
    EXPECT_FALSE(term.Tafel->isVisible());
    EXPECT_EQ(term.Texte[0], nullptr);
    term.Vorbereiten(Gerade, RolleAnzeige);
    EXPECT_EQ(term.Texte[0]->parentWidget(), term.Tafel);
}

TEST_F(FunktionstermTest, TafelnDerRollen)
{
    EXPECT_EQ(term(Gerade, RolleListe).Tafel->geometry().left(), 25);
    EXPECT_EQ(term(Gerade, RolleListe).Tafel->size(), QSize(193, 49));
    EXPECT_EQ(term(Gerade, RolleEingabe).Tafel->geometry(), QRect(232, 24, 300, 49));
    EXPECT_EQ(term(Gerade, RolleAnzeige).Tafel->geometry(), QRect(232, 24, 280, 49));
}

TEST_F(FunktionstermTest, VerborgeneStueckeHabenBreiteNull)
{
    TFunktionsTerm& t = term(Gerade, RolleAnzeige);
    t.Parameter = {{1, 0}};
    t.Darstellen(Gerade, RolleAnzeige, true);
    EXPECT_EQ(t.Werte[0]->width(), 0);
    EXPECT_EQ(t.Werte[1]->width(), 0);
    EXPECT_EQ(t.Punkte[0]->width(), 0);
    EXPECT_TRUE(t.Werte[0]->isVisible()) << "hidden by width, not by visibility";

    t.Parameter = {{2, 3}};
    t.Darstellen(Gerade, RolleAnzeige, true);
    EXPECT_EQ(t.Werte[0]->width(), t.Werte[0]->fontMetrics().horizontalAdvance(QStringLiteral("2")));
    EXPECT_EQ(t.Punkte[0]->width(), 4);
    EXPECT_LT(rechts(t.Werte[0]), t.Punkte[0]->x());
    EXPECT_LT(rechts(t.Punkte[0]), t.Texte[1]->x());
}

TEST_F(FunktionstermTest, HochzahlDerParabel)
{
    TFunktionsTerm& t = term(Parabel2, RolleAnzeige);
    EXPECT_EQ(t.Texte[3]->font().pixelSize(), 11);
    EXPECT_EQ(t.Texte[3]->y(), 9);

    t.Parameter = {{1, 2, 0}};
    t.Darstellen(Parabel2, RolleAnzeige, true);
    EXPECT_EQ(t.Texte[2]->text(), QStringLiteral(") "));
    EXPECT_EQ(t.Texte[3]->x(), t.Texte[2]->x() + 5) << "over the blank after the parenthesis";

    t.Parameter = {{1, 0, 0}};
    t.Darstellen(Parabel2, RolleAnzeige, true);
    EXPECT_EQ(t.Texte[1]->text(), QStringLiteral("x"));
    EXPECT_EQ(t.Texte[3]->x(), rechts(t.Texte[1]) + 1) << "right after the x";
}

TEST_F(FunktionstermTest, BruchstrichWaechstMitDemNenner)
{
    TFunktionsTerm& t = term(Hyperbel, RolleAnzeige);
    const Figur* strich = t.Punkte[0];
    EXPECT_EQ(strich->form(), Figur::Form::Rechteck);
    EXPECT_EQ(strich->geometry().top(), 22);
    EXPECT_EQ(strich->height(), 2);
    const int kurz = strich->width();

    t.Parameter = {{3, -2.5, 0}};
    t.Darstellen(Hyperbel, RolleAnzeige, true);
    EXPECT_GT(strich->width(), kurz);
    EXPECT_LE(strich->x(), t.Texte[1]->x());
    EXPECT_EQ(rechts(strich), rechts(t.Werte[1]) + 4);
    const QLabel* zaehler = t.Werte[0];
    EXPECT_EQ(zaehler->x(), strich->x() + (strich->width() - zaehler->width()) / 2);
    EXPECT_LT(zaehler->y() + zaehler->height(), t.Texte[1]->y() + 4) << "numerator above denominator";

    // A numerator wider than the bar reaches out to the left of it.
    t.Parameter = {{-0.33333, 0, 0}};
    t.Darstellen(Hyperbel, RolleAnzeige, true);
    ASSERT_GT(zaehler->width(), strich->width());
    EXPECT_EQ(zaehler->x(), strich->x() + (strich->width() - zaehler->width()) / 2);
    EXPECT_LT(zaehler->x(), strich->x());
}

TEST_F(FunktionstermTest, BruchstrichInListeUndEingabe)
{
    TFunktionsTerm& t = term(Hyperbel, RolleEingabe);
    EXPECT_EQ(t.Punkte[0]->geometry().top(), 23);
    EXPECT_EQ(t.Punkte[0]->height(), 1);
    EXPECT_EQ(t.Eingaben[0]->geometry(), QRect(t.Werte[0]->x(), 0, 35, 22));
    EXPECT_EQ(t.Eingaben[1]->geometry().top(), 25);
    EXPECT_EQ(t.Eingaben[1]->height(), 22);
    EXPECT_EQ(t.Eingaben[0]->x(), t.Punkte[0]->x() + (t.Punkte[0]->width() - 35) / 2);
}

TEST_F(FunktionstermTest, ErhobenesXDerExponentialfunktion)
{
    EXPECT_EQ(term(Exponential, RolleEingabe).Texte[2]->y(), 2);
    for (const int rolle : {RolleListe, RolleAnzeige}) {
        TFunktionsTerm& t = term(Exponential, rolle);
        EXPECT_EQ(t.Texte[2]->y(), 8);
        EXPECT_EQ(t.Texte[2]->font().pixelSize(), 13);
        EXPECT_EQ(t.Texte[2]->x(), rechts(t.Werte[1]) + 1);
    }
}

TEST_F(FunktionstermTest, NegativeFrequenzWirdZurueckgeschrieben)
{
    TFunktionsTerm& t = term(Sinus, RolleAnzeige);
    t.Parameter = {{1, -3, 0, 0}};
    t.Darstellen(Sinus, RolleAnzeige, true);
    EXPECT_EQ(t.Parameter[1], 3);
    EXPECT_EQ(t.Werte[1]->text(), QStringLiteral("3"));
}

TEST_F(FunktionstermTest, UserFarbeFaerbtAnzeigeNeu)
{
    TFunktionsTerm& t = term(Parabel3, RolleAnzeige);
    m_umgebung.farbe = Farbe(0x00FF00);
    t.Darstellen(Parabel3, RolleAnzeige, true);
    EXPECT_EQ(textfarbe(t.Texte[3]), Farbe(0x00FF00));
    EXPECT_EQ(textfarbe(t.Werte[0]), Farbe(0x00FF00));
    EXPECT_EQ(t.Punkte[0]->pinsel(), Farbe(0x00FF00));
    EXPECT_EQ(textfarbe(t.Texte[0]), Farbe(0x000000));
}

} // namespace

namespace {

// What each type's equation shows, written out: the fixed texts of the type
// list and the input equation, the letters, the edit texts and the start
// values of the pupil's function.
struct Vorgabe {
    int typ;
    std::array<const char*, 4> texte;
    const char* buchstaben;
    std::array<const char*, 4> eingaben;
    ParameterSatz start;
};

const Vorgabe Vorgaben[] = {
    {Gerade, {"f(x) =", "x +", nullptr, nullptr}, "mc", {"1", "0", "", ""}, {{1, 0, 0, 0}}},
    {Betrag, {"f(x) =", "|x +", "| +", nullptr}, "adc", {"1", "0", "0", ""}, {{1, 0, 0, 0}}},
    {Parabel2, {"f(x) =", "(x +", ")  +", "2"}, "adc", {"1", "0", "0", ""}, {{1, 0, 0, 0}}},
    {Parabel3, {"f(x) =", "(x +", ")  +", "3"}, "adc", {"1", "0", "0", ""}, {{1, 0, 0, 0}}},
    {Sinus, {"f(x) =", "sin(", "(x +", ")) +"}, "akdc", {"1", "1", "0", "0"}, {{1, 1, 0, 0}}},
    {Hyperbel, {"f(x) =", "x +", " +", nullptr}, "adc", {"1", "0", "0", ""}, {{1, 0, 0, 0}}},
    {Exponential, {"f(x) =", "  +", "x", nullptr}, "abc", {"1", "2", "0", ""}, {{1, 2, 0, 0}}},
};

class VorgabeTest : public FunktionstermTest, public ::testing::WithParamInterface<Vorgabe> {};

TEST_P(VorgabeTest, ListeZeigtTexteUndBuchstaben)
{
    const Vorgabe& v = GetParam();
    for (const int rolle : {RolleListe, RolleEingabe}) {
        TFunktionsTerm& t = term(v.typ, rolle);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(t.Texte[i]->isVisible(), v.texte[i] != nullptr) << "T" << i;
            if (v.texte[i] != nullptr) {
                EXPECT_EQ(t.Texte[i]->text(), QString::fromUtf8(v.texte[i])) << "T" << i << " role " << rolle;
            }
        }
    }
    TFunktionsTerm& liste = term(v.typ, RolleListe);
    const QString buchstaben = QString::fromLatin1(v.buchstaben);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(liste.Werte[i]->isVisible(), i < buchstaben.size());
        if (i < buchstaben.size()) {
            EXPECT_EQ(liste.Werte[i]->text(), buchstaben.mid(i, 1));
        }
    }
}

TEST_P(VorgabeTest, EingabeUndAnzeigeBeginnenMitDenStartwerten)
{
    const Vorgabe& v = GetParam();
    TFunktionsTerm& eingabe = term(v.typ, RolleEingabe);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(eingabe.Eingaben[i]->text(), QString::fromLatin1(v.eingaben[i])) << "E" << i;
    TFunktionsTerm& anzeige = term(v.typ, RolleAnzeige);
    anzeige.Parameter = {{-3, 5, 7, 9}};
    anzeige.Einrichten(v.typ, RolleAnzeige);
    EXPECT_EQ(anzeige.Parameter, v.start);
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, VorgabeTest, ::testing::ValuesIn(Vorgaben));

// The tops of the pieces that leave the common line: labels stand at 13,
// edit boxes at 11 and 25 high, dots at 22 and 4 by 4, unless a row says
// otherwise.
struct Hoehenlage {
    int typ;
    int rolle;
    std::array<int, 4> t, w;
    std::array<QRect, 4> e;     // role 1 only
    std::array<QRect, 2> s;     // as shown
};

QRect hoehe(int oben, int h) { return {0, oben, 0, h}; }
const QRect Punkt = hoehe(22, 4);
const QRect Ohne = hoehe(0, 0);

const Hoehenlage Hoehenlagen[] = {
    {Gerade, RolleEingabe, {13, 13, 13, 13}, {13, 13, 13, 13}, {hoehe(11, 25), hoehe(11, 25), Ohne, Ohne}, {Punkt, Ohne}},
    {Betrag, RolleListe, {13, 13, 13, 13}, {13, 13, 13, 13}, {}, {Punkt, Ohne}},
    {Parabel2, RolleAnzeige, {13, 13, 13, 9}, {13, 13, 13, 13}, {}, {Punkt, Ohne}},
    {Parabel3, RolleEingabe, {13, 13, 13, 9}, {13, 13, 13, 13}, {hoehe(11, 25), hoehe(11, 25), hoehe(11, 25), Ohne}, {Punkt, Ohne}},
    {Sinus, RolleListe, {13, 13, 13, 13}, {13, 13, 13, 13}, {}, {Punkt, Punkt}},
    {Hyperbel, RolleListe, {13, 24, 13, 13}, {2, 24, 13, 13}, {}, {hoehe(23, 1), Ohne}},
    {Hyperbel, RolleEingabe, {13, 24, 13, 13}, {2, 24, 13, 13}, {hoehe(0, 22), hoehe(25, 22), hoehe(11, 25), Ohne}, {hoehe(23, 1), Ohne}},
    {Hyperbel, RolleAnzeige, {13, 24, 13, 13}, {2, 24, 13, 13}, {}, {hoehe(22, 2), Ohne}},
    {Exponential, RolleListe, {13, 13, 8, 13}, {13, 13, 13, 13}, {}, {Punkt, Ohne}},
    {Exponential, RolleEingabe, {13, 13, 2, 13}, {13, 13, 13, 13}, {hoehe(11, 25), hoehe(11, 25), hoehe(11, 25), Ohne}, {Punkt, Ohne}},
    {Exponential, RolleAnzeige, {13, 13, 8, 13}, {13, 13, 13, 13}, {}, {Punkt, Ohne}},
};

class HoehenlageTest : public FunktionstermTest, public ::testing::WithParamInterface<Hoehenlage> {};

TEST_P(HoehenlageTest, JedesStueckStehtAufSeinerHoehe)
{
    const Hoehenlage& h = GetParam();
    TFunktionsTerm& t = term(h.typ, h.rolle);
    if (h.rolle == RolleAnzeige) { // the start values hide nothing that is measured here
        t.Parameter = {{2, 3, 4, 5}};
        t.Darstellen(h.typ, RolleAnzeige, true);
    }
    EXPECT_EQ(t.Texte[0]->x(), 8);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t.Texte[i]->y(), h.t[i]) << "T" << i;
        EXPECT_EQ(t.Werte[i]->y(), h.w[i]) << "W" << i;
        if (h.rolle == RolleEingabe && t.Eingaben[i]->isVisible()) {
            EXPECT_EQ(t.Eingaben[i]->y(), h.e[i].y()) << "E" << i;
            EXPECT_EQ(t.Eingaben[i]->height(), h.e[i].height()) << "E" << i;
        }
    }
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(t.Punkte[i]->isVisible(), h.s[i] != Ohne) << "S" << i;
        if (h.s[i] == Ohne)
            continue;
        EXPECT_EQ(t.Punkte[i]->y(), h.s[i].y()) << "S" << i;
        EXPECT_EQ(t.Punkte[i]->height(), h.s[i].height()) << "S" << i;
        if (h.typ != Hyperbel) {
            EXPECT_EQ(t.Punkte[i]->width(), 4) << "S" << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Typen, HoehenlageTest, ::testing::ValuesIn(Hoehenlagen));

// Typing into the boxes of an input equation.
class TippenTest : public FunktionstermTest, public ::testing::WithParamInterface<int> {
protected:
    QString tippe(QLineEdit* feld, const char* tasten)
    {
        feld->clear();
        QTest::keyClicks(feld, QString::fromLatin1(tasten));
        return feld->text();
    }
};

TEST_P(TippenTest, JedesFeldLaesstNurZahlzeichenDurch)
{
    const int typ = GetParam();
    TFunktionsTerm& t = term(typ, RolleEingabe);
    for (int i = 0; i < AnzahlParameter(typ); ++i) {
        // k of the sine and b of the exponential are never negative.
        const bool minus = !((typ == Sinus || typ == Exponential) && i == 1);
        EXPECT_EQ(tippe(t.Eingaben[i], "x-3.5/+e7"), MitTrenner(minus ? "-3,5/7" : "3,5/7")) << "E" << i;
        ASSERT_FALSE(m_umgebung.werte.empty());
        EXPECT_EQ(m_umgebung.werte.back(), std::make_pair(i, minus ? -0.5 : 0.5)) << "E" << i;
    }
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, TippenTest, ::testing::Range(0, AnzahlTypen));

TEST_F(FunktionstermTest, JedeDruckbareTaste)
{
    TFunktionsTerm& t = term(Gerade, RolleEingabe);
    QLineEdit* feld = t.Eingaben[1];
    const bool komma = QLocale().decimalPoint() == QStringLiteral(",");
    for (char taste = 33; taste < 127; ++taste) {
        feld->clear();
        QTest::keyClick(feld, taste);
        QString erwartet;
        if (std::isdigit(static_cast<unsigned char>(taste)) || taste == '-' || taste == '/')
            erwartet = QChar::fromLatin1(taste);
        else if (taste == '.' || taste == ',') // either key types the decimal separator
            erwartet = komma ? QStringLiteral(",") : QStringLiteral(".");
        EXPECT_EQ(feld->text(), erwartet) << "key " << taste;
    }
}

TEST_F(FunktionstermTest, VerworfeneTasteLaesstDieMarkierungStehen)
{
    TFunktionsTerm& t = term(Parabel2, RolleEingabe);
    QLineEdit* feld = t.Eingaben[0];
    feld->setText(QStringLiteral("12"));
    feld->selectAll();
    QTest::keyClick(feld, 'a');
    EXPECT_EQ(feld->text(), QStringLiteral("12"));
    QTest::keyClick(feld, '5');
    EXPECT_EQ(feld->text(), QStringLiteral("5"));
}

TEST_F(FunktionstermTest, KuerzelUndBearbeitungstastenWirkenWeiter)
{
    TFunktionsTerm& t = term(Betrag, RolleEingabe);
    QLineEdit* feld = t.Eingaben[2];
    feld->setText(QStringLiteral("123"));
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(feld, Qt::Key_Backspace);
    EXPECT_EQ(feld->text(), QString());
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(feld->text(), QStringLiteral("123"));
    QTest::keyClick(feld, Qt::Key_Home);
    QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClick(feld, ' ');
    EXPECT_EQ(feld->text(), QStringLiteral(" 23"));
    QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(feld->text(), QStringLiteral("23"));
}

TEST_F(FunktionstermTest, EingefuegterTextWirdGekuerztUndUmgerechnet)
{
    TFunktionsTerm& t = term(Sinus, RolleEingabe);
    QLineEdit* feld = t.Eingaben[1];
    feld->selectAll();
    feld->insert(QStringLiteral("-1E2abcdef")); // what a paste does, unfiltered
    EXPECT_EQ(feld->text(), QStringLiteral("-1E2ab"));
    EXPECT_EQ(m_umgebung.werte.back(), std::make_pair(1, 0.0));
    feld->setText(QStringLiteral("-1E2"));
    EXPECT_EQ(m_umgebung.werte.back(), std::make_pair(1, -100.0));
}

TEST_F(FunktionstermTest, EingabemethodeGehorchtDemFilter)
{
    TFunktionsTerm& t = term(Exponential, RolleEingabe);
    QLineEdit* feld = t.Eingaben[1];
    feld->clear();
    QInputMethodEvent komponiert;
    komponiert.setCommitString(QStringLiteral("-é4.5"));
    QApplication::sendEvent(feld, &komponiert);
    EXPECT_EQ(feld->text(), MitTrenner("4,5"));
}

TEST_F(FunktionstermTest, EingabetasteMeldetSichUndBleibtImFeld)
{
    TFunktionsTerm& t = term(Hyperbel, RolleEingabe);
    QSignalSpy bestaetigt(t.Eingaben[2], &QLineEdit::returnPressed);
    QTest::keyClick(t.Eingaben[2], Qt::Key_Return);
    EXPECT_EQ(bestaetigt.count(), 1) << "the key goes on to the box";
    QTest::keyClick(t.Eingaben[0], Qt::Key_Enter);
    EXPECT_EQ(m_umgebung.eingabetasten, 2);
    EXPECT_EQ(t.Eingaben[2]->text(), QStringLiteral("0"));
}

TEST_F(FunktionstermTest, FeldMarkiertBeimFokusAllesAuchNachEinemKlick)
{
    TFunktionsTerm& t = term(Gerade, RolleEingabe);
    QApplication::setActiveWindow(&m_fenster);
    t.Eingaben[0]->setText(QStringLiteral("-2,5"));
    t.Eingaben[1]->setFocus(Qt::TabFocusReason);
    t.Eingaben[0]->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(t.Eingaben[0]->selectedText(), QStringLiteral("-2,5"));
    t.Eingaben[1]->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(t.Eingaben[0], Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(t.Eingaben[0]->selectedText(), QStringLiteral("-2,5"));
    QTest::mouseClick(t.Eingaben[0], Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(t.Eingaben[0]->selectedText(), QString()) << "a second click places the cursor";
}

TEST_F(FunktionstermTest, EinrichtenMeldetDieStartwerteDerFelder)
{
    TFunktionsTerm& t = term(Exponential, RolleEingabe);
    t.Eingaben[1]->setText(QStringLiteral("5"));
    m_umgebung.werte.clear();
    t.Einrichten(Exponential, RolleEingabe);
    EXPECT_EQ(m_umgebung.werte, (std::vector<std::pair<int, double>>{{1, 2.0}}));
}

} // namespace

namespace {

// A text colour set on a widget stays its own, also when it equals what the
// widget inherits or already shows: a later colour of the parent does not
// reach it. Setting it again changes nothing.
struct Textfarbfall {
    const char* name;
    std::uint32_t eltern;  // the parent's text colour before
    std::uint32_t zuvor;   // set on the child before, 0xFFFFFFFF for none
    std::uint32_t gesetzt; // then set on the child
};

void PrintTo(const Textfarbfall& f, std::ostream* aus) { *aus << f.name; }

const Textfarbfall Textfarbfaelle[] = {
    {"geerbteFarbe", 0x0000FF, 0xFFFFFFFF, 0x0000FF},
    {"andereFarbe", 0x0000FF, 0xFFFFFFFF, 0x008000},
    {"nochmalDieselbe", 0x000000, 0x008000, 0x008000},
    {"wechsel", 0x000000, 0x008000, 0xFF0000},
};

class TextfarbeTest : public ::testing::TestWithParam<Textfarbfall> {};

TEST_P(TextfarbeTest, BleibtBeimKind)
{
    const Textfarbfall& f = GetParam();
    QWidget eltern;
    auto* kind = new QLabel(&eltern);
    SetzeTextfarbe(&eltern, Farbe(f.eltern));
    if (f.zuvor != 0xFFFFFFFF)
        SetzeTextfarbe(kind, Farbe(f.zuvor));
    SetzeTextfarbe(kind, Farbe(f.gesetzt));
    SetzeTextfarbe(&eltern, Farbe(0x808080));
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive})
        for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            EXPECT_EQ(kind->palette().color(gruppe, rolle), Farbe(f.gesetzt)) << gruppe << " " << rolle;
}

INSTANTIATE_TEST_SUITE_P(Faelle, TextfarbeTest, ::testing::ValuesIn(Textfarbfaelle));

} // namespace
