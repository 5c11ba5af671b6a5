// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/reihenfenster.h"

#include "app/befehlszeile.h"
#include "fenstertest.h"
#include "tasks/dateiinhalt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTreeWidget>

namespace {

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

    QString zeile(int i, int spalte) const { return editor->LAufgaben->topLevelItem(i)->text(spalte); }
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
    EXPECT_EQ(editor->accessibleName(), QStringLiteral("Aufgabenreihe bearbeiten"));
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
    EXPECT_EQ(editor->LBefunde->topLevelItemCount(), 0);

    dialoge.speicherAntwort = pfad("reihe.sba");
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(editor->isWindowModified());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Aufgabenreihe bearbeiten – reihe.sba[*]"));
    EXPECT_EQ(LiesDateiinhalt(pfad("reihe.sba")),
              "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von Talvenhorn *\r\n"
              "Drei Aufgaben\r\n3 5 6\r\n"
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
    editor->LAufgaben->setCurrentItem(editor->LAufgaben->topLevelItem(0));
    drueckeIn("EParameter3", "99");
    ASSERT_EQ(editor->LBefunde->topLevelItemCount(), 1);
    EXPECT_EQ(editor->LBefunde->topLevelItem(0)->text(0), QStringLiteral("4"));
    EXPECT_EQ(editor->LBefunde->topLevelItem(0)->text(1), QStringLiteral("Fehler"));

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

    editor->LAufgaben->setCurrentItem(editor->LAufgaben->topLevelItem(1));
    editor->LBefunde->setCurrentItem(editor->LBefunde->topLevelItem(0));
    emit editor->LBefunde->itemClicked(editor->LBefunde->topLevelItem(0), 0);
    EXPECT_EQ(editor->LAufgaben->currentItem(), editor->LAufgaben->topLevelItem(0));
    QTest::keyClick(teil<QLineEdit>("EParameter3"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(teil<QLineEdit>("EParameter3")->text(), QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->LAufgaben->topLevelItemCount(), 1); // the end of the series
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
    SchreibeDateiinhalt(pfad, "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von "
                              "Talvenhorn *\r\nK\r\n1 1\r\n*a\r\n4 2 0 0 (-4;2)\r\n*c\r\n");
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
    editor->LAufgaben->setCurrentItem(editor->LAufgaben->topLevelItem(1));
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
    ASSERT_EQ(editor->LAufgaben->topLevelItemCount(), 3);
    EXPECT_EQ(editor->LAufgaben->topLevelItem(0)->text(2), QStringLiteral("f(x) = 2·x³"));
    EXPECT_EQ(editor->LAufgaben->topLevelItem(1)->text(2), QStringLiteral("f(x) = (x - 2)² + 1"));
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
    const QByteArray kopf =
        "* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von Talvenhorn *\r\n";
    const QString pfad = ordner.filePath(QStringLiteral("k.sba"));
    SchreibeDateiinhalt(pfad, kopf + "Alt\r\n3\r\n3 1 0 0\r\n");
    const QDir sicherungen(Sicherungsordner());
    const auto dateien = [&sicherungen] { return sicherungen.entryList({QStringLiteral("*.sicherung")}, QDir::Files); };
    QProcess kind;
    kind.start(QStringLiteral(KURVIX_TESTKIND), {pfad, QStringLiteral("Neu")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return dateien().size() == 1; }, 20000)) << kind.readAllStandardError().toStdString();
    kind.kill(); // SIGKILL
    kind.waitForFinished();
    const QString aelter = sicherungen.filePath(QStringLiteral("aelter.sicherung"));
    SchreibeDateiinhalt(aelter, Sicherungsinhalt({{}, QDateTime({2026, 1, 2}, {9, 0}), kopf + "K\r\n1\r\n\r\n"}));

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
    EXPECT_EQ(LiesDateiinhalt(pfad), kopf + "AltNeu\r\n3\r\n3 1 0 0\r\n");
    EXPECT_TRUE(sicherungen.isEmpty());

    QTest::keyClicks(editor->EKommentar, QStringLiteral("!"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dateien().size() == 1; }, 5000));
    dialoge.speicherfrageAntworten = {Dialoge::Speicherantwort::Verwerfen};
    EXPECT_TRUE(editor->close());
    EXPECT_TRUE(sicherungen.isEmpty());
}

} // namespace
