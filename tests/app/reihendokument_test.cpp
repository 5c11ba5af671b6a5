// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/blattauftrag.h"
#include "reihenfenstertest.h"
#include "tasks/dateiinhalt.h"

#include <QAccessible>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QMenu>
#include <QUrl>

#include <functional>

namespace {

// Every interface below the one given, depth first.
void durchlaufe(QAccessibleInterface* knoten, const std::function<void(QAccessibleInterface*)>& besuche)
{
    besuche(knoten);
    for (int i = 0; i < knoten->childCount(); ++i)
        durchlaufe(knoten->child(i), besuche);
}

QStringList eintraege(const QMenu* menue)
{
    QStringList texte;
    for (const QAction* aktion : menue->actions())
        texte << (aktion->isSeparator() ? QStringLiteral("–") : aktion->text());
    return texte;
}

// A screen reader meets a frame named with the caption, the unsaved-changes
// mark included, and menus whose every item has a name; the desktop's keys
// work, Ctrl+Shift+S saves under a new name, and undo names its step.
TEST_F(ReihenfensterTest, DokumentfensterMitMenuesUndTasten)
{
    QAccessibleInterface* fenster = QAccessible::queryAccessibleInterface(editor);
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->role(), QAccessible::Window);
    EXPECT_EQ(fenster->text(QAccessible::Name), QStringLiteral("Aufgabenreihe bearbeiten – unbenannt"));
    EXPECT_EQ(eintraege(teil<QMenu>("MenDatei")),
              Texte({"&Neue Reihe", "Ö&ffnen …", "&Zuletzt geöffnet", "&Speichern", "Speichern &unter …", "–",
                     "&Arbeitsblatt speichern …", "Druck&vorschau …", "&Drucken …", "–", "S&chließen"}));
    EXPECT_EQ(eintraege(teil<QMenu>("MenBearbeiten")),
              Texte({"&Rückgängig", "&Wiederholen", "–", "&Neue Aufgabe", "&Zufallsaufgabe …", "Aufgabe &löschen",
                     "Nach &oben", "Nach un&ten", "–", "Aus&probieren"}));
    QStringList gehoert;
    durchlaufe(fenster, [&gehoert](QAccessibleInterface* knoten) {
        if (knoten->role() == QAccessible::MenuItem)
            gehoert << knoten->text(QAccessible::Name);
    });
    EXPECT_TRUE(gehoert.contains(QStringLiteral("Datei")) && gehoert.contains(QStringLiteral("Speichern unter …")))
        << gehoert.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(gehoert.contains(QString()));

    drueckeIn("EKommentar", "K");
    QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    drueckeIn("EParameter1", "2");
    EXPECT_EQ(teil<QAction>("MenRueckgaengig")->text(), QStringLiteral("&Rückgängig: Wert ändern"));
    EXPECT_EQ(fenster->text(QAccessible::Name), QStringLiteral("Aufgabenreihe bearbeiten – unbenannt *"));
    dialoge.speicherAntwort = pfad("neu.sba");
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialoge.speicherVorschlaege, QStringList{QString()});
    EXPECT_TRUE(LiesDateiinhalt(pfad("neu.sba")).endsWith("\r\nK\r\n1 2 3 4 5 6 7\r\n3 2 0 0\r\n"));
    EXPECT_EQ(fenster->text(QAccessible::Name), QStringLiteral("Aufgabenreihe bearbeiten – neu.sba"));

    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(teil<QAction>("MenWiederholen")->text(), QStringLiteral("&Wiederholen: Wert ändern"));
    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Verwerfen};
    QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialoge.boxen.back().text, QStringLiteral("Änderungen an „neu.sba“ speichern?"));
    EXPECT_EQ(editor->Reihe().Anzahl(), 0);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Aufgabenreihe bearbeiten – unbenannt[*]"));
    QTest::keyClick(editor, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(editor->isVisible());
}

QStringList zuletzt(const QMenu* menue)
{
    QStringList dateien;
    for (const QAction* aktion : menue->actions())
        dateien << (aktion->isSeparator() ? QStringLiteral("–") : aktion->text() + QLatin1Char('|') + aktion->toolTip());
    return dateien;
}

// The last eight files opened or saved, newest first, outlast the window;
// one gone since leaves the list when chosen, and the list can be emptied.
TEST_F(ReihenfensterTest, ZuletztGeoeffnetBleibtUeberDenNeustart)
{
    teil<QAction>("MenZuletztLeeren")->trigger();
    for (int i = 1; i <= 9; ++i) {
        SchreibeDateiinhalt(pfad(QStringLiteral("r%1.sba").arg(i).toLatin1().constData()),
                            "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von "
                            "Talvenhorn *\r\nK\r\n1\r\n1 1 0\r\n");
        editor->Oeffne(pfad(QStringLiteral("r%1.sba").arg(i).toLatin1().constData()));
    }
    editor->Oeffne(pfad("r5.sba"));
    dialoge.speicherAntwort = pfad("neu.sba");
    teil<QAction>("MenSpeichernUnter")->trigger();
    QFile::remove(pfad("r9.sba"));
    const QString ort = QDir::toNativeSeparators(ordner.path()) + QDir::separator();
    TReihenfenster neu(dialoge, zufall, nullptr);
    QMenu* liste = neu.findChild<QMenu*>(QStringLiteral("MenZuletzt"));
    EXPECT_EQ(zuletzt(liste), QStringList({QStringLiteral("&1 neu.sba|") + ort + QStringLiteral("neu.sba"),
                                           QStringLiteral("&2 r5.sba|") + ort + QStringLiteral("r5.sba"),
                                           QStringLiteral("&3 r9.sba|") + ort + QStringLiteral("r9.sba"),
                                           QStringLiteral("&4 r8.sba|") + ort + QStringLiteral("r8.sba"),
                                           QStringLiteral("&5 r7.sba|") + ort + QStringLiteral("r7.sba"),
                                           QStringLiteral("&6 r6.sba|") + ort + QStringLiteral("r6.sba"),
                                           QStringLiteral("&7 r4.sba|") + ort + QStringLiteral("r4.sba"),
                                           QStringLiteral("&8 r3.sba|") + ort + QStringLiteral("r3.sba"),
                                           QStringLiteral("–"), QStringLiteral("&Liste leeren|Liste leeren")}));

    neu.findChild<QAction*>(QStringLiteral("MenZuletzt3"))->trigger();
    EXPECT_EQ(dialoge.boxen.back().text, QStringLiteral("Die Datei „") + ort
                                             + QStringLiteral("r9.sba“ gibt es nicht mehr; sie ist aus der Liste entfernt."));
    EXPECT_EQ(liste->actions().size(), 9);
    EXPECT_EQ(liste->actions()[2]->text(), QStringLiteral("&3 r8.sba"));
    liste->actions()[1]->trigger();
    EXPECT_EQ(neu.Pfad(), pfad("r5.sba"));
    neu.findChild<QAction*>(QStringLiteral("MenZuletztLeeren"))->trigger();
    EXPECT_EQ(zuletzt(liste), QStringList{QStringLiteral("&Liste leeren|Liste leeren")});
    EXPECT_FALSE(liste->actions().front()->isEnabled());
}

// A task file dropped on the window opens as with "Öffnen …", after the
// question about unsaved changes; anything else is refused.
TEST_F(ReihenfensterTest, GezogeneAufgabendateiOeffnetSich)
{
    SchreibeDateiinhalt(pfad("gezogen.SBA"), "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von "
                                              "Schaubildern von Talvenhorn *\r\nGezogen\r\n3\r\n3 1 0 0\r\n");
    drueckeIn("EKommentar", "K");
    const auto ziehe = [this](const QList<QUrl>& adressen) {
        QMimeData daten;
        daten.setUrls(adressen);
        QDragEnterEvent betreten(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &betreten);
        if (betreten.isAccepted()) {
            QDropEvent ablegen(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(editor, &ablegen);
            QCoreApplication::processEvents();
        }
        return betreten.isAccepted();
    };
    const QUrl datei = QUrl::fromLocalFile(pfad("gezogen.SBA"));
    EXPECT_FALSE(ziehe({QUrl::fromLocalFile(pfad("bild.png"))}));
    EXPECT_FALSE(ziehe({datei, datei}));
    EXPECT_FALSE(ziehe({QUrl(QStringLiteral("https://kurvix.de/a.sba"))}));
    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Verwerfen};
    EXPECT_TRUE(ziehe({datei}));
    EXPECT_EQ(dialoge.boxen.back().text, QStringLiteral("Änderungen an „unbenannt“ speichern?"));
    EXPECT_EQ(editor->EKommentar->text(), QStringLiteral("Gezogen"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Aufgabenreihe bearbeiten – gezogen.SBA[*]"));
}

QString pdfText(const QString& pdf)
{
    return Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QImage ersteSeite(const QString& pdf)
{
    Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("30"),
                                         QStringLiteral("-singlefile"), pdf, pdf});
    return QImage(pdf + QStringLiteral(".png"));
}

// The sheet of the series as it stands in the window, unsaved change
// included, is the sheet "--arbeitsblatt" makes of the saved file: written
// as a PDF, in the print preview and printed at 100 %; a Fehler asks first,
// and the answer key can be left off.
TEST_F(ReihenfensterTest, ArbeitsblattVorschauUndDruckGleichDemBlattDerBefehlszeile)
{
    editor->Oeffne(QStringLiteral(KURVIX_BEISPIELE "/sinus.sba"));
    drueckeIn("EParameter1", "3");
    dialoge.speicherAntwort = pfad("sinus.sba");
    teil<QAction>("MenSpeichernUnter")->trigger();
    ASSERT_EQ(ErstelleArbeitsblatt({pfad("sinus.sba"), 0, {}, Normal, std::nullopt, pfad("befehl.pdf"), false}).Status, 0);
    drueckeIn("EParameter1", "-2");
    dialoge.speicherAntwort = pfad("blatt.pdf");
    dialoge.ankreuzAntworten = {true, true, true, true, true, false, std::nullopt};
    teil<QAction>("MenArbeitsblatt")->trigger();
    EXPECT_EQ(dialoge.speicherVorschlaege.back(), pfad("sinus.pdf"));
    dialoge.vorschauDatei = pfad("vorschau.pdf");
    teil<QAction>("MenDruckvorschau")->trigger();
    dialoge.druckDatei = pfad("drucker.pdf");
    QTest::keyClick(editor, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialoge.ankreuzFragen.size(), 3);
    EXPECT_EQ(dialoge.ankreuzFragen.back().text, QStringLiteral("&Lösungsblatt anhängen"));
    EXPECT_TRUE(dialoge.ankreuzFragen.back().vorgabe);
    EXPECT_NE(pdfText(pfad("befehl.pdf")), pdfText(pfad("blatt.pdf"))); // the unsaved change is on the sheet

    drueckeIn("EParameter1", "3");
    for (const char* pdf : {"blatt.pdf", "vorschau.pdf", "drucker.pdf"}) {
        SCOPED_TRACE(pdf);
        EXPECT_EQ(pdfText(pfad(pdf)).count(QStringLiteral("Lösungen")), 1);
    }
    dialoge.speicherAntwort = pfad("gleich.pdf");
    teil<QAction>("MenArbeitsblatt")->trigger();
    dialoge.druckDatei = pfad("gedruckt.pdf");
    teil<QAction>("MenDrucken")->trigger();
    EXPECT_EQ(pdfText(pfad("gleich.pdf")), pdfText(pfad("befehl.pdf")));
    EXPECT_EQ(pdfText(pfad("gedruckt.pdf")), pdfText(pfad("befehl.pdf")));
    EXPECT_TRUE(Poppler(QStringLiteral("pdfinfo"), {pfad("gedruckt.pdf")}).contains(QStringLiteral("595 x 842 pts (A4)")));
    EXPECT_EQ(ersteSeite(pfad("gedruckt.pdf")), ersteSeite(pfad("befehl.pdf"))); // 1 cm stays 1 cm

    dialoge.speicherAntwort = pfad("ohne.pdf");
    teil<QAction>("MenArbeitsblatt")->trigger(); // without the answer key
    EXPECT_FALSE(pdfText(pfad("ohne.pdf")).contains(QStringLiteral("Lösungen")));
    teil<QAction>("MenArbeitsblatt")->trigger(); // cancelled in the small dialog
    drueckeIn("EParameter4", "99");
    dialoge.frageAntworten = {false};
    const std::size_t boxen = dialoge.boxen.size();
    teil<QAction>("MenDrucken")->trigger();
    ASSERT_EQ(dialoge.boxen.size(), boxen + 1);
    EXPECT_TRUE(dialoge.boxen.back().text.startsWith(QStringLiteral("Die Reihe hat einen Fehler in Zeile ")));
    EXPECT_EQ(dialoge.ankreuzFragen.size(), 7);
}

// A large series opens at once and is checked in the event loop; saving
// waits for the whole check, so that its question names every Fehler.
TEST_F(ReihenfensterTest, GrosseReiheWirdImHintergrundGeprueft)
{
    QByteArray inhalt = "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von "
                        "Talvenhorn *\r\nK\r\n1\r\n";
    for (int i = 0; i < 2500; ++i)
        inhalt += i == 2400 ? "9 1 1\r\n" : "1 1 0\r\n";
    SchreibeDateiinhalt(pfad("gross.sba"), inhalt);
    editor->Oeffne(pfad("gross.sba"));
    EXPECT_EQ(Zeilen(editor->LBefunde), 0);
    QLabel* befundtitel = nullptr;
    for (QLabel* label : editor->findChildren<QLabel*>())
        befundtitel = label->buddy() == editor->LBefunde ? label : befundtitel;
    ASSERT_NE(befundtitel, nullptr);
    EXPECT_EQ(befundtitel->text(), QStringLiteral("B&efunde der Prüfung (geprüft: 1000 von 2500 Aufgaben):"));
    QCoreApplication::processEvents();
    EXPECT_EQ(befundtitel->text(), QStringLiteral("B&efunde der Prüfung (geprüft: 2000 von 2500 Aufgaben):"));
    dialoge.frageAntworten = {false};
    teil<QAction>("MenSpeichern")->trigger();
    EXPECT_TRUE(dialoge.boxen.back().text.startsWith(QStringLiteral("Die Reihe hat einen Fehler in Zeile 2404: ")));
    EXPECT_EQ(befundtitel->text(), QStringLiteral("B&efunde der Prüfung (ein Klick wählt die Aufgabe):"));
    EXPECT_EQ(Zeilen(editor->LBefunde), 1);
}

} // namespace
