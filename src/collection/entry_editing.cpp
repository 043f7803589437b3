#include "collection/entry_editing.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "collection/collection_file.h"
#include "collection/entry_build.h"
#include "collection/entry_lines.h"
#include "engine/plain_text.h"
#include "lines/line_list.h"
#include "lines/point_list.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr const char* kCopyOf = ". Kopie von ";

CollectionWindow& window(ProgramContext& ctx) {
    return ctx.state.collection.window;
}

std::vector<CollectionEntry>& entries(ProgramContext& ctx) {
    return ctx.state.collection.entries;
}

bool validIndex(ProgramContext& ctx, int i) {
    return i >= 0 && i < static_cast<int>(entries(ctx).size());
}

// Every edit reaches the working copy at once; `mark` tells that the table changed.
void writeTable(ProgramContext& ctx, bool mark) {
    FileNames& files = ctx.state.files;
    if (files.tmpfile.empty()) {
        files.colchanged = files.colchanged || mark;
    } else {
        // A failed write is told there; the table stays and the next edit writes it again.
        ignoreResult(writefile(ctx, files.tmpfile, mark));
    }
    ctx.ui.changed(Change::Collection);
}

void apply(ProgramContext& ctx) {
    if (ctx.hooks.applyEntry) {
        ctx.hooks.applyEntry(ctx);
    }
}

// " 07.12.2026 um 05:31" in the German short forms.
std::string now() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&t, &local);
    char date[32];
    char time[16];
    std::strftime(date, sizeof date, "%d.%m.%Y", &local);
    std::strftime(time, sizeof time, "%H:%M", &local);
    return std::string(date) + " um " + time;
}

// Appends an entry titled `stem` and the first free number from the count on.
int appendEntry(ProgramContext& ctx, const std::string& stem, const std::string& longtext) {
    int m = static_cast<int>(entries(ctx).size()) + 1;
    while (findEntry(ctx.state, stem + std::to_string(m))) {
        ++m;
    }
    CollectionEntry entry;
    entry.fields[EntryField::Title] = stem + std::to_string(m);
    entry.fields[EntryField::LongText] = longtext + now();
    entries(ctx).push_back(entry);
    return static_cast<int>(entries(ctx).size()) - 1;
}

void showEntry(ProgramContext& ctx, int i) {
    PlotState& state = ctx.state;
    CollectionWindow& w = window(ctx);
    const CollectionEntry& entry = entries(ctx)[i];
    w.label3 = " " + entry.fields[EntryField::Title];
    for (const EntryField k : kBoxedFields) {
        w.box(detailBoxOf(k)) = entry.fields[k];
    }
    w.box(DetailBox::Terms) = readandcut(state.mode, w.dicke, entry.fields[EntryField::Terms]);
    ++w.revision;
    state.additional.modelines[state.mode] = entry.fields[EntryField::Lines];
    makeliste(state, entry.fields[EntryField::Points], ctx.ui);
    text2list(state);
    ctx.ui.changed(Change::Lines);
    ctx.ui.changed(Change::Points);
    w.label7 = entry.isProtected;
    w.selentry = static_cast<int16_t>(entry.isProtected ? -1 : i);
    w.protectionNoted = -1;
}

// Refreshes field k of entry i; the caller has checked the protection.
void rebuildField(ProgramContext& ctx, int i, EntryField k) {
    CollectionWindow& w = window(ctx);
    std::string field = addone(ctx.state, k);
    if (k == EntryField::Terms) {
        w.box(DetailBox::Terms) = readandcut(ctx.state.mode, w.dicke, field);
    } else if (k >= EntryField::Params && k <= EntryField::Lowers) {
        w.box(detailBoxOf(k)) = field;
    }
    entries(ctx)[i].fields[k] = std::move(field);
    ++w.revision;
}

} // namespace

void emptyBoxes(CollectionWindow& w) {
    for (std::string& box : w.txt) {
        box.clear();
    }
    for (std::string& box : w.dicke) {
        box.clear();
    }
    w.label3 = kNoEntryLabel;
    w.label7 = false;
    w.selected = -1;
    w.selentry = -1;
    ++w.revision;
}

void loadCollection(ProgramContext& ctx) {
    CollectionWindow& w = window(ctx);
    if (w.loaded) {
        return;
    }
    w.loaded = true;
    w.selentry = -1;
    ctx.state.collection.pending = false;
}

void ismenuvis(PlotState& state, Ui& ui, bool visible) {
    state.collection.window.menuVisible = visible;
    ui.changed(Change::Menu);
}

void showcol(ProgramContext& ctx) {
    loadCollection(ctx);
    ismenuvis(ctx.state, ctx.ui, true);
    window(ctx).frame.visible = true;
    ctx.ui.changed(Change::Collection);
}

void closeCollection(ProgramContext& ctx) {
    writeTable(ctx, false);
    ismenuvis(ctx.state, ctx.ui, false);
    window(ctx).frame.visible = false;
    ctx.ui.changed(Change::Collection);
}

void selectEntry(ProgramContext& ctx, int i) {
    window(ctx).selected = validIndex(ctx, i) ? i : -1;
    listakt(ctx);
}

void listakt(ProgramContext& ctx) {
    const int i = window(ctx).selected;
    if (!validIndex(ctx, i)) {
        return;
    }
    if (ctx.state.busy != 0) {
        ctx.state.collection.pending = true;
        return;
    }
    showEntry(ctx, i);
    ctx.ui.changed(Change::Collection);
    apply(ctx);
}

void arrowReleased(ProgramContext& ctx) {
    if (!ctx.state.collection.pending) {
        return;
    }
    ctx.state.collection.pending = false;
    listakt(ctx);
}

void intolist(ProgramContext& ctx) {
    CollectionWindow& w = window(ctx);
    const int i = w.selentry;
    if (!validIndex(ctx, i) || geschutzt(ctx.state, ctx.ui, i)) {
        return;
    }
    CollectionEntry& entry = entries(ctx)[i];
    for (const EntryField k : kBoxedFields) {
        entry.fields[k] = w.box(detailBoxOf(k));
    }
    entry.fields[EntryField::Terms] =
        makeld(ctx.state.mode, w.dicke, std::string(trimmed(w.box(DetailBox::Terms))));
    readlist(ctx.state, ctx.ui);
    entry.fields[EntryField::Lines] = ctx.state.additional.modelines[ctx.state.mode];
    entry.fields[EntryField::Points] = getliste(ctx.state);
}

void takeandsave(ProgramContext& ctx, bool full) {
    if (full) {
        allakt(ctx);
        // No entry took the plot (none chosen, or a protected one): applying the boxes back
        // would undo what the user has just taken over.
        if (window(ctx).selentry < 0) {
            return;
        }
    }
    intolist(ctx);
    apply(ctx);
    writeTable(ctx, true);
}

void takeOver(ProgramContext& ctx) {
    if (!entries(ctx).empty() && window(ctx).selected < 0) {
        return;
    }
    takeandsave(ctx, false);
}

void boxClicked(ProgramContext& ctx, std::optional<DetailBox> box) {
    CollectionWindow& w = window(ctx);
    if (box) {
        std::string& text = w.box(*box);
        std::replace(text.begin(), text.end(), '{', '(');
        std::replace(text.begin(), text.end(), '}', ')');
    }
    if (w.selentry >= 0) {
        takeandsave(ctx, false);
    }
}

void allakt(ProgramContext& ctx) {
    const int i = window(ctx).selected;
    if (!validIndex(ctx, i) || geschutzt(ctx.state, ctx.ui, i)) {
        return;
    }
    for (const EntryField k : kPlotFields) {
        rebuildField(ctx, i, k);
    }
    writeTable(ctx, true);
}

void addonepre(ProgramContext& ctx, EntryField k) {
    const int i = window(ctx).selected;
    if (!validIndex(ctx, i) || geschutzt(ctx.state, ctx.ui, i)) {
        return;
    }
    rebuildField(ctx, i, k);
}

// A take-over runs on every click into an input line, so the protection of the selected entry
// is told once, not on every click.
void followTakeOver(ProgramContext& ctx, EntryField k) {
    CollectionWindow& w = window(ctx);
    const int i = w.selected;
    if (!w.frame.visible || !validIndex(ctx, i)) {
        return;
    }
    if (entries(ctx)[i].isProtected) {
        if (w.protectionNoted != i) {
            w.protectionNoted = i;
            geschutzt(ctx.state, ctx.ui, i);
        }
        return;
    }
    rebuildField(ctx, i, k);
    writeTable(ctx, true);
}

void newentry(ProgramContext& ctx) {
    const int i = appendEntry(ctx, "Neuer Eintrag ", "leer hinzugefügt am ");
    selectEntry(ctx, i);
    writeTable(ctx, true);
}

void addcol(ProgramContext& ctx) {
    const int i = appendEntry(ctx, "Eintrag ", "hinzugefügt am ");
    for (const EntryField k : kPlotFields) {
        entries(ctx)[i].fields[k] = addone(ctx.state, k);
    }
    selectEntry(ctx, i);
    writeTable(ctx, true);
}

void clrone(ProgramContext& ctx) {
    CollectionWindow& w = window(ctx);
    const int i = w.selected;
    if (!validIndex(ctx, i) || geschutzt(ctx.state, ctx.ui, i)) {
        return;
    }
    entries(ctx).erase(entries(ctx).begin() + i);
    writeTable(ctx, true);
    const int count = static_cast<int>(entries(ctx).size());
    if (count == 0) {
        emptyBoxes(w);
        ctx.ui.changed(Change::Collection);
        return;
    }
    selectEntry(ctx, std::min(i, count - 1));
}

void copyone(ProgramContext& ctx, bool cut) {
    CollectionWindow& w = window(ctx);
    const int i = w.selected;
    if (!validIndex(ctx, i)) {
        return;
    }
    w.clip = entries(ctx)[i].fields;
    if (!cut) {
        w.clip[EntryField::Title] = "1" + std::string(kCopyOf) + w.clip[EntryField::Title];
    }
}

void cutone(ProgramContext& ctx) {
    copyone(ctx, true);
    clrone(ctx);
}

std::string nextCopyTitle(const std::string& title) {
    const size_t at = title.find(kCopyOf);
    if (at == std::string::npos) {
        return "1" + std::string(kCopyOf) + title;
    }
    const int n = leadingInteger(title.substr(0, at));
    return std::to_string(n + 1) + kCopyOf + title.substr(at + std::string(kCopyOf).size());
}

void insertClip(ProgramContext& ctx, bool after) {
    CollectionWindow& w = window(ctx);
    if (w.clip[EntryField::Title].empty()) {
        return;
    }
    int pos = w.selected + (after ? 1 : 0);
    if (w.selected < 0) {
        pos = static_cast<int>(entries(ctx).size());
    }
    CollectionEntry entry;
    entry.fields = w.clip;
    entries(ctx).insert(entries(ctx).begin() + pos, entry);
    w.clip[EntryField::Title] = nextCopyTitle(w.clip[EntryField::Title]);
    selectEntry(ctx, pos);
    writeTable(ctx, true);
}

void ren(ProgramContext& ctx) {
    CollectionWindow& w = window(ctx);
    const int i = w.selected;
    if (!validIndex(ctx, i) || geschutzt(ctx.state, ctx.ui, i)) {
        return;
    }
    std::string& title = entries(ctx)[i].fields[EntryField::Title];
    const std::optional<std::string> answer = ctx.ui.inputBox(
        "Bisherige Bezeichnung: " + title + kCrLf + "Wie soll die neue Bezeichnung lauten?",
        "Umbenennung der Kurzbeschreibung:", title);
    if (!answer || trimmed(*answer).empty()) {
        return;
    }
    title = *answer;
    w.label3 = " " + *answer;
    writeTable(ctx, true);
}

bool geschutzt(PlotState& state, Ui& ui, int i) {
    if (!state.collection.entries.at(i).isProtected) {
        return false;
    }
    ui.message(kProtectedMessage, "Hinweis!", MessageIcon::Exclamation);
    return true;
}

std::optional<int> findEntry(const PlotState& state, const std::string& title) {
    const auto& list = state.collection.entries;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].fields[EntryField::Title] == title) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

void collectionForMode(PlotState& state) {
    CollectionWindow& w = state.collection.window;
    w.label3 = kNoEntryLabel;
    w.label9 = "Ok.";
    w.label9Color = kButtonFaceColor;
    w.selected = -1;
    w.selentry = -1;
}

void setExtended(PlotState& state, Ui& ui, bool extended) {
    state.collection.window.extended = extended;
    ui.changed(Change::Collection);
}

} // namespace vestrano
