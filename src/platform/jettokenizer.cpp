#include "platform/jettokenizer.h"

#include "platform/exceptions.h"
#include "platform/sysutils.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Bytes of UTF-8 characters beyond ASCII belong to names, as Jet takes any letter.
bool IsNameStart(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}

bool IsNameChar(unsigned char c)
{
    return IsNameStart(c) || IsDigit(c);
}

bool IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

// Reads the inside of a #...# literal: a date (m/d/y, m-d-y or y-m-d with a four-digit
// year first), a time (h:n[:s] with an optional AM or PM), or both.
class DateLiteralReader {
public:
    explicit DateLiteralReader(std::string_view text) : text_(text) {}

    std::optional<TDateTime> Read()
    {
        SkipBlanks();
        std::optional<TDateTime> date = 0.0;
        const size_t start = at_;
        const bool hasDate = LooksLikeDate();
        if (hasDate && !(date = ReadDate()))
            return std::nullopt;
        SkipBlanks();
        std::optional<TDateTime> time = 0.0;
        const bool hasTime = at_ < text_.size();
        if (hasTime && !(time = ReadTime()))
            return std::nullopt;
        SkipBlanks();
        if (at_ != text_.size() || (!hasDate && !hasTime) || at_ == start)
            return std::nullopt;
        // Before 30 December 1899 the time of day still counts forward from midnight.
        return *date >= 0 ? *date + *time : *date - *time;
    }

private:
    bool LooksLikeDate() const
    {
        size_t i = at_;
        while (i < text_.size() && IsDigit(static_cast<unsigned char>(text_[i])))
            ++i;
        return i < text_.size() && (text_[i] == '/' || text_[i] == '-');
    }

    std::optional<TDateTime> ReadDate()
    {
        size_t firstDigits = 0;
        std::array<int, 3> parts{};
        char separator = 0;
        for (size_t i = 0; i < parts.size(); ++i) {
            if (i > 0) {
                const char c = at_ < text_.size() ? text_[at_] : 0;
                if ((c != '/' && c != '-') || (separator != 0 && c != separator))
                    return std::nullopt;
                separator = c;
                ++at_;
            }
            size_t digits = 0;
            if (!ReadNumber(parts[i], digits))
                return std::nullopt;
            if (i == 0)
                firstDigits = digits;
        }
        TDateTime value = 0;
        if (firstDigits >= 3)
            return TryEncodeDate(parts[0], parts[1], parts[2], value) ? std::optional(value) : std::nullopt;
        int year = parts[2];
        if (year < 100)
            year += year < 30 ? 2000 : 1900;
        // Month first; a text that only reads as day first is taken that way.
        if (TryEncodeDate(year, parts[0], parts[1], value) || TryEncodeDate(year, parts[1], parts[0], value))
            return value;
        return std::nullopt;
    }

    std::optional<TDateTime> ReadTime()
    {
        std::array<int, 3> parts{};
        size_t count = 0;
        size_t digits = 0;
        while (count < parts.size()) {
            if (count > 0) {
                if (at_ >= text_.size() || text_[at_] != ':')
                    break;
                ++at_;
            }
            if (!ReadNumber(parts[count], digits))
                return std::nullopt;
            ++count;
        }
        if (count < 2)
            return std::nullopt;
        int hour = parts[0];
        SkipBlanks();
        const std::string_view rest = text_.substr(at_, 2);
        const bool am = EqualsNoCase(rest, "AM");
        const bool pm = EqualsNoCase(rest, "PM");
        if (am || pm) {
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (pm ? 12 : 0);
            at_ += 2;
        }
        if (hour > 23 || parts[1] > 59 || parts[2] > 59)
            return std::nullopt;
        return EncodeTime(hour, parts[1], parts[2], 0);
    }

    bool ReadNumber(int& value, size_t& digits)
    {
        value = 0;
        digits = 0;
        while (at_ < text_.size() && IsDigit(static_cast<unsigned char>(text_[at_]))) {
            if (++digits > 4)
                return false;
            value = value * 10 + (text_[at_++] - '0');
        }
        return digits > 0;
    }

    void SkipBlanks()
    {
        while (at_ < text_.size() && IsBlank(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }

    std::string_view text_;
    size_t at_ = 0;
};

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    std::vector<JetToken> Run()
    {
        std::vector<JetToken> tokens;
        while (true) {
            while (at_ < text_.size() && IsBlank(Current()))
                ++at_;
            if (at_ >= text_.size())
                break;
            tokens.push_back(Next());
        }
        tokens.push_back({JetToken::Kind::End, "", text_.size()});
        return tokens;
    }

private:
    unsigned char Current() const { return static_cast<unsigned char>(text_[at_]); }
    unsigned char Peek(size_t ahead) const
    {
        return at_ + ahead < text_.size() ? static_cast<unsigned char>(text_[at_ + ahead]) : 0;
    }

    JetToken Next()
    {
        const size_t start = at_;
        const unsigned char c = Current();
        if (IsNameStart(c))
            return {JetToken::Kind::Name, ReadWhile(IsNameChar), start};
        if (IsDigit(c) || (c == '.' && IsDigit(Peek(1))))
            return {JetToken::Kind::Number, ReadNumber(), start};
        if (c == '\'' || c == '"')
            return {JetToken::Kind::String, ReadQuoted(static_cast<char>(c), "string literal"), start};
        if (c == '[')
            return {JetToken::Kind::QuotedName, ReadBracketed(), start};
        if (c == '#')
            return {JetToken::Kind::Date, ReadDate(), start};
        return {JetToken::Kind::Symbol, ReadSymbol(), start};
    }

    std::string ReadWhile(bool (*accept)(unsigned char))
    {
        const size_t start = at_;
        while (at_ < text_.size() && accept(Current()))
            ++at_;
        return std::string(text_.substr(start, at_ - start));
    }

    std::string ReadNumber()
    {
        const size_t start = at_;
        auto digits = [this] {
            while (at_ < text_.size() && IsDigit(Current()))
                ++at_;
        };
        digits();
        if (at_ < text_.size() && Current() == '.') {
            ++at_;
            digits();
        }
        if (at_ < text_.size() && (Current() == 'e' || Current() == 'E')) {
            const size_t sign = (Peek(1) == '+' || Peek(1) == '-') ? 1 : 0;
            if (IsDigit(Peek(1 + sign))) {
                at_ += 1 + sign;
                digits();
            }
        }
        if (at_ < text_.size() && IsNameChar(Current()))
            ThrowJetSqlError(text_, start, "a number runs into a name");
        return std::string(text_.substr(start, at_ - start));
    }

    // Text between the quote character c, a doubled c standing for one.
    std::string ReadQuoted(char quote, const char* what)
    {
        const size_t start = at_++;
        std::string value;
        while (true) {
            if (at_ >= text_.size())
                ThrowJetSqlError(text_, start, std::string("unclosed ") + what);
            const char c = text_[at_++];
            if (c == '\0')
                ThrowJetSqlError(text_, at_ - 1, std::string("a NUL character in a ") + what);
            if (c != quote) {
                value += c;
            } else if (at_ < text_.size() && text_[at_] == quote) {
                value += quote;
                ++at_;
            } else {
                return value;
            }
        }
    }

    std::string ReadBracketed()
    {
        const size_t start = at_;
        const size_t close = text_.find(']', start + 1);
        if (close == std::string_view::npos)
            ThrowJetSqlError(text_, start, "unclosed [name]");
        if (close == start + 1)
            ThrowJetSqlError(text_, start, "empty [name]");
        // SQLite reads a text only up to its first NUL.
        if (const size_t nul = text_.find('\0', start); nul < close)
            ThrowJetSqlError(text_, nul, "a NUL character in a [name]");
        at_ = close + 1;
        return std::string(text_.substr(start + 1, close - start - 1));
    }

    std::string ReadDate()
    {
        const size_t start = at_;
        const size_t close = text_.find('#', start + 1);
        if (close == std::string_view::npos)
            ThrowJetSqlError(text_, start, "unclosed #date# literal");
        at_ = close + 1;
        const std::optional<TDateTime> value = DateLiteralReader(text_.substr(start + 1, close - start - 1)).Read();
        if (!value)
            ThrowJetSqlError(text_, start, "the #date# literal names no date");
        return FloatToSqlStr(*value);
    }

    std::string ReadSymbol()
    {
        const size_t start = at_;
        static constexpr std::array<std::string_view, 3> pairs{"<>", "<=", ">="};
        for (std::string_view pair : pairs) {
            if (text_.substr(at_, 2) == pair) {
                at_ += 2;
                return std::string(pair);
            }
        }
        static constexpr std::string_view singles = "=<>+-*/(),.;";
        if (singles.find(static_cast<char>(Current())) == std::string_view::npos)
            ThrowJetSqlError(text_, start, "unexpected character");
        return std::string(text_.substr(at_++, 1));
    }

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

bool JetToken::IsKeyword(std::string_view keyword) const
{
    return kind == Kind::Name && EqualsNoCase(text, keyword);
}

std::vector<JetToken> TokenizeJetSql(std::string_view text)
{
    return Scanner(text).Run();
}

void ThrowJetSqlError(std::string_view text, size_t position, const std::string& what)
{
    constexpr size_t excerptLength = 24;
    const size_t start = std::min(position, text.size());
    size_t end = std::min(start + excerptLength, text.size());
    // Never cut a UTF-8 character in two.
    while (end > start && end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    std::string excerpt(text.substr(start, end - start));
    for (char& c : excerpt)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    const std::string place = position >= text.size() ? "at the end of the text"
                                                       : "at character " + std::to_string(position + 1) + " (\"" +
                                                             excerpt + "\")";
    throw EDatabaseError("Cannot read the SQL text: " + what + " " + place);
}
