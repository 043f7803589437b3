#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "params/arrangement.h"

class QLineEdit;
class QScrollBar;

namespace vestrano {

struct ProgramContext;
class ParaClock;

// The window of one parameter slot: the bound boxes `Text1` and `Text2`, the bar `HScroll1`,
// the value box `Text3` and the clock `Image1`. It shows the slot's ParamWindow and hands
// every user action to the core.
class Para final : public QWidget {
  public:
    Para(ProgramContext& ctx, int slot, QWidget* parent = nullptr);

    int slot() const { return slot_; }
    void render();
    // Places the controls for the window's width, as the core laid them out.
    void placeControls(const ParaLayout& layout);
    // The window is about to go: the focus leaving its boxes then is no entry.
    void detach();

    // A double-click in a bound box laid other windows over this one: bring them forward.
    std::function<void(const std::vector<int>&)> onCascade;
    std::function<void(int slot)> onTimerDialog;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    enum class Box { Lower, Upper, Value };

    void buildControls();
    QLineEdit* makeBox(const char* name, Qt::Alignment alignment);
    void entered(Box which);
    void showText(Box b, const std::string& text);
    void layoutControls();
    std::optional<Box> boxOf(const QObject* object) const;
    QLineEdit* box(Box b) const { return boxes_[static_cast<std::size_t>(b)]; }

    ProgramContext& ctx_;
    int slot_;
    std::array<QLineEdit*, 3> boxes_{};
    // What each box was last given from the state; a box is only written when that changes,
    // so a running animation never overwrites what the user is typing elsewhere.
    std::array<std::optional<std::string>, 3> shown_{};
    QScrollBar* bar_ = nullptr;
    ParaClock* clock_ = nullptr;
    ParaLayout layout_;
    bool entering_ = false; // a box's text is with the core; its focus loss is no new entry
};

} // namespace vestrano
