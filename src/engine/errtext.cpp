#include "engine/errtext.h"

#include "engine/expr_engine.h"

namespace vestrano {

namespace {

// Texts without the error data. No default: a code without a text is a compiler warning.
const char* baseText(ErrorCode code) {
    switch (code) {
    case ErrorCode::none:
        return "";
    case ErrorCode::dataOnly:
        return "";
    case ErrorCode::brackets:
        return "Fehlerhafte Klammersetzung";
    case ErrorCode::undefinedVariable:
        return "Undefined variable: ";
    case ErrorCode::badBinary:
        return "Ungültige Binärzahl";
    case ErrorCode::badOctal:
        return "Ungültige Oktalzahl";
    case ErrorCode::badHex:
        return "Ungültige Hexadecimalzahl";
    case ErrorCode::factorialOverflow:
        return "Faktorieller Überlauf";
    case ErrorCode::quote:
        return "Fahlschplatzierte Anführungsstriche";
    case ErrorCode::invalidTerm:
        return "Ungültiger Term";
    case ErrorCode::definitionsFull:
        return "Speicher für Definitionen ist voll";
    case ErrorCode::undefinedFunction:
        return "Nicht definierte Funktion: ";
    case ErrorCode::argumentCount:
        return "Ungültige Anzahl von Argumenten in ";
    case ErrorCode::argumentType:
        return "Ungültiger Argumenttyp in ";
    case ErrorCode::divisionByZero:
        return "Division durch 0";
    case ErrorCode::integerDivisionByZero:
        return "Ganzzahldivision durch 0 (mit \\ oder DIV) ";
    case ErrorCode::exponent:
        return "Ungültiger Wert im Exponenten";
    case ErrorCode::sqrtDomain:
        return "Ungültiger Wert unter der Wurzel";
    case ErrorCode::log2Domain:
        return "Ungültiger Wert für LOG2";
    case ErrorCode::log10Domain:
        return "Ungültiger Wert für LOG10";
    case ErrorCode::lnDomain:
        return "Ungültiger Wert für LOG oder LN";
    case ErrorCode::asinDomain:
        return "Ungültiger Wert für ARCSIN";
    case ErrorCode::acosDomain:
        return "Ungültiger Wert für ARCCOS";
    case ErrorCode::secDomain:
        return "Ungültiger Wert für SEC";
    case ErrorCode::cscDomain:
        return "Ungültiger Wert für CSC";
    case ErrorCode::cotDomain:
        return "Ungültiger Wert für COT";
    case ErrorCode::cothDomain:
        return "Ungültiger Wert für COTH";
    case ErrorCode::cschDomain:
        return "Ungültiger Wert für CSCH";
    case ErrorCode::acoshDomain:
        return "Ungültiger Wert für ACOSH";
    case ErrorCode::atanhDomain:
        return "Ungültiger Wert für ATANH";
    case ErrorCode::acothDomain:
        return "Ungültiger Wert für ACOTH";
    case ErrorCode::asechDomain:
        return "Ungültiger Wert für ASECH";
    case ErrorCode::acschDomain:
        return "Ungültiger Wert für ACSCH";
    }
    return "";
}

bool carriesData(ErrorCode code) {
    switch (code) {
    case ErrorCode::dataOnly:
    case ErrorCode::undefinedVariable:
    case ErrorCode::undefinedFunction:
    case ErrorCode::argumentCount:
    case ErrorCode::argumentType:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string errtext(const ExprEngine& engine, int code) {
    if (code == -1) {
        code = engine.ucGetError();
    }
    if (code <= 0 || code > kLastErrorCode) {
        return {};
    }
    const auto typed = static_cast<ErrorCode>(code);
    const char* text = baseText(typed);
    if (!carriesData(typed)) {
        return text;
    }
    return text + engine.ucGetErrorData();
}

} // namespace vestrano
