#include "tasks/aufgabenreihe.h"
#include "tasks/dateiinhalt.h"

#include "testhilfe.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace {

const QByteArray Kopf =
    "* Aufgabendatei f\xFCr Programm zum Verschieben und Strecken von Schaubildern von Talvenhorn *\r\n";

// Everything a series holds but the Urtexts, doubles bit for bit (so -0
// differs from 0), one field a line.
QString bild(const Aufgabenreihe& reihe)
{
    const auto bits = [](double v) { return QString::number(std::bit_cast<quint64>(v), 16); };
    QStringList teile{reihe.Kommentar, reihe.VorKommentar.join(u'|'), reihe.VorTypen.join(u'|'),
                      reihe.Schluss.join(u'|')};
    for (const int typ : reihe.ErlaubteTypen)
        teile << QString::number(typ);
    for (const Reiheneintrag& eintrag : reihe.Aufgaben) {
        const Reihenaufgabe& a = eintrag.Aufgabe;
        teile << eintrag.Bemerkungen.join(u'|') << QString::number(a.Typ) << QString::number(a.Abschnitte.Anzahl);
        for (const double p : a.Parameter.P)
            teile << bits(p);
        for (std::size_t n = 0; n < static_cast<std::size_t>(a.Abschnitte.Anzahl); ++n)
            teile << bits(a.Abschnitte.Von[n]) + u';' + bits(a.Abschnitte.Bis[n]);
    }
    return teile.join(u'\n');
}

QByteArray geschrieben(const Aufgabenreihe& reihe, QStringView trenner = u",")
{
    const std::variant<QByteArray, QString> ergebnis = SchreibeAufgabenreihe(reihe, trenner);
    if (const QString* grund = std::get_if<QString>(&ergebnis))
        ADD_FAILURE() << "refused: " << grund->toStdString();
    const QByteArray* bytes = std::get_if<QByteArray>(&ergebnis);
    return bytes ? *bytes : QByteArray();
}

Aufgabenreihe ohneUrtexte(Aufgabenreihe reihe)
{
    reihe.KommentarUrtext.reset();
    reihe.TypenUrtext.reset();
    for (Reiheneintrag& eintrag : reihe.Aufgaben)
        eintrag.Urtext.reset();
    return reihe;
}

class ReihenBeispielTest : public ::testing::TestWithParam<QString> {};

TEST_P(ReihenBeispielTest, BleibtBeimSchreibenBytegenauUndNeuGeschriebenGleich)
{
    const QByteArray bytes = LiesDateiinhalt(QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(GetParam()));
    const GeleseneReihe gelesen = LiesAufgabenreihe(bytes, u",");
    ASSERT_TRUE(gelesen.KopfGelesen);
    EXPECT_EQ(geschrieben(gelesen.Reihe), bytes);
    const GeleseneReihe wieder = LiesAufgabenreihe(geschrieben(ohneUrtexte(gelesen.Reihe)), u",");
    EXPECT_EQ(bild(wieder.Reihe), bild(gelesen.Reihe));
    EXPECT_EQ(wieder.Meldungen, gelesen.Meldungen);
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, ReihenBeispielTest,
    ::testing::ValuesIn(QDir(QStringLiteral(KURVIX_BEISPIELE)).entryList({QStringLiteral("*.sba")}, QDir::Files)));

TEST(Aufgabenreihe, LiestJedeZeileAnIhrenPlatz)
{
    const GeleseneReihe gelesen = LiesAufgabenreihe(
        Kopf + "*a\r\n  Kommentar\r\n\r\n1 3\r\n*b\r\n  3 0,5 -2 x (-4;1)\r\n   \r\n9\r\n*c", u",");
    Aufgabenreihe erwartet{QStringLiteral("Kommentar"), {0, 2}, {}, {"*a"}, {""}, {"*c"}, {}, {}};
    erwartet.Aufgaben = {{{"*b"}, {2, {{0.5, -2, 0, 0}}, {1, {-4, 0}, {1, 0}}}, {}},
                         {{"   "}, {KeinTyp, {{1, 0, 0, 0}}, {}}, {}}};
    EXPECT_EQ(bild(gelesen.Reihe), bild(erwartet));
    EXPECT_EQ(gelesen.Reihe.KommentarUrtext, QStringLiteral("  Kommentar"));
    EXPECT_EQ(gelesen.Reihe.TypenUrtext, QStringLiteral("1 3"));
    EXPECT_EQ(gelesen.Reihe.Aufgaben[0].Urtext, QStringLiteral("  3 0,5 -2 x (-4;1)"));
    EXPECT_EQ(gelesen.Meldungen, (std::vector<Meldung>{{Meldung::Art::Hinweis, QStringLiteral("Kommentar")}}));

    const GeleseneReihe fehlerhaft = LiesAufgabenreihe(Kopf + "K\r\n1 1\r\n3 1\r\n", u",");
    EXPECT_FALSE(fehlerhaft.KopfGelesen);
    erwartet = {};
    erwartet.Aufgaben = {{{}, {2, {{1, 0, 0, 0}}, {}}, {}}};
    EXPECT_EQ(bild(fehlerhaft.Reihe), bild(erwartet));
    EXPECT_EQ(fehlerhaft.Meldungen.size(), 3U) << "the comment, the doubled type, the missing values";
}

TEST(Aufgabenreihe, SchreibtKopfzeileCrLfWindows1252UndKuerzesteZahlen)
{
    Aufgabenreihe reihe{QStringLiteral("Übung € 1"), {2, 4}, {}, {"* a"}, {}, {}, {}, {}};
    reihe.Aufgaben = {{{"", "* Parabel"}, {2, {{0.5, -2, 1e-5, 0}}, {1, {-4, 0}, {-0.0, 0}}}, {}},
                      {{}, {4, {{1, 0.33333, -0.0, 1e20}}, {}}, {}}};
    EXPECT_EQ(geschrieben(reihe), Kopf + "* a\r\n\xDC" "bung \x80 1\r\n3 5\r\n\r\n* Parabel\r\n"
                                         "3 0,5 -2 1E-5 (-4;-0)\r\n5 1 0,33333 -0 1E20\r\n");
    EXPECT_TRUE(geschrieben(reihe, u".").endsWith("\r\n5 1 0.33333 -0 1E20\r\n"));

    // The reader opens a file only when a line follows the type line.
    const Aufgabenreihe leer{QStringLiteral("K"), {0}, {}, {}, {}, {}, {}, {}};
    EXPECT_EQ(geschrieben(leer), Kopf + "K\r\n1\r\n\r\n");
    const GeleseneReihe gelesen = LiesAufgabenreihe(geschrieben(leer), u",");
    EXPECT_TRUE(gelesen.KopfGelesen);
    EXPECT_EQ(bild(gelesen.Reihe), bild(leer));
}

struct Verweigerung {
    const char* name;
    std::function<void(Aufgabenreihe&)> aendere;
    const char* grund;
};

#define ZEILENUMBRUCH "enthält einen Zeilenumbruch oder ein Dateiende-Zeichen (Strg+Z); eine Zeile kann keines aufnehmen."
#define KEINE_BEMERKUNG \
    "soll eine Bemerkung sein, beginnt aber nicht mit „*“ und ist nicht leer; das Programm läse sie als Aufgabe."
#define FREMDES_ZEICHEN "das eine Aufgabendatei (Windows-1252) nicht aufnehmen kann."
#define LEER "Der Kommentar ist leer; ohne ihn lässt sich die Datei nicht öffnen."

const Verweigerung Verweigerungen[] = {
    {"KommentarLeer", [](auto& r) { r.Kommentar = ""; }, LEER},
    {"KommentarAusLeerzeichen", [](auto& r) { r.Kommentar = "   "; }, LEER},
    {"KommentarMitStern", [](auto& r) { r.Kommentar = "* Übung"; }, "Der Kommentar beginnt mit „*“; das Programm läse ihn als Bemerkung."},
    {"KommentarEingerueckt", [](auto& r) { r.Kommentar = " Übung"; }, "Der Kommentar beginnt mit einem Leerzeichen, das das Programm nicht zeigt."},
    {"KommentarZweizeilig", [](auto& r) { r.Kommentar = "Übung\r\nTeil 2"; }, "Zeile 2 " ZEILENUMBRUCH},
    {"KommentarMitLf", [](auto& r) { r.Kommentar = "Übung\nTeil 2"; }, "Zeile 2 " ZEILENUMBRUCH},
    {"BemerkungMitStrgZ", [](auto& r) { r.VorKommentar = {"*\x1A"}; }, "Zeile 2 " ZEILENUMBRUCH},
    {"KommentarMitHaken", [](auto& r) { r.Kommentar = "Haken ✓"; }, "Zeile 2 enthält das Zeichen „✓“ (U+2713), " FREMDES_ZEICHEN},
    {"BemerkungMitEmoji", [](auto& r) { r.VorTypen = {"* 😀"}; }, "Zeile 3 enthält das Zeichen „😀“ (U+1F600), " FREMDES_ZEICHEN},
    {"BemerkungOhneStern", [](auto& r) { r.Aufgaben[0].Bemerkungen = {"Notiz"}; }, "Zeile 4 " KEINE_BEMERKUNG},
    {"SchlussEingerueckt", [](auto& r) { r.Schluss = {" *"}; }, "Zeile 5 " KEINE_BEMERKUNG},
    {"KeinTyp", [](auto& r) { r.ErlaubteTypen = {}; }, "Die Reihe nennt keinen Funktionstyp."},
    {"TypDoppelt", [](auto& r) { r.ErlaubteTypen = {2, 2}; }, "Die Typenzeile nennt einen Typ doppelt oder einen, den es nicht gibt."},
    {"AufgabeOhneTyp", [](auto& r) { r.Aufgaben[0].Aufgabe.Typ = KeinTyp; }, "Zeile 4 soll eine Aufgabe sein, die keinen Funktionstyp hat."},
    {"WertUnendlich", [](auto& r) { r.Aufgaben[0].Aufgabe.Parameter[2] = std::numeric_limits<double>::infinity(); }, "Zeile 4 enthält einen Wert, der keine endliche Zahl ist."},
    {"DreiAbschnitte", [](auto& r) { r.Aufgaben[0].Aufgabe.Abschnitte.Anzahl = 3; }, "Zeile 4 soll eine Aufgabe mit mehr als zwei Abschnitten sein."},
    {"UrtextIstBemerkung", [](auto& r) { r.Aufgaben[0].Urtext = "* 3 1 0 0"; }, "Zeile 4 soll eine Aufgabe sein, ist aber leer oder eine Bemerkung."},
};

class VerweigerungTest : public ::testing::TestWithParam<Verweigerung> {};

TEST_P(VerweigerungTest, NenntDenGrundStattZuSchreiben)
{
    Aufgabenreihe reihe{QStringLiteral("Übung"), {2}, {{{}, {2, {{1, 0, 0, 0}}, {}}, {}}}, {}, {}, {}, {}, {}};
    GetParam().aendere(reihe);
    const std::variant<QByteArray, QString> ergebnis = SchreibeAufgabenreihe(reihe, u",");
    ASSERT_TRUE(std::holds_alternative<QString>(ergebnis));
    EXPECT_EQ(std::get<QString>(ergebnis), QString::fromUtf8(GetParam().grund));
}

INSTANTIATE_TEST_SUITE_P(Reihen, VerweigerungTest, ::testing::ValuesIn(Verweigerungen),
                         [](const auto& info) { return std::string(info.param.name); });

// Random series with the numbers that are hard to write back exactly.
class Zufallsreihe {
public:
    Aufgabenreihe Ziehe()
    {
        Aufgabenreihe reihe;
        reihe.Kommentar = zeichen(u"ÄÖÜäöüßabcXYZ09€„“–(;)") + text();
        reihe.VorKommentar = bemerkungen();
        reihe.VorTypen = bemerkungen();
        Typliste alle{0, 1, 2, 3, 4, 5, 6};
        std::shuffle(alle.begin(), alle.end(), m_gen);
        reihe.ErlaubteTypen.assign(alle.begin(), alle.begin() + zahl(1, 7));
        for (int n = zahl(1, 5); n > 0; --n)
            reihe.Aufgaben.push_back({bemerkungen(), aufgabe(), {}});
        reihe.Schluss = bemerkungen();
        return reihe;
    }

private:
    int zahl(int von, int bis) { return std::uniform_int_distribution(von, bis)(m_gen); }
    QString zeichen(QStringView auswahl) { return auswahl.at(zahl(0, static_cast<int>(auswahl.size()) - 1)); }

    QString text()
    {
        QString t;
        for (int n = zahl(0, 12); n > 0; --n)
            t += zeichen(u"ÄÖÜäöüßabcXYZ09€„“– *,.;()");
        return t;
    }

    QStringList bemerkungen()
    {
        QStringList zeilen;
        for (int n = zahl(0, 2); n > 0; --n)
            zeilen << (zahl(0, 3) == 0 ? QString(zahl(0, 3), u' ') : QStringLiteral("*") + text());
        return zeilen;
    }

    double wert()
    {
        switch (zahl(0, 6)) {
        case 0: return zahl(-9, 9);
        case 1: return std::round(100000.0 * zahl(-9, 9) / zahl(1, 9)) / 100000; // a fraction as a box counts it
        case 2: return -0.0;
        case 3: return zahl(0, 1) ? 1e-5 : 1e20;
        case 4: return std::uniform_real_distribution(-10.0, 10.0)(m_gen);
        case 5: return zahl(0, 1) ? -8 : 8;
        default: {
            double v = 0;
            do
                v = std::bit_cast<double>(std::uniform_int_distribution<quint64>()(m_gen));
            while (!std::isfinite(v));
            return v;
        }
        }
    }

    Reihenaufgabe aufgabe()
    {
        Reihenaufgabe a;
        a.Typ = zahl(0, 6);
        for (int i = 0; i < AnzahlParameter(a.Typ); ++i)
            a.Parameter[i] = wert();
        a.Abschnitte.Anzahl = zahl(0, 2);
        for (std::size_t n = 0; n < static_cast<std::size_t>(a.Abschnitte.Anzahl); ++n) {
            a.Abschnitte.Von[n] = wert();
            a.Abschnitte.Bis[n] = wert();
        }
        return a;
    }

    std::mt19937_64 m_gen{20261209};
};

TEST(Aufgabenreihe, ZehntausendZufallsreihenLesenSichGleichZurueck)
{
    Zufallsreihe zufall;
    for (int n = 0; n < 10000; ++n) {
        const Aufgabenreihe reihe = zufall.Ziehe();
        const QStringView trenner = n % 2 ? u"." : u",";
        const QByteArray bytes = geschrieben(reihe, trenner);
        const GeleseneReihe gelesen = LiesAufgabenreihe(bytes, trenner);
        if (!gelesen.KopfGelesen || bild(gelesen.Reihe) != bild(reihe) || gelesen.Meldungen.size() != 1) {
            ADD_FAILURE() << "series " << n << ":\n" << bytes.toStdString();
            return;
        }
    }
}

} // namespace
