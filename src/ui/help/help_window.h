#pragma once

#include <QWidget>

#include "app/help_topics.h"

class QTextBrowser;

namespace vestrano {

// The help pages compiled into the program, with back, forward and the contents.
class HelpWindow final : public QWidget {
  public:
    explicit HelpWindow(QWidget* parent);

    void showTopic(const HelpTopic& topic);
    QTextBrowser& browser() { return *browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
    bool placed_ = false;
};

// The topic of the widget that has the focus, found by its and its windows' object names.
HelpTopic helpTopicOf(const QWidget* focus);

} // namespace vestrano
