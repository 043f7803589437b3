#include "ui/main_window/qt_dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

namespace vestrano {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::message(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& title) {
    const auto answer =
        QMessageBox::question(parent_, QString::fromStdString(title), QString::fromStdString(text),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

void QtDialogs::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

} // namespace vestrano
