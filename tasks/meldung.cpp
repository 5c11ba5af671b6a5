// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/meldung.h"

Lesefehler::Lesefehler(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text)
{
}
