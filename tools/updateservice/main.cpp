// kovral-update-service: the loopback update service, and the converter of real season
// files into the instruction files it serves.

#include "instructionfile.h"
#include "loopbackupdateservice.h"
#include "seasonconverter.h"

#include <QDate>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <csignal>
#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

const char* const Usage =
        "Usage:\n"
        "  kovral-update-service --folder F [--port P] [--user U] [--password W] [--seconds S]\n"
        "                        [--time-end dd.mm.yyyy]\n"
        "      Serves the instruction files N.txt of F on 127.0.0.1:P (0 or none: a free port,\n"
        "      printed on start) and stops after S seconds (60 when not given).\n"
        "  kovral-update-service --convert SEASON --folder F [--first-file N] [--files K]\n"
        "                        [--kind league|cup] [--odds opening|closing]\n"
        "                        [--fixtures-from dd.mm.yyyy] [--champ-id N] [--season-id N]\n"
        "                        [--round-id N] [--first-team-id N] [--first-match-id N]\n"
        "                        [serving options]\n"
        "      Writes the season (an openfootball .json or a football-data.co.uk .csv file)\n"
        "      as K instruction files (1 when not given) numbered from N into F; matches from\n"
        "      the --fixtures-from day on become coming fixtures. Serves the files afterwards\n"
        "      only when --seconds is given.\n";

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int)
{
    stopRequested = 1;
}

using Options = std::map<std::string, std::string>;

// Every option takes a value; raises std::invalid_argument on anything else.
Options ReadOptions(int argc, char** argv)
{
    static const char* const known[] = {"--folder",    "--port",      "--user",          "--password",
                                        "--seconds",   "--time-end",  "--convert",       "--first-file",
                                        "--files",     "--champ-id",  "--season-id",     "--round-id",
                                        "--first-team-id", "--first-match-id", "--kind",
                                        "--odds",      "--fixtures-from"};
    Options options;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (std::find(std::begin(known), std::end(known), name) == std::end(known) || i + 1 >= argc)
            throw std::invalid_argument("unknown option or missing value: " + name);
        options[name] = argv[i + 1];
    }
    if (!options.count("--folder"))
        throw std::invalid_argument("--folder is required");
    return options;
}

int Number(const Options& options, const std::string& name, int fallback)
{
    const auto found = options.find(name);
    if (found == options.end())
        return fallback;
    const std::string& text = found->second;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument(name + " needs a whole number, not \"" + text + "\"");
    return value;
}

std::string Text(const Options& options, const std::string& name)
{
    const auto found = options.find(name);
    return found == options.end() ? std::string() : found->second;
}

// One of the words, by its index; raises std::invalid_argument for any other.
int Choice(const Options& options, const std::string& name, const std::vector<std::string>& words)
{
    const std::string text = Text(options, name);
    if (text.empty())
        return 0;
    const auto found = std::find(words.begin(), words.end(), text);
    if (found == words.end())
        throw std::invalid_argument(name + " takes " + words.front() + " or " + words.back() + ", not \"" + text + "\"");
    return static_cast<int>(found - words.begin());
}

QDate Day(const Options& options, const std::string& name)
{
    if (!options.count(name))
        return {};
    const QDate day = QDate::fromString(QString::fromStdString(Text(options, name)), "dd.MM.yyyy");
    if (!day.isValid())
        throw std::invalid_argument(name + " needs a date dd.mm.yyyy, not \"" + Text(options, name) + "\"");
    return day;
}

void Convert(const Options& options)
{
    SeasonSource source;
    source.path = Text(options, "--convert");
    source.typeID = Choice(options, "--kind", {"league", "cup"}) == 0 ? ChampTypeID::League : ChampTypeID::Cup;
    source.odds = Choice(options, "--odds", {"opening", "closing"}) == 0 ? OddsChoice::Opening : OddsChoice::Closing;
    source.fixturesFrom = Day(options, "--fixtures-from");
    source.seasonId = Number(options, "--season-id", source.seasonId);
    SeasonRunIds ids;
    ids.firstChampId = Number(options, "--champ-id", ids.firstChampId);
    ids.firstRoundId = Number(options, "--round-id", ids.firstRoundId);
    ids.firstTeamId = Number(options, "--first-team-id", ids.firstTeamId);
    ids.firstMatchId = Number(options, "--first-match-id", ids.firstMatchId);
    ids.firstFileNumber = Number(options, "--first-file", ids.firstFileNumber);

    SeasonConverter converter(ids);
    const ConvertedSource converted = converter.Convert(source, Number(options, "--files", 1));
    WriteInstructionFiles(Text(options, "--folder"), ids.firstFileNumber, converted.files);
    std::cout << "Wrote " << converted.files.size() << " instruction files from number " << ids.firstFileNumber
              << ": " << converter.Teams().size() << " teams, " << converted.counts.played << " matches, "
              << converted.counts.fixtures << " coming fixtures (" << converted.counts.skipped
              << " left out: not played)" << std::endl;
}

void Serve(const Options& options)
{
    UpdateServiceConfig config;
    config.folder = Text(options, "--folder");
    config.user = Text(options, "--user");
    config.password = Text(options, "--password");
    config.port = Number(options, "--port", 0);
    if (options.count("--time-end"))
        config.timeEnd = Text(options, "--time-end");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(Number(options, "--seconds", 60));

    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    LoopbackUpdateService service(config);
    std::cout << "Listening on " << service.Host() << ", serving " << config.folder << std::endl;
    while (!stopRequested && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));

    for (const ReceivedRequest& request : service.Requests())
        std::cout << "GET " << request.path << (request.query.empty() ? "" : "?") << request.query << " -> "
                  << request.status << "\n";
    std::cout << "Stopped" << std::endl;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    try {
        options = ReadOptions(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n" << Usage;
        return 2;
    }
    try {
        if (options.count("--convert")) {
            Convert(options);
            if (!options.count("--seconds"))
                return 0;
        }
        Serve(options);
    } catch (const std::exception& error) {
        std::cerr << "kovral-update-service: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
