#include "tools/engine/CommandLine.h"

#include <array>
#include <optional>
#include <string_view>

#include "tools/engine/ValueParsing.h"

namespace tessora::engine {

namespace {

// The options of one command; a flag takes no value.
struct OptionSpec {
    std::string_view name;
    bool isFlag;
};

struct GivenOption {
    std::string_view name;
    std::optional<std::string_view> value;
};

// The options given to one command, checked against its list: known, not repeated, with a
// value where one is due.
class GivenOptions {
  public:
    bool Read(std::span<const std::string> args, std::span<const OptionSpec> known,
              std::string_view command, std::string& error) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string_view arg = args[i];
            const OptionSpec* option = Find(known, arg);
            if (option == nullptr) {
                error = "unknown option " + Quote(arg) + " for " + std::string(command);
                return false;
            }
            if (Has(arg)) {
                error = "option " + std::string(arg) + " is given twice";
                return false;
            }
            if (option->isFlag) {
                given_.push_back(GivenOption{option->name, std::nullopt});
                continue;
            }
            if (i + 1 == args.size()) {
                error = "option " + std::string(arg) + " needs a value";
                return false;
            }
            given_.push_back(GivenOption{option->name, std::string_view(args[++i])});
        }
        return true;
    }

    bool Has(std::string_view name) const { return Lookup(name) != nullptr; }
    std::optional<std::string_view> Value(std::string_view name) const {
        const GivenOption* option = Lookup(name);
        return option == nullptr ? std::nullopt : option->value;
    }

  private:
    static const OptionSpec* Find(std::span<const OptionSpec> known, std::string_view name) {
        for (const OptionSpec& option : known) {
            if (option.name == name) return &option;
        }
        return nullptr;
    }
    const GivenOption* Lookup(std::string_view name) const {
        for (const GivenOption& option : given_) {
            if (option.name == name) return &option;
        }
        return nullptr;
    }

    std::vector<GivenOption> given_;
};

bool Require(const GivenOptions& options, std::string_view name, std::string_view command,
             std::string& error) {
    if (options.Has(name)) return true;
    error = std::string(command) + " needs " + std::string(name);
    return false;
}

bool ReadStrength(const GivenOptions& options, std::string_view name, int& out,
                  std::string& error) {
    const auto text = options.Value(name);
    if (!text) return true;  // keep the default
    std::uint64_t value = 0;
    if (!ParseWholeNumber(*text, name, 1, 4, value, error)) return false;
    out = static_cast<int>(value);
    return true;
}

bool ReadFirst(const GivenOptions& options, FirstPlayer& out, std::string& error) {
    const auto text = options.Value("--first");
    return !text || ParseFirstPlayer(*text, out, error);
}

// The options move and play share, read into request: the columns played (under columnsOption),
// who begins, the strength and the draws; the columns and the draws must be given.
template <typename GameRequest>
bool ReadGameOptions(const GivenOptions& options, std::string_view command,
                     std::string_view columnsOption, std::string& columns, GameRequest& request,
                     std::string& error) {
    if (!Require(options, columnsOption, command, error)) return false;
    if (!Require(options, "--random", command, error)) return false;
    if (!ParseColumns(*options.Value(columnsOption), columnsOption, columns, error)) return false;
    if (!ReadFirst(options, request.first, error)) return false;
    if (!ReadStrength(options, "--strength", request.strength, error)) return false;
    return ParseDrawList(*options.Value("--random"), request.random, error);
}

constexpr std::array kMoveOptions{OptionSpec{"--moves", false}, OptionSpec{"--first", false},
                                  OptionSpec{"--strength", false}, OptionSpec{"--random", false},
                                  OptionSpec{"--trace", true}};

bool ParseMove(std::span<const std::string> args, Invocation& out, std::string& error) {
    GivenOptions options;
    if (!options.Read(args, kMoveOptions, "move", error)) return false;
    MoveRequest request;
    if (!ReadGameOptions(options, "move", "--moves", request.moves, request, error)) return false;
    request.trace = options.Has("--trace");
    out = std::move(request);
    return true;
}

constexpr std::array kPlayOptions{OptionSpec{"--human", false}, OptionSpec{"--first", false},
                                  OptionSpec{"--strength", false}, OptionSpec{"--random", false}};

bool ParsePlay(std::span<const std::string> args, Invocation& out, std::string& error) {
    GivenOptions options;
    if (!options.Read(args, kPlayOptions, "play", error)) return false;
    PlayRequest request;
    if (!ReadGameOptions(options, "play", "--human", request.human, request, error)) return false;
    out = std::move(request);
    return true;
}

constexpr std::array kSelfPlayOptions{
    OptionSpec{"--games", false}, OptionSpec{"--strength-a", false},
    OptionSpec{"--strength-b", false}, OptionSpec{"--seed", false}, OptionSpec{"--versus", false}};

constexpr std::uint64_t kMostGames = 100'000'000;

bool ParseSelfPlay(std::span<const std::string> args, Invocation& out, std::string& error) {
    GivenOptions options;
    if (!options.Read(args, kSelfPlayOptions, "selfplay", error)) return false;
    if (!Require(options, "--games", "selfplay", error)) return false;
    if (!Require(options, "--strength-a", "selfplay", error)) return false;
    SelfPlayRequest request;
    if (const auto versus = options.Value("--versus")) {
        if (*versus != "random") {
            error = "--versus " + Quote(*versus) + ": the only opponent is \"random\"";
            return false;
        }
        if (options.Has("--strength-b")) {
            error = "--strength-b does not apply with --versus random";
            return false;
        }
        request.versusRandom = true;
    } else if (!Require(options, "--strength-b", "selfplay", error)) {
        return false;
    }
    std::uint64_t games = 0;
    if (!ParseWholeNumber(*options.Value("--games"), "--games", 1, kMostGames, games, error)) {
        return false;
    }
    request.games = static_cast<int>(games);
    if (!ReadStrength(options, "--strength-a", request.strengthA, error)) return false;
    if (!ReadStrength(options, "--strength-b", request.strengthB, error)) return false;
    if (const auto seed = options.Value("--seed")) {
        if (!ParseWholeNumber(*seed, "--seed", 0, UINT64_MAX, request.seed, error)) return false;
    }
    out = request;
    return true;
}

}  // namespace

bool ParseCommandLine(std::span<const std::string> args, Invocation& out, std::string& error) {
    if (args.empty()) {
        error = "no command given (move, play, selfplay, --batch or --help)";
        return false;
    }
    const std::string_view command = args[0];
    const auto rest = args.subspan(1);
    if (command == "move") return ParseMove(rest, out, error);
    if (command == "play") return ParsePlay(rest, out, error);
    if (command == "selfplay") return ParseSelfPlay(rest, out, error);
    if (command == "--batch" || command == "--help" || command == "--version") {
        if (!rest.empty()) {
            error = std::string(command) + " takes no further arguments";
            return false;
        }
        if (command == "--batch") {
            out = BatchRequest{};
        } else if (command == "--help") {
            out = HelpRequest{};
        } else {
            out = VersionRequest{};
        }
        return true;
    }
    error = "unknown command " + Quote(command) + " (move, play, selfplay, --batch or --help)";
    return false;
}

const char* UsageText() {
    return "usage:\n"
           "  tessora-engine move --moves 445 [--first human|computer] [--strength 1-4]\n"
           "                      --random 0.25[,0.7,...] [--trace]\n"
           "  tessora-engine play --human 4352 [--first human|computer] [--strength 1-4]\n"
           "                      --random 0.25[,0.7,...]\n"
           "  tessora-engine selfplay --games N --strength-a 1-4 (--strength-b 1-4 | --versus "
           "random)\n"
           "                          [--seed S]\n"
           "  tessora-engine --batch    (one JSON request per line on standard input)\n"
           "  tessora-engine --version\n"
           "Columns are digits 1-7, left to right, the first stone first. --first and --strength\n"
           "default to the game's defaults: the human begins, strength 3.\n"
           "Exit status: 0 answered; 2 bad input (in --batch: any refused line); 3 the computer\n"
           "player named no open column.\n";
}

const char* VersionText() {
    return "tessora-engine " TESSORA_VERSION "\n";
}

}  // namespace tessora::engine
