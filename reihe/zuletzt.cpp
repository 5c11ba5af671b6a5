// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/zuletzt.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString Schluessel = QStringLiteral("Reihenfenster/ZuletztGeoeffnet");

} // namespace

QStringList ZuletztGeoeffnet::Dateien() const { return QSettings().value(Schluessel).toStringList(); }

void ZuletztGeoeffnet::Merke(const QString& pfad)
{
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    QStringList dateien = Dateien();
    dateien.removeAll(absolut);
    dateien.prepend(absolut);
    schreibe(dateien.mid(0, Hoechstens));
}

void ZuletztGeoeffnet::Vergiss(const QString& pfad)
{
    QStringList dateien = Dateien();
    dateien.removeAll(QFileInfo(pfad).absoluteFilePath());
    schreibe(dateien);
}

void ZuletztGeoeffnet::Leere() { schreibe({}); }

void ZuletztGeoeffnet::schreibe(const QStringList& dateien) { QSettings().setValue(Schluessel, dateien); }
