#include "platform/hint_binder.h"

#include <QEvent>
#include <QWidget>

#include "platform/qt_ui.h"

namespace kestrin::platform {

void HintBinder::bind(QWidget* control, Hint hint) {
    hints_.insert(control, std::move(hint));
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { hints_.remove(gone); });
}

void HintBinder::refresh(QWidget* control) {
    if (control->underMouse() && hints_.contains(control)) emit hint(toQString(hints_.value(control)()));
}

bool HintBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        const auto it = hints_.constFind(watched);
        if (it != hints_.constEnd()) emit hint(toQString((*it)()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrin::platform
