// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/protokoll.h"

#include "model/zahltext.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

const QString Namensraum = QStringLiteral("urn:kurvix:testprotokoll:1");
constexpr char Kopf[] = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>";
constexpr char Ende[] = "<?xpacket end=\"r\"?>";
constexpr int LaengsterName = 60;

// Numbers in the packet are the machine's: shortest round trip, a point.
QString zahl(double wert)
{
    std::array<char, 32> puffer{};
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert);
    return QString::fromLatin1(puffer.data(), ende - puffer.data());
}

// "3 -0.5 2 3 0": the type numbered as in task files, then P1..P4.
QString funktion(int Typ, const ParameterSatz& p)
{
    QStringList teile{QString::number(Typ + 1)};
    for (const double wert : p.P)
        teile << zahl(wert);
    return teile.join(QLatin1Char(' '));
}

QString abschnitte(const Abschnitte& a)
{
    QStringList teile;
    for (int i = 0; i < a.Anzahl; ++i)
        teile << zahl(a.Von[static_cast<std::size_t>(i)]) << zahl(a.Bis[static_cast<std::size_t>(i)]);
    return teile.join(QLatin1Char(' '));
}

QString antworten(const std::vector<Antwort>& liste)
{
    QStringList teile;
    for (const Antwort& a : liste)
        teile << funktion(a.Typ, a.Parameter) + (a.Richtig ? QStringLiteral(" richtig") : QStringLiteral(" falsch"));
    return teile.join(QLatin1Char(';'));
}

void schreibeAufgabe(QXmlStreamWriter& xml, const Protokollaufgabe& a)
{
    xml.writeEmptyElement(QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#"), QStringLiteral("li"));
    xml.writeAttribute(Namensraum, QStringLiteral("art"), a.Test ? QStringLiteral("test") : QStringLiteral("datei"));
    xml.writeAttribute(Namensraum, QStringLiteral("vorgabe"), funktion(a.Typ, a.Parameter));
    xml.writeAttribute(Namensraum, QStringLiteral("abschnitte"), abschnitte(a.Abschnitte));
    xml.writeAttribute(Namensraum, QStringLiteral("antworten"), antworten(a.Antworten));
    xml.writeAttribute(Namensraum, QStringLiteral("uebersprungen"), a.Uebersprungen ? QStringLiteral("ja") : QStringLiteral("nein"));
    if (a.LoesungswegAngesehen)
        xml.writeAttribute(Namensraum, QStringLiteral("loesungsweg"), QStringLiteral("angesehen"));
}

// Every number of a field, or nothing when one is not a number.
std::optional<std::vector<double>> zahlen(const QString& text)
{
    std::vector<double> werte;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const std::optional<double> wert = Zahlwert(wort, u".");
        if (!wert)
            return std::nullopt;
        werte.push_back(*wert);
    }
    return werte;
}

struct Funktion {
    int Typ = KeinTyp;
    ParameterSatz Parameter;
};

std::optional<Funktion> liesFunktion(const QString& text)
{
    const std::optional<std::vector<double>> werte = zahlen(text);
    if (!werte || werte->size() != 5)
        return std::nullopt;
    // Compared as a double first: a huge number never becomes an int.
    const double nummer = (*werte)[0];
    if (nummer != std::floor(nummer) || !IstTyp(static_cast<int>(std::clamp(nummer, 0.0, 8.0)) - 1))
        return std::nullopt;
    Funktion f{static_cast<int>(nummer) - 1, {}};
    std::copy(werte->begin() + 1, werte->end(), f.Parameter.P.begin());
    return f;
}

std::optional<Abschnitte> liesAbschnitte(const QString& text)
{
    const std::optional<std::vector<double>> werte = zahlen(text);
    if (!werte || werte->size() > 4 || werte->size() % 2 != 0)
        return std::nullopt;
    Abschnitte a;
    a.Anzahl = static_cast<int>(werte->size() / 2);
    for (std::size_t i = 0; i < werte->size() / 2; ++i) {
        a.Von[i] = (*werte)[2 * i];
        a.Bis[i] = (*werte)[2 * i + 1];
    }
    return a;
}

std::optional<std::vector<Antwort>> liesAntworten(const QString& text)
{
    std::vector<Antwort> liste;
    for (const QString& eintrag : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype leer = eintrag.lastIndexOf(QLatin1Char(' '));
        const QString urteil = eintrag.mid(leer + 1);
        const std::optional<Funktion> f = liesFunktion(eintrag.left(leer));
        if (!f || (urteil != QLatin1String("richtig") && urteil != QLatin1String("falsch")))
            return std::nullopt;
        liste.push_back({f->Typ, f->Parameter, urteil == QLatin1String("richtig")});
    }
    return liste;
}

std::optional<Protokollaufgabe> liesAufgabe(const QXmlStreamAttributes& attribute)
{
    const auto feld = [&](const char* name) { return attribute.value(Namensraum, QLatin1String(name)).toString(); };
    const std::optional<Funktion> vorgabe = liesFunktion(feld("vorgabe"));
    const std::optional<Abschnitte> bereich = liesAbschnitte(feld("abschnitte"));
    const std::optional<std::vector<Antwort>> liste = liesAntworten(feld("antworten"));
    if (!vorgabe || !bereich || !liste)
        return std::nullopt;
    return Protokollaufgabe{feld("art") == QLatin1String("test"), vorgabe->Typ, vorgabe->Parameter, *bereich, *liste,
                            feld("uebersprungen") == QLatin1String("ja"), feld("loesungsweg") == QLatin1String("angesehen")};
}

// The last packet that names the record's namespace: a tool that changes
// the PDF later appends its own packets after it.
QByteArray paket(const QByteArray& pdf)
{
    const qsizetype namensraum = pdf.lastIndexOf(Namensraum.toLatin1());
    if (namensraum < 0)
        return {};
    const qsizetype anfang = pdf.lastIndexOf("<?xpacket begin=", namensraum);
    const qsizetype ende = pdf.indexOf("<?xpacket end=", namensraum);
    if (anfang < 0 || ende < 0)
        return {};
    return pdf.mid(anfang, ende - anfang);
}

void liesKopf(const QXmlStreamAttributes& attribute, Testprotokoll& p)
{
    const auto feld = [&](const char* name) { return attribute.value(Namensraum, QLatin1String(name)).toString(); };
    p.Name = feld("name");
    p.Klasse = feld("klasse");
    p.Zeit = QDateTime::fromString(feld("zeit"), Qt::ISODate);
    p.Arbeitsform = feld("arbeitsform");
    p.Version = feld("version");
}

} // namespace

QByteArray ProtokollXmp(const Testprotokoll& p)
{
    const QString rdf = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
    QByteArray xmp;
    QXmlStreamWriter xml(&xmp);
    xml.setAutoFormatting(true);
    xml.writeNamespace(rdf, QStringLiteral("rdf"));
    xml.writeNamespace(Namensraum, QStringLiteral("kurvix"));
    xml.writeStartElement(QStringLiteral("adobe:ns:meta/"), QStringLiteral("xmpmeta"));
    xml.writeStartElement(rdf, QStringLiteral("RDF"));
    xml.writeStartElement(rdf, QStringLiteral("Description"));
    xml.writeAttribute(rdf, QStringLiteral("about"), QString());
    xml.writeAttribute(Namensraum, QStringLiteral("name"), p.Name);
    xml.writeAttribute(Namensraum, QStringLiteral("klasse"), p.Klasse);
    xml.writeAttribute(Namensraum, QStringLiteral("zeit"), p.Zeit.toString(Qt::ISODate));
    xml.writeAttribute(Namensraum, QStringLiteral("arbeitsform"), p.Arbeitsform);
    xml.writeAttribute(Namensraum, QStringLiteral("version"), p.Version);
    xml.writeStartElement(Namensraum, QStringLiteral("aufgaben"));
    xml.writeStartElement(rdf, QStringLiteral("Seq"));
    for (const Protokollaufgabe& a : p.Aufgaben)
        schreibeAufgabe(xml, a);
    xml.writeEndDocument();
    return Kopf + xmp + '\n' + Ende;
}

std::optional<Testprotokoll> LiesProtokoll(const QByteArray& pdf)
{
    QXmlStreamReader xml(paket(pdf));
    Testprotokoll p;
    bool kopf = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("Description") && xml.attributes().hasAttribute(Namensraum, QStringLiteral("name"))) {
            liesKopf(xml.attributes(), p);
            kopf = true;
        } else if (xml.name() == QLatin1String("li") && kopf) {
            const std::optional<Protokollaufgabe> aufgabe = liesAufgabe(xml.attributes());
            if (!aufgabe)
                return std::nullopt;
            p.Aufgaben.push_back(*aufgabe);
        }
    }
    if (!kopf || xml.hasError())
        return std::nullopt;
    return p;
}

QString Protokolldateiname(const QString& name, QDate datum)
{
    QString sicher;
    for (const QChar c : name.simplified()) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f && !QStringLiteral("/\\:*?\"<>|").contains(c))
            sicher += c;
    }
    sicher.truncate(LaengsterName);
    if (!sicher.isEmpty() && sicher.back().isHighSurrogate())
        sicher.chop(1);
    sicher = sicher.trimmed();
    while (sicher.startsWith(QLatin1Char('.')))
        sicher.remove(0, 1);
    const QString teil = sicher.isEmpty() ? QString() : sicher + QLatin1Char('_');
    return QStringLiteral("Testprotokoll_%1%2.pdf").arg(teil, datum.toString(Qt::ISODate));
}
