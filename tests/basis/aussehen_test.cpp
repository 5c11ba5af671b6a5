#include "basis/aussehen.h"

#include <gtest/gtest.h>

namespace {

TEST(Farbe, BlauStehtImHohenByte)
{
    EXPECT_EQ(Farbe(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(Farbe(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(Farbe(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(Farbe(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(Farbe(0xFFFFFFFF), QColor(255, 255, 255)) << "the top byte is no colour";
}

} // namespace
