#include "analysis/value_table.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/table_rows.h"
#include "analysis/table_text.h"
#include "points_fixture.h"

namespace vestrano {
namespace {

using Rows = std::vector<double>;

class ValueTableTest : public TermsFixture {
  protected:
    Result<Rows> rows(const std::string& from, const std::string& to, const std::string& step) {
        return tableRows(state, ui, {from, to, step});
    }

    ValueTable table(const std::string& from, const std::string& to, const std::string& step) {
        return valueTable(state, ui, rows(from, to, step).value());
    }
};

TEST_F(ValueTableTest, EachBadBoxIsRefusedByName) {
    terms("a*x");
    const std::string tooMany =
        "\"Schrittweite\" ist zu klein: es ergäben sich mehr als 100.000 Zeilen!";
    const struct {
        const char *from, *to, *step, *reason;
    } cases[] = {
        {"", "1", "1", "Unverständliche Eingabe für \"von\"!"},
        {"0", "1+", "1", "Unverständliche Eingabe für \"bis\"!"},
        {"0", "1", "wurzel(-1)", "Unverständliche Eingabe für \"Schrittweite\"!"},
        {"0", "1", "min(1;2", "Unverständliche Eingabe für \"Schrittweite\"!"},
        {"q", "1", "1", "Unverständliche Eingabe für \"von\"!"}, // no such parameter
        {"0", "10^400", "1", "Unverständliche Eingabe für \"bis\"!"},
        {"0", "1", "0", "\"Schrittweite\" darf nicht 0 sein!"},
        {"0", "1", "-0,5",
         "\"Schrittweite\" muss positiv sein, wenn \"von\" kleiner als \"bis\" ist!"},
        {"1", "0", "0,5",
         "\"Schrittweite\" muss negativ sein, wenn \"von\" größer als \"bis\" ist!"},
        {"0", "1", "1E-5", tooMany.c_str()}, // 100 001 rows
        {"-1E308", "1E308", "1E300", tooMany.c_str()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rows(c.from, c.to, c.step).reason(), c.reason) << c.from << " " << c.step;
    }
    EXPECT_TRUE(ui.messages.empty()); // the bracket error is told by the refusal alone
    EXPECT_EQ(tableRows(state, ui, {"0", "1", "0"}, {"--from", "--to", "--step"}).reason(),
              "--step darf nicht 0 sein!");
}

TEST_F(ValueTableTest, RowsRunFromVonTowardsBis) {
    terms("a*x");
    ASSERT_EQ(state.params[kFirstFreeParam].parname, "a");
    state.engine.ucSetVariableValueDbl(state.params[kFirstFreeParam].parhandle, 2);
    const struct {
        const char *from, *to, *step;
        Rows expected;
    } cases[] = {
        {"0", "1", "0,25", {0, 0.25, 0.5, 0.75, 1}},
        {"1", "0", "-0,5", {1, 0.5, 0}},
        {"2", "2", "-1", {2}},
        {"0", "1", "0,3", {0, 0.3, 0.6, 0.8999999999999999}},
        {"a", "2*a", "min(a;3)/2", {2, 3, 4}},
    };
    for (const auto& c : cases) {
        const auto xs = rows(c.from, c.to, c.step);
        ASSERT_EQ(xs.reason(), "");
        EXPECT_EQ(xs.value(), c.expected) << c.from << " " << c.step;
    }
    const auto tenths = rows("0", "1", "0,1").value();
    EXPECT_EQ(tenths.size(), 11u);
    EXPECT_EQ(tenths.back(), 1.0);
    EXPECT_EQ(rows("0", "99999", "1").value().size(), kMostTableRows);
}

std::vector<std::optional<double>> cells(std::initializer_list<std::optional<double>> values) {
    return values;
}

void expectColumn(const ValueColumn& column, const std::string& name,
                  const std::vector<std::optional<double>>& expected, double tolerance) {
    EXPECT_EQ(column.name, name);
    ASSERT_EQ(column.values.size(), expected.size()) << name;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(column.values[i].has_value(), expected[i].has_value()) << name << " row " << i;
        if (expected[i]) {
            EXPECT_NEAR(*column.values[i], *expected[i], tolerance) << name << " row " << i;
        }
    }
}

TEST_F(ValueTableTest, TermsDerivativesAndErrorsAsCells) {
    terms("x^3-2*x", "wurzel(x)", "f'(x)");
    const ValueTable t = table("-1", "1", "0,5");
    EXPECT_EQ(t.x, (Rows{-1, -0.5, 0, 0.5, 1}));
    ASSERT_EQ(t.columns.size(), 3u);
    expectColumn(t.columns[0], "f", cells({1, 0.875, 0, -0.875, -1}), 0);
    expectColumn(t.columns[1], "g", cells({{}, {}, 0, std::sqrt(0.5), 1}), 0);
    // The central quotient, not the drawing's one-sided one (which is off by about 3 * sw).
    expectColumn(t.columns[2], "h", cells({1, -1.25, -2, -1.25, 1}), 1e-9);

    // Far out a periodic function keeps its derivative.
    terms("sin(x)", "f'(x)");
    const ValueTable far = valueTable(state, ui, {0.5, 1e6});
    expectColumn(far.columns[1], "g", cells({std::cos(0.5), std::cos(1e6)}), 1e-9);

    terms("x^3-2*x", "wurzel(x)", "f'(x)");
    state.slots[1].visible = false;
    state.intervals.von[kFirstRestrictionRow] = "0"; // f only from 0 on
    const ValueTable cut = table("-1", "1", "0,5");
    ASSERT_EQ(cut.columns.size(), 2u);
    expectColumn(cut.columns[0], "f", cells({{}, {}, 0, -0.875, -1}), 0);
    EXPECT_EQ(cut.columns[1].name, "h");

    state.mode = 1;
    EXPECT_TRUE(valueTable(state, ui, {0, 1}).columns.empty());
}

TEST_F(ValueTableTest, IntegralFunctionsMatchTheirClosedForms) {
    state.lowerbounds[1] = 0;
    state.lowerbounds[2] = 1;
    terms("cos(x)", "F(x)", "integral(wurzel(x))");
    const ValueTable t = table("4", "-1", "-1");
    ASSERT_EQ(t.columns.size(), 3u);
    expectColumn(t.columns[1], "g",
                 cells({std::sin(4), std::sin(3), std::sin(2), std::sin(1), 0, std::sin(-1)}),
                 1e-13);
    // From 1 down to 0 the integrand exists; below 0 the walk ends. The root's infinite slope
    // at 0 costs digits on the last piece.
    const auto root = [](double x) { return 2.0 / 3 * (std::pow(x, 1.5) - 1); };
    expectColumn(t.columns[2], "h", cells({root(4), root(3), root(2), 0, root(0), {}}), 1e-7);
}

TEST_F(ValueTableTest, TextHasCommasForTheClipboardAndPointsForScripts) {
    const ValueTable t{{-0.5, 2, 1e-20}, {{"f", {1.5, {}, 1.0 / 3}}, {"g", {-0.0, 1e20, {}}}}};
    EXPECT_EQ(tableText(t, Notation::German), "x\tf\tg\n"
                                              "-0,5\t1,5\t0\n"
                                              "2\t\t1E+20\n"
                                              "1E-20\t0,333333333333333\t\n");
    EXPECT_EQ(tableText(t, Notation::Plain), "x\tf\tg\n"
                                             "-0.5\t1.5\t0\n"
                                             "2\t\t1e+20\n"
                                             "1e-20\t0.333333333333333\t\n");
    EXPECT_EQ(tableText({{0}, {}}, Notation::Plain), "x\n0\n");
}

} // namespace
} // namespace vestrano
