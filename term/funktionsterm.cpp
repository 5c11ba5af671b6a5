// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/funktionsterm.h"

#include "basis/aussehen.h"
#include "model/funktionstext.h"
#include "model/hilfen.h"
#include "model/zahltext.h"
#include "term/bausteine.h"
#include "term/parametereingabe.h"
#include "term/parameterfeld.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <optional>

namespace {

const QColor TermFarbe = Farbe(0x000000);
const QColor BuchstabenFarbe = Farbe(0xFF0000);
const QColor InaktivFarbe = Farbe(0x808080);

constexpr int TafelHoehe = 49;
constexpr int GrundSchrift = 16;     // 12 pt
constexpr int HochzahlSchrift = 11;  // 8 pt: the exponent of the parabolas
constexpr int ExponentSchrift = 13;  // 10 pt: the raised x of the exponential
constexpr int Platzhalterbreite = 35;
constexpr int Punktgroesse = 4;

// Every layout gives a label its size. Sized here already, a label that is
// shown before its first layout is not measured by Qt to fit its text, which
// the layout would undo at once.
QLabel* neuesLabel(QWidget* tafel)
{
    auto* label = new QLabel(tafel);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(0, 13, 0, 0);
    label->setFont(Schrift(GrundSchrift));
    SetzeTextfarbe(label, TermFarbe);
    label->hide();
    return label;
}

QLineEdit* neueEingabe(QWidget* tafel)
{
    auto* eingabe = new QLineEdit(tafel);
    eingabe->setGeometry(0, 11, Platzhalterbreite, 25);
    eingabe->setMaxLength(6);
    eingabe->setFont(Schrift(GrundSchrift));
    eingabe->hide();
    return eingabe;
}

// An automatically sized label is as wide as its text; an empty text
// measures as one blank, which keeps a little room where a piece vanished.
int textbreite(const QLabel* label)
{
    const QString text = label->text();
    return Textbreite(label->font(), text.isEmpty() ? QStringLiteral(" ") : text);
}

void setzeSchrift(QLabel* label, int pixel, bool fett, int oben)
{
    label->setFont(Schrift(pixel, fett));
    label->move(label->x(), oben);
}

void setzeLinks(QWidget* w, int links) { w->move(links, w->y()); }

} // namespace

Klickflaeche::Klickflaeche(QWidget* parent)
    : QWidget(parent)
{
}

void Klickflaeche::SetzeKlickbar(bool klickbar)
{
    m_klickbar = klickbar;
    if (klickbar)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void Klickflaeche::mousePressEvent(QMouseEvent* event)
{
    m_gedrueckt = event->button() == Qt::LeftButton;
}

void Klickflaeche::mouseReleaseEvent(QMouseEvent* event)
{
    const bool klick = m_gedrueckt && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_gedrueckt = false;
    if (klick && m_klickbar)
        emit Klick(this);
}

TFunktionsTerm::TFunktionsTerm(QObject* Besitzer, QWidget* Fenster, TermUmgebung& umgebung)
    : QObject(Besitzer)
    , m_umgebung(umgebung)
{
    Tafel = new QWidget(Fenster);
    Tafel->resize(Tafel->width(), TafelHoehe);
    Tafel->setAutoFillBackground(true);
    Tafel->hide();
}

// The texts and marks are made when the panel is first prepared: the main
// window's input and value equations wait until their type is chosen.
void TFunktionsTerm::legeTeileAn()
{
    if (Klickbild != nullptr)
        return;
    for (auto& label : Texte)
        label = neuesLabel(Tafel);
    for (auto& label : Werte)
        label = neuesLabel(Tafel);
    Texte[0]->move(8, 13);
    for (auto& punkt : Punkte) {
        punkt = new Figur(Tafel);
        punkt->hide();
    }
    Klickbild = new Klickflaeche(Tafel);
    Klickbild->resize(0, 0);
    connect(Klickbild, &Klickflaeche::Klick, this, &TFunktionsTerm::TermKlick);
}

// Only an input equation has edit boxes, and an edit box is the dearest
// piece to build: the other fourteen panels start without any. Made after
// every text and mark, they lie above them, as windowed controls do.
void TFunktionsTerm::legeEingabenAn()
{
    if (Eingaben[0] != nullptr)
        return;
    for (auto& eingabe : Eingaben) {
        eingabe = neueEingabe(Tafel);
        eingabe->installEventFilter(this);
        connect(eingabe, &QLineEdit::textChanged, this, [this, eingabe] { ParameterGeaendert(eingabe); });
    }
}

void TFunktionsTerm::Einrichten(int Typ, int Rolle)
{
    Vorbereiten(Typ, Rolle);
    Darstellen(Typ, Rolle, true);
}

void TFunktionsTerm::Vorbereiten(int Typ, int Rolle)
{
    Tafel->hide();
    legeTeileAn();
    richteRolleEin(Rolle);
    this->Typ = Typ;
    richteTypEin(Rolle);
}

void TFunktionsTerm::richteRolleEin(int Rolle)
{
    const bool fett = Rolle == RolleAnzeige;
    for (QLabel* label : Texte)
        label->setFont(Schrift(GrundSchrift, fett));
    for (QLabel* label : Werte)
        label->setFont(Schrift(GrundSchrift, fett));
    switch (Rolle) {
    case RolleListe:
        Tafel->setGeometry(25, Tafel->y(), 193, TafelHoehe);
        Klickbild->setGeometry(0, 0, 193, TafelHoehe);
        break;
    case RolleEingabe:
        Tafel->setGeometry(232, 24, 300, TafelHoehe);
        legeEingabenAn();
        for (QLineEdit* eingabe : Eingaben)
            eingabe->show();
        break;
    default:
        Tafel->setGeometry(232, 24, 280, TafelHoehe);
        break;
    }
}

void TFunktionsTerm::richteTypEin(int Rolle)
{
    Klickbild->Tag = Typ;
    for (int i = 0; i < 4; ++i) {
        Texte[i]->setText(Termtext(Typ, Rolle, i));
        Texte[i]->setVisible(i < AnzahlTexte(Typ));
    }
    const ParameterSatz start = Startwerte(Typ);
    for (int i = 0; i < 4; ++i) {
        const bool benutzt = i < AnzahlParameter(Typ);
        SetzeTextfarbe(Werte[i], Rolle == RolleListe ? BuchstabenFarbe : m_umgebung.UserFarbe());
        Werte[i]->setVisible(benutzt && Rolle != RolleEingabe);
        if (Rolle == RolleListe && benutzt)
            Werte[i]->setText(Buchstabe(Typ, i));
        if (Rolle == RolleEingabe) {
            Eingaben[i]->setVisible(benutzt);
            Eingaben[i]->setText(benutzt ? Zahltext(start[i]) : QString());
            Eingaben[i]->setAccessibleName(benutzt ? ParameterName(Typ, i) : QString());
        }
    }
    if (Rolle == RolleAnzeige)
        Parameter = start;
    for (int i = 0; i < 2; ++i) {
        Punkte[i]->setVisible(i < AnzahlPunkte(Typ));
        Punkte[i]->SetzeForm(Typ == Hyperbel ? Figur::Form::Rechteck : Figur::Form::Kreis);
        Punkte[i]->SetzeFarben(TermFarbe, TermFarbe);
        Punkte[i]->setGeometry(Punkte[i]->x(), 22, Punktgroesse, Punktgroesse);
    }
    richteSonderlagenEin(Rolle);
}

// Exponents, the fraction of the hyperbola and the raised x leave the
// common line of the equation.
void TFunktionsTerm::richteSonderlagenEin(int Rolle)
{
    const bool fett = Rolle == RolleAnzeige;
    switch (Typ) {
    case Parabel2:
    case Parabel3:
        setzeSchrift(Texte[3], HochzahlSchrift, fett, 9);
        break;
    case Hyperbel:
        Werte[0]->move(Werte[0]->x(), 2);
        Texte[1]->move(Texte[1]->x(), 24);
        Werte[1]->move(Werte[1]->x(), 24);
        if (Rolle == RolleEingabe) {
            Eingaben[0]->setGeometry(Eingaben[0]->x(), 0, Platzhalterbreite, 22);
            Eingaben[1]->setGeometry(Eingaben[1]->x(), 25, Platzhalterbreite, 22);
        }
        if (Rolle == RolleAnzeige)
            Punkte[0]->setGeometry(Punkte[0]->x(), 22, Punkte[0]->width(), 2);
        else
            Punkte[0]->setGeometry(Punkte[0]->x(), 23, Punkte[0]->width(), 1);
        break;
    case Exponential:
        setzeSchrift(Texte[2], ExponentSchrift, fett, Rolle == RolleEingabe ? 2 : 8);
        break;
    default:
        break;
    }
}

void TFunktionsTerm::Darstellen(int Typ, int Rolle, bool Aktiv)
{
    this->Typ = Typ;
    faerbe(Rolle, Aktiv);
    std::optional<Wertanzeige> werte;
    if (Rolle == RolleAnzeige)
        werte = zeigeWerte();
    Termgeometrie g = vermesse(Rolle);
    if (werte)
        verberge(g, *werte);
    const int ende = Anordnen(Typ, g);
    setzeLagen(g);
    if (Rolle == RolleEingabe)
        m_umgebung.TermBreiteMerken(ende);
}

void TFunktionsTerm::faerbe(int Rolle, bool Aktiv)
{
    if (Rolle == RolleListe) {
        const QColor text = Aktiv ? TermFarbe : InaktivFarbe;
        for (QLabel* label : Werte)
            SetzeTextfarbe(label, Aktiv ? BuchstabenFarbe : InaktivFarbe);
        for (QLabel* label : Texte)
            SetzeTextfarbe(label, text);
        for (Figur* punkt : Punkte)
            punkt->SetzeFarben(text, text);
        Klickbild->SetzeKlickbar(Aktiv);
    } else if (Rolle == RolleAnzeige) {
        const QColor user = m_umgebung.UserFarbe();
        for (QLabel* label : Werte)
            SetzeTextfarbe(label, user);
        for (int i = 1; i < 4; ++i)
            SetzeTextfarbe(Texte[i], user);
        for (Figur* punkt : Punkte)
            punkt->SetzeFarben(user, user);
    }
}

Wertanzeige TFunktionsTerm::zeigeWerte()
{
    Wertanzeige werte = WerteAnzeigen(Typ, Parameter);
    for (int i = 1; i < 4; ++i)
        Texte[i]->setText(werte.T[i]);
    for (int i = 0; i < 4; ++i)
        Werte[i]->setText(werte.W[i]);
    return werte;
}

Termgeometrie TFunktionsTerm::vermesse(int Rolle) const
{
    Termgeometrie g;
    for (int i = 0; i < 4; ++i) {
        g.TLinks[i] = Texte[i]->x();
        g.TBreite[i] = textbreite(Texte[i]);
        g.WLinks[i] = Werte[i]->x();
        g.WBreite[i] = Rolle == RolleEingabe ? Platzhalterbreite : textbreite(Werte[i]);
    }
    for (int i = 0; i < 2; ++i) {
        g.SLinks[i] = Punkte[i]->x();
        g.SBreite[i] = Punkte[i]->width();
    }
    g.T2Leer = Texte[2]->text().isEmpty();
    return g;
}

// The value equation hides a piece by giving it width 0: it keeps its text
// and visibility, and the layout passes over it.
void TFunktionsTerm::verberge(Termgeometrie& g, const Wertanzeige& werte)
{
    for (int i = 0; i < 4; ++i)
        if (werte.WVerborgen[i])
            g.WBreite[i] = 0;
    for (int i = 0; i < 2; ++i)
        g.SBreite[i] = werte.SVerborgen[i] ? 0 : Punktgroesse;
}

void TFunktionsTerm::setzeLagen(const Termgeometrie& g)
{
    for (int i = 0; i < 4; ++i) {
        Texte[i]->setGeometry(g.TLinks[i], Texte[i]->y(), g.TBreite[i], Texte[i]->fontMetrics().height());
        Werte[i]->setGeometry(g.WLinks[i], Werte[i]->y(), g.WBreite[i], Werte[i]->fontMetrics().height());
        if (Eingaben[i] != nullptr)
            setzeLinks(Eingaben[i], g.WLinks[i]);
    }
    for (int i = 0; i < 2; ++i)
        Punkte[i]->setGeometry(g.SLinks[i], Punkte[i]->y(), g.SBreite[i], Punkte[i]->height());
    if (Typ == Exponential)
        Texte[2]->raise(); // the raised x stands in front of its neighbours
    Klickbild->raise();
}

void TFunktionsTerm::TermKlick(Klickflaeche* Sender)
{
    m_umgebung.TermAngeklickt(Sender->Tag);
}

int TFunktionsTerm::index(const QObject* eingabe) const
{
    const auto treffer = std::find(Eingaben.begin(), Eingaben.end(), eingabe);
    return treffer == Eingaben.end() ? -1 : static_cast<int>(treffer - Eingaben.begin());
}

void TFunktionsTerm::ParameterGeaendert(QLineEdit* Sender)
{
    const int i = std::max(index(Sender), 0);
    m_umgebung.ParameterUebernehmen(i, Parameterwert(Eingaben[i]->text(), QLocale().decimalPoint()));
}

// Installed on the edit boxes alone; a box that is being destroyed is no
// longer a QLineEdit while its last events arrive.
bool TFunktionsTerm::eventFilter(QObject* objekt, QEvent* ereignis)
{
    auto* eingabe = qobject_cast<QLineEdit*>(objekt);
    if (eingabe == nullptr)
        return false;
    switch (ereignis->type()) {
    case QEvent::KeyPress:
        return ParameterTaste(eingabe, static_cast<QKeyEvent*>(ereignis));
    case QEvent::InputMethod:
        FiltereEingabemethode(static_cast<QInputMethodEvent*>(ereignis), MinusErlaubt(Typ, index(eingabe)));
        return false;
    case QEvent::FocusIn:
    case QEvent::MouseButtonRelease:
        markiereBeimFokus(eingabe, ereignis);
        return false;
    default:
        return false;
    }
}

// Returns true where the keystroke is used up here: a character outside a
// number is discarded, the thousands separator typed as the decimal one.
bool TFunktionsTerm::ParameterTaste(QLineEdit* Sender, const QKeyEvent* Key)
{
    if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
        m_umgebung.EingabetasteGedrueckt();
        return false;
    }
    if (Key->key() == Qt::Key_Up || Key->key() == Qt::Key_Down)
        return Pfeiltaste(Sender, Key);
    return FiltereTaste(Sender, Key, MinusErlaubt(Typ, index(Sender)));
}

// The box's text is rewritten with the stepped value, and its change
// handler passes the value on as for a typed one. A step that k or b
// cannot take, or whose text the box cannot hold, leaves the box as it is.
bool TFunktionsTerm::Pfeiltaste(QLineEdit* Sender, const QKeyEvent* Key)
{
    if (!m_umgebung.Pfeiltasten())
        return false;
    const double weite = Key->modifiers() & Qt::ShiftModifier ? 0.1 : 1;
    const QLocale locale;
    const double wert = Parameterwert(Sender->text(), locale.decimalPoint());
    const std::optional<QString> text = Schritttext(wert, Key->key() == Qt::Key_Up ? weite : -weite,
                                                    !MinusErlaubt(Typ, index(Sender)), Sender->maxLength(), locale);
    if (text)
        Sender->setText(*text);
    return true;
}

// A box selects its whole text when it receives the focus, so a new value
// replaces the old one. After a click the selection waits for the release,
// which would otherwise place the cursor.
void TFunktionsTerm::markiereBeimFokus(QLineEdit* Sender, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FocusIn) {
        const bool klick = static_cast<QFocusEvent*>(ereignis)->reason() == Qt::MouseFocusReason;
        m_markiereNachKlick = klick ? Sender : nullptr;
        if (!klick)
            Sender->selectAll();
    } else if (m_markiereNachKlick == Sender) {
        m_markiereNachKlick = nullptr;
        Sender->selectAll();
    }
}
