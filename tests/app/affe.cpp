// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "affe.h"

#include "dialogs/auswahlbox.h"
#include "term/bausteine.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

using Wahl = Dateiwahl::Art;

// A task file as a teacher might write it, faults and all; the head line is
// put in front when kopf is set. The tasks of "gemischt" and "negativ" hold
// given functions the plot cannot draw: a negative base, sin(∞), 0·∞.
struct Beispieldatei {
    const char* name;
    bool kopf;
    const char* zeilen;
    Dateiwahl wahl;
};

const Beispieldatei KaputteDateien[] = {
    {"kopf.sba", false, "* Aufgabendatei\r\nKommentar\r\n1\r\n1 2 3\r\n", {Wahl::Datei, {}, false, false, false}},
    {"leer.sba", false, "", {Wahl::Datei, {}, false, false, false}},
    {"ohne_kommentar.sba", true, "", {Wahl::Datei, {}, false, false, false}},
    {"buchstabe.sba", true, "Kommentar\r\n1 x\r\n1 1 1\r\n", {Wahl::Datei, {}, false, false, true}},
    {"doppelt.sba", true, "Kommentar\r\n2 2\r\n2 1 1 1\r\n", {Wahl::Datei, {}, false, false, false}},
    {"typ8.sba", true, "Kommentar\r\n8\r\n1 1 1\r\n", {Wahl::Datei, {}, false, false, false}},
    {"ohne_aufgaben.sba", true, "Kommentar\r\n2\r\n\r\n", {Wahl::Datei, {1}, true, false, false}},
    {"gemischt.sba", true,
     "Alles, was schiefgehen kann\r\n1 3 5 6 7\r\n7 1 -2 0\r\n5 1 1E300 1E300 0\r\n7 0 1E300 1\r\n9 1 2 3\r\n"
     "5 1\r\n1 2 3 (1;2\r\n2 abc 1 2\r\n4 1 2 3\r\n6 1 0 0 (-8;8) (0;1)\r\n6 1 1 1 (3;-3)\r\n1 1 1\x1a\r\n",
     {Wahl::Datei, {0, 2, 4, 5, 6}, true, true, false}},
    {"negativ.sba", true, "Nur eine Basis\r\n7\r\n7 1 -2 0\r\n7 2 -3 1\r\n7 1 2 0\r\n",
     {Wahl::Datei, {6}, true, true, false}},
};

// The samples for teachers, with the type lines they hold.
const std::pair<const char*, std::vector<int>> Beispiele[] = {
    {"geraden_und_parabeln.sba", {0, 2}},
    {"hyperbel_und_exponential.sba", {5, 6}},
    {"sinus.sba", {4}},
};

void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly)) << pfad.toStdString();
    datei.write(inhalt);
}

// A given function no plot can draw: a negative base, or a value so large
// that its sums and products leave the doubles.
bool unzeichenbar(const Aufgabe& aufgabe)
{
    if (aufgabe.VorgTyp == Exponential && aufgabe.VorgParameter[1] < 0)
        return true;
    return std::ranges::any_of(aufgabe.VorgParameter.P, [](double p) { return std::fabs(p) >= 1e100; });
}

// A value as a pupil types it: the shortest decimal text, with the decimal
// point or the locale's separator.
QString alsEingabe(double wert, bool punkt)
{
    char text[32];
    const auto ende = std::to_chars(std::begin(text), std::end(text), wert).ptr;
    QString eingabe = QString::fromLatin1(text, ende - text);
    if (!punkt)
        eingabe.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return eingabe;
}

QString zahl(long long n)
{
    char text[24];
    const auto ende = std::to_chars(std::begin(text), std::end(text), n).ptr;
    return QString::fromLatin1(text, ende - text);
}

// One of 0 .. n-1, evenly.
int Wuerfle(std::mt19937& zufall, int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall); }

const char* const Optionen[] = {"MenAchsenDuenn", "MenAchsenDick", "MenAchsenFarbe", "MenSchaubDuenn", "MenSchaubDick",
                                "MenVorgSchaubFarbe", "MemUserSchaubFarbe", "Men05Raster", "MenNetzFarbe"};

} // namespace

void BeobachtetesFenster::ZeichneKoordinatensystem()
{
    m_unterbrochen = true;
    TForm1::ZeichneKoordinatensystem();
    m_plot = {};
    m_unterbrochen = false;
}

void BeobachtetesFenster::ZeichneVorgGraph(const Aufgabe& aufgabe)
{
    m_unterbrochen = true;
    TForm1::ZeichneVorgGraph(aufgabe);
    m_plot.vorg = true;
    ++m_vorgPaesse;
    m_unterbrochen = false;
}

void BeobachtetesFenster::ZeichneUserGraph(int Typ)
{
    m_unterbrochen = true;
    TForm1::ZeichneUserGraph(Typ);
    m_plot.user = true;
    m_unterbrochen = false;
}

ZufallsDialoge::ZufallsDialoge(std::mt19937& zufall, const QString& ordner)
    : m_zufall(zufall)
{
    for (const Beispieldatei& d : KaputteDateien) {
        const QString pfad = ordner + QLatin1Char('/') + QLatin1String(d.name);
        schreibe(pfad, d.kopf ? MitKopf(d.zeilen) : QByteArray(d.zeilen));
        m_dateien.emplace_back(pfad, d.wahl);
    }
    for (const auto& [name, typen] : Beispiele)
        m_dateien.emplace_back(QStringLiteral(KURVIX_BEISPIELE "/") + QLatin1String(name),
                               Dateiwahl{Wahl::Datei, typen, true, true, false});
}

int ZufallsDialoge::wuerfle(int n) { return Wuerfle(m_zufall, n); }

void ZufallsDialoge::NeuesEreignis()
{
    bestaetigt.reset();
    ohneTypBestaetigt = false;
    datei.reset();
}

// A fifth of the time Abbrechen; otherwise each type ticked with even odds
// or, one time in ten, none at all; any difficulty clicked.
void ZufallsDialoge::Auswahl(TAuswahlBox& box)
{
    AuswahlAntwort antwort{std::vector<int>{}, wuerfle(3), wuerfle(5) != 0};
    const bool keiner = wuerfle(10) == 0;
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        if (!keiner && wuerfle(2) == 0)
            antwort.typen->push_back(Typ);
    }
    if (antwort.ok && antwort.typen->empty())
        ohneTypBestaetigt = true;
    else if (antwort.ok)
        bestaetigt = antwort.typen;
    auswahlAntworten.push_back(antwort);
    AufzeichnendeDialoge::Auswahl(box);
}

// Cancel, a missing file, a broken one or a sample.
std::optional<QString> ZufallsDialoge::DateiDialog(QWidget* eltern, const QString& filter, const QString& endung)
{
    const int wahl = wuerfle(static_cast<int>(m_dateien.size()) + 2);
    if (wahl == 0) {
        datei = Dateiwahl{Wahl::Abbruch, {}, false, false, false};
        dateiAntwort.reset();
    } else if (wahl == 1) {
        datei = Dateiwahl{Wahl::Fehlt, {}, false, false, false};
        dateiAntwort = QStringLiteral("/gibt/es/nicht.sba");
    } else {
        const auto& [pfad, art] = m_dateien[static_cast<std::size_t>(wahl - 2)];
        datei = art;
        dateiAntwort = pfad;
    }
    return AufzeichnendeDialoge::DateiDialog(eltern, filter, endung);
}

std::optional<QColor> ZufallsDialoge::WaehleFarbe(QWidget* eltern, const QColor& farbe)
{
    if (wuerfle(4) == 0)
        farbantworten.emplace_back(std::nullopt);
    else
        farbantworten.emplace_back(QColor::fromRgb(static_cast<QRgb>(m_zufall() & 0xFFFFFF)));
    return AufzeichnendeDialoge::WaehleFarbe(eltern, farbe);
}

// The information window is closed with its Ok button or its close box.
void ZufallsDialoge::ZeigeModal(QDialog& fenster)
{
    const bool mitOk = wuerfle(2) == 0;
    bedienung = [mitOk](QDialog& offen) {
        if (auto* ok = offen.findChild<QPushButton*>(QStringLiteral("BOk")); ok && mitOk)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            offen.close();
    };
    AufzeichnendeDialoge::ZeigeModal(fenster);
}

Affe::Affe(std::uint32_t saat, const QString& ordner)
    : m_saat(saat)
    , m_zufall(saat)
    , m_programmzufall(saat)
    , m_dialoge(m_zufall, ordner)
    , m_form(m_dialoge, m_programmzufall)
{
    m_form.show();
}

int Affe::wuerfle(int n) { return Wuerfle(m_zufall, n); }

void Affe::Lauf(int anzahl)
{
    // How often each kind of event comes, in the order of Art.
    static const std::discrete_distribution<int> Gewichte{3, 3, 3, 3, 4, 1, 10, 5, 25, 6, 8, 5, 4, 2, 6};
    std::discrete_distribution<int> art = Gewichte;
    pruefe(Art::Option, merkeZustand()); // the window as it starts
    while (m_nummer < anzahl && !::testing::Test::HasFailure()) {
        const Art naechste = static_cast<Art>(art(m_zufall));
        const Vorher vorher = merkeZustand();
        m_dialoge.NeuesEreignis();
        m_gesperrt = false;
        m_enterImTest = false;
        if (!sende(naechste))
            continue; // nothing the user could aim at
        ++m_nummer;
        pruefe(naechste, vorher);
    }
    if (::testing::Test::HasFailure()) {
        QStringList letzte(m_letzte.begin(), m_letzte.end());
        ADD_FAILURE() << ort() << ", the last events: " << letzte.join(QStringLiteral(" | ")).toStdString();
    }
}

std::string Affe::ort() const
{
    return "seed " + std::to_string(m_saat) + ", event " + std::to_string(m_nummer);
}

void Affe::merke(const QString& text)
{
    m_letzte.push_back(QStringLiteral("%1: %2").arg(m_nummer + 1).arg(text));
    if (m_letzte.size() > 12)
        m_letzte.pop_front();
}

bool Affe::sende(Art art)
{
    switch (art) {
    case Art::Zeichnen:
        return menue("MemEinfachesZeichnen");
    case Art::Uebung:
        return menue("MenUebung");
    case Art::Test:
        return menue("MenTest");
    case Art::Datei:
        return menue("MenDateiEinlesen");
    case Art::Option:
        return menue(Optionen[wuerfle(static_cast<int>(std::size(Optionen)))]);
    case Art::Info:
        return menue("MenInfo");
    case Art::Radio: {
        const int Typ = wuerfle(AnzahlTypen);
        return klickeTyp(m_form.TypKnopf[Typ], Typ);
    }
    case Art::Liste: {
        const int Typ = wuerfle(AnzahlTypen);
        return klickeTyp(m_form.Terme[Typ * 3 + RolleListe]->Klickbild, Typ);
    }
    case Art::Taste:
        return tippe();
    case Art::Enter:
        return enter();
    case Art::BZeichnen:
        return klicke("BZeichnen");
    case Art::BUeberspringen:
        return klicke("BUeberspringen");
    case Art::BRichtigNaechste:
        return klicke("BRichtigNaechste");
    case Art::BRichtigFertig:
        return klicke("BRichtigFertig");
    case Art::Antwort:
        return antworte();
    }
    return false;
}

// An item the user can reach is chosen; one under a disabled menu can only
// be aimed at by a click on that menu's title, which must open nothing.
bool Affe::menue(const char* name)
{
    auto* aktion = m_form.findChild<QAction*>(QLatin1String(name));
    if (aktion == nullptr) {
        ADD_FAILURE() << "no menu item " << name;
        return false;
    }
    for (QObject* o = aktion->parent(); o != nullptr; o = o->parent()) {
        auto* m = qobject_cast<QMenu*>(o);
        if (m != nullptr && !m->isEnabled()) {
            m_gesperrt = true;
            merke(QStringLiteral("Klick auf das gesperrte Menü über %1").arg(QLatin1String(name)));
            QMenuBar* leiste = m_form.menuBar();
            QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(m->menuAction()).center());
            return true;
        }
    }
    merke(QLatin1String(name));
    aktion->trigger();
    return true;
}

// A button is clicked only where the user sees it; a disabled one takes the
// click and must do nothing.
bool Affe::klicke(const char* name)
{
    auto* knopf = m_form.findChild<QPushButton*>(QLatin1String(name));
    if (knopf == nullptr || !knopf->isVisible())
        return false;
    m_gesperrt = !knopf->isEnabled();
    merke(QLatin1String(name) + (m_gesperrt ? QStringLiteral(" (gesperrt)") : QString()));
    QTest::mouseClick(knopf, Qt::LeftButton);
    return true;
}

// A radio button or a list entry; a grey one must do nothing.
bool Affe::klickeTyp(QWidget* ziel, int Typ)
{
    m_gesperrt = !m_form.TypKnopf[Typ]->isEnabled();
    merke(QStringLiteral("%1 Typ %2").arg(ziel->metaObject()->className()).arg(Typ));
    QTest::mouseClick(ziel, Qt::LeftButton, {}, QPoint(6, 12));
    return true;
}

// A key into one of the boxes the user sees: mostly digits, then what a
// number or fraction needs, and keys the filter must swallow.
bool Affe::tippe()
{
    std::vector<QLineEdit*> felder;
    for (TFunktionsTerm* term : m_form.Terme) {
        for (QLineEdit* feld : term->Eingaben) {
            if (feld && feld->isVisible())
                felder.push_back(feld);
        }
    }
    if (felder.empty())
        return false;
    QLineEdit* feld = felder[static_cast<std::size_t>(wuerfle(static_cast<int>(felder.size())))];
    const QString trenner = QLocale().decimalPoint();
    const QString gruppe = QLocale().groupSeparator();
    const QString zeichen[] = {QStringLiteral("0123456789"), trenner, gruppe, QStringLiteral("-"), QStringLiteral("/"),
                               QStringLiteral(" "), QStringLiteral("aeE+x")};
    const int wahl = wuerfle(11);
    if (wahl == 10) {
        merke(QStringLiteral("Rücktaste"));
        QTest::keyClick(feld, Qt::Key_Backspace);
        return true;
    }
    const QString& auswahl = zeichen[wahl < 4 ? 0 : wahl - 3];
    const QChar taste = auswahl[wuerfle(static_cast<int>(auswahl.size()))];
    if (wuerfle(8) == 0)
        QTest::mouseClick(feld, Qt::LeftButton); // the pupil clicks into the box first
    merke(QStringLiteral("Taste '%1' in %2").arg(taste).arg(feld->parentWidget()->objectName()));
    QTest::keyClick(feld, taste.toLatin1());
    return true;
}

bool Affe::enter()
{
    for (TFunktionsTerm* term : m_form.Terme) {
        for (QLineEdit* feld : term->Eingaben) {
            if (feld && feld->isVisible()) {
                m_enterImTest = m_form.Ablauf().Modus() == Modus::Test;
                merke(QStringLiteral("Enter"));
                QTest::keyClick(feld, Qt::Key_Return);
                return true;
            }
        }
    }
    return false;
}

// The pupil who reads the answer off the given graph: chooses its type,
// types its values, and half of the time draws at once.
bool Affe::antworte()
{
    const Aufgabe& aufgabe = m_form.Ablauf().Aufgabe();
    const int Typ = aufgabe.VorgTyp;
    if (m_form.Ablauf().Modus() < Modus::Datei || !IstTyp(Typ) || !m_form.TypKnopf[Typ]->isEnabled())
        return false;
    merke(QStringLiteral("Antwort Typ %1").arg(Typ));
    if (!m_form.TypKnopf[Typ]->isChecked())
        QTest::mouseClick(m_form.TypKnopf[Typ], Qt::LeftButton, {}, QPoint(6, 12));
    const bool punkt = wuerfle(2) == 0;
    for (int i = 0; i < AnzahlParameter(Typ); ++i) {
        QLineEdit* feld = m_form.Terme[Typ * 3 + RolleEingabe]->Eingaben[i];
        feld->selectAll();
        QTest::keyClicks(feld, alsEingabe(aufgabe.VorgParameter[i], punkt));
    }
    auto* zeichnen = m_form.findChild<QPushButton*>(QStringLiteral("BZeichnen"));
    if (wuerfle(2) == 0 && zeichnen->isEnabled())
        QTest::mouseClick(zeichnen, Qt::LeftButton);
    return true;
}

Affe::Vorher Affe::merkeZustand() const
{
    const Ablauf& lauf = m_form.Ablauf();
    return {beobachte(), m_dialoge.boxen.size(), lauf.AnzahlAufgaben(), lauf.AnzahlRichtig(), m_form.VorgPaesse()};
}

Beobachtung Affe::beobachte() const
{
    const auto sichtbar = [this](const char* name) { return m_form.findChild<QWidget*>(QLatin1String(name))->isVisible(); };
    const auto* zeichnen = m_form.findChild<QPushButton*>(QStringLiteral("BZeichnen"));
    const auto* ueberspringen = m_form.findChild<QPushButton*>(QStringLiteral("BUeberspringen"));
    Beobachtung b;
    b.modus = static_cast<int>(m_form.Ablauf().Modus());
    b.bitteAufgabe = sichtbar("LBitteAufgabeAuswaehlen");
    b.ebene = sichtbar("IEbene");
    b.bitteFunktion = sichtbar("LBitteFunktionAuswaehlen");
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        const auto t = static_cast<std::size_t>(Typ);
        b.knopfAktiv[t] = m_form.TypKnopf[Typ]->isEnabled();
        b.knopfGewaehlt[t] = m_form.TypKnopf[Typ]->isChecked();
        b.listeKlickbar[t] = m_form.Terme[Typ * 3 + RolleListe]->Klickbild->Klickbar();
        b.eingabeSichtbar[t] = m_form.Terme[Typ * 3 + RolleEingabe]->Tafel->isVisible();
        b.anzeigeSichtbar[t] = m_form.Terme[Typ * 3 + RolleAnzeige]->Tafel->isVisible();
    }
    b.zeichnenAktiv = zeichnen->isEnabled();
    b.zeichnenText = zeichnen->text();
    b.ueberspringenSichtbar = ueberspringen->isVisible();
    b.ueberspringenAktiv = ueberspringen->isEnabled();
    b.urteilSichtbar = sichtbar("PRichtig");
    b.urteilText = m_form.findChild<QLabel*>(QStringLiteral("LRichtig2"))->text();
    b.aufgabenMenue = m_form.findChild<QMenu*>(QStringLiteral("MenAufgabe"))->menuAction()->isEnabled();
    b.testErgebnis = sichtbar("PTestErgebnis");
    b.plot = m_form.Plot();
    b.vorgGegeben = b.modus < 2 || IstTyp(m_form.Ablauf().Aufgabe().VorgTyp);
    return b;
}

void Affe::pruefe(Art art, const Vorher& vorher)
{
    const Beobachtung b = beobachte();
    if (m_gesperrt) {
        EXPECT_TRUE(b == vorher.beobachtung) << ort() << ": a disabled control changed the window";
        EXPECT_EQ(m_dialoge.boxen.size(), vorher.boxen) << ort();
    }
    pruefeFenster(true);
    pruefeSituation(b);
    pruefeUrteil(b);
    pruefeNeueAufgabe(art, vorher, b);
    pruefeModus(art, vorher, b.modus);
    pruefeZaehler(vorher, b);
    pruefeBalken();
    pruefeBoxen(art, vorher);
}

void Affe::pruefeSituation(const Beobachtung& b)
{
    // A series the user started shows its types; the open task file of a
    // series that ended keeps the types of the last one.
    if (m_dialoge.bestaetigt)
        m_erlaubt = *m_dialoge.bestaetigt;
    if (m_dialoge.datei && m_dialoge.datei->gelesen)
        m_erlaubt = m_dialoge.datei->typen;
    const std::vector<const char*> passend = PassendeSituationen(b, m_erlaubt);
    if (passend.size() == 1)
        ++m_besucht[passend.front()];
    else
        ADD_FAILURE() << ort() << ": " << passend.size() << " situations fit; "
                      << Abweichungen(b, m_erlaubt).toStdString();
}

// A right verdict shows the light bulb and black on white; a wrong one
// uncovers the skull and shows white on black.
void Affe::pruefeUrteil(const Beobachtung& b)
{
    if (!b.urteilSichtbar)
        return;
    const bool richtig = b.urteilText == QStringLiteral("richtig!");
    const QColor grund = richtig ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const QColor schrift = richtig ? QColor(0, 0, 0) : QColor(255, 255, 255);
    EXPECT_EQ(m_form.findChild<QWidget*>(QStringLiteral("IRichtig"))->isVisible(), richtig) << ort();
    EXPECT_EQ(m_form.findChild<Figur*>(QStringLiteral("SRichtig"))->pinsel(), grund) << ort();
    for (const char* name : {"LRichtig1", "LRichtig2"}) {
        const QPalette farben = m_form.findChild<QLabel*>(QLatin1String(name))->palette();
        EXPECT_EQ(farben.color(QPalette::Window), grund) << ort() << " " << name;
        EXPECT_EQ(farben.color(QPalette::WindowText), schrift) << ort() << " " << name;
    }
}

// A new task forgets the type chosen for the last one, unless the series
// allows one type only, which is chosen at once; its given graph is drawn
// during the event, and the own graph is gone.
void Affe::pruefeNeueAufgabe(Art art, const Vorher& vorher, const Beobachtung& b)
{
    const bool gestellt = art == Art::BUeberspringen || art == Art::BRichtigNaechste
                          || ((art == Art::Uebung || art == Art::Test) && m_dialoge.bestaetigt)
                          || (art == Art::Datei && m_dialoge.datei && m_dialoge.datei->gelesen);
    if (m_gesperrt || !gestellt || b.modus < 2)
        return;
    const auto gewaehlt = std::ranges::find(b.knopfGewaehlt, true) - b.knopfGewaehlt.begin();
    const long erwartet = m_erlaubt.size() == 1 ? m_erlaubt.front() : AnzahlTypen;
    EXPECT_EQ(gewaehlt, erwartet) << ort() << ": the type chosen after a new task";
    if (b.plot && b.vorgGegeben) {
        EXPECT_GT(m_form.VorgPaesse(), vorher.vorgPaesse) << ort() << ": the new task is not drawn";
        EXPECT_FALSE(b.plot->user) << ort();
    }
}

// Where the form of work after an event is known from what the user did.
void Affe::pruefeModus(Art art, const Vorher& vorher, int modus)
{
    if (m_gesperrt)
        return;
    const Dateiwahl* datei = m_dialoge.datei ? &*m_dialoge.datei : nullptr;
    std::optional<int> erwartet;
    switch (art) {
    case Art::Zeichnen:
        erwartet = 1;
        break;
    case Art::Uebung:
    case Art::Test:
        erwartet = m_dialoge.bestaetigt ? (art == Art::Uebung ? 3 : 4) : 0;
        break;
    case Art::Datei:
        erwartet = datei && datei->gelesen && datei->aufgaben ? 2 : 0;
        break;
    case Art::BRichtigFertig:
        erwartet = 0;
        break;
    case Art::BUeberspringen:
    case Art::BRichtigNaechste:
        if (vorher.beobachtung.modus != 2)
            erwartet = vorher.beobachtung.modus;
        else if (modus != 0)
            erwartet = 2; // a task file may end here
        break;
    default:
        erwartet = vorher.beobachtung.modus;
    }
    if (erwartet) {
        EXPECT_EQ(modus, *erwartet) << ort();
    }
}

// The counters only grow, by at most one task posed and one solved per
// event, and only in a test.
void Affe::pruefeZaehler(const Vorher& vorher, const Beobachtung& b)
{
    const std::int32_t aufgaben = m_form.Ablauf().AnzahlAufgaben();
    const std::int32_t richtig = m_form.Ablauf().AnzahlRichtig();
    EXPECT_LE(richtig, aufgaben) << ort();
    EXPECT_TRUE(aufgaben == vorher.aufgaben || (aufgaben == vorher.aufgaben + 1 && b.modus == 4))
        << ort() << ": tasks " << vorher.aufgaben << " -> " << aufgaben;
    EXPECT_TRUE(richtig == vorher.richtig
                || (richtig == vorher.richtig + 1 && b.modus == 4 && b.urteilText == QStringLiteral("richtig!")))
        << ort() << ": solved " << vorher.richtig << " -> " << richtig;
}

// The gauge shows the share solved at the first attempt among the tasks its
// caption counts, truncated; before the first result it is hidden and the
// caption counts none.
void Affe::pruefeBalken()
{
    const auto* balken = m_form.findChild<QProgressBar*>(QStringLiteral("GTestErgebnis"));
    const QString text = m_form.findChild<QLabel*>(QStringLiteral("LTestErgebnis2"))->text();
    const QString anfang = QStringLiteral("Anzahl der Aufgaben: ");
    ASSERT_TRUE(text.startsWith(anfang)) << ort() << ": " << text.toStdString();
    bool zahl_ok = false;
    const long long gezeigt = text.sliced(anfang.size()).toLongLong(&zahl_ok);
    ASSERT_TRUE(zahl_ok) << ort() << ": " << text.toStdString();
    const std::int32_t aufgaben = m_form.Ablauf().AnzahlAufgaben();
    if (balken->isHidden()) {
        EXPECT_EQ(gezeigt, 0) << ort();
        return;
    }
    ASSERT_GE(gezeigt, 1) << ort();
    EXPECT_LE(gezeigt, aufgaben) << ort(); // a task left unanswered is counted, not shown
    const long long prozent = m_form.Ablauf().AnzahlRichtig() * 100LL / gezeigt;
    EXPECT_EQ(balken->value(), prozent) << ort();
    EXPECT_EQ(balken->text(), zahl(prozent) + QLatin1Char('%')) << ort();
}

void Affe::pruefeBoxen(Art art, const Vorher& vorher)
{
    const auto& boxen = m_dialoge.boxen;
    for (std::size_t i = vorher.boxen; i < boxen.size(); ++i) {
        EXPECT_TRUE(boxErlaubt(art, vorher, boxen[i]))
            << ort() << ": box \"" << boxen[i].titel.toStdString() << "\": " << boxen[i].text.toStdString();
    }
    const std::size_t neu = boxen.size() - vorher.boxen;
    if (m_enterImTest || m_dialoge.ohneTypBestaetigt) {
        EXPECT_EQ(neu, 1u) << ort() << ": the one box this event must show";
    }
    if (m_dialoge.datei && m_dialoge.datei->art != Wahl::Datei) {
        EXPECT_EQ(neu, m_dialoge.datei->art == Wahl::Fehlt ? 1u : 0u) << ort() << ": a missing file is reported once";
    }
}

// Every box has its event: Enter in a test, Ok without a type, the messages
// of a task file when it is opened or its next task is posed, the reading
// error of a file that cannot be read, and the arithmetic error of a given
// function from a file that cannot be drawn, wherever it is drawn.
bool Affe::boxErlaubt(Art art, const Vorher& vorher, const AufzeichnendeDialoge::Box& box) const
{
    using Box = AufzeichnendeDialoge::Art;
    const bool dateiGelesen = (art == Art::Datei && m_dialoge.datei)
                              || (vorher.beobachtung.modus == 2
                                  && (art == Art::BUeberspringen || art == Art::BRichtigNaechste));
    if (box.art == Box::Meldung && box.titel == QStringLiteral("Eingabetaste beim Test nicht verfügbar"))
        return m_enterImTest && box.text == QStringLiteral("Falls die Eingabe fertig ist, bitte auf den OK-Knopf klicken");
    if (box.art == Box::Meldung && box.titel == QStringLiteral("So gohts nit!"))
        return m_dialoge.ohneTypBestaetigt;
    if ((box.art == Box::Meldung && box.titel == QStringLiteral("Aufgabendatei einlesen"))
        || (box.art == Box::Fehler && box.titel == QStringLiteral("Fehler")))
        return dateiGelesen;
    if (box.art != Box::Fehler || box.titel != QStringLiteral("Kurvix"))
        return false;
    if (box.text == QStringLiteral("Ungültige Gleitkommaoperation."))
        return m_form.Ablauf().Modus() == Modus::Datei && unzeichenbar(m_form.Ablauf().Aufgabe());
    if (art != Art::Datei || !m_dialoge.datei)
        return false;
    if (m_dialoge.datei->art == Wahl::Fehlt)
        return box.text.startsWith(QStringLiteral("Die Datei „/gibt/es/nicht.sba“ kann nicht"));
    return m_dialoge.datei->typwortFehler && box.text == QStringLiteral("'x' ist kein gültiger Integerwert.");
}

// No window but the main one stays open, no popup, nothing modal.
void Affe::pruefeFenster(bool hauptfenster)
{
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (fenster != &m_form && fenster->isVisible())
            ADD_FAILURE() << ort() << ": " << fenster->metaObject()->className() << " "
                          << fenster->objectName().toStdString() << " left open";
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << ort();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << ort();
    EXPECT_EQ(m_form.isVisible(), hauptfenster) << ort();
}

// " Beenden " closes the window at once, whatever is open.
void Affe::Beende()
{
    m_form.findChild<QAction*>(QStringLiteral("MenBeenden"))->trigger();
    EXPECT_FALSE(m_form.isVisible()) << ort();
    pruefeFenster(false);
}
