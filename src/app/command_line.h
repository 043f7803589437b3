#pragma once

#include <string>
#include <vector>

#include "state/result.h"

namespace vestrano {

// "--animate PARAMETER [--from A] [--to B] [--frames N] [--fps F] [--bounce]" with a .gif
// export, and the animation dialog's boxes: the texts as given.
struct AnimationRequest {
    std::string parameter; // none: a still picture
    std::string from;      // terms; empty: the parameter's bounds
    std::string to;
    std::string frames = "50";
    std::string fps = "20";
    bool bounce = false;
};

// "--export PICTURE COLLECTION [--entry TITLE] [--size WxH]": an entry drawn without a window.
struct ExportRequest {
    std::string picture;
    std::string collection; // also the one a window opens at start, when named
    std::string entry;      // the title; the first entry when empty
    int width = 800;        // of the drawing area, in pixels
    int height = 600;
};

// "--table COLLECTION --from A --to B --step S [--entry TITLE]": the entry's value table. The
// three values are terms, as the value table window's boxes take them. "--points COLLECTION
// [--entry TITLE]" takes no values: the entry's points of interest.
struct TableRequest {
    std::string from;
    std::string to;
    std::string step;
};

struct CommandLine {
    enum class Kind { Window, Export, Table, Points, Help };
    Kind kind = Kind::Window;
    // Its collection and entry also name what a table or the points are computed for.
    ExportRequest request;
    AnimationRequest animation; // of an export
    TableRequest table;
};

// The arguments after the program's name. Without "--export", "--table", "--points" or "--help" the
// program opens its windows, with the collection named, if any; any option there is an error
// that comes with the usage. Wrong arguments fail with a German reason.
Result<CommandLine> parseCommandLine(const std::vector<std::string>& args);

// What "vestrano --help" prints.
std::string helpText();

} // namespace vestrano
