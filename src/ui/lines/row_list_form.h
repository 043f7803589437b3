#pragma once

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <array>

#include "state/additional_windows.h"
#include "state/program_context.h"
#include "ui/canvas/qt_colour.h"
#include "ui/main_window/box_events.h"
#include "ui/main_window/twips.h"
#include "ui/params/tool_window.h"

namespace vestrano {

// What the lines window and the points window share: the input line, the list with a colour
// button beside each visible row, "Übernehmen", "Zeile löschen" and "Schließen". `Window` is
// the state the window renders (LinesWindow or PointsWindow); the derived window adds its own
// boxes and says what its buttons do.
template <class Window> class RowListForm : public QWidget {
  public:
    // Rows, boxes and visibility as the state says; the list is rebuilt only when the program
    // changed it.
    void sync() {
        if (renderedRevision_ != w_.revision) {
            renderedRevision_ = w_.revision;
            renderRows();
        }
        renderBoxes();
        activate();
        if (sub_->isHidden() == w_.visible) {
            sub_->setVisible(w_.visible);
        }
    }

    // Shows the window in front with the focus in its input line; the first time at the right
    // edge, `top` pixels down, clear of the terms and the graph at the left.
    void bringForward(QMdiArea& mdi, int top = 0) {
        sync();
        if (!placed_) {
            placed_ = true;
            sub_->move(std::max(0, mdi.viewport()->width() - sub_->width()), top);
        }
        sub_->show();
        mdi.setActiveSubWindow(sub_);
        sub_->raise();
        text4_->setFocus(Qt::OtherFocusReason);
    }

    QMdiSubWindow& window() { return *sub_; }

  protected:
    RowListForm(ProgramContext& ctx, Window& w) : ctx_(ctx), w_(w) {
        // The controls were laid out for a small dialog font.
        QFont small = font();
        small.setPointSize(8);
        setFont(small);
    }

    virtual void enter() = 0;
    virtual void removeRows() = 0;
    virtual void recolour(int k) = 0;
    // The window's own boxes where the state changed them.
    virtual void renderBoxes() {}
    // The window's own controls beside visible row k at height y (pixels), or hidden.
    virtual void placeRowExtras(int k, int y, bool shown) {
        (void)k;
        (void)y;
        (void)shown;
    }

    // The shared controls; `colorLeft` is the colour buttons' left edge in twips.
    void buildShared(int colorLeft, const char* tooltip) {
        const int tpp = twipsPerPixel(*this);
        colorLeft_ = toPixels(colorLeft, tpp);
        auto* label2 = new QLabel(QString::fromUtf8("Eingabezeile:"), this);
        label2->setObjectName("Label2");
        QFont bold = label2->font();
        bold.setBold(true);
        label2->setFont(bold);
        label2->setGeometry(pixelRect({120, 120, 1455, 375}, tpp));
        text4_ = new QLineEdit(this);
        text4_->setObjectName("Text4");
        text4_->setStyleSheet("QLineEdit { background: rgb(255, 255, 192); }");
        text4_->setGeometry(pixelRect({1920, 120, 4095, 285}, tpp));
        text4_->installEventFilter(this);
        connect(text4_, &QLineEdit::textEdited, this,
                [this](const QString& text) { w_.input = text.toStdString(); });
        auto* command1 = button("Command1", "&Übernehmen", {120, 480, 1335, 375});
        command1->setToolTip(QString::fromUtf8(tooltip));
        connect(command1, &QPushButton::clicked, this, [this] { enterInput(); });
        buildList();
        for (int k = 0; k < kRowControls; ++k) {
            command4_[k] = button("Command4_" + QString::number(k), "", {colorLeft, 525, 255, 255});
            command4_[k]->hide();
            connect(command4_[k], &QPushButton::clicked, this, [this, k] { recolour(k); });
        }
        connect(button("Command5", "Zeile löschen", {120, 960, 1335, 375}), &QPushButton::clicked,
                this, [this] { removeRows(); });
        connect(button("Command2", "&Schließen", {120, 2520, 1335, 375}), &QPushButton::clicked,
                this, [this] { closeWindow(); });
    }

    // Puts the window into the main window's area as a tool window.
    void addTo(QMdiArea& mdi, const char* name, int clientWidth, int clientHeight) {
        const int tpp = twipsPerPixel(*this);
        setFixedSize(toPixels(clientWidth, tpp), toPixels(clientHeight, tpp));
        sub_ = addToolWindow(mdi, this);
        sub_->setObjectName(name);
        sub_->setFixedSize(sub_->sizeHint());
        sub_->installEventFilter(this);
    }

    QPushButton* button(const QString& name, const char* caption, const TwipRect& place) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        b->setGeometry(pixelRect(place, twipsPerPixel(*this)));
        return b;
    }

    // A box that takes its value on Enter or when the focus leaves it for another control.
    static bool isTakingEvent(QEvent* event) {
        if (event->type() == QEvent::KeyPress) {
            return isEnterKey(event);
        }
        return event->type() == QEvent::FocusOut && leftForControl(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == sub_ && event->type() == QEvent::Close) {
            hideInsteadOfClosing(*sub_, event);
            w_.visible = false;
            return true;
        }
        if (event->type() != QEvent::KeyPress) {
            return QWidget::eventFilter(watched, event);
        }
        if (watched == text4_ && isEnterKey(event)) {
            enterInput();
            return true;
        }
        if (watched == list1_) {
            return listKey(static_cast<QKeyEvent*>(event));
        }
        return QWidget::eventFilter(watched, event);
    }

    ProgramContext& ctx_;
    Window& w_;
    QMdiSubWindow* sub_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QListWidget* list1_ = nullptr;
    std::array<QPushButton*, kRowControls> command4_{};

  private:
    void buildList() {
        const int tpp = twipsPerPixel(*this);
        list1_ = new QListWidget(this);
        list1_->setObjectName("List1");
        list1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list1_->setUniformItemSizes(true);
        list1_->setGeometry(pixelRect({1920, 480, 4095, 2460}, tpp));
        list1_->installEventFilter(this);
        connect(list1_, &QListWidget::itemSelectionChanged, this, [this] { readSelection(); });
        connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            text4_->setText(item->text());
            w_.input = item->text().toStdString();
        });
        connect(list1_->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this] { activate(); });
    }

    void enterInput() {
        w_.input = text4_->text().toStdString();
        enter();
    }

    void closeWindow() {
        w_.visible = false;
        sub_->hide();
    }

    bool listKey(QKeyEvent* key) {
        switch (key->key()) {
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            removeRows();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            text4_->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            return false;
        }
    }

    void readSelection() {
        if (rendering_) {
            return;
        }
        for (int r = 0; r < list1_->count() && r < static_cast<int>(w_.rows.size()); ++r) {
            w_.rows[r].selected = list1_->item(r)->isSelected();
        }
        w_.current = list1_->currentRow();
    }

    void renderRows() {
        rendering_ = true;
        const int rowHeight = toPixels(240, twipsPerPixel(*this));
        list1_->clear();
        for (const auto& row : w_.rows) {
            auto* item = new QListWidgetItem(qtText(row.text), list1_);
            item->setSizeHint(QSize(0, rowHeight));
            item->setSelected(row.selected);
        }
        if (w_.current >= 0 && w_.current < list1_->count()) {
            list1_->setCurrentRow(w_.current, QItemSelectionModel::NoUpdate);
            list1_->scrollToItem(list1_->item(w_.current));
        }
        const QString input = qtText(w_.input);
        if (text4_->text() != input) {
            text4_->setText(input);
        }
        rendering_ = false;
    }

    // The ten row controls beside the visible rows; the rest hidden.
    void activate() {
        const QModelIndex top = list1_->indexAt(QPoint(1, 1));
        w_.topIndex = top.isValid() ? top.row() : 0;
        const int viewportTop = list1_->y() + list1_->viewport()->y();
        for (int k = 0; k < kRowControls; ++k) {
            const int r = w_.topIndex + k;
            const bool shown = r < list1_->count() && r < static_cast<int>(w_.rows.size());
            const QRect rect = shown ? list1_->visualItemRect(list1_->item(r)) : QRect();
            const bool inView = shown && rect.bottom() <= list1_->viewport()->height();
            const int y = viewportTop + rect.y() + (rect.height() - command4_[k]->height()) / 2;
            command4_[k]->setVisible(inView);
            if (inView) {
                command4_[k]->move(colorLeft_, y);
                const QColor c = qtColor(static_cast<uint32_t>(w_.rows[r].color));
                command4_[k]->setStyleSheet(QString("QPushButton { background: %1; border: 1px "
                                                    "solid gray; }")
                                                .arg(c.name()));
            }
            placeRowExtras(k, y, inView);
        }
    }

    int colorLeft_ = 0;
    bool placed_ = false;
    int renderedRevision_ = -1;
    bool rendering_ = false;
};

} // namespace vestrano
