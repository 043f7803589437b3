#include "ui/settings/optionslinie.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>

#include <string>

#include "app/settings_menu.h"
#include "settings/option_dialogs.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/main_window/colour_background.h"

namespace vestrano {

namespace {

// Grid rows.
enum class Row { Heads, Width, Colour, XCounts, TCounts, LineType, Limit, Keep };

int gridRow(Row row) {
    return static_cast<int>(row);
}

// The t counts sit under the columns of the slots they belong to (y1, y2).
constexpr int kFirstTCount = kFirstCurveCountParam - kFirstCountParam;
constexpr int kCountBoxes = kFirstLineTypeBox;

std::string indexed(const char* name, int i) {
    return std::string(name) + "_" + std::to_string(i);
}

} // namespace

OptionsLinie::OptionsLinie(ProgramContext& ctx, QMdiArea& mdi)
    : OptionWindow(ctx, mdi, "optionslinie", "Einstellungen zu den Linien",
                   ctx.state.optionBoxes.line.visible) {
    auto* grid = new QGridLayout;
    grid->addWidget(addLabel("widthLabel", "Liniendicke:"), gridRow(Row::Width), 0);
    grid->addWidget(addLabel("colourLabel", "Farbe vom Graph"), gridRow(Row::Colour), 0);
    grid->addWidget(addLabel("xCountLabel", "Anzahl\nx-Werte:"), gridRow(Row::XCounts), 0);
    grid->addWidget(addLabel("tCountLabel", "t-Werte:"), gridRow(Row::TCounts), 0);
    grid->addWidget(addLabel("lineTypeLabel", "Linie:     Wert = 0\nPunkte: Wert > 0"),
                    gridRow(Row::LineType), 0);
    for (int i = 0; i < 3; ++i) {
        buildColumn(*grid, i);
    }
    LineOptionBoxes& boxes = ctx_.state.optionBoxes.line;
    grid->addWidget(addLabel("limitLabel", "numerische Grenze für 1/(1+abs(x)):"),
                    gridRow(Row::Limit), 0, 1, 3);
    grid->addWidget(addBox("Text3", boxes.limit), gridRow(Row::Limit), 3);
    check1_ = new QCheckBox(QString::fromUtf8("konstant lassen"), this);
    check1_->setObjectName("Check1");
    connect(check1_, &QCheckBox::clicked, this,
            [this](bool checked) { ctx_.state.options.keepcounts = checked; });
    grid->addWidget(check1_, gridRow(Row::Keep), 0, 1, 4);

    arrange(grid, {addButton("Command1", "&Übernehmen", [this] { applyLineOptions(ctx_); }),
                   addButton("Command3", "&Voreinstellungen", [this] { lineOptionDefaults(ctx_); }),
                   addCloseButton()});
}

void OptionsLinie::buildColumn(QGridLayout& grid, int i) {
    LineOptionBoxes& boxes = ctx_.state.optionBoxes.line;
    const int column = i + 1;
    command4_[i] =
        addButton(indexed("Command4", i).c_str(), "", [this, i] { chooseSlotColour(ctx_, i); });
    command4_[i]->setToolTip(QString::fromUtf8("Farbe wählen"));
    grid.addWidget(command4_[i], gridRow(Row::Heads), column);
    grid.addWidget(addBox(indexed("Text1", i).c_str(), boxes.width[i]), gridRow(Row::Width),
                   column);

    picture1_[i] = new QLabel(this);
    picture1_[i]->setObjectName(QString::fromStdString(indexed("Picture1", i)));
    picture1_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture1_[i]->setFixedHeight(command4_[i]->sizeHint().height());
    grid.addWidget(picture1_[i], gridRow(Row::Colour), column);

    const auto count = [&](int j, int row) {
        text2_[j] = addBox(indexed("Text2", j).c_str(), boxes.counts[j]);
        grid.addWidget(text2_[j], row, column);
        if (j < kCountBoxes) {
            text2_[j]->installEventFilter(this);
        }
    };
    count(i, gridRow(Row::XCounts));
    if (i > 0) {
        count(kFirstTCount + i - 1, gridRow(Row::TCounts));
    }
    count(kFirstLineTypeBox + i, gridRow(Row::LineType));
}

void OptionsLinie::refresh() {
    OptionWindow::refresh();
    const PlotState& state = ctx_.state;
    const LineOptionBoxes& boxes = state.optionBoxes.line;
    for (int i = 0; i < 3; ++i) {
        command4_[i]->setText(QString::fromStdString(boxes.heads[i]));
        showColour(*picture1_[i], static_cast<uint32_t>(state.style.colors[i]), QPalette::Window);
    }
    for (int j = 0; j < kCountBoxes; ++j) {
        text2_[j]->setEnabled(boxes.countEnabled[j]);
    }
    check1_->setChecked(state.options.keepcounts);
}

// The count's parameter window comes up; the dialog stays in front, the caret in the box.
void OptionsLinie::countClicked(int j) {
    showCountWindow(ctx_, j);
    bringForward();
    text2_[j]->setFocus(Qt::MouseFocusReason);
}

bool OptionsLinie::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int j = 0; j < kCountBoxes; ++j) {
            if (watched == text2_[j]) {
                countClicked(j);
                break;
            }
        }
    }
    return OptionWindow::eventFilter(watched, event);
}

} // namespace vestrano
