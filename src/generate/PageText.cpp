#include "generate/PageText.h"

#include "generate/GbkEncoder.h"

void PageText::line(std::initializer_list<std::string_view> parts)
{
    for (const std::string_view part : parts)
        text_ += part;
    text_ += "\r\n";
}

std::string PageText::bytes() const
{
    return GbkEncoder::forThisThread().encode(text_);
}
