// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/anwendung.h"

#include "app/stil.h"
#include "basis/aussehen.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QResource>
#include <QTranslator>

#include <array>
#include <charconv>

#ifdef Q_OS_WIN
#include "app/konsole_windows.h"
#endif

void RichteKernEin(QCoreApplication& anwendung)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kurvix"));
    QCoreApplication::setApplicationName(QStringLiteral("Kurvix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KURVIX_VERSION));
    auto* uebersetzung = new QTranslator(&anwendung);
    if (uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(uebersetzung);
}

// Straight from the resource: an uncompressed one is not copied.
void LadeSchriften()
{
    for (const char* schnitt : {"Regular", "Bold"}) {
        const QResource schrift(QStringLiteral(":/schriften/LiberationSans-%1.ttf").arg(QLatin1String(schnitt)));
        QFontDatabase::addApplicationFontFromData(schrift.uncompressedData());
    }
}

void RichteAnwendungEin(QApplication& anwendung)
{
    RichteKernEin(anwendung);
    QApplication::setStyle(new Stil);
    LadeSchriften();
    QIcon symbol;
    for (const int groesse : {16, 32, 48})
        symbol.addPixmap(PngBild(QStringLiteral("symbol%1").arg(groesse)));
    QApplication::setWindowIcon(symbol);
}

void SetzeGroesse(int prozent)
{
    std::array<char, 16> text{};
    const auto ende = std::to_chars(text.data(), text.data() + text.size() - 1, prozent / 100.0).ptr;
    qputenv("QT_SCALE_FACTOR", QByteArray(text.data(), ende - text.data()));
}

void SchreibeKonsole(std::FILE* ziel, const QString& text)
{
#ifdef Q_OS_WIN
    if (SchreibeInKonsole(ziel, text))
        return;
#endif
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), ziel);
}
