#include "platform/adofilter.h"

#include "platform/exceptions.h"

#include <QString>

namespace {

std::u16string Folded(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toCaseFolded().toStdU16String();
}

bool IsWildcard(char16_t c)
{
    return c == u'*' || c == u'%';
}

// Glob match; after a mismatch the last wildcard takes one more character.
bool LikeMatches(std::u16string_view pattern, std::u16string_view text)
{
    size_t p = 0, t = 0;
    size_t starPattern = std::u16string_view::npos, starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && IsWildcard(pattern[p])) {
            starPattern = p++;
            starText = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starPattern != std::u16string_view::npos) {
            p = starPattern + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && IsWildcard(pattern[p]))
        ++p;
    return p == pattern.size();
}

// Reads the filter text left to right; every method raises on text it cannot read.
class FilterReader {
public:
    explicit FilterReader(std::string_view text) : text_(text) {}

    bool AtEnd()
    {
        SkipBlanks();
        return pos_ == text_.size();
    }

    std::string Name()
    {
        SkipBlanks();
        const size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '=' && text_[pos_] != '\'')
            ++pos_;
        if (pos_ == start)
            Fail();
        return std::string(text_.substr(start, pos_ - start));
    }

    // true for LIKE, false for "=".
    bool Operator()
    {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == '=') {
            ++pos_;
            return false;
        }
        if (!Keyword("LIKE"))
            Fail();
        return true;
    }

    std::string Literal()
    {
        SkipBlanks();
        if (pos_ == text_.size() || text_[pos_] != '\'')
            Fail();
        std::string value;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] != '\'') {
                value += text_[pos_];
                continue;
            }
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                value += '\'';
                ++pos_;
                continue;
            }
            ++pos_;
            return value;
        }
        Fail();
    }

    // Reads the word when it stands next, in any letter case, followed by a blank or a quote.
    bool Keyword(std::string_view word)
    {
        SkipBlanks();
        if (text_.size() - pos_ < word.size())
            return false;
        for (size_t i = 0; i < word.size(); ++i)
            if ((text_[pos_ + i] & ~0x20) != word[i])
                return false;
        const size_t after = pos_ + word.size();
        if (after < text_.size() && text_[after] != ' ' && text_[after] != '\'')
            return false;
        pos_ = after;
        return true;
    }

    [[noreturn]] void Fail() const { throw EDatabaseError("The filter cannot be read: " + std::string(text_)); }

private:
    void SkipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace

TADOFilter::TADOFilter(std::string_view text)
{
    FilterReader reader(text);
    if (reader.AtEnd())
        return;
    do {
        Condition condition;
        condition.column = reader.Name();
        condition.like = reader.Operator();
        condition.folded = Folded(reader.Literal());
        conditions_.push_back(std::move(condition));
    } while (reader.Keyword("AND"));
    if (!reader.AtEnd())
        reader.Fail();
}

bool TADOFilter::Matches(std::size_t condition, std::string_view value) const
{
    const Condition& c = conditions_[condition];
    const std::u16string folded = Folded(value);
    return c.like ? LikeMatches(c.folded, folded) : folded == c.folded;
}
