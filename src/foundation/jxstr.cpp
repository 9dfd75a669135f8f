#include "foundation/jxstr.h"

#include "platform/sysutils.h"

#include <algorithm>
#include <string_view>

namespace {

bool IsContinuationByte(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Bytes of the character that starts at offset: a lead byte and the continuation
// bytes it announces. A stray or broken byte counts as one character by itself.
size_t CharacterSize(std::string_view text, size_t offset)
{
    const auto lead = static_cast<unsigned char>(text[offset]);
    size_t expected = 1;
    if (lead >= 0xF0 && lead <= 0xF7)
        expected = 4;
    else if (lead >= 0xE0)
        expected = 3;
    else if (lead >= 0xC0)
        expected = 2;
    size_t size = 1;
    while (size < expected && offset + size < text.size() &&
           IsContinuationByte(static_cast<unsigned char>(text[offset + size])))
        ++size;
    return size;
}

// Byte offset of the character with the 0-based index; the text's size when the
// index lies at or past its end.
size_t ByteOffset(std::string_view text, size_t index)
{
    size_t offset = 0;
    for (; index > 0 && offset < text.size(); --index)
        offset += CharacterSize(text, offset);
    return offset;
}

// Byte offset of the first occurrence; an empty separator never occurs.
size_t FindSeparator(const AnsiString& text, const AnsiString& sep)
{
    return sep.empty() ? AnsiString::npos : text.find(sep);
}

int CharacterCount(std::string_view text)
{
    int count = 0;
    for (size_t offset = 0; offset < text.size(); offset += CharacterSize(text, offset))
        ++count;
    return count;
}

}  // namespace

JXStr::JXStr(const char* text) : text_(text ? text : "") {}

JXStr::JXStr(const AnsiString& text) : text_(text) {}

JXStr& JXStr::operator=(const char* text)
{
    text_ = text ? text : "";
    return *this;
}

JXStr JXStr::operator+(const char* right) const
{
    return JXStr(text_ + (right ? right : ""));
}

JXStr JXStr::operator+(const JXStr& right) const
{
    return JXStr(text_ + right.text_);
}

JXStr JXStr::operator+(const AnsiString& right) const
{
    return JXStr(text_ + right);
}

int JXStr::ToInt() const
{
    return StrToInt(text_);
}

int JXStr::Length() const
{
    return CharacterCount(text_);
}

JXStr JXStr::Replace(JXStr text, JXStr from, JXStr to)
{
    if (from.text_.empty())
        return text;
    AnsiString result;
    size_t start = 0;
    for (size_t found = text.text_.find(from.text_); found != AnsiString::npos;
         found = text.text_.find(from.text_, start)) {
        result.append(text.text_, start, found - start);
        result += to.text_;
        start = found + from.text_.size();
    }
    result.append(text.text_, start);
    return JXStr(result);
}

int JXStr::Pos(JXStr text, JXStr sub)
{
    const size_t found = FindSeparator(text.text_, sub.text_);
    if (found == AnsiString::npos)
        return 0;
    return CharacterCount(std::string_view(text.text_).substr(0, found)) + 1;
}

JXStr JXStr::SubStr(JXStr text, int start, int count)
{
    if (count < 1)
        return JXStr();
    const std::string_view view(text.text_);
    const size_t first = ByteOffset(view, static_cast<size_t>(std::max(start, 1) - 1));
    const std::string_view rest = view.substr(first);
    return JXStr(AnsiString(rest.substr(0, ByteOffset(rest, static_cast<size_t>(count)))));
}

// The tokenizer pair works on byte offsets: a UTF-8 separator can only match at a
// character boundary, so the result equals the character-counting definition.
JXStr JXStr::LeftOf(JXStr text, JXStr sep)
{
    const size_t found = FindSeparator(text.text_, sep.text_);
    if (found == AnsiString::npos)
        return text;
    return JXStr(text.text_.substr(0, found));
}

JXStr JXStr::RightOf(JXStr text, JXStr sep)
{
    const size_t found = FindSeparator(text.text_, sep.text_);
    if (found == AnsiString::npos)
        return JXStr();
    return JXStr(text.text_.substr(found + sep.text_.size()));
}

JXStr JXStr::DelCRLF(JXStr text)
{
    std::erase(text.text_, '\r');
    std::erase(text.text_, '\n');
    return text;
}

JXStr JXStr::Delete(JXStr& text, int index, int count)
{
    if (index >= 1 && count >= 1) {
        const std::string_view view(text.text_);
        const size_t first = ByteOffset(view, static_cast<size_t>(index - 1));
        if (first < view.size()) {
            const size_t size = ByteOffset(view.substr(first), static_cast<size_t>(count));
            text.text_.erase(first, size);
        }
    }
    return text;
}
