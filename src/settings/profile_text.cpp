#include "settings/profile_text.h"

#include <algorithm>
#include <optional>

#include "engine/plain_text.h"

namespace vestrano {

namespace {

// Hand-edited profiles may carry tabs and stray carriage returns.
constexpr std::string_view kBlanks = " \t\r";

struct Line {
    std::string text; // without its line break
    std::string end;  // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        if (newline == std::string_view::npos) {
            lines.push_back({std::string(text.substr(start)), ""});
            break;
        }
        const bool crlf = newline > start && text[newline - 1] == '\r';
        const std::size_t contentEnd = crlf ? newline - 1 : newline;
        lines.push_back(
            {std::string(text.substr(start, contentEnd - start)), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return lines;
}

// The name of a section line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    // A file in UTF-8 may begin with its byte-order mark.
    if (line.starts_with("\xEF\xBB\xBF")) {
        line.remove_prefix(3);
    }
    const std::string_view t = trimmed(line, kBlanks);
    if (t.empty() || t.front() != '[') {
        return std::nullopt;
    }
    return t.substr(1, t.find(']') == std::string_view::npos ? t.size() - 1 : t.find(']') - 1);
}

std::optional<std::string_view> keyOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(line.substr(0, eq), kBlanks);
}

// Index of the section line, or the number of lines when there is none.
std::size_t findSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (sectionName(lines[i].text) == section) {
            return i;
        }
    }
    return lines.size();
}

// One past the section's last line.
std::size_t sectionEnd(const std::vector<Line>& lines, std::size_t header) {
    std::size_t i = header + 1;
    while (i < lines.size() && !sectionName(lines[i].text)) {
        ++i;
    }
    return i;
}

std::string joinLines(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& line : lines) {
        out += line.text;
        out += line.end;
    }
    return out;
}

std::string lineBreakOf(const std::vector<Line>& lines) {
    return !lines.empty() && lines.front().end == "\n" ? "\n" : "\r\n";
}

} // namespace

ProfileKeys profileSection(std::string_view text, std::string_view section) {
    const std::vector<Line> lines = splitLines(text);
    const std::size_t header = findSection(lines, section);
    ProfileKeys keys;
    if (header == lines.size()) {
        return keys;
    }
    const std::size_t end = sectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto key = keyOf(lines[i].text);
        if (!key || key->empty()) {
            continue;
        }
        const std::string_view value = lines[i].text;
        keys.emplace_back(std::string(*key),
                          std::string(trimmed(value.substr(value.find('=') + 1), kBlanks)));
    }
    return keys;
}

std::string writeProfileKeys(std::string_view text, std::string_view section,
                             const ProfileKeys& keys) {
    std::vector<Line> lines = splitLines(text);
    const std::string lineBreak = lineBreakOf(lines);
    std::size_t header = findSection(lines, section);
    if (header == lines.size()) {
        if (!lines.empty() && lines.back().end.empty()) {
            lines.back().end = lineBreak;
        }
        lines.push_back({"[" + std::string(section) + "]", lineBreak});
    }
    for (const auto& entry : keys) {
        const std::string& key = entry.first;
        const std::size_t end = sectionEnd(lines, header);
        const std::string line = key + "=" + entry.second;
        const auto existing = std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(header) + 1,
                                           lines.begin() + static_cast<std::ptrdiff_t>(end),
                                           [&](const Line& l) { return keyOf(l.text) == key; });
        if (existing != lines.begin() + static_cast<std::ptrdiff_t>(end)) {
            existing->text = line;
            continue;
        }
        std::size_t after = end;
        while (after > header + 1 && trimmed(lines[after - 1].text, kBlanks).empty()) {
            --after;
        }
        if (lines[after - 1].end.empty()) {
            lines[after - 1].end = lineBreak;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after), {line, lineBreak});
    }
    return joinLines(lines);
}

std::string replaceProfileSection(std::string_view text, std::string_view section,
                                  std::string_view body) {
    // Offsets, not copied lines: a collection's section may be megabytes long.
    const std::size_t firstBreak = text.find('\n');
    const std::string_view lineBreak =
        firstBreak != std::string_view::npos && (firstBreak == 0 || text[firstBreak - 1] != '\r')
            ? "\n"
            : "\r\n";
    std::size_t headerEnd = std::string_view::npos; // behind the header line and its break
    std::size_t sectionEnd = text.size();
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t lineEnd = newline == std::string_view::npos ? text.size() : newline;
        const std::size_t next = lineEnd == text.size() ? lineEnd : lineEnd + 1;
        const auto name = sectionName(text.substr(start, lineEnd - start));
        if (name && headerEnd != std::string_view::npos) {
            sectionEnd = start;
            break;
        }
        if (name == section) {
            headerEnd = next;
        }
        start = next;
    }
    std::string out;
    out.reserve(text.size() + body.size() + section.size() + 8);
    if (headerEnd == std::string_view::npos) {
        out = text;
        if (!out.empty() && out.back() != '\n') {
            out += lineBreak;
        }
        out += "[" + std::string(section) + "]";
        out += lineBreak;
    } else {
        out = text.substr(0, headerEnd);
        if (out.back() != '\n') {
            out += lineBreak;
        }
    }
    if (!body.empty()) {
        out += body;
        out += lineBreak;
    }
    out += text.substr(sectionEnd);
    return out;
}

} // namespace vestrano
