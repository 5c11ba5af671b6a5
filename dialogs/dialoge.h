// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;
class TAuswahlBox;

// The one door through which the program asks the user something in a modal
// window: message boxes, the selection dialog, the file dialog, the colour
// chooser and the program's own windows. Tests put a recording
// implementation in its place, so no nested event loop ever blocks them.
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

    // The open-file dialog, started in the current directory: Qt's name
    // filter ("Aufgabendatei (*.sba)") and the suffix added to a name typed
    // without one. The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> DateiDialog(QWidget* eltern, const QString& filter, const QString& endung) = 0;

    // The save-file dialog, started at vorschlag (a file or a folder), with
    // the filter and suffix as above. The chosen path, or nothing when the
    // user cancels.
    virtual std::optional<QString> SpeicherDialog(QWidget* eltern, const QString& filter, const QString& endung,
                                                  const QString& vorschlag) = 0;
    // A question with "Ja" and "Nein"; true for "Ja".
    virtual bool Frage(QWidget* eltern, const QString& titel, const QString& text) = 0;
    // Whether to save changes before they would be lost: "Speichern",
    // "Verwerfen" or "Abbrechen" (also Escape and the close box).
    enum class Speicherantwort { Speichern, Verwerfen, Abbrechen };
    virtual Speicherantwort FrageSpeichern(QWidget* eltern, const QString& titel, const QString& text) = 0;
    // Whether to bring back changes a crash left: "Wiederherstellen",
    // "Verwerfen" or "Später" (also Escape and the close box), which asks
    // again at the next start.
    enum class Wiederherstellantwort { Wiederherstellen, Verwerfen, Spaeter };
    virtual Wiederherstellantwort FrageWiederherstellen(QWidget* eltern, const QString& titel,
                                                        const QString& text) = 0;

    // The colour chooser, opened at farbe: the chosen colour, or nothing
    // when the user cancels.
    virtual std::optional<QColor> WaehleFarbe(QWidget* eltern, const QColor& farbe) = 0;
    // Shows one of the program's windows modally; returns once it is closed.
    virtual void ZeigeModal(QDialog& fenster) = 0;

    // A small dialog with one check box, ticked as vorgabe, and "OK" and
    // "Abbrechen": whether the box is ticked, or nothing when the user
    // cancels.
    virtual std::optional<bool> Ankreuzen(QWidget* eltern, const QString& titel, const QString& text,
                                          bool vorgabe) = 0;
    // The system's print dialog on the printer; true when the user prints.
    virtual bool Drucken(QWidget* eltern, QPrinter& drucker) = 0;
    // Qt's print preview of what zeichne draws on the printer; from it the
    // user may print as well.
    virtual void Druckvorschau(QWidget* eltern, QPrinter& drucker, const std::function<void(QPrinter&)>& zeichne) = 0;
    // The open-file dialog for several files at once, started in the
    // current directory with Qt's name filter: the chosen paths, none when
    // the user cancels.
    virtual QStringList DateienDialog(QWidget* eltern, const QString& filter) = 0;
    // The folder dialog: the chosen folder, or nothing when the user cancels.
    virtual std::optional<QString> OrdnerDialog(QWidget* eltern) = 0;
};

// The real modal windows.
class QtDialoge : public Dialoge {
public:
    void Meldung(QWidget* eltern, const QString& titel, const QString& text) override;
    void Fehler(QWidget* eltern, const QString& titel, const QString& text) override;
    void Auswahl(TAuswahlBox& box) override;
    std::optional<QString> DateiDialog(QWidget* eltern, const QString& filter, const QString& endung) override;
    std::optional<QString> SpeicherDialog(QWidget* eltern, const QString& filter, const QString& endung,
                                          const QString& vorschlag) override;
    bool Frage(QWidget* eltern, const QString& titel, const QString& text) override;
    Speicherantwort FrageSpeichern(QWidget* eltern, const QString& titel, const QString& text) override;
    Wiederherstellantwort FrageWiederherstellen(QWidget* eltern, const QString& titel, const QString& text) override;
    std::optional<QColor> WaehleFarbe(QWidget* eltern, const QColor& farbe) override;
    void ZeigeModal(QDialog& fenster) override;
    std::optional<bool> Ankreuzen(QWidget* eltern, const QString& titel, const QString& text, bool vorgabe) override;
    bool Drucken(QWidget* eltern, QPrinter& drucker) override;
    void Druckvorschau(QWidget* eltern, QPrinter& drucker, const std::function<void(QPrinter&)>& zeichne) override;
    QStringList DateienDialog(QWidget* eltern, const QString& filter) override;
    std::optional<QString> OrdnerDialog(QWidget* eltern) override;
};
