#include "Focus.h"

#include <QWidget>

namespace rmnra::ui {

void focusNextControl(QWidget* w) {
    for (QWidget* next = w->nextInFocusChain(); next && next != w;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() &&
            next->isVisibleTo(w->window())) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace rmnra::ui
