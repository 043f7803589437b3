#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSvgRenderer>

#include <filesystem>
#include <sstream>

#include "app/command_line.h"
#include "app/picture_format.h"
#include "lines/additional_drawing.h"
#include "lines/line_list.h"
#include "lines/point_list.h"
#include "plot/recording_canvas.h"
#include "plot/redraw.h"
#include "settings/text_file.h"
#include "support/emf_records.h"
#include "support/temp_folder.h"
#include "ui/plot/export_run.h"
#include "window_fixture.h"

namespace vestrano {
namespace {

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

int lineCalls(const RecordingCanvas& canvas) {
    return static_cast<int>(std::count_if(canvas.events.begin(), canvas.events.end(), [](auto& e) {
        return e.kind == RecordingCanvas::Kind::MoveTo || e.kind == RecordingCanvas::Kind::LineTo;
    }));
}

int lineRecords(const std::vector<EmfRecord>& records) {
    return static_cast<int>(std::count_if(records.begin(), records.end(), [](auto& r) {
        return r.type == 27 || r.type == 54; // move to, line to
    }));
}

// A graph with a help line, an additional line and a point, and a working copy in a folder.
class GraphExport : public Windows {
  protected:
    TempFolder temp;
    const std::filesystem::path folder = temp.folder;

    GraphExport() {
        state().files.tmpfile = (folder / "vestrano.tmp").string();
        enterTerm(0, "x^2/4-3");
        enterTerm(1, "sin(x)");
        state().additional.modelines[0] = "y=x-1";
        text2list(state());
        readlist(state(), dialogs);
        makeliste(state(), "P(1;2)", dialogs);
        graphForm().redraw();
    }

    std::string path(const char* name) const { return (folder / name).string(); }
};

TEST_F(GraphExport, TheVectorCopyPutsEveryFormatOnTheClipboardAndKeepsTheMetafile) {
    const QImage before = rgb(graphForm().picture());
    trigger("mn_emf");
    EXPECT_EQ(rgb(graphForm().picture()), before) << "the screen shows the graph again";

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    for (const char* format : {R"(application/x-openoffice-emf;windows_formatname="Image EMF")",
                               R"(image/svg+xml;windows_formatname="image/svg+xml")",
                               "image/svg+xml", "image/x-emf", "image/png"}) {
        EXPECT_FALSE(data->data(format).isEmpty()) << format;
    }
    QSvgRenderer svg(data->data("image/svg+xml"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox().size(), before.size());

    const auto file = readWholeFile(state().files.tmpfile + ".emf");
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.value(), data->data("image/x-emf").toStdString());
    const std::vector<EmfRecord> records = emfRecords(file.value());
    ASSERT_FALSE(records.empty());
    // The frame is the drawing area in 0.01 mm.
    const Viewport& v = state().view;
    EXPECT_EQ(i32(records.front().body, 24), std::lround(v.picw / 0.567));
    EXPECT_EQ(i32(records.front().body, 28), std::lround(v.pich / 0.567));

    // The same drawing as the screen's, background included.
    RecordingCanvas screen;
    redrawall(state(), screen, dialogs, drawAdditional);
    EXPECT_GT(lineCalls(screen), 2 * before.width());
    EXPECT_EQ(lineRecords(records), lineCalls(screen));

    // A metafile that cannot be kept is told; the clipboard has the picture all the same.
    QGuiApplication::clipboard()->clear();
    state().files.tmpfile = path("fehlt/vestrano.tmp");
    trigger("mn_emf");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              notWrittenText(path("fehlt/vestrano.tmp.emf"), "Der Ordner existiert nicht."));
    ASSERT_NE(QGuiApplication::clipboard()->mimeData(), nullptr);
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->data("image/x-emf").isEmpty());
}

TEST_F(GraphExport, TheBitmapCopyIsThePictureAsShownAndNothingElse) {
    trigger("mn_copytoclip");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{"image/png"});
    EXPECT_EQ(rgb(QImage::fromData(data->data("image/png"))), rgb(graphForm().picture()));
}

TEST_F(GraphExport, SavedPicturesMatchTheScreenAndFailuresNameTheFile) {
    const QImage screen = rgb(graphForm().picture());
    const std::string unwritable = path("fehlt/bild.emf");
    dialogs.fileNames = {path("bild.png"), path("bild.svg"), path("bild.PDF"), unwritable,
                         path("bild.gif")};
    for (int i = 0; i < 5; ++i) {
        trigger("mn_savegraph");
    }
    EXPECT_EQ(rgb(QImage(QString::fromStdString(path("bild.png")))), screen);
    EXPECT_TRUE(QSvgRenderer(QString::fromStdString(path("bild.svg"))).isValid());
    EXPECT_EQ(readWholeFile(path("bild.PDF")).value_or("").substr(0, 5), "%PDF-");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, notWrittenText(unwritable, "Der Ordner existiert nicht."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[1].text, unknownFormatText(path("bild.gif")));
    EXPECT_EQ(rgb(graphForm().picture()), screen);
}

TEST(ExportCommand, AnEntryIsDrawnIntoEveryFormatOrTheReasonIsTold) {
    const TempFolder temp;
    const auto& folder = temp.folder;
    ExportRequest request{"", VESTRANO_SOURCE_DIR "/tests/data/export_sample.txt", "Kreis", 400,
                          300};
    std::ostringstream errors;
    for (const char* name : {"k.png", "k.svg", "k.emf", "k.pdf"}) {
        request.picture = (folder / name).string();
        EXPECT_EQ(exportPicture(request, errors), 0) << name;
    }
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(QImage(QString::fromStdString((folder / "k.png").string())).size(), QSize(400, 300));
    const auto emf = readWholeFile((folder / "k.emf").string());
    ASSERT_TRUE(emf.ok());
    EXPECT_EQ(i32(emfRecords(emf.value()).front().body, 24), std::lround(400 * 15 / 0.567));

    request.entry = "Hyperbel";
    EXPECT_NE(exportPicture(request, errors), 0);
    EXPECT_NE(errors.str().find("enthält keinen Eintrag \"Hyperbel\""), std::string::npos);
    request.entry.clear();
    request.picture = (folder / "fehlt" / "k.png").string();
    EXPECT_NE(exportPicture(request, errors), 0);
    EXPECT_NE(errors.str().find(notWrittenText(request.picture, "Der Ordner existiert nicht.")),
              std::string::npos);
}

} // namespace
} // namespace vestrano
