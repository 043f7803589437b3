#include "engine/errtext.h"

#include "engine/expr_engine.h"

namespace vestrano {

namespace {

// Texts without the error data. No default: a code without a text is a compiler warning.
const char* baseText(ErrorCode code) {
    switch (code) {
    case ErrorCode::None:
        return "";
    case ErrorCode::MessageInData:
        return "";
    case ErrorCode::Brackets:
        return "Fehlerhafte Klammersetzung";
    case ErrorCode::UndefinedVariable:
        return "Undefined variable: ";
    case ErrorCode::BadBinary:
        return "Ungültige Binärzahl";
    case ErrorCode::BadOctal:
        return "Ungültige Oktalzahl";
    case ErrorCode::BadHex:
        return "Ungültige Hexadecimalzahl";
    case ErrorCode::FactorialOverflow:
        return "Faktorieller Überlauf";
    case ErrorCode::Quote:
        return "Fahlschplatzierte Anführungsstriche";
    case ErrorCode::InvalidTerm:
        return "Ungültiger Term";
    case ErrorCode::DefinitionsFull:
        return "Speicher für Definitionen ist voll";
    case ErrorCode::UndefinedFunction:
        return "Nicht definierte Funktion: ";
    case ErrorCode::ArgumentCount:
        return "Ungültige Anzahl von Argumenten in ";
    case ErrorCode::ArgumentType:
        return "Ungültiger Argumenttyp in ";
    case ErrorCode::DivisionByZero:
        return "Division durch 0";
    case ErrorCode::IntegerDivisionByZero:
        return "Ganzzahldivision durch 0 (mit \\ oder DIV) ";
    case ErrorCode::Exponent:
        return "Ungültiger Wert im Exponenten";
    case ErrorCode::SqrtDomain:
        return "Ungültiger Wert unter der Wurzel";
    case ErrorCode::Log2Domain:
        return "Ungültiger Wert für LOG2";
    case ErrorCode::Log10Domain:
        return "Ungültiger Wert für LOG10";
    case ErrorCode::LnDomain:
        return "Ungültiger Wert für LOG oder LN";
    case ErrorCode::AsinDomain:
        return "Ungültiger Wert für ARCSIN";
    case ErrorCode::AcosDomain:
        return "Ungültiger Wert für ARCCOS";
    case ErrorCode::SecDomain:
        return "Ungültiger Wert für SEC";
    case ErrorCode::CscDomain:
        return "Ungültiger Wert für CSC";
    case ErrorCode::CotDomain:
        return "Ungültiger Wert für COT";
    case ErrorCode::CothDomain:
        return "Ungültiger Wert für COTH";
    case ErrorCode::CschDomain:
        return "Ungültiger Wert für CSCH";
    case ErrorCode::AcoshDomain:
        return "Ungültiger Wert für ACOSH";
    case ErrorCode::AtanhDomain:
        return "Ungültiger Wert für ATANH";
    case ErrorCode::AcothDomain:
        return "Ungültiger Wert für ACOTH";
    case ErrorCode::AsechDomain:
        return "Ungültiger Wert für ASECH";
    case ErrorCode::AcschDomain:
        return "Ungültiger Wert für ACSCH";
    }
    return "";
}

bool carriesData(ErrorCode code) {
    switch (code) {
    case ErrorCode::MessageInData:
    case ErrorCode::UndefinedVariable:
    case ErrorCode::UndefinedFunction:
    case ErrorCode::ArgumentCount:
    case ErrorCode::ArgumentType:
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
