// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenstertest.h"

#include "dialogs/infobox.h"

#include <QApplication>
#include <QTest>

namespace {

// The user closes the window with "Ok" unless a test says otherwise.
class InfoTest : public FensterTest {
protected:
    InfoTest()
    {
        dialoge.bedienung = [](QDialog& fenster) {
            QTest::mouseClick(fenster.findChild<QWidget*>(QStringLiteral("BOk")), Qt::LeftButton);
        };
    }

    // A click as the window system delivers it, which a modal window blocks.
    void klickeZeichnen()
    {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, zeichnen->mapTo(&form, zeichnen->rect().center()));
    }

    void klickeInfo() { form.findChild<QAction*>(QStringLiteral("MenInfo"))->trigger(); }
    TInfoBox* infoBox() const { return form.findChild<TInfoBox*>(); }
};

// Start-up does not build the window; the first click does.
TEST_F(InfoTest, EntstehtErstBeimErstenKlick)
{
    EXPECT_EQ(infoBox(), nullptr);
    klickeInfo();
    TInfoBox* box = infoBox();
    ASSERT_NE(box, nullptr);
    klickeInfo();
    EXPECT_EQ(infoBox(), box) << "every click shows the same window";
    EXPECT_EQ(dialoge.gezeigt, QStringList({"InfoBox", "InfoBox"}));
}

// While it is open it is the modal window and the main window takes no
// clicks; "Ok" closes it and leaves the main window exactly as it was.
TEST_F(InfoTest, ModalUndDanachIstAllesWieVorher)
{
    zeichneBeide();
    int klicks = 0;
    QObject::connect(zeichnen, &QPushButton::clicked, [&klicks] { ++klicks; });
    const QImage vorher = form.grab().toImage();
    const auto schliessen = dialoge.bedienung;
    bool warModal = false;
    dialoge.bedienung = [&](QDialog& fenster) {
        warModal = QApplication::activeModalWidget() == &fenster;
        klickeZeichnen();
        schliessen(fenster);
    };
    klickeInfo();
    EXPECT_TRUE(warModal);
    EXPECT_EQ(klicks, 0) << "a click into the main window went through";
    EXPECT_FALSE(infoBox()->isVisible());
    EXPECT_EQ(infoBox()->result(), QDialog::Accepted);
    EXPECT_EQ(form.grab().toImage(), vorher);
    EXPECT_EQ(form.Ablauf().Modus(), Modus::Uebung);
    EXPECT_EQ(form.Ablauf().UserTyp(), Hyperbel);
    EXPECT_TRUE(dialoge.boxen.empty());

    klickeZeichnen();
    EXPECT_EQ(klicks, 1) << "the same click once the window is closed";
}

TEST_F(InfoTest, SchliessfeldSchliesstEbenso)
{
    dialoge.bedienung = [](QDialog& fenster) { fenster.close(); };
    klickeInfo();
    EXPECT_FALSE(infoBox()->isVisible());
    EXPECT_EQ(infoBox()->result(), QDialog::Rejected);
}

} // namespace
