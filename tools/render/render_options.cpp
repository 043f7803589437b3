#include "render_options.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace vestrano {

const char* const kRenderUsage =
    "Aufruf: vestrano_render [--mode 0|1] [--f TERM] [--g TERM] [--h TERM]\n"
    "        [--x TERM] [--y1 TERM] [--y2 TERM] [--xmin Z] [--xmax Z] [--ymin Z] [--ymax Z]\n"
    "        [--tmin Z] [--tmax Z] [--set NAME=Z]... [--size BREITExHOEHE]\n"
    "        [--linewidth N] [--intervals N] [--out DATEI.png]\n";

namespace {

// Numbers as the plotter reads them, with a decimal comma or point.
std::optional<double> number(std::string_view text) {
    std::string plain(text);
    for (char& c : plain) {
        c = c == ',' ? '.' : c;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> whole(std::string_view text, int lo, int hi) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi) {
        return std::nullopt;
    }
    return value;
}

std::string bad(std::string_view option, std::string_view value) {
    return "Ungültiger Wert für " + std::string(option) + ": " + std::string(value);
}

// Each reader returns nothing when the option is not its own, "" when it took the value,
// else the error text.
using Taken = std::optional<std::string>;

Taken readBound(Scene& s, std::string_view option, std::string_view value) {
    const std::pair<std::string_view, double*> bounds[] = {
        {"--xmin", &s.xmin}, {"--xmax", &s.xmax}, {"--ymin", &s.ymin},
        {"--ymax", &s.ymax}, {"--tmin", &s.tmin}, {"--tmax", &s.tmax}};
    for (const auto& [name, field] : bounds) {
        if (option != name) {
            continue;
        }
        const auto v = number(value);
        *field = v.value_or(*field);
        return v ? "" : bad(option, value);
    }
    return std::nullopt;
}

Taken readTerm(Scene& s, std::string_view option, std::string_view value) {
    const std::pair<std::string_view, int> slots[] = {{"--f", 0}, {"--g", 1},  {"--h", 2},
                                                      {"--x", 0}, {"--y1", 1}, {"--y2", 2}};
    for (const auto& [name, slot] : slots) {
        if (option == name) {
            s.terms[slot] = std::string(value);
            return "";
        }
    }
    return std::nullopt;
}

Taken readCount(Scene& s, std::string_view option, std::string_view value) {
    const struct {
        std::string_view name;
        int16_t* field;
        int lo, hi;
    } counts[] = {{"--mode", &s.mode, 0, 1},
                  {"--linewidth", &s.lineWidth, 0, 50},
                  {"--intervals", &s.intervals, 1, 32767}};
    for (const auto& c : counts) {
        if (option != c.name) {
            continue;
        }
        const auto v = whole(value, c.lo, c.hi);
        *c.field = static_cast<int16_t>(v.value_or(*c.field));
        return v ? "" : bad(option, value);
    }
    return std::nullopt;
}

Taken readParam(Scene& s, std::string_view option, std::string_view value) {
    if (option != "--set") {
        return std::nullopt;
    }
    const auto eq = value.find('=');
    const auto v = eq == std::string_view::npos ? std::nullopt : number(value.substr(eq + 1));
    if (!v || eq == 0) {
        return bad(option, value);
    }
    s.params.emplace_back(std::string(value.substr(0, eq)), *v);
    return "";
}

Taken readSize(RenderOptions& o, std::string_view option, std::string_view value) {
    if (option != "--size") {
        return std::nullopt;
    }
    const auto x = value.find('x');
    if (x == std::string_view::npos) {
        return bad(option, value);
    }
    const auto w = whole(value.substr(0, x), 16, 8000);
    const auto h = whole(value.substr(x + 1), 16, 8000);
    if (!w || !h) {
        return bad(option, value);
    }
    o.width = *w;
    o.height = *h;
    return "";
}

Taken readOut(RenderOptions& o, std::string_view option, std::string_view value) {
    if (option != "--out") {
        return std::nullopt;
    }
    o.out = std::string(value);
    return value.empty() ? bad(option, value) : "";
}

std::string apply(RenderOptions& o, std::string_view option, std::string_view value) {
    for (auto read : {readBound, readTerm, readCount, readParam}) {
        if (Taken t = read(o.scene, option, value)) {
            return *t;
        }
    }
    for (auto read : {readSize, readOut}) {
        if (Taken t = read(o, option, value)) {
            return *t;
        }
    }
    return "Unbekannte Option: " + std::string(option);
}

} // namespace

std::variant<RenderOptions, std::string>
parseRenderOptions(std::span<const std::string_view> args) {
    RenderOptions options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            return "Wert fehlt nach " + std::string(args[i]);
        }
        if (std::string e = apply(options, args[i], args[i + 1]); !e.empty()) {
            return e;
        }
    }
    const Scene& s = options.scene;
    if (!(s.xmin < s.xmax) || !(s.ymin < s.ymax) || !(s.tmin < s.tmax)) {
        return std::string("Jedes Intervall braucht ein Minimum kleiner als das Maximum.");
    }
    return options;
}

} // namespace vestrano
