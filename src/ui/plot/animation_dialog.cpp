#include "ui/plot/animation_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

#include "app/animation_export.h"
#include "app/command_line.h"
#include "app/picture_format.h"
#include "params/param_table.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "ui/main_window/box_events.h"
#include "ui/main_window/twips.h"
#include "ui/plot/graph_pictures.h"

namespace vestrano {

namespace {

constexpr const char* kTitle = "Animation speichern";

QLineEdit* box(QWidget* parent, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

// A row of the form whose caption, named as its control with "lb_", leads to the control.
void addRow(QFormLayout& form, const char* caption, QWidget* control) {
    auto* label = new QLabel(QString::fromUtf8(caption), control->parentWidget());
    label->setObjectName("lb_" + control->objectName().section('_', 1));
    label->setBuddy(control);
    form.addRow(label, control);
}

} // namespace

AnimationDialog::AnimationDialog(ProgramContext& ctx, QSize drawingArea,
                                 std::function<void(bool)> pause, QWidget* parent)
    : QDialog(parent), ctx_(ctx), pause_(std::move(pause)), slots_(animatableSlots(ctx.state)) {
    setObjectName("Animation");
    setWindowTitle(kTitle);
    parameter_ = new QComboBox(this);
    parameter_->setObjectName("cb_parameter");
    for (const int s : slots_) {
        parameter_->addItem(qtText(paramName(ctx.state, s)));
    }
    from_ = box(this, "txt_von", {});
    to_ = box(this, "txt_bis", {});
    frames_ = box(this, "txt_bilder", "50");
    fps_ = box(this, "txt_fps", "20");
    bounce_ = new QCheckBox(QString::fromUtf8("&hin und zurück"), this);
    bounce_->setObjectName("chk_hin_und_zurueck");
    width_ = box(this, "txt_breite", QString::number(drawingArea.width()));
    height_ = box(this, "txt_hoehe", QString::number(drawingArea.height()));

    auto* form = new QFormLayout;
    addRow(*form, "&Parameter:", parameter_);
    addRow(*form, "&von:", from_);
    addRow(*form, "b&is:", to_);
    addRow(*form, "&Bilder:", frames_);
    addRow(*form, "Bilder pro &Sekunde:", fps_);
    form->addRow(bounce_);
    addRow(*form, "B&reite (Pixel):", width_);
    addRow(*form, "H&öhe (Pixel):", height_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save =
        buttons->addButton(QString::fromUtf8("Speichern..."), QDialogButtonBox::AcceptRole);
    save->setObjectName("cmd_speichern");
    save->setDefault(true);
    QPushButton* cancel = buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    cancel->setObjectName("cmd_abbrechen");
    connect(buttons, &QDialogButtonBox::accepted, this, &AnimationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AnimationDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(parameter_, &QComboBox::currentIndexChanged, this, [this] { showBounds(); });
    showBounds();
}

void AnimationDialog::showBounds() {
    const int index = parameter_->currentIndex();
    if (index < 0 || index >= static_cast<int>(slots_.size())) {
        return;
    }
    const ParamWindow& w = ctx_.state.params[slots_[static_cast<std::size_t>(index)]].window;
    from_->setText(qtText(w.lowerText));
    to_->setText(qtText(w.upperText));
}

void AnimationDialog::accept() {
    const auto refuse = [this](const std::string& reason) {
        ctx_.ui.message(reason, kTitle, MessageIcon::Critical);
        const std::pair<const char*, QLineEdit*> boxes[] = {
            {"\"von\"", from_},      {"\"bis\"", to_},
            {"\"Bilder\"", frames_}, {"\"Bilder pro Sekunde\"", fps_},
            {"\"Breite\"", width_},  {"\"Höhe\"", height_}};
        for (const auto& [name, box] : boxes) {
            if (reason.find(name) != std::string::npos) {
                focusRefusedBox(*box);
                return;
            }
        }
    };
    const int index = parameter_->currentIndex();
    if (index < 0 || index >= static_cast<int>(slots_.size())) {
        refuse("Die Graphik hat keinen Parameter, der laufen könnte.");
        return;
    }
    const AnimationRequest request{parameter_->currentText().toStdString(),
                                   from_->text().toStdString(),
                                   to_->text().toStdString(),
                                   frames_->text().toStdString(),
                                   fps_->text().toStdString(),
                                   bounce_->isChecked()};
    auto plan =
        planAnimation(ctx_.state, ctx_.ui, slots_[static_cast<std::size_t>(index)], request);
    if (!plan.ok()) {
        refuse(plan.reason());
        return;
    }
    const auto width = pictureSide(width_->text().toStdString(), "\"Breite\"");
    const auto height = pictureSide(height_->text().toStdString(), "\"Höhe\"");
    if (!width.ok() || !height.ok()) {
        refuse(width.ok() ? height.reason() : width.reason());
        return;
    }
    const auto path = ctx_.ui.saveFileName(kTitle, kAnimationFilter, "");
    if (!path) {
        return;
    }
    if (!isAnimationName(*path)) {
        refuse(animationFormatText(*path));
        return;
    }
    AnimationPlan ready = std::move(plan).value();
    ready.width = width.value();
    ready.height = height.value();
    // Closed only after the run: a dialog that deletes itself on closing would go while the
    // progress bar lets events through.
    hide();
    run(std::move(ready), *path);
    QDialog::accept();
}

void AnimationDialog::run(AnimationPlan plan, const std::string& path) {
    const int total = static_cast<int>(plan.values.size());
    QProgressDialog progress(QString::fromUtf8("Die Bilder der Animation werden gezeichnet..."),
                             "Abbrechen", 0, total, parentWidget());
    progress.setObjectName("Fortschritt");
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    pause_(true);
    const auto saved = saveAnimation(ctx_, plan, path, framePicture, [&](int done, int) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.reset();
    pause_(false);
    if (!saved.ok()) {
        ctx_.ui.message(saved.reason(), "Fehler", MessageIcon::Critical);
    }
}

} // namespace vestrano
