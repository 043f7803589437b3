#include "settings/settings_file.h"

#include <cmath>

#include "collection/working_copy.h"
#include "settings/defaults.h"
#include "settings/settings_keys.h"
#include "settings_fixture.h"
#include "terms/evaltext.h"

namespace vestrano {
namespace {

using SettingsFile = SettingsFixture;

constexpr const char* kDefaults =
    "[Vestrano]\r\nldickef= 1\r\nldickeg= 1\r\nldickeh= 1\r\nwmass= 1\r\nautoi= 0\r\n"
    "anzxf= 499\r\nanzxg= 499\r\nanzxh= 499\r\nanzt1= 499\r\nanzt2= 499\r\nstartx= 0\r\n"
    "starty= 0\r\nstepx= .5\r\nstepy= .5\r\nhminx= 10\r\nhminy= 10\r\nhmaxx= 40\r\nhmaxy= 40\r\n"
    "kommax= 2\r\nkommay= 2\r\nzoomx= 1.5\r\nzoomy= 1.5\r\nastil= 2\r\nfontz= 12\r\n"
    "fontxy= 16\r\ncalc= 3\r\nhelpcol= 210\r\nfcol= 16732240\r\ngcol= 2662400\r\nhcol= 255\r\n"
    "acol= 5242960\r\nltyp1= 0\r\nltyp2= 0\r\nltyp3= 0\r\npsort=-1\r\n\r\n"
    "[Funktionenplotter]\r\n\r\n[Kurvenplotter]\r\n\r\n";

TEST_F(SettingsFile, TheDefaultsInANewWorkingCopyGiveTheKnownTextAtEveryWrite) {
    ASSERT_EQ(colnew(state.files.tmpfile).reason(), "");
    ASSERT_EQ(saveopts(state, state.files.tmpfile).reason(), "");
    EXPECT_EQ(read(state.files.tmpfile), kDefaults);
    // Writing again changes nothing: keys are rewritten where they stand.
    ASSERT_EQ(saveopts(state, state.files.tmpfile).reason(), "");
    EXPECT_EQ(read(state.files.tmpfile), kDefaults);
}

TEST_F(SettingsFile, ValueTextsAndLeadingNumbers) {
    EXPECT_EQ(settingsValueText(1), " 1");
    EXPECT_EQ(settingsValueText(0.5), " .5");
    EXPECT_EQ(settingsValueText(-1), "-1");
    EXPECT_EQ(settingsValueText(-0.25), "-.25");
    EXPECT_EQ(settingsValueText(1e-10), " 1E-10");
    EXPECT_EQ(settingsValueText(1e15), " 1E+15");
    EXPECT_EQ(settingsValueText(16732240), " 16732240");
    EXPECT_EQ(leadingNumber(settingsValueText(1.0 / 3)), 1.0 / 3); // not cut to 15 digits
    EXPECT_EQ(leadingNumber("  12abc"), 12);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-.5"), -0.5);
    EXPECT_EQ(leadingNumber("1E-3x"), 0.001);
    EXPECT_EQ(leadingNumber("2E"), 2);
    EXPECT_EQ(leadingNumber("1,5"), 1);
    EXPECT_TRUE(std::isnan(leadingNumber("1E400")));
}

TEST_F(SettingsFile, ASectionWithOneKeyChangesOnlyThatSetting) {
    const SettingsValues before = currentSettings(state);
    write(state.files.tmpfile, "[Vestrano]\r\nstepx= .25\r\n");
    loadopts(ctx, state.files.tmpfile);
    SettingsValues expected = before;
    expected[12] = 0.25;
    EXPECT_EQ(currentSettings(state), expected);
    // A missing file or section changes nothing.
    loadopts(ctx, path("missing.tmp"));
    write(path("other.txt"), "[Kurvenplotter]\r\nstepx= 3\r\n");
    loadopts(ctx, path("other.txt"));
    EXPECT_EQ(currentSettings(state), expected);
}

TEST_F(SettingsFile, ValuesOutsideTheirRangeNeverReachTheDrawing) {
    const SettingsValues before = currentSettings(state);
    const char* bad[] = {"ldickef= 0",   "ldickeg= 40000", "ldickeh=-3",     "wmass= 4",
                         "wmass= 2.5",   "anzxf= 0",       "anzxg= 70000",   "anzt1= 20000",
                         "stepx= 0",     "stepy= abc",     "startx= 1E400",  "starty= NaN",
                         "kommax= 99",   "kommay=-1",      "zoomx= .5",      "zoomy= -2",
                         "astil= 7",     "fontz= 4",       "fontxy= 31",     "calc= 23",
                         "helpcol= 256", "fcol=-1",        "gcol= 16777216", "ltyp1=-1",
                         "hminx=-1",     "hmaxy= 0"};
    for (const char* line : bad) {
        write(state.files.tmpfile, std::string("[Vestrano]\r\n") + line + "\r\n");
        loadopts(ctx, state.files.tmpfile);
        EXPECT_EQ(currentSettings(state), before) << line;
    }
    // Each count is in range, the pair is not: both keep their values.
    write(state.files.tmpfile, "[Vestrano]\r\nhminx= 50\r\nhmaxx= 20\r\n");
    loadopts(ctx, state.files.tmpfile);
    EXPECT_EQ(currentSettings(state), before);
}

TEST_F(SettingsFile, DegreesReadAfterARestartMakeSin90One) {
    write(state.files.tmpfile, "[Vestrano]\r\nwmass= 2\r\n");
    loadopts(ctx, state.files.tmpfile);
    EXPECT_EQ(state.options.anglemode, 2);
    EXPECT_DOUBLE_EQ(evaltext(state.engine, "sin(90)"), 1.0);
}

TEST_F(SettingsFile, EverySettingComesBackFromAFileWeWrote) {
    const SettingsValues chosen{
        3, 2, 7,   3,    -1, 99, 199, 299, 399, 499,  -2.5, 0.75,  0.25,     2,   1, 15, 5, 30,
        0, 4, 2.5, 1.25, 5,  8,  29,  12,  100, 1234, 5678, 65793, 16777215, 0.5, 2, 0,  0};
    applySettings(ctx, chosen);
    ASSERT_EQ(currentSettings(state), chosen);
    ASSERT_EQ(saveopts(state, state.files.tmpfile).reason(), "");
    setdefaults(ctx);
    ASSERT_NE(currentSettings(state), chosen);
    loadopts(ctx, state.files.tmpfile);
    EXPECT_EQ(currentSettings(state), chosen);
    EXPECT_EQ(state.style.colors[0], 1234); // the standard colours are made current
    EXPECT_EQ(state.style.colors[4], 16777215);
}

TEST_F(SettingsFile, EveryByteOutsideTheKeysStaysAsItWas) {
    const std::string head =
        "; made by hand\r\n[Funktionenplotter]\r\n{short:A}\r\nunknown line\r\n\r\n";
    const std::string tail = "\r\n[Kurvenplotter]\r\nx(t)=t\r\n";
    write(state.files.tmpfile, head + "[Vestrano]\r\nmine= 7\r\nfontz= 9\r\n" + tail);
    ASSERT_EQ(saveopts(state, state.files.tmpfile).reason(), "");
    const std::string written = read(state.files.tmpfile);
    ASSERT_TRUE(written.starts_with(head + "[Vestrano]\r\nmine= 7\r\nfontz= 12\r\n")) << written;
    EXPECT_TRUE(written.ends_with("psort=-1\r\n" + tail)) << written;

    // LF-only files keep LF; a file without the section gets it at the end.
    write(path("lf.txt"), "[Kurvenplotter]\nx(t)=t");
    ASSERT_EQ(saveopts(state, path("lf.txt")).reason(), "");
    const std::string lf = read(path("lf.txt"));
    EXPECT_TRUE(lf.starts_with("[Kurvenplotter]\nx(t)=t\n[Vestrano]\nldickef= 1\n")) << lf;
    EXPECT_EQ(lf.find('\r'), std::string::npos);

    // A byte-order mark before the first section line does not hide the section.
    write(path("bom.txt"), "\xEF\xBB\xBF[Vestrano]\r\nfontz= 9\r\n");
    ASSERT_EQ(saveopts(state, path("bom.txt")).reason(), "");
    EXPECT_TRUE(read(path("bom.txt")).starts_with("\xEF\xBB\xBF[Vestrano]\r\nfontz= 12\r\n"));
}

TEST_F(SettingsFile, AFolderWithoutWriteAccessIsReportedAndTheOldFileStays) {
    write(state.files.tmpfile, kDefaults);
    EXPECT_NE(saveopts(state, path("no/such/folder/x.tmp")).reason(), "");
    // Something there that cannot be read is left alone.
    std::filesystem::create_directories(path("lesson.txt/inside"));
    EXPECT_EQ(saveopts(state, path("lesson.txt")).reason(), "Die Datei kann nicht gelesen werden.");
    EXPECT_TRUE(std::filesystem::exists(path("lesson.txt/inside")));
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    state.grid.stepx = 2;
    const std::string reason = saveopts(state, state.files.tmpfile).reason();
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    if (::getuid() != 0) { // root writes anyway
        EXPECT_EQ(reason, "Keine Berechtigung zum Schreiben.");
        EXPECT_EQ(read(state.files.tmpfile), kDefaults);
    }
}

} // namespace
} // namespace vestrano
