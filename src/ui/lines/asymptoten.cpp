#include "ui/lines/asymptoten.h"

#include "app/lines_window.h"
#include "state/plot_state.h"
#include "ui/canvas/qt_colour.h"

namespace vestrano {

Asymptoten::Asymptoten(ProgramContext& ctx, QMdiArea& mdi)
    : RowListForm(ctx, ctx.state.additional.lines) {
    setObjectName("Asymptoten");
    setWindowTitle(QString::fromUtf8("Zusätzliche Geraden"));
    buildShared(1590, "Gleichungen der Gestalt x=a oder y=m*x+t");
    buildOwn();
    addTo(mdi, "Asymptoten_window", 6525, 3000);
    sync();
}

void Asymptoten::buildOwn() {
    const int tpp = twipsPerPixel(*this);
    for (int k = 0; k < kRowControls; ++k) {
        text1_[k] = new QLineEdit(this);
        text1_[k]->setObjectName("Text1_" + QString::number(k));
        text1_[k]->setAlignment(Qt::AlignCenter);
        text1_[k]->setFont(QFont("Arial"));
        text1_[k]->setToolTip(QString::fromUtf8("Linienart individuell einstellen"));
        text1_[k]->setGeometry(pixelRect({6090, 525, 375, 255}, tpp));
        text1_[k]->hide();
        text1_[k]->installEventFilter(this);
    }
    connect(button("Command3", "&Standardfarbe", {120, 1440, 1215, 375}), &QPushButton::clicked,
            this, [this] { chooseDefaultLineColour(ctx_); });
    picture1_ = new QLabel(this);
    picture1_->setObjectName("Picture1");
    picture1_->setAutoFillBackground(true);
    picture1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture1_->setGeometry(pixelRect({1320, 1440, 135, 375}, tpp));
    auto* label1 = new QLabel(QString::fromUtf8("Linienart:     ( 0 - 6 )"), this);
    label1->setObjectName("Label1");
    label1->setWordWrap(true);
    label1->setGeometry(pixelRect({120, 1920, 735, 375}, tpp));
    text2_ = new QLineEdit(this);
    text2_->setObjectName("Text2");
    text2_->setAlignment(Qt::AlignCenter);
    text2_->setGeometry(pixelRect({840, 1920, 615, 375}, tpp));
    text2_->installEventFilter(this);
}

void Asymptoten::enter() {
    asytaste(ctx_);
}

void Asymptoten::removeRows() {
    removeLines(ctx_);
}

void Asymptoten::recolour(int k) {
    chooseLineColour(ctx_, k);
}

void Asymptoten::renderBoxes() {
    const AdditionalObjects& a = ctx_.state.additional;
    if (a.astil != shownAstil_) {
        shownAstil_ = a.astil;
        text2_->setText(QString::number(shownAstil_));
    }
    const int32_t color = ctx_.state.style.colors[4];
    if (color != shownColor_) {
        shownColor_ = color;
        QPalette palette = picture1_->palette();
        palette.setColor(QPalette::Window, qtColor(static_cast<uint32_t>(color)));
        picture1_->setPalette(palette);
    }
}

void Asymptoten::placeRowExtras(int k, int y, bool shown) {
    text1_[k]->setVisible(shown);
    if (!shown) {
        return;
    }
    text1_[k]->move(text1_[k]->x(), y);
    const LineRow& row = w_.rows[w_.topIndex + k];
    const QString type = row.linetype == ' ' ? QString() : QString(QChar(row.linetype));
    if (text1_[k]->text() != type) {
        text1_[k]->setText(type);
    }
}

bool Asymptoten::eventFilter(QObject* watched, QEvent* event) {
    if (taking_ || !isTakingEvent(event)) {
        return RowListForm::eventFilter(watched, event);
    }
    taking_ = true;
    bool taken = false;
    if (watched == text2_) {
        chdicke(ctx_, text2_->text().toStdString());
        // A refused type gives way to the one in force.
        shownAstil_ = -1;
        sync();
        taken = true;
    }
    for (int k = 0; k < kRowControls && !taken; ++k) {
        if (watched == text1_[k]) {
            chli(ctx_, k, text1_[k]->text().toStdString());
            taken = true;
        }
    }
    taking_ = false;
    return taken ? event->type() == QEvent::KeyPress : RowListForm::eventFilter(watched, event);
}

} // namespace vestrano
