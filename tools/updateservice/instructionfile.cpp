#include "instructionfile.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/exceptions.h"

std::string InstructionFileText(const std::vector<std::string>& statements)
{
    // Line breaks carry no meaning to the reader; they only keep the file readable.
    std::string text = ":{/splitCol};{/splitRow}\r\ninstruct;\r\n";
    for (const std::string& statement : statements) {
        if (statement.find_first_of(":;\r\n") != std::string::npos)
            throw std::invalid_argument("a statement holds a separator or a line break: " + statement);
        text += statement + ";\r\n";
    }
    return text;
}

void WriteInstructionFiles(const std::string& folder, int firstNumber,
                           const std::vector<std::vector<std::string>>& files)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path path =
                std::filesystem::path(folder) / (std::to_string(firstNumber + static_cast<int>(i)) + ".txt");
        const std::string text = InstructionFileText(files[i]);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out)
            throw EFileError("Cannot write " + path.string());
    }
}
