#include "analysis/table_rows.h"

#include <cmath>
#include <optional>

#include "state/plot_state.h"
#include "state/quiet_ui.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

// A last step that misses "bis" by no more than rounding still ends on it.
constexpr double kStepSlack = 1e-9;

} // namespace

std::optional<double> termBoxValue(PlotState& state, Ui& ui, const std::string& text) {
    // The refusal names the box; a bracket message of its own would come on top of it.
    QuietUi quiet(ui);
    const std::optional<double> v = evalterm(state.engine, text, state.mode, quiet);
    if (!v || !std::isfinite(*v)) {
        return std::nullopt;
    }
    return v;
}

Failure unreadableBox(const std::string& name) {
    return fail("Unverständliche Eingabe für " + name + "!");
}

Result<std::vector<double>> tableRows(PlotState& state, Ui& ui, const TableInput& input,
                                      const TableInputNames& names) {
    const std::optional<double> from = termBoxValue(state, ui, input.from);
    if (!from) {
        return unreadableBox(names.from);
    }
    const std::optional<double> to = termBoxValue(state, ui, input.to);
    if (!to) {
        return unreadableBox(names.to);
    }
    const std::optional<double> step = termBoxValue(state, ui, input.step);
    if (!step) {
        return unreadableBox(names.step);
    }
    if (*step == 0) {
        return fail(names.step + " darf nicht 0 sein!");
    }
    if (*from < *to && *step < 0) {
        return fail(names.step + " muss positiv sein, wenn " + names.from + " kleiner als " +
                    names.to + " ist!");
    }
    if (*from > *to && *step > 0) {
        return fail(names.step + " muss negativ sein, wenn " + names.from + " größer als " +
                    names.to + " ist!");
    }
    // Infinite when the distance overflows, which no step can cover either.
    const double steps = std::floor((*to - *from) / *step + kStepSlack);
    if (!(steps < static_cast<double>(kMostTableRows))) {
        return fail(names.step + " ist zu klein: es ergäben sich mehr als 100.000 Zeilen!");
    }
    const auto count = static_cast<std::size_t>(steps) + 1;
    std::vector<double> xs(count);
    for (std::size_t i = 0; i < count; ++i) {
        xs[i] = *from + static_cast<double>(i) * *step;
    }
    if (std::fabs(xs.back() - *to) <= kStepSlack * std::fabs(*step)) {
        xs.back() = *to;
    }
    return xs;
}

} // namespace vestrano
