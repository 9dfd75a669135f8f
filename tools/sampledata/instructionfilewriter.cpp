#include "sampledata/instructionfilewriter.h"

#include <fstream>

#include "platform/exceptions.h"

namespace {

const std::string FileHead = ":{/splitCol};{/splitRow}instruct;\n";

}  // namespace

InstructionFileWriter::InstructionFileWriter(std::string folder, int statementsPerFile, Trailer trailer)
    : folder_(std::move(folder)),
      statementsPerFile_(statementsPerFile < 1 ? 1 : statementsPerFile),
      trailer_(std::move(trailer))
{
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
    StartFile();
}

void InstructionFileWriter::Add(const std::string& statement)
{
    if (rowsInFile_ == statementsPerFile_) {
        WriteFile();
        StartFile();
    }
    Append(statement);
}

void InstructionFileWriter::Append(const std::string& statement)
{
    text_ += statement;
    text_ += ";\n";
    ++rowsInFile_;
    ++statements_;
}

int InstructionFileWriter::Finish()
{
    if (rowsInFile_ > 0)
        WriteFile();
    rowsInFile_ = 0;
    return files_;
}

void InstructionFileWriter::StartFile()
{
    text_ = FileHead;
    rowsInFile_ = 0;
}

void InstructionFileWriter::WriteFile()
{
    ++files_;
    Append(trailer_(files_));
    const std::string path = folder_ + std::to_string(files_) + ".txt";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text_;
    out.close();
    if (!out)
        throw EFileError("Cannot write " + path);
}
