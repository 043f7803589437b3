#include "collection/collection_file.h"
#include "collection/entry_editing.h"

#include <array>

#include "engine/plain_text.h"
#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr std::string_view kValueEnd = "\\end\\";
constexpr std::string_view kCrLf = "\r\n";

// The lines of a text; CR LF, LF and a lone CR each end a line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    std::string_view next() {
        const std::size_t start = pos_;
        std::size_t end = start;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') {
            ++end;
        }
        pos_ = end + 1;
        if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') {
            ++pos_;
        }
        return text_.substr(start, end - start);
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string_view nextStripped(LineReader& in) {
    return trimmed(in.next());
}

enum class LineClass { Broken, EndOfEntry, EndOfReading, Title, MultiLine, SingleLine };

struct Classified {
    LineClass kind = LineClass::Broken;
    EntryField field = EntryField::Title;
    std::size_t keyLength = 0;
};

// Key text and field of every class after the title and the long text, tested in this order.
struct KeyRule {
    std::string key;
    EntryField field;
    bool multiLine;
};
constexpr int kKeyRuleCount = 15;

// The rules of `mode`; the term keys are the slot functions' names and "=".
std::array<KeyRule, kKeyRuleCount> keyRulesOf(int mode) {
    std::array<KeyRule, kKeyRuleCount> rules;
    int n = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        rules[n++] = {slotName(mode, SlotText::Function, slot) + "=", EntryField::Terms, false};
    }
    for (int row = 0; row < 2 * kSlotCount; ++row) {
        rules[n++] = {collectionKey(CollectionKey::Interval, row), EntryField::Intervals, false};
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        rules[n++] = {collectionKey(CollectionKey::LowerBound, slot), EntryField::Lowers, false};
    }
    rules[n++] = {collectionKey(CollectionKey::Lines), EntryField::Lines, true};
    rules[n++] = {collectionKey(CollectionKey::Points), EntryField::Points, true};
    rules[n++] = {collectionKey(CollectionKey::Widths), EntryField::Terms, false};
    return rules;
}

class SectionReader {
  public:
    SectionReader(std::string_view text, int mode, std::vector<CollectionEntry>& entries)
        : in_(text), rules_(keyRulesOf(mode)), entries_(entries) {}

    // Stage 1: up to the section line.
    bool findSection(std::string_view header) {
        while (!in_.atEnd()) {
            if (nextStripped(in_) == header) {
                return true;
            }
        }
        return false;
    }

    // Stages 2 and 3 up to the end of the section or of the file.
    Status readAll() {
        entries_.clear();
        for (;;) {
            std::string_view line;
            do {
                if (in_.atEnd()) {
                    return {};
                }
                line = nextStripped(in_);
            } while (line.empty() || (line.front() != '{' && line.front() != '['));
            if (line.front() == '[') {
                return {};
            }
            const Result<EntryEnd> end = readEntry(startEntry(line.substr(1)));
            if (!end.ok()) {
                return fail(end.reason());
            }
            if (end.value() == EntryEnd::EndOfReading) {
                return {};
            }
        }
    }

  private:
    // What follows an entry read whole.
    enum class EntryEnd { Next, EndOfReading };

    static Failure broken() { return fail(std::string(kBrokenFile)); }

    // A new entry from the rest of its "{" line; returns its first content line.
    std::string_view startEntry(std::string_view rest) {
        CollectionEntry entry;
        entry.fields[EntryField::Title] = "Eintrag " + std::to_string(entries_.size() + 1);
        rest = trimmed(rest);
        if (rest.starts_with('*')) {
            entry.isProtected = true;
            rest = trimmed(rest.substr(1));
        }
        entries_.push_back(std::move(entry));
        return rest;
    }

    Result<EntryEnd> readEntry(std::string_view line) {
        for (bool first = true;; first = false) {
            if (!first) {
                if (in_.atEnd()) {
                    return broken();
                }
                line = nextStripped(in_);
            }
            if (line.empty()) {
                continue;
            }
            if (line.front() == '}') {
                return EntryEnd::Next;
            }
            bool ends = line.back() == '}';
            std::string& text = scratch_;
            text.assign(line);
            if (ends && !line.starts_with(longText_)) {
                std::erase(text, '}');
            }
            const Classified c = classify(text);
            switch (c.kind) {
            case LineClass::Broken:
                return broken();
            case LineClass::EndOfEntry:
                return EntryEnd::Next;
            case LineClass::EndOfReading:
                return EntryEnd::EndOfReading;
            case LineClass::Title:
                entries_.back().fields[EntryField::Title] = trimmed(text.substr(c.keyLength));
                break;
            case LineClass::SingleLine:
                append(c.field, text);
                break;
            case LineClass::MultiLine:
                if (!readValue(std::string_view(text).substr(c.keyLength), c.field, ends)) {
                    return broken();
                }
                break;
            }
            if (ends) {
                return EntryEnd::Next;
            }
        }
    }

    Classified classify(std::string_view line) const {
        if (line.starts_with(endOfEntry_)) {
            return {LineClass::EndOfEntry};
        }
        if (line.starts_with(endOfReading_)) {
            return {LineClass::EndOfReading};
        }
        if (line.starts_with(title_)) {
            return {LineClass::Title, EntryField::Title, title_.size()};
        }
        if (line.starts_with(longText_)) {
            return {LineClass::MultiLine, EntryField::LongText, longText_.size()};
        }
        for (const KeyRule& rule : rules_) {
            if (line.starts_with(rule.key)) {
                return {rule.multiLine ? LineClass::MultiLine : LineClass::SingleLine, rule.field,
                        rule.key.size()};
            }
        }
        if (line.find('=') != std::string_view::npos) {
            return {LineClass::SingleLine, EntryField::Params};
        }
        if (line.find('[') != std::string_view::npos) {
            return {LineClass::SingleLine, EntryField::Bounds};
        }
        return {LineClass::Broken};
    }

    // A value that may go on over the following lines up to "\end\"; a continuation line that
    // ends with "}" also ends the entry. False when the file ends first.
    bool readValue(std::string_view rest, EntryField field, bool& endsEntry) {
        const std::size_t close = rest.find(kValueEnd);
        std::string value = withLineBreaks(rest.substr(0, close));
        if (close == std::string_view::npos) {
            for (;;) {
                if (in_.atEnd()) {
                    return false;
                }
                const std::string_view line = nextStripped(in_);
                endsEntry = endsEntry || (!line.empty() && line.back() == '}');
                const std::size_t end = line.find(kValueEnd);
                value += kCrLf;
                value += line.substr(0, end);
                if (end != std::string_view::npos) {
                    break;
                }
            }
        }
        append(field, value);
        return true;
    }

    // Every "\n" of a first value line is a line break.
    static std::string withLineBreaks(std::string_view text) {
        std::string out;
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
                out += kCrLf;
                ++i;
                continue;
            }
            out += text[i];
        }
        return out;
    }

    void append(EntryField field, std::string_view line) {
        std::string& target = entries_.back().fields[field];
        if (!target.empty()) {
            target += kCrLf;
        }
        target += line;
    }

    LineReader in_;
    // The keys tested before the rules, looked up once per section.
    const std::string& endOfEntry_ = collectionKey(CollectionKey::EndOfEntry);
    const std::string& endOfReading_ = collectionKey(CollectionKey::EndOfReading);
    const std::string& title_ = collectionKey(CollectionKey::Title);
    const std::string& longText_ = collectionKey(CollectionKey::LongText);
    std::array<KeyRule, kKeyRuleCount> rules_;
    std::vector<CollectionEntry>& entries_;
    std::string scratch_; // the line being classified, kept to reuse its memory
};

} // namespace

Status readEntries(std::string_view text, int mode, std::string_view section,
                   std::vector<CollectionEntry>& entries) {
    SectionReader reader(text, mode, entries);
    if (!reader.findSection("[" + std::string(section) + "]")) {
        return fail(std::string(kNoSectionLine));
    }
    return reader.readAll();
}

Status readingError(const PlotState& state, std::string_view text) {
    std::vector<CollectionEntry> entries;
    return readEntries(text, state.mode, state.modenames[state.mode], entries);
}

void showReadingError(Ui& ui, const std::string& error) {
    ui.message(error, "Fehler", MessageIcon::Critical);
}

void colread(PlotState& state, Ui& ui, std::string_view text) {
    std::vector<CollectionEntry>& entries = state.collection.entries;
    const Status read = readEntries(text, state.mode, state.modenames[state.mode], entries);
    // The table now stands for this file and mode; entries kept from elsewhere would be
    // written into the wrong section by the next change.
    if (read.reason() == kNoSectionLine) {
        entries.clear();
    }
    emptyBoxes(state.collection.window);
    ui.changed(Change::Collection);
    if (!read.ok()) {
        showReadingError(ui, read.reason());
    }
}

} // namespace vestrano
