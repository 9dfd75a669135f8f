#include "instructionfiles.h"

#include "foundation/jxparse.h"
#include "tempfolder.h"

std::vector<std::string> ReadInstructions(const std::string& path)
{
    JXParse table;
    table.ParseText(ReadFile(path));
    std::vector<std::string> statements;
    for (int row = 0; row < table.RowCount(); ++row)
        statements.push_back(table.GetField(row, "instruct"));
    return statements;
}
