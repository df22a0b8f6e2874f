#include "generate/HexBits.h"

#include "friends/HexDigit.h"

std::string h_to_b(std::string_view hex)
{
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (const char c : hex) {
        const int value = hexDigitValue(c);
        if (value < 0)
            continue;
        for (int bit = 3; bit >= 0; --bit)
            bits += ((value >> bit) & 1) ? '1' : '0';
    }
    return bits;
}
