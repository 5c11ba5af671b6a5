// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/infobox.h"

#include "basis/aussehen.h"
#include "dialogs/fehlerbericht.h"
#include "term/bausteine.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int Textschrift = 11; // 8 pt

struct Ueberschrift {
    const char* name;
    QRect lage;
    const char* text;
};

const Ueberschrift Ueberschriften[] = {
    {"Label2", {8, 96, 385, 17}, "Einfaches Zeichnen von Schaubildern:"},
    {"Label3", {8, 160, 385, 17}, "Übung:"},
    {"Label8", {8, 288, 385, 17}, "Test:"},
    {"Label9", {8, 376, 385, 17}, "Einlesen von Aufgabendateien:"},
    {"Label10", {8, 448, 385, 17}, "Optionen:"},
};

// The texts keep their line breaks, hyphenations and trailing blanks.
struct Memo {
    const char* name;
    QRect lage;
    const char* zeilen;
};

const Memo Memos[] = {
    {"Memo1", {8, 48, 385, 41},
     "Bei diesem Übungsprogramm können Schaublider von Funktionen (wählbar aus\n"
     "7 verschiedenen Typen) verschoben und gestreckt werden.\n"
     "Es stehen verschiedene Modi (Aufgabenstellungen) zur Verfügung:"},
    {"Memo2", {8, 112, 385, 41},
     "Ein Schaubild zu einem der 7 Funktionstypen kann gezeichnet werden. Dabei\n"
     "lässt sich sehr rasch der Einfluss der wählbaren Parameter auf die Verschiebung\n"
     "und Streckung des Grundschaubildes untersuchen."},
    {"Memo3", {8, 176, 385, 105},
     "Das Programm erzeugt mit dem Zufallsgenerator eine Streckung und Verschie-\n"
     "bung eines Schaubildes und zeichnet den Graphen. Dem Benutzer steht eine\n"
     "eigene (standardmäßig rot dargestellte) Funktion zur Verfügung. Die Aufgabe be-\n"
     "steht darin, die Parameter der eigenen Funktion so zu verändern, dass das\n"
     "Schaubild exakt dem vorgegebenen Schaubild entspricht. Die Funktionstypen,\n"
     "aus der die vorgegebene Funktion generiert wird, sind im anfänglichen Dialog-\n"
     "fenster auszuwählen. Außerdem kann der Schwierigkeitsgrad (Anzahl der ver-\n"
     "änderten Parameter) verringert werden."},
    {"Memo4", {8, 304, 385, 73},
     "Dieser Modus entspricht dem Übungsmodus mit der Ausnahme, dass der Be-\n"
     "nutzer nur EINEN Versuch der Parameterwahl hat, ein Ausprobieren mit Hilfe\n"
     "des Schaubildes also nicht mehr möglich ist. Dies entspricht der Test-Situation\n"
     "während einer Klassenarbeit. Der Schwierigkeitsgrad kann hier nicht verringert\n"
     "werden. Zur Kontrolle wird der Anteil der richtig gelösten Aufgaben angezeigt."},
    {"Memo5", {8, 392, 385, 57},
     "Mit Hilfe von Aufgabendateien, können spezielle Aufgaben (z.B. durch den \n"
     "Lehrer) gestellt werden. Hierbei besteht auch die Möglichkeit, die vorgege-\n"
     "benen Schaubilder nur Abschnittsweise anzeigen zu lassen. \n"
     "Hinweise dazu in den Beispieldateien."},
    {"Memo6", {8, 464, 385, 41},
     "Verschiedene Darstellungs-Optionen der Achsen und Schaubilder können aus-\n"
     "gewählt werden. Wichtig ist vor allem die Möglichkeit, ein feineres Gitternetz \n"
     "(mit einer Feinheit von 0,5 LE) ein- und auszuschalten."},
};

template <typename W>
W* platziere(W* w, const char* name, const QRect& lage)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(lage);
    return w;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QRect& lage, const QString& text, const QFont& schrift)
{
    auto* label = platziere(new QLabel(text, eltern), name, lage);
    label->setTextFormat(Qt::PlainText);
    label->setFont(schrift);
    return label;
}

// A read-only memo that looks like plain text on the window. The bundled
// face runs a little wider than the face these lines were broken for, so it
// stands a little closer, and no line wraps.
void memo(QWidget* eltern, const Memo& m)
{
    auto* feld = platziere(new QPlainTextEdit(eltern), m.name, m.lage);
    QFont schrift = Schrift(Textschrift);
    schrift.setLetterSpacing(QFont::PercentageSpacing, 97);
    feld->setFont(schrift);
    feld->setFrameShape(QFrame::NoFrame);
    feld->setReadOnly(true);
    // A caret that moves through the text lets a screen reader read it line by line.
    feld->setTextInteractionFlags(feld->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    feld->setLineWrapMode(QPlainTextEdit::NoWrap);
    feld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    feld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    feld->document()->setDocumentMargin(0);
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    feld->setPalette(palette);
    feld->setPlainText(QString::fromUtf8(m.zeilen));
}

} // namespace

TInfoBox::TInfoBox(Fehlerbericht& bericht, QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("InfoBox"));
    setWindowTitle(QStringLiteral("Programm-Information"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(417, 622);
    setFont(Schrift(Textschrift));

    auto* Panel1 = platziere(new Rahmenpanel(this, Rahmenpanel::Kante::Erhaben, Rahmenpanel::Kante::Vertieft),
                             "Panel1", {8, 8, 401, 577});
    baueTexte(Panel1);
    baueNachweis(Panel1);

    auto* BOk = platziere(new QPushButton(QStringLiteral("Ok"), this), "BOk", {296, 592, 112, 25});
    BOk->setFont(Schrift(Textschrift, true));
    BOk->setFocus();
    Verbinde(bericht, BOk, &QPushButton::clicked, this, [this] { BOkClick(); });
    zentriere();
}

void TInfoBox::BOkClick() { accept(); }

void TInfoBox::baueTexte(QWidget* Panel1)
{
    auto* Panel3 = platziere(new Rahmenpanel(Panel1, Rahmenpanel::Kante::Erhaben, Rahmenpanel::Kante::Keine),
                             "Panel3", {8, 8, 35, 35});
    auto* Image1 = platziere(new QLabel(Panel3), "Image1", {2, 2, 32, 32});
    Image1->setPixmap(PngBild(QStringLiteral("symbol32")));
    Image1->setAccessibleName(QStringLiteral("Programmsymbol"));
    beschriftung(Panel1, "Label1", {52, 8, 345, 33},
                 QStringLiteral("Programm zum Verschieben und Strecken von Schaubildern"),
                 Schrift(Textschrift, true, true))
        ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (const Ueberschrift& u : Ueberschriften)
        beschriftung(Panel1, u.name, u.lage, QString::fromUtf8(u.text), Schrift(Textschrift, true));
    for (const Memo& m : Memos)
        memo(Panel1, m);
}

// The credits: the program, its version as the build names it, and what it
// is for.
void TInfoBox::baueNachweis(QWidget* Panel1)
{
    auto* Panel2 = platziere(new Rahmenpanel(Panel1, Rahmenpanel::Kante::Vertieft, Rahmenpanel::Kante::Keine),
                             "Panel2", {8, 512, 385, 57});
    beschriftung(Panel2, "LProgramm", {8, 10, 369, 15},
                 QStringLiteral("Kurvix, Version %1").arg(QLatin1String(KURVIX_VERSION)), Schrift(Textschrift, true))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    beschriftung(Panel2, "LZweck", {8, 26, 369, 15},
                 QStringLiteral("Zum Üben, wie Parameter ein Schaubild verschieben und strecken."),
                 Schrift(Textschrift))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

// Centred on the screen, not on the main window; a window placed by hand
// stays where it is put when it opens again.
void TInfoBox::zentriere()
{
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), bildschirm->availableGeometry())
                 .topLeft());
}
