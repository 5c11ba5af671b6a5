#pragma once

#include "dialogs/dialoge.h"
#include "tasks/zufall.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

// Readable failure messages for Qt's strings.
void PrintTo(const QString& text, std::ostream* aus);
void PrintTo(const QStringList& texte, std::ostream* aus);

// Records every box the program would show instead of opening it.
class AufzeichnendeDialoge : public Dialoge {
public:
    enum class Art { Meldung, Fehler };
    struct Box {
        Art art;
        QString titel;
        QString text;
    };

    void Meldung(QWidget* eltern, const QString& titel, const QString& text) override;
    void Fehler(QWidget* eltern, const QString& titel, const QString& text) override;

    std::vector<Box> boxen;
};

// Answers R(n) from a script; a draw beyond the script or outside 0..n-1
// fails the test.
class SkriptZufall : public Zufall {
public:
    int R(int n) override;
    void Saeen(std::uint32_t saat) override { this->saat = saat; }

    std::vector<int> zuege;
    std::size_t gezogen = 0;
    std::optional<std::uint32_t> saat;
};
