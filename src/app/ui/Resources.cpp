#include "Resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace rmnra::ui {

void initResources() {
    initIcons();
}

} // namespace rmnra::ui
