// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed tree: the build is installed into a temporary prefix, as
// `cmake --install` does for a package, and every file is checked with the
// tools the desktop itself uses.

#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Lauf {
    int status = -1;
    QString ausgabe; // standard and error output together, unless kanaele says apart
    QString fehler;  // the error output when apart
};

Lauf starte(const QString& programm, const QStringList& argumente,
            QProcess::ProcessChannelMode kanaele = QProcess::MergedChannels)
{
    QProcess prozess;
    prozess.setProcessChannelMode(kanaele);
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(60000))
        return {-1, QStringLiteral("%1 did not end: %2").arg(programm, prozess.errorString()), {}};
    const int status = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    const QByteArray fehler = kanaele == QProcess::SeparateChannels ? prozess.readAllStandardError() : QByteArray();
    return {status, QString::fromLocal8Bit(prozess.readAllStandardOutput()), QString::fromLocal8Bit(fehler)};
}

// A gzipped file unpacked beside itself, without the ".gz".
QString entpackt(const QString& pfad)
{
    const Lauf gzip = starte(QStringLiteral("gzip"), {QStringLiteral("-dkf"), pfad});
    EXPECT_EQ(gzip.status, 0) << gzip.ausgabe.toStdString();
    return pfad.chopped(3);
}

// One installation for all tests of the process.
class InstallationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ziel = std::make_unique<QTemporaryDir>();
        installiert = starte(QStringLiteral(KURVIX_CMAKE), {QStringLiteral("--install"), QStringLiteral(KURVIX_BAUORDNER),
                                                            QStringLiteral("--prefix"), ziel->path()});
    }
    static void TearDownTestSuite() { ziel.reset(); }

    void SetUp() override { ASSERT_EQ(installiert.status, 0) << installiert.ausgabe.toStdString(); }

    static QString pfad(const QString& relativ) { return ziel->filePath(relativ); }

    static inline std::unique_ptr<QTemporaryDir> ziel;
    static inline Lauf installiert;
};

const char* const Symbolgroessen[] = {"16", "24", "32", "48", "64", "128", "256"};
const char* const Beispiele[] = {"geraden_und_parabeln.sba", "hyperbel_und_exponential.sba", "sinus.sba"};

// Everything that is installed, and nothing else: no tool, no test, no
// library of the build.
TEST_F(InstallationTest, GenauDieseDateien)
{
    QStringList erwartet{"bin/kurvix", "share/applications/kurvix.desktop", "share/mime/packages/kurvix.xml",
                         "share/man/man1/kurvix.1.gz", "share/metainfo/de.kurvix.Kurvix.metainfo.xml",
                         "share/doc/kurvix/copyright", "share/doc/kurvix/changelog.Debian.gz",
                         "share/doc/kurvix/handbuch.md", "share/doc/kurvix/hauptfenster.png",
                         "share/doc/kurvix/aufgabenreihe.png", "share/doc/kurvix/arbeitsblatt.png",
                         "share/doc/kurvix/testprotokoll.png", "share/doc/kurvix/klassenuebersicht.png",
                         "share/lintian/overrides/kurvix"};
    for (const char* groesse : Symbolgroessen)
        erwartet << QStringLiteral("share/icons/hicolor/%1x%1/apps/kurvix.png").arg(QLatin1String(groesse));
    for (const char* name : Beispiele)
        erwartet << QStringLiteral("share/kurvix/beispiele/") + QLatin1String(name);
    QStringList gefunden;
    for (QDirIterator it(ziel->path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        gefunden << QDir(ziel->path()).relativeFilePath(it.next());
    erwartet.sort();
    gefunden.sort();
    EXPECT_EQ(gefunden, erwartet);
}

// The installed program answers a call without a window on the right
// output and with the right status, as a shell script expects.
struct Aufruf {
    const char* fall;
    QStringList argumente;
    int status;
    const char* ausgabe; // the beginning of the standard output
    const char* fehler;  // the beginning of the error output
};

const Aufruf Aufrufe[] = {
    {"Version", {"--version"}, 0, "Kurvix " KURVIX_VERSION_ERWARTET "\n", ""},
    {"Hilfe", {"-h"}, 0, "Aufruf: ", ""},
    {"UnbekannteOption", {"--gibt-es-nicht"}, 2, "", "kurvix: Unbekannte Option 'gibt-es-nicht'.\n"},
    {"ZweiDateien", {"a.sba", "b.sba"}, 2, "", "kurvix: Es kann nur eine Aufgabendatei geöffnet werden.\n"},
};

void PrintTo(const Aufruf& aufruf, std::ostream* aus) { *aus << aufruf.fall; }

class ProgrammTest : public InstallationTest, public ::testing::WithParamInterface<Aufruf> {};

TEST_P(ProgrammTest, AntwortetOhneFenster)
{
    const QString programm = pfad(QStringLiteral("bin/kurvix"));
    ASSERT_TRUE(QFileInfo(programm).isExecutable());
    const Lauf lauf = starte(programm, GetParam().argumente, QProcess::SeparateChannels);
    EXPECT_EQ(lauf.status, GetParam().status);
    for (const auto& [text, erwartet] : {std::pair{lauf.ausgabe, GetParam().ausgabe}, {lauf.fehler, GetParam().fehler}}) {
        if (*erwartet == 0)
            EXPECT_EQ(text, QString());
        else
            EXPECT_TRUE(text.startsWith(QString::fromUtf8(erwartet))) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, ProgrammTest, ::testing::ValuesIn(Aufrufe),
                         [](const auto& info) { return std::string(info.param.fall); });

TEST_F(InstallationTest, MenueeintragIstGueltig)
{
    const QString eintrag = pfad(QStringLiteral("share/applications/kurvix.desktop"));
    const Lauf pruefung = starte(QStringLiteral("desktop-file-validate"), {eintrag});
    EXPECT_EQ(pruefung.status, 0);
    EXPECT_EQ(pruefung.ausgabe, QString()) << "not even a hint";

    const QStringList zeilen = QString::fromUtf8(LiesDateiinhalt(eintrag)).split(QLatin1Char('\n'));
    const char* const schluessel[] = {
        "Type=Application",
        "Name=Kurvix",
        "GenericName=Schaubilder verschieben und strecken",
        "Comment=Übungsprogramm zum Verschieben und Strecken von Schaubildern",
        "Exec=kurvix %f",
        "Icon=kurvix",
        "Categories=Education;Math;",
        "MimeType=application/x-kurvix-aufgabendatei;",
        "Name=Kurvix groß (für den Beamer)",
        "Exec=kurvix --groesse 175",
        "Name=Testprotokolle auswerten",
        "Exec=kurvix --uebersicht",
    };
    for (const char* zeile : schluessel)
        EXPECT_TRUE(zeilen.contains(QString::fromUtf8(zeile))) << zeile;
}

TEST_F(InstallationTest, HandbuchseiteOhneWarnung)
{
    const QString seite = entpackt(pfad(QStringLiteral("share/man/man1/kurvix.1.gz")));
    const Lauf groff = starte(QStringLiteral("groff"), {QStringLiteral("-k"), QStringLiteral("-man"), QStringLiteral("-ww"),
                                                        QStringLiteral("-z"), seite});
    EXPECT_EQ(groff.status, 0);
    EXPECT_EQ(groff.ausgabe, QString());
    EXPECT_TRUE(LiesDateiinhalt(seite).contains(".TH KURVIX 1 \"\" \"Kurvix " KURVIX_VERSION_ERWARTET "\""));
}

// gzip -n: no name and no time in the head, so every build gives the same
// bytes, as Debian wants.
TEST_F(InstallationTest, GepacktOhneNamenUndZeit)
{
    for (const char* datei : {"share/man/man1/kurvix.1.gz", "share/doc/kurvix/changelog.Debian.gz"}) {
        const QByteArray kopf = LiesDateiinhalt(pfad(QLatin1String(datei))).left(8);
        EXPECT_EQ(kopf.toHex(), QByteArray("1f8b080000000000")) << datei;
    }
}

TEST_F(InstallationTest, ChangelogNenntDieVersion)
{
    const QString changelog = entpackt(pfad(QStringLiteral("share/doc/kurvix/changelog.Debian.gz")));
    const Lauf version = starte(QStringLiteral("dpkg-parsechangelog"),
                                {QStringLiteral("-l"), changelog, QStringLiteral("-S"), QStringLiteral("Version")});
    EXPECT_EQ(version.ausgabe, QStringLiteral(KURVIX_VERSION_ERWARTET "-1\n"));
}

// Kurvix's own paragraph, then the bundled face's licence, without the
// paragraph about the font package's Debian files.
TEST_F(InstallationTest, CopyrightMaschinenlesbar)
{
    const QString copyright = QString::fromUtf8(LiesDateiinhalt(pfad(QStringLiteral("share/doc/kurvix/copyright"))));
    EXPECT_TRUE(copyright.startsWith(
        QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\nUpstream-Name: Kurvix\n")));
    EXPECT_TRUE(copyright.contains(QStringLiteral("\n\nFiles: app/schriften/*\nCopyright:\n")));
    EXPECT_TRUE(copyright.endsWith(QStringLiteral("\n DEALINGS IN THE FONT SOFTWARE.\n")));
    EXPECT_FALSE(copyright.contains(QStringLiteral("debian/")));
}

// What a software centre reads: valid for appstreamcli, and naming the
// installed menu entry and file type.
TEST_F(InstallationTest, MetainfoFuerDasSoftwarecenter)
{
    const QString metainfo = pfad(QStringLiteral("share/metainfo/de.kurvix.Kurvix.metainfo.xml"));
    const Lauf pruefung =
        starte(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    EXPECT_EQ(pruefung.status, 0) << pruefung.ausgabe.toStdString();
    const QString text = QString::fromUtf8(LiesDateiinhalt(metainfo));
    const char* const angaben[] = {
        "<id>de.kurvix.Kurvix</id>",
        "<launchable type=\"desktop-id\">kurvix.desktop</launchable>",
        "<mediatype>application/x-kurvix-aufgabendatei</mediatype>",
        "<category>Education</category>",
        "<category>Math</category>",
        "<summary xml:lang=\"de\">",
        "/docs/hauptfenster.png</image>",
        "<content_rating type=\"oars-1.1\"/>",
        "<release version=\"" KURVIX_VERSION_ERWARTET "\"",
    };
    for (const char* angabe : angaben)
        EXPECT_TRUE(text.contains(QString::fromUtf8(angabe))) << angabe;
}

class SymbolTest : public InstallationTest, public ::testing::WithParamInterface<const char*> {};

// Every size is a PNG of exactly that size, with the drawing filling it:
// the opaque frame reaches all four edges' neighbourhood.
TEST_P(SymbolTest, PngDerGroesse)
{
    const int groesse = QByteArray(GetParam()).toInt();
    QImageReader leser(pfad(QStringLiteral("share/icons/hicolor/%1x%1/apps/kurvix.png").arg(groesse)));
    EXPECT_EQ(leser.format(), QByteArray("png"));
    const QImage bild = leser.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(bild.size(), QSize(groesse, groesse));
    int deckend = 0;
    for (int y = 0; y < groesse; ++y)
        for (int x = 0; x < groesse; ++x)
            deckend += qAlpha(bild.pixel(x, y)) == 255;
    EXPECT_GT(deckend, groesse * groesse * 3 / 4);
    EXPECT_LT(qAlpha(bild.pixel(0, 0)), 64) << "rounded corners";
    EXPECT_EQ(qAlpha(bild.pixel(groesse / 2, groesse / 2)), 255);
}

INSTANTIATE_TEST_SUITE_P(Groessen, SymbolTest, ::testing::ValuesIn(Symbolgroessen));

class BeispielTest : public InstallationTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BeispielTest, ByteFuerByte)
{
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray installiert = LiesDateiinhalt(pfad(QStringLiteral("share/kurvix/beispiele/") + name));
    EXPECT_FALSE(installiert.isEmpty());
    EXPECT_EQ(installiert, LiesDateiinhalt(QDir(QStringLiteral(KURVIX_BEISPIELE)).filePath(name)));
}

INSTANTIATE_TEST_SUITE_P(Dateien, BeispielTest, ::testing::ValuesIn(Beispiele));

// The file type as the desktop sees it once shared-mime-info has built its
// cache from the installed definition.
struct Dateiart {
    const char* fall;
    const char* name;
    QByteArray bytes;
    bool aufgabendatei;
};

const Dateiart Dateiarten[] = {
    {"Endung", "klasse10.sba", "irgendetwas\r\n", true},
    {"EndungGross", "KLASSE10.SBA", "irgendetwas\r\n", true},
    {"Kopfzeile", "ohne_endung", MitKopf("Kommentar\r\n1\r\n1 1 0\r\n"), true},
    {"NurKopfzeile", "nur_kopf", Aufgabenkopf, true},
    {"KopfzeileInUtf8", "utf8", QString::fromLatin1(Aufgabenkopf).toUtf8() + "\r\n", false},
    {"KopfzeileEingerueckt", "eingerueckt", " " + Aufgabenkopf + "\r\n", false},
    {"KopfzeileOhneStern", "ohne_stern", Aufgabenkopf.chopped(2) + "\r\n", false},
    {"AndererText", "anderer_text", "* Aufgabendatei\r\n", false},
};

void PrintTo(const Dateiart& art, std::ostream* aus) { *aus << art.fall; }

class DateiartTest : public InstallationTest, public ::testing::WithParamInterface<Dateiart> {
protected:
    static void SetUpTestSuite()
    {
        InstallationTest::SetUpTestSuite();
        cache = starte(QStringLiteral("update-mime-database"), {pfad(QStringLiteral("share/mime"))});
        // Read by Qt at the first query of the process; nothing before
        // asked for a file type.
        qputenv("XDG_DATA_DIRS", pfad(QStringLiteral("share")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", pfad(QStringLiteral("leer")).toLocal8Bit());
    }
    static inline Lauf cache;
};

TEST_P(DateiartTest, WirdErkannt)
{
    ASSERT_EQ(cache.status, 0) << cache.ausgabe.toStdString();
    const QString datei = pfad(QStringLiteral("proben/") + QLatin1String(GetParam().name));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(datei).path()));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(GetParam().bytes);
    f.close();
    const QMimeType art = QMimeDatabase().mimeTypeForFile(datei);
    EXPECT_EQ(art.name() == QStringLiteral("application/x-kurvix-aufgabendatei"), GetParam().aufgabendatei)
        << art.name().toStdString();
    if (GetParam().aufgabendatei) {
        EXPECT_EQ(art.comment(), QStringLiteral("Aufgabendatei"));
        EXPECT_EQ(art.iconName(), QStringLiteral("kurvix"));
    }
}

INSTANTIATE_TEST_SUITE_P(Proben, DateiartTest, ::testing::ValuesIn(Dateiarten),
                         [](const auto& info) { return std::string(info.param.fall); });

TEST_F(InstallationTest, DateiartIstWohlgeformt)
{
    const Lauf xmllint =
        starte(QStringLiteral("xmllint"), {QStringLiteral("--noout"), pfad(QStringLiteral("share/mime/packages/kurvix.xml"))});
    EXPECT_EQ(xmllint.status, 0);
    EXPECT_EQ(xmllint.ausgabe, QString());
}

} // namespace
