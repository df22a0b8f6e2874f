#include "generate/HexBits.h"

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string h_to_b(std::string_view hex)
{
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (const char c : hex) {
        const int value = digitValue(c);
        if (value < 0)
            continue;
        for (int bit = 3; bit >= 0; --bit)
            bits += ((value >> bit) & 1) ? '1' : '0';
    }
    return bits;
}
