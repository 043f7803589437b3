#include "settings/option_dialogs.h"

#include "app/settings_menu.h"
#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "settings/defaults.h"
#include "settings/graph_options.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "settings_fixture.h"

namespace vestrano {
namespace {

using OptionDialogs = SettingsFixture;

struct RefusedInput {
    int box; // 0 = Text1
    const char* text;
    const char* title;
    const char* message;
};

TEST_F(OptionDialogs, HelpLineChecksComeInOrderAndApplyNothing) {
    const RefusedInput cases[] = {
        {1, "0", "Fehler", "Ungültige x-Schrittweite!"},
        {3, "0", "Fehler", "Ungültige y-Schrittweite!"},
        {5, "10", "x-Schrittweite", "Unsinnige Reihenfolge bei der Anzahl!"},
        {6, "40", "y-Schrittweite", "Unsinnige Reihenfolge bei der Anzahl!"},
        {4, "-1", "x-Hilfslinien", "Minimalzahl muss positiv sein!"},
        {6, "-1", "y-Hilfslinien", "Minimalzahl muss positiv sein!"},
        {8, "11", "Stellengenauigkeit für x", "Stellenzahl muss zwischen 1 und 10 liegen!"},
        {9, "-1", "Stellengenauigkeit für y", "Stellenzahl muss zwischen 1 und 10 liegen!"},
        {10, "4", "Schriftgröße der Zahlen", "Schriftgröße muss zwischen 4 und 31 liegen!"},
        {11, "31", "Schriftgröße der Achsennamen", "Schriftgröße muss zwischen 4 und 31 liegen!"},
        {12, "256", "Hilfslinien-Helligkeit", "Helligkeit muss zwischen 0 und 255 liegen!"},
        {5, "70000", "x-Schrittweite", "Unsinnige Reihenfolge bei der Anzahl!"},
        {2, "1+", "Fehler", "Bei „Startwert der y-Hilfslinien“ steht keine gültige Zahl!"},
    };
    const SettingsValues before = currentSettings(state);
    for (const RefusedInput& c : cases) {
        setdef(state);
        // A later box is wrong too: only the first failing check speaks.
        state.optionBoxes.graph.text[12] = c.box < 12 ? "999" : "256";
        state.optionBoxes.graph.text[c.box] = c.text;
        ui.messages.clear();
        EXPECT_FALSE(applyGraphOptions(ctx)) << c.message;
        EXPECT_EQ(ui.messages, (Messages{{c.message, c.title, MessageIcon::Critical}}));
        EXPECT_EQ(currentSettings(state), before) << c.message;
    }
    EXPECT_FALSE(std::filesystem::exists(state.files.tmpfile));
}

TEST_F(OptionDialogs, HelpLineInputIsTakenStoredAndDrawn) {
    setdef(state);
    auto& text = state.optionBoxes.graph.text;
    text[1] = "0,25";
    text[8] = "0";
    text[10] = "5";
    text[11] = "30";
    text[12] = "100";
    ASSERT_TRUE(applyGraphOptions(ctx));
    EXPECT_EQ(state.grid.stepx, 0.25);
    EXPECT_EQ(state.grid.kommax, 0);
    EXPECT_EQ(state.style.fontz, 5);
    EXPECT_EQ(state.style.colors[3], static_cast<int32_t>(rgb(100, 100, 100)));
    EXPECT_EQ(redrawer.count, 1);
    EXPECT_NE(read(state.files.tmpfile).find("stepx= .25\r\n"), std::string::npos);

    graphOptionDefaults(ctx);
    EXPECT_EQ(state.grid.stepx, 0.5);
    EXPECT_EQ(text[1], "0,5");
    EXPECT_NE(read(state.files.tmpfile).find("stepx= .5\r\n"), std::string::npos);
}

TEST_F(OptionDialogs, LineBoxesLeaveBadCountsAndLimitsAlone) {
    setgroptions(ctx);
    LineOptionBoxes& boxes = state.optionBoxes.line;
    EXPECT_EQ(boxes.counts[0], "500");
    boxes.counts[0] = "1";
    boxes.counts[1] = "20001";
    boxes.counts[2] = "20000";
    boxes.counts[4] = "2";
    boxes.width[0] = "0";
    boxes.width[1] = "2,6";
    boxes.width[2] = "breit";
    boxes.counts[5] = "3";
    boxes.counts[6] = "-1";
    boxes.limit = "1";
    applyLineOptions(ctx);
    const auto& s = state.slots;
    EXPECT_EQ(std::vector<int>({s[0].anzx, s[1].anzx, s[2].anzx, s[2].anzt}),
              std::vector<int>({499, 499, 19999, 1}));
    EXPECT_EQ(std::vector<int>({s[0].ldicke, s[1].ldicke, s[2].ldicke}),
              std::vector<int>({1, 3, 1}));
    EXPECT_EQ(state.graph.ltyp[0], 3);
    EXPECT_EQ(state.graph.ltyp[1], 0);
    EXPECT_EQ(state.graph.inflimit, "1E-10");
    // The count parameter of h shows the new count.
    EXPECT_EQ(state.params[kFirstCountParam + 2].parvalue, 20000);
    EXPECT_EQ(redrawer.count, 1);
    EXPECT_NE(read(state.files.tmpfile).find("anzxh= 19999\r\n"), std::string::npos);

    // A limit typed with a decimal comma goes into the integral test in the engine's form.
    boxes.limit = "0,001";
    takedicke(ctx);
    EXPECT_EQ(state.graph.inflimit, "0.001");
    boxes.limit = "0";
    takedicke(ctx);
    EXPECT_EQ(state.graph.inflimit, "0.001");

    // A count set in its parameter window shows in the dialog's box.
    double count = 300;
    setpar(ctx, kFirstCountParam + 4, count);
    EXPECT_EQ(boxes.counts[4], "300");
    EXPECT_EQ(state.slots[2].anzt, 299);
}

TEST_F(OptionDialogs, AColourIsChosenOrLeftAlone) {
    ui.colors = {std::nullopt, rgb(1, 2, 3)};
    chooseSlotColour(ctx, 1);
    EXPECT_EQ(state.style.colors[1], 2662400);
    EXPECT_EQ(redrawer.count, 0);
    chooseSlotColour(ctx, 1);
    EXPECT_EQ(ui.colorsOffered, (std::vector<uint32_t>{2662400, 2662400}));
    EXPECT_EQ(state.style.colors[1], static_cast<int32_t>(rgb(1, 2, 3)));
    EXPECT_EQ(state.style.stdcolors[1], static_cast<int32_t>(rgb(1, 2, 3)));
    EXPECT_EQ(state.style.penSpecs[1].color, static_cast<int32_t>(rgb(1, 2, 3)));
    EXPECT_EQ(redrawer.count, 1);
}

TEST_F(OptionDialogs, ZoomFactorsAreRefusedEachOnItsOwn) {
    setval(state);
    EXPECT_EQ(state.optionBoxes.zoom.x, "1,5");
    state.optionBoxes.zoom.x = "0,5";
    state.optionBoxes.zoom.y = "2";
    applyZoomOptions(ctx);
    EXPECT_EQ(ui.messages,
              (Messages{{"ungültiger Zoomfaktor in x-Richtung!", "Vestrano", MessageIcon::None}}));
    EXPECT_EQ(state.options.zoomx, 1.5);
    EXPECT_EQ(state.options.zoomy, 2);
    EXPECT_NE(read(state.files.tmpfile).find("zoomy= 2\r\n"), std::string::npos);

    // Settings that cannot reach the working copy are told, with the reason.
    state.files.tmpfile = path("fehlt/vestrano.tmp");
    state.optionBoxes.zoom.x = "3";
    applyZoomOptions(ctx);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text,
              settingsNotSavedText(state.files.tmpfile, "Der Ordner existiert nicht."));
    EXPECT_EQ(ui.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.options.zoomx, 3);
}

TEST_F(OptionDialogs, DefaultsFromTheMenuUndoEveryChangeAndAreWritten) {
    const SettingsValues defaults = currentSettings(state);
    state.grid.stepx = 3;
    state.slots[0].ldicke = 7;
    state.slots[1].anzx = 99;
    state.style.ldickeovr[2] = 4;
    state.options.zoomy = 4;
    state.options.anglemode = 2;
    state.style.stdcolors[0] = 0;
    restoreDefaultsMenu(ctx);
    EXPECT_EQ(currentSettings(state), defaults);
    EXPECT_EQ(state.style.ldickeovr[2], -1);
    EXPECT_EQ(state.params[kFirstCountParam + 1].parvalue, 500);
    EXPECT_NE(read(state.files.tmpfile).find("ldickef= 1\r\n"), std::string::npos);

    // "Einstellungen speichern" reaches the open collection too, and says when it cannot.
    state.files.colfile = path("lesson.txt");
    saveSettingsMenu(ctx);
    EXPECT_NE(read(path("lesson.txt")).find("[Vestrano]\r\nldickef= 1\r\n"), std::string::npos);
    state.files.colfile = path("missing/lesson.txt");
    saveSettingsMenu(ctx);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("missing/lesson.txt"), std::string::npos);
}

} // namespace
} // namespace vestrano
