#include "collection/collection_file.h"

#include <filesystem>

#include "collection/file_encoding.h"
#include "settings/profile_text.h"
#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kValueEnd = "\\end\\";

// A line of a value read back as a file line that ends with "}" would end its entry there and
// drop the entry's remaining lines.
bool endsEntryEarly(std::string_view value) {
    std::size_t start = 0;
    for (std::size_t lf = value.find('\n'); lf != std::string_view::npos;
         start = lf + 1, lf = value.find('\n', start)) {
        std::string_view line = value.substr(start, lf - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.remove_suffix(1);
        }
        if (!line.empty() && line.back() == '}') {
            return true;
        }
    }
    return false;
}

// A multi-line value with its line breaks as file lines; a value that cannot be carried that
// way goes on one line with "\n" for each break, which the reader takes back.
void appendValue(std::string& out, std::string_view value) {
    if (!endsEntryEarly(value)) {
        out += value;
        return;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
            continue;
        }
        out += value[i] == '\n' ? std::string_view("\\n") : value.substr(i, 1);
    }
}

void appendEntry(std::string& out, const CollectionEntry& entry) {
    out += entry.isProtected ? "{*" : "{";
    out += collectionKey(CollectionKey::Title);
    out += entry.fields[EntryField::Title];
    out += kCrLf;
    out += collectionKey(CollectionKey::LongText);
    appendValue(out, entry.fields[EntryField::LongText]);
    out += kValueEnd;
    for (const auto& [field, key] : {std::pair{EntryField::Lines, CollectionKey::Lines},
                                     std::pair{EntryField::Points, CollectionKey::Points}}) {
        const std::string value = remcrlf(entry.fields[field]);
        if (!value.empty()) {
            out += kCrLf;
            out += collectionKey(key);
            appendValue(out, value);
            out += kValueEnd;
        }
    }
    for (const EntryField field : {EntryField::Terms, EntryField::Params, EntryField::Bounds,
                                   EntryField::Intervals, EntryField::Lowers}) {
        const std::string lines = remcrlf(entry.fields[field]);
        if (!lines.empty()) {
            out += kCrLf;
            out += lines;
        }
    }
    // The line that ends an entry loses every "}"; a last line that holds one keeps it when
    // the entry's end goes on a line of its own.
    const std::size_t lastLine = out.rfind(kCrLf);
    if (out.find('}', lastLine == std::string::npos ? 0 : lastLine) != std::string::npos) {
        out += kCrLf;
    }
    out += "}";
}

} // namespace

std::string remcrlf(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    // Repeated replacing of a double CR LF by one leaves no two in a row.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (crlf && std::string_view(out).ends_with(kCrLf)) {
            ++i;
            continue;
        }
        out += text[i];
    }
    if (std::string_view(out).ends_with(kCrLf)) {
        out.resize(out.size() - kCrLf.size());
    }
    return out;
}

std::string sectionText(const std::vector<CollectionEntry>& entries) {
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) {
            out += kCrLf;
        }
        appendEntry(out, entries[i]);
    }
    return out;
}

Status writeEntries(const std::string& path, std::string_view section,
                    const std::vector<CollectionEntry>& entries) {
    const auto old = readWholeFile(path);
    std::error_code error;
    if (!old.ok() && std::filesystem::exists(path, error)) {
        // Writing now would drop the sections that could not be read.
        return fail("Die Datei kann nicht gelesen werden.");
    }
    const std::string text = old.ok() ? decodeFileText(old.value()) : std::string();
    return writeFileAtomically(
        path, encodeFileText(replaceProfileSection(text, section, sectionText(entries))));
}

Status writefile(ProgramContext& ctx, const std::string& path, bool mark) {
    PlotState& state = ctx.state;
    if (mark) {
        state.files.colchanged = true;
    }
    Status written = writeEntries(path, state.modenames[state.mode], state.collection.entries);
    if (written.ok()) {
        return written;
    }
    ctx.ui.message("Die Sammlung konnte nicht in die Datei \"" + path + "\" geschrieben werden.\n" +
                       written.reason(),
                   "Vestrano", MessageIcon::Exclamation);
    return written;
}

} // namespace vestrano
