// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dialoge.h"

#include "testhilfe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the real file dialog in a temporary current directory and answers
// it from inside its own event loop.
class DateiDialogTest : public ::testing::Test {
protected:
    DateiDialogTest()
    {
        QFile(ordner.filePath(QStringLiteral("aufgaben.sba"))).open(QIODevice::WriteOnly);
        QDir::setCurrent(ordner.path());
    }
    ~DateiDialogTest() override { QDir::setCurrent(vorher); }

    std::optional<QString> frage(const std::function<void(QFileDialog&)>& antwort)
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no modal file dialog";
                return;
            }
            antwort(*dialog);
        });
        return QtDialoge().DateiDialog(nullptr, QStringLiteral("Aufgabendatei (*.sba)"), QStringLiteral("sba"));
    }

    const QString vorher = QDir::currentPath();
    QTemporaryDir ordner;
};

TEST_F(DateiDialogTest, ZeigtAufgabendateienImAktuellenOrdner)
{
    const std::optional<QString> pfad = frage([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Aufgabendatei (*.sba)")});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("sba"));
        EXPECT_EQ(dialog.directory().canonicalPath(), QDir(ordner.path()).canonicalPath());
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        dialog.selectFile(QStringLiteral("aufgaben.sba"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    ASSERT_TRUE(pfad);
    EXPECT_EQ(QFileInfo(*pfad).canonicalFilePath(),
              QFileInfo(ordner.filePath(QStringLiteral("aufgaben.sba"))).canonicalFilePath());
}

TEST_F(DateiDialogTest, AbbrechenWaehltNichts)
{
    EXPECT_EQ(frage([](QFileDialog& dialog) {
                  dialog.selectFile(QStringLiteral("aufgaben.sba"));
                  dialog.reject();
              }),
              std::nullopt);
}

// After a modal dialog its window has the keyboard again.
TEST(QtDialoge, GibtDemFensterDieTastaturZurueck)
{
    QWidget fenster;
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QtDialoge().Meldung(&fenster, QStringLiteral("T"), QStringLiteral("M"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster, 1000));
}

} // namespace
