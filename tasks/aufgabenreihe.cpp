// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabenreihe.h"

#include "model/zahltext.h"
#include "tasks/aufgabendatei.h"
#include "tasks/aufgabenzeile.h"
#include "tasks/zeilenquelle.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace {

// Why a series cannot be written; caught at the door of the writer.
struct Verweigert {
    QString grund;
};

bool istZeilenende(char32_t zeichen) { return zeichen == U'\r' || zeichen == U'\n' || zeichen == U'\x1A'; }

// "„✓“ (U+2713)"
QString zeichenname(char32_t zeichen)
{
    return QStringLiteral("„%1“ (U+%2)")
        .arg(QString::fromUcs4(&zeichen, 1), QString::number(zeichen, 16).toUpper().rightJustified(4, u'0'));
}

} // namespace

std::optional<QString> Zeilenfehler(QStringView zeile)
{
    for (const char32_t zeichen : zeile.toUcs4()) {
        if (istZeilenende(zeichen))
            return QStringLiteral("enthält einen Zeilenumbruch oder ein Dateiende-Zeichen (Strg+Z); eine Zeile kann "
                                  "keines aufnehmen.");
        if (!Windows1252Byte(zeichen))
            return QStringLiteral("enthält das Zeichen %1, das eine Aufgabendatei (Windows-1252) nicht aufnehmen kann.")
                .arg(zeichenname(zeichen));
    }
    return std::nullopt;
}

namespace {

// The lines of a task file as bytes, counted from 1 as the reader counts them.
class Datei {
public:
    void Zeile(QStringView text)
    {
        ++m_nummer;
        if (const std::optional<QString> fehler = Zeilenfehler(text))
            verweigere(*fehler);
        for (const char32_t zeichen : text.toUcs4())
            m_bytes += *Windows1252Byte(zeichen);
        m_bytes += "\r\n";
    }

    // The next line must be one the reader passes over.
    void Bemerkung(const QString& text)
    {
        if (Zeileninhalt(text))
            verweigere(QStringLiteral("soll eine Bemerkung sein, beginnt aber nicht mit „*“ und ist nicht leer; das "
                                      "Programm läse sie als Aufgabe."),
                       1);
        Zeile(text);
    }

    void Bemerkungen(const QStringList& texte)
    {
        for (const QString& text : texte)
            Bemerkung(text);
    }

    // The next line must be one the reader takes as the comment, the type
    // line or a task.
    void Inhalt(const QString& text, const char* was)
    {
        if (!Zeileninhalt(text))
            verweigere(QStringLiteral("soll %1 sein, ist aber leer oder eine Bemerkung.").arg(QString::fromUtf8(was)),
                       1);
        Zeile(text);
    }

    [[noreturn]] void verweigere(const QString& grund, int spaeter = 0) const
    {
        throw Verweigert{QStringLiteral("Zeile %1 ").arg(m_nummer + spaeter) + grund};
    }

    int Nummer() const { return m_nummer; }
    const QByteArray& Bytes() const { return m_bytes; }
    void Anhaengen(const QByteArray& bytes) { m_bytes += bytes; }

private:
    QByteArray m_bytes;
    int m_nummer = 0;
};

void pruefeKommentar(const QString& kommentar)
{
    if (kommentar.startsWith(u'*'))
        throw Verweigert{QStringLiteral("Der Kommentar beginnt mit „*“; das Programm läse ihn als Bemerkung.")};
    if (!Zeileninhalt(kommentar))
        throw Verweigert{QStringLiteral("Der Kommentar ist leer; ohne ihn lässt sich die Datei nicht öffnen.")};
    if (kommentar.startsWith(u' '))
        throw Verweigert{QStringLiteral("Der Kommentar beginnt mit einem Leerzeichen, das das Programm nicht zeigt.")};
}

QString typenzeile(const Typliste& typen)
{
    Typliste gesehen;
    QStringList woerter;
    for (const int typ : typen) {
        if (!IstTyp(typ) || std::ranges::find(gesehen, typ) != gesehen.end())
            throw Verweigert{QStringLiteral("Die Typenzeile nennt einen Typ doppelt oder einen, den es nicht gibt.")};
        gesehen.push_back(typ);
        woerter << QString::number(typ + 1);
    }
    if (woerter.isEmpty())
        throw Verweigert{QStringLiteral("Die Reihe nennt keinen Funktionstyp.")};
    return woerter.join(u' ');
}

QString zahl(double wert, QStringView trenner, const Datei& datei)
{
    if (!std::isfinite(wert))
        datei.verweigere(QStringLiteral("enthält einen Wert, der keine endliche Zahl ist."), 1);
    return KuerzesterZahltext(wert, trenner);
}

// "3 -0,5 0 3 (-4;-1) (1;4)"
QString aufgabenzeile(const Reihenaufgabe& aufgabe, QStringView trenner, const Datei& datei)
{
    if (!IstTyp(aufgabe.Typ))
        datei.verweigere(QStringLiteral("soll eine Aufgabe sein, die keinen Funktionstyp hat."), 1);
    if (aufgabe.Abschnitte.Anzahl < 0 || aufgabe.Abschnitte.Anzahl > 2)
        datei.verweigere(QStringLiteral("soll eine Aufgabe mit mehr als zwei Abschnitten sein."), 1);
    QStringList woerter{QString::number(aufgabe.Typ + 1)};
    for (int i = 0; i < AnzahlParameter(aufgabe.Typ); ++i)
        woerter << zahl(aufgabe.Parameter[i], trenner, datei);
    for (std::size_t n = 0; n < static_cast<std::size_t>(aufgabe.Abschnitte.Anzahl); ++n)
        woerter << QStringLiteral("(%1;%2)").arg(zahl(aufgabe.Abschnitte.Von[n], trenner, datei),
                                                 zahl(aufgabe.Abschnitte.Bis[n], trenner, datei));
    return woerter.join(u' ');
}

void schreibeKopf(const Aufgabenreihe& reihe, Datei& datei)
{
    datei.Zeile(Kopfzeile());
    datei.Bemerkungen(reihe.VorKommentar);
    if (!reihe.KommentarUrtext)
        pruefeKommentar(reihe.Kommentar);
    datei.Inhalt(reihe.KommentarUrtext.value_or(reihe.Kommentar), "der Kommentar");
    datei.Bemerkungen(reihe.VorTypen);
    datei.Inhalt(reihe.TypenUrtext ? *reihe.TypenUrtext : typenzeile(reihe.ErlaubteTypen), "die Typenzeile");
}

// The reader opens a file only when a line follows the type line: a series
// without a task and without closing lines gets an empty one.
bool brauchtFuellzeile(const Aufgabenreihe& reihe) { return reihe.Aufgaben.empty() && reihe.Schluss.isEmpty(); }

} // namespace

std::variant<QByteArray, QString> SchreibeAufgabenreihe(const Aufgabenreihe& reihe, QStringView dezimaltrenner)
{
    try {
        Datei datei;
        schreibeKopf(reihe, datei);
        for (const Reiheneintrag& eintrag : reihe.Aufgaben) {
            datei.Bemerkungen(eintrag.Bemerkungen);
            datei.Inhalt(eintrag.Urtext ? *eintrag.Urtext : aufgabenzeile(eintrag.Aufgabe, dezimaltrenner, datei),
                         "eine Aufgabe");
        }
        datei.Bemerkungen(brauchtFuellzeile(reihe) ? QStringList{QString()} : reihe.Schluss);
        datei.Anhaengen(reihe.NachDateiende);
        return datei.Bytes();
    } catch (const Verweigert& verweigert) {
        return verweigert.grund;
    }
}

namespace {

Reihenaufgabe reihenaufgabe(const Dateiaufgabe& gelesen)
{
    Reihenaufgabe aufgabe{gelesen.Typ, gelesen.Parameter, gelesen.Abschnitte};
    for (int i = AnzahlParameter(gelesen.Typ); i < 4; ++i)
        aufgabe.Parameter[i] = 0;
    return aufgabe;
}

// Sorts the lines after the header line into the series: remark and empty
// lines to whatever follows them, the first two lines with content to the
// head, every further one to a task.
class Einsortierer {
public:
    Einsortierer(GeleseneReihe& gelesen, const Dateikopf& kopf, QStringView trenner)
        : m_gelesen(gelesen)
        , m_kopf(kopf)
        , m_trenner(trenner)
    {
    }

    void Zeile(const QString& zeile)
    {
        const std::optional<QString> inhalt = Zeileninhalt(zeile);
        if (!inhalt)
            m_bemerkungen << zeile;
        else if (m_kopfzeilen < 2)
            kopfzeile(zeile, *inhalt);
        else
            aufgabe(zeile, *inhalt);
    }

    void Ende()
    {
        Aufgabenreihe& reihe = m_gelesen.Reihe;
        reihe.Schluss = std::exchange(m_bemerkungen, {});
        if (reihe.Aufgaben.empty() && reihe.Schluss == QStringList{QString()})
            reihe.Schluss.clear(); // the writer adds it again
    }

private:
    void kopfzeile(const QString& zeile, const QString& inhalt)
    {
        Aufgabenreihe& reihe = m_gelesen.Reihe;
        const bool kommentar = m_kopfzeilen++ == 0;
        (kommentar ? reihe.VorKommentar : reihe.VorTypen) = std::exchange(m_bemerkungen, {});
        if (!m_kopf.Gelesen)
            return;
        if (kommentar) {
            reihe.Kommentar = inhalt;
            reihe.KommentarUrtext = zeile;
        } else {
            reihe.ErlaubteTypen = m_kopf.ErlaubteTypen;
            reihe.TypenUrtext = zeile;
        }
    }

    void aufgabe(const QString& zeile, const QString& inhalt)
    {
        const Dateiaufgabe gelesen = LiesAufgabenzeile(inhalt, m_trenner);
        m_gelesen.Meldungen.insert(m_gelesen.Meldungen.end(), gelesen.Meldungen.begin(), gelesen.Meldungen.end());
        m_gelesen.Reihe.Aufgaben.push_back({std::exchange(m_bemerkungen, {}), reihenaufgabe(gelesen), zeile});
    }

    GeleseneReihe& m_gelesen;
    const Dateikopf& m_kopf;
    QStringView m_trenner;
    QStringList m_bemerkungen;
    int m_kopfzeilen = 0;
};

} // namespace

GeleseneReihe LiesAufgabenreihe(const QByteArray& inhalt, QStringView dezimaltrenner)
{
    const Aufgabendatei datei(inhalt, dezimaltrenner.toString());
    GeleseneReihe gelesen{{}, datei.Kopf().Meldungen, datei.Kopf().Gelesen};
    Einsortierer einsortierer(gelesen, datei.Kopf(), dezimaltrenner);
    Zeilenquelle zeilen(inhalt);
    zeilen.LiesZeile(); // the header line, which the writer writes afresh
    while (!zeilen.AmEnde())
        einsortierer.Zeile(zeilen.LiesZeile());
    einsortierer.Ende();
    gelesen.Reihe.NachDateiende = AbDateiende(inhalt);
    return gelesen;
}
