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
#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

THandbuchfenster* offenesHandbuch() { return OffenesFenster<THandbuchfenster>(); }

// The links of the list that follows the title, in their order.
QStringList inhaltsverzeichnis(const QTextDocument& text)
{
    QStringList ziele;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        if (block.textList() == nullptr) {
            if (!ziele.isEmpty())
                break;
            continue;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                ziele << it.fragment().charFormat().anchorHref();
    }
    return ziele;
}

QTextBlock ueberschrift(const QTextDocument& text, const QString& anker)
{
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anker))
                return block;
    return {};
}

class HandbuchTest : public FensterTest {
protected:
    ~HandbuchTest() override
    {
        if (THandbuchfenster* h = offenesHandbuch())
            delete h;
    }
};

// The table of contents, walked with Tab and Enter as with the keyboard:
// each link brings its heading into view.
TEST_F(HandbuchTest, JederEintragDesInhaltsFuehrtZuSeinemAbschnitt)
{
    ZeigeHandbuch(&form);
    THandbuchfenster* fenster = offenesHandbuch();
    ASSERT_NE(fenster, nullptr);
    QTextBrowser* text = fenster->Text();
    const QStringList ziele = inhaltsverzeichnis(*text->document());
    EXPECT_GE(ziele.size(), 8) << ziele.join(QLatin1Char(' ')).toStdString();
    for (qsizetype i = 0; i < ziele.size(); ++i) {
        fenster->ZeigeAbschnitt({});
        for (qsizetype tab = 0; tab <= i; ++tab)
            QTest::keyClick(text, Qt::Key_Tab);
        QTest::keyClick(text, Qt::Key_Return);
        ASSERT_TRUE(ziele[i].startsWith(QLatin1Char('#'))) << ziele[i].toStdString();
        const QTextBlock block = ueberschrift(*text->document(), ziele[i].mid(1));
        ASSERT_TRUE(block.isValid()) << ziele[i].toStdString();
        EXPECT_GT(block.blockFormat().headingLevel(), 0) << ziele[i].toStdString();
        EXPECT_EQ(text->source().fragment(), ziele[i].mid(1));
        const double oben =
            text->document()->documentLayout()->blockBoundingRect(block).top() - text->verticalScrollBar()->value();
        EXPECT_GE(oben, 0) << ziele[i].toStdString();
        EXPECT_LT(oben, text->viewport()->height()) << ziele[i].toStdString();
    }
}

TEST_F(HandbuchTest, BilderKommenAusDenRessourcen)
{
    THandbuchfenster fenster;
    QTextDocument* text = fenster.Text()->document();
    int bilder = 0;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QString name = it.fragment().charFormat().toImageFormat().name();
                const QVariant bild = fenster.Text()->loadResource(QTextDocument::ImageResource, QUrl(name));
                EXPECT_FALSE(bild.toByteArray().isEmpty()) << name.toStdString();
                ++bilder;
            }
    EXPECT_GE(bilder, 4);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&fenster)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&fenster)->text(QAccessible::Name), QStringLiteral("Kurvix-Handbuch"));
}

// F1 opens the handbook at the section of the window it was pressed in.
TEST_F(HandbuchTest, F1InJedemFenster)
{
    form.BearbeiteReihe();
    TUebersichtsfenster uebersicht(dialoge);
    uebersicht.show();
    const std::pair<QWidget*, const char*> fenster[] = {
        {&form, ""}, {form.Reihenfenster(), "aufgabenreihen"}, {&uebersicht, "klassenuebersicht"}};
    for (const auto& [w, abschnitt] : fenster) {
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_F1);
        THandbuchfenster* handbuch = offenesHandbuch();
        ASSERT_NE(handbuch, nullptr) << abschnitt;
        EXPECT_EQ(handbuch->Text()->source().fragment(), QString::fromUtf8(abschnitt));
        handbuch->close();
    }
    EXPECT_TRUE(dialoge.boxen.empty());
}

} // namespace
