// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QWidget>

// The shown window of this kind, so that a second call brings it to the
// front instead of opening another; a closed one is on its way out.
template <typename Fenster>
Fenster* OffenesFenster()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Fenster*>(w); f != nullptr && f->isVisible())
            return f;
    return nullptr;
}
