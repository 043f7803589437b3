#include "ui/analysis/kurvenpunkte.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "app/curve_points_window.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/params/tool_window.h"

namespace vestrano {

namespace {

constexpr int kColumns = 4;

} // namespace

Kurvenpunkte::Kurvenpunkte(ProgramContext& ctx, QMdiArea& mdi) : QWidget(nullptr), ctx_(ctx) {
    setObjectName("Kurvenpunkte");
    setWindowTitle("Kurvenpunkte");
    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName("tab_punkte");
    table_->setHorizontalHeaderLabels({"Graph", "Art", "x", "y"});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    const int digit = fontMetrics().horizontalAdvance('0');
    // "f,g", "y-Achsenabschnitt" and an x of 15 digits fit.
    for (const auto& [column, digits] : {std::pair{0, 5}, {1, 18}, {2, 20}}) {
        table_->setColumnWidth(column, digit * digits);
    }
    status_ = new QLabel(this);
    status_->setObjectName("lb_status");
    auto* copy = new QPushButton("&Kopieren", this);
    copy->setObjectName("cmd_kopieren");
    copy->setToolTip("Die Tabelle mit Dezimalkommas in die Zwischenablage kopieren");
    connect(copy, &QPushButton::clicked, this, [this] { copyCurvePoints(ctx_); });
    auto* close = new QPushButton(QString::fromUtf8("&Schließen"), this);
    close->setObjectName("cmd_schliessen");
    connect(close, &QPushButton::clicked, this, [this] { closeCurvePointsWindow(ctx_); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    sub_ = addToolWindow(mdi, this);
    sub_->resize(digit * 68, fontMetrics().height() * 24);
    sub_->setObjectName("Kurvenpunkte_window");
    sub_->installEventFilter(this);
    sync();
}

void Kurvenpunkte::sync() {
    const CurvePoints& c = ctx_.state.curvePoints;
    // Hidden, it waits: the marks alone find the points on every tick of an animation.
    if (c.windowVisible && renderedRevision_ != c.revision) {
        renderedRevision_ = c.revision;
        renderRows();
    }
    status_->setText(QString::fromStdString(curvePointsStatus(ctx_.state)));
    if (sub_->isHidden() == c.windowVisible) {
        sub_->setVisible(c.windowVisible);
    }
}

void Kurvenpunkte::renderRows() {
    const std::vector<CurvePointRow> rows = curvePointRows(ctx_.state);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const QString text = QString::fromStdString(rows[r][c]);
            QTableWidgetItem* item = table_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                // Numbers line up at the right, as in a spreadsheet.
                item->setTextAlignment(c >= 2 ? Qt::AlignRight | Qt::AlignVCenter
                                              : Qt::AlignLeft | Qt::AlignVCenter);
                table_->setItem(r, c, item);
            }
            if (item->text() != text) {
                item->setText(text);
            }
        }
    }
}

void Kurvenpunkte::bringForward(QMdiArea& mdi) {
    sync();
    // The first time at the right edge, clear of the terms and the graph; later where the user
    // left it, but inside the main window, which may have shrunk meanwhile.
    const int right = std::max(0, mdi.viewport()->width() - sub_->width());
    const int bottom = std::max(0, mdi.viewport()->height() - sub_->height());
    const QPoint at = placed_ ? sub_->pos() : QPoint(right, 0);
    placed_ = true;
    sub_->move(std::clamp(at.x(), 0, right), std::clamp(at.y(), 0, bottom));
    sub_->show();
    mdi.setActiveSubWindow(sub_);
    sub_->raise();
}

bool Kurvenpunkte::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sub_ && event->type() == QEvent::Close) {
        hideInsteadOfClosing(*sub_, event);
        closeCurvePointsWindow(ctx_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vestrano
