// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/fehlerbericht.h"

#include "model/funktion.h"
#include "tasks/meldung.h"
#include "testhilfe.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FehlerberichtTest : public ::testing::Test {
protected:
    AufzeichnendeDialoge dialoge;
    QWidget fenster;
    Fehlerbericht bericht{dialoge, &fenster};
};

TEST_F(FehlerberichtTest, MeldetRechenfehlerUndLaeuftWeiter)
{
    QPushButton knopf(&fenster);
    int klicks = 0;
    Verbinde(bericht, &knopf, &QPushButton::clicked, &knopf, [&] {
        ++klicks;
        if (klicks == 1)
            throw Rechenfehler();
    });

    QTest::mouseClick(&knopf, Qt::LeftButton);
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].art, AufzeichnendeDialoge::Art::Fehler);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("Kurvix"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Ungültige Gleitkommaoperation."));

    QTest::mouseClick(&knopf, Qt::LeftButton);
    EXPECT_EQ(klicks, 2) << "the program goes on after the report";
    EXPECT_EQ(dialoge.boxen.size(), 1U);
}

TEST_F(FehlerberichtTest, MeldetLesefehlerMitIhremText)
{
    bericht.Ausfuehren([] { throw Lesefehler(QStringLiteral("'x' ist kein gültiger Integerwert")); });
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].art, AufzeichnendeDialoge::Art::Fehler);
    EXPECT_EQ(dialoge.boxen[0].titel, QStringLiteral("Kurvix"));
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("'x' ist kein gültiger Integerwert."));
}

TEST_F(FehlerberichtTest, FehlerImInnerenHandlerBeendetDasGanzeEreignis)
{
    bool weitergearbeitet = false;
    bericht.Ausfuehren([&] {
        bericht.Ausfuehren([] { throw Rechenfehler(); });
        weitergearbeitet = true;
    });
    EXPECT_FALSE(weitergearbeitet);
    EXPECT_EQ(dialoge.boxen.size(), 1U);

    bericht.Ausfuehren([&] { weitergearbeitet = true; });
    EXPECT_TRUE(weitergearbeitet) << "the boundary is open again";
}

// A modal window runs its own event loop inside the handler that opened
// it; an error in one of its handlers ends there, and the window goes on.
TEST_F(FehlerberichtTest, FehlerInEinemModalenFensterEndetDort)
{
    bool schleifeLiefWeiter = false;
    bool weitergearbeitet = false;
    bericht.Ausfuehren([&] {
        QEventLoop schleife;
        QTimer::singleShot(0, &schleife, [&] {
            bericht.Ausfuehren([] { throw Rechenfehler(); });
            schleifeLiefWeiter = true;
            schleife.quit();
        });
        schleife.exec();
        weitergearbeitet = true;
    });
    EXPECT_TRUE(schleifeLiefWeiter);
    EXPECT_TRUE(weitergearbeitet);
    ASSERT_EQ(dialoge.boxen.size(), 1U);
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Ungültige Gleitkommaoperation."));
}

TEST_F(FehlerberichtTest, FremdeFehlerWerdenAuchGemeldet)
{
    bericht.Ausfuehren([] { throw std::bad_alloc(); });
    bericht.Ausfuehren([] { throw std::out_of_range("index"); });
    bericht.Ausfuehren([] { throw 42; });
    ASSERT_EQ(dialoge.boxen.size(), 3U);
    EXPECT_EQ(dialoge.boxen[0].text, QStringLiteral("Zu wenig Arbeitsspeicher."));
    EXPECT_EQ(dialoge.boxen[1].text, QStringLiteral("Unerwarteter Fehler: index."));
    EXPECT_EQ(dialoge.boxen[2].text, QStringLiteral("Unerwarteter Fehler."));
}

} // namespace
