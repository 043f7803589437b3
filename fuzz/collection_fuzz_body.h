#pragma once

// One fuzz round over the collection reader, shared by the libFuzzer target and the corpus
// replay test. The bytes are a collection file; they are decoded as a file is and read in both
// modes into a table that already holds one entry. Checked: the reader answers with one of its
// messages or none, a missing section leaves the table alone, the text survives encoding, and
// what was read is written and read back to the same entries (but for blanks around the lines
// of a long text, lines or points value), and then stays as it is. Returns the first broken
// invariant, or "" when everything held.

#include "collection/collection_file.h"
#include "collection/file_encoding.h"
#include "fuzz_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace vestrano::fuzz {

inline std::string withCrLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
            continue;
        }
        out += text[i];
    }
    return out;
}

// What a written entry reads back as: the fields after the long text without empty lines.
inline std::vector<CollectionEntry> asWritten(std::vector<CollectionEntry> entries) {
    for (CollectionEntry& entry : entries) {
        for (const EntryField k : kPlotFields) {
            entry.fields[k] = remcrlf(entry.fields[k]);
        }
    }
    return entries;
}

// Texts the format cannot carry: a "\n" of its own in a value that has to go on one line, and
// "\end" that runs into the value's closing "\end\" or into a "\n" after it.
inline bool beyondTheFormat(const std::vector<CollectionEntry>& entries) {
    for (const CollectionEntry& entry : entries) {
        for (const EntryField k : {EntryField::LongText, EntryField::Lines, EntryField::Points}) {
            const std::string& value = entry.fields[k];
            if (value.find("\\n") != std::string::npos ||
                value.find("\\end") != std::string::npos) {
                return true;
            }
        }
    }
    return false;
}

// A multi-line value as the reader leaves it in any line: no blanks around a line, and for
// the lines and points no empty lines.
inline std::string valueLines(std::string_view value, bool dropEmpty) {
    std::string out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = value.find("\r\n", start);
        std::string_view line = value.substr(start, end - start);
        while (!line.empty() && line.front() == ' ') {
            line.remove_prefix(1);
        }
        while (!line.empty() && line.back() == ' ') {
            line.remove_suffix(1);
        }
        if (!line.empty() || !dropEmpty) {
            out += std::string(line) + "\r\n";
        }
        if (end == std::string_view::npos) {
            return out;
        }
        start = end + 2;
    }
}

// The written and read entries against the ones read first: single-line fields, titles and
// flags alike, multi-line values alike but for blanks around their lines.
inline bool sameAfterWriting(const std::vector<CollectionEntry>& read,
                             const std::vector<CollectionEntry>& again) {
    if (read.size() != again.size()) {
        return false;
    }
    const std::vector<CollectionEntry> written = asWritten(read);
    for (std::size_t i = 0; i < read.size(); ++i) {
        for (int n = 0; n < kEntryFieldCount; ++n) {
            const auto k = static_cast<EntryField>(n);
            const bool multiLine =
                k == EntryField::LongText || k == EntryField::Lines || k == EntryField::Points;
            const bool same = multiLine
                                  ? valueLines(written[i].fields[k], k != EntryField::LongText) ==
                                        valueLines(again[i].fields[k], k != EntryField::LongText)
                                  : written[i].fields[k] == again[i].fields[k];
            if (!same) {
                return false;
            }
        }
        if (read[i].isProtected != again[i].isProtected) {
            return false;
        }
    }
    return true;
}

inline std::vector<CollectionEntry> writtenAndRead(const std::vector<CollectionEntry>& entries,
                                                   int mode, std::string_view section,
                                                   std::string& error) {
    std::vector<CollectionEntry> again;
    error = readEntries("[" + std::string(section) + "]\r\n" + sectionText(entries), mode, section,
                        again)
                .reason();
    return again;
}

inline std::string collectionFault(std::string_view bytes) {
    const std::string text = decodeFileText(bytes);
    if (decodeFileText(encodeFileText(text)) != withCrLf(text)) {
        return "text changes on a write and a read: " + quoted(bytes);
    }
    static const std::string_view kSections[] = {"Funktionenplotter", "Kurvenplotter"};
    for (int mode = 0; mode < 2; ++mode) {
        CollectionEntry before;
        before.fields[EntryField::Title] = "vorher";
        std::vector<CollectionEntry> entries{before};
        const std::string error = readEntries(text, mode, kSections[mode], entries).reason();
        if (!error.empty() && error != kNoSectionLine && error != kBrokenFile) {
            return "unexpected message " + quoted(error);
        }
        if (error == kNoSectionLine) {
            if (entries != std::vector{before}) {
                return "a missing section changes the table";
            }
            continue;
        }
        if (beyondTheFormat(entries)) {
            continue;
        }
        // Once written and read, the entries stay exactly as they are.
        std::string firstError;
        std::string secondError;
        const auto again = writtenAndRead(entries, mode, kSections[mode], firstError);
        const auto third = writtenAndRead(again, mode, kSections[mode], secondError);
        if (!firstError.empty() || !secondError.empty() || !sameAfterWriting(entries, again) ||
            third != asWritten(again)) {
            return "entries change on a write and a read in mode " + std::to_string(mode) + ": " +
                   quoted(bytes);
        }
    }
    return {};
}

} // namespace vestrano::fuzz
