// kovral-sample FOLDER [--scale N] [--seed S]: writes the sample instruction files.

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/exceptions.h"
#include "sampledata/sampledatagenerator.h"

namespace {

int Usage()
{
    std::cerr << "usage: kovral-sample FOLDER [--scale N] [--seed S]\n";
    std::cerr << "  --scale N  played matches to reach at least (default " << SampleDataOptions::DefaultScale << ")\n";
    std::cerr << "  --seed S   random seed (default " << SampleDataOptions::DefaultSeed << ")\n";
    return 2;
}

bool ReadNumber(const std::string& text, unsigned long long& value)
{
    try {
        std::size_t used = 0;
        value = std::stoull(text, &used);
        return used == text.size() && text.find('-') == std::string::npos;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    SampleDataOptions options;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        unsigned long long value = 0;
        if ((arg == "--scale" || arg == "--seed") && i + 1 < argc) {
            if (!ReadNumber(argv[++i], value))
                return Usage();
            if (arg == "--scale")
                options.scale = static_cast<int>(std::min<unsigned long long>(value, 100'000'000));
            else
                options.seed = value;
        } else if (folder.empty() && !arg.starts_with("--")) {
            folder = arg;
        } else {
            return Usage();
        }
    }
    if (folder.empty())
        return Usage();

    try {
        std::filesystem::create_directories(folder);
        const auto start = std::chrono::steady_clock::now();
        const SampleDataSummary summary = SampleDataGenerator(options).Generate(folder);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        std::cout << summary.files << " files, " << summary.statements << " statements: " << summary.countries
                  << " countries, " << summary.seasons << " seasons, " << summary.playedMatches << " played matches, "
                  << summary.comingMatches << " fixtures, " << summary.rows.at("Players") << " players; "
                  << elapsed.count() << " s\n";
    } catch (const std::exception& e) {
        std::cerr << "kovral-sample: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
