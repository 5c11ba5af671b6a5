// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plot/anzeige.h"
#include "plot/ebene.h"

#include <QImage>
#include <QString>

#include <optional>

struct Reihenaufgabe;

// The line under the preview: how the task's graph arises from its basic
// function, in the regional spelling; empty without a task.
QString Loesungswegzeile(const Reihenaufgabe* aufgabe);

// A task as the pupils' screen shows it: the plane in the display settings
// every start begins with and the given graph over it, sections and poles
// included, drawn by the screen's own code into a 576 × 432 picture.
class Vorschau {
public:
    // Without a task, the plane alone. Nothing when the graph was drawn;
    // otherwise the program's message about the invalid operation that ended
    // it, and what was drawn before stays.
    std::optional<QString> Zeichne(QImage& bild, const Reihenaufgabe* aufgabe);

private:
    Ebenenvorlage m_ebene;
    Anzeigeoptionen m_anzeige;
};
