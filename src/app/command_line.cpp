#include "app/command_line.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "app/picture_format.h"

namespace vestrano {

namespace {

constexpr int kMinSide = 16;
constexpr int kMaxSide = 10000;

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
        return fail(option == "--entry" ? "Nach --entry fehlt der Titel des Eintrags."
                                        : "Nach --size fehlt die Größe.");
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
        } else if (isOption(arg)) {
            return fail("Unbekannte Option: " + arg + " (vestrano --help zeigt die Möglichkeiten)");
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        return fail("Zu --export gehören genau eine Bilddatei und eine Sammlungsdatei.\n"
                    "Aufruf: vestrano --export BILD SAMMLUNG [--entry TITEL] [--size BxH]");
    }
    line.request.picture = files[0];
    line.request.collection = files[1];
    if (const auto format = pictureFormat(line.request.picture); !format.ok()) {
        return fail(format.reason());
    }
    return line;
}

// "vestrano [SAMMLUNG]": one collection at most and no option; a wrong call gets the usage.
Result<CommandLine> windowLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (const std::string& arg : args) {
        std::string error;
        if (arg == "--entry" || arg == "--size") {
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

bool has(const std::vector<std::string>& args, const char* option) {
    return std::ranges::find(args, option) != args.end();
}

} // namespace

Result<CommandLine> parseCommandLine(const std::vector<std::string>& args) {
    if (has(args, "--help") || has(args, "-h")) {
        return CommandLine{CommandLine::Kind::Help, {}};
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
           "\n"
           "Optionen:\n"
           "  --export BILD SAMMLUNG  Graphik eines Eintrags in eine Datei zeichnen\n"
           "  --entry TITEL           der Eintrag mit diesem Titel (sonst der erste)\n"
           "  --size BREITExHÖHE      Größe des Zeichenbereichs in Pixeln (Vorgabe 800x600)\n"
           "  -h, --help              diese Hilfe zeigen\n";
}

} // namespace vestrano
