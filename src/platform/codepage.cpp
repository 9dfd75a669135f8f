#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenConverter(const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    return IconvHandle(cd);
}

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte),
// so an unconvertible character is replaced by one "?", not one per byte.
size_t Utf8SequenceLength(unsigned char lead, size_t left)
{
    size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    return length <= left ? length : 1;
}

std::string Convert(const std::string& input, const char* to, const char* from, bool inputIsUtf8)
{
    IconvHandle converter = OpenConverter(to, from);
    iconv_t cd = static_cast<iconv_t>(converter.get());
    std::string output;
    output.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, out - buffer);
        if (result != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: the character cannot be carried over.
        output += '?';
        const size_t skip = inputIsUtf8 ? Utf8SequenceLength(static_cast<unsigned char>(*in), inLeft) : 1;
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}

}  // namespace

std::string Utf8ToCp1251(const std::string& utf8)
{
    return Convert(utf8, "CP1251", "UTF-8", true);
}

std::string Cp1251ToUtf8(const std::string& cp1251)
{
    return Convert(cp1251, "UTF-8", "CP1251", false);
}
