#include "collection/collection_file.h"

#include <filesystem>
#include <optional>

#include "collection/entry_editing.h"
#include "collection/file_encoding.h"
#include "collection/working_copy.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr const char* kProgramTitle = "Vestrano";
constexpr const char* kFilter = "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

void fileError(Ui& ui, const std::string& text) {
    ui.message(text, kProgramTitle, MessageIcon::Exclamation);
}

// Whether `path` exists; a failure, after a message, when that cannot be found out.
Result<bool> existsOrTell(Ui& ui, const std::string& path) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (error) {
        const std::string text = "Die Datei \"" + path + "\" kann nicht geprüft werden.";
        fileError(ui, text);
        return fail(text);
    }
    return exists;
}

Result<std::string> readOrTell(Ui& ui, const std::string& path) {
    auto bytes = readWholeFile(path);
    if (!bytes.ok()) {
        fileError(ui, "Die Datei \"" + path + "\" kann nicht gelesen werden.");
    }
    return bytes;
}

// The collection file the user picks to open; a missing one is made on request.
std::optional<std::string> chooseFileToOpen(Ui& ui) {
    for (;;) {
        const auto chosen = ui.openFileName("Sammlungsdatei öffnen", kFilter);
        if (!chosen) {
            return std::nullopt;
        }
        const auto exists = existsOrTell(ui, *chosen);
        if (!exists.ok()) {
            return std::nullopt;
        }
        if (exists.value()) {
            return chosen;
        }
        if (ui.askYesNo("Diese Datei gibt es noch nicht. Soll sie neu erzeugt werden?",
                        kProgramTitle)) {
            const Status made = colnew(*chosen);
            if (!made.ok()) {
                fileError(ui, "Die Datei \"" + *chosen + "\" kann nicht erzeugt werden.\n" +
                                  made.reason());
                return std::nullopt;
            }
            return chosen;
        }
    }
}

// The file to save into: `colfile` for "&Speichern", else the user's choice.
std::optional<std::string> chooseFileToSave(ProgramContext& ctx, bool useold) {
    const std::string& colfile = ctx.state.files.colfile;
    if (useold && !colfile.empty()) {
        return colfile;
    }
    for (;;) {
        const auto chosen = ctx.ui.saveFileName("Sammlungsdatei speichern", kFilter, colfile);
        if (!chosen) {
            return std::nullopt;
        }
        const auto exists = existsOrTell(ctx.ui, *chosen);
        if (!exists.ok()) {
            return std::nullopt;
        }
        if (!exists.value() ||
            ctx.ui.askYesNo("Diese Datei gibt es bereits. Soll sie überschrieben "
                            "werden?",
                            "Meldung:")) {
            return chosen;
        }
    }
}

// The previous version of a file stays beside it; the file itself is replaced only later, in
// one step, so a failed save still leaves it whole. A backup that fails is told, and the save
// goes on.
void keepBackup(Ui& ui, const std::string& path) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        return;
    }
    const auto previous = readWholeFile(path);
    const Status kept = previous.ok() ? writeFileAtomically(path + ".tmp", previous.value())
                                      : fail("Die bisherige Fassung kann nicht gelesen werden.");
    if (!kept.ok()) {
        fileError(ui, "Die bisherige Fassung von \"" + path + "\" kann nicht als Sicherung \"" +
                          path + ".tmp\" aufbewahrt werden.\n" + kept.reason());
    }
}

std::string fileNameOnly(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

std::string collectionCaption(const std::string& colfile) {
    return colfile.empty() ? "Sammlung: (noch ohne Bezeichnung)"
                           : "Sammlung: " + fileNameOnly(colfile);
}

Status colload(ProgramContext& ctx, const std::string& path, bool withsettings) {
    const auto bytes = readOrTell(ctx.ui, path);
    if (!bytes.ok()) {
        return fail(bytes.reason());
    }
    colread(ctx.state, ctx.ui, decodeFileText(bytes.value()));
    if (withsettings) {
        loadopts(ctx, path);
    }
    return {};
}

void colopen(ProgramContext& ctx) {
    if (ctx.state.files.colchanged &&
        ctx.ui.askYesNo("Die Sammlung ist geändert worden. Soll sie gespeichert werden?",
                        "Achtung!")) {
        // Opening replaces the working copy, the only other home of the unsaved entries: after
        // a failed or cancelled save nothing is opened.
        if (!colsave(ctx, false).ok()) {
            return;
        }
    }
    const auto chosen = chooseFileToOpen(ctx.ui);
    if (chosen) {
        // A file that cannot be opened has been told and changed nothing.
        ignoreResult(openCollection(ctx, *chosen));
    }
}

Status openCollection(ProgramContext& ctx, const std::string& path) {
    FileNames& files = ctx.state.files;
    const auto bytes = readOrTell(ctx.ui, path);
    if (!bytes.ok()) {
        return fail(bytes.reason());
    }
    // A file without the mode's section is no collection: it is refused before it can become
    // the working copy or the file that "Speichern" writes into.
    const Status read = readingError(ctx.state, decodeFileText(bytes.value()));
    if (read.reason() == kNoSectionLine) {
        showReadingError(ctx.ui, read.reason());
        return read;
    }
    if (Status copied = writeOrTell(ctx.ui, files.tmpfile, bytes.value()); !copied.ok()) {
        return copied;
    }
    files.colfile = path;
    // The working copy was just written from these bytes; a failed read of it is told there.
    ignoreResult(colload(ctx, files.tmpfile, true));
    files.colchanged = false;
    showcol(ctx);
    ctx.ui.changed(Change::Collection);
    ctx.state.graph.backgroundValid = false;
    redrawGraph(ctx);
    return {};
}

Status colsave(ProgramContext& ctx, bool useold) {
    PlotState& state = ctx.state;
    const auto chosen = chooseFileToSave(ctx, useold);
    if (!chosen) {
        return fail("Es wurde keine Datei zum Speichern gewählt.");
    }
    const auto workingCopy = readOrTell(ctx.ui, state.files.tmpfile);
    if (!workingCopy.ok()) {
        return fail(workingCopy.reason());
    }
    std::string text =
        replaceProfileSection(decodeFileText(workingCopy.value()), state.modenames[state.mode],
                              sectionText(state.collection.entries));
    text = withSettings(state, text);
    keepBackup(ctx.ui, *chosen);
    if (Status written = writeOrTell(ctx.ui, *chosen, encodeFileText(text)); !written.ok()) {
        return written;
    }
    state.files.colfile = *chosen;
    state.files.colchanged = false;
    ctx.ui.changed(Change::Collection);
    return {};
}

} // namespace vestrano
