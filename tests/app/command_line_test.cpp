#include "app/command_line.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "app/analysis_command.h"
#include "app/export_entry.h"
#include "app/picture_format.h"
#include "plot/recording_canvas.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "support/scripted_ui.h"

namespace vestrano {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, ExportTakesPictureCollectionEntryAndSize) {
    const auto parsed = parseCommandLine(
        {"--export", "bild.SVG", "s.txt", "--entry", "Kreis", "--size", "640x480"});
    ASSERT_EQ(parsed.reason(), "");
    const CommandLine& line = parsed.value();
    EXPECT_EQ(line.kind, CommandLine::Kind::Export);
    const ExportRequest& r = line.request;
    EXPECT_EQ(std::tie(r.picture, r.collection, r.entry, r.width, r.height),
              std::make_tuple("bild.SVG", "s.txt", "Kreis", 640, 480));
    EXPECT_EQ(parseCommandLine({"s.txt"}).value().kind, CommandLine::Kind::Window);
    EXPECT_EQ(parseCommandLine({"--export", "x.png", "--help"}).value().kind,
              CommandLine::Kind::Help);
    EXPECT_NE(helpText().find("--size BREITExHÖHE"), std::string::npos);
}

TEST(CommandLine, TableTakesCollectionRangeAndEntry) {
    const auto parsed = parseCommandLine({"--from", "-pi", "--table", "s.txt", "--to", "1,5",
                                          "--step", "-0.5", "--entry", "--from"});
    ASSERT_EQ(parsed.reason(), "");
    const CommandLine& line = parsed.value();
    EXPECT_EQ(line.kind, CommandLine::Kind::Table);
    EXPECT_EQ(line.request.collection, "s.txt");
    EXPECT_EQ(line.request.entry, "--from"); // a value is taken as it stands
    EXPECT_EQ(line.table.from, "-pi");
    EXPECT_EQ(line.table.to, "1,5");
    EXPECT_EQ(line.table.step, "-0.5");
    EXPECT_NE(helpText().find("--table SAMMLUNG --from A --to B --step S"), std::string::npos);
}

TEST(CommandLine, TablePrintsTheEntrysGraphsOrSaysWhyNot) {
    const std::string sample = VESTRANO_SOURCE_DIR "/tests/data/table_sample.txt";
    const struct {
        Args args;
        int status;
        std::string out, errors;
    } cases[] = {
        // Degrees as the collection's settings say; g from x = a on; h restricted to x <= 60.
        {{"--table", sample, "--from", "0", "--to", "90", "--step", "30"},
         0,
         "x\tf\tg\th\n"
         "0\t0\t\t0\n"
         "30\t0.5\t\t3\n"
         "60\t0.866025403784439\t3.87298334620742\t6\n"
         "90\t1\t6.70820393249937\t\n",
         ""},
        {{"--table", sample, "--from", "a", "--to", "a", "--step", "-1", "--entry", "Grad"},
         0,
         "x\tf\tg\th\n45\t0.707106781186547\t0\t4.5\n",
         ""},
        {{"--table", sample, "--from", "0", "--to", "1", "--step", "0"},
         2,
         "",
         "--step darf nicht 0 sein!\n"},
        {{"--table", sample, "--from", "0", "--to", "1", "--step", "1", "--entry", "Kreis"},
         1,
         "",
         "Der Eintrag \"Kreis\" gehört zum Kurvenplotter; --table rechnet nur mit Funktionen.\n"},
        {{"--table", sample, "--from", "0", "--to", "1", "--step", "1", "--entry", "Ellipse"},
         1,
         "",
         "Die Sammlung \"" + sample + "\" enthält keinen Eintrag \"Ellipse\".\n"},
        {{"--table", "/nirgends.txt", "--from", "0", "--to", "1", "--step", "1"},
         1,
         "",
         "Die Sammlungsdatei \"/nirgends.txt\" kann nicht gelesen werden.\n"},
    };
    for (const auto& c : cases) {
        ScriptedUi ui;
        std::ostringstream out;
        std::ostringstream errors;
        EXPECT_EQ(printValueTable(parseCommandLine(c.args).value(), ui, out, errors), c.status)
            << c.args[3];
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(errors.str(), c.errors);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(CommandLine, PointsTakeACollectionAndAnEntry) {
    const auto parsed = parseCommandLine({"--points", "s.txt", "--entry", "Grad"});
    ASSERT_EQ(parsed.reason(), "");
    EXPECT_EQ(parsed.value().kind, CommandLine::Kind::Points);
    EXPECT_EQ(parsed.value().request.collection, "s.txt");
    EXPECT_EQ(parsed.value().request.entry, "Grad");
    EXPECT_NE(helpText().find("--points SAMMLUNG [--entry TITEL]"), std::string::npos);
}

struct PrintedPoint {
    std::string graph, kind;
    double x, y;
};

// The lines "graph<TAB>kind<TAB>x<TAB>y"; a number with a decimal comma fails to read whole.
std::vector<PrintedPoint> readPoints(const std::string& text) {
    std::vector<PrintedPoint> points;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        PrintedPoint p;
        std::string x, y;
        std::getline(fields, p.graph, '\t');
        std::getline(fields, p.kind, '\t');
        std::getline(fields, x, '\t');
        std::getline(fields, y);
        std::size_t xEnd = 0, yEnd = 0;
        p.x = std::stod(x, &xEnd);
        p.y = std::stod(y, &yEnd);
        EXPECT_TRUE(xEnd == x.size() && yEnd == y.size()) << line;
        points.push_back(p);
    }
    return points;
}

// Degrees as the collection says (a maximum at 90), g only from -50 on (no intersection at
// -90), over the entry's x interval -100..200.
TEST(CommandLine, PointsPrintTheEntrysPointsSortedWithDecimalPoints) {
    const std::string sample = VESTRANO_SOURCE_DIR "/tests/data/points_sample.txt";
    ScriptedUi ui;
    std::ostringstream out;
    std::ostringstream errors;
    ASSERT_EQ(printPoints(parseCommandLine({"--points", sample}).value(), ui, out, errors), 0);
    EXPECT_EQ(errors.str(), "");
    EXPECT_TRUE(ui.messages.empty());
    // Points at the same x (0 and 180 on f) may come in either order, x decides.
    const PrintedPoint expected[] = {
        {"f", "Tiefpunkt", -90, -1},      {"f", "Nullstelle", 0, 0},
        {"f", "Wendepunkt", 0, 0},        {"f", "y-Achsenabschnitt", 0, 0},
        {"f", "Hochpunkt", 90, 1},        {"f", "Nullstelle", 180, 0},
        {"f", "Wendepunkt", 180, 0},      {"g", "Nullstelle", 0, 0},
        {"g", "y-Achsenabschnitt", 0, 0}, {"f,g", "Schnittpunkt", 0, 0},
        {"f,g", "Schnittpunkt", 90, 1},
    };
    const std::vector<PrintedPoint> printed = readPoints(out.str());
    ASSERT_EQ(printed.size(), std::size(expected)) << out.str();
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const PrintedPoint& p = printed[i];
        EXPECT_EQ(p.graph, expected[i].graph) << out.str();
        EXPECT_NEAR(p.x, expected[i].x, 1e-6) << out.str();
        EXPECT_TRUE(i == 0 || p.graph != printed[i - 1].graph || p.x >= printed[i - 1].x);
        const auto same = [&](const PrintedPoint& e) {
            return e.graph == p.graph && e.kind == p.kind && std::abs(e.x - p.x) < 1e-6 &&
                   std::abs(e.y - p.y) < 1e-9;
        };
        EXPECT_TRUE(std::ranges::any_of(expected, same)) << p.graph << ' ' << p.kind;
    }

    const struct {
        Args args;
        std::string error;
    } refused[] = {
        {{"--points", sample, "--entry", "Kreis"},
         "Der Eintrag \"Kreis\" gehört zum Kurvenplotter; --points rechnet nur mit Funktionen.\n"},
        {{"--points", "/nirgends.txt"},
         "Die Sammlungsdatei \"/nirgends.txt\" kann nicht gelesen werden.\n"},
    };
    for (const auto& c : refused) {
        std::ostringstream none;
        std::ostringstream why;
        EXPECT_EQ(printPoints(parseCommandLine(c.args).value(), ui, none, why), 1);
        EXPECT_EQ(none.str(), "");
        EXPECT_EQ(why.str(), c.error);
    }
}

TEST(CommandLine, AWindowOpensOneCollection) {
    EXPECT_EQ(parseCommandLine({}).reason(), "");
    const auto parsed = parseCommandLine({"sammlung.txt"});
    ASSERT_EQ(parsed.reason(), "");
    const CommandLine& file = parsed.value();
    EXPECT_EQ(file.kind, CommandLine::Kind::Window);
    EXPECT_EQ(file.request.collection, "sammlung.txt");
    EXPECT_EQ(parseCommandLine({"-"}).value().request.collection, "-"); // a file named "-"
}

// A wrong call is refused with its German reason; where the usage follows, its first line.
TEST(CommandLine, WrongArgumentsAreNamedInGerman) {
    const std::string exportFiles =
        "Zu --export gehören genau eine Bilddatei und eine Sammlungsdatei.";
    const std::string unknown =
        "Unbekannte Option: --farbe (vestrano --help zeigt die Möglichkeiten)";
    const std::string tableUsage =
        "\nAufruf: vestrano --table SAMMLUNG --from A --to B --step S [--entry TITEL]";
    const std::string tableFile = "Zu --table gehört genau eine Sammlungsdatei." + tableUsage;
    const std::string frames = "--frames muss eine ganze Zahl von 2 bis 1000 sein!";
    const std::string pointsUsage = "\nAufruf: vestrano --points SAMMLUNG [--entry TITEL]";
    std::string help = helpText();
    help.pop_back();
    // Without a command the call opens no window: it fails with the whole help.
    const auto window = [&help](const std::string& error) { return error + "\n\n" + help; };
    const struct {
        Args args;
        std::string reason;
        bool prefix = false;
    } cases[] = {
        {{"--export", "bild.png"}, exportFiles, true},
        {{"--export", "bild.png", "a.txt", "b.txt"}, exportFiles, true},
        {{"--export", "bild.gif", "s.txt"}, unknownFormatText("bild.gif")},
        {{"--export", "bild", "s.txt"}, unknownFormatText("bild"), true},
        {{"--export", "bild.png", "s.txt", "--size"}, "Nach --size fehlt die Größe.", true},
        {{"--export", "bild.png", "s.txt", "--entry"},
         "Nach --entry fehlt der Titel des Eintrags.",
         true},
        {{"--export", "bild.png", "s.txt", "--farbe", "rot"}, unknown, true},
        {{"--export", "l.png", "s.txt", "--animate", "a"}, animationFormatText("l.png")},
        {{"--export", "l.gif", "s.txt", "--animate", "a", "--frames", "0"}, frames},
        {{"--export", "l.gif", "s.txt", "--animate", "a", "--frames", "1001"}, frames},
        {{"--export", "l.gif", "s.txt", "--animate", "a", "--frames", "5,5"}, frames},
        {{"--export", "l.gif", "s.txt", "--animate", "a", "--fps", "0"},
         "--fps muss eine ganze Zahl von 1 bis 50 sein!"},
        {{"--export", "l.gif", "s.txt", "--animate"},
         "Nach --animate fehlt der Name des Parameters."},
        {{"--export", "l.png", "s.txt", "--from", "1"},
         "Die Option --from gilt nur zusammen mit --animate."},
        {{"--export", "l.png", "s.txt", "--bounce"},
         "Die Option --bounce gilt nur zusammen mit --animate."},
        {{"--points", "s.txt", "--animate", "a"},
         "Die Option --animate gilt nur zusammen mit --export."},
        {{"--fps", "5"}, "Die Option --fps gilt nur zusammen mit --export.", true},
        {{"--table", "--from", "0", "--to", "1", "--step", "1"}, tableFile},
        {{"--table", "a.txt", "b.txt", "--from", "0", "--to", "1", "--step", "1"}, tableFile},
        {{"--table", "s.txt", "--from", "0", "--to", "1"},
         "Zu --table fehlt die Option --step." + tableUsage},
        {{"--table", "s.txt", "--step", "1", "--to", "1"},
         "Zu --table fehlt die Option --from." + tableUsage},
        {{"--table", "s.txt", "--from"}, "Nach --from fehlt der Wert."},
        {{"--table", "s.txt", "--entry"}, "Nach --entry fehlt der Titel des Eintrags."},
        {{"--table", "s.txt", "--size", "800x600"},
         "Die Option --size gilt nur zusammen mit --export."},
        {{"--export", "b.png", "s.txt", "--table"},
         "--table und --export lassen sich nicht verbinden."},
        {{"--table", "s.txt", "--farbe", "rot"}, unknown},
        {{"--points"}, "Zu --points gehört genau eine Sammlungsdatei." + pointsUsage},
        {{"--points", "s.txt", "--from", "0"}, "Die Option --from gilt nur zusammen mit --table."},
        {{"--points", "s.txt", "--table"}, "--table und --points lassen sich nicht verbinden."},
        {{"--points", "s.txt", "--export"}, "--points und --export lassen sich nicht verbinden."},
        {{"s.txt", "--step", "1"}, window("Die Option --step gilt nur zusammen mit --table.")},
        {{"--bogus"}, window("Unbekannte Option: --bogus")},
        {{"s.txt", "-x"}, window("Unbekannte Option: -x")},
        {{"--entry", "Kreis"}, window("Die Option --entry gilt nur zusammen mit --export.")},
        {{"s.txt", "--size", "800x600"},
         window("Die Option --size gilt nur zusammen mit --export.")},
        {{"a.txt", "b.txt"}, window("Es kann nur eine Sammlungsdatei geöffnet werden.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const std::string reason = parseCommandLine(c.args).reason();
        EXPECT_EQ(c.prefix ? reason.substr(0, c.reason.size()) : reason, c.reason);
    }
    for (const char* size : {"800", "x600", "800x", "15x600", "800x10001", "8OOx600", "-800x600",
                             "800x600x2", "800 x 600"}) {
        const auto line = parseCommandLine({"--export", "b.png", "s.txt", "--size", size});
        EXPECT_EQ(line.reason(), std::string("Ungültige Größe \"") + size +
                                     "\": erwartet wird BREITExHÖHE in Pixeln, jede Zahl von 16 "
                                     "bis 10000, z. B. 800x600.");
    }
}

// A program made for one export, as the command line makes it.
struct ExportFixture : ::testing::Test {
    PlotState state;
    ScriptedUi ui;
    ProgramContext ctx{state, ui};
    RecordingCanvas metrics;
    ExportRequest request{"bild.png", VESTRANO_SOURCE_DIR "/tests/data/export_sample.txt", "", 400,
                          300};
    std::string prepare() { return prepareExport(ctx, request, metrics).reason(); }
};

TEST_F(ExportFixture, TheFirstEntryIsDrawnInTheRequestedArea) {
    ASSERT_EQ(prepare(), "");
    EXPECT_EQ(state.mode, 0);
    EXPECT_EQ(state.slots[0].text, "a*x^2+c");
    EXPECT_DOUBLE_EQ(state.view.xmin, -5);
    EXPECT_DOUBLE_EQ(state.view.ymax, 6);
    EXPECT_DOUBLE_EQ(state.view.picw, 400 * 15);
    EXPECT_DOUBLE_EQ(state.view.pich, 300 * 15);
    EXPECT_EQ(state.slots[0].anzx, 399); // intervals: one sample per pixel column
    EXPECT_EQ(state.additional.lines.rows.size(), 1u);
    EXPECT_EQ(state.additional.points.rows.size(), 1u);
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ExportFixture, AnEntryOfTheOtherModeSwitchesToIt) {
    request.entry = "Kreis";
    ASSERT_EQ(prepare(), "");
    EXPECT_EQ(state.mode, 1);
    EXPECT_EQ(state.slots[2].text, "sin(2*t)");
    EXPECT_DOUBLE_EQ(state.view.ymin, -1.5);
}

TEST_F(ExportFixture, AMissingFileOrEntryIsTold) {
    request.entry = "Hyperbel";
    EXPECT_EQ(prepare(),
              "Die Sammlung \"" + request.collection + "\" enthält keinen Eintrag \"Hyperbel\".");
    request.collection = "/nirgends/sammlung.txt";
    EXPECT_EQ(prepare(),
              "Die Sammlungsdatei \"/nirgends/sammlung.txt\" kann nicht gelesen werden.");
}

} // namespace
} // namespace vestrano
