#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/collection_table.h"
#include "state/result.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;
class Ui;

// The reading errors, shown with the title "Fehler".
inline constexpr std::string_view kNoSectionLine = "In der Sammlungsdatei fehlt die Kennungszeile!";
inline constexpr std::string_view kNoEntryStart =
    "In der Sammlungsdatei ist kein Blockanfang zu finden!";
inline constexpr std::string_view kBrokenFile = "Die Sammlungsdatei bricht unerwartet ab!";

// Reads the entries of the section `[section]` of a collection text (the program's UTF-8, any
// line ends), with the term keys of `mode`. On a reading error the entries read until then
// stay, and without the section `entries` keeps its previous content.
Status readEntries(std::string_view text, int mode, std::string_view section,
                   std::vector<CollectionEntry>& entries);

// Reads `text` in the current mode only to find its reading error; the table stays as it is.
Status readingError(const PlotState& state, std::string_view text);

// A reading error as the reader shows it.
void showReadingError(Ui& ui, const std::string& error);

// `readEntries` into the table of the current mode; an error shows as a message. Without the
// mode's section the table is empty.
void colread(PlotState& state, Ui& ui, std::string_view text);

// `text` without trailing blanks, empty lines and the line break at its end.
std::string remcrlf(std::string_view text);

// The text of a section holding `entries`, lines joined by CR LF, no break at its end.
std::string sectionText(const std::vector<CollectionEntry>& entries);

// Replaces the section `[section]` of the file `path` by `entries` in one atomic write; the
// other sections stay. On failure the file stays as it was.
Status writeEntries(const std::string& path, std::string_view section,
                    const std::vector<CollectionEntry>& entries);

// The table into the current mode's section of `path`; `mark` records an unsaved change. A
// failed write shows a message naming the file and is handed on; the table stays as it is.
Status writefile(ProgramContext& ctx, const std::string& path, bool mark);

// The current mode's entries of `path`, and with `withsettings` its settings. A file that
// cannot be read shows a message, changes nothing and is handed on.
Status colload(ProgramContext& ctx, const std::string& path, bool withsettings);

// The collection window's caption for the file last opened or saved ("" for none).
std::string collectionCaption(const std::string& colfile);

// The menu item "&Öffnen": a chosen file becomes the working copy.
void colopen(ProgramContext& ctx);

// The file `path` becomes the working copy, with its entries and settings; the collection window
// shows it. A file that cannot be read, or has no section of the current mode, is reported and
// changes nothing: name, working copy and table stay.
Status openCollection(ProgramContext& ctx, const std::string& path);

// "&Speichern" (`useold`) and "Speichern &unter...": the working copy into a file, the file's
// previous version kept beside it with ".tmp" appended. A failure is shown before it is handed
// on; a cancelled file dialog fails too, without a message.
Status colsave(ProgramContext& ctx, bool useold);

} // namespace vestrano
