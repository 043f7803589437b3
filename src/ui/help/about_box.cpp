#include "ui/help/about_box.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace vestrano {

SystemInfo currentSystemInfo() {
    SystemInfo info;
    info.qtRuntimeVersion = qVersion();
    info.qtBuildVersion = QT_VERSION_STR;
    info.platform = (QSysInfo::prettyProductName() + ", " + QSysInfo::currentCpuArchitecture() +
                     ", " + QGuiApplication::platformName())
                        .toStdString();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        info.screenWidth = screen->size().width();
        info.screenHeight = screen->size().height();
        info.scaleFactor = screen->devicePixelRatio();
    }
    return info;
}

AboutBox::AboutBox(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName("about");
    setWindowTitle(QString::fromUtf8(kAboutCaption));
    auto* icon = new QLabel;
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(64, 64));
    auto* text = new QLabel(QString::fromStdString(aboutText(currentSystemInfo())));
    text->setObjectName("aboutText");
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* copied = new QLabel;
    copied->setObjectName("aboutCopied");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    auto* copy =
        buttons->addButton(QString::fromUtf8(kCopySystemInfoCaption), QDialogButtonBox::ActionRole);
    copy->setObjectName("copySystemInfo");
    // Enter after copying still means OK.
    copy->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(copy, &QPushButton::clicked, this, [this, copied] {
        copySystemReport(ui_, currentSystemInfo());
        copied->setText(QString::fromUtf8(kSystemInfoCopied));
    });

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(copied);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vestrano
