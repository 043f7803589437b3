#include "ui/collection/sammlung.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <functional>

#include "collection/collection_file.h"
#include "collection/entry_editing.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/canvas/qt_colour.h"
#include "ui/main_window/box_events.h"
#include "ui/main_window/twips.h"
#include "ui/params/tool_window.h"

namespace vestrano {

namespace {

constexpr int kClientWidth = 9600; // twips
constexpr int kNormalStatusTop = 3480;
constexpr int kExtendedStatusTop = 7200;
constexpr int kStatusHeight = 300;
constexpr int kFrameSpace = 60;

constexpr std::array<TwipRect, 6> kBoxes{{{3240, 300, 6240, 1320},
                                          {3240, 1920, 4400, 960},
                                          {120, 4080, 4560, 1300},
                                          {4800, 4080, 4680, 1300},
                                          {120, 5700, 4560, 1300},
                                          {4800, 5700, 4680, 1300}}};
constexpr std::array<const char*, 6> kBoxLabels{"",
                                                "Funktionsterme:",
                                                "Parameter:",
                                                "Parameter-Grenzen:",
                                                "Intervalle:",
                                                "Untere Integrationsgrenze:"};
constexpr std::array<const char*, 6> kBoxLabelNames{"",       "Label2", "Label4",
                                                    "Label5", "Label6", "Label8"};

QString fromBox(const std::string& text) {
    QString result = qtText(text);
    result.replace("\r\n", "\n");
    return result;
}

std::string toBox(const QString& text) {
    QString result = text;
    result.replace("\n", "\r\n");
    return result.toStdString();
}

bool isArrowKey(const QEvent* event) {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key >= Qt::Key_Left && key <= Qt::Key_Down;
}

} // namespace

Sammlung::Sammlung(ProgramContext& ctx, QMdiArea& mdi) : ctx_(ctx) {
    setObjectName("sammlung");
    buildList();
    buildBoxes();
    buildButtons();
    sub_ = addToolWindow(mdi, this);
    sub_->setObjectName("sammlung_window");
    place_.emplace(*sub_, ctx_.state.collection.window.frame,
                   ChildWindowBinding::Sizing::ByContents);
    sub_->installEventFilter(this);
    sync();
}

void Sammlung::buildList() {
    const int tpp = twipsPerPixel(*this);
    auto* label1 = new QLabel("Auswahl:", this);
    label1->setObjectName("Label1");
    label1->setGeometry(pixelRect({120, 60, 1500, 240}, tpp));
    list_ = new QListWidget(this);
    list_->setObjectName("List1_0");
    list_->setGeometry(pixelRect({120, 300, 3000, 2280}, tpp));
    list_->installEventFilter(this);
    // The selection, not the current row: a list that gets the focus makes its first row
    // current, which is no choice of the user's.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (applying_ || list_->selectedItems().isEmpty()) {
            return;
        }
        ctx_.state.collection.window.selected = list_->row(list_->selectedItems().first());
        listakt(ctx_);
        sync();
    });
    label3_ = new QLabel(this);
    label3_->setObjectName("Label3");
    label3_->setFont(QFont("Arial", font().pointSize()));
    label3_->setGeometry(pixelRect({3240, 60, 4000, 240}, tpp));
    label7_ = new QLabel(QString::fromUtf8("(geschützter Eintrag!)"), this);
    label7_->setObjectName("Label7");
    label7_->setGeometry(pixelRect({7300, 60, 2200, 240}, tpp));
    label9_ = new QLabel(this);
    label9_->setObjectName("Label9");
    label9_->setAutoFillBackground(true);
    label9_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label9_->setIndent(3);
}

void Sammlung::buildBoxes() {
    const int tpp = twipsPerPixel(*this);
    for (int j = 0; j < kDetailBoxes; ++j) {
        txt_[j] = new QPlainTextEdit(this);
        txt_[j]->setObjectName("txt_" + QString::number(j));
        txt_[j]->setGeometry(pixelRect(kBoxes[j], tpp));
        txt_[j]->viewport()->installEventFilter(this);
        connect(txt_[j], &QPlainTextEdit::textChanged, this, [this, j] { boxText(j); });
        if (j == 0) {
            continue;
        }
        boxLabels_[j] = new QLabel(QString::fromUtf8(kBoxLabels[j]), this);
        boxLabels_[j]->setObjectName(kBoxLabelNames[j]);
        boxLabels_[j]->setGeometry(
            pixelRect({kBoxes[j].left, kBoxes[j].top - 240, 3000, 240}, tpp));
    }
    for (int i = 0; i < 3; ++i) {
        const int top = 1920 + i * 360;
        labdicke_[i] = new QLabel(this);
        labdicke_[i]->setObjectName("labdicke_" + QString::number(i));
        labdicke_[i]->setGeometry(pixelRect({7760, top + 30, 1200, 240}, tpp));
        dicke_[i] = new QLineEdit(this);
        dicke_[i]->setObjectName("dicke_" + QString::number(i));
        dicke_[i]->setGeometry(pixelRect({8940, top, 540, 300}, tpp));
        dicke_[i]->installEventFilter(this);
        connect(dicke_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            ctx_.state.collection.window.dicke[i] = text.toStdString();
        });
    }
}

void Sammlung::buildButtons() {
    const int tpp = twipsPerPixel(*this);
    struct Button {
        const char* name;
        const char* caption;
        TwipRect place;
        std::function<void()> action;
    };
    const std::array<Button, 5> buttons{{
        {"Command3", "&Neuer Eintrag", {120, 2980, 1500, 400}, [this] { newentry(ctx_); }},
        {"Command4",
         "&Aktuelle Daten hinzufügen",
         {1680, 2980, 2500, 400},
         [this] { addcol(ctx_); }},
        {"Command5", "&A&ktualisieren", {4240, 2980, 1400, 400}, [this] { allakt(ctx_); }},
        {"Command1", "&Übernehmen", {5700, 2980, 1400, 400}, [this] { takeOver(ctx_); }},
        {"Command2", "&Schließen", {7160, 2980, 1400, 400}, [this] { closeCollection(ctx_); }},
    }};
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(b.name);
        button->setGeometry(pixelRect(b.place, tpp));
        connect(button, &QPushButton::clicked, this, [this, action = b.action] {
            action();
            sync();
        });
    }
    check1_ = new QCheckBox("Erweiterte Ansicht", this);
    check1_->setObjectName("Check1");
    check1_->setGeometry(pixelRect({120, 2620, 3000, 280}, tpp));
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
        if (!applying_) {
            setExtended(ctx_.state, ctx_.ui, on);
        }
    });
}

void Sammlung::sync() {
    applying_ = true;
    renderList();
    if (renderedRevision_ != ctx_.state.collection.window.revision) {
        renderBoxes();
    }
    renderLabels();
    renderView();
    place_->place();
    applying_ = false;
}

void Sammlung::renderList() {
    const auto& entries = ctx_.state.collection.entries;
    bool same = list_->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < list_->count(); ++i) {
        same = list_->item(i)->text() == qtText(entries[i].fields[EntryField::Title]);
    }
    if (!same) {
        list_->clear();
        for (const CollectionEntry& entry : entries) {
            list_->addItem(qtText(entry.fields[EntryField::Title]));
        }
    }
    const int selected = ctx_.state.collection.window.selected;
    if (selected < 0) {
        list_->clearSelection();
    } else if (list_->currentRow() != selected || !list_->item(selected)->isSelected()) {
        list_->setCurrentRow(selected);
    }
}

void Sammlung::renderBoxes() {
    const CollectionWindow& w = ctx_.state.collection.window;
    renderedRevision_ = w.revision;
    for (int j = 0; j < kDetailBoxes; ++j) {
        const QString wanted = fromBox(w.txt[j]);
        if (txt_[j]->toPlainText() != wanted) {
            txt_[j]->setPlainText(wanted);
        }
    }
    for (int i = 0; i < 3; ++i) {
        const QString wanted = qtText(w.dicke[i]);
        if (dicke_[i]->text() != wanted) {
            dicke_[i]->setText(wanted);
        }
    }
}

void Sammlung::renderLabels() {
    const CollectionWindow& w = ctx_.state.collection.window;
    setWindowTitle(qtText(collectionCaption(ctx_.state.files.colfile)));
    label3_->setText(qtText(w.label3));
    label7_->setVisible(w.label7);
    label9_->setText(qtText(w.label9));
    QPalette palette = label9_->palette();
    palette.setColor(QPalette::Window, qtColor(w.label9Color));
    palette.setColor(QPalette::WindowText,
                     w.label9Color == kErrorColor ? QColor(Qt::white) : QColor(Qt::black));
    label9_->setPalette(palette);
    for (int i = 0; i < 3; ++i) {
        labdicke_[i]->setText(
            qtText("Dicke von " + slotName(ctx_.state.mode, SlotText::ShortName, i)));
    }
}

// The extended view shows the term box, the widths and the boxes below the buttons; the
// window ends below the status line.
void Sammlung::renderView() {
    const bool ext = ctx_.state.collection.window.extended;
    if (renderedExtended_ == static_cast<int>(ext)) {
        return;
    }
    renderedExtended_ = ext;
    check1_->setChecked(ext);
    // Hidden, the keyboard cannot reach the boxes outside the small window either.
    for (int j = 1; j < kDetailBoxes; ++j) {
        boxLabels_[j]->setVisible(ext);
        txt_[j]->setVisible(ext);
    }
    for (int i = 0; i < 3; ++i) {
        dicke_[i]->setVisible(ext);
        labdicke_[i]->setVisible(ext);
    }
    const int tpp = twipsPerPixel(*this);
    const int top = ext ? kExtendedStatusTop : kNormalStatusTop;
    label9_->setGeometry(pixelRect({120, top, kClientWidth - 240, kStatusHeight}, tpp));
    setFixedSize(toPixels(kClientWidth, tpp), toPixels(top + kStatusHeight + kFrameSpace, tpp));
    if (sub_) {
        // The frame's title and borders around the new inner size.
        const QMargins frame = sub_->contentsMargins();
        sub_->setFixedSize(size().grownBy(frame));
    }
}

void Sammlung::boxText(int j) {
    if (applying_) {
        return;
    }
    ctx_.state.collection.window.txt[j] = toBox(txt_[j]->toPlainText());
}

std::optional<DetailBox> Sammlung::detailBox(QObject* watched) const {
    for (int j = 0; j < kDetailBoxes; ++j) {
        if (watched == txt_[j]->viewport()) {
            return static_cast<DetailBox>(j);
        }
    }
    return std::nullopt;
}

bool Sammlung::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sub_) {
        if (hideInsteadOfClosing(*sub_, event)) {
            closeCollection(ctx_);
            return true;
        }
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            place_->readBack();
        }
        return false;
    }
    const QEvent::Type type = event->type();
    if (watched == list_ && type == QEvent::KeyRelease && isArrowKey(event)) {
        arrowReleased(ctx_);
        sync();
        return false;
    }
    const bool isDicke = std::find(dicke_.begin(), dicke_.end(), watched) != dicke_.end();
    const std::optional<DetailBox> box = isDicke ? std::nullopt : detailBox(watched);
    const bool click = type == QEvent::MouseButtonRelease;
    const bool enter = isDicke && type == QEvent::KeyPress && isEnterKey(event);
    if ((isDicke || box) && (click || enter)) {
        boxClicked(ctx_, box);
        // The braces the click replaced show at once, under the cursor as typed.
        renderedRevision_ = -1;
        sync();
        return enter;
    }
    return false;
}

} // namespace vestrano
