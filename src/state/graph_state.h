#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/once_messages.h"

namespace vestrano {

// Reused between redraws so that sampling a graph allocates nothing once the buffers have
// grown to the largest sample count.
struct SampleBuffers {
    std::vector<double> at; // values of the free variable
    std::vector<double> x;  // results, twips
    std::vector<double> y;
    std::vector<int> errx; // engine error code per sample, 0 = none
    std::vector<int> erry;

    void resize(std::size_t n) {
        at.resize(n);
        x.resize(n);
        y.resize(n);
        errx.resize(n);
        erry.resize(n);
    }
};

// A drag of the view by the mouse: the view where it started and the whole pixels the picture
// has moved since. While `keepsBackground`, the background of the start moves along instead of
// being rebuilt at every step.
struct ViewDrag {
    bool active = false;
    bool keepsBackground = false;
    double xmin = 0;
    double ymin = 0;
    double xmu = 0;
    double ymu = 0;
    int dx = 0; // right
    int dy = 0; // down
};

// What the graph window keeps for its drawing routines.
struct GraphState {
    // Per slot: 0 or less joins the samples by lines, more draws dots of that radius (px).
    std::array<double, 3> ltyp{};

    // Set by the redraw for the slot being drawn.
    double curstep = 0;
    int16_t curnx = 0;
    int16_t curnt = 0;
    double curltyp = 0;

    // Clamp limits, twips: a sample beyond them is drawn at the limit at most once in a row.
    double xclip = 0;
    double yclip = 0;

    // Check marks of the display menu items.
    bool mn_helpline = true;
    bool mn_axevis = true;
    bool mn_axname = true;
    bool mn_viewnumb = true;

    // Finiteness limit of the integral functions: accumulation stops where
    // 1/(1+|value|) falls below it.
    std::string inflimit = "1E-10";

    // Messages a drawing routine raised, with the terms they were raised for; a redraw
    // shows a message again only after the terms changed.
    OnceMessages drawingMessages;

    // A note the redraw added to the term window's status line, and the status line as it
    // was without it, so the next redraw can take the note back.
    std::string noteShown;
    std::string statusWithoutNote;
    uint32_t colorWithoutNote = 0;

    SampleBuffers buffers;

    // False until the help-line background is drawn for the current scale.
    bool backgroundValid = false;

    ViewDrag drag;
};

} // namespace vestrano
