// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

namespace {

using Art = AufzeichnendeDialoge::Art;

TEST_F(FensterTest, MeldungenZeigenHinweiseUndFehlerInIhrerReihenfolge)
{
    form.ZeigeMeldungen({{Meldung::Art::Hinweis, QStringLiteral("Kommentar")},
                         {Meldung::Art::Fehler, QStringLiteral("kaputt")},
                         {Meldung::Art::Hinweis, QStringLiteral("noch einer")}});
    ASSERT_EQ(dialoge.boxen.size(), 3U);
    EXPECT_EQ(dialoge.boxen[0].art, Art::Meldung);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("Aufgabendatei einlesen"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Kommentar"));
    EXPECT_EQ(dialoge.boxen[1].art, Art::Fehler);
    EXPECT_EQ(dialoge.boxen[1].titel, QStringLiteral("Fehler"));
    EXPECT_EQ(dialoge.boxen[1].text, QStringLiteral("kaputt"));
    EXPECT_EQ(dialoge.boxen[2].text, QStringLiteral("noch einer"));
}

TEST_F(FensterTest, EinLesefehlerBeendetDieMeldungen)
{
    const QString text = QStringLiteral("'x\0y' ist kein gültiger Integerwert");
    try {
        form.ZeigeMeldungen({{Meldung::Art::Hinweis, QStringLiteral("Kommentar")},
                             {Meldung::Art::Lesefehler, text},
                             {Meldung::Art::Hinweis, QStringLiteral("danach")}});
        ADD_FAILURE() << "the conversion error must leave the handler";
    } catch (const Lesefehler& fehler) {
        EXPECT_EQ(fehler.Text(), text) << "the whole text, past a NUL byte from the file";
    }
    ASSERT_EQ(dialoge.boxen.size(), 1U) << "the comment is shown first, nothing after the error";
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Kommentar"));
}

} // namespace
