#pragma once

#include <string>
#include <string_view>

#include "state/result.h"

namespace vestrano {

class Ui;

// The bytes of a file, or why it cannot be read (missing, a folder, no permission).
Result<std::string> readWholeFile(const std::string& path);

// Replaces the file with `bytes` so that a crash or a power cut at any moment leaves either the
// old or the new content: a temporary file beside it is written and synced to the disk, renamed
// over it, and the folder synced. Every file the program writes goes through here.
Status writeFileAtomically(const std::string& path, std::string_view bytes);

// The message for a file that could not be written, with the writer's reason.
std::string notWrittenText(const std::string& path, const std::string& reason);

// Shows that message.
void tellNotWritten(Ui& ui, const std::string& path, const std::string& reason);

// `writeFileAtomically`, a failure shown with its reason and handed on.
Status writeOrTell(Ui& ui, const std::string& path, std::string_view bytes);

// Removes temporary files that writers of `path` left behind when they were killed inside a
// write; files younger than ten minutes may belong to a write still going on and stay.
void removeStaleTemporaries(const std::string& path);

} // namespace vestrano
