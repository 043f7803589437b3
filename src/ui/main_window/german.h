#pragma once

class QCoreApplication;

namespace vestrano {

// Qt's own texts (button captions of message boxes, context menus) in German.
void installGermanTranslations(QCoreApplication& app);

} // namespace vestrano
