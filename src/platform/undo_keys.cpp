#include "platform/undo_keys.h"

#include <QKeyEvent>

namespace kestrin::platform {

bool isUndoOrRedoKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    if (pressed == kUndoKey) return true;
    for (const QKeySequence& redo : kRedoKeys) {
        if (pressed == redo) return true;
    }
    return false;
}

bool UndoKeysToWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isUndoOrRedoKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrin::platform
