// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Klassenübersicht" as a teacher uses it.

#include "app/uebersichtsfenster.h"
#include "app/uebersichtsmodell.h"
#include "blatt/protokolldruck.h"
#include "testhilfe.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

Protokollaufgabe aufgabe(bool richtig)
{
    return {true, Parabel2, {{1, -2, 1, 0}}, {}, {{Parabel2, {{1, richtig ? -2.0 : 2.0, 1, 0}}, richtig}}, false};
}

Testprotokoll protokoll(const char* name, std::vector<bool> verlauf)
{
    Testprotokoll p{QString::fromUtf8(name), QStringLiteral("10b"), QDateTime(QDate(2026, 12, 9), QTime(9, 5)),
                    QStringLiteral("Test"), QStringLiteral("0.1.0"), {}};
    for (const bool richtig : verlauf)
        p.Aufgaben.push_back(aufgabe(richtig));
    return p;
}

class UebersichtTest : public ::testing::Test {
protected:
    UebersichtTest() { fenster.show(); }

    QString schreibe(const char* name, const QByteArray& inhalt)
    {
        QFile datei(ordner.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        return datei.fileName();
    }

    // The four files of the story: two pupils, a worksheet, a cut record.
    QStringList vierDateien()
    {
        const QByteArray ada = ProtokollPdf(protokoll("Jürgen Ölmann", {true, false, true}));
        return {schreibe("oelmann.pdf", ada), schreibe("oberle.pdf", ProtokollPdf(protokoll("Anna Oberle", {true, true}))),
                schreibe("blatt.pdf", "%PDF-1.4\n1 0 obj <<>> endobj\n%%EOF\n"),
                schreibe("kaputt.pdf", ada.left(ada.indexOf("urn:kurvix:testprotokoll") + 100))};
    }

    void menue(const char* name) { fenster.findChild<QAction*>(QLatin1String(name))->trigger(); }

    QString zelle(int zeile, int spalte, int rolle = Qt::DisplayRole) const
    {
        return tabelle->model()->index(zeile, spalte).data(rolle).toString();
    }

    QStringList spalte(int s) const
    {
        QStringList texte;
        for (int z = 0; z < tabelle->model()->rowCount(); ++z)
            texte << zelle(z, s);
        return texte;
    }

    QByteArray gespeichert(const char* menuepunkt, const char* name)
    {
        dialoge.speicherAntwort = ordner.filePath(QLatin1String(name));
        menue(menuepunkt);
        QFile datei(*dialoge.speicherAntwort);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    QTemporaryDir ordner;
    AufzeichnendeDialoge dialoge;
    TUebersichtsfenster fenster{dialoge};
    QTableView* tabelle = fenster.findChild<QTableView*>(QStringLiteral("Tabelle"));
    QListWidget* abgelehnt = fenster.findChild<QListWidget*>(QStringLiteral("Abgelehnt"));
};

// Four files handed in: two rows and the shares, the two refused files with
// their reasons, sorting by Prozent, the CSV of --auswertung, a pupil's tasks.
TEST_F(UebersichtTest, EineKlasseAuswerten)
{
    EXPECT_FALSE(fenster.findChild<QAction*>(QStringLiteral("MenAlsCsv"))->isEnabled()) << "nothing to save yet";
    const QStringList dateien = vierDateien();
    dialoge.dateienAntwort = dateien;
    menue("MenProtokolleHinzufuegen");

    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Klassenübersicht"));
    EXPECT_EQ(spalte(0), Texte({"Jürgen Ölmann", "Anna Oberle", "Anteil richtig"}));
    EXPECT_EQ(tabelle->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("beim ersten Versuch richtig"));
    EXPECT_EQ(spalte(6), Texte({"✗", "✓", "50 %"}));
    EXPECT_EQ(tabelle->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("2 !")) << "the hardest task";
    EXPECT_EQ(tabelle->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("1"));
    ASSERT_EQ(abgelehnt->count(), 2);
    EXPECT_TRUE(abgelehnt->isVisibleTo(&fenster));
    EXPECT_EQ(abgelehnt->item(0)->text(),
              QStringLiteral("„%1“ ist kein Testprotokoll von Kurvix und wird übergangen.").arg(dateien[2]));
    EXPECT_TRUE(abgelehnt->item(1)->text().startsWith(QStringLiteral("„%1“ ist kein").arg(dateien[3])));

    tabelle->horizontalHeader()->setSortIndicator(4, Qt::DescendingOrder);
    EXPECT_EQ(spalte(4), Texte({"100 %", "66 %", ""}));
    tabelle->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    EXPECT_EQ(spalte(0), Texte({"Anna Oberle", "Jürgen Ölmann", "Anteil richtig"}));

    EXPECT_EQ(gespeichert("MenAlsCsv", "klasse.csv"), QByteArray("\xEF\xBB\xBF"
                                                                 "Name;Klasse;Aufgaben;richtig;Prozent;1;2;3\r\n"
                                                                 "Jürgen Ölmann;10b;3;2;66;✓;✗;✓\r\n"
                                                                 "Anna Oberle;10b;2;2;100;✓;✓;–\r\n"
                                                                 "beim ersten Versuch richtig;;;;;100 %;50 %;100 %\r\n"))
        << "the order the files came in, as --auswertung writes it";
    EXPECT_EQ(dialoge.speicherVorschlaege.value(0), QDir::home().filePath(QStringLiteral("Klassenuebersicht.csv")));

    dialoge.bedienung = [](QDialog& ansicht) {
        EXPECT_EQ(ansicht.windowTitle(), QStringLiteral("Testprotokoll – Jürgen Ölmann"));
        auto* liste = ansicht.findChild<QTableWidget*>(QStringLiteral("Aufgabenliste"));
        EXPECT_EQ(liste->rowCount(), 3);
        const QStringList zweite{liste->item(1, 1)->text(), liste->item(1, 2)->text(), liste->item(1, 3)->text(),
                                 liste->item(1, 4)->text()};
        EXPECT_EQ(zweite, Texte({"f(x) = (x - 2)² + 1", "f(x) = (x + 2)² + 1", "f(x) = (x + 2)² + 1", "✗"}));
        ansicht.reject();
    };
    const QModelIndex oelmann = tabelle->model()->index(1, 2);
    tabelle->setCurrentIndex(oelmann);
    emit tabelle->doubleClicked(oelmann);
    tabelle->setCurrentIndex(tabelle->model()->index(2, 0));
    emit tabelle->doubleClicked(tabelle->model()->index(2, 0));
    EXPECT_EQ(dialoge.gezeigt, Texte({"Protokollansicht"})) << "the row of the shares opens nothing";
}

// A screen reader hears whose cell and which task, and which is the hardest.
TEST_F(UebersichtTest, ZellenSagenNameAufgabeUndErgebnis)
{
    fenster.FuegeHinzu({schreibe("a.pdf", ProtokollPdf(protokoll("Jürgen Ölmann", {true, false, true}))),
                        schreibe("b.pdf", ProtokollPdf(protokoll("Jürgen Ölmann", {true})))});
    const std::pair<std::pair<int, int>, const char*> faelle[] = {
        {{0, 0}, "Jürgen Ölmann (doppelt)"},
        {{0, 7}, "Jürgen Ölmann (doppelt), Aufgabe 3: richtig"},
        {{0, 6}, "Jürgen Ölmann (doppelt), Aufgabe 2: falsch oder übersprungen"},
        {{1, 6}, "Jürgen Ölmann (doppelt), Aufgabe 2: nicht erreicht"},
        {{1, 4}, "Jürgen Ölmann (doppelt), Prozent: 100 %"},
        {{2, 5}, "Anteil richtig, Aufgabe 1: 100 %"},
    };
    for (const auto& [ort, erwartet] : faelle)
        EXPECT_EQ(zelle(ort.first, ort.second, Qt::AccessibleTextRole), QString::fromUtf8(erwartet)) << erwartet;
    EXPECT_EQ(tabelle->model()->headerData(6, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
              QStringLiteral("Aufgabe 2, am wenigsten gelöst"));
    EXPECT_TRUE(tabelle->model()->index(0, 6).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(tabelle->model()->index(0, 5).data(Qt::BackgroundRole).isValid());
}

// A folder dropped onto the window gives its records; the page printed and
// the preview are the overview's landscape A4 sheet.
TEST_F(UebersichtTest, OrdnerFallenlassenUndDrucken)
{
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("klasse")));
    schreibe("klasse/a.pdf", ProtokollPdf(protokoll("Ada", {true})));
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(ordner.filePath(QStringLiteral("klasse")))});
    QDragEnterEvent hinein(QPoint(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenster, &hinein);
    EXPECT_TRUE(hinein.isAccepted());
    QDropEvent fallen(QPointF(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenster, &fallen);
    EXPECT_EQ(spalte(0), Texte({"Ada", "Anteil richtig"}));

    menue("MenDrucken");
    dialoge.druckDatei = ordner.filePath(QStringLiteral("druck.pdf"));
    menue("MenDrucken");
    menue("MenDruckvorschau");
    EXPECT_EQ(dialoge.vorschauen, 1);
    QFile druck(dialoge.druckDatei);
    ASSERT_TRUE(druck.open(QIODevice::ReadOnly));
    const QByteArray pdf = druck.readAll();
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 842.000000 595.000000]")) << "A4 landscape, in whole points";
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    EXPECT_TRUE(dialoge.boxen.empty());
}

} // namespace
