#include "ui/settings/option_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "state/program_context.h"
#include "ui/main_window/twips.h"
#include "ui/params/tool_window.h"

namespace vestrano {

OptionWindow::OptionWindow(ProgramContext& ctx, QMdiArea& mdi, const char* name,
                           const char* caption, bool& shown)
    : ctx_(ctx), mdi_(mdi), shown_(shown) {
    setObjectName(name);
    setWindowTitle(QString::fromUtf8(caption));
    sub_ = addToolWindow(mdi_, this);
    sub_->setObjectName(QString(name) + "_window");
    sub_->installEventFilter(this);
    shown_ = false;
}

QLabel* OptionWindow::addLabel(const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(name);
    return label;
}

QLineEdit* OptionWindow::addBox(const char* name, std::string& text) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    connect(box, &QLineEdit::textEdited, this,
            [&text](const QString& typed) { text = typed.toStdString(); });
    boxes_.emplace_back(box, &text);
    return box;
}

QPushButton* OptionWindow::addButton(const char* name, const char* caption,
                                     std::function<void()> action) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    return button;
}

QPushButton* OptionWindow::addCloseButton() {
    return addButton("Command2", "&Schließen", [this] { sub_->hide(); });
}

void OptionWindow::arrange(QGridLayout* grid, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    auto* all = new QVBoxLayout(this);
    all->addLayout(grid);
    constexpr int kGapAboveButtons = 6;
    all->addSpacing(kGapAboveButtons);
    // A taller window makes room above the buttons instead of stretching the rows.
    all->addStretch();
    all->addLayout(row);
    refresh();
}

void OptionWindow::refresh() {
    for (const auto& [box, text] : boxes_) {
        const QString wanted = qtText(*text);
        if (box->text() != wanted) {
            box->setText(wanted);
        }
    }
}

// The first time in the middle of the main window; afterwards where the user left it.
void OptionWindow::bringForward() {
    refresh();
    if (!placed_) {
        placed_ = true;
        sub_->resize(sub_->sizeHint());
        const QWidget* area = mdi_.viewport();
        sub_->move(std::max(0, (area->width() - sub_->width()) / 2),
                   std::max(0, (area->height() - sub_->height()) / 2));
    }
    sub_->show();
    mdi_.setActiveSubWindow(sub_);
    sub_->raise();
}

bool OptionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != sub_) {
        return QWidget::eventFilter(watched, event);
    }
    if (hideInsteadOfClosing(*sub_, event)) {
        shown_ = false;
        return true;
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        shown_ = event->type() == QEvent::Show;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vestrano
