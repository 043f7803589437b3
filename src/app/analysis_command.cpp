#include "app/analysis_command.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "analysis/points_of_interest.h"
#include "analysis/table_rows.h"
#include "analysis/table_text.h"
#include "analysis/value_table.h"
#include "app/command_line.h"
#include "app/export_entry.h"
#include "plot/recording_canvas.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

namespace {

enum ExitStatus { kDone = 0, kNoEntry = 1, kWrongArguments = 2 };

// The entry loaded as the export loads it, in function mode; the German reason otherwise.
Status loadFunctionEntry(ProgramContext& ctx, const CommandLine& line, const char* command) {
    RecordingCanvas metrics; // text is never drawn; any measure will do
    if (Status loaded = prepareExport(ctx, line.request, metrics); !loaded.ok()) {
        return loaded;
    }
    const CollectionTable& collection = ctx.state.collection;
    if (ctx.state.mode == 0) {
        return {};
    }
    const std::string& title =
        collection.entries.at(collection.window.selected).fields[EntryField::Title];
    return fail("Der Eintrag \"" + title + "\" gehört zum Kurvenplotter; " + command +
                " rechnet nur mit Funktionen.");
}

// Loads the entry into a program of its own and runs `print` on it; the exit status.
int onFunctionEntry(const CommandLine& line, Ui& ui, const char* command, std::ostream& errors,
                    const std::function<int(PlotState&)>& print) {
    auto state = std::make_unique<PlotState>();
    ProgramContext ctx{*state, ui};
    if (Status loaded = loadFunctionEntry(ctx, line, command); !loaded.ok()) {
        errors << loaded.reason() << '\n';
        return kNoEntry;
    }
    return print(*state);
}

} // namespace

int printValueTable(const CommandLine& line, Ui& ui, std::ostream& out, std::ostream& errors) {
    return onFunctionEntry(line, ui, "--table", errors, [&](PlotState& state) {
        const TableRequest& t = line.table;
        const auto rows =
            tableRows(state, ui, {t.from, t.to, t.step}, {"--from", "--to", "--step"});
        if (!rows.ok()) {
            errors << rows.reason() << '\n';
            return kWrongArguments;
        }
        out << tableText(valueTable(state, ui, rows.value()), Notation::Plain);
        return kDone;
    });
}

int printPoints(const CommandLine& line, Ui& ui, std::ostream& out, std::ostream& errors) {
    return onFunctionEntry(line, ui, "--points", errors, [&](PlotState& state) {
        const Viewport& view = state.view;
        out << pointsText(findPoints(state, view.xmin, view.xmax), Notation::Plain, false);
        return kDone;
    });
}

} // namespace vestrano
