#include "ui/help/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace vestrano {

namespace {

QUrl pageUrl(const HelpTopic& topic) {
    return QUrl(QString::fromStdString("qrc:/help/" + helpLink(topic)));
}

QPushButton* addButton(QHBoxLayout* row, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("helpWindow");
    setWindowTitle(QString::fromStdString(helpWindowTitle("")));
    resize(720, 640);
    browser_ = new QTextBrowser;
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    QPushButton* back = addButton(buttons, "helpBack", kHelpBackCaption);
    QPushButton* forward = addButton(buttons, "helpForward", kHelpForwardCaption);
    QPushButton* contents = addButton(buttons, "helpContents", kHelpContentsCaption);
    buttons->addStretch();
    QPushButton* close = addButton(buttons, "helpClose", kHelpCloseCaption);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic({kHelpContentsPage, ""}); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(
            QString::fromStdString(helpWindowTitle(browser_->documentTitle().toStdString())));
    });
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::showTopic(const HelpTopic& topic) {
    // Over an open modal dialog the help would be locked like every other window.
    const Qt::WindowModality modality =
        QApplication::activeModalWidget() ? Qt::ApplicationModal : Qt::NonModal;
    if (modality != windowModality()) {
        hide();
        setWindowModality(modality);
    }
    browser_->setSource(pageUrl(topic));
    if (!placed_ && parentWidget()) {
        // Beside the terms and the graph at the left, not over them.
        placed_ = true;
        const QRect frame = parentWidget()->geometry();
        move(std::max(frame.left(), frame.right() - width() - 20), frame.top() + 40);
    }
    show();
    raise();
    activateWindow();
}

HelpTopic helpTopicOf(const QWidget* focus) {
    std::vector<std::string> chain;
    for (const QWidget* w = focus; w; w = w->parentWidget()) {
        chain.push_back(w->objectName().toStdString());
    }
    return helpTopicFor(chain);
}

} // namespace vestrano
