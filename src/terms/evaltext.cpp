#include "terms/evaltext.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/expr_engine.h"
#include "terms/termconv.h"

namespace vestrano {

double evaltext(ExprEngine& engine, std::string_view text) {
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    return engine.ucEval(dotted);
}

std::optional<double> evalnumber(ExprEngine& engine, std::string_view text, Finite finite,
                                 OnFailure failure) {
    const double v = evaltext(engine, text);
    if (engine.ucGetError() == 0 && (finite == Finite::NotRequired || std::isfinite(v))) {
        return v;
    }
    if (failure == OnFailure::ClearError) {
        engine.ucEval(std::nullopt);
    }
    return std::nullopt;
}

std::optional<double> evalterm(ExprEngine& engine, std::string_view text, int mode, Ui& ui) {
    const std::string term = termconv(text, mode, ui);
    if (term.empty()) {
        return std::nullopt;
    }
    const double v = engine.ucEval(term);
    if (engine.ucGetError() != 0 || std::isnan(v)) {
        engine.ucEval(std::nullopt);
        return std::nullopt;
    }
    return v;
}

} // namespace vestrano
