#include "ui/Utf8.h"

namespace ui::utf8 {

namespace {
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
} // namespace

size_t CountCharacters(std::string_view text)
{
    size_t count = 0;
    for (char c : text)
        if (!IsContinuation(c))
            ++count;
    return count;
}

size_t NextBoundary(std::string_view text, size_t offset)
{
    if (offset >= text.size())
        return text.size();
    ++offset;
    while (offset < text.size() && IsContinuation(text[offset]))
        ++offset;
    return offset;
}

size_t PreviousBoundary(std::string_view text, size_t offset)
{
    if (offset == 0)
        return 0;
    if (offset > text.size())
        offset = text.size();
    --offset;
    while (offset > 0 && IsContinuation(text[offset]))
        --offset;
    return offset;
}

size_t PrefixBytes(std::string_view text, size_t count)
{
    size_t offset = 0;
    for (size_t i = 0; i < count && offset < text.size(); ++i)
        offset = NextBoundary(text, offset);
    return offset;
}

} // namespace ui::utf8
