#include "ui/main_window/qt_dialogs.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/dialog_folder.h"
#include "state/plot_state.h"
#include "ui/canvas/qt_colour.h"

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

// "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*" as Qt writes it: "Textdateien (*.txt);;...".
QString qtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) {
        names << parts[i];
    }
    return names.join(";;");
}

// A question of Yes and No has no third answer: Escape and the close button leave it open
// until the user picks one.
class YesNoBox final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

bool isFolder(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isDir();
}

// "Bilder (*.png)" gives "png": a name typed without an extension gets the chosen type's.
QString extensionOf(const QString& filterName) {
    const int star = filterName.indexOf("*.");
    if (star < 0) {
        return {};
    }
    const QString rest = filterName.mid(star + 2);
    const int end = rest.indexOf(QRegularExpression("[^A-Za-z0-9]"));
    const QString extension = end < 0 ? rest : rest.left(end);
    return extension == "*" ? QString() : extension;
}

std::optional<std::string> chosen(const QString& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name.toStdString();
}

} // namespace

// Collections are the user's documents, not the program's folder. A folder that does not exist
// would reach the dialog as a file name.
QString QtDialogs::startFolder() const {
    const std::string documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    return QString::fromStdString(dialogFolder(files_ ? files_->colfile : std::string(), documents,
                                               QDir::homePath().toStdString(), isFolder));
}

void QtDialogs::message(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& title) {
    YesNoBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                 QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

std::optional<uint32_t> QtDialogs::chooseColor(uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(qtColor(initial), parent_, {});
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return coreColor(chosen);
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& preset) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, QString::fromStdString(title),
                                               QString::fromStdString(prompt), QLineEdit::Normal,
                                               QString::fromStdString(preset), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text.toStdString();
}

// The dialogs ask no question of their own: overwriting and creating are asked by the core.
std::optional<std::string> QtDialogs::openFileName(const std::string& title,
                                                   const std::string& filter) {
    return chosen(QFileDialog::getOpenFileName(parent_, QString::fromStdString(title),
                                               startFolder(), qtFilter(filter), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

// A name typed without an extension gets the one of the chosen file type.
std::optional<std::string> QtDialogs::saveFileName(const std::string& title,
                                                   const std::string& filter,
                                                   const std::string& preset) {
    QFileDialog dialog(parent_, QString::fromStdString(title), startFolder(), qtFilter(filter));
    const std::string name = offeredName(preset, isFolder);
    if (!name.empty()) {
        dialog.selectFile(QString::fromStdString(name));
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList names = qtFilter(filter).split(";;");
    dialog.setDefaultSuffix(extensionOf(names.front()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& name) { dialog.setDefaultSuffix(extensionOf(name)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(dialog.selectedFiles().front());
}

} // namespace vestrano
