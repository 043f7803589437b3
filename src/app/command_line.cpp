#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <span>
#include <string_view>

#include "app/picture_format.h"
#include "params/animation_frames.h"

namespace vestrano {

namespace {

constexpr int kMinSide = 16;
constexpr int kMaxSide = 10000;

// An option of a computing command that takes a value.
struct ValueOption {
    std::string_view name;
    std::string TableRequest::*field;
};

// The commands that compute numbers from an entry instead of drawing it.
struct AnalysisCommand {
    std::string_view name;
    CommandLine::Kind kind;
    std::span<const ValueOption> options; // every one is required
    std::string_view usage;
};

constexpr std::array<ValueOption, 3> kTableOptions{{{"--from", &TableRequest::from},
                                                    {"--to", &TableRequest::to},
                                                    {"--step", &TableRequest::step}}};

constexpr std::array<AnalysisCommand, 2> kAnalyses{
    {{"--table", CommandLine::Kind::Table, kTableOptions,
      "Aufruf: vestrano --table SAMMLUNG --from A --to B --step S [--entry TITEL]"},
     {"--points",
      CommandLine::Kind::Points,
      {},
      "Aufruf: vestrano --points SAMMLUNG [--entry TITEL]"}}};

const AnalysisCommand* analysisOwning(std::string_view option) {
    for (const AnalysisCommand& command : kAnalyses) {
        if (std::ranges::any_of(command.options,
                                [&](const ValueOption& o) { return o.name == option; })) {
            return &command;
        }
    }
    return nullptr;
}

std::string missingValue(const std::string& option) {
    return option == "--entry" ? "Nach --entry fehlt der Titel des Eintrags."
                               : "Nach " + option + " fehlt der Wert.";
}

std::optional<int> side(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < kMinSide ||
        value > kMaxSide) {
        return std::nullopt;
    }
    return value;
}

// "800x600" into the request; false for anything else.
bool readSize(std::string_view text, ExportRequest& request) {
    const auto x = text.find_first_of("xX");
    if (x == std::string_view::npos) {
        return false;
    }
    const auto width = side(text.substr(0, x));
    const auto height = side(text.substr(x + 1));
    if (!width || !height) {
        return false;
    }
    request.width = *width;
    request.height = *height;
    return true;
}

std::string badSize(const std::string& text) {
    return "Ungültige Größe \"" + text +
           "\": erwartet wird BREITExHÖHE in Pixeln, jede Zahl von 16 bis 10000, z. B. 800x600.";
}

// The option at `i` and its value into the request.
Status readOption(const std::vector<std::string>& args, std::size_t& i, ExportRequest& request) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) {
        return fail(option == "--entry" ? missingValue(option) : "Nach --size fehlt die Größe.");
    }
    const std::string& value = args[++i];
    if (option == "--entry") {
        request.entry = value;
        return {};
    }
    if (!readSize(value, request)) {
        return fail(badSize(value));
    }
    return {};
}

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg.front() == '-';
}

// The options of an animated export that take a value.
constexpr std::array<std::pair<std::string_view, std::string AnimationRequest::*>, 5>
    kAnimationOptions{{{"--animate", &AnimationRequest::parameter},
                       {"--from", &AnimationRequest::from},
                       {"--to", &AnimationRequest::to},
                       {"--frames", &AnimationRequest::frames},
                       {"--fps", &AnimationRequest::fps}}};

bool isAnimationOption(std::string_view arg) {
    return arg == "--bounce" ||
           std::ranges::any_of(kAnimationOptions, [&](const auto& o) { return o.first == arg; });
}

// The animation option at `i`, with its value, into the request.
Status readAnimationOption(const std::vector<std::string>& args, std::size_t& i,
                           AnimationRequest& animation) {
    const std::string& option = args[i];
    if (option == "--bounce") {
        animation.bounce = true;
        return {};
    }
    if (i + 1 >= args.size()) {
        return fail(option == "--animate" ? "Nach --animate fehlt der Name des Parameters."
                                          : missingValue(option));
    }
    const auto known =
        std::ranges::find(kAnimationOptions, option, [](const auto& o) { return o.first; });
    animation.*(known->second) = args[++i];
    return {};
}

// An animation is a GIF, and a GIF is an animation; the numbers are checked before anything is
// drawn.
Status checkAnimation(const std::string& picture, const AnimationRequest& animation,
                      const std::vector<std::string>& args) {
    if (animation.parameter.empty()) {
        for (const std::string& arg : args) {
            if (isAnimationOption(arg)) {
                return fail("Die Option " + arg + " gilt nur zusammen mit --animate.");
            }
        }
        return {};
    }
    if (!isAnimationName(picture)) {
        return fail(animationFormatText(picture));
    }
    if (const auto frames = wholeNumberIn(animation.frames, kFewestFrames, kMostFrames, "--frames");
        !frames.ok()) {
        return fail(frames.reason());
    }
    if (const auto fps =
            wholeNumberIn(animation.fps, kFewestFramesPerSecond, kMostFramesPerSecond, "--fps");
        !fps.ok()) {
        return fail(fps.reason());
    }
    return {};
}

Result<CommandLine> exportLine(const std::vector<std::string>& args) {
    CommandLine line;
    line.kind = CommandLine::Kind::Export;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--export") {
            continue;
        }
        if (arg == "--entry" || arg == "--size") {
            if (Status read = readOption(args, i, line.request); !read.ok()) {
                return fail(read.reason());
            }
        } else if (isAnimationOption(arg)) {
            if (Status read = readAnimationOption(args, i, line.animation); !read.ok()) {
                return fail(read.reason());
            }
        } else if (isOption(arg)) {
            return fail("Unbekannte Option: " + arg + " (vestrano --help zeigt die Möglichkeiten)");
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        return fail("Zu --export gehören genau eine Bilddatei und eine Sammlungsdatei.\n"
                    "Aufruf: vestrano --export BILD SAMMLUNG [--entry TITEL] [--size BxH]\n"
                    "        [--animate PARAMETER [--from A] [--to B] [--frames N] [--fps F] "
                    "[--bounce]]");
    }
    line.request.picture = files[0];
    line.request.collection = files[1];
    if (Status animation = checkAnimation(line.request.picture, line.animation, args);
        !animation.ok()) {
        return fail(animation.reason());
    }
    if (!line.animation.parameter.empty()) {
        return line;
    }
    if (const auto format = pictureFormat(line.request.picture); !format.ok()) {
        return fail(format.reason());
    }
    return line;
}

// The option at `i` of an analysis and its value into the line; a value may begin with "-".
Status readAnalysisOption(const std::vector<std::string>& args, std::size_t& i,
                          const ValueOption* option, CommandLine& line) {
    if (i + 1 >= args.size()) {
        return fail(missingValue(args[i]));
    }
    const std::string& value = args[++i];
    if (option) {
        line.table.*option->field = value;
    } else {
        line.request.entry = value;
    }
    return {};
}

// Any other option: the reason it does not belong here.
std::string strayOption(const std::string& arg, const AnalysisCommand& command) {
    if (arg == "--export" || (arg != command.name && std::ranges::any_of(kAnalyses, [&](auto& c) {
                                  return c.name == arg;
                              }))) {
        return std::string(command.name) + " und " + arg + " lassen sich nicht verbinden.";
    }
    if (const AnalysisCommand* owner = analysisOwning(arg)) {
        return "Die Option " + arg + " gilt nur zusammen mit " + std::string(owner->name) + ".";
    }
    if (arg == "--size" || isAnimationOption(arg)) {
        return "Die Option " + arg + " gilt nur zusammen mit --export.";
    }
    return "Unbekannte Option: " + arg + " (vestrano --help zeigt die Möglichkeiten)";
}

Result<CommandLine> analysisLine(const std::vector<std::string>& args,
                                 const AnalysisCommand& command) {
    CommandLine line;
    line.kind = command.kind;
    std::vector<std::string> files;
    std::vector<std::string_view> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto option = std::ranges::find(command.options, arg, &ValueOption::name);
        const bool known = option != command.options.end();
        if (arg == command.name) {
            continue;
        }
        if (known || arg == "--entry") {
            if (Status read = readAnalysisOption(args, i, known ? &*option : nullptr, line);
                !read.ok()) {
                return fail(read.reason());
            }
            given.push_back(arg);
        } else if (isOption(arg)) {
            return fail(strayOption(arg, command));
        } else {
            files.push_back(arg);
        }
    }
    const std::string usage = "\n" + std::string(command.usage);
    if (files.size() != 1) {
        return fail("Zu " + std::string(command.name) + " gehört genau eine Sammlungsdatei." +
                    usage);
    }
    for (const ValueOption& option : command.options) {
        if (std::ranges::find(given, option.name) == given.end()) {
            return fail("Zu " + std::string(command.name) + " fehlt die Option " +
                        std::string(option.name) + "." + usage);
        }
    }
    line.request.collection = files[0];
    return line;
}

// "vestrano [SAMMLUNG]": one collection at most and no option; a wrong call gets the usage.
Result<CommandLine> windowLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (const std::string& arg : args) {
        std::string error;
        if (const AnalysisCommand* owner = analysisOwning(arg)) {
            error =
                "Die Option " + arg + " gilt nur zusammen mit " + std::string(owner->name) + ".";
        } else if (arg == "--entry" || arg == "--size" || isAnimationOption(arg)) {
            error = "Die Option " + arg + " gilt nur zusammen mit --export.";
        } else if (isOption(arg)) {
            error = "Unbekannte Option: " + arg;
        } else if (!line.request.collection.empty()) {
            error = "Es kann nur eine Sammlungsdatei geöffnet werden.";
        } else {
            line.request.collection = arg;
            continue;
        }
        error += "\n\n" + helpText();
        error.pop_back(); // the caller ends the message's last line
        return fail(error);
    }
    return line;
}

bool has(const std::vector<std::string>& args, std::string_view option) {
    return std::ranges::find(args, option) != args.end();
}

} // namespace

Result<CommandLine> parseCommandLine(const std::vector<std::string>& args) {
    if (has(args, "--help") || has(args, "-h")) {
        return CommandLine{CommandLine::Kind::Help, {}, {}, {}};
    }
    for (const AnalysisCommand& command : kAnalyses) {
        if (has(args, command.name)) {
            return analysisLine(args, command);
        }
    }
    if (has(args, "--export")) {
        return exportLine(args);
    }
    return windowLine(args);
}

std::string helpText() {
    return "Aufruf:\n"
           "  vestrano [SAMMLUNG]\n"
           "      startet das Programm; eine genannte Sammlungsdatei wird geöffnet.\n"
           "  vestrano --export BILD SAMMLUNG [--entry TITEL] [--size BREITExHÖHE]\n"
           "      zeichnet einen Eintrag der Sammlung ohne Fenster in die Datei BILD.\n"
           "      Das Format folgt der Endung: .png, .svg, .emf oder .pdf.\n"
           "  vestrano --export BILD.gif SAMMLUNG [--entry TITEL] [--size BREITExHÖHE]\n"
           "           --animate PARAMETER [--from A] [--to B] [--frames N] [--fps F] [--bounce]\n"
           "      speichert den Lauf eines Parameters als animiertes GIF, das endlos wiederholt\n"
           "      wird: N Bilder (2 bis 1000, Vorgabe 50) mit den Werten von A bis B (Terme,\n"
           "      Vorgabe die Grenzen des Parameters), F Bilder pro Sekunde (1 bis 50, Vorgabe\n"
           "      20); mit --bounce läuft er danach wieder zurück.\n"
           "  vestrano --table SAMMLUNG --from A --to B --step S [--entry TITEL]\n"
           "      schreibt die Wertetabelle eines Eintrags im Funktionenplotter: eine Kopfzeile\n"
           "      mit x und den Namen der Graphen, dann eine Zeile je x, durch Tabulatoren\n"
           "      getrennt, mit Dezimalpunkt; ein leeres Feld, wo ein Graph keinen Wert hat.\n"
           "  vestrano --points SAMMLUNG [--entry TITEL]\n"
           "      schreibt die Kurvenpunkte eines Eintrags im Funktionenplotter (Nullstellen,\n"
           "      Hoch-, Tief- und Wendepunkte, y-Achsenabschnitte, Schnittpunkte) im x-Intervall\n"
           "      des Eintrags: eine Zeile je Punkt mit Graph, Art, x und y, durch Tabulatoren\n"
           "      getrennt, mit Dezimalpunkt.\n"
           "\n"
           "Optionen:\n"
           "  --export BILD SAMMLUNG  Graphik eines Eintrags in eine Datei zeichnen\n"
           "  --table SAMMLUNG        Wertetabelle eines Eintrags ausgeben\n"
           "  --points SAMMLUNG       Kurvenpunkte eines Eintrags ausgeben\n"
           "  --from A, --to B        erstes und letztes x der Tabelle (Terme, z. B. -pi),\n"
           "                          bei --animate erster und letzter Wert des Parameters\n"
           "  --animate PARAMETER     den Parameter laufen lassen (nur mit BILD.gif)\n"
           "  --frames N, --fps F     Zahl der Bilder und Bilder pro Sekunde der Animation\n"
           "  --bounce                die Animation hin und zurück laufen lassen\n"
           "  --step S                Schrittweite der Tabelle (negativ, wenn A größer als B)\n"
           "  --entry TITEL           der Eintrag mit diesem Titel (sonst der erste)\n"
           "  --size BREITExHÖHE      Größe des Zeichenbereichs in Pixeln (Vorgabe 800x600)\n"
           "  -h, --help              diese Hilfe zeigen\n";
}

} // namespace vestrano
