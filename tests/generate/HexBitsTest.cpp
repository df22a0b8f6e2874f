#include "generate/HexBits.h"

#include <gtest/gtest.h>

namespace {

TEST(HToB, EachHexDigitGivesFourBitsAndAnythingElseNothing)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"0", "0000"},
        {"9", "1001"},
        {"A", "1010"},
        {"F", "1111"},
        {"00", "00000000"},
        {"0F", "00001111"},
        {"A5", "10100101"},
        {"1f", "00011111"},
        {"G1", "0001"},
        {"x-z ", ""},
        {"0123456789abcdefABCDEF", "000000010010001101000101011001111000100110101011110011011110111"
                                   "1101010111100110111101111"},
    };
    for (const auto& [hex, bits] : cases)
        EXPECT_EQ(h_to_b(hex), bits) << "h_to_b(\"" << hex << "\")";
}

} // namespace
