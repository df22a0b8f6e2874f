#pragma once

#include <string_view>

// The number a setting's text begins with, as the settings boxes are read: leading blanks are
// passed over, then an optional sign, digits and a decimal fraction are read; a text that
// begins with no number reads as 0 ("2.9" gives 2.9, "12px" 12, "px" and "" 0).
double leadingNumber(std::string_view text);
