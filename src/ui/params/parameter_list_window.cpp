#include "ui/params/parameter_list_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "app/window_arrangement.h"
#include "params/param_design.h"
#include "params/param_menu.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "ui/canvas/qt_colour.h"
#include "ui/main_window/twips.h"
#include "ui/params/tool_window.h"

namespace vestrano {

namespace {

constexpr int kRowTwips = 237;

bool sameRows(const QListWidget& list, const std::vector<ParamListRow>& rows) {
    if (list.count() != static_cast<int>(rows.size())) {
        return false;
    }
    for (int i = 0; i < list.count(); ++i) {
        const QListWidgetItem* item = list.item(i);
        const ParamListRow& row = rows[static_cast<std::size_t>(i)];
        if (item->data(Qt::UserRole).toInt() != row.slot || item->text() != qtText(row.name)) {
            return false;
        }
    }
    return true;
}

} // namespace

ParameterList::ParameterList(ProgramContext& ctx, QMdiArea& mdi) : ctx_(ctx), mdi_(mdi) {
    setObjectName("Parameter");
    setWindowTitle(QString::fromUtf8(kListCaption));
    command1_ = new QPushButton(this);
    command1_->setObjectName("Command1");
    connect(command1_, &QPushButton::clicked, this,
            [this] { listButton(ctx_, paramFrame(ctx_.state)); });
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list1_->setUniformItemSizes(true);
    QPalette palette = list1_->palette();
    palette.setColor(QPalette::Base, qtColor(kListColor));
    list1_->setPalette(palette);
    connect(list1_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { rowChanged(item); });

    sub_ = addToolWindow(mdi_, this);
    sub_->setObjectName("Parameter_window");
    place_.emplace(*sub_, ctx_.state.paramlist, ChildWindowBinding::Sizing::ByRecord);
    sub_->setMinimumHeight(toPixels(kListMinHeight, twipsPerPixel(*this)));
    // However short the names, the caption stays readable beside the close box.
    QFont caption = sub_->font();
    caption.setBold(true);
    const int titleBar = sub_->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub_);
    sub_->setMinimumWidth(QFontMetrics(caption).horizontalAdvance(windowTitle()) + 2 * titleBar);
    sub_->installEventFilter(this);
}

NameWidth ParameterList::nameWidth() const {
    return [this](std::string_view name) {
        const QFontMetricsF metrics(list1_->font());
        const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        return metrics.horizontalAdvance(text) * twipsPerPixel(*list1_);
    };
}

int ParameterList::rowPixels() const {
    return toPixels(kRowTwips, twipsPerPixel(*this));
}

void ParameterList::sync() {
    const ParamListWindow& list = ctx_.state.paramlist;
    renderRows();
    command1_->setText(qtText(list.buttonCaption));
    place_->place();
}

// Rows are rebuilt only when the parameters changed, so that a click never loses its row.
void ParameterList::renderRows() {
    const std::vector<ParamListRow>& rows = ctx_.state.paramlist.rows;
    const QSignalBlocker filling(list1_);
    if (!sameRows(*list1_, rows)) {
        list1_->clear();
        for (const ParamListRow& row : rows) {
            auto* item = new QListWidgetItem(qtText(row.name), list1_);
            item->setData(Qt::UserRole, row.slot);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setSizeHint(QSize(1, rowPixels()));
        }
    }
    for (int i = 0; i < list1_->count(); ++i) {
        const bool checked = rows[static_cast<std::size_t>(i)].checked;
        list1_->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void ParameterList::rowChanged(QListWidgetItem* item) {
    const bool checked = item->checkState() == Qt::Checked;
    listClick(ctx_, paramFrame(ctx_.state), list1_->row(item), checked);
    // The window shown for the row does not keep the focus: the list takes it back.
    mdi_.setActiveSubWindow(sub_);
    list1_->setFocus();
}

void ParameterList::closed() {
    PlotState& state = ctx_.state;
    if (state.menu.spal) {
        toggleParamList(state, paramFrame(state), nameWidth());
    }
    state.paramlist.visible = false;
    ctx_.ui.changed(Change::Parameters);
    ctx_.ui.changed(Change::Menu);
}

void ParameterList::resizeEvent(QResizeEvent*) {
    const int tpp = twipsPerPixel(*this);
    const ListLayout layout = listLayout(toTwips(width(), tpp), toTwips(height(), tpp));
    command1_->setGeometry(pixelRect(
        {kListButton.left, kListButton.top, layout.buttonWidth, kListButton.height}, tpp));
    if (layout.rowsHeight > 0) {
        list1_->setGeometry(
            pixelRect({kListRows.left, kListRows.top, layout.rowsWidth, layout.rowsHeight}, tpp));
    }
}

bool ParameterList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != sub_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        place_->readBack();
        break;
    case QEvent::Close:
        hideInsteadOfClosing(*sub_, event);
        closed();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vestrano
