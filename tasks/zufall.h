// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

// The source of the random tasks: R(n) is a uniform integer 0..n-1. Tests
// put a scripted source in its place to check every rule draw by draw.
class Zufall {
public:
    virtual ~Zufall() = default;
    virtual int R(int n) = 0;
    virtual void Saeen(std::uint32_t saat) = 0;
};

class Zufallsgenerator : public Zufall {
public:
    int R(int n) override;
    void Saeen(std::uint32_t saat) override;

private:
    std::mt19937 m_generator;
};
