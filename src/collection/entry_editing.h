#pragma once

#include <optional>
#include <string>

#include "state/collection_table.h"

namespace vestrano {

struct ProgramContext;
struct PlotState;
class Ui;

constexpr const char* kProtectedMessage = "Dieser Eintrag ist geschützt!";

// The first access to the window: no entry is chosen or waits. The table itself comes with the
// working copy (`colload`).
void loadCollection(ProgramContext& ctx);

// Shows the window and the editing items of the collection menu.
void showcol(ProgramContext& ctx);

// "&Schließen": the working copy is written without marking a change, the window hides.
void closeCollection(ProgramContext& ctx);

// The editing items of the collection menu are shown while the window is.
void ismenuvis(PlotState& state, Ui& ui, bool visible);

// Selects entry i of the list, which applies it; -1 selects nothing.
void selectEntry(ProgramContext& ctx, int i);

// Shows the selected entry in the boxes and applies it; while the program is busy it only
// notes that an entry waits.
void listakt(ProgramContext& ctx);

// An arrow key was released in the list: the entry reached last is applied if one waited.
void arrowReleased(ProgramContext& ctx);

// The boxes go into the selected entry (after a refresh from the plot when `full`), are
// applied and written. A refresh from the plot stops when no entry can take it.
void takeandsave(ProgramContext& ctx, bool full);

// "&Übernehmen": nothing while entries exist and none is selected.
void takeOver(ProgramContext& ctx);

// A click into a detail box, or with none into a width box.
void boxClicked(ProgramContext& ctx, std::optional<DetailBox> box);

// The boxes' texts go into the selected entry unless it is protected.
void intolist(ProgramContext& ctx);

// Every field of the selected entry but its title and long text is rebuilt from the plot and
// written, unless the entry is protected (the user is told).
void allakt(ProgramContext& ctx);

// Field k of the selected entry is rebuilt from the plot, unless the entry is protected (the
// user is told each time).
void addonepre(ProgramContext& ctx, EntryField k);

// The same after a take-over of terms or intervals while the window is shown, then written;
// the protection of an entry is told once, not on every take-over.
void followTakeOver(ProgramContext& ctx, EntryField k);

void newentry(ProgramContext& ctx);

// A new entry from the current plot, selected and written.
void addcol(ProgramContext& ctx);

void clrone(ProgramContext& ctx);
void copyone(ProgramContext& ctx, bool cut);

// "Aus&schneiden": copies, then deletes.
void cutone(ProgramContext& ctx);

// Pastes the clip before the selected entry, or after it, or at the end when none is selected.
void insertClip(ProgramContext& ctx, bool after);

void ren(ProgramContext& ctx);

// True, after the message, when entry i is protected.
bool geschutzt(PlotState& state, Ui& ui, int i);

// The index of the first entry titled exactly `title`.
std::optional<int> findEntry(const PlotState& state, const std::string& title);

// A table read anew: no entry is selected and the boxes are empty.
void emptyBoxes(CollectionWindow& window);

// After a mode switch the window shows no entry of the other mode's section.
void collectionForMode(PlotState& state);

// "Erweiterte Ansicht".
void setExtended(PlotState& state, Ui& ui, bool extended);

// The title of the next paste: "1. Kopie von T" becomes "2. Kopie von T".
std::string nextCopyTitle(const std::string& title);

} // namespace vestrano
