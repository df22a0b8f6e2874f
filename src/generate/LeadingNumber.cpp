#include "generate/LeadingNumber.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

double wholePart(std::string_view text, std::size_t& pos)
{
    double whole = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos)
        whole = whole * 10 + (text[pos] - '0');
    return whole;
}

double fractionPart(std::string_view text, std::size_t& pos)
{
    double fraction = 0;
    double scale = 0.1;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, scale /= 10)
        fraction += (text[pos] - '0') * scale;
    return fraction;
}

} // namespace

// Parsed by hand rather than with strtod: the decimal point is always ".", whatever locale
// the window has set.
double leadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    double sign = 1;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        sign = text[pos++] == '-' ? -1 : 1;
    double number = wholePart(text, pos);
    if (pos < text.size() && text[pos] == '.')
        number += fractionPart(text, ++pos);
    return sign * number;
}
