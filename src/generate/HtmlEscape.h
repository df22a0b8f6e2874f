#pragma once

#include <string>
#include <string_view>

// Friend data written into the page's markup: & < > " ' become &amp; &lt; &gt; &quot; &#39;,
// so that a name or address can neither end its single-quoted attribute nor open an element.
std::string htmlEscape(std::string_view text);
