#include "app/value_table_window.h"

#include <cmath>
#include <utility>

#include "analysis/table_text.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr double kDefaultRows = 20;
constexpr double kOnGrid = 1e-9;

// The smallest of 1, 2 and 5 times a power of ten that is not below `wanted`.
double roundStep(double wanted) {
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= wanted) {
            return factor * power;
        }
    }
    return 10 * power;
}

// "100.000": the dot every three digits, as the refusal writes the limit.
std::string groupedCount(std::size_t n) {
    std::string digits = std::to_string(n);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ".");
    }
    return digits;
}

} // namespace

TableInput defaultTableInput(const Viewport& view) {
    const double step = roundStep((view.xmax - view.xmin) / kDefaultRows);
    if (!std::isfinite(step) || !(step > 0)) {
        return {"-5", "5", "1"};
    }
    // A bound on the grid but for rounding stays a row; adding 0 turns a -0 into 0.
    const double from = std::ceil(view.xmin / step - kOnGrid) * step + 0.0;
    const double to = std::floor(view.xmax / step + kOnGrid) * step + 0.0;
    return {formatParamValue(from), formatParamValue(to), formatParamValue(step)};
}

std::optional<TableBox> takeTableInput(ProgramContext& ctx, const TableInput& input,
                                       ValueTable& table) {
    const TableInputNames names;
    Result<std::vector<double>> rows = tableRows(ctx.state, ctx.ui, input, names);
    if (rows.ok()) {
        table = valueTable(ctx.state, ctx.ui, std::move(rows).value());
        return std::nullopt;
    }
    ctx.ui.message(rows.reason(), "Fehlerhafte Eingabe", MessageIcon::Critical);
    // Only an unreadable "von" or "bis" is their fault; every other reason names the step.
    if (rows.reason() == "Unverständliche Eingabe für " + names.from + "!") {
        return TableBox::From;
    }
    if (rows.reason() == "Unverständliche Eingabe für " + names.to + "!") {
        return TableBox::To;
    }
    return TableBox::Step;
}

void followTable(ProgramContext& ctx, ValueTable& table) {
    table = valueTable(ctx.state, ctx.ui, std::move(table.x));
}

void copyTable(ProgramContext& ctx, const ValueTable& table) {
    ctx.ui.setClipboardText(tableText(table, Notation::German));
}

std::string tableNote(const PlotState& state, const ValueTable& table) {
    if (state.mode != 0) {
        return "Der Kurvenplotter hat keine Funktionsgraphen: nur x wird gezeigt.";
    }
    if (table.columns.empty()) {
        return "Kein Graph gezeichnet: nur x wird gezeigt.";
    }
    const std::size_t n = table.x.size();
    return groupedCount(n) + (n == 1 ? " Zeile" : " Zeilen");
}

} // namespace vestrano
