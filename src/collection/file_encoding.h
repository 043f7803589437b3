#pragma once

#include <string>
#include <string_view>

namespace vestrano {

// The program's UTF-8 text of a collection file's bytes. A byte-order mark or a text that is
// valid UTF-8 reads as UTF-8; anything else as Windows-1252, every byte kept as a character.
std::string decodeFileText(std::string_view bytes);

// The bytes of a collection file for the program's text, every line ended by CR LF: Windows-1252
// when every character has a place there and the bytes read back as that text, else UTF-8 with a
// byte-order mark, so nothing is lost.
std::string encodeFileText(std::string_view text);

} // namespace vestrano
