#include "generate/LeadingNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith)
{
    const std::pair<std::string, double> cases[] = {
        {"4", 4},     {"10", 10}, {"", 0},    {"px", 0}, {"0", 0},    {"2.9", 2.9}, {"3", 3},
        {"12px", 12}, {" 7", 7},  {"-3", -3}, {"+5", 5}, {".5", 0.5}, {"1.", 1},    {"1.2.3", 1.2},
        {"x5", 0},    {"007", 7}, {"1e3", 1}, {"-", 0},  {".", 0},    {"5 6", 5},
    };
    for (const auto& [text, number] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(text), number) << '"' << text << '"';
}

TEST(LeadingNumber, ALongRunOfDigitsIsHugeNotAnError)
{
    EXPECT_GT(leadingNumber(std::string(400, '9')), 1e300);
    EXPECT_NEAR(leadingNumber("0." + std::string(400, '9')), 1.0, 1e-9);
}

} // namespace
