// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The monkey on the main window: every seed is a test of its own, so ctest
// runs them side by side. A failure names the seed and the event; running
// that seed's test again replays the same events.

#include "affe.h"

#include <gtest/gtest.h>

namespace {

constexpr int Ereignisse = 2000;

class AffeTest : public ::testing::TestWithParam<std::uint32_t> {
protected:
    QTemporaryDir ordner;
};

TEST_P(AffeTest, FensterBleibtStimmig)
{
    ASSERT_TRUE(ordner.isValid());
    Affe affe(GetParam(), ordner.path());
    affe.Lauf(Ereignisse);
    if (!HasFailure()) {
        EXPECT_EQ(affe.Gesendet(), Ereignisse);
        affe.Beende();
    }
    // A monkey that never reached a situation checked nothing there.
    for (const char* situation : AlleSituationen())
        EXPECT_TRUE(affe.Besucht().contains(situation)) << situation << " never reached";
}

INSTANTIATE_TEST_SUITE_P(Saat, AffeTest, ::testing::Range(1u, 11u));

} // namespace
