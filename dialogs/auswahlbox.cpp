// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The selection dialog, placed pixel by pixel as it was designed: 721 × 330,
// not resizable, closed only by its own buttons.

#include "dialogs/auswahlbox.h"

#include "dialogs/fehlerbericht.h"
#include "basis/aussehen.h"
#include "dialogs/dialoge.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int Schriftgroesse = 13; // 10 pt

// The check boxes in the order their fields were declared; the screen order
// is the type order all the same.
constexpr std::array<int, AnzahlTypen> Deklarationsfolge{Betrag, Parabel2, Parabel3, Sinus, Gerade, Hyperbel,
                                                         Exponential};

const std::array<const char*, AnzahlTypen> Funktionsnamen{
    "  lineare Funktionen (Geraden)",
    "  Betragsfunktionen",
    "  ganzrationale Funktionen 2. Grades (Parabeln)",
    "  ganzrationale Funktionen 3. Grades (Parabeln 3. Ordnung)",
    "  trigonometrische Funktionen (Sinus-Schaubilder)",
    "  einfache gebrochenrationale Funktionen (Hyperbeln)",
    "  Exponentialfunktionen",
};

const std::array<const char*, 3> Schwierigkeitsgrade{
    "  Sehr leicht (ein Parameter wird verändert)",
    "  leicht (zwei Parameter werden verändert)",
    "  NORMAL (alle Parameter werden verändert)",
};

template <typename W>
W* platziere(W* w, const QString& name, const QRect& lage, const QFont& schrift)
{
    w->setObjectName(name);
    w->setGeometry(lage);
    w->setFont(schrift);
    return w;
}

// A check box every 32 pixels; the first one, only 17 pixels high, starts
// 8 pixels further down.
QRect kaestchenLage(int Typ) { return Typ == Gerade ? QRect(8, 72, 369, 17) : QRect(8, 64 + Typ * 32, 369, 25); }

// The items share the group's height below its caption evenly, one above
// the other, as a radio group arranges them.
QRect eintragsLage(int index, const QSize& gruppe, int titelhoehe)
{
    const int hoehe = (gruppe.height() - titelhoehe - 5) / 3;
    return {8, titelhoehe + 1 + index * hoehe, gruppe.width() - 10, hoehe};
}

// A sunken check box, 15 × 15 pixels, with or without its tick: the picture
// on the buttons that tick or clear all boxes.
QPixmap kaestchenBild(bool haken)
{
    QImage bild(15, 15, QImage::Format_RGB32);
    bild.fill(Farbe(0xFFFFFF));
    QPainter p(&bild);
    const auto kante = [&p](int innen, std::uint32_t oben, std::uint32_t unten) {
        const int ende = 14 - innen;
        p.fillRect(innen, innen, ende - innen, 1, Farbe(oben));
        p.fillRect(innen, innen, 1, ende - innen, Farbe(oben));
        p.fillRect(innen, ende, ende - innen + 1, 1, Farbe(unten));
        p.fillRect(ende, innen, 1, ende - innen + 1, Farbe(unten));
    };
    kante(0, 0x808080, 0xFFFFFF);
    kante(1, 0x000000, 0xC0C0C0);
    if (haken) {
        // Seven columns three pixels high, down to the middle one and up.
        for (int i = 0; i < 7; ++i)
            p.fillRect(4 + i, i <= 2 ? 6 + i : 10 - i, 1, 3, Farbe(0x000000));
    }
    return QPixmap::fromImage(bild);
}

} // namespace

TAuswahlBox::TAuswahlBox(Dialoge& dialoge, Fehlerbericht& bericht, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_dialoge(dialoge)
{
    setObjectName(QStringLiteral("AuswahlBox"));
    setWindowTitle(QStringLiteral("Bitte Auswählen"));
    setFixedSize(721, 330);
    setFont(Schrift(Schriftgroesse));
    baueFunktionen();
    baueSchwierigkeitsgrad();
    baueKnoepfe(bericht);
    legeFokusfolgeFest();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), bildschirm->availableGeometry())
                 .topLeft());
}

void TAuswahlBox::baueFunktionen()
{
    GBFunktionen = platziere(new QGroupBox(QStringLiteral(" zu verwendende Funktionen (Schaubilder) "), this),
                             QStringLiteral("GBFunktionen"), {8, 16, 385, 297}, Schrift(Schriftgroesse, true));
    for (const int Typ : Deklarationsfolge) {
        auto* box = new QCheckBox(QString::fromUtf8(Funktionsnamen[Typ]), GBFunktionen);
        platziere(box, QStringLiteral("CheckBox%1").arg(Typ + 1), kaestchenLage(Typ), Schrift(Schriftgroesse));
        box->setChecked(true);
        CheckBox[Typ] = box;
    }
}

void TAuswahlBox::baueSchwierigkeitsgrad()
{
    RGSchwierigkeitsgrad = platziere(new QGroupBox(QStringLiteral(" Schwierigkeitsgrad "), this),
                                     QStringLiteral("RGSchwierigkeitsgrad"), {408, 16, 305, 145},
                                     Schrift(Schriftgroesse));
    m_grade = new QButtonGroup(RGSchwierigkeitsgrad);
    const int titelhoehe = RGSchwierigkeitsgrad->fontMetrics().height();
    for (int i = 0; i < 3; ++i) {
        auto* eintrag = new QRadioButton(QString::fromUtf8(Schwierigkeitsgrade[i]), RGSchwierigkeitsgrad);
        platziere(eintrag, QStringLiteral("RGSchwierigkeitsgrad%1").arg(i),
                  eintragsLage(i, RGSchwierigkeitsgrad->size(), titelhoehe), Schrift(Schriftgroesse));
        m_grade->addButton(eintrag, i);
        RGEintrag[i] = eintrag;
    }
    SetzeSchwierigkeitsgrad(Normal);
}

void TAuswahlBox::baueKnoepfe(Fehlerbericht& bericht)
{
    const auto knopf = [this, &bericht](QWidget* eltern, const char* name, const QRect& lage, const char* text,
                                        bool fett, void (TAuswahlBox::*handler)()) {
        auto* k = platziere(new QPushButton(QString::fromUtf8(text), eltern), QLatin1String(name), lage,
                            Schrift(Schriftgroesse, fett));
        Verbinde(bericht, k, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return k;
    };
    BAbbrechen = knopf(this, "BAbbrechen", {576, 232, 137, 33}, "Abbrechen", false, &TAuswahlBox::BAbbrechenClick);
    BOk = knopf(this, "BOk", {576, 280, 137, 33}, "Ok", true, &TAuswahlBox::BOkClick);
    BitBtn1 = knopf(GBFunktionen, "BitBtn1", {216, 24, 145, 33}, "Alle Auswählen   ", false,
                    &TAuswahlBox::BitBtn1Click);
    BitBtn2 = knopf(GBFunktionen, "BitBtn2", {32, 24, 145, 33}, "Alle Abwählen    ", false,
                    &TAuswahlBox::BitBtn2Click);
    for (auto [k, haken] : {std::pair{BitBtn1, true}, std::pair{BitBtn2, false}}) {
        k->setIcon(kaestchenBild(haken));
        k->setIconSize({15, 15});
        // A push button shows its picture before the caption; mirrored, it
        // stands after it, where the caption's trailing blanks leave room.
        k->setLayoutDirection(Qt::RightToLeft);
    }
}

// Ok first, so that Enter confirms at once; then the boxes from top to
// bottom, the difficulty and Abbrechen.
void TAuswahlBox::legeFokusfolgeFest()
{
    QList<QWidget*> folge{BOk};
    for (const int Typ : {Betrag, Gerade, Parabel2, Parabel3, Sinus, Hyperbel, Exponential})
        folge << CheckBox[Typ];
    folge << BitBtn1 << BitBtn2 << RGEintrag[0] << RGEintrag[1] << RGEintrag[2] << BAbbrechen;
    for (qsizetype i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
}

void TAuswahlBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    BOk->setFocus(Qt::OtherFocusReason);
}

void TAuswahlBox::BitBtn1Click() { hakeAlleAn(true); }

void TAuswahlBox::BitBtn2Click() { hakeAlleAn(false); }

void TAuswahlBox::hakeAlleAn(bool angehakt)
{
    for (QCheckBox* box : CheckBox)
        box->setChecked(angehakt);
}

void TAuswahlBox::BOkClick()
{
    ErlaubteTypen.clear();
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        if (CheckBox.at(static_cast<std::size_t>(Typ))->isChecked())
            ErlaubteTypen.push_back(Typ);
    }
    Bestaetigt = !ErlaubteTypen.empty();
    if (!Bestaetigt)
        m_dialoge.Meldung(this, QStringLiteral("So gohts nit!"),
                          QStringLiteral("Es muss mindestens ein Funktionstyp ausgewählt werden!"));
    done(Bestaetigt ? Accepted : Rejected);
}

void TAuswahlBox::BAbbrechenClick()
{
    Bestaetigt = false;
    QDialog::reject();
}

void TAuswahlBox::reject() { BAbbrechenClick(); }

int TAuswahlBox::Schwierigkeitsgrad() const { return m_grade->checkedId(); }

void TAuswahlBox::SetzeSchwierigkeitsgrad(int Grad) { RGEintrag.at(static_cast<std::size_t>(Grad))->setChecked(true); }
