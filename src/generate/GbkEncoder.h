#pragma once

#include <iconv.h>
#include <string>
#include <string_view>

// The one place where the program's UTF-8 text meets the GBK (code page 936) of its files and
// of the font's character codes. Not thread-safe: each thread uses its own, forThisThread().
class GbkEncoder
{
public:
    GbkEncoder();
    ~GbkEncoder();
    GbkEncoder(const GbkEncoder&) = delete;
    GbkEncoder& operator=(const GbkEncoder&) = delete;

    static GbkEncoder& forThisThread();

    // UTF-8 to GBK. A character GBK lacks becomes a numeric character reference in upper-case
    // hexadecimal (&#x1F600;), so the page keeps it; a malformed byte becomes &#xFFFD;.
    std::string encode(std::string_view utf8);

    // The GBK code of one character (one or two bytes), empty when GBK has none.
    std::string codeOf(char32_t cp);

    // GBK to UTF-8; a byte that starts no GBK character becomes U+FFFD.
    std::string decode(std::string_view gbk);

private:
    void encodeRun(std::string_view utf8, std::string& out);

    iconv_t toGbk_;
    iconv_t fromGbk_;
};
