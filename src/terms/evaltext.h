#pragma once

#include <optional>
#include <string_view>

namespace vestrano {

class ExprEngine;
class Ui;

// Value of a number field: "," counts as decimal point and the text may be any expression.
// The caller reads engine.ucGetError() to know whether the text was valid.
double evaltext(ExprEngine& engine, std::string_view text);

enum class Finite { Required, NotRequired };
enum class OnFailure { KeepError, ClearError };

// `evaltext` for a box that must hold a number: empty when the engine cannot read the text or,
// unless told otherwise, the value is not finite. The engine error stays for callers that
// report it, and is cleared for those that go on evaluating.
std::optional<double> evalnumber(ExprEngine& engine, std::string_view text,
                                 Finite finite = Finite::Required,
                                 OnFailure failure = OnFailure::KeepError);

// A box that holds a term of the language (decimal comma, ";" between arguments), converted
// as the term boxes are: empty when there is no term, the engine cannot read it, or its value
// is not a number. Bracket errors go to `ui`; the engine error is cleared.
std::optional<double> evalterm(ExprEngine& engine, std::string_view text, int mode, Ui& ui);

} // namespace vestrano
