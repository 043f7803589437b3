#include "collection/entry_editing.h"

#include <gtest/gtest.h>

#include "app/lines_window.h"
#include "app/points_window.h"
#include "app/term_input.h"
#include "app_fixture.h"
#include "params/param_arithmetic.h"

namespace vestrano {
namespace {

class EntryEditingTest : public AppFixture {
  protected:
    CollectionWindow& w = state.collection.window;
    std::vector<CollectionEntry>& list = state.collection.entries;

    EntryEditingTest() { showcol(ctx); }

    void add(const std::string& title, const std::string& terms = "", bool isProtected = false) {
        CollectionEntry entry;
        entry.fields[EntryField::Title] = title;
        entry.fields[EntryField::Terms] = terms;
        entry.isProtected = isProtected;
        list.push_back(entry);
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> result;
        for (const CollectionEntry& e : list) {
            result.push_back(e.fields[EntryField::Title]);
        }
        return result;
    }
};

TEST_F(EntryEditingTest, NewEntryTakesTheFirstFreeNumber) {
    add("A");
    add("Neuer Eintrag 3");
    add("B");
    newentry(ctx);
    EXPECT_EQ(list.back().fields[EntryField::Title], "Neuer Eintrag 4");
    EXPECT_TRUE(list.back().fields[EntryField::LongText].starts_with("leer hinzugefügt am "));
    EXPECT_EQ(w.selected, 3);
    EXPECT_EQ(w.label3, " Neuer Eintrag 4");
    EXPECT_TRUE(state.files.colchanged);
}

TEST_F(EntryEditingTest, PastesCountTheCopies) {
    add("T", "f(x)=x");
    selectEntry(ctx, 0);
    copyone(ctx, false);
    for (int i = 0; i < 3; ++i) {
        insertClip(ctx, true);
    }
    EXPECT_EQ(titles(), (std::vector<std::string>{"T", "1. Kopie von T", "2. Kopie von T",
                                                  "3. Kopie von T"}));
    EXPECT_EQ(w.clip[EntryField::Title], "4. Kopie von T");
    EXPECT_EQ(list[2].fields[EntryField::Terms], "f(x)=x");

    selectEntry(ctx, 0);
    cutone(ctx);
    EXPECT_EQ(list.size(), 3u);
    selectEntry(ctx, -1);
    insertClip(ctx, false);
    EXPECT_EQ(list.back().fields[EntryField::Title], "T");
    EXPECT_EQ(w.clip[EntryField::Title], "1. Kopie von T");
}

TEST_F(EntryEditingTest, DeletingSelectsTheNextAndEmptiesAtTheEnd) {
    add("A", "f(x)=1");
    add("B", "f(x)=2");
    selectEntry(ctx, 1);
    clrone(ctx);
    EXPECT_EQ(w.selected, 0);
    EXPECT_EQ(state.slots[0].text, "1");
    clrone(ctx);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(w.txt[1], "");
    EXPECT_EQ(w.label3, kNoEntryLabel);
    clrone(ctx); // nothing selected, nothing happens
}

TEST_F(EntryEditingTest, RenameNeedsMoreThanBlanks) {
    add("Alt");
    selectEntry(ctx, 0);
    ui.inputs = {"   ", std::nullopt, " Neu"};
    ren(ctx);
    ren(ctx);
    EXPECT_EQ(list[0].fields[EntryField::Title], "Alt");
    ren(ctx);
    EXPECT_EQ(list[0].fields[EntryField::Title], " Neu");
    EXPECT_EQ(w.label3, "  Neu");
    EXPECT_EQ(ui.dialogTitles.back(), "Umbenennung der Kurzbeschreibung:");
}

TEST_F(EntryEditingTest, ProtectedEntriesAreToldOncePerCommandAndStay) {
    add("P", "f(x)=x^3", true);
    selectEntry(ctx, 0);
    EXPECT_TRUE(w.label7);
    EXPECT_EQ(w.selentry, -1);
    term(0, "x");
    allakt(ctx);
    EXPECT_EQ(ui.messages,
              (Messages{{"Dieser Eintrag ist geschützt!", "Hinweis!", MessageIcon::Exclamation}}));
    takeandsave(ctx, true);
    EXPECT_EQ(ui.messages.size(), 2u);
    cutone(ctx);
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(w.clip[EntryField::Title], "P");
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].fields[EntryField::Terms], "f(x)=x^3");

    // Taking over terms on every click tells about the protection once.
    findandgetpre(ctx, true);
    findandgetpre(ctx, true);
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(list[0].fields[EntryField::Terms], "f(x)=x^3");

    ui.messages.clear();
    w.txt[1] = "f(x)=x^4";
    takeOver(ctx);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(state.slots[0].text, "x^4");
    EXPECT_EQ(list[0].fields[EntryField::Terms], "f(x)=x^3");
}

TEST_F(EntryEditingTest, TakeOverKeepsTheBoxesAndFollowsTermInput) {
    add("A", "f(x)=x");
    add("B", "f(x)=2*x");
    takeOver(ctx); // entries exist, none selected
    EXPECT_FALSE(state.files.colchanged);

    selectEntry(ctx, 1);
    w.box(DetailBox::Terms) = "f(x)={x+1}";
    w.dicke[0] = "4";
    boxClicked(ctx, DetailBox::Terms);
    EXPECT_EQ(list[1].fields[EntryField::Terms], "f(x)=(x+1)\r\n$f4$");
    EXPECT_EQ(state.slots[0].text, "(x+1)");

    term(0, "x^2");
    findandgetpre(ctx, true);
    EXPECT_EQ(list[1].fields[EntryField::Terms], "f(x)=x^2\r\ng(x)=\r\nh(x)=\r\n$f4$");
}

TEST_F(EntryEditingTest, SelectionWhileBusyWaitsForTheKeyRelease) {
    add("A", "f(x)=1");
    add("B", "f(x)=2");
    state.busy = 1;
    selectEntry(ctx, 1);
    EXPECT_TRUE(state.collection.pending);
    state.busy = 0;
    arrowReleased(ctx);
    EXPECT_FALSE(state.collection.pending);
    EXPECT_EQ(state.slots[0].text, "2");
}

TEST_F(EntryEditingTest, AddedEntryBringsThePlotBack) {
    term(0, "a*x");
    findandget(ctx, true);
    double a = 4;
    setpar(ctx, paramSlot("a"), a);
    addcol(ctx);
    EXPECT_EQ(list[0].fields[EntryField::Title], "Eintrag 1");
    EXPECT_NE(list[0].fields[EntryField::Params].find("\r\na=4"), std::string::npos);
    term(0, "b*x");
    findandget(ctx, true);
    selectEntry(ctx, 0);
    EXPECT_EQ(state.slots[0].text, "a*x");
    EXPECT_DOUBLE_EQ(param("a").parvalue, 4);
}

TEST_F(EntryEditingTest, TakingOverLinesAndPointsUpdatesTheSelectedEntry) {
    add("T", "f(x)=x");
    selectEntry(ctx, 0);
    state.additional.lines.input = "y=2*x+1";
    asytaste(ctx);
    EXPECT_NE(list[0].fields[EntryField::Lines].find("y=2*x+1"), std::string::npos);
    state.additional.points.input = "P(1;2)";
    taste(ctx);
    EXPECT_NE(list[0].fields[EntryField::Points].find("P(1;2)"), std::string::npos);
}

// A protected entry keeps its fields; its boxes once came back over the terms the user had
// typed whenever a line or point was taken over.
TEST_F(EntryEditingTest, TakingOverLinesKeepsTheTypedTermsWhenTheEntryIsProtected) {
    add("P", "f(x)=x^3", true);
    selectEntry(ctx, 0);
    term(0, "sin(x)");
    findandget(ctx, true);
    state.additional.lines.input = "y=2*x+1";
    asytaste(ctx);
    EXPECT_EQ(state.slots[0].text, "sin(x)");
    EXPECT_EQ(list[0].fields[EntryField::Terms], "f(x)=x^3");
    EXPECT_EQ(list[0].fields[EntryField::Lines], "");
    state.additional.points.input = "P(1;2)";
    taste(ctx);
    EXPECT_EQ(state.slots[0].text, "sin(x)");
    EXPECT_EQ(list[0].fields[EntryField::Points], "");
}

// Selecting an entry once left its lines and points out of the windows' lists, so they were
// never drawn.
TEST_F(EntryEditingTest, ASelectedEntryBringsItsLinesAndPointsIntoThePicture) {
    add("Mit Geraden", "f(x)=x^2");
    list.back().fields[EntryField::Lines] = "c=255:y=2*x\r\nx=1";
    list.back().fields[EntryField::Points] = "P(1;1):0:0:0";
    selectEntry(ctx, 0);
    ASSERT_EQ(state.additional.lines.rows.size(), 2u);
    EXPECT_EQ(state.additional.lines.rows[0].color, 255);
    ASSERT_EQ(state.additional.points.rows.size(), 1u);
    redrawer.canvas.events.clear();
    redrawer.redraw();
    const auto& events = redrawer.canvas.events;
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const auto& e) {
        return e.kind == RecordingCanvas::Kind::FillEllipse;
    }));
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const auto& e) {
        return e.kind == RecordingCanvas::Kind::SelectPen && e.pen.color == 255;
    }));
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}

} // namespace
} // namespace vestrano
