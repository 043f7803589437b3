#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/points_of_interest.h"
#include "app/interpretall.h"
#include "plot/scale.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"

namespace vestrano {

// Terms interpreted as the term window would.
class TermsFixture : public ::testing::Test {
  protected:
    PlotState state;
    ScriptedUi ui;

    void terms(const std::string& f, const std::string& g = "", const std::string& h = "") {
        state.slots[0].text = f;
        state.slots[1].text = g;
        state.slots[2].text = h;
        interpretall(state, ui);
    }
};

// The terms analysed over a chosen x interval.
class PointsFixture : public TermsFixture {
  protected:
    PointsFixture() {
        state.view.picw = 24000;
        state.view.pich = 15000;
    }

    void param(const std::string& name, double value) {
        for (ParamEntry& p : state.params) {
            if (p.parname == name) {
                p.parvalue = value;
                state.engine.ucSetVariableValueDbl(p.parhandle, value);
                return;
            }
        }
        ADD_FAILURE() << "no parameter " << name;
    }

    PointsResult find(double xmin, double xmax) {
        state.view.xmin = xmin;
        state.view.xmax = xmax;
        setscale(state);
        return findPoints(state, xmin, xmax);
    }

    static std::vector<PointOfInterest> only(const PointsResult& r, const std::string& graph,
                                             PointKind kind) {
        std::vector<PointOfInterest> out;
        for (const PointOfInterest& p : r.points) {
            if (p.graph == graph && p.kind == kind) {
                out.push_back(p);
            }
        }
        return out;
    }

    static std::vector<double> xs(const std::vector<PointOfInterest>& points) {
        std::vector<double> out;
        for (const PointOfInterest& p : points) {
            out.push_back(p.x);
        }
        return out;
    }
};

} // namespace vestrano
