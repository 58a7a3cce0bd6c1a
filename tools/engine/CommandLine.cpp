#include "tools/engine/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

#include "tools/engine/Requests.h"

namespace tessora::engine {

namespace {

constexpr int kMostGames = 100'000'000;

constexpr const char* kFooter =
    "Columns are digits 1-7, left to right, the first stone first; the draws are used in turn,\n"
    "from the first again when they run out.\n"
    "Exit status: 0 answered; 2 bad input (in --batch: any refused line); 3 the computer\n"
    "player named no open column.";

const CLI::Validator kColumns([](const std::string& text) { return ColumnsProblem(text); },
                              "COLUMNS");
const CLI::Range kStrengths(int{kLowestStrength}, int{kHighestStrength});
// A seed in decimal digits that fits 64 bits: CLI11 alone would wrap "-1" round to the largest
// seed and cap a larger number silently.
const CLI::Validator kSeed(
    [](const std::string& text) {
        std::uint64_t seed = 0;
        const char* end = text.data() + text.size();
        const auto [stop, code] = std::from_chars(text.data(), end, seed);
        return code == std::errc{} && stop == end ? std::string()
                                                  : "not a whole number from 0 to 2^64 - 1";
    },
    "DIGITS");

// Who begins, the strength and the scripted draws: the options of every command that plays
// from a position.
void AddSettingOptions(CLI::App& command, GameSetting& setting) {
    command
        .add_option_function<std::string>(
            "--first",
            [&setting](const std::string& name) { FirstPlayerNamed(name, setting.first); },
            "who has the first stone")
        ->check(CLI::IsMember(kFirstPlayerNames))
        ->default_str(std::string(kFirstPlayerNames[0]));
    command.add_option("--strength", setting.strength, "the computer player's strength")
        ->check(kStrengths)
        ->capture_default_str();
    command
        .add_option_function<std::vector<double>>(
            "--random",
            [&setting](const std::vector<double>& draws) {
                if (std::string problem = DrawsProblem(draws); !problem.empty()) {
                    throw CLI::ValidationError("--random", problem);
                }
                setting.random = draws;
            },
            "the draws the computer player uses in place of chance, in [0, 1)")
        ->required()
        ->delimiter(',')
        ->check(CLI::Number);
}

void AddMoveOptions(CLI::App& command, MoveRequest& request) {
    command.add_option("--moves", request.moves, "the columns played so far")
        ->required()
        ->check(kColumns);
    AddSettingOptions(command, request);
    command.add_flag("--trace", request.trace,
                     "also list every grid change with the stage and rule that made it");
}

void AddPlayOptions(CLI::App& command, PlayRequest& request) {
    command.add_option("--human", request.human, "the human's columns in order")
        ->required()
        ->check(kColumns);
    AddSettingOptions(command, request);
}

void AddSelfPlayOptions(CLI::App& command, SelfPlayRequest& request) {
    command.add_option("--games", request.games, "how many games")
        ->required()
        ->check(CLI::Range(1, kMostGames));
    command.add_option("--strength-a", request.strengthA, "side A's strength")
        ->required()
        ->check(kStrengths);
    CLI::Option_group& opponent =
        *command.add_option_group("side B", "the computer player or the random mover");
    opponent.add_option("--strength-b", request.strengthB, "the computer player's strength")
        ->check(kStrengths);
    opponent
        .add_option_function<std::string>(
            "--versus", [&request](const std::string&) { request.versusRandom = true; },
            "a mover that picks an open column uniformly at random")
        ->check(CLI::IsMember({"random"}));
    opponent.require_option(1);
    command.add_option("--seed", request.seed, "the seed of every chance of the match")
        ->check(kSeed)
        ->capture_default_str();
}

}  // namespace

bool ParseCommandLine(std::span<const std::string> args, Invocation& out, std::string& error) {
    CLI::App app("The computer player of Tessora without a window.", "tessora-engine");
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    app.require_subcommand(0, 1);
    app.footer(kFooter);
    app.set_version_flag("--version", std::string("tessora-engine " TESSORA_VERSION));
    bool batch = false;
    CLI::Option* batchFlag =
        app.add_flag("--batch", batch, "answer one JSON request per line of standard input");

    // move, explain and hint take the same options; their commands in the order of MoveQuestion.
    MoveRequest move;
    const std::array<CLI::App*, kMoveQuestionNames.size()> moveCommands{
        app.add_subcommand(std::string(kMoveQuestionNames[0]),
                           "the computer's column for a position, with its stage and grids"),
        app.add_subcommand(std::string(kMoveQuestionNames[1]),
                           "the computer's column for a position and why, in the game's words"),
        app.add_subcommand(std::string(kMoveQuestionNames[2]),
                           "the computer's column in the human's place (the human to move)")};
    for (CLI::App* command : moveCommands)
        AddMoveOptions(*command, move);
    PlayRequest play;
    SelfPlayRequest selfPlay;
    CLI::App& playCommand = *app.add_subcommand("play", "a whole game, the human's columns given");
    AddPlayOptions(playCommand, play);
    CLI::App& selfPlayCommand =
        *app.add_subcommand("selfplay", "the computer player against itself or a random mover");
    AddSelfPlayOptions(selfPlayCommand, selfPlay);
    for (CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; }))
        command->excludes(batchFlag);

    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::CallForHelp&) {
        out = TextRequest{app.help()};
        return true;
    } catch (const CLI::CallForVersion& version) {
        out = TextRequest{std::string(version.what()) + "\n"};
        return true;
    } catch (const CLI::ParseError& refusal) {
        error = refusal.what();
        return false;
    }
    if (const auto asked = std::ranges::find_if(moveCommands, &CLI::App::parsed);
        asked != moveCommands.end()) {
        move.question = static_cast<MoveQuestion>(asked - moveCommands.begin());
        out = Request(std::move(move));
    } else if (playCommand.parsed()) {
        out = Request(std::move(play));
    } else if (selfPlayCommand.parsed()) {
        out = selfPlay;
    } else if (batch) {
        out = BatchRequest{};
    } else {
        error = "no command given: move, explain, hint, play, selfplay or --batch (see --help)";
        return false;
    }
    return true;
}

}  // namespace tessora::engine
