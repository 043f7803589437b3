#pragma once

#include <QObject>

#include <stdexcept>
#include <string>

namespace vestrano {

// Windows repeat control names (Picture1, Text1_0, Label1, HScroll1): a control is looked up in
// the window it belongs to, never in the whole program. A missing one throws, so the test or
// benchmark that wanted it stops with its name instead of using a null pointer.
template <class T> T* findIn(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (!found) {
        throw std::runtime_error(std::string("no control named ") + name + " in " +
                                 window.objectName().toStdString());
    }
    return found;
}

// A window of the program by its name, as the user picks it by its caption; `T` is what the
// caller needs of it, and a window of another kind throws as a missing one does.
template <class T = QObject> T& findWindow(const QObject& program, const char* name) {
    return dynamic_cast<T&>(*findIn<QObject>(program, name));
}

} // namespace vestrano
