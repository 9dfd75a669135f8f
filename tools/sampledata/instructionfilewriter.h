#pragma once

#include <functional>
#include <string>

// Writes statements into the numbered instruction files 1.txt, 2.txt, ... of a
// folder, in the text-table format of the update service: the head
// ":{/splitCol};{/splitRow}", the header row "instruct", then one statement a row.
// Every file closes with the statement the trailer gives for its number.
class InstructionFileWriter {
public:
    using Trailer = std::function<std::string(int fileNumber)>;

    // Raises EFileError when a file cannot be written.
    InstructionFileWriter(std::string folder, int statementsPerFile, Trailer trailer);

    void Add(const std::string& statement);
    // Writes the last file; gives the number of files written.
    int Finish();

    int Statements() const { return statements_; }

private:
    void Append(const std::string& statement);
    void StartFile();
    void WriteFile();

    std::string folder_;
    int statementsPerFile_;
    Trailer trailer_;
    std::string text_;
    int rowsInFile_ = 0;
    int files_ = 0;
    int statements_ = 0;
};
