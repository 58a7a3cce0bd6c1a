#include "tools/engine/CommandLine.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include "tools/engine/JsonInput.h"
#include "tools/engine/ValueParsing.h"

namespace tessora::engine {

namespace {

constexpr std::uint64_t kMostGames = 100'000'000;

// The options of one command, read by CLI11 and checked as this tool always has: every option
// known, none given twice, a value after each but the flag, and option and value two words
// (CLI11's "--option=value" form stays unknown).
class GivenOptions {
  public:
    GivenOptions(std::string command, std::initializer_list<const char*> valued,
                 const char* flag = nullptr)
        : command_(std::move(command)) {
        options_.set_help_flag();  // --help is a command of its own
        options_.allow_extras();   // unknown words are named in this tool's own message
        options_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        for (const char* name : valued)
            options_.add_option(name);
        if (flag != nullptr) options_.add_flag(flag);
    }

    bool Read(std::span<const std::string> args, std::string& error) {
        for (const std::string& arg : args) {
            const std::string name = arg.substr(0, arg.find('='));
            if (name != arg && name.starts_with("--") && options_.get_option_no_throw(name)) {
                return Unknown(arg, error);
            }
        }
        try {
            options_.parse(std::vector<std::string>(args.rbegin(), args.rend()));
        } catch (const CLI::ArgumentMismatch&) {
            // CLI11 takes the word after an option as its value whatever it says, so only the
            // last word can be an option without one.
            error = "option " + args.back() + " needs a value";
            return false;
        } catch (const CLI::ParseError& refusal) {
            error = Quote(refusal.what());
            return false;
        }
        if (!options_.remaining().empty()) return Unknown(options_.remaining().front(), error);
        for (const CLI::Option* option : options_.get_options()) {
            if (option->count() > 1) {
                error = "option " + option->get_name() + " is given twice";
                return false;
            }
        }
        return true;
    }

    bool Has(const char* name) const { return options_.get_option(name)->count() > 0; }
    // The option's value, or null when it was not given.
    const std::string* Value(const char* name) const {
        const CLI::Option* option = options_.get_option(name);
        return option->count() == 0 ? nullptr : &option->results().front();
    }
    // The value of an option the command cannot do without; null and the reason if not given.
    const std::string* Needed(const char* name, std::string& error) const {
        if (!Has(name)) error = command_ + " needs " + name;
        return Value(name);
    }

  private:
    bool Unknown(std::string_view arg, std::string& error) const {
        error = "unknown option " + Quote(arg) + " for " + command_;
        return false;
    }

    std::string command_;
    CLI::App options_;
};

// A decimal whole number from min to max: digits only, at most 20 of them.
bool ParseWholeNumber(std::string_view text, std::string_view what, std::uint64_t min,
                      std::uint64_t max, std::uint64_t& out, std::string& error) {
    const std::string bad = std::string(what) + " " + Quote(text);
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, code] = std::from_chars(text.data(), end, value);
    const bool tooLarge = code == std::errc::result_out_of_range;
    if ((code != std::errc{} && !tooLarge) || stop != end || text.size() > 20) {
        error = bad + " is not a whole number";
    } else if (tooLarge) {
        error = bad + " is too large";
    } else if (value < min || value > max) {
        error = bad + " is outside " + std::to_string(min) + ".." + std::to_string(max);
    } else {
        out = value;
        return true;
    }
    return false;
}

// A strength option, 1 to 4; the default stays when it is not given.
bool ReadStrength(const GivenOptions& options, const char* name, int& out, std::string& error) {
    const std::string* text = options.Value(name);
    std::uint64_t value = 0;
    if (text == nullptr) return true;
    if (!ParseWholeNumber(*text, name, 1, 4, value, error)) return false;
    out = static_cast<int>(value);
    return true;
}

// A comma-separated list of draws ("0.25,0.7"), each a JSON number, one to kMaxDraws of them.
bool ParseDrawList(std::string_view text, std::vector<double>& out, std::string& error) {
    std::vector<double> draws;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        Json draw;
        std::string ignored;
        if (!ParseJsonLine(item, draw, ignored) || !draw.is_number()) {
            error = "random draw " + Quote(item) + " is not a number";
            return false;
        }
        if (!CheckDraw(draw.get<double>(), item, error)) return false;
        if (draws.size() == kMaxDraws) {
            error = "more than " + std::to_string(kMaxDraws) + " random draws";
            return false;
        }
        draws.push_back(draw.get<double>());
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    out = std::move(draws);
    return true;
}

// The options move and play share, read into request: the columns played (under columnsOption),
// who begins, the strength and the draws; the columns and the draws must be given.
template <typename GameRequest>
bool ReadGameOptions(const GivenOptions& options, const char* columnsOption, std::string& columns,
                     GameRequest& request, std::string& error) {
    const std::string* played = options.Needed(columnsOption, error);
    const std::string* draws = played == nullptr ? nullptr : options.Needed("--random", error);
    const std::string* first = options.Value("--first");
    return draws != nullptr && ParseColumns(*played, columnsOption, columns, error) &&
           (first == nullptr || ParseFirstPlayer(*first, request.first, error)) &&
           ReadStrength(options, "--strength", request.strength, error) &&
           ParseDrawList(*draws, request.random, error);
}

bool ParseMove(std::span<const std::string> args, Invocation& out, std::string& error) {
    GivenOptions options("move", {"--moves", "--first", "--strength", "--random"}, "--trace");
    MoveRequest request;
    if (!options.Read(args, error) ||
        !ReadGameOptions(options, "--moves", request.moves, request, error)) {
        return false;
    }
    request.trace = options.Has("--trace");
    out = std::move(request);
    return true;
}

bool ParsePlay(std::span<const std::string> args, Invocation& out, std::string& error) {
    GivenOptions options("play", {"--human", "--first", "--strength", "--random"});
    PlayRequest request;
    if (!options.Read(args, error) ||
        !ReadGameOptions(options, "--human", request.human, request, error)) {
        return false;
    }
    out = std::move(request);
    return true;
}

bool ParseSelfPlay(std::span<const std::string> args, Invocation& out, std::string& error) {
    GivenOptions options("selfplay",
                         {"--games", "--strength-a", "--strength-b", "--seed", "--versus"});
    if (!options.Read(args, error)) return false;
    const std::string* games = options.Needed("--games", error);
    if (games == nullptr || options.Needed("--strength-a", error) == nullptr) return false;
    SelfPlayRequest request;
    if (const std::string* versus = options.Value("--versus")) {
        if (*versus != "random") {
            error = "--versus " + Quote(*versus) + ": the only opponent is \"random\"";
            return false;
        }
        if (options.Has("--strength-b")) {
            error = "--strength-b does not apply with --versus random";
            return false;
        }
        request.versusRandom = true;
    } else if (options.Needed("--strength-b", error) == nullptr) {
        return false;
    }
    std::uint64_t count = 0;
    if (!ParseWholeNumber(*games, "--games", 1, kMostGames, count, error)) return false;
    request.games = static_cast<int>(count);
    const std::string* seed = options.Value("--seed");
    if (!ReadStrength(options, "--strength-a", request.strengthA, error) ||
        !ReadStrength(options, "--strength-b", request.strengthB, error) ||
        (seed != nullptr &&
         !ParseWholeNumber(*seed, "--seed", 0, UINT64_MAX, request.seed, error))) {
        return false;
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
