// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The handbook inside the program: its table of contents leads to every
// section, its pictures come from the resources, and F1 opens it.

#include "app/handbuchfenster.h"
#include "app/offenesfenster.h"
#include "app/reihenfenster.h"
#include "app/uebersichtsfenster.h"
#include "fenstertest.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextList>

namespace {

// Every fragment of the text, block by block, with its block.
template <typename Tu>
void jedesStueck(const QTextDocument& text, Tu tu)
{
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            tu(block, it.fragment().charFormat());
}

class HandbuchTest : public FensterTest {
protected:
    ~HandbuchTest() override { delete OffenesFenster<THandbuchfenster>(); }
};

// The table of contents (the first list), walked with Tab and Enter as with
// the keyboard: each link brings its heading into view.
TEST_F(HandbuchTest, JederEintragDesInhaltsFuehrtZuSeinemAbschnitt)
{
    THandbuchfenster fenster;
    fenster.show();
    QTextBrowser* text = fenster.Text();
    QStringList ziele;
    QHash<QString, QTextBlock> ueberschriften;
    const QTextList* inhalt = nullptr;
    jedesStueck(*text->document(), [&](const QTextBlock& block, const QTextCharFormat& f) {
        if (inhalt == nullptr)
            inhalt = block.textList();
        if (block.textList() == inhalt && f.isAnchor() && !f.anchorHref().isEmpty())
            ziele << f.anchorHref();
        for (const QString& anker : f.anchorNames())
            ueberschriften.insert(QLatin1Char('#') + anker, block);
    });
    EXPECT_EQ(ziele.size(), 15);
    auto* zurueck = fenster.findChild<QPushButton*>(QStringLiteral("BZurueck"));
    EXPECT_FALSE(zurueck->isEnabled());
    for (qsizetype i = 0; i < ziele.size(); ++i) {
        fenster.ZeigeAbschnitt({});
        for (qsizetype tab = 0; tab <= i; ++tab)
            QTest::keyClick(text, Qt::Key_Tab);
        QTest::keyClick(text, Qt::Key_Return);
        const QTextBlock block = ueberschriften.value(ziele[i]);
        EXPECT_GT(block.blockFormat().headingLevel(), 0) << ziele[i].toStdString();
        EXPECT_EQ(QLatin1Char('#') + text->source().fragment(), ziele[i]);
        const double oben = text->document()->documentLayout()->blockBoundingRect(block).top() - text->verticalScrollBar()->value();
        EXPECT_TRUE(oben >= 0 && oben < text->viewport()->height()) << ziele[i].toStdString() << " at " << oben;
    }
    QTest::mouseClick(zurueck, Qt::LeftButton);
    EXPECT_EQ(text->source().fragment(), QString()) << "back where the last link was followed";
}

// Every picture comes from the resources; a reader hears a frame with the title.
TEST_F(HandbuchTest, BilderUndTitel)
{
    THandbuchfenster fenster;
    QStringList bilder;
    jedesStueck(*fenster.Text()->document(), [&](const QTextBlock&, const QTextCharFormat& f) {
        if (f.isImageFormat())
            bilder << f.toImageFormat().name();
    });
    EXPECT_EQ(bilder.size(), 5);
    for (const QString& bild : bilder)
        EXPECT_FALSE(fenster.Text()->loadResource(QTextDocument::ImageResource, QUrl(bild)).toByteArray().isEmpty())
            << bild.toStdString();
    QAccessibleInterface* vorgelesen = QAccessible::queryAccessibleInterface(&fenster);
    EXPECT_EQ(vorgelesen->role(), QAccessible::Window);
    EXPECT_EQ(vorgelesen->text(QAccessible::Name), QStringLiteral("Kurvix-Handbuch"));
}

// F1 opens the handbook at the section of the window it was pressed in.
TEST_F(HandbuchTest, F1InJedemFenster)
{
    form.BearbeiteReihe();
    ZeigeKlassenuebersicht(dialoge, &form);
    auto* uebersicht = OffenesFenster<TUebersichtsfenster>();
    ZeigeKlassenuebersicht(dialoge, &form);
    EXPECT_EQ(OffenesFenster<TUebersichtsfenster>(), uebersicht) << "brought to the front, not opened twice";
    const std::pair<QWidget*, const char*> fenster[] = {
        {&form, ""}, {form.Reihenfenster(), "aufgabenreihen"}, {uebersicht, "klassenuebersicht"}};
    for (const auto& [w, abschnitt] : fenster) {
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_F1);
        THandbuchfenster* handbuch = OffenesFenster<THandbuchfenster>();
        ASSERT_NE(handbuch, nullptr) << abschnitt;
        EXPECT_EQ(handbuch->parentWidget(), w) << "closes with its window";
        EXPECT_EQ(handbuch->Text()->source().fragment(), QString::fromUtf8(abschnitt));
        handbuch->close();
    }
}

} // namespace
