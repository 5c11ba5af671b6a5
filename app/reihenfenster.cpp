// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/reihenfenster.h"

#include "dialogs/auswahlbox.h"
#include "dialogs/dialoge.h"
#include "model/funktionstext.h"
#include "model/zahltext.h"
#include "plot/zeichenflaeche.h"
#include "tasks/dateiinhalt.h"
#include "tasks/zufall.h"
#include "term/parametereingabe.h"
#include "term/parameterfeld.h"
#include "term/termaufbau.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace {

const QString Titel = QStringLiteral("Aufgabenreihe bearbeiten");
const QString Filter = QStringLiteral("Aufgabendatei (*.sba)");
// Every change is in the recovery file this long after it, at the latest.
constexpr int SicherungNachMs = 2000;

// Gives a control its name for tests and for screen readers.
template <typename Steuer>
Steuer* benannt(Steuer* steuer, const char* name, const QString& vorgelesen)
{
    steuer->setObjectName(QLatin1String(name));
    steuer->setAccessibleName(vorgelesen);
    return steuer;
}

QLabel* beschriftung(const QString& text, QWidget* fuer)
{
    auto* label = new QLabel(text);
    label->setBuddy(fuer);
    return label;
}

QTreeView* tabelle(QAbstractItemModel& modell)
{
    auto* liste = new QTreeView;
    liste->setModel(&modell);
    liste->setRootIsDecorated(false);
    liste->setUniformRowHeights(true);
    liste->setAllColumnsShowFocus(true);
    liste->header()->setStretchLastSection(true);
    return liste;
}

// The remark lines of the box: a line that is neither empty nor starts
// with "*" becomes a remark all the same, so that it never turns into a task.
QStringList bemerkungszeilen(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList zeilen = text.split(QLatin1Char('\n'));
    for (QString& zeile : zeilen) {
        if (!zeile.isEmpty() && !zeile.startsWith(QLatin1Char('*')))
            zeile.prepend(QLatin1Char('*'));
    }
    return zeilen;
}

// A box shows a value anew only when its text means another one, so that
// a typed "1/3" stays while it is worth 0,33333.
void zeigeWert(QLineEdit* box, double wert)
{
    if (box->text().isEmpty() || Parameterwert(box->text(), QLocale().decimalPoint()) != wert)
        box->setText(Zahltext(wert));
}

} // namespace

TReihenfenster::TReihenfenster(Dialoge& dialoge, Zufall& zufall, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_dialoge(dialoge)
    , m_zufall(zufall)
    , m_bericht(dialoge, this)
{
    setObjectName(QStringLiteral("Reihenfenster"));
    setAcceptDrops(true);
    auto* mitte = new QWidget;
    setCentralWidget(mitte);
    auto* spalten = new QHBoxLayout(mitte);
    auto* links = new QVBoxLayout;
    auto* rechts = new QVBoxLayout;
    spalten->addLayout(links, 1);
    spalten->addLayout(rechts);
    baueMenues();
    baueKopf(links);
    baueListe(links);
    baueAufgabe(rechts);
    m_pruefung.setSingleShot(true);
    m_pruefung.setInterval(0);
    Verbinde(m_bericht, &m_pruefung, &QTimer::timeout, this, [this] { pruefeWeiter(); });
    m_reihe.Beobachter = [this](const Reihenaenderung& aenderung) { geaendert(aenderung); };
    connect(&m_reihe.Stapel(), &QUndoStack::cleanChanged, this, [this] { zeigeTitel(); });
    m_sicherungsuhr = new QTimer(this);
    m_sicherungsuhr->setSingleShot(true);
    m_sicherungsuhr->setInterval(SicherungNachMs);
    connect(m_sicherungsuhr, &QTimer::timeout, this, [this] { sichere(); });
    connect(&m_reihe.Stapel(), &QUndoStack::indexChanged, this, [this] { sicherungAnstossen(); });
    connect(&m_reihe.Stapel(), &QUndoStack::cleanChanged, this, [this] { sicherungAnstossen(); });
    m_reihe.Neu();
    zeigeTitel();
}

// The undo stack announces its clearing as it goes, when the file name it
// would put in the caption is gone already.
TReihenfenster::~TReihenfenster() { m_reihe.Stapel().disconnect(this); }

void TReihenfenster::baueKopf(QBoxLayout* spalte)
{
    EKommentar = benannt(new QLineEdit, "EKommentar", QStringLiteral("Kommentar"));
    EKommentar->installEventFilter(this);
    spalte->addWidget(beschriftung(QStringLiteral("&Kommentar (sehen die Schülerinnen und Schüler beim Öffnen):"),
                                   EKommentar));
    spalte->addWidget(EKommentar);
    Verbinde(m_bericht, EKommentar, &QLineEdit::textEdited, this,
             [this] { m_reihe.SetzeKommentar(EKommentar->text()); });

    auto* typen = benannt(new QGroupBox(QStringLiteral("Erlaubte Typen")), "GBTypen", QStringLiteral("Erlaubte Typen"));
    auto* raster = new QGridLayout(typen);
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        QCheckBox* box = new QCheckBox(QStringLiteral("&%1 %2").arg(Typ + 1).arg(Typname(Typ)));
        CTyp[static_cast<std::size_t>(Typ)] =
            benannt(box, QStringLiteral("CTyp%1").arg(Typ + 1).toLatin1().constData(),
                    QStringLiteral("%1 erlaubt").arg(Typname(Typ)));
        raster->addWidget(box, Typ / 4, Typ % 4);
        Verbinde(m_bericht, box, &QCheckBox::clicked, this,
                 [this, box, Typ] { m_reihe.SetzeTypErlaubt(Typ, box->isChecked()); });
    }
    spalte->addWidget(typen);
}

void TReihenfenster::baueListe(QBoxLayout* spalte)
{
    LAufgaben = benannt(tabelle(m_aufgaben), "LAufgaben", QStringLiteral("Aufgaben"));
    LAufgaben->setMinimumWidth(520);
    for (const auto& [spalte, breite] : {std::pair{0, 36}, std::pair{1, 110}, std::pair{2, 250}})
        LAufgaben->setColumnWidth(spalte, breite);
    spalte->addWidget(beschriftung(QStringLiteral("&Aufgaben:"), LAufgaben));
    spalte->addWidget(LAufgaben, 2);
    Verbinde(m_bericht, LAufgaben->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (m_zeigt || !LAufgaben->currentIndex().isValid())
            return;
        m_reihe.Waehle(LAufgaben->currentIndex().row());
        zeigeAufgabe();
    });
    auto* zeile = new QHBoxLayout;
    knopf(zeile, "BNeu", QStringLiteral("&Neue Aufgabe"), "MenNeueAufgabe");
    knopf(zeile, "BZufall", QStringLiteral("&Zufallsaufgabe …"), "MenZufallsaufgabe");
    knopf(zeile, "BLoeschen", QStringLiteral("&Löschen"), "MenAufgabeLoeschen");
    knopf(zeile, "BHoch", QStringLiteral("Nach &oben"), "MenNachOben");
    knopf(zeile, "BRunter", QStringLiteral("Nach un&ten"), "MenNachUnten");
    spalte->addLayout(zeile);

    LBefunde = benannt(tabelle(m_befunde), "LBefunde", QStringLiteral("Befunde der Prüfung"));
    m_befundtitel = benannt(beschriftung(QString(), LBefunde), "LBefundtitel", QString());
    spalte->addWidget(m_befundtitel);
    spalte->addWidget(LBefunde, 1);
    Verbinde(m_bericht, LBefunde, &QTreeView::activated, this, [this] { befundGeklickt(); });
    Verbinde(m_bericht, LBefunde, &QTreeView::clicked, this, [this] { befundGeklickt(); });

    auto* unten = new QHBoxLayout;
    knopf(unten, "BRueckgaengig", QStringLiteral("&Rückgängig"), "MenRueckgaengig");
    knopf(unten, "BWiederholen", QStringLiteral("&Wiederholen"), "MenWiederholen");
    knopf(unten, "BOeffnen", QStringLiteral("Ö&ffnen …"), "MenOeffnen");
    knopf(unten, "BSpeichern", QStringLiteral("&Speichern"), "MenSpeichern");
    knopf(unten, "BSpeichernUnter", QStringLiteral("Speichern &unter …"), "MenSpeichernUnter");
    knopf(unten, "BAusprobieren", QStringLiteral("Aus&probieren"), "MenAusprobieren");
    spalte->addLayout(unten);
}

void TReihenfenster::baueAufgabe(QBoxLayout* spalte)
{
    auto* gruppe = benannt(new QGroupBox(QStringLiteral("Gewählte Aufgabe")), "GBAufgabe",
                           QStringLiteral("Gewählte Aufgabe"));
    auto* raster = new QGridLayout(gruppe);
    CBTyp = benannt(new QComboBox, "CBTyp", QStringLiteral("Typ der Aufgabe"));
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ)
        CBTyp->addItem(QStringLiteral("%1 %2").arg(Typ + 1).arg(Typname(Typ)));
    raster->addWidget(beschriftung(QStringLiteral("T&yp:"), CBTyp), 0, 0);
    raster->addWidget(CBTyp, 0, 1, 1, 7);
    Verbinde(m_bericht, CBTyp, &QComboBox::activated, this, [this] { m_reihe.SetzeTyp(CBTyp->currentIndex()); });
    for (int i = 0; i < 4; ++i) {
        auto* box = benannt(new QLineEdit, QStringLiteral("EParameter%1").arg(i + 1).toLatin1().constData(),
                            QStringLiteral("Parameter %1").arg(i + 1));
        box->installEventFilter(this);
        EParameter[static_cast<std::size_t>(i)] = box;
        LParameter[static_cast<std::size_t>(i)] = beschriftung(QString(), box);
        raster->addWidget(LParameter[static_cast<std::size_t>(i)], 1, 2 * i, Qt::AlignRight);
        raster->addWidget(box, 1, 2 * i + 1);
        Verbinde(m_bericht, box, &QLineEdit::textEdited, this, [this, i] { parameterGetippt(i); });
    }
    const QStringList namen{QStringLiteral("Anfang des 1. Abschnitts"), QStringLiteral("Ende des 1. Abschnitts"),
                            QStringLiteral("Anfang des 2. Abschnitts"), QStringLiteral("Ende des 2. Abschnitts")};
    const QStringList texte{QStringLiteral("1. Abschnitt &von"), QStringLiteral("bis"),
                            QStringLiteral("2. Abs&chnitt von"), QStringLiteral("bis")};
    for (int i = 0; i < 4; ++i) {
        auto* box = benannt(new QLineEdit, QStringLiteral("EAbschnitt%1").arg(i + 1).toLatin1().constData(),
                            namen[i]);
        box->installEventFilter(this);
        EAbschnitt[static_cast<std::size_t>(i)] = box;
        raster->addWidget(beschriftung(texte[i], box), 2, 2 * i, Qt::AlignRight);
        raster->addWidget(box, 2, 2 * i + 1);
        Verbinde(m_bericht, box, &QLineEdit::textEdited, this, [this] { abschnittGetippt(); });
    }
    EBemerkungen = benannt(new QPlainTextEdit, "EBemerkungen", QString());
    EBemerkungen->setTabChangesFocus(true);
    EBemerkungen->setFixedHeight(60);
    EBemerkungen->installEventFilter(this);
    LBemerkungen = benannt(beschriftung(QString(), EBemerkungen), "LBemerkungen", QString());
    raster->addWidget(LBemerkungen, 3, 0, 1, 8);
    raster->addWidget(EBemerkungen, 4, 0, 1, 8);
    connect(EBemerkungen, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_zeigt)
            m_bericht.Ausfuehren([this] { bemerkungenGetippt(); });
    });
    spalte->addWidget(gruppe);

    IVorschau = new Zeichenflaeche(this);
    benannt(IVorschau, "IVorschau", QStringLiteral("Vorschau des vorgegebenen Schaubildes"));
    spalte->addWidget(IVorschau);
    LVorschauLoesungsweg = benannt(new QLabel, "LVorschauLoesungsweg", QStringLiteral("Lösungsweg der Aufgabe"));
    LVorschauLoesungsweg->setWordWrap(true);
    spalte->addWidget(LVorschauLoesungsweg);
    LVorschauMeldung = benannt(new QLabel, "LVorschauMeldung", QStringLiteral("Meldung der Vorschau"));
    LVorschauMeldung->setWordWrap(true);
    spalte->addWidget(LVorschauMeldung);
    spalte->addStretch();
}

QPushButton* TReihenfenster::knopf(QBoxLayout* zeile, const char* name, const QString& text, const char* aktion)
{
    QAction* eintrag = findChild<QAction*>(QLatin1String(aktion), Qt::FindDirectChildrenOnly);
    auto* k = benannt(new QPushButton(text), name, QString(text).remove(QLatin1Char('&')));
    k->setAutoDefault(false);
    k->setEnabled(eintrag->isEnabled());
    if (!eintrag->shortcut().isEmpty())
        k->setToolTip(eintrag->shortcut().toString(QKeySequence::NativeText));
    zeile->addWidget(k);
    connect(k, &QPushButton::clicked, eintrag, &QAction::trigger);
    connect(eintrag, &QAction::enabledChanged, k, &QPushButton::setEnabled);
    return k;
}

// The boxes of numbers take the pupil's keys; every box leaves undo and
// redo to the window, which undoes the whole series.
bool TReihenfenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::ShortcutOverride) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        return taste->matches(QKeySequence::Undo) || taste->matches(QKeySequence::Redo)
               || taste->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
    }
    auto* box = qobject_cast<QLineEdit*>(objekt);
    const auto parameter = std::find(EParameter.begin(), EParameter.end(), box);
    const bool zahl = box != nullptr && box != EKommentar;
    // Sections may lie left of 0; a value only where its type allows it.
    const bool minus = parameter == EParameter.end() || m_reihe.Gewaehlte() == nullptr
                       || MinusErlaubt(m_reihe.Gewaehlte()->Typ, static_cast<int>(parameter - EParameter.begin()));
    if (zahl && ereignis->type() == QEvent::KeyPress)
        return FiltereTaste(box, static_cast<QKeyEvent*>(ereignis), minus);
    if (zahl && ereignis->type() == QEvent::InputMethod)
        FiltereEingabemethode(static_cast<QInputMethodEvent*>(ereignis), minus);
    return false;
}

void TReihenfenster::geaendert(const Reihenaenderung& aenderung)
{
    m_zeigt = true;
    m_aufgaben.Zeige(aenderung);
    m_zeigt = false;
    if (aenderung.art == Reihenaenderung::Art::Kopf || aenderung.art == Reihenaenderung::Art::Struktur)
        zeigeKopf();
    zeigeAufgabe();
    zeigeBefunde();
}

void TReihenfenster::zeigeKopf()
{
    const Aufgabenreihe& reihe = m_reihe.Reihe();
    if (EKommentar->text() != reihe.Kommentar)
        EKommentar->setText(reihe.Kommentar);
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ)
        CTyp[static_cast<std::size_t>(Typ)]->setChecked(std::ranges::find(reihe.ErlaubteTypen, Typ)
                                                        != reihe.ErlaubteTypen.end());
}

void TReihenfenster::zeigeAufgabe()
{
    m_zeigt = true;
    const Reihenaufgabe* aufgabe = m_reihe.Gewaehlte();
    LAufgaben->setCurrentIndex(m_aufgaben.index(m_reihe.Auswahl(), 0));
    CBTyp->setEnabled(aufgabe != nullptr);
    for (QLineEdit* box : EAbschnitt)
        box->setEnabled(aufgabe != nullptr);
    if (aufgabe != nullptr) {
        CBTyp->setCurrentIndex(IstTyp(aufgabe->Typ) ? aufgabe->Typ : -1);
        zeigeParameter(*aufgabe);
        zeigeAbschnitte(aufgabe->Abschnitte);
    } else {
        zeigeParameter({});
    }
    zeigeBemerkungen();
    zeigeVorschau();
    m_zeigt = false;
}

// The box holds the remark lines before the selected task, or after the
// last one when the end of the series is selected.
void TReihenfenster::zeigeBemerkungen()
{
    const bool amEnde = m_reihe.AmEnde();
    LBemerkungen->setText(amEnde ? QStringLiteral("Be&merkungen am Ende der Reihe (Zeilen mit *):")
                                 : QStringLiteral("Be&merkungen davor (Zeilen mit *):"));
    EBemerkungen->setAccessibleName(amEnde ? QStringLiteral("Bemerkungszeilen am Ende der Reihe")
                                           : QStringLiteral("Bemerkungszeilen vor der Aufgabe"));
    EBemerkungen->setEnabled(m_reihe.Auswahl() >= 0);
    const QString bemerkungen = m_reihe.Bemerkungen().join(QLatin1Char('\n'));
    if (bemerkungszeilen(EBemerkungen->toPlainText()).join(QLatin1Char('\n')) != bemerkungen)
        EBemerkungen->setPlainText(bemerkungen);
}

void TReihenfenster::zeigeParameter(const Reihenaufgabe& aufgabe)
{
    const int anzahl = IstTyp(aufgabe.Typ) ? AnzahlParameter(aufgabe.Typ) : 0;
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const bool da = i < anzahl;
        LParameter[n]->setVisible(da);
        EParameter[n]->setVisible(da);
        if (!da)
            continue;
        LParameter[n]->setText(QStringLiteral("%1 =").arg(Buchstabe(aufgabe.Typ, i)));
        EParameter[n]->setAccessibleName(ParameterName(aufgabe.Typ, i));
        zeigeWert(EParameter[n], aufgabe.Parameter[i]);
    }
}

void TReihenfenster::zeigeAbschnitte(const Abschnitte& abschnitte)
{
    for (int n = 0; n < 2; ++n) {
        QLineEdit* von = EAbschnitt[static_cast<std::size_t>(2 * n)];
        QLineEdit* bis = EAbschnitt[static_cast<std::size_t>(2 * n + 1)];
        if (n < abschnitte.Anzahl) {
            zeigeWert(von, abschnitte.Von[static_cast<std::size_t>(n)]);
            zeigeWert(bis, abschnitte.Bis[static_cast<std::size_t>(n)]);
        } else if (!von->text().isEmpty() && !bis->text().isEmpty()) {
            von->clear();
            bis->clear();
        }
    }
}

void TReihenfenster::zeigeBefunde()
{
    m_befunde.Zeige(m_reihe.Befunde());
    const int offen = m_reihe.Ungeprueft();
    m_befundtitel->setText(offen == 0 ? QStringLiteral("B&efunde der Prüfung (ein Klick wählt die Aufgabe):")
                                      : QStringLiteral("B&efunde der Prüfung (geprüft: %1 von %2 Aufgaben):")
                                            .arg(Zahltext(m_reihe.Anzahl() - offen), Zahltext(m_reihe.Anzahl())));
    if (offen > 0 && !m_pruefung.isActive())
        m_pruefung.start();
}

void TReihenfenster::pruefeWeiter()
{
    m_reihe.PruefeWeiter();
    zeigeBefunde();
}

void TReihenfenster::zeigeVorschau()
{
    const std::optional<QString> meldung = m_vorschau.Zeichne(IVorschau->Bild(), m_reihe.Gewaehlte());
    IVorschau->update();
    const QString weg = Loesungswegzeile(m_reihe.Gewaehlte());
    LVorschauLoesungsweg->setText(weg);
    LVorschauLoesungsweg->setAccessibleName(weg.isEmpty() ? QStringLiteral("Lösungsweg der Aufgabe") : weg);
    LVorschauMeldung->setText(meldung ? QStringLiteral("Beim Zeichnen meldet das Programm: ") + *meldung : QString());
}

QString TReihenfenster::boxtitel() { return Titel; }

void TReihenfenster::merke(const QString& pfad)
{
    m_zuletztGeoeffnet.Merke(pfad);
    zeigeZuletzt();
}

QString TReihenfenster::dateiname() const
{
    return m_pfad.isEmpty() ? QStringLiteral("unbenannt") : QFileInfo(m_pfad).fileName();
}

// A screen reader hears the caption as the window manager shows it, the
// mark of unsaved changes included.
void TReihenfenster::zeigeTitel()
{
    const QString titel = Titel + QStringLiteral(" – ") + dateiname();
    setWindowTitle(titel + QStringLiteral("[*]"));
    setWindowModified(m_reihe.Geaendert());
    setAccessibleName(m_reihe.Geaendert() ? titel + QStringLiteral(" *") : titel);
}

void TReihenfenster::parameterGetippt(int i)
{
    m_reihe.SetzeParameter(i, Parameterwert(EParameter[static_cast<std::size_t>(i)]->text(),
                                            QLocale().decimalPoint()));
}

// A section counts when both its bounds are filled in; the second only
// after the first.
void TReihenfenster::abschnittGetippt()
{
    Abschnitte abschnitte;
    for (int n = 0; n < 2; ++n) {
        const QString von = EAbschnitt[static_cast<std::size_t>(2 * n)]->text();
        const QString bis = EAbschnitt[static_cast<std::size_t>(2 * n + 1)]->text();
        if (von.isEmpty() || bis.isEmpty())
            break;
        abschnitte.Von[static_cast<std::size_t>(n)] = Parameterwert(von, QLocale().decimalPoint());
        abschnitte.Bis[static_cast<std::size_t>(n)] = Parameterwert(bis, QLocale().decimalPoint());
        abschnitte.Anzahl = n + 1;
    }
    m_reihe.SetzeAbschnitte(abschnitte);
}

void TReihenfenster::bemerkungenGetippt() { m_reihe.SetzeBemerkungen(bemerkungszeilen(EBemerkungen->toPlainText())); }

void TReihenfenster::befundGeklickt()
{
    const QModelIndex befund = LBefunde->currentIndex();
    if (!befund.isValid())
        return;
    const int aufgabe = m_reihe.AufgabeInZeile(befund.siblingAtColumn(0).data(Qt::UserRole).toInt());
    if (aufgabe < 0)
        return;
    m_reihe.Waehle(aufgabe);
    zeigeAufgabe();
    LAufgaben->setFocus();
}

// Types and difficulty chosen as before an exercise, the task drawn by the
// exercise's rules.
void TReihenfenster::zufallsaufgabe()
{
    if (m_auswahl == nullptr)
        m_auswahl = new TAuswahlBox(m_dialoge, m_bericht, this);
    m_auswahl->SetzeSchwierigkeitsgrad(Normal);
    m_dialoge.Auswahl(*m_auswahl);
    if (!m_auswahl->Bestaetigt)
        return;
    const int Typ = ZieheTyp(m_auswahl->ErlaubteTypen, m_zufall);
    m_reihe.FuegeEin({Typ, ZieheParameter(Typ, m_auswahl->Schwierigkeitsgrad(), m_zufall), {}});
}

void TReihenfenster::Oeffne(const QString& pfad)
{
    m_bericht.Ausfuehren([this, &pfad] {
        if (!aenderungenGesichert())
            return;
        const QByteArray inhalt = LiesDateiinhalt(pfad);
        m_pfad = pfad;
        merke(pfad);
        for (const Meldung& meldung : m_reihe.Oeffne(inhalt)) {
            if (meldung.art != Meldung::Art::Hinweis)
                m_dialoge.Fehler(this, Titel, meldung.text);
        }
        zeigeTitel();
    });
}

void TReihenfenster::neueReihe()
{
    if (!aenderungenGesichert())
        return;
    m_pfad.clear();
    m_reihe.Neu();
    zeigeTitel();
}

void TReihenfenster::oeffnen()
{
    if (!aenderungenGesichert())
        return;
    if (const std::optional<QString> pfad = m_dialoge.DateiDialog(this, Filter, QStringLiteral("sba")))
        Oeffne(*pfad);
}

bool TReihenfenster::speichern() { return m_pfad.isEmpty() ? speichernUnter() : schreibe(m_pfad); }

bool TReihenfenster::speichernUnter()
{
    const std::optional<QString> pfad = m_dialoge.SpeicherDialog(this, Filter, QStringLiteral("sba"), m_pfad);
    return pfad && schreibe(*pfad);
}

// A series with a Fehler goes out only when the teacher confirms it.
std::optional<QByteArray> TReihenfenster::bestaetigteBytes()
{
    const std::variant<QByteArray, QString> bytes = m_reihe.Bytes();
    if (const QString* fehler = std::get_if<QString>(&bytes)) {
        m_dialoge.Fehler(this, Titel, *fehler);
        return std::nullopt;
    }
    m_reihe.PruefeFertig(); // the question names every Fehler
    zeigeBefunde();
    const std::optional<QString> frage = Speicherfrage(m_reihe.Befunde());
    if (frage && !m_dialoge.Frage(this, Titel, *frage))
        return std::nullopt;
    return std::get<QByteArray>(bytes);
}

// A failed save keeps the series and the old file.
bool TReihenfenster::schreibe(const QString& pfad)
{
    const std::optional<QByteArray> bytes = bestaetigteBytes();
    if (!bytes)
        return false;
    if (const std::optional<QString> fehler = SchreibeDateiinhalt(pfad, *bytes)) {
        m_dialoge.Fehler(this, Titel, *fehler);
        return false;
    }
    m_pfad = pfad;
    merke(pfad);
    m_reihe.Gespeichert();
    zeigeTitel();
    return true;
}

void TReihenfenster::probiereAus()
{
    const std::variant<QByteArray, QString> bytes = m_reihe.Bytes();
    if (const QString* fehler = std::get_if<QString>(&bytes))
        m_dialoge.Fehler(this, Titel, *fehler);
    else if (Ausprobieren)
        Ausprobieren(std::get<QByteArray>(bytes), dateiname());
}

bool TReihenfenster::aenderungenGesichert()
{
    if (!m_reihe.Geaendert())
        return true;
    switch (m_dialoge.FrageSpeichern(this, Titel, QStringLiteral("Änderungen an „%1“ speichern?").arg(dateiname()))) {
    case Dialoge::Speicherantwort::Speichern:
        return speichern();
    case Dialoge::Speicherantwort::Verwerfen:
        m_sicherung.Entferne();
        return true;
    case Dialoge::Speicherantwort::Abbrechen:
        return false;
    }
    return false;
}

// A timer already running takes this change along: no change waits longer.
void TReihenfenster::sicherungAnstossen()
{
    if (!m_reihe.Geaendert()) {
        m_sicherungsuhr->stop();
        m_sicherung.Entferne();
    } else if (!m_sicherungsuhr->isActive()) {
        m_sicherungsuhr->start();
    }
}

// A series the writer refuses keeps its last recovery; a recovery that
// cannot be written must not interrupt the teacher, and saving names why.
void TReihenfenster::sichere()
{
    const std::variant<QByteArray, QString> bytes = m_reihe.Bytes();
    if (const QByteArray* inhalt = std::get_if<QByteArray>(&bytes))
        m_sicherung.Sichere({m_pfad, QDateTime::currentDateTime(), *inhalt});
}

void TReihenfenster::BieteWiederherstellungAn()
{
    m_bericht.Ausfuehren([this] {
        for (const VerwaisteSicherung& verwaist : m_sicherung.Verwaiste()) {
            switch (m_dialoge.FrageWiederherstellen(this, Titel, Wiederherstellfrage(verwaist.Inhalt))) {
            case Dialoge::Wiederherstellantwort::Wiederherstellen:
                stelleWiederHer(verwaist);
                return;
            case Dialoge::Wiederherstellantwort::Verwerfen:
                EntferneVerwaiste(verwaist);
                break;
            case Dialoge::Wiederherstellantwort::Spaeter:
                break;
            }
        }
    });
}

// The window's own recovery holds the series before the found one goes.
void TReihenfenster::stelleWiederHer(const VerwaisteSicherung& verwaist)
{
    m_pfad = verwaist.Inhalt.Pfad;
    m_reihe.Oeffne(verwaist.Inhalt.Bytes);
    m_reihe.Wiederhergestellt();
    sichere();
    EntferneVerwaiste(verwaist);
}

void TReihenfenster::closeEvent(QCloseEvent* ereignis)
{
    bool schliessen = false;
    m_bericht.Ausfuehren([this, &schliessen] { schliessen = aenderungenGesichert(); });
    ereignis->setAccepted(schliessen);
}
