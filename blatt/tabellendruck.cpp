// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/tabellendruck.h"

#include "blatt/arbeitsblatt.h"
#include "blatt/maler.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTextLayout>

#include <memory>
#include <numeric>

namespace {

constexpr double Rand = 15, RandOben = 12, Innen = 1.2, Linie = 0.2;
constexpr double Tabellenanfang = 25; // a heading, the header row and a row or two stay together
constexpr double Textgroesse = 9, Kopfgroesse = 10, Titelgroesse = 16;
const QColor Kopfgrau(0xE8, 0xE8, 0xE8);

// A text laid out in a width: its lines, and the height they take.
class Absatz {
public:
    Absatz(const QString& text, const QFont& schrift, QPaintDevice* geraet, double breiteMm)
        : m_layout(std::make_unique<QTextLayout>(text, schrift, geraet))
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout->setTextOption(option);
        m_layout->beginLayout();
        double y = 0;
        for (QTextLine zeile = m_layout->createLine(); zeile.isValid(); zeile = m_layout->createLine()) {
            zeile.setLineWidth(Maler::geraet(breiteMm));
            zeile.setPosition(QPointF(0, y));
            y += zeile.height();
        }
        m_layout->endLayout();
        m_hoehe = y / Maler::geraet(1.0);
    }

    double Hoehe() const { return m_hoehe; }
    void Zeichne(QPainter& p, QPointF obenLinksMm) const { m_layout->draw(&p, Maler::geraet(obenLinksMm)); }

private:
    std::unique_ptr<QTextLayout> m_layout;
    double m_hoehe = 0;
};

class Setzer {
public:
    Setzer(QPagedPaintDevice& geraet, QPainter& painter, QPageLayout::Orientation lage)
        : m_geraet(geraet)
        , m_p(painter)
        , m_maler(painter)
        , m_breite((lage == QPageLayout::Portrait ? 210.0 : 297.0) - 2 * Rand)
        , m_unten((lage == QPageLayout::Portrait ? 297.0 : 210.0) - RandOben)
    {
    }

    // A paragraph over the whole width, on a new page when it does not fit.
    void Absatzzeile(const QString& text, const QFont& schrift, double abstandDanach)
    {
        const Absatz absatz(text, schrift, m_p.device(), m_breite);
        platzFuer(absatz.Hoehe());
        m_p.setPen(Qt::black);
        absatz.Zeichne(m_p, QPointF(Rand, m_y));
        m_y += absatz.Hoehe() + abstandDanach;
    }

    void Tabelle(const ::Tabelle& t)
    {
        platzFuer(Tabellenanfang);
        if (!t.Ueberschrift.isEmpty())
            Absatzzeile(t.Ueberschrift, Papierschrift(Kopfgroesse + 1, true), 1.5);
        m_koepfe = &t;
        kopfzeile();
        for (const QStringList& zeile : t.Zeilen)
            tabellenzeile(t.Breiten, zeile, Papierschrift(Textgroesse), false);
        m_koepfe = nullptr;
        m_y += 4;
    }

private:
    void platzFuer(double hoehe)
    {
        if (m_y + hoehe <= m_unten || m_y <= RandOben)
            return;
        m_geraet.newPage();
        m_y = RandOben;
        if (m_koepfe != nullptr)
            kopfzeile();
    }

    void kopfzeile() { tabellenzeile(m_koepfe->Breiten, m_koepfe->Koepfe, Papierschrift(Textgroesse, true), true); }

    void tabellenzeile(const std::vector<double>& breiten, const QStringList& zellen, const QFont& schrift, bool kopf)
    {
        std::vector<std::unique_ptr<Absatz>> absaetze;
        double hoehe = 0;
        for (std::size_t i = 0; i < breiten.size(); ++i) {
            absaetze.push_back(std::make_unique<Absatz>(zellen.value(static_cast<qsizetype>(i)), schrift, m_p.device(),
                                                        breiten[i] - 2 * Innen));
            hoehe = std::max(hoehe, absaetze.back()->Hoehe() + 2 * Innen);
        }
        if (!kopf)
            platzFuer(hoehe);
        const double gesamt = std::accumulate(breiten.begin(), breiten.end(), 0.0);
        if (kopf)
            m_p.fillRect(Maler::geraet(QRectF(Rand, m_y, gesamt, hoehe)), Kopfgrau);
        m_p.setPen(Qt::black);
        double x = Rand;
        for (std::size_t i = 0; i < breiten.size(); ++i) {
            absaetze[i]->Zeichne(m_p, QPointF(x + Innen, m_y + Innen));
            x += breiten[i];
        }
        m_maler.stift(Qt::black, Linie);
        m_maler.linie(QPointF(Rand, m_y + hoehe), QPointF(Rand + gesamt, m_y + hoehe));
        m_y += hoehe;
    }

    QPagedPaintDevice& m_geraet;
    QPainter& m_p;
    Maler m_maler;
    double m_breite;
    double m_unten;
    double m_y = RandOben;
    const ::Tabelle* m_koepfe = nullptr; // repeated at the top of a new page
};

} // namespace

void ZeichneTabellenblatt(QPagedPaintDevice& geraet, const Tabellenblatt& blatt)
{
    QPainter painter;
    if (!painter.begin(&geraet))
        throw Blattfehler(QStringLiteral("Das PDF „%1“ kann nicht erzeugt werden.").arg(blatt.Titel));
    Setzer setzer(geraet, painter, blatt.Lage);
    setzer.Absatzzeile(blatt.Titel, Papierschrift(Titelgroesse, true), 3);
    for (const QString& zeile : blatt.Kopfzeilen)
        setzer.Absatzzeile(zeile, Papierschrift(Kopfgroesse), 1);
    setzer.Absatzzeile(QString(), Papierschrift(Kopfgroesse), 2);
    for (const Tabelle& tabelle : blatt.Tabellen)
        setzer.Tabelle(tabelle);
    for (const QString& zeile : blatt.Schlusszeilen)
        setzer.Absatzzeile(zeile, Papierschrift(Kopfgroesse + 1, true), 1.5);
    painter.end();
}

QByteArray Tabellenpdf(const Tabellenblatt& blatt)
{
    QByteArray pdf;
    QBuffer puffer(&pdf);
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&puffer);
        RichtePdfEin(writer, blatt.Lage, blatt.Titel);
        if (!blatt.Xmp.isEmpty())
            writer.setDocumentXmpMetadata(blatt.Xmp);
        ZeichneTabellenblatt(writer, blatt);
    }
    return pdf;
}
