#include "engine/errtext.h"

#include "engine/expr_engine.h"

namespace vestrano {

namespace {

// Texts without the error data; nullptr for codes that have no text.
const char* baseText(int code) {
    switch (code) {
    case 1:
        return "";
    case 2:
        return "Fehlerhafte Klammersetzung";
    case 3:
        return "Undefined variable: ";
    case 4:
        return "Ungültige Binärzahl";
    case 5:
        return "Ungültige Oktalzahl";
    case 6:
        return "Ungültige Hexadecimalzahl";
    case 7:
        return "Faktorieller Überlauf";
    case 8:
        return "Fahlschplatzierte Anführungsstriche";
    case 9:
        return "Ungültiger Term";
    case 10:
        return "Speicher für Definitionen ist voll";
    case 11:
        return "Nicht definierte Funktion: ";
    case 12:
        return "Ungültige Anzahl von Argumenten in ";
    case 13:
        return "Ungültiger Argumenttyp in ";
    case 14:
        return "Division durch 0";
    case 15:
        return "Ganzzahldivision durch 0 (mit \\ oder DIV) ";
    case 16:
        return "Ungültiger Wert im Exponenten";
    case 17:
        return "Ungültiger Wert unter der Wurzel";
    case 18:
        return "Ungültiger Wert für LOG2";
    case 19:
        return "Ungültiger Wert für LOG10";
    case 20:
        return "Ungültiger Wert für LOG oder LN";
    case 21:
        return "Ungültiger Wert für ARCSIN";
    case 22:
        return "Ungültiger Wert für ARCCOS";
    case 23:
        return "Ungültiger Wert für SEC";
    case 24:
        return "Ungültiger Wert für CSC";
    case 25:
        return "Ungültiger Wert für COT";
    case 26:
        return "Ungültiger Wert für COTH";
    case 27:
        return "Ungültiger Wert für CSCH";
    case 28:
        return "Ungültiger Wert für ACOSH";
    case 29:
        return "Ungültiger Wert für ATANH";
    case 30:
        return "Ungültiger Wert für ACOTH";
    case 31:
        return "Ungültiger Wert für ASECH";
    case 32:
        return "Ungültiger Wert für ACSCH";
    }
    return nullptr;
}

bool carriesData(int code) {
    return code == 1 || code == 3 || (code >= 11 && code <= 13);
}

} // namespace

std::string errtext(const ExprEngine& engine, int code) {
    if (code == -1) {
        code = engine.ucGetError();
    }
    const char* text = baseText(code);
    if (text == nullptr) {
        return {};
    }
    if (!carriesData(code)) {
        return text;
    }
    return text + engine.ucGetErrorData();
}

} // namespace vestrano
