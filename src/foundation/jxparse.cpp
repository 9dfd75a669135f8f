#include "foundation/jxparse.h"

#include "foundation/jxerr.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <string_view>

namespace {

constexpr size_t npos = std::string_view::npos;

// Finds a separator in linear time whatever the text and separator are (the text
// chooses its own separators): a jump to the separator's first byte, then
// Knuth-Morris-Pratt matching, so no byte is looked at twice.
class SeparatorFinder {
public:
    explicit SeparatorFinder(std::string_view sep) : sep_(sep), fallback_(sep.size(), 0)
    {
        for (size_t i = 1, k = 0; i < sep_.size(); ++i) {
            while (k > 0 && sep_[i] != sep_[k])
                k = fallback_[k - 1];
            if (sep_[i] == sep_[k])
                ++k;
            fallback_[i] = k;
        }
    }

    size_t Size() const { return sep_.size(); }

    // Offset of the first occurrence at or after from; npos when there is none or the
    // separator is empty.
    size_t Find(std::string_view text, size_t from) const
    {
        if (sep_.empty())
            return npos;
        size_t matched = 0;
        for (size_t i = from; i < text.size(); ++i) {
            if (matched == 0) {
                const void* hit = std::memchr(text.data() + i, sep_[0], text.size() - i);
                if (!hit)
                    return npos;
                i = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
            }
            while (matched > 0 && text[i] != sep_[matched])
                matched = fallback_[matched - 1];
            if (text[i] == sep_[matched])
                ++matched;
            if (matched == sep_.size())
                return i + 1 - matched;
        }
        return npos;
    }

private:
    std::string sep_;
    std::vector<size_t> fallback_;
};

// One step of the left-of/right-of loop: the token from start up to the next
// separator; start moves past that separator, or to the end when there is none.
std::string_view NextToken(std::string_view text, size_t& start, const SeparatorFinder& sep)
{
    const size_t found = sep.Find(text, start);
    const size_t end = found == npos ? text.size() : found;
    const std::string_view token = text.substr(start, end - start);
    start = found == npos ? text.size() : found + sep.Size();
    return token;
}

// Empty tokens between two separators are kept; a trailing separator adds none.
std::vector<JXStr> SplitFields(std::string_view line, const SeparatorFinder& sep)
{
    std::vector<JXStr> fields;
    for (size_t start = 0; start < line.size();)
        fields.emplace_back(AnsiString(NextToken(line, start, sep)));
    return fields;
}

}  // namespace

void JXParse::ParseText(JXStr text)
{
    rows_.clear();
    header_.clear();
    try {
        const AnsiString flat = JXStr::DelCRLF(text).GetAnsi();
        const std::string_view all(flat);
        size_t start = 0;
        const SeparatorFinder colSep(NextToken(all, start, SeparatorFinder("{/splitCol}")));
        const SeparatorFinder rowSep(NextToken(all, start, SeparatorFinder("{/splitRow}")));
        if (start >= all.size()) {
            JXErr::Error("[parseText] not find split1 or split2");
            return;
        }
        int index = 0;
        for (const JXStr& name : SplitFields(NextToken(all, start, rowSep), colSep))
            if (name != JXStr())
                header_[name] = index++;
        while (start < all.size())
            rows_.push_back(SplitFields(NextToken(all, start, rowSep), colSep));
    } catch (const std::exception&) {
        JXErr::Error("[ParseText] Unknow Error");
    }
}

JXStr JXParse::GetField(int row, JXStr column)
{
    const int index = header_.try_emplace(column, 0).first->second;
    return Field(row, index, JXStr("getField:") + column);
}

bool JXParse::HasColumn(const JXStr& column) const
{
    return header_.count(column) > 0;
}

JXStr JXParse::GetFieldAt(int row, int column) const
{
    return Field(row, column, "getField:");
}

JXStr JXParse::Field(int row, int column, const JXStr& errorText) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(rows_[row].size())) {
        JXErr::Error(errorText);
        return JXStr();
    }
    return rows_[row][column];
}

int JXParse::RowCount() const
{
    return static_cast<int>(rows_.size());
}

int JXParse::ColCount() const
{
    return rows_.empty() ? 0 : static_cast<int>(rows_.front().size());
}

void JXParse::AddRow(JXStr line, JXStr separator)
{
    rows_.push_back(SplitFields(line.GetAnsi(), SeparatorFinder(separator.GetAnsi())));
}

JXStr JXParse::ToText() const
{
    AnsiString text = (split1_ + "{/splitCol}" + split2_ + "{/splitRow}").GetAnsi();
    const size_t columns = static_cast<size_t>(ColCount());
    for (const std::vector<JXStr>& row : rows_) {
        // A row shorter than row 0 (no caller writes one) gives the fields it has.
        const size_t count = std::min(columns, row.size());
        for (size_t i = 0; i < count; ++i) {
            if (i > 0)
                text += split1_.GetAnsi();
            text += row[i].GetAnsi();
        }
        text += split2_.GetAnsi();
    }
    return JXStr(text);
}

void JXParse::Split(JXStr text)
{
    items_.clear();
    const AnsiString all = text.GetAnsi();
    const size_t end = all.find(';');
    if (end != AnsiString::npos)
        items_ = SplitFields(std::string_view(all).substr(0, end), SeparatorFinder(":"));
}

JXStr JXParse::GetItem(int i) const
{
    if (i < 0 || i >= static_cast<int>(items_.size()))
        return JXStr();
    return items_[i];
}

JXStr JXParse::ExpandSql(JXStr text)
{
    static const std::pair<const char*, const char*> tags[] = {
        {"{i}", " INSERT INTO "}, {"{v}", " VALUES( "}, {"{/v}", " ) "}, {"{d}", " DELETE FROM "},
        {"{w}", " WHERE "},       {"{u}", " UPDATE "},  {"{s}", " SET "},
    };
    for (const auto& [tag, sql] : tags)
        text = JXStr::Replace(text, tag, sql);
    return text;
}
