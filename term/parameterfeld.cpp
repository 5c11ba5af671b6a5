// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/parameterfeld.h"

#include "term/parametereingabe.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace {

// The locale's separators are single characters in every locale a school
// uses; a longer one takes no part in typing.
QChar zeichen(const QString& trenner) { return trenner.size() == 1 ? trenner.front() : QChar(); }

} // namespace

QString GefilterterText(const QString& text, bool minusErlaubt)
{
    const QLocale locale;
    const QChar dezimal = zeichen(locale.decimalPoint());
    const QChar tausender = zeichen(locale.groupSeparator());
    QString gefiltert;
    for (const QChar taste : text) {
        const QChar erlaubt = GefilterteTaste(taste, minusErlaubt, dezimal, tausender);
        if (!erlaubt.isNull())
            gefiltert += erlaubt;
    }
    return gefiltert;
}

bool FiltereTaste(QLineEdit* box, const QKeyEvent* taste, bool minusErlaubt)
{
    // Shortcuts type nothing: copy, paste, undo and select all keep working
    // whatever character a platform attaches to them. Ctrl with Alt is AltGr,
    // which types characters.
    const Qt::KeyboardModifiers tasten = taste->modifiers();
    if (tasten & (Qt::ControlModifier | Qt::MetaModifier) && !(tasten & Qt::AltModifier))
        return false;
    const QString gefiltert = GefilterterText(taste->text(), minusErlaubt);
    if (gefiltert == taste->text())
        return false;
    if (!gefiltert.isEmpty()) // inserting nothing would still delete a selection
        box->insert(gefiltert);
    return true;
}

void FiltereEingabemethode(QInputMethodEvent* ereignis, bool minusErlaubt)
{
    const QString text = ereignis->commitString();
    const QString gefiltert = GefilterterText(text, minusErlaubt);
    if (gefiltert != text)
        ereignis->setCommitString(gefiltert, ereignis->replacementStart(), ereignis->replacementLength());
}
