#include "collection/file_encoding.h"

#include <array>
#include <cstdint>

namespace vestrano {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Windows-1252 bytes 0x80..0x9F; the five bytes without a character keep their C1 code, so
// every byte survives a read and a write.
constexpr std::array<char32_t, 32> kHighTable{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t fromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighTable[byte - 0x80] : byte;
}

// The byte of `c` in Windows-1252, or -1 when it has none.
int toWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Length of the valid UTF-8 sequence at `i`, or 0 when the bytes there are none.
std::size_t utf8Length(std::string_view s, std::size_t i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return c < minimum || c > 0x10FFFF || surrogate ? 0 : length;
}

bool isUtf8(std::string_view s) {
    char32_t c = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length = utf8Length(s, i, c);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the run of plain ASCII at `i` that needs no conversion: no line break, no byte
// above 0x7F.
std::size_t plainRun(std::string_view text, std::size_t i) {
    std::size_t end = i;
    while (end < text.size()) {
        const auto byte = static_cast<unsigned char>(text[end]);
        if (byte >= 0x80 || byte == '\r' || byte == '\n') {
            break;
        }
        ++end;
    }
    return end - i;
}

// Hands a program text over in pieces: runs of plain ASCII to `takeRun`, every other character
// to `take`, each line break as CR LF; a byte that is not part of valid UTF-8 counts as its
// Windows-1252 character. Stops when `take` says no.
template <typename TakeRun, typename Take>
bool forEachCharacter(std::string_view text, TakeRun takeRun, Take take) {
    char32_t c = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t run = plainRun(text, i);
        if (run > 0) {
            takeRun(text.substr(i, run));
            i += run;
            continue;
        }
        const std::size_t length = utf8Length(text, i, c);
        if (length == 0) {
            c = fromWindows1252(static_cast<unsigned char>(text[i]));
        }
        i += length == 0 ? 1 : length;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < text.size() && text[i] == '\n') {
                ++i;
            }
            takeRun("\r\n");
            continue;
        }
        if (!take(c)) {
            return false;
        }
    }
    return true;
}

std::string markedUtf8(std::string_view text) {
    std::string out(kByteOrderMark);
    out.reserve(text.size() + text.size() / 16 + kByteOrderMark.size());
    forEachCharacter(
        text, [&](std::string_view run) { out += run; },
        [&](char32_t c) {
            appendUtf8(out, c);
            return true;
        });
    return out;
}

} // namespace

std::string decodeFileText(std::string_view bytes) {
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    if (isUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    char32_t c = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t run = plainRun(bytes, i);
        out += bytes.substr(i, run);
        i += run;
        if (i == bytes.size()) {
            break;
        }
        // A marked file keeps its valid sequences; a stray byte reads as Windows-1252.
        const std::size_t length = marked ? utf8Length(bytes, i, c) : 0;
        if (length == 0) {
            c = fromWindows1252(static_cast<unsigned char>(bytes[i]));
        }
        appendUtf8(out, c);
        i += length == 0 ? 1 : length;
    }
    return out;
}

std::string encodeFileText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    bool high = false;
    const bool fits = forEachCharacter(
        text, [&](std::string_view run) { out += run; },
        [&](char32_t c) {
            const int byte = toWindows1252(c);
            high = high || byte >= 0x80;
            out += static_cast<char>(byte);
            return byte >= 0;
        });
    // Windows-1252 bytes that happen to be valid UTF-8 ("Ã¤") would read back as other text,
    // and bytes that begin as a byte-order mark does ("ï»¿") would lose it.
    const bool readsBack = !(high && isUtf8(out)) && !out.starts_with(kByteOrderMark);
    return fits && readsBack ? out : markedUtf8(text);
}

} // namespace vestrano
