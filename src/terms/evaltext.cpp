#include "terms/evaltext.h"

#include <algorithm>
#include <string>

#include "engine/expr_engine.h"

namespace vestrano {

double evaltext(ExprEngine& engine, std::string_view text) {
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    return engine.ucEval(dotted);
}

} // namespace vestrano
