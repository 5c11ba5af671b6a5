#include "app/anwendung.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    // The program's users work with German settings; tests that care about
    // another locale pass it explicitly.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
