// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/dialoge.h"
#include "tasks/protokoll.h"
#include "tasks/zufall.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Whether the regional settings named by the environment (LC_ALL, LANG)
// could be set up for the process; false when that locale is not installed.
bool& GewaehlteRegion();

// A number text written with a decimal comma, in the decimal separator of
// the locale the tests run under: MitTrenner("= 0,5·x") is "= 0.5·x" under
// English settings.
QString MitTrenner(const char* deutsch);
// The same text with the decimal point: "0,5" gives "0.5".
QString MitPunkt(const char* deutsch);

// Switches the C library to a locale for the lifetime of the object, with
// Qt's default locale to match, and back afterwards. Gelungen() is false
// when the locale is not installed.
class Regionswechsel {
public:
    explicit Regionswechsel(const char* name);
    ~Regionswechsel();
    Regionswechsel(const Regionswechsel&) = delete;
    Regionswechsel& operator=(const Regionswechsel&) = delete;
    bool Gelungen() const { return m_gelungen; }

private:
    std::string m_vorher;
    QLocale m_qtVorher;
    bool m_gelungen;
};

// The UTF-8 texts of a test table as Qt's strings.
QStringList Texte(const std::vector<const char*>& texte);
// The same texts as the lines of a printed output, each ended by "\n".
QString Zeilen(const std::vector<const char*>& texte);

// What a poppler tool (pdftotext, pdfinfo, pdftoppm) prints; fails the test
// when it cannot run.
QString Poppler(const QString& programm, const QStringList& argumente);
// A record of 9 December 2026 with one letter per task of a straight line
// f(x) = 2·x + 1: R right at once, F first wrong (2·x - 1), then right, S
// skipped, O open; a lower-case letter is a task of a task file.
Testprotokoll Protokoll(const char* name, const char* klasse, const char* verlauf);
// Writes a file into the folder and gives its path.
QString SchreibeDatei(const QTemporaryDir& ordner, const char* name, const QByteArray& inhalt);
// The head line that opens every task file, in Windows-1252 and without its
// line end; MitKopf puts it with CR LF in front of the given bytes, and
// KopfUndZeilen in front of the lines, each line then ended by CR LF.
inline const QByteArray Aufgabenkopf =
    QByteArrayLiteral("* Aufgabendatei f\xfcr Programm zum Verschieben und Strecken von Schaubildern von Talvenhorn *");
QByteArray MitKopf(const QByteArray& zeilen);
QByteArray KopfUndZeilen(const QStringList& zeilen);

// Readable failure messages for Qt's strings.
void PrintTo(const QString& text, std::ostream* aus);
void PrintTo(const QStringList& texte, std::ostream* aus);

// How a test answers the selection dialog, the way a user would: the
// types to tick (all others cleared; nothing leaves the ticks as they are),
// the difficulty to click (a disabled one stays as it is), then Ok or
// Abbrechen.
struct AuswahlAntwort {
    std::optional<std::vector<int>> typen;
    std::optional<int> grad;
    bool ok = true;
};

// What the selection dialog showed when it opened.
struct AuswahlBeimOeffnen {
    std::vector<int> angehakt;
    int grad;
    bool gradAenderbar;
};

// Records every box the program would show instead of opening it, answers
// the selection dialog from a queue of answers and the colour chooser from a
// script, and lets a test act in the program's own windows while they are
// open.
class AufzeichnendeDialoge : public Dialoge {
public:
    enum class Art { Meldung, Fehler };
    struct Box {
        Art art;
        QString titel;
        QString text;
    };

    void Meldung(QWidget* eltern, const QString& titel, const QString& text) override;
    void Fehler(QWidget* eltern, const QString& titel, const QString& text) override;
    void Auswahl(TAuswahlBox& box) override;
    // Records the colour the chooser opens at and gives the next scripted
    // answer; a chooser beyond the script fails the test.
    std::optional<QColor> WaehleFarbe(QWidget* eltern, const QColor& farbe) override;
    // Shows the window application-modal, without a nested event loop, and
    // lets `bedienung` act in it as the user would. A window still open
    // afterwards fails the test and is closed.
    void ZeigeModal(QDialog& fenster) override;
    // Records the filter and suffix, and answers with dateiAntwort.
    std::optional<QString> DateiDialog(QWidget* eltern, const QString& filter, const QString& endung) override;
    // Records the suggestion, and answers with speicherAntwort.
    std::optional<QString> SpeicherDialog(QWidget* eltern, const QString& filter, const QString& endung,
                                          const QString& vorschlag) override;
    // Each records the question as a Meldung box and answers from its queue;
    // a question beyond it fails the test and cancels.
    bool Frage(QWidget* eltern, const QString& titel, const QString& text) override;
    Speicherantwort FrageSpeichern(QWidget* eltern, const QString& titel, const QString& text) override;
    Wiederherstellantwort FrageWiederherstellen(QWidget* eltern, const QString& titel, const QString& text) override;

    std::deque<AuswahlAntwort> auswahlAntworten;
    std::vector<AuswahlBeimOeffnen> auswahlGeoeffnet;
    struct DateiFrage {
        QString filter;
        QString endung;
    };
    std::vector<DateiFrage> dateiFragen;
    std::optional<QString> dateiAntwort; // nothing: the user cancels
    std::optional<QString> speicherAntwort;
    QStringList speicherVorschlaege;
    std::deque<bool> frageAntworten;
    std::deque<Speicherantwort> speicherfrageAntworten;
    std::deque<Wiederherstellantwort> wiederherstellAntworten;
    std::vector<Box> boxen;
    std::deque<std::optional<QColor>> farbantworten; // nullopt cancels
    std::vector<QColor> farbvorgaben;
    std::function<void(QDialog&)> bedienung;
    // Record the check box's text and answer from the queue; a dialog
    // beyond it fails the test and cancels.
    std::optional<bool> Ankreuzen(QWidget* eltern, const QString& titel, const QString& text, bool vorgabe) override;
    // The printer prints into the PDF file druckDatei; nothing cancels.
    bool Drucken(QWidget* eltern, QPrinter& drucker) override;
    // The preview's pages go into the PDF file vorschauDatei, as the
    // preview would show them.
    void Druckvorschau(QWidget* eltern, QPrinter& drucker, const std::function<void(QPrinter&)>& zeichne) override;
    std::vector<std::pair<QString, bool>> ankreuzFragen; // text and default
    std::deque<std::optional<bool>> ankreuzAntworten;
    std::optional<QString> druckDatei;
    QString vorschauDatei;
    QStringList gezeigt; // objectNames of the windows shown
    int vorschauen = 0; // how often the preview was shown
    // The files chosen are dateienAntwort; the folder dialog is cancelled.
    QStringList DateienDialog(QWidget* eltern, const QString& filter) override;
    std::optional<QString> OrdnerDialog(QWidget* eltern) override;
    QStringList dateienAntwort;
};

// Answers R(n) from a script and records the n of every draw; a draw
// outside 0..n-1 fails the test, a draw beyond the script fails it and
// throws, so that no redraw loop runs on forever.
class SkriptZufall : public Zufall {
public:
    int R(int n) override;
    void Saeen(std::uint32_t saat) override { this->saat = saat; }

    std::vector<int> zuege;
    std::vector<int> gefragt;
    std::size_t gezogen = 0;
    std::optional<std::uint32_t> saat;
};
