#include "platform/jetcollation.h"

#include "platform/exceptions.h"
#include "platform/jetsql.h"

#include <QChar>

#include <sqlite3.h>

#include <algorithm>

namespace {

// Bytes that form no UTF-8 character still compare, each as a code point of its own
// that no valid character decodes to (the low surrogates).
constexpr char32_t StrayByteBase = 0xDC00;

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The code point at position i, moving i past it.
char32_t Decode(std::string_view text, size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    size_t length = 0;
    char32_t point = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07;
        smallest = 0x10000;
    }
    if (length == 0 || i + length > text.size()) {
        ++i;
        return StrayByteBase + lead;
    }
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(next)) {
            ++i;
            return StrayByteBase + lead;
        }
        point = (point << 6) | (next & 0x3F);
    }
    if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        ++i;
        return StrayByteBase + lead;
    }
    i += length;
    return point;
}

char32_t Fold(char32_t point)
{
    if (point < 0x80)
        return point >= 'A' && point <= 'Z' ? point + ('a' - 'A') : point;
    return QChar::toCaseFolded(point);
}

int CompareFrom(std::string_view left, std::string_view right, size_t i, size_t j)
{
    while (i < left.size() && j < right.size()) {
        const char32_t a = Fold(Decode(left, i));
        const char32_t b = Fold(Decode(right, j));
        if (a != b)
            return a < b ? -1 : 1;
    }
    return (i < left.size()) - (j < right.size());
}

int CollateJetText(void*, int leftLength, const void* left, int rightLength, const void* right)
{
    return CompareJetText(std::string_view(static_cast<const char*>(left), static_cast<size_t>(leftLength)),
                          std::string_view(static_cast<const char*>(right), static_cast<size_t>(rightLength)));
}

}  // namespace

int CompareJetText(std::string_view left, std::string_view right)
{
    // Names are mostly ASCII: fold byte by byte until a wider character shows up.
    const size_t common = std::min(left.size(), right.size());
    size_t i = 0;
    for (; i < common; ++i) {
        const auto a = static_cast<unsigned char>(left[i]);
        const auto b = static_cast<unsigned char>(right[i]);
        if (a >= 0x80 || b >= 0x80)
            return CompareFrom(left, right, i, i);
        if (a != b) {
            const char32_t foldedA = Fold(a);
            const char32_t foldedB = Fold(b);
            if (foldedA != foldedB)
                return foldedA < foldedB ? -1 : 1;
        }
    }
    return (left.size() > common) - (right.size() > common);
}

void RegisterJetCollation(sqlite3* db)
{
    if (sqlite3_create_collation_v2(db, JetTextCollation, SQLITE_UTF8, nullptr, CollateJetText, nullptr) != SQLITE_OK)
        throw EDatabaseError(std::string("Cannot register the collation ") + JetTextCollation + ": " +
                             sqlite3_errmsg(db));
}
