// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Klassenübersicht" as a teacher uses it.

#include "app/uebersichtsfenster.h"
#include "blatt/protokolldruck.h"
#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QMimeData>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class UebersichtTest : public ::testing::Test {
protected:
    UebersichtTest() { fenster.show(); }

    QString schreibe(const char* name, const char* schueler, const char* verlauf)
    {
        return SchreibeDatei(ordner, name, ProtokollPdf(Protokoll(schueler, "10b", verlauf)));
    }
    void menue(const char* name) { fenster.findChild<QAction*>(QLatin1String(name))->trigger(); }
    QStringList spalte(int s) const
    {
        QStringList texte;
        for (int z = 0; z < tabelle->model()->rowCount(); ++z)
            texte << tabelle->model()->index(z, s).data().toString();
        return texte;
    }
    QString kopf(int s, int rolle = Qt::DisplayRole) const
    {
        return tabelle->model()->headerData(s, Qt::Horizontal, rolle).toString();
    }
    void doppelklick(int zeile)
    {
        tabelle->setCurrentIndex(tabelle->model()->index(zeile, 1));
        emit tabelle->doubleClicked(tabelle->currentIndex());
    }

    QTemporaryDir ordner;
    AufzeichnendeDialoge dialoge;
    TUebersichtsfenster fenster{dialoge};
    QTableView* tabelle = fenster.findChild<QTableView*>(QStringLiteral("Tabelle"));
    QListWidget* abgelehnt = fenster.findChild<QListWidget*>(QStringLiteral("Abgelehnt"));
};

// Four files handed in (two pupils, a worksheet, a cut record): two rows and
// the shares, the refused files with their reasons, sorting by Prozent, the
// CSV of --auswertung, a pupil's tasks.
TEST_F(UebersichtTest, EineKlasseAuswerten)
{
    EXPECT_FALSE(fenster.findChild<QAction*>(QStringLiteral("MenAlsCsv"))->isEnabled()) << "nothing to save yet";
    const QByteArray oberle = ProtokollPdf(Protokoll("Anna Oberle", "10b", "RR"));
    dialoge.dateienAntwort = {schreibe("oelmann.pdf", "Jürgen Ölmann", "RFR"), SchreibeDatei(ordner, "oberle.pdf", oberle),
                              SchreibeDatei(ordner, "blatt.pdf", "%PDF-1.4\n1 0 obj <<>> endobj\n%%EOF\n"),
                              SchreibeDatei(ordner, "kaputt.pdf", oberle.left(oberle.size() / 2))};
    menue("MenProtokolleHinzufuegen");

    EXPECT_EQ(spalte(0), Texte({"Jürgen Ölmann", "Anna Oberle", "Anteil richtig"}));
    EXPECT_EQ(spalte(5), Texte({"✓", "✓", "100 %"}));
    EXPECT_EQ(spalte(6), Texte({"✗", "✓", "50 %"}));
    EXPECT_EQ((QStringList{kopf(3), kopf(5), kopf(6)}), Texte({"beim ersten Versuch richtig", "1", "2 !"}))
        << "the hardest task is marked";
    ASSERT_EQ(abgelehnt->count(), 2);
    EXPECT_TRUE(abgelehnt->isVisibleTo(&fenster));
    EXPECT_EQ(abgelehnt->item(0)->text(),
              QStringLiteral("„%1“ ist kein Testprotokoll von Kurvix und wird übergangen.").arg(dialoge.dateienAntwort[2]));
    EXPECT_EQ(abgelehnt->item(1)->text(), QStringLiteral("„%1“ ist abgeschnitten oder beschädigt und wird übergangen.")
                                              .arg(dialoge.dateienAntwort[3]));

    tabelle->setCurrentIndex(tabelle->model()->index(0, 0));
    tabelle->horizontalHeader()->setSortIndicator(4, Qt::DescendingOrder);
    EXPECT_EQ(spalte(4), Texte({"100 %", "66 %", ""}));
    EXPECT_EQ(tabelle->currentIndex().row(), 1) << "the selected pupil moves with the row";
    tabelle->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    EXPECT_EQ(spalte(0), Texte({"Anna Oberle", "Jürgen Ölmann", "Anteil richtig"}));

    dialoge.speicherAntwort = ordner.filePath(QStringLiteral("klasse.csv"));
    menue("MenAlsCsv");
    EXPECT_EQ(LiesDateiinhalt(*dialoge.speicherAntwort), QByteArray("\xEF\xBB\xBF"
                                                                    "Name;Klasse;Aufgaben;richtig;Prozent;1;2;3\r\n"
                                                                    "Jürgen Ölmann;10b;3;2;66;✓;✗;✓\r\n"
                                                                    "Anna Oberle;10b;2;2;100;✓;✓;–\r\n"
                                                                    "beim ersten Versuch richtig;;;;;100 %;50 %;100 %\r\n"))
        << "the order the files came in, as --auswertung writes it";
    EXPECT_EQ(dialoge.speicherVorschlaege, QStringList{QDir::home().filePath(QStringLiteral("Klassenuebersicht.csv"))});

    dialoge.bedienung = [](QDialog& ansicht) {
        EXPECT_EQ(ansicht.windowTitle(), QStringLiteral("Testprotokoll – Jürgen Ölmann"));
        auto* liste = ansicht.findChild<QTableWidget*>(QStringLiteral("Aufgabenliste"));
        ASSERT_EQ(liste->rowCount(), 3);
        EXPECT_EQ((QStringList{liste->item(1, 1)->text(), liste->item(1, 2)->text(), liste->item(1, 3)->text(),
                               liste->item(1, 4)->text()}),
                  Texte({"f(x) = 2·x + 1", "f(x) = 2·x - 1", "f(x) = 2·x + 1", "✗"}));
        ansicht.reject();
    };
    doppelklick(1);
    doppelklick(2);
    EXPECT_EQ(dialoge.gezeigt, Texte({"Protokollansicht"})) << "the row of the shares opens nothing";
}

// A screen reader hears whose cell and which task, and which is the hardest.
TEST_F(UebersichtTest, ZellenSagenNameAufgabeUndErgebnis)
{
    fenster.FuegeHinzu({schreibe("a.pdf", "Jürgen Ölmann", "RFR"), schreibe("b.pdf", "Jürgen Ölmann", "R")});
    const std::pair<std::pair<int, int>, const char*> faelle[] = {
        {{0, 0}, "Jürgen Ölmann (doppelt)"},
        {{0, 7}, "Jürgen Ölmann (doppelt), Aufgabe 3: richtig"},
        {{0, 6}, "Jürgen Ölmann (doppelt), Aufgabe 2: falsch oder übersprungen"},
        {{1, 6}, "Jürgen Ölmann (doppelt), Aufgabe 2: nicht erreicht"},
        {{1, 4}, "Jürgen Ölmann (doppelt), Prozent: 100 %"},
        {{2, 5}, "Anteil richtig, Aufgabe 1: 100 %"},
    };
    QAccessibleTableInterface* vorgelesen = QAccessible::queryAccessibleInterface(tabelle)->tableInterface();
    for (const auto& [ort, erwartet] : faelle)
        EXPECT_EQ(vorgelesen->cellAt(ort.first, ort.second)->text(QAccessible::Name), QString::fromUtf8(erwartet)) << erwartet;
    EXPECT_EQ(kopf(6, Qt::AccessibleTextRole), QStringLiteral("Aufgabe 2, am wenigsten gelöst"));
    EXPECT_TRUE(tabelle->model()->index(0, 6).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(tabelle->model()->index(0, 5).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(tabelle->model()->index(2, 0).data(Qt::FontRole).value<QFont>().bold()) << "the shares stand out";
}

// A folder dropped onto the window gives its records; the page printed and
// the preview are the overview's landscape A4 sheet.
TEST_F(UebersichtTest, OrdnerFallenlassenUndDrucken)
{
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("klasse")));
    schreibe("klasse/a.pdf", "Ada", "R");
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(ordner.filePath(QStringLiteral("klasse")))});
    QDragEnterEvent hinein(QPoint(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenster, &hinein);
    EXPECT_TRUE(hinein.isAccepted());
    QDropEvent fallen(QPointF(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenster, &fallen);
    EXPECT_EQ(spalte(0), Texte({"Ada", "Anteil richtig"}));

    menue("MenDrucken");
    const auto gedruckt = [this](const char* menuepunkt, const char* name) {
        const QString datei = ordner.filePath(QLatin1String(name));
        dialoge.druckDatei = dialoge.vorschauDatei = datei;
        menue(menuepunkt);
        return LiesDateiinhalt(datei);
    };
    for (const QByteArray& pdf : {gedruckt("MenDrucken", "druck.pdf"), gedruckt("MenDruckvorschau", "vorschau.pdf")}) {
        EXPECT_TRUE(pdf.contains("/MediaBox [0 0 842.000000 595.000000]")) << "A4 landscape, in whole points";
        EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    }
    EXPECT_EQ(dialoge.vorschauen, 1);
    EXPECT_TRUE(dialoge.boxen.empty());
}

} // namespace
