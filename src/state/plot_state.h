#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/expr_engine.h"
#include "state/additional_windows.h"
#include "state/calc_texts.h"
#include "state/collection_table.h"
#include "state/curve_points.h"
#include "state/drawing_style.h"
#include "state/graph_state.h"
#include "state/interval_window.h"
#include "state/once_messages.h"
#include "state/option_boxes.h"
#include "state/viewport.h"
#include "state/window_layout.h"

namespace vestrano {

constexpr int kSlotCount = 3;

// The parameter table: the integral lower bounds "uf", "ug", "uh", the sample counts "anzf",
// "anzg", "anzh", "anzy1", "anzy2", then the free parameters found in the terms.
constexpr int kParamCount = 29;
constexpr int kFirstCountParam = 3;
constexpr int kFirstCurveCountParam = 6; // "anzy1", "anzy2": curve mode only
constexpr int kLastCountParam = 7;
constexpr int kFirstFreeParam = 8;

constexpr uint32_t rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 |
           static_cast<uint32_t>(b) << 16;
}
constexpr uint32_t kButtonFaceColor = rgb(240, 240, 240);
constexpr uint32_t kErrorColor = rgb(150, 0, 0);

// One of the three term slots (f, g, h or x, y1, y2).
struct TermSlot {
    std::string text;      // as typed in the term window
    std::string taken;     // the text as the last interpretation read it
    bool visible = true;   // the slot's check box
    std::string engtext;   // converted term as the engine sees it; empty = nothing to draw
    std::string integrand; // integral marker
    int16_t ldicke = 1;    // line width
    int32_t prevcolor = -1;
    int16_t anzx = 499; // sampling intervals in function mode
    int16_t anzt = 499; // sampling intervals in curve mode
    std::array<int32_t, 2> drawrange{0, 0};
};

constexpr uint32_t kParamValueColor = rgb(255, 255, 192); // light yellow
constexpr uint32_t kFixedValueColor = rgb(255, 192, 128); // light orange: slots 0..7

// What a parameter window shows; the window itself only renders this. Whether its timer
// runs (clock border, text boxes disabled) is read from PlotState::timerlist.
struct ParamWindow {
    bool loaded = false; // closed windows are destroyed and loaded again on next use
    bool visible = false;
    std::string caption;
    std::string lowerText, upperText, valueText;
    int barpos = 0;            // 0..1000
    bool setting = false;      // a program-made bar move is in progress
    bool boundsLocked = false; // integral lower bounds: the interval gives the bounds
    uint32_t valueColor = kParamValueColor;
    int left = 0; // twips, in the main window's client area
    int top = 0;
    int width = 4740;
    int height = 1250;
};

// One row of the parameter list window.
struct ParamListRow {
    int slot = 0;
    std::string name;
    bool checked = false; // the slot's window is visible
};

// What the parameter list window shows, and its place in twips.
struct ParamListWindow : ChildWindow {
    ParamListWindow() : ChildWindow{{0, 0, 1650, 4140}, false, true} {}
    std::vector<ParamListRow> rows;
    std::string buttonCaption = "&Alle";
    int listHeight = 3660;
};

// One slot of the parameter table.
struct ParamEntry {
    std::string parname;
    int32_t parhandle = -1; // engine variable, -1 = slot unused
    double parvalue = 1.0;
    double parmin = -10.0;
    double parmax = 10.0;
    double parstep = 0.0; // timer step per tick, 0 = no timer
    int32_t parmode = 0;  // 0 wrap around, 1 reverse
    std::string label;    // caption of the fixed slots 0..2
    ParamWindow window;
};

struct EngineHandles {
    int32_t modevar = -1; // "x" or "t"
    int32_t qq = -1;
    int32_t sw = -1;
    int32_t xmu = -1;
    int32_t xmi = -1;
    int32_t ymu = -1;
    int32_t ymi = -1;
};

// Option flags and values of the menus and option dialogs that have no record of their own.
struct Options {
    float anglemode = 1;    // 1 radians, 2 degrees, 3 grads
    uint8_t couplemode = 2; // which mouse buttons couple a parameter
    int16_t calc = 3;       // decimals of the calculator
    uint8_t emfmode = 0;    // how the vector copy is made
    double zoomx = 1.5;     // zoom factors of a click
    double zoomy = 1.5;
    bool keepcounts = false; // line options' "konstant lassen": resizing keeps sample counts
};

// The term window's status line: "Ok." or the errors.
struct StatusLine {
    std::string text;
    uint32_t color = kButtonFaceColor;
};

// The additional lines and points with their display options.
struct AdditionalObjects {
    int16_t linesvisible = -1;
    int16_t astil = 2;
    uint8_t pointflags = 3;
    int16_t pointsize = 15;
    std::string linestext;
    std::string pointstext;
    std::array<std::string, 2> modelines{}; // the lines text of each mode
    LinesWindow lines;                      // the window `Asymptoten`
    PointsWindow points;                    // the window `Punkte`
};

// The collection file, its working copy, and whether it holds unsaved changes.
struct FileNames {
    std::string tmpfile;
    std::string colfile;
    bool colchanged = false;
};

// The one program-wide record; every window reads and writes it.
struct PlotState {
    int16_t mode = 0; // 0 functions of x, 1 curves of t
    std::array<std::string, 2> modenames{"Funktionenplotter", "Kurvenplotter"};

    std::array<TermSlot, kSlotCount> slots{};
    std::array<double, 6> lowerbounds{}; // index mode * 3 + slot, see lowerBound()

    ExprEngine engine;
    EngineHandles handles;
    std::array<ParamEntry, kParamCount> params{};

    int16_t busy = 0;
    // A tick of the parameters' timer is running: a message it shows must not be asked again
    // by the ticks the timer fires while the message is open.
    bool ticking = false;
    Options options;
    int16_t activepar = -1;
    int16_t parawidth = 4740;
    CalcTexts calculator;
    Viewport view;       // world intervals and their scale on the drawing area
    HelpLines grid;      // help-line steps and label formats
    DrawingStyle style;  // pens, fonts and colours
    GraphState graph;    // the graph window's drawing state
    WindowLayout layout; // the main window's client area and its arranged children

    // Check marks of the main menu, the program's option flags.
    struct MenuFlags {
        bool spal = false;       // parameter list shown
        bool pardock = true;     // parameter windows arranged
        bool autoint = false;    // integral functions detected automatically
        bool zoomtoggle = false; // "Zoom sperren": clicks leave the view alone
        bool dock = true;        // child windows follow the main window's size
    } menu;
    bool timerEnabled = false; // the main window's animation timer

    StatusLine status;
    // Messages the interpretation showed, for the texts they were raised for.
    OnceMessages inputMessages;

    AdditionalObjects additional;
    std::string intervaltext;
    IntervalWindow intervals; // the intervals window
    FileNames files;
    CollectionTable collection; // the entries of the current mode
    OptionBoxes optionBoxes;    // the three option dialogs
    std::string timerlist;      // one character per running parameter timer: its slot number
    ParamListWindow paramlist;
    CurvePoints curvePoints;

    // Track-size limits in pixels (0 = none): min width, max width, min height, max height.
    std::array<int32_t, 4> tracklimits{};
};

// The sampling intervals behind count slot s, kFirstCountParam..kLastCountParam: `anzx` of
// f, g, h, then `anzt` of y1 and y2.
int16_t& countIntervals(PlotState& state, int s);
int16_t countIntervals(const PlotState& state, int s);

// Sampling points of the graph behind count slot s.
double countValue(const PlotState& state, int s);

// The integral lower bound of `slot` in the current mode.
double& lowerBound(PlotState& state, int slot);
double lowerBound(const PlotState& state, int slot);

// The texts of the slot-name table; a text that exists per slot is followed by the slot's.
enum class SlotText {
    Variable,             // "x" or "t"
    CallPrefix,           // "f(x", "g(x": slots 0 and 1, without the closing bracket
    Function = 3,         // "f(x)", "g(x)", "h(x)": the engine's names, the labels in messages
    DerivativePrefix = 6, // "f'(", "g'(": slots 0 and 1
    Integral = 8,         // "F(x)", the integral function
    ShortName = 9,        // "f", "g", "h"
};
const std::string& slotName(int mode, SlotText text, int slot = 0);

// The key texts of the collection file; a key that exists per slot or row is followed by the
// next one's. The term keys are the slot functions' names and "=", see slotName().
enum class CollectionKey {
    EndOfEntry = 1,    // "}"
    EndOfReading,      // "["
    Title,             // "short:"
    LongText,          // "long:"
    Interval = 8,      // "x[", "y[", "t[", then the display limits
    DisplayLimit = 11, // "Df[", "Dg[", "Dh["
    LowerBound = 14,   // "uf=", "ug=", "uh="
    Lines = 17,        // "asy="
    Points,            // "Punkte="
    Widths,            // "$"
};
const std::string& collectionKey(CollectionKey key, int offset = 0);

} // namespace vestrano
