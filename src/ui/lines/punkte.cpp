#include "ui/lines/punkte.h"

#include <QCheckBox>

#include "app/points_window.h"
#include "state/plot_state.h"

namespace vestrano {

Punkte::Punkte(ProgramContext& ctx, QMdiArea& mdi) : RowListForm(ctx, ctx.state.additional.points) {
    setObjectName("Punkte");
    setWindowTitle("Punkte");
    buildShared(1575, "Punkte der Gestalt P(x0;y0) oder nur (x0;y0)");
    buildOwn();
    addTo(mdi, "Punkte_window", 6045, 2955);
    sync();
}

void Punkte::buildOwn() {
    const int tpp = twipsPerPixel(*this);
    auto* label3 = new QLabel("Anzeige der", this);
    label3->setObjectName("Label3");
    label3->setGeometry(pixelRect({120, 1440, 1335, 255}, tpp));
    const auto check = [&](const char* name, const char* caption, int top, uint8_t bit) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(name);
        box->setGeometry(pixelRect({120, top, 975, 255}, tpp));
        // A click flips the flag; the box then shows the flag, whatever Qt made of the click.
        connect(box, &QCheckBox::clicked, this, [this, bit] { flipPointFlag(ctx_, bit); });
        return box;
    };
    check1_ = check("Check1", "Punkte", 1680, kPointDots);
    check2_ = check("Check2", "Namen", 1920, kPointNames);
    auto* label1 = new QLabel(QString::fromUtf8("Größe:"), this);
    label1->setObjectName("Label1");
    label1->setGeometry(pixelRect({120, 2160, 735, 255}, tpp));
    text2_ = new QLineEdit(this);
    text2_->setObjectName("Text2");
    text2_->setAlignment(Qt::AlignCenter);
    text2_->setGeometry(pixelRect({840, 2160, 615, 285}, tpp));
    text2_->installEventFilter(this);
}

void Punkte::enter() {
    taste(ctx_);
}

void Punkte::removeRows() {
    removePoints(ctx_);
}

void Punkte::recolour(int k) {
    choosePointColour(ctx_, k);
}

void Punkte::renderBoxes() {
    const AdditionalObjects& a = ctx_.state.additional;
    check1_->setChecked((a.pointflags & kPointDots) != 0);
    check2_->setChecked((a.pointflags & kPointNames) != 0);
    // A refused size stays in the box.
    if (a.pointsize != shownSize_) {
        shownSize_ = a.pointsize;
        text2_->setText(QString::number(shownSize_));
    }
}

bool Punkte::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text2_ && isTakingEvent(event)) {
        chsize(ctx_, text2_->text().toStdString());
        sync();
        return event->type() == QEvent::KeyPress;
    }
    return RowListForm::eventFilter(watched, event);
}

} // namespace vestrano
