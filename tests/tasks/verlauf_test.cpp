// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The history of a run, the figures of the gauge and the record's XMP form.

#include "tasks/protokoll.h"
#include "testhilfe.h"

#include <gtest/gtest.h>

namespace {

// One letter per task: R right at once, W wrong then right, F wrong,
// S skipped, O open.
std::vector<Protokollaufgabe> aufgaben(const char* verlauf)
{
    std::vector<Protokollaufgabe> liste;
    const Antwort richtig{Gerade, {{2, 1, 0, 0}}, true};
    const Antwort falsch{Gerade, {{2, 5, 0, 0}}, false};
    for (const char* c = verlauf; *c != '\0'; ++c) {
        Protokollaufgabe a{true, Gerade, {{2, 1, 0, 0}}, {}, {}, *c == 'S'};
        if (*c == 'R')
            a.Antworten = {richtig};
        if (*c == 'W' || *c == 'F')
            a.Antworten = {falsch};
        if (*c == 'W')
            a.Antworten.push_back(richtig);
        liste.push_back(a);
    }
    return liste;
}

struct Zaehlfall {
    const char* verlauf;
    Zusammenfassung erwartet;
};

class ZaehleTest : public ::testing::TestWithParam<Zaehlfall> {};

TEST_P(ZaehleTest, WieDerBalken)
{
    EXPECT_EQ(Zaehle(aufgaben(GetParam().verlauf)), GetParam().erwartet) << GetParam().verlauf;
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZaehleTest,
                         ::testing::Values(Zaehlfall{"", {0, 0, 0}}, Zaehlfall{"O", {0, 0, 0}},
                                           Zaehlfall{"RWFSO", {4, 1, 25}}, Zaehlfall{"RRRF", {4, 3, 75}},
                                           Zaehlfall{"OOR", {3, 1, 33}}, Zaehlfall{"WSOO", {2, 0, 0}}));

TEST(Verlauf, HaeltAufgabenAntwortenUndArbeitsformen)
{
    Verlauf v;
    v.Beantwortet(Gerade, {}, true); // nothing posed yet: no answer to keep
    v.LoesungswegAngesehen();
    v.Gestellt(true, QStringLiteral("Test"), Parabel2, {{1, -2, 1, 0}}, {});
    v.Beantwortet(Gerade, {{1, 2, 0, 0}}, false);
    v.Beantwortet(Gerade, {{1, 2, 0, 0}}, false); // redrawn by a display option
    v.Beantwortet(Parabel2, {{1, -2, 1, 0}}, true);
    v.Gestellt(true, QStringLiteral("Test"), Sinus, {{1, 1, 0, 0}}, {});
    v.Uebersprungen();
    v.Gestellt(false, QStringLiteral("a.sba: Kommentar"), Gerade, {{1, 0, 0, 0}}, {1, {-4, 0}, {-1, 0}});
    v.LoesungswegAngesehen();
    v.Beantwortet(Gerade, {{1, 0, 0, 0}}, true);
    v.Gestellt(true, QStringLiteral("Test"), Gerade, {{3, 0, 0, 0}}, {});

    ASSERT_EQ(v.Aufgaben().size(), 4u);
    const Protokollaufgabe& erste = v.Aufgaben()[0];
    ASSERT_EQ(erste.Antworten.size(), 2u);
    EXPECT_EQ(erste.Antworten[0], (Antwort{Gerade, {{1, 2, 0, 0}}, false}));
    EXPECT_EQ(erste.Antworten[1], (Antwort{Parabel2, {{1, -2, 1, 0}}, true}));
    EXPECT_FALSE(erste.ErsterVersuchRichtig());
    EXPECT_TRUE(erste.Geloest());
    EXPECT_TRUE(v.Aufgaben()[1].Uebersprungen);
    EXPECT_FALSE(v.Aufgaben()[1].Geloest());
    EXPECT_EQ(v.Aufgaben()[2].Abschnitte.Anzahl, 1);
    EXPECT_FALSE(v.Aufgaben()[2].Geloest()) << "right only after the solution was shown";
    EXPECT_FALSE(erste.LoesungswegAngesehen);
    EXPECT_EQ(v.Arbeitsformen(), Texte({"Test", "a.sba: Kommentar", "Test"}));
    EXPECT_EQ(Testaufgaben(v.Aufgaben()).size(), 3u);
}

Testprotokoll beispiel()
{
    Testprotokoll p{QStringLiteral("Zoë \"Ø\" <Åsa> & 李"),
                    QStringLiteral("10b"),
                    QDateTime(QDate(2026, 12, 9), QTime(11, 5)),
                    QStringLiteral("reihe.sba: Verschiebe & strecke"),
                    QStringLiteral("0.1.0"),
                    {}};
    p.Aufgaben.push_back({false, Parabel2, {{-0.5, 1e-5, 3, 0}}, {2, {-4, 1}, {-1, 4}},
                          {{Hyperbel, {{1, 0, 0, 0}}, false}, {Parabel2, {{-0.5, 1e-5, 3, 0}}, true}}, false});
    p.Aufgaben.push_back({false, Sinus, {{1, 2, 0.1, -1}}, {}, {}, true, true});
    return p;
}

// A PDF's bytes around the packet, as a writer leaves them.
QByteArray alsPdf(const QByteArray& xmp) { return "%PDF-1.4\n1 0 obj\n<< /Length 9 >>\nstream\n" + xmp + "\nendstream\n%%EOF\n"; }

TEST(Protokollxmp, WirdWiederGelesen)
{
    const std::optional<Testprotokoll> p = LiesProtokoll(alsPdf(ProtokollXmp(beispiel())));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Name, QStringLiteral("Zoë \"Ø\" <Åsa> & 李"));
    EXPECT_EQ(p->Klasse, QStringLiteral("10b"));
    EXPECT_EQ(p->Zeit, QDateTime(QDate(2026, 12, 9), QTime(11, 5)));
    EXPECT_EQ(p->Arbeitsform, QStringLiteral("reihe.sba: Verschiebe & strecke"));
    EXPECT_EQ(p->Version, QStringLiteral("0.1.0"));
    ASSERT_EQ(p->Aufgaben.size(), 2u);
    const Protokollaufgabe& a = p->Aufgaben[0];
    EXPECT_FALSE(a.Test);
    EXPECT_EQ(a.Typ, Parabel2);
    EXPECT_EQ(a.Parameter, (ParameterSatz{{-0.5, 1e-5, 3, 0}}));
    EXPECT_EQ(a.Abschnitte.Anzahl, 2);
    EXPECT_EQ(a.Abschnitte.Von, (std::array<double, 2>{-4, 1}));
    EXPECT_EQ(a.Abschnitte.Bis, (std::array<double, 2>{-1, 4}));
    EXPECT_EQ(a.Antworten, (std::vector<Antwort>{{Hyperbel, {{1, 0, 0, 0}}, false}, {Parabel2, {{-0.5, 1e-5, 3, 0}}, true}}));
    EXPECT_FALSE(a.Uebersprungen);
    EXPECT_FALSE(a.LoesungswegAngesehen);
    EXPECT_TRUE(p->Aufgaben[1].LoesungswegAngesehen);
    EXPECT_EQ(p->Aufgaben[1].Parameter, (ParameterSatz{{1, 2, 0.1, -1}}));
    EXPECT_TRUE(p->Aufgaben[1].Uebersprungen);
    EXPECT_TRUE(p->Aufgaben[1].Antworten.empty());
}

TEST(Protokollxmp, FremdesOderKaputtesWirdNichtGelesen)
{
    const QByteArray xmp = ProtokollXmp(beispiel());
    QByteArray falscherTyp = xmp;
    falscherTyp.replace("vorgabe=\"3 ", "vorgabe=\"9 ");
    QByteArray riesigerTyp = xmp;
    riesigerTyp.replace("vorgabe=\"3 ", "vorgabe=\"1e300 ");
    QByteArray falschesUrteil = xmp;
    falschesUrteil.replace(" richtig\"", " vielleicht\"");
    for (const QByteArray& pdf : {QByteArray(), QByteArray("%PDF-1.4\n%%EOF\n"), alsPdf(xmp).left(xmp.size() / 2 + 40),
                                  alsPdf(xmp.left(xmp.indexOf("<rdf:Seq>"))), alsPdf(falscherTyp), alsPdf(riesigerTyp), alsPdf(falschesUrteil),
                                  alsPdf(xmp).replace("urn:kurvix:testprotokoll:1", "urn:andere")})
        EXPECT_FALSE(LiesProtokoll(pdf)) << pdf.left(300).toStdString();
}

TEST(Protokolldateiname, OhneVerboteneZeichen)
{
    const QDate tag(2026, 12, 9);
    const std::pair<const char*, const char*> faelle[] = {
        {"Jürgen Ölmann", "Testprotokoll_Jürgen Ölmann_2026-12-09.pdf"},
        {"a/b\\c:d*e?f\"g<h>i|j\tk", "Testprotokoll_abcdefghij k_2026-12-09.pdf"},
        {"../../etc", "Testprotokoll_etc_2026-12-09.pdf"},
        {"  ", "Testprotokoll_2026-12-09.pdf"},
        {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
         "Testprotokoll_xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx_2026-12-09.pdf"},
    };
    for (const auto& [name, datei] : faelle)
        EXPECT_EQ(Protokolldateiname(QString::fromUtf8(name), tag), QString::fromUtf8(datei)) << name;
}

} // namespace
