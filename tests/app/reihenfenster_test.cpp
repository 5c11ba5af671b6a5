// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/befehlszeile.h"
#include "app/reihenfenster.h"
#include "app/uebersichtsfenster.h"
#include "auftraege/blattauftrag.h"
#include "fenstertest.h"
#include "tasks/dateiinhalt.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTreeView>
#include <QUrl>

#include <functional>

namespace {

// The text of a cell of one of the editor's lists, their rows, and a click
// that makes a row the current one.
QString Zelle(const QTreeView* liste, int zeile, int spalte) { return liste->model()->index(zeile, spalte).data().toString(); }
int Zeilen(const QTreeView* liste) { return liste->model()->rowCount(); }
void Waehle(QTreeView* liste, int zeile) { liste->setCurrentIndex(liste->model()->index(zeile, 0)); }

class ReihenfensterTest : public FensterTest {
protected:
    ReihenfensterTest()
    {
        menue("MenReiheBearbeiten");
        editor = form.Reihenfenster();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor)); // its shortcuts work in the active window
    }

    template <typename W = QWidget>
    W* teil(const char* name) const
    {
        auto* w = editor->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void drueckeIn(const char* name, const char* tasten)
    {
        auto* box = teil<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(tasten));
    }

    QString zeile(int i, int spalte) const { return Zelle(editor->LAufgaben, i, spalte); }
    QString pfad(const char* name) const { return ordner.filePath(QLatin1String(name)); }

    TReihenfenster* editor = nullptr;
};

// A teacher builds a series of three tasks, saves it and tries it out: the
// main window runs it as the task file.
TEST_F(ReihenfensterTest, ReiheBauenSpeichernUndAusprobieren)
{
    QMenu* aufgaben = kind<QMenu>("MenAufgabe");
    ASSERT_GE(aufgaben->actions().size(), 2);
    EXPECT_EQ(aufgaben->actions().last()->objectName(), QStringLiteral("MenReiheBearbeiten"));
    EXPECT_TRUE(aufgaben->actions()[aufgaben->actions().size() - 2]->isSeparator());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible() && editor->isWindow());
    EXPECT_EQ(editor->accessibleName(), QStringLiteral("Aufgabenreihe bearbeiten – unbenannt"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Aufgabenreihe bearbeiten – unbenannt[*]"));
    EXPECT_FALSE(teil<QPushButton>("BRueckgaengig")->isEnabled() || teil<QPushButton>("BWiederholen")->isEnabled());
    for (QWidget* w : editor->findChildren<QWidget*>()) {
        const bool steuer = w->focusPolicy() != Qt::NoFocus && !w->objectName().startsWith(QLatin1String("qt_"))
                            && w->parent() != editor->LAufgaben && w->parent() != editor->LBefunde;
        EXPECT_TRUE(!steuer || !w->accessibleName().isEmpty()) << w->metaObject()->className();
    }

    drueckeIn("EKommentar", "Drei Aufgaben");
    for (int Typ : {Gerade, Betrag, Parabel3, Exponential})
        teil<QCheckBox>(QStringLiteral("CTyp%1").arg(Typ + 1).toLatin1().constData())->click();
    QTest::mouseClick(teil<QPushButton>("BNeu"), Qt::LeftButton);
    drueckeIn("EParameter1", "x-0.5");
    drueckeIn("EParameter2", "1/4");
    EXPECT_EQ(teil<QLabel>("LVorschauLoesungsweg")->accessibleName(),
              QStringLiteral("Die Normalparabel wird mit dem Faktor %1 gestaucht, an der x-Achse gespiegelt und um %2 "
                             "nach links verschoben.")
                  .arg(MitTrenner("0,5"), MitTrenner("0,25")));
    QTest::mouseClick(teil<QPushButton>("BNeu"), Qt::LeftButton);
    teil<QComboBox>("CBTyp")->setCurrentIndex(Sinus);
    emit teil<QComboBox>("CBTyp")->activated(Sinus);
    drueckeIn("EParameter2", "-2"); // k takes no minus
    drueckeIn("EAbschnitt1", "-4");
    drueckeIn("EAbschnitt2", "2");
    drueckeIn("EAbschnitt3", "3");
    drueckeIn("EAbschnitt4", "5");
    QTest::mouseClick(teil<QPushButton>("BNeu"), Qt::LeftButton);
    teil<QComboBox>("CBTyp")->setCurrentIndex(Hyperbel);
    emit teil<QComboBox>("CBTyp")->activated(Hyperbel);
    EXPECT_EQ(teil<QComboBox>("CBTyp")->currentText(), QStringLiteral("6 Hyperbel"));
    EXPECT_TRUE(editor->isWindowModified());
    EXPECT_EQ(zeile(0, 2), MitTrenner("f(x) = -0,5·(x + 0,25)²"));
    EXPECT_EQ(zeile(1, 1), QStringLiteral("Sinusfunktion"));
    EXPECT_EQ(zeile(1, 2), QStringLiteral("f(x) = sin(2·x)")); // a new type starts at its basic function
    EXPECT_EQ(zeile(1, 3), QStringLiteral("(-4;2) (3;5)"));
    EXPECT_EQ(zeile(2, 2), QStringLiteral("f(x) = 1/x"));
    EXPECT_EQ(Zeilen(editor->LBefunde), 0);

    dialoge.speicherAntwort = pfad("reihe.sba");
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(editor->isWindowModified());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Aufgabenreihe bearbeiten – reihe.sba[*]"));
    EXPECT_EQ(LiesDateiinhalt(pfad("reihe.sba")),
              MitKopf("Drei Aufgaben\r\n3 5 6\r\n")
                  + MitTrenner("3 -0,5 0,25 0\r\n").toLatin1() + "5 1 2 0 0 (-4;2) (3;5)\r\n6 1 0 0 (-4;2) (3;5)\r\n");

    QTest::mouseClick(teil<QPushButton>("BAusprobieren"), Qt::LeftButton);
    EXPECT_EQ(form.Ablauf().Modus(), Modus::Datei);
    EXPECT_EQ(aufgabe().VorgTyp, Parabel2);
    ASSERT_FALSE(dialoge.boxen.empty());
    EXPECT_EQ(dialoge.boxen.back().text, QStringLiteral("Drei Aufgaben"));
}

// Nothing is lost: the question before closing, a failed save keeps the
// series, a Fehler is named before saving, and undo takes back every step.
TEST_F(ReihenfensterTest, NichtsGehtVerloren)
{
    drueckeIn("EKommentar", "K");
    QTest::mouseClick(teil<QPushButton>("BNeu"), Qt::LeftButton);
    QTest::mouseClick(teil<QPushButton>("BNeu"), Qt::LeftButton);
    Waehle(editor->LAufgaben, 0);
    drueckeIn("EParameter3", "99");
    ASSERT_EQ(Zeilen(editor->LBefunde), 1);
    EXPECT_EQ(Zelle(editor->LBefunde, 0, 0), QStringLiteral("4"));
    EXPECT_EQ(Zelle(editor->LBefunde, 0, 1), QStringLiteral("Fehler"));

    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Abbrechen};
    form.close();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialoge.boxen.back().text, QStringLiteral("Änderungen an „unbenannt“ speichern?"));

    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Speichern};
    dialoge.frageAntworten = {true};
    dialoge.speicherAntwort = ordner.path(); // a folder: saving fails
    EXPECT_FALSE(editor->close());
    EXPECT_TRUE(dialoge.boxen[dialoge.boxen.size() - 2].text.startsWith(QStringLiteral("Die Reihe hat einen Fehler in Zeile 4: ")));
    EXPECT_EQ(dialoge.boxen.back().art, AufzeichnendeDialoge::Art::Fehler);
    EXPECT_TRUE(editor->isWindowModified());
    EXPECT_EQ(editor->Reihe().Reihe().Aufgaben.at(0).Aufgabe.Parameter[2], 99);

    Waehle(editor->LAufgaben, 1);
    Waehle(editor->LBefunde, 0);
    emit editor->LBefunde->clicked(editor->LBefunde->currentIndex());
    EXPECT_EQ(editor->LAufgaben->currentIndex().row(), 0);
    QTest::keyClick(teil<QLineEdit>("EParameter3"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(teil<QLineEdit>("EParameter3")->text(), QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Zeilen(editor->LAufgaben), 1); // the end of the series
    EXPECT_EQ(editor->EKommentar->text(), QString()) << "the comment typed first, undone last";
    EXPECT_FALSE(editor->isWindowModified());
    drueckeIn("EKommentar", "K");
    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Speichern};
    dialoge.speicherAntwort = pfad("k.sba");
    EXPECT_TRUE(editor->close()); // saved, then closed
}

// The command line opens the editor with the file, here one with a faulty
// head; the end of the series holds the remarks after the last task.
TEST_F(FensterTest, BearbeiteOeffnetDieDateiMitFehlerhaftemKopf)
{
    const QString pfad = ordner.filePath(QStringLiteral("kopf.sba"));
    SchreibeDateiinhalt(pfad, MitKopf("K\r\n1 1\r\n*a\r\n4 2 0 0 (-4;2)\r\n*c\r\n"));
    OeffneBeimStart(form, LiesBefehlszeile({QStringLiteral("kurvix"), QStringLiteral("--bearbeite"), pfad}));
    QCoreApplication::processEvents();
    TReihenfenster* editor = form.Reihenfenster();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Aufgabenreihe bearbeiten – kopf.sba[*]"));
    EXPECT_TRUE(editor->EKommentar->text().isEmpty() && std::ranges::none_of(editor->CTyp, &QCheckBox::isChecked));
    EXPECT_EQ(dialoge.boxen.at(0).text,
              QStringLiteral("Fehler in der Aufgabendatei: Funktionstyp ist mehrfach ausgewählt!"));
    EXPECT_EQ(editor->EBemerkungen->toPlainText(), QStringLiteral("*a"));
    Waehle(editor->LAufgaben, 1);
    EXPECT_FALSE(editor->CBTyp->isEnabled());
    EXPECT_EQ(editor->EBemerkungen->toPlainText(), QStringLiteral("*c"));
    editor->EBemerkungen->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor->EBemerkungen, QStringLiteral("d"));
    QTest::keyClick(editor->EBemerkungen, Qt::Key_Tab); // leaves the box, types no tab
    EXPECT_EQ(editor->Reihe().Reihe().Schluss, QStringList{QStringLiteral("*cd")});
    QTest::keyClick(editor->EBemerkungen, Qt::Key_Z, Qt::ControlModifier); // undoes the series, not the box
    EXPECT_EQ(editor->EBemerkungen->toPlainText(), QStringLiteral("*c"));
    EXPECT_TRUE(editor->findChild<QPushButton*>(QStringLiteral("BWiederholen"))->isEnabled());

    // The random task, drawn by the exercise's rules, goes in before the end; cancelling adds none.
    dialoge.auswahlAntworten = {{std::nullopt, std::nullopt, false},
                                {std::vector<int>{Parabel2, Hyperbel}, Normal, true}};
    zufall.zuege = {0, 6, 12, 1, 1, 1};
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("BZufall")), Qt::LeftButton);
    ASSERT_EQ(Zeilen(editor->LAufgaben), 3);
    EXPECT_EQ(Zelle(editor->LAufgaben, 0, 2), QStringLiteral("f(x) = 2·x³"));
    EXPECT_EQ(Zelle(editor->LAufgaben, 1, 2), QStringLiteral("f(x) = (x - 2)² + 1"));
    EXPECT_TRUE(editor->EAbschnitt[0]->text().isEmpty()); // the first task's section is not the new one's
    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Verwerfen};
    EXPECT_TRUE(editor->close());
}

// A teacher's editor is killed after a change; the next start asks for each
// recovery left, the newest first: "Später" keeps it, "Verwerfen" removes it,
// "Wiederherstellen" brings the change back unsaved under the file's name
// (saving writes the file). Saving and discarding remove the window's own.
TEST_F(FensterTest, NachEinemKillKommtDieAenderungWieder)
{
    const QString pfad = SchreibeDatei(ordner, "k.sba", MitKopf("Alt\r\n3\r\n3 1 0 0\r\n"));
    const QDir sicherungen(Sicherungsordner());
    const auto dateien = [&sicherungen] { return sicherungen.entryList({QStringLiteral("*.sicherung")}, QDir::Files); };
    QProcess kind;
    kind.start(QStringLiteral(KURVIX_TESTKIND), {pfad, QStringLiteral("Neu")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return dateien().size() == 1; }, 20000)) << kind.readAllStandardError().toStdString();
    kind.kill(); // SIGKILL
    kind.waitForFinished();
    const QString aelter = sicherungen.filePath(QStringLiteral("aelter.sicherung"));
    SchreibeDateiinhalt(aelter, Sicherungsinhalt({{}, QDateTime({2026, 1, 2}, {9, 0}), MitKopf("K\r\n1\r\n\r\n")}));

    dialoge.wiederherstellAntworten = {Dialoge::Wiederherstellantwort::Spaeter, Dialoge::Wiederherstellantwort::Verwerfen};
    menue("MenReiheBearbeiten");
    TReihenfenster* editor = form.Reihenfenster();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    ASSERT_EQ(dialoge.boxen.size(), 2U);
    EXPECT_TRUE(dialoge.boxen[0].text.startsWith(QStringLiteral("Es gibt ungesicherte Änderungen an „k.sba“ vom ")));
    EXPECT_FALSE(QFile::exists(aelter));
    EXPECT_FALSE(editor->isWindowModified());

    dialoge.wiederherstellAntworten = {Dialoge::Wiederherstellantwort::Wiederherstellen};
    editor->BieteWiederherstellungAn();
    EXPECT_EQ(editor->EKommentar->text(), QStringLiteral("AltNeu"));
    EXPECT_TRUE(editor->isWindowModified());
    EXPECT_EQ(dateien(), QStringList{QFileInfo(editor->Sicherungsdatei()).fileName()});
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("BSpeichern")), Qt::LeftButton);
    EXPECT_EQ(LiesDateiinhalt(pfad), MitKopf("AltNeu\r\n3\r\n3 1 0 0\r\n"));
    EXPECT_TRUE(sicherungen.isEmpty());

    QTest::keyClicks(editor->EKommentar, QStringLiteral("!"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dateien().size() == 1; }, 5000));
    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Verwerfen};
    EXPECT_TRUE(editor->close());
    EXPECT_TRUE(sicherungen.isEmpty());
}

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
                     "&Arbeitsblatt speichern …", "Druck&vorschau …", "&Drucken …", "–", "&Klassenübersicht …", "–",
                     "S&chließen"}));
    EXPECT_EQ(eintraege(teil<QMenu>("MenBearbeiten")),
              Texte({"&Rückgängig", "&Wiederholen", "–", "&Neue Aufgabe", "&Zufallsaufgabe …", "Aufgabe &löschen",
                     "Nach &oben", "Nach un&ten", "–", "Aus&probieren"}));
    EXPECT_EQ(eintraege(teil<QMenu>("MenHilfe")), Texte({"&Handbuch"}));
    QStringList gehoert;
    durchlaufe(fenster, [&gehoert](QAccessibleInterface* knoten) {
        if (knoten->role() == QAccessible::MenuItem)
            gehoert << knoten->text(QAccessible::Name);
    });
    EXPECT_TRUE(gehoert.contains(QStringLiteral("Datei")) && gehoert.contains(QStringLiteral("Speichern unter …")));
    EXPECT_FALSE(gehoert.contains(QString()));

    drueckeIn("EKommentar", "K");
    QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    drueckeIn("EParameter1", "2");
    EXPECT_EQ(teil<QAction>("MenRueckgaengig")->text(), QStringLiteral("&Rückgängig: Wert ändern"));
    EXPECT_EQ(fenster->text(QAccessible::Name), QStringLiteral("Aufgabenreihe bearbeiten – unbenannt *"));
    dialoge.speicherAntwort = pfad("neu.sba");
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
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

// "Klassenübersicht …" opens the overview as a window of the editor's.
TEST_F(ReihenfensterTest, KlassenuebersichtAusDemDateimenue)
{
    teil<QAction>("MenKlassenuebersicht")->trigger();
    EXPECT_TRUE(teil<TUebersichtsfenster>("Klassenuebersicht")->isVisible());
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
                            MitKopf("K\r\n1\r\n1 1 0\r\n"));
        editor->Oeffne(pfad(QStringLiteral("r%1.sba").arg(i).toLatin1().constData()));
    }
    editor->Oeffne(pfad("r5.sba"));
    dialoge.speicherAntwort = pfad("neu.sba");
    teil<QAction>("MenSpeichernUnter")->trigger();
    QFile::remove(pfad("r9.sba"));
    const QString ort = QDir::toNativeSeparators(ordner.path()) + QDir::separator();
    TReihenfenster neu(dialoge, zufall, nullptr);
    QMenu* liste = neu.findChild<QMenu*>(QStringLiteral("MenZuletzt"));
    EXPECT_TRUE(liste->toolTipsVisible()); // the paths
    QStringList erwartet;
    for (const char* name : {"neu", "r5", "r9", "r8", "r7", "r6", "r4", "r3"})
        erwartet << QStringLiteral("&%1 %2.sba|%3%2.sba").arg(erwartet.size() + 1).arg(QLatin1String(name), ort);
    erwartet << QStringLiteral("–") << QStringLiteral("&Liste leeren|Liste leeren");
    EXPECT_EQ(zuletzt(liste), erwartet);

    neu.findChild<QAction*>(QStringLiteral("MenZuletzt3"))->trigger();
    EXPECT_EQ(dialoge.boxen.back().text, QStringLiteral("Die Datei „") + ort
                                             + QStringLiteral("r9.sba“ gibt es nicht mehr; sie ist aus der Liste entfernt."));
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
    SchreibeDateiinhalt(pfad("gezogen.SBA"), MitKopf("Gezogen\r\n3\r\n3 1 0 0\r\n"));
    drueckeIn("EKommentar", "K");
    const auto ziehe = [this](const QList<QUrl>& adressen) {
        QMimeData daten;
        daten.setUrls(adressen);
        QDragEnterEvent betreten(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QDropEvent ablegen(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &betreten);
        QApplication::sendEvent(editor, &ablegen); // refused on its own as well
        QCoreApplication::processEvents();
        return betreten.isAccepted();
    };
    const QUrl datei = QUrl::fromLocalFile(pfad("gezogen.SBA"));
    EXPECT_FALSE(ziehe({QUrl::fromLocalFile(pfad("bild.png"))}));
    EXPECT_FALSE(ziehe({datei, datei}));
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
    dialoge.ankreuzAntworten = {true, true, true, true, false, true, std::nullopt};
    teil<QAction>("MenArbeitsblatt")->trigger();
    EXPECT_EQ(dialoge.speicherVorschlaege.back(), pfad("sinus.pdf"));
    dialoge.vorschauDatei = pfad("vorschau.pdf");
    teil<QAction>("MenDruckvorschau")->trigger();
    EXPECT_EQ(dialoge.ankreuzFragen.back(), std::pair(QStringLiteral("&Lösungsblatt anhängen"), true));
    EXPECT_NE(pdfText(pfad("befehl.pdf")), pdfText(pfad("blatt.pdf"))); // the unsaved change is on the sheet

    EXPECT_EQ(pdfText(pfad("vorschau.pdf")), pdfText(pfad("blatt.pdf")));
    drueckeIn("EParameter1", "3");
    dialoge.speicherAntwort = pfad("gleich.pdf");
    teil<QAction>("MenArbeitsblatt")->trigger();
    dialoge.druckDatei = pfad("gedruckt.pdf");
    QTest::keyClick(editor, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(pdfText(pfad("gleich.pdf")), pdfText(pfad("befehl.pdf")));
    EXPECT_EQ(pdfText(pfad("gedruckt.pdf")), pdfText(pfad("befehl.pdf")));
    EXPECT_TRUE(dialoge.boxen.empty());
    EXPECT_EQ(ersteSeite(pfad("gedruckt.pdf")), ersteSeite(pfad("befehl.pdf"))); // A4, and 1 cm stays 1 cm

    dialoge.speicherAntwort = pfad("ohne.pdf");
    teil<QAction>("MenArbeitsblatt")->trigger(); // without the answer key
    EXPECT_FALSE(pdfText(pfad("ohne.pdf")).contains(QStringLiteral("Lösungen")));
    dialoge.speicherAntwort = ordner.path(); // a folder: the old file stays, the message says why
    teil<QAction>("MenArbeitsblatt")->trigger();
    EXPECT_TRUE(dialoge.boxen.back().text.startsWith(
        QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden: ").arg(ordner.path())));
    teil<QAction>("MenArbeitsblatt")->trigger(); // cancelled in the small dialog
    drueckeIn("EParameter4", "99");
    dialoge.frageAntworten = {false};
    teil<QAction>("MenDrucken")->trigger();
    EXPECT_TRUE(dialoge.boxen.back().text.startsWith(QStringLiteral("Die Reihe hat einen Fehler in Zeile ")));
    EXPECT_EQ(dialoge.ankreuzFragen.size(), 7);
}

// A large series opens at once and is checked in the event loop; saving
// waits for the whole check, so that its question names every Fehler.
TEST_F(ReihenfensterTest, GrosseReiheWirdImHintergrundGeprueft)
{
    QByteArray inhalt = MitKopf("K\r\n1\r\n");
    for (int i = 0; i < 2500; ++i)
        inhalt += i == 2400 ? "9 1 1\r\n" : "1 1 0\r\n";
    SchreibeDateiinhalt(pfad("gross.sba"), inhalt);
    editor->Oeffne(pfad("gross.sba"));
    const auto* befundtitel = teil<QLabel>("LBefundtitel");
    EXPECT_EQ(befundtitel->text(), QStringLiteral("B&efunde der Prüfung (geprüft: 1000 von 2500 Aufgaben):"));
    QCoreApplication::processEvents(); // one step
    EXPECT_EQ(befundtitel->text(), QStringLiteral("B&efunde der Prüfung (geprüft: 2000 von 2500 Aufgaben):"));
    dialoge.frageAntworten = {false};
    teil<QAction>("MenSpeichern")->trigger();
    EXPECT_TRUE(dialoge.boxen.back().text.startsWith(QStringLiteral("Die Reihe hat einen Fehler in Zeile 2404: ")));
    EXPECT_EQ(befundtitel->text(), QStringLiteral("B&efunde der Prüfung (ein Klick wählt die Aufgabe):"));
    QCoreApplication::processEvents(); // the step planned before saving finds nothing left
    EXPECT_FALSE(editor->PrueftNoch()) << "no pass of the event loop once all is checked";
    EXPECT_EQ(Zeilen(editor->LBefunde), 1);
}

} // namespace
