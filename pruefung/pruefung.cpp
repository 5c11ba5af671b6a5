// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pruefung/pruefung.h"

#include "model/funktionstext.h"
#include "model/zahltext.h"
#include "plot/abtastung.h"
#include "plot/geometrie.h"
#include "plot/leinwand.h"
#include "tasks/aufgabendatei.h"
#include "tasks/zeilenquelle.h"

#include <algorithm>

namespace {

using Art = Befund::Art;

// The findings of one file as they come, each at the line last read.
class Protokoll {
public:
    explicit Protokoll(const QLocale& locale)
        : locale(locale)
    {
    }

    void Melde(Art art, const QString& text) { ergebnis.Befunde.push_back({zeile, art, text}); }
    QString Zahl(double wert) const { return Zahltext(wert, locale); }

    const QLocale& locale;
    int zeile = 0;
    Pruefung ergebnis;
};

// The error report shows a Lesefehler or a Rechenfehler as a sentence.
QString alsSatz(const QString& text) { return text + QLatin1Char('.'); }

QString inAnfuehrung(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

void pruefeKopf(const Dateikopf& kopf, Protokoll& protokoll)
{
    protokoll.zeile = kopf.Zeile;
    for (const Meldung& meldung : kopf.Meldungen) {
        if (meldung.art == Meldung::Art::Fehler)
            protokoll.Melde(Art::Fehler, meldung.text);
        else if (meldung.art == Meldung::Art::Lesefehler)
            protokoll.Melde(Art::Fehler, alsSatz(meldung.text));
    }
}

// "das Ende des 2. Abschnitts" for the end of the second section.
QString grenzname(const char* grenze, int abschnitt)
{
    return QString::fromUtf8(grenze) + QStringLiteral(" des ") + Zahltext(abschnitt + 1) + QStringLiteral(". Abschnitts");
}

// What took the fallback, and the value it took.
std::pair<QString, QString> ersetzt(const Ersatzwert& notiz, const Dateiaufgabe& aufgabe, const Protokoll& protokoll)
{
    const auto i = static_cast<std::size_t>(notiz.nummer);
    switch (notiz.stelle) {
    case Ersatzwert::Stelle::Typ:
        return {QStringLiteral("den Typ"), QStringLiteral("1 (%1)").arg(Typname(Gerade))};
    case Ersatzwert::Stelle::Parameter:
        return {Buchstabe(aufgabe.Typ, notiz.nummer), protokoll.Zahl(aufgabe.Parameter[notiz.nummer])};
    case Ersatzwert::Stelle::Anfang:
        return {grenzname("den Anfang", notiz.nummer), protokoll.Zahl(aufgabe.Abschnitte.Von[i])};
    case Ersatzwert::Stelle::Ende:
        return {grenzname("das Ende", notiz.nummer), protokoll.Zahl(aufgabe.Abschnitte.Bis[i])};
    }
    return {};
}

QString ersatztext(const Ersatzwert& notiz, const Dateiaufgabe& aufgabe, const Protokoll& protokoll)
{
    const QString keineZahl = notiz.stelle == Ersatzwert::Stelle::Typ
                                  ? QStringLiteral("keine ganze Zahl")
                                  : QStringLiteral("keine Zahl (Dezimaltrenner %1)")
                                        .arg(inAnfuehrung(protokoll.locale.decimalPoint()));
    const auto [was, wert] = ersetzt(notiz, aufgabe, protokoll);
    return QStringLiteral("%1 ist %2; das Programm setzt ohne Meldung %3 auf %4.")
        .arg(inAnfuehrung(notiz.wort), keineZahl, was, wert);
}

// Whether any column of the plot lies in the section.
bool inDerZeichenflaeche(double von, double bis)
{
    for (int spalte = 0; spalte < BildBreite; ++spalte) {
        const double x = SpalteZuX(spalte);
        if (von <= x && x <= bis)
            return true;
    }
    return false;
}

void pruefeAbschnitte(const Abschnitte& abschnitte, Protokoll& protokoll)
{
    for (int n = 0; n < abschnitte.Anzahl; ++n) {
        const double von = abschnitte.Von[static_cast<std::size_t>(n)];
        const double bis = abschnitte.Bis[static_cast<std::size_t>(n)];
        const QString name = QStringLiteral("Der %1. Abschnitt (%2 bis %3)")
                                 .arg(Zahltext(n + 1), protokoll.Zahl(von), protokoll.Zahl(bis));
        if (von > bis)
            protokoll.Melde(Art::Warnung, name + QStringLiteral(" beginnt hinter seinem Ende und zeigt nichts."));
        else if (!inDerZeichenflaeche(von, bis))
            protokoll.Melde(Art::Warnung,
                            name + QStringLiteral(" liegt außerhalb der Zeichenfläche (x von -8 bis 8)."));
    }
}

// Follows the strokes of a graph as the screen would draw them thin and
// notes whether any pixel of them lands in the plot.
class Trefferziel : public Zeichenziel {
public:
    void BewegeZu(int spalte, int zeile) override { m_position = {spalte, zeile}; }
    void LinieBis(int spalte, int zeile) override
    {
        const QPoint ziel(spalte, zeile);
        m_getroffen = m_getroffen || LinieTrifftBild(m_position, ziel, {BildBreite, BildHoehe});
        m_position = ziel;
    }
    bool Getroffen() const { return m_getroffen; }

private:
    QPoint m_position;
    bool m_getroffen = false;
};

// Samples the given graph with the screen's own code: true when any pixel
// of it lands in the plot. Throws Rechenfehler where the screen would.
bool zeigtSchaubild(const Dateiaufgabe& aufgabe)
{
    Trefferziel ziel;
    TasteAb({aufgabe.Typ, aufgabe.Parameter, aufgabe.Abschnitte, false}, ziel);
    return ziel.Getroffen();
}

void pruefeSchaubild(const Dateiaufgabe& aufgabe, Protokoll& protokoll)
{
    try {
        if (!zeigtSchaubild(aufgabe))
            protokoll.Melde(Art::Fehler,
                            QStringLiteral("Das vorgegebene Schaubild ist in der Zeichenfläche nicht zu sehen."));
    } catch (const Rechenfehler& fehler) {
        protokoll.Melde(Art::Fehler, QStringLiteral("Beim Zeichnen des vorgegebenen Schaubildes meldet das Programm ") +
                                         inAnfuehrung(alsSatz(QString::fromUtf8(fehler.what()))));
    }
}

void pruefeAufgabe(const Dateiaufgabe& aufgabe, const Typliste& erlaubteTypen, Protokoll& protokoll)
{
    for (const Ersatzwert& notiz : aufgabe.Ersetzt)
        protokoll.Melde(Art::Warnung, ersatztext(notiz, aufgabe, protokoll));
    // Every box a task line brings up starts with "Fehler!" and interrupts
    // the pupils: a teacher must not take such a file for sound.
    for (const Meldung& meldung : aufgabe.Meldungen)
        protokoll.Melde(Art::Fehler, QStringLiteral("Das Programm meldet ") + inAnfuehrung(meldung.text));
    if (!IstTyp(aufgabe.Typ)) {
        protokoll.Melde(Art::Fehler,
                        QStringLiteral("Die Typnummer ist nicht 1 bis 7; das Programm zeigt kein Schaubild."));
        return;
    }
    if (std::ranges::find(erlaubteTypen, aufgabe.Typ) == erlaubteTypen.end())
        protokoll.Melde(Art::Warnung,
                        QStringLiteral("Typ %1 (%2) steht nicht in der Typenzeile; die Aufgabe lässt sich nur "
                                       "überspringen.")
                            .arg(protokoll.Zahl(aufgabe.Typ + 1), Typname(aufgabe.Typ)));
    pruefeAbschnitte(aufgabe.Abschnitte, protokoll);
    pruefeSchaubild(aufgabe, protokoll);
}

QString anzahl(int n, const char* einzahl, const char* mehrzahl)
{
    return Zahltext(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? einzahl : mehrzahl);
}

} // namespace

int Pruefung::Anzahl(Befund::Art art) const
{
    return static_cast<int>(std::ranges::count(Befunde, art, &Befund::art));
}

Pruefung PruefeAufgabendatei(const QByteArray& inhalt, const QLocale& locale)
{
    Protokoll protokoll(locale);
    Aufgabendatei datei(inhalt, locale.decimalPoint());
    pruefeKopf(datei.Kopf(), protokoll);
    std::vector<Befund>& befunde = protokoll.ergebnis.Befunde;
    while (const std::optional<QString> zeile = datei.NaechsteAufgabenzeile()) {
        ++protokoll.ergebnis.Aufgaben;
        const std::vector<Befund> zeilenbefunde =
            PruefeAufgabenzeile(*zeile, datei.Zeilennummer(), datei.Kopf().ErlaubteTypen, locale);
        befunde.insert(befunde.end(), zeilenbefunde.begin(), zeilenbefunde.end());
    }
    if (const std::optional<int> zeile = ZeileMitVerborgenemRest(inhalt))
        befunde.push_back(VerborgenerRest(*zeile));
    if (datei.Kopf().Gelesen && protokoll.ergebnis.Aufgaben == 0) {
        protokoll.zeile = 0;
        protokoll.Melde(Art::Warnung, QStringLiteral("Die Datei enthält keine Aufgabe."));
    }
    return protokoll.ergebnis;
}

std::vector<Befund> PruefeAufgabenzeile(QStringView zeile, int zeilennummer, const Typliste& erlaubteTypen,
                                        const QLocale& locale)
{
    const std::optional<QString> inhalt = Zeileninhalt(zeile.toString());
    if (!inhalt)
        return {};
    Protokoll protokoll(locale);
    protokoll.zeile = zeilennummer;
    pruefeAufgabe(LiesAufgabenzeile(*inhalt, locale.decimalPoint()), erlaubteTypen, protokoll);
    return std::move(protokoll.ergebnis.Befunde);
}

Befund VerborgenerRest(int zeile)
{
    return {zeile, Art::Warnung,
            QStringLiteral("Nach dem Dateiende-Zeichen (Strg+Z) in Zeile %1 stehen noch Zeichen; das Programm liest "
                           "sie nicht.")
                .arg(Zahltext(zeile))};
}

Pruefung UnlesbareDatei(const QString& grund)
{
    return {0, {{0, Art::Fehler, alsSatz(grund)}}};
}

QStringList Pruefbericht(const QString& name, const Pruefung& pruefung)
{
    QStringList zeilen;
    for (const Befund& befund : pruefung.Befunde) {
        const QString ort = befund.zeile > 0 ? name + QLatin1Char(':') + Zahltext(befund.zeile) : name;
        const QString art = befund.art == Art::Fehler ? QStringLiteral("Fehler") : QStringLiteral("Warnung");
        zeilen << ort + QStringLiteral(": ") + art + QStringLiteral(": ") + befund.text;
    }
    zeilen << name + QStringLiteral(": ") + anzahl(pruefung.Aufgaben, "Aufgabe", "Aufgaben") + QStringLiteral(", ") +
                  anzahl(pruefung.Anzahl(Art::Fehler), "Fehler", "Fehler") + QStringLiteral(", ") +
                  anzahl(pruefung.Anzahl(Art::Warnung), "Warnung", "Warnungen");
    return zeilen;
}
