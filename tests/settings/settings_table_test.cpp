#include "settings/settings_file.h"

#include "settings_fixture.h"

namespace vestrano {
namespace {

using SettingsTable = SettingsFixture;

// Every key lands in its own field: a row pointing at a neighbour's field would still read
// back what it wrote, so the fields are looked at by name.
TEST_F(SettingsTable, EveryKeyReachesItsOwnField) {
    write(state.files.tmpfile,
          "[Vestrano]\r\nldickef= 2\r\nldickeg= 3\r\nldickeh= 4\r\nwmass= 3\r\nautoi=-1\r\n"
          "anzxf= 101\r\nanzxg= 102\r\nanzxh= 103\r\nanzt1= 104\r\nanzt2= 105\r\n"
          "startx= 1.5\r\nstarty= 2.5\r\nstepx= .25\r\nstepy= .75\r\nhminx= 3\r\nhminy= 4\r\n"
          "hmaxx= 30\r\nhmaxy= 31\r\nkommax= 5\r\nkommay= 6\r\nzoomx= 2\r\nzoomy= 3\r\n"
          "astil= 4\r\nfontz= 9\r\nfontxy= 21\r\ncalc= 7\r\nhelpcol= 99\r\nfcol= 11\r\n"
          "gcol= 12\r\nhcol= 13\r\nacol= 14\r\nltyp1= 1\r\nltyp2= 2\r\nltyp3= 3\r\npsort= 0\r\n");
    loadopts(ctx, state.files.tmpfile);

    const auto& s = state.slots;
    EXPECT_EQ(std::vector<int>({s[0].ldicke, s[1].ldicke, s[2].ldicke}),
              std::vector<int>({2, 3, 4}));
    EXPECT_EQ(std::vector<int>({s[0].anzx, s[1].anzx, s[2].anzx, s[1].anzt, s[2].anzt}),
              std::vector<int>({101, 102, 103, 104, 105}));
    EXPECT_EQ(state.options.anglemode, 3);
    EXPECT_TRUE(state.menu.autoint);
    const HelpLines& g = state.grid;
    EXPECT_EQ(std::vector<double>({g.startx, g.starty, g.stepx, g.stepy}),
              std::vector<double>({1.5, 2.5, 0.25, 0.75}));
    EXPECT_EQ(std::vector<int>({g.hminx, g.hminy, g.hmaxx, g.hmaxy, g.kommax, g.kommay}),
              std::vector<int>({3, 4, 30, 31, 5, 6}));
    EXPECT_EQ(std::vector<double>({state.options.zoomx, state.options.zoomy}),
              std::vector<double>({2, 3}));
    EXPECT_EQ(std::vector<int>({state.additional.astil, state.style.fontz, state.style.fontxy,
                                state.options.calc, state.style.helpcol}),
              std::vector<int>({4, 9, 21, 7, 99}));
    EXPECT_EQ(std::vector<int>({state.style.stdcolors[0], state.style.stdcolors[1],
                                state.style.stdcolors[2], state.style.stdcolors[4]}),
              std::vector<int>({11, 12, 13, 14}));
    EXPECT_EQ(state.graph.ltyp, (std::array<double, 3>{1, 2, 3}));
    EXPECT_FALSE(state.menu.pardock);
}

} // namespace
} // namespace vestrano
