#pragma once

#include <QDialog>
#include <QSize>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vestrano {

struct AnimationPlan;
struct ProgramContext;

// "Animation speichern...": a parameter's run with its boxes, then the file and a progress bar
// that can stop it. `pause` is called with true before the frames are drawn (the timers must
// not move a parameter meanwhile) and with false afterwards.
class AnimationDialog final : public QDialog {
  public:
    AnimationDialog(ProgramContext& ctx, QSize drawingArea, std::function<void(bool)> pause,
                    QWidget* parent);

    // "Speichern...": a refused box keeps the dialog open with the reason; otherwise the file is
    // asked for and the animation written.
    void accept() override;

  private:
    void showBounds();
    void run(AnimationPlan plan, const std::string& path);

    ProgramContext& ctx_;
    std::function<void(bool)> pause_;
    std::vector<int> slots_;
    QComboBox* parameter_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* frames_ = nullptr;
    QLineEdit* fps_ = nullptr;
    QCheckBox* bounce_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
};

} // namespace vestrano
