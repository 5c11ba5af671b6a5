#pragma once

#include <QString>

class QWidget;
class TAuswahlBox;

// The one door through which the program asks the user something in a modal
// window: message boxes and the selection dialog now, the colour chooser and
// the file dialog later.
// Tests put a recording implementation in its place, so no nested event loop
// ever blocks them.
class Dialoge {
public:
    virtual ~Dialoge() = default;

    // A plain box: text, caption and an OK button.
    virtual void Meldung(QWidget* eltern, const QString& titel, const QString& text) = 0;
    // An error box: the error icon, a title and an OK button.
    virtual void Fehler(QWidget* eltern, const QString& titel, const QString& text) = 0;
    // The selection of types and difficulty; returns when the dialog is
    // closed, its outcome in the box's Bestaetigt and ErlaubteTypen.
    virtual void Auswahl(TAuswahlBox& box) = 0;
};

// The real modal windows.
class QtDialoge : public Dialoge {
public:
    void Meldung(QWidget* eltern, const QString& titel, const QString& text) override;
    void Fehler(QWidget* eltern, const QString& titel, const QString& text) override;
    void Auswahl(TAuswahlBox& box) override;
};
