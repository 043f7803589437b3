#include <gtest/gtest.h>

#include "app/entry_apply.h"
#include "app/interpretall.h"
#include "app_fixture.h"
#include "collection/entry_build.h"
#include "collection/entry_lines.h"
#include "params/param_arithmetic.h"

namespace vestrano {
namespace {

class EntryFieldsTest : public AppFixture {
  protected:
    CollectionWindow& w = state.collection.window;

    void box(DetailBox b, const std::string& text) { w.box(b) = text; }
};

TEST_F(EntryFieldsTest, TermsCarryVisibilityAndOnlyPositiveWidths) {
    term(0, "x^2");
    term(1, "a*x");
    term(2, "wurzel(x)");
    state.slots[1].visible = false;
    w.dicke = {"2", "0", "5"};
    EXPECT_EQ(addone(state, EntryField::Terms),
              "f(x)=x^2\r\ng(x)=a*x (aus)\r\nh(x)=wurzel(x)\r\n$f2$$h5$");

    std::array<std::string, 3> read{"9", "9", "9"};
    EXPECT_EQ(readandcut(0, read, addone(state, EntryField::Terms)),
              "f(x)=x^2\r\ng(x)=a*x (aus)\r\nh(x)=wurzel(x)");
    EXPECT_EQ(read, (std::array<std::string, 3>{"2", "", "5"}));
    EXPECT_EQ(makeld(0, {"", "", ""}, "f(x)=x"), "f(x)=x");
    EXPECT_EQ(makeld(0, {"3", "", ""}, ""), "");
}

TEST_F(EntryFieldsTest, ParameterLinesSetValueAndTimer) {
    term(0, "a*x+b");
    interpretall(ctx);
    box(DetailBox::Params, "a = 3 (z 0,1)\r\nb=2,5\r\nunbekannt=7");
    EXPECT_TRUE(colget(ctx, DetailBox::Params));
    EXPECT_DOUBLE_EQ(param("a").parvalue, 3);
    EXPECT_DOUBLE_EQ(param("b").parvalue, 2.5);
    EXPECT_EQ(param("a").parmode, 0);
    EXPECT_DOUBLE_EQ(param("a").parstep, 0.1);
    EXPECT_EQ(w.label9, "O.k.");

    box(DetailBox::Params, "a=1 (h2)");
    EXPECT_TRUE(colget(ctx, DetailBox::Params));
    EXPECT_EQ(param("a").parmode, 1);
    EXPECT_NE(addone(state, EntryField::Params).find("\r\na=1 (h2)\r\n"), std::string::npos);
}

// A faulty box stops the take-over there, and the picture still shows what was applied before
// it, in the view in force: the term window says "Ok." about a drawn picture.
TEST_F(EntryFieldsTest, AFaultyBoxStopsTheTakeOverButThePictureFollows) {
    w.txt = {"", "f(x)=a*x", "a=2", "a[5;1]", "x[-3;3]\r\ny[-2;2]", ""};
    colgetall(ctx);
    EXPECT_EQ(w.label9,
              "Eingabefeld \"Parameter-Grenzen\": Untere Grenze muss kleiner als obere Grenze "
              "sein!");
    EXPECT_EQ(w.label9Color, kErrorColor);
    EXPECT_EQ(state.slots[0].text, "a*x");
    EXPECT_DOUBLE_EQ(state.view.xmin, -3);
    EXPECT_DOUBLE_EQ(state.view.ymax, 2);
    EXPECT_DOUBLE_EQ(param("a").parvalue, 2);
    EXPECT_EQ(redrawer.count, 1);
    EXPECT_GT(redrawer.canvas.countLines(state.style.penSpecs[0]), 0u);
    EXPECT_EQ(state.busy, 0);
    EXPECT_TRUE(ui.messages.empty());

    // A bound the engine cannot read as a number: the message, then the terms drawn in the
    // view that was in force.
    redrawer.count = 0;
    redrawer.canvas.events.clear();
    w.txt = {
        "", "f(x)=x^2", "", "", "x[-99999999999999999999999999999999999999999;1E309]\r\ny[-5;5]",
        ""};
    colgetall(ctx);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Unverständliche Eingabe für die obere Grenze vom x-Bereich!");
    EXPECT_EQ(w.label9, "Eingabefeld \"Intervalle\": Syntax-Fehler!");
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_DOUBLE_EQ(state.view.xmin, -3);
    EXPECT_DOUBLE_EQ(state.view.ymax, 2);
    EXPECT_EQ(redrawer.count, 1);
    EXPECT_GT(redrawer.canvas.countLines(state.style.penSpecs[0]), 0u);
    EXPECT_EQ(state.busy, 0);

    // A take-over that starts while a batch is running leaves the batch raised.
    state.busy = 1;
    colgetall(ctx);
    EXPECT_EQ(state.busy, 1);
}

TEST_F(EntryFieldsTest, AFaultyTermBoxLeavesTheShownTermsDrawn) {
    term(0, "x^2");
    interpretall(ctx);
    w.txt = {"", "g(x)=x\r\nk(x)=1", "", "", "", ""};
    colgetall(ctx);
    EXPECT_EQ(redrawer.count, 1);
    EXPECT_FALSE(state.slots[0].engtext.empty());
    EXPECT_FALSE(state.slots[1].engtext.empty());
    EXPECT_GT(redrawer.canvas.countLines(state.style.penSpecs[1]), 0u);
    EXPECT_EQ(state.busy, 0);
}

TEST_F(EntryFieldsTest, FaultyLinesNameTheirBox) {
    box(DetailBox::Intervals, "x[3]");
    EXPECT_FALSE(colget(ctx, DetailBox::Intervals));
    EXPECT_EQ(w.label9, "Eingabefeld \"Intervalle\": Ungültige Intervallangabe!");
    box(DetailBox::Terms, "k(x)=1");
    EXPECT_FALSE(colget(ctx, DetailBox::Terms));
    EXPECT_EQ(w.label9, "Eingabefeld \"Funktionsterme\": Ungültige Zeile!");
    box(DetailBox::Lowers, "uf=1+");
    EXPECT_FALSE(colget(ctx, DetailBox::Lowers));
    EXPECT_EQ(w.label9, "Eingabefeld \"Stammfunktionsgrenzen\": Syntax-Fehler!");
}

TEST_F(EntryFieldsTest, TermBoxSwitchesGraphsAndEmptyBoxesChangeNothing) {
    term(1, "x");
    box(DetailBox::Terms, "g(x)=x^2 (aus)\r\nend\r\nh(x)=7");
    EXPECT_TRUE(colget(ctx, DetailBox::Terms));
    EXPECT_EQ(state.slots[1].text, "x^2");
    EXPECT_FALSE(state.slots[1].visible);
    EXPECT_EQ(state.slots[2].text, "");

    const Viewport before = state.view;
    for (const DetailBox b : {DetailBox::Terms, DetailBox::Params, DetailBox::Bounds,
                              DetailBox::Intervals, DetailBox::Lowers}) {
        box(b, "\r\n");
        EXPECT_TRUE(colget(ctx, b));
    }
    EXPECT_EQ(state.view.xmin, before.xmin);
    EXPECT_EQ(state.slots[1].text, "x^2");
}

} // namespace
} // namespace vestrano
