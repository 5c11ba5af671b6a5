// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testhilfe.h"

#include "dialogs/auswahlbox.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <stdexcept>

bool& GewaehlteRegion()
{
    static bool gewaehlt = false;
    return gewaehlt;
}

QString MitTrenner(const char* deutsch)
{
    return QString::fromUtf8(deutsch).replace(QLatin1Char(','), QLocale().decimalPoint());
}

QString MitPunkt(const char* deutsch)
{
    return QString::fromUtf8(deutsch).replace(QLatin1Char(','), QLatin1Char('.'));
}

Regionswechsel::Regionswechsel(const char* name)
    : m_vorher(std::setlocale(LC_ALL, nullptr))
    , m_gelungen(std::setlocale(LC_ALL, name) != nullptr)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
}

Regionswechsel::~Regionswechsel()
{
    std::setlocale(LC_ALL, m_vorher.c_str());
    QLocale::setDefault(m_qtVorher);
}

QStringList Texte(const std::vector<const char*>& texte)
{
    QStringList liste;
    for (const char* text : texte)
        liste << QString::fromUtf8(text);
    return liste;
}

QString Zeilen(const std::vector<const char*>& texte)
{
    QString zeilen;
    for (const QString& zeile : Texte(texte))
        zeilen += zeile + QLatin1Char('\n');
    return zeilen;
}

QString Poppler(const QString& programm, const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(programm, argumente);
    EXPECT_TRUE(prozess.waitForFinished(60000)) << programm.toStdString() << " (poppler-utils) did not run";
    EXPECT_EQ(prozess.exitCode(), 0) << prozess.readAllStandardError().toStdString();
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

Testprotokoll Protokoll(const char* name, const char* klasse, const char* verlauf)
{
    Testprotokoll p{QString::fromUtf8(name), QString::fromUtf8(klasse), QDateTime(QDate(2026, 12, 9), QTime(9, 0)),
                    QStringLiteral("Test"), QStringLiteral("0.1.0"), {}};
    for (const char* c = verlauf; *c != '\0'; ++c) {
        const char art = static_cast<char>(std::toupper(*c));
        Protokollaufgabe a{std::isupper(*c) != 0, Gerade, {{2, 1, 0, 0}}, {}, {}, art == 'S'};
        if (art == 'F')
            a.Antworten = {{Gerade, {{2, -1, 0, 0}}, false}, {Gerade, {{2, 1, 0, 0}}, true}};
        if (art == 'R')
            a.Antworten = {{Gerade, {{2, 1, 0, 0}}, true}};
        p.Aufgaben.push_back(a);
    }
    return p;
}

QString SchreibeDatei(const QTemporaryDir& ordner, const char* name, const QByteArray& inhalt)
{
    QFile datei(ordner.filePath(QString::fromUtf8(name)));
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
    return datei.fileName();
}

QByteArray MitKopf(const QByteArray& zeilen) { return Aufgabenkopf + "\r\n" + zeilen; }

QByteArray KopfUndZeilen(const QStringList& zeilen)
{
    QByteArray bytes;
    for (const QString& zeile : zeilen)
        bytes += zeile.toLatin1() + "\r\n";
    return MitKopf(bytes);
}

void PrintTo(const QString& text, std::ostream* aus) { *aus << '"' << text.toStdString() << '"'; }

void PrintTo(const QStringList& texte, std::ostream* aus)
{
    *aus << '{' << texte.join(QStringLiteral(" ¦ ")).toStdString() << '}';
}

void AufzeichnendeDialoge::Meldung(QWidget*, const QString& titel, const QString& text)
{
    boxen.push_back({Art::Meldung, titel, text});
}

void AufzeichnendeDialoge::Fehler(QWidget*, const QString& titel, const QString& text)
{
    boxen.push_back({Art::Fehler, titel, text});
}

void AufzeichnendeDialoge::Auswahl(TAuswahlBox& box)
{
    AuswahlBeimOeffnen geoeffnet{{}, box.Schwierigkeitsgrad(), box.RGSchwierigkeitsgrad->isEnabled()};
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        if (box.CheckBox[Typ]->isChecked())
            geoeffnet.angehakt.push_back(Typ);
    }
    auswahlGeoeffnet.push_back(geoeffnet);
    if (auswahlAntworten.empty()) {
        ADD_FAILURE() << "the selection dialog opened unexpectedly";
        box.BAbbrechen->click();
        return;
    }
    const AuswahlAntwort antwort = auswahlAntworten.front();
    auswahlAntworten.pop_front();
    if (antwort.typen) {
        for (int Typ = 0; Typ < AnzahlTypen; ++Typ)
            box.CheckBox[Typ]->setChecked(std::count(antwort.typen->begin(), antwort.typen->end(), Typ) > 0);
    }
    if (antwort.grad)
        box.RGEintrag.at(static_cast<std::size_t>(*antwort.grad))->click();
    (antwort.ok ? box.BOk : box.BAbbrechen)->click();
}

std::optional<QString> AufzeichnendeDialoge::DateiDialog(QWidget*, const QString& filter, const QString& endung)
{
    dateiFragen.push_back({filter, endung});
    return dateiAntwort;
}

std::optional<QString> AufzeichnendeDialoge::SpeicherDialog(QWidget*, const QString&, const QString&,
                                                            const QString& vorschlag)
{
    speicherVorschlaege << vorschlag;
    return speicherAntwort;
}

namespace {

template <typename Antwort>
Antwort naechsteAntwort(std::deque<Antwort>& antworten, Antwort abbrechen)
{
    if (antworten.empty()) {
        ADD_FAILURE() << "a question was asked unexpectedly";
        return abbrechen;
    }
    const Antwort antwort = antworten.front();
    antworten.pop_front();
    return antwort;
}

} // namespace

bool AufzeichnendeDialoge::Frage(QWidget*, const QString& titel, const QString& text)
{
    boxen.push_back({Art::Meldung, titel, text});
    return naechsteAntwort(frageAntworten, false);
}

Dialoge::Speicherantwort AufzeichnendeDialoge::FrageSpeichern(QWidget*, const QString& titel, const QString& text)
{
    boxen.push_back({Art::Meldung, titel, text});
    return naechsteAntwort(speicherfrageAntworten, Speicherantwort::Abbrechen);
}

Dialoge::Wiederherstellantwort AufzeichnendeDialoge::FrageWiederherstellen(QWidget*, const QString& titel,
                                                                           const QString& text)
{
    boxen.push_back({Art::Meldung, titel, text});
    return naechsteAntwort(wiederherstellAntworten, Wiederherstellantwort::Spaeter);
}

std::optional<QColor> AufzeichnendeDialoge::WaehleFarbe(QWidget*, const QColor& farbe)
{
    farbvorgaben.push_back(farbe);
    if (farbantworten.empty()) {
        ADD_FAILURE() << "a colour chooser beyond the script";
        return std::nullopt;
    }
    const std::optional<QColor> antwort = farbantworten.front();
    farbantworten.pop_front();
    return antwort;
}

void AufzeichnendeDialoge::ZeigeModal(QDialog& fenster)
{
    gezeigt.push_back(fenster.objectName());
    fenster.setWindowModality(Qt::ApplicationModal);
    fenster.show();
    if (bedienung)
        bedienung(fenster);
    if (fenster.isVisible()) {
        ADD_FAILURE() << fenster.objectName().toStdString() << " stays open";
        fenster.reject();
    }
}

QStringList AufzeichnendeDialoge::DateienDialog(QWidget*, const QString&) { return dateienAntwort; }

std::optional<QString> AufzeichnendeDialoge::OrdnerDialog(QWidget*) { return std::nullopt; }

std::optional<bool> AufzeichnendeDialoge::Ankreuzen(QWidget*, const QString&, const QString& text, bool vorgabe)
{
    ankreuzFragen.emplace_back(text, vorgabe);
    return naechsteAntwort(ankreuzAntworten, std::optional<bool>());
}

bool AufzeichnendeDialoge::Drucken(QWidget*, QPrinter& drucker)
{
    drucker.setOutputFileName(druckDatei.value_or(QString()));
    return druckDatei.has_value();
}

void AufzeichnendeDialoge::Druckvorschau(QWidget*, QPrinter& drucker, const std::function<void(QPrinter&)>& zeichne)
{
    ++vorschauen;
    drucker.setOutputFileName(vorschauDatei);
    zeichne(drucker);
}

int SkriptZufall::R(int n)
{
    gefragt.push_back(n);
    if (gezogen >= zuege.size()) {
        ADD_FAILURE() << "R(" << n << ") beyond the script";
        throw std::out_of_range("script exhausted");
    }
    const int zug = zuege[gezogen++];
    EXPECT_GE(zug, 0);
    EXPECT_LT(zug, n) << "scripted draw " << gezogen << " out of range for R(" << n << ")";
    return zug;
}
