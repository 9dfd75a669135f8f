#include "instructionfiles.h"

#include <algorithm>
#include <utility>

#include "tempfolder.h"

namespace {

std::vector<std::string> SplitAll(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            parts.push_back(text.substr(start));
            break;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    return parts;
}

}  // namespace

InstructionTable ParseInstructionTable(const std::string& raw)
{
    std::string text = raw;
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }), text.end());
    InstructionTable table;
    const std::size_t colMark = text.find("{/splitCol}");
    const std::size_t rowMark = text.find("{/splitRow}");
    if (colMark == std::string::npos || rowMark == std::string::npos || rowMark < colMark)
        return table;
    const std::string colSep = text.substr(0, colMark);
    const std::string rowSep = text.substr(colMark + 11, rowMark - colMark - 11);
    if (colSep.empty() || rowSep.empty())
        return table;
    table.hasHead = true;
    std::vector<std::string> lines = SplitAll(text.substr(rowMark + 11), rowSep);
    if (lines.empty())
        return table;
    table.header = SplitAll(lines.front(), colSep);
    for (std::size_t i = 1; i < lines.size(); ++i)
        table.rows.push_back(SplitAll(lines[i], colSep));
    return table;
}

std::vector<std::string> ReadInstructions(const std::string& path)
{
    const InstructionTable table = ParseInstructionTable(ReadFile(path));
    const auto column = std::find(table.header.begin(), table.header.end(), "instruct");
    std::vector<std::string> statements;
    if (column == table.header.end())
        return statements;
    const std::size_t index = column - table.header.begin();
    for (const std::vector<std::string>& row : table.rows)
        statements.push_back(index < row.size() ? row[index] : "");
    return statements;
}

std::string ExpandShorthand(std::string statement)
{
    static const std::pair<const char*, const char*> tags[] = {
            {"{i}", " INSERT INTO "}, {"{v}", " VALUES( "}, {"{/v}", " ) "}, {"{d}", " DELETE FROM "},
            {"{w}", " WHERE "},       {"{u}", " UPDATE "},  {"{s}", " SET "}};
    for (const auto& [tag, fragment] : tags) {
        const std::string from = tag;
        for (std::size_t at = statement.find(from); at != std::string::npos; at = statement.find(from, at)) {
            statement.replace(at, from.size(), fragment);
            at += std::char_traits<char>::length(fragment);
        }
    }
    return statement;
}
