#include "term/funktionsterm.h"

#include "basis/aussehen.h"
#include "term/bausteine.h"
#include "model/zahltext.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "testhilfe.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Umgebung : public TermUmgebung {
public:
    QColor UserFarbe() const override { return farbe; }
    void TermBreiteMerken(int breite) override { termBreite = breite; }
    void TermAngeklickt(int Typ) override { klicks.push_back(Typ); }

    QColor farbe = Farbe(0x0000FF);
    int termBreite = -1;
    std::vector<int> klicks;
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
    const ParameterSatz start = Startwerte(typ);
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(t.Eingaben[i]->isVisible(), i < n) << "box " << i;
        EXPECT_FALSE(t.Werte[i]->isVisible());
        if (i >= n)
            continue;
        EXPECT_EQ(t.Eingaben[i]->x(), t.Werte[i]->x());
        EXPECT_EQ(t.Eingaben[i]->width(), 35);
        EXPECT_EQ(t.Eingaben[i]->maxLength(), 6);
        EXPECT_EQ(t.Eingaben[i]->text(), Zahltext(start[i]));
        EXPECT_GE(t.Eingaben[i]->x(), rechts(t.Texte[0])) << "box " << i << " overlaps \"f(x) =\"";
    }
    const QLineEdit* letzte = t.Eingaben[n - 1];
    EXPECT_EQ(m_umgebung.termBreite, rechts(letzte));
    EXPECT_LE(m_umgebung.termBreite, t.Tafel->width()) << "the equation is clipped";
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
    for (int i = 0; i < AnzahlParameter(typ); ++i) {
        EXPECT_EQ(t.Werte[i]->text(), Buchstabe(typ, i));
        EXPECT_EQ(t.Werte[i]->width(), t.Werte[i]->fontMetrics().horizontalAdvance(Buchstabe(typ, i)));
    }
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
    EXPECT_EQ(t.Parameter, Startwerte(typ));
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
    EXPECT_EQ(anzeige.Parameter, Startwerte(typ));
    EXPECT_FALSE(anzeige.Tafel->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Typen, JederTyp, ::testing::Range(0, AnzahlTypen));

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
