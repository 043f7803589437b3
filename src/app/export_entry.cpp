#include "app/export_entry.h"

#include <array>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/graph_resize.h"
#include "app/mode_switch.h"
#include "app/startup.h"
#include "collection/collection_file.h"
#include "collection/entry_editing.h"
#include "collection/file_encoding.h"
#include "settings/settings_file.h"
#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

namespace {

using ModeEntries = std::array<std::vector<CollectionEntry>, 2>;

struct Found {
    int mode = -1;
    int index = -1;
};

// The entry titled `title` in function mode, else in curve mode; the first of either without one.
Found findEntry(const ModeEntries& entries, const std::string& title) {
    for (int mode = 0; mode < 2; ++mode) {
        for (std::size_t i = 0; i < entries[mode].size(); ++i) {
            if (title.empty() || entries[mode][i].fields[EntryField::Title] == title) {
                return {mode, static_cast<int>(i)};
            }
        }
    }
    return {};
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

Status prepareExport(ProgramContext& ctx, const ExportRequest& request, TextMetrics& metrics) {
    const auto bytes = readWholeFile(request.collection);
    if (!bytes.ok()) {
        return fail("Die Sammlungsdatei " + quoted(request.collection) +
                    " kann nicht gelesen werden.");
    }
    PlotState& state = ctx.state;
    const std::string text = decodeFileText(bytes.value());
    ModeEntries entries;
    for (int mode = 0; mode < 2; ++mode) {
        // A file may hold one mode only; of a file that breaks off, the entries before the break
        // are drawn, as the collection window shows them.
        ignoreResult(readEntries(text, mode, state.modenames[mode], entries[mode]));
    }
    const Found found = findEntry(entries, request.entry);
    if (found.mode < 0) {
        return fail(request.entry.empty()
                        ? "Die Sammlung " + quoted(request.collection) + " enthält keinen Eintrag."
                        : "Die Sammlung " + quoted(request.collection) +
                              " enthält keinen Eintrag " + quoted(request.entry) + ".");
    }

    BusyScope starting = startup(ctx, {});
    state.view.picw = request.width * state.view.tppx;
    state.view.pich = request.height * state.view.tppy;
    completeStartup(ctx, metrics, std::move(starting));
    loadopts(ctx, request.collection);
    chooseMode(ctx, found.mode);
    state.collection.entries = entries[found.mode];
    state.collection.window.loaded = true;
    selectEntry(ctx, found.index);
    graphResize(ctx, state.view.picw, state.view.pich, state.view.tppx, state.view.tppy);
    const CollectionWindow& w = state.collection.window;
    if (w.label9Color == kErrorColor) {
        return fail("Der Eintrag " +
                    quoted(entries[found.mode][found.index].fields[EntryField::Title]) +
                    " enthält Fehler: " + w.label9);
    }
    return {};
}

} // namespace vestrano
