// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/infobox.h"

#include "dialogs/fehlerbericht.h"
#include "testhilfe.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QtMath>

#include <gtest/gtest.h>

namespace {

class InfoBoxTest : public ::testing::Test {
protected:
    InfoBoxTest() { box.show(); }

    template <typename W = QWidget>
    W* kind(const char* name) const
    {
        auto* w = box.findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    AufzeichnendeDialoge dialoge;
    Fehlerbericht bericht{dialoge, nullptr};
    TInfoBox box{bericht, nullptr};
};

TEST_F(InfoBoxTest, FensterMitFesterGroesseUndNurSchliessfeld)
{
    EXPECT_EQ(box.objectName(), QStringLiteral("InfoBox"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Programm-Information"));
    EXPECT_EQ(box.minimumSize(), QSize(417, 622));
    EXPECT_EQ(box.maximumSize(), QSize(417, 622));
    EXPECT_TRUE(box.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(box.font().pixelSize(), 11);
}

struct Element {
    const char* name;
    const char* eltern;
    QRect lage;
    const char* text; // for labels and the button
    bool fett;
    bool unterstrichen;
};

void PrintTo(const Element& e, std::ostream* aus) { *aus << e.name; }

const Element Elemente[] = {
    {"BOk", "InfoBox", {296, 592, 112, 25}, "Ok", true, false},
    {"Panel1", "InfoBox", {8, 8, 401, 577}, nullptr, false, false},
    {"Panel3", "Panel1", {8, 8, 35, 35}, nullptr, false, false},
    {"Image1", "Panel3", {2, 2, 32, 32}, nullptr, false, false},
    {"Label1", "Panel1", {52, 8, 345, 33}, "Programm zum Verschieben und Strecken von Schaubildern", true, true},
    {"Memo1", "Panel1", {8, 48, 385, 41}, nullptr, false, false},
    {"Label2", "Panel1", {8, 96, 385, 17}, "Einfaches Zeichnen von Schaubildern:", true, false},
    {"Memo2", "Panel1", {8, 112, 385, 41}, nullptr, false, false},
    {"Label3", "Panel1", {8, 160, 385, 17}, "Übung:", true, false},
    {"Memo3", "Panel1", {8, 176, 385, 105}, nullptr, false, false},
    {"Label8", "Panel1", {8, 288, 385, 17}, "Test:", true, false},
    {"Memo4", "Panel1", {8, 304, 385, 73}, nullptr, false, false},
    {"Label9", "Panel1", {8, 376, 385, 17}, "Einlesen von Aufgabendateien:", true, false},
    {"Memo5", "Panel1", {8, 392, 385, 57}, nullptr, false, false},
    {"Label10", "Panel1", {8, 448, 385, 17}, "Optionen:", true, false},
    {"Memo6", "Panel1", {8, 464, 385, 41}, nullptr, false, false},
    {"Panel2", "Panel1", {8, 512, 385, 57}, nullptr, false, false},
};

class ElementTest : public InfoBoxTest, public ::testing::WithParamInterface<Element> {};

TEST_P(ElementTest, StehtWieEntworfen)
{
    const Element& e = GetParam();
    const QWidget* w = kind(e.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(e.eltern));
    EXPECT_EQ(w->geometry(), e.lage);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->font().pixelSize(), 11);
    if (!e.text)
        return;
    const auto* label = qobject_cast<const QLabel*>(w);
    const auto* knopf = qobject_cast<const QAbstractButton*>(w);
    const QString text = label ? label->text() : knopf->text();
    EXPECT_EQ(text, QString::fromUtf8(e.text));
    EXPECT_EQ(w->font().bold(), e.fett);
    EXPECT_EQ(w->font().underline(), e.unterstrichen);
    EXPECT_LE(w->fontMetrics().horizontalAdvance(text), w->width()) << "text is clipped";
}

INSTANTIATE_TEST_SUITE_P(InfoBox, ElementTest, ::testing::ValuesIn(Elemente));

struct Memo {
    const char* name;
    std::vector<const char*> zeilen;
};

void PrintTo(const Memo& m, std::ostream* aus) { *aus << m.name; }

const Memo Memos[] = {
    {"Memo1",
     {"Bei diesem Übungsprogramm können Schaublider von Funktionen (wählbar aus",
      "7 verschiedenen Typen) verschoben und gestreckt werden.",
      "Es stehen verschiedene Modi (Aufgabenstellungen) zur Verfügung:"}},
    {"Memo2",
     {"Ein Schaubild zu einem der 7 Funktionstypen kann gezeichnet werden. Dabei",
      "lässt sich sehr rasch der Einfluss der wählbaren Parameter auf die Verschiebung",
      "und Streckung des Grundschaubildes untersuchen."}},
    {"Memo3",
     {"Das Programm erzeugt mit dem Zufallsgenerator eine Streckung und Verschie-",
      "bung eines Schaubildes und zeichnet den Graphen. Dem Benutzer steht eine",
      "eigene (standardmäßig rot dargestellte) Funktion zur Verfügung. Die Aufgabe be-",
      "steht darin, die Parameter der eigenen Funktion so zu verändern, dass das",
      "Schaubild exakt dem vorgegebenen Schaubild entspricht. Die Funktionstypen,",
      "aus der die vorgegebene Funktion generiert wird, sind im anfänglichen Dialog-",
      "fenster auszuwählen. Außerdem kann der Schwierigkeitsgrad (Anzahl der ver-",
      "änderten Parameter) verringert werden."}},
    {"Memo4",
     {"Dieser Modus entspricht dem Übungsmodus mit der Ausnahme, dass der Be-",
      "nutzer nur EINEN Versuch der Parameterwahl hat, ein Ausprobieren mit Hilfe",
      "des Schaubildes also nicht mehr möglich ist. Dies entspricht der Test-Situation",
      "während einer Klassenarbeit. Der Schwierigkeitsgrad kann hier nicht verringert",
      "werden. Zur Kontrolle wird der Anteil der richtig gelösten Aufgaben angezeigt."}},
    {"Memo5",
     {"Mit Hilfe von Aufgabendateien, können spezielle Aufgaben (z.B. durch den ",
      "Lehrer) gestellt werden. Hierbei besteht auch die Möglichkeit, die vorgege-",
      "benen Schaubilder nur Abschnittsweise anzeigen zu lassen. ", "Hinweise dazu in den Beispieldateien."}},
    {"Memo6",
     {"Verschiedene Darstellungs-Optionen der Achsen und Schaubilder können aus-",
      "gewählt werden. Wichtig ist vor allem die Möglichkeit, ein feineres Gitternetz ",
      "(mit einer Feinheit von 0,5 LE) ein- und auszuschalten."}},
};

class MemoTest : public InfoBoxTest, public ::testing::WithParamInterface<Memo> {};

TEST_P(MemoTest, ZeigtJedeZeileWieGeschrieben)
{
    const auto* memo = kind<QPlainTextEdit>(GetParam().name);
    ASSERT_NE(memo, nullptr);
    QStringList erwartet;
    for (const char* zeile : GetParam().zeilen)
        erwartet << QString::fromUtf8(zeile);
    EXPECT_EQ(memo->toPlainText().split(QLatin1Char('\n')), erwartet);
}

// Plain text on the window: read-only, no frame, the button face behind
// it. Every line stands whole on one row and every row is in view: nothing
// wraps, nothing is cut off, nothing needs scrolling.
TEST_P(MemoTest, ZeigtAllesAlsSchlichtenText)
{
    const auto* memo = kind<QPlainTextEdit>(GetParam().name);
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(memo->viewport()->palette().color(QPalette::Base), memo->palette().color(QPalette::Button));
    const QWidget* sicht = memo->viewport();
    int unten = 0;
    for (QTextBlock zeile = memo->document()->begin(); zeile.isValid(); zeile = zeile.next()) {
        const QTextLayout* satz = zeile.layout();
        ASSERT_EQ(satz->lineCount(), 1) << zeile.text().toStdString();
        EXPECT_LE(satz->position().x() + satz->lineAt(0).naturalTextWidth(), sicht->width())
            << zeile.text().toStdString();
        unten += qCeil(satz->lineAt(0).height());
    }
    EXPECT_LE(unten, sicht->height());
}

INSTANTIATE_TEST_SUITE_P(InfoBox, MemoTest, ::testing::ValuesIn(Memos));

TEST_F(InfoBoxTest, SymbolUndNachweis)
{
    EXPECT_EQ(kind<QLabel>("Image1")->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(kind<QLabel>("LProgramm")->text(), QStringLiteral("Kurvix, Version " KURVIX_VERSION_ERWARTET));
    for (const char* name : {"LProgramm", "LZweck"}) {
        const auto* label = kind<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name << " is clipped";
    }
}

TEST_F(InfoBoxTest, OkSchliesst)
{
    QTest::mouseClick(kind("BOk"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

} // namespace
