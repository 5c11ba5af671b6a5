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
#include <future>
#include <system_error>

#ifdef Q_OS_WIN
#include "app/konsole_windows.h"
#else
#include <dlfcn.h>
#endif

namespace {

// fontconfig's set-up, while it runs on its own thread.
std::future<void> schriftvorlauf;

} // namespace

void RichteKernEin(QCoreApplication& anwendung)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kurvix"));
    QCoreApplication::setApplicationName(QStringLiteral("Kurvix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KURVIX_VERSION));
    auto* uebersetzung = new QTranslator(&anwendung);
    if (uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(uebersetzung);
}

void StarteSchriftvorlauf()
{
#ifndef Q_OS_WIN
    // Qt's GUI library brings fontconfig along. FcInit may run on any thread
    // and does nothing once the configuration is loaded. Until LadeSchriften
    // the program asks fontconfig nothing; should a desktop's platform theme
    // ask it meanwhile, fontconfig sets itself up for both and keeps one.
    using Einrichtung = int (*)();
    const auto einrichten = reinterpret_cast<Einrichtung>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!einrichten)
        return;
    try {
        schriftvorlauf = std::async(std::launch::async, [einrichten] { einrichten(); });
    } catch (const std::system_error&) {
        // No thread to be had: Qt sets fontconfig up itself, a little later.
    }
#endif
}

// Straight from the resource: an uncompressed one is not copied.
void LadeSchriften()
{
    if (schriftvorlauf.valid())
        schriftvorlauf.get();
    for (const char* schnitt : {"Regular", "Bold"}) {
        const QResource schrift(QStringLiteral(":/schriften/LiberationSans-%1.ttf").arg(QLatin1String(schnitt)));
        QFontDatabase::addApplicationFontFromData(schrift.uncompressedData());
    }
}

void RichteAnwendungEin(QApplication& anwendung)
{
    RichteKernEin(anwendung);
    QApplication::setStyle(new Stil);
    QIcon symbol;
    for (const int groesse : {16, 32, 48})
        symbol.addPixmap(PngBild(QStringLiteral("symbol%1").arg(groesse)));
    QApplication::setWindowIcon(symbol);
    LadeSchriften();
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
