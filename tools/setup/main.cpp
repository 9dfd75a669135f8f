#include <filesystem>
#include <iostream>
#include <string>

#include "data/dbsetting.h"
#include "setup/programfoldersetup.h"

namespace {

const char* const Usage =
    "usage: kovral-setup FOLDER [--user NAME] [--password PASSWORD] [--sample]\n"
    "Creates a program folder in FOLDER, or adds what an existing one lacks.\n"
    "  --user, --password  the login of the update service\n"
    "  --sample            also load the sample data, with fixtures from today on\n";

int UsageError(const std::string& message)
{
    std::cerr << "kovral-setup: " << message << "\n" << Usage;
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string folder;
    SetupOptions options;
    options.programExecutable = KOVRAL_PROGRAM_EXECUTABLE;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << Usage;
            return 0;
        }
        if (argument == "--user" || argument == "--password") {
            if (i + 1 == argc)
                return UsageError(argument + " needs a value");
            (argument == "--user" ? options.userName : options.userPassword) = argv[++i];
        } else if (argument == "--sample") {
            options.sampleData = true;
        } else if (argument.starts_with("-")) {
            return UsageError("unknown option " + argument);
        } else if (folder.empty()) {
            folder = argument;
        } else {
            return UsageError("one folder only");
        }
    }
    if (folder.empty())
        return UsageError("no folder given");

    try {
        SetupProgramFolder(folder, options);
        DBSetting::FreeGlobal();
    } catch (const std::exception& error) {
        std::cerr << "kovral-setup: " << error.what() << "\n";
        return 1;
    }
    std::cout << "Program folder ready: " << std::filesystem::absolute(folder).string() << "\n";
    return 0;
}
