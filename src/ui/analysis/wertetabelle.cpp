#include "ui/analysis/wertetabelle.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <algorithm>

#include "app/value_table_window.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/analysis/value_table_model.h"
#include "ui/main_window/box_events.h"
#include "ui/params/tool_window.h"

namespace vestrano {

namespace {

constexpr QSize kStartSize(400, 460);
// The table follows at most this often. Nobody reads numbers faster, and the animation runs as
// fast as its ticks allow: painting the table on each of them would slow it down by a third.
constexpr qint64 kFollowMs = 40;

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    return button;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const char* label, const char* caption,
                   QGridLayout& grid, int row, int column) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    auto* title = new QLabel(QString::fromUtf8(caption), parent);
    title->setObjectName(label);
    title->setBuddy(box);
    grid.addWidget(title, row, column);
    grid.addWidget(box, row, column + 1);
    return box;
}

} // namespace

Wertetabelle::Wertetabelle(ProgramContext& ctx, QMdiArea& mdi) : ctx_(ctx), mdi_(mdi) {
    setObjectName("Wertetabelle");
    setWindowTitle("Wertetabelle");
    model_ = new ValueTableModel(table_, this);
    buildControls();
    following_ = new QTimer(this);
    following_->setSingleShot(true);
    connect(following_, &QTimer::timeout, this, [this] { recompute(); });
    sub_ = addToolWindow(mdi_, this);
    sub_->setObjectName("Wertetabelle_window");
    sub_->resize(kStartSize);
    sub_->installEventFilter(this);
}

Wertetabelle::~Wertetabelle() {
    // The frame outlives its contents by a few events.
    sub_->removeEventFilter(this);
}

void Wertetabelle::buildControls() {
    auto* grid = new QGridLayout(this);
    von_ = makeBox(this, "von", "Label1", "&von:", *grid, 0, 0);
    bis_ = makeBox(this, "bis", "Label2", "&bis:", *grid, 0, 2);
    step_ = makeBox(this, "Schrittweite", "Label3", "Sch&rittweite:", *grid, 1, 0);
    for (QLineEdit* box : {von_, bis_, step_}) {
        connect(box, &QLineEdit::returnPressed, this, [this] { takeOver(); });
    }
    auto* command1 = makeButton(this, "Command1", "&Übernehmen");
    command1->setToolTip(
        QString::fromUtf8("Zeilen von „von“ bis „bis“ im Abstand der Schrittweite"));
    connect(command1, &QPushButton::clicked, this, [this] { takeOver(); });
    grid->addWidget(command1, 1, 2, 1, 2);

    table1_ = new QTableView(this);
    table1_->setObjectName("Table1");
    table1_->setModel(model_);
    table1_->verticalHeader()->hide();
    // Rows of one height: the view then never measures 100 000 of them.
    table1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table1_->verticalHeader()->setDefaultSectionSize(table1_->fontMetrics().height() + 4);
    table1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->addWidget(table1_, 2, 0, 1, 4);

    label4_ = new QLabel(this);
    label4_->setObjectName("Label4");
    grid->addWidget(label4_, 3, 0, 1, 4);

    auto* buttons = new QHBoxLayout;
    auto* command3 = makeButton(this, "Command3", "&Kopieren");
    command3->setToolTip(QString::fromUtf8(
        "Die Tabelle als Text mit Tabulatoren und Dezimalkomma in die Zwischenablage"));
    connect(command3, &QPushButton::clicked, this, [this] { copyTable(ctx_, table_); });
    auto* command2 = makeButton(this, "Command2", "&Schließen");
    connect(command2, &QPushButton::clicked, this, [this] { sub_->hide(); });
    buttons->addWidget(command3);
    buttons->addStretch();
    buttons->addWidget(command2);
    grid->addLayout(buttons, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void Wertetabelle::bringForward() {
    if (!placed_) {
        placed_ = true;
        sub_->move(std::max(0, mdi_.viewport()->width() - sub_->width()), 0);
        const TableInput boxes = defaultTableInput(ctx_.state.view);
        von_->setText(QString::fromStdString(boxes.from));
        bis_->setText(QString::fromStdString(boxes.to));
        step_->setText(QString::fromStdString(boxes.step));
        sub_->show();
        takeOver();
    } else {
        sub_->show();
        recompute();
    }
    keepInView();
    mdi_.setActiveSubWindow(sub_);
    sub_->raise();
    von_->setFocus(Qt::OtherFocusReason);
}

// A main window made smaller since may have pushed the window out of sight.
void Wertetabelle::keepInView() {
    const QSize area = mdi_.viewport()->size();
    sub_->move(std::clamp(sub_->x(), 0, std::max(0, area.width() - sub_->width())),
               std::clamp(sub_->y(), 0, std::max(0, area.height() - sub_->height())));
}

void Wertetabelle::follow() {
    if (!sub_->isVisible() || following_->isActive()) {
        return;
    }
    const qint64 since = shown_.isValid() ? shown_.elapsed() : kFollowMs;
    following_->start(static_cast<int>(std::max<qint64>(0, kFollowMs - since)));
}

void Wertetabelle::takeOver() {
    const TableInput input{von_->text().toStdString(), bis_->text().toStdString(),
                           step_->text().toStdString()};
    const std::optional<TableBox> refused = takeTableInput(ctx_, input, table_);
    if (!refused) {
        model_->reload();
        showNote();
        return;
    }
    QLineEdit* box = *refused == TableBox::From ? von_ : *refused == TableBox::To ? bis_ : step_;
    mdi_.setActiveSubWindow(sub_);
    focusRefusedBox(*box);
}

void Wertetabelle::recompute() {
    following_->stop();
    if (!sub_->isVisible()) {
        return;
    }
    followTable(ctx_, table_);
    model_->refreshValues();
    showNote();
    shown_.start();
}

void Wertetabelle::showNote() {
    label4_->setText(QString::fromStdString(tableNote(ctx_.state, table_)));
}

bool Wertetabelle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sub_ && hideInsteadOfClosing(*sub_, event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vestrano
