#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace vestrano {

// Messages already shown for one cause. A routine that runs on every click, frame or tick
// would otherwise raise the same modal box again and again and swallow the user's typing.
struct OnceMessages {
    std::string cause;
    std::vector<std::string> shown;

    // True when `text` has not been shown for `currentCause` yet; remembers it.
    bool admit(const std::string& currentCause, const std::string& text) {
        if (currentCause != cause) {
            cause = currentCause;
            shown.clear();
        }
        if (std::find(shown.begin(), shown.end(), text) != shown.end()) {
            return false;
        }
        shown.push_back(text);
        return true;
    }
};

} // namespace vestrano
