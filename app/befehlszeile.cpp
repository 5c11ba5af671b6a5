// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/befehlszeile.h"

#include "app/anwendung.h"
#include "app/hauptfenster.h"
#include "app/uebersichtsfenster.h"
#include "auftraege/pruefauftrag.h"
#include "dialogs/dialoge.h"
#include "model/zahltext.h"
#include "tasks/zufall.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCommandLineParser>
#include <QMetaObject>

#include <memory>

namespace {

Auftrag Ausgabe(const QString& text, int status = 0) { return {Auftrag::Art::Ausgabe, {}, text, status}; }

Auftrag Fehlaufruf(const QString& fehler)
{
    return Ausgabe(QStringLiteral("kurvix: %1\nAufruf und Optionen zeigt »kurvix --help«.\n").arg(fehler),
                   FalscherAufruf);
}

int ZeigeFenster(int argc, char* argv[], const Auftrag& auftrag)
{
    StarteSchriftvorlauf();
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    TForm1 fenster(dialoge, zufall);
    // The editor comes alone; its trial shows the main window.
    if (auftrag.art == Auftrag::Art::Fenster)
        fenster.show();
    OeffneBeimStart(fenster, auftrag);
    return QApplication::exec();
}

// The overview alone, as the desktop's action "Testprotokolle auswerten"
// starts it; the files are read once the window shows, so that its own
// boundary reports what goes wrong.
int zeigeUebersicht(int argc, char* argv[], const QStringList& dateien)
{
    StarteSchriftvorlauf();
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    QtDialoge dialoge;
    TUebersichtsfenster fenster(dialoge);
    fenster.show();
    QMetaObject::invokeMethod(&fenster, [&fenster, dateien] { fenster.FuegeHinzu(dateien); }, Qt::QueuedConnection);
    return QApplication::exec();
}

// The job's result on the console: its messages after the program's name,
// then its output, line by line.
int melde(const Auftragsergebnis& ergebnis)
{
    for (const QString& meldung : ergebnis.Meldungen)
        SchreibeKonsole(stderr, QStringLiteral("kurvix: ") + meldung + QLatin1Char('\n'));
    for (const QString& zeile : ergebnis.Ausgabe)
        SchreibeKonsole(stdout, zeile + QLatin1Char('\n'));
    return ergebnis.Status;
}

// Worksheets and the overview's PDF are drawn in the bundled face; they never
// show a window, so they need no display.
template <typename Job>
int ohneFenster(int argc, char* argv[], Job job)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    StarteSchriftvorlauf();
    QGuiApplication anwendung(argc, argv);
    RichteKernEin(anwendung);
    LadeSchriften();
    return melde(job());
}

Auftrag auswertung(const QCommandLineParser& parser, const Blattoptionen& blatt, bool pruefen, const QStringList& dateien)
{
    if (pruefen || blatt.OhneAusgabeGefragt(parser))
        return Fehlaufruf(QStringLiteral("--auswertung geht nur mit -o zusammen."));
    if (dateien.isEmpty())
        return Fehlaufruf(QStringLiteral("--auswertung braucht mindestens ein Testprotokoll."));
    const QString ausgabe = blatt.Ausgabe(parser);
    Auftrag auftrag{Auftrag::Art::Auswertung, dateien, {}, 0};
    auftrag.Auswertung = {dateien, ausgabe.isEmpty() ? Auswertungsdatei() : ausgabe};
    return auftrag;
}

} // namespace

void OeffneBeimStart(TForm1& fenster, const Auftrag& auftrag)
{
    if (auftrag.art == Auftrag::Art::Bearbeiten) {
        const std::optional<QString> pfad =
            auftrag.Dateien.isEmpty() ? std::nullopt : std::optional<QString>(auftrag.Dateien.first());
        QMetaObject::invokeMethod(&fenster, [&fenster, pfad] { fenster.BearbeiteReihe(pfad); }, Qt::QueuedConnection);
        return;
    }
    if (auftrag.Dateien.isEmpty())
        return;
    QMetaObject::invokeMethod(
        &fenster, [&fenster, pfad = auftrag.Dateien.first()] { fenster.OeffneDatei(pfad); }, Qt::QueuedConnection);
}

Auftrag LiesBefehlszeile(const QStringList& argumente)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Übungsprogramm zum Verschieben und Strecken von Schaubildern.\n"
                       "Mit einer Aufgabendatei gestartet, öffnet es sie wie „Aufgabendatei einlesen“."));
    // Qt's own help option would add --help-all, which lists Qt's options
    // for the window; they are not accepted here, where no window is open
    // yet. The description keeps Qt's translation.
    const QCommandLineOption hilfe(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("QCommandLineParser", "Displays help on commandline options."));
    parser.addOption(hilfe);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption pruefen(QStringLiteral("pruefe"),
                                     QStringLiteral("prüft die genannten Aufgabendateien, ohne ein Fenster zu öffnen, "
                                                    "und meldet jeden Fehler mit seiner Zeile"));
    parser.addOption(pruefen);
    const QCommandLineOption bearbeiten(QStringLiteral("bearbeite"),
                                        QStringLiteral("öffnet das Fenster „Aufgabenreihe bearbeiten“, mit der "
                                                       "genannten Aufgabendatei oder einer neuen Reihe"));
    parser.addOption(bearbeiten);
    const QCommandLineOption groesse(
        QStringLiteral("groesse"),
        QStringLiteral("zeigt das Fenster in dieser Größe, 100 bis 300 (für den Beamer etwa 175)"),
        QStringLiteral("Prozent"));
    parser.addOption(groesse);
    const Blattoptionen blatt(parser);
    const QCommandLineOption auswerten(QStringLiteral("auswertung"),
                                       QStringLiteral("liest die genannten Testprotokolle und schreibt eine "
                                                      "Klassenübersicht, als CSV oder mit -o DATEI.pdf als PDF"));
    parser.addOption(auswerten);
    const QCommandLineOption uebersicht(QStringLiteral("uebersicht"),
                                        QStringLiteral("öffnet das Fenster „Klassenübersicht“ mit den genannten "
                                                       "Testprotokollen und den PDF-Dateien der genannten Ordner"));
    parser.addOption(uebersicht);
    parser.addPositionalArgument(QStringLiteral("Aufgabendatei"), QStringLiteral("die zu öffnende Aufgabendatei (.sba)"),
                                 QStringLiteral("[Aufgabendatei]"));
    if (!parser.parse(argumente))
        return Fehlaufruf(parser.errorText());
    if (parser.isSet(hilfe))
        return Ausgabe(parser.helpText());
    if (parser.isSet(version))
        return Ausgabe(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion()));
    std::optional<int> prozent;
    if (parser.isSet(groesse)) {
        prozent = Ganzzahlwert(parser.value(groesse));
        if (!prozent || *prozent < KleinsteGroesse || *prozent > GroessteGroesse)
            return Fehlaufruf(QStringLiteral("--groesse erwartet eine ganze Zahl von 100 bis 300, nicht „%1“.")
                                  .arg(parser.value(groesse)));
    }
    const QStringList dateien = parser.positionalArguments();
    if (parser.isSet(bearbeiten) && (parser.isSet(pruefen) || blatt.Gefragt(parser)))
        return Fehlaufruf(QStringLiteral("--bearbeite geht nicht zusammen mit --pruefe oder --arbeitsblatt."));
    if (parser.isSet(uebersicht)) {
        if (parser.isSet(auswerten) || parser.isSet(pruefen) || parser.isSet(bearbeiten) || blatt.Gefragt(parser))
            return Fehlaufruf(QStringLiteral("--uebersicht geht nicht zusammen mit anderen Aufträgen."));
        return {Auftrag::Art::Uebersicht, dateien, {}, 0, {}, prozent};
    }
    if (parser.isSet(auswerten))
        return auswertung(parser, blatt, parser.isSet(pruefen), dateien);
    if (blatt.Gefragt(parser) && parser.isSet(pruefen))
        return Fehlaufruf(QStringLiteral("--pruefe und --arbeitsblatt gehen nicht zusammen."));
    if (blatt.Gefragt(parser)) {
        const std::variant<Blattauftrag, QString> gelesen = blatt.Lies(parser, dateien);
        if (const QString* fehler = std::get_if<QString>(&gelesen))
            return Fehlaufruf(*fehler);
        const Blattauftrag& auftrag = std::get<Blattauftrag>(gelesen);
        return {auftrag.Reihe ? Auftrag::Art::Reihe : Auftrag::Art::Arbeitsblatt, {}, {}, 0, auftrag};
    }
    if (parser.isSet(pruefen))
        return dateien.isEmpty() ? Fehlaufruf(QStringLiteral("--pruefe braucht mindestens eine Aufgabendatei."))
                                 : Auftrag{Auftrag::Art::Pruefen, dateien, {}, 0};
    if (dateien.size() > 1)
        return Fehlaufruf(QStringLiteral("Es kann nur eine Aufgabendatei geöffnet werden."));
    return {parser.isSet(bearbeiten) ? Auftrag::Art::Bearbeiten : Auftrag::Art::Fenster, dateien, {}, 0, {}, prozent};
}

int Starte(int argc, char* argv[])
{
    auto kern = std::make_unique<QCoreApplication>(argc, argv);
    RichteKernEin(*kern);
    const Auftrag auftrag = LiesBefehlszeile(QCoreApplication::arguments());
    switch (auftrag.art) {
    case Auftrag::Art::Ausgabe:
        SchreibeKonsole(auftrag.Status == 0 ? stdout : stderr, auftrag.Text);
        return auftrag.Status;
    case Auftrag::Art::Pruefen:
        return melde(PruefeDateien(auftrag.Dateien));
    case Auftrag::Art::Fenster:
    case Auftrag::Art::Bearbeiten:
        kern.reset(); // one application at a time
        if (auftrag.Groesse)
            SetzeGroesse(*auftrag.Groesse);
        return ZeigeFenster(argc, argv, auftrag);
    case Auftrag::Art::Arbeitsblatt:
        kern.reset();
        return ohneFenster(argc, argv, [&] { return ErstelleArbeitsblatt(auftrag.Blatt); });
    case Auftrag::Art::Reihe:
        return melde(SchreibeZufallsreihe(auftrag.Blatt));
    case Auftrag::Art::Auswertung:
        kern.reset();
        return ohneFenster(argc, argv, [&] { return ErstelleAuswertung(auftrag.Auswertung); });
    case Auftrag::Art::Uebersicht:
        kern.reset();
        if (auftrag.Groesse)
            SetzeGroesse(*auftrag.Groesse);
        return zeigeUebersicht(argc, argv, auftrag.Dateien);
    }
    return FalscherAufruf;
}
