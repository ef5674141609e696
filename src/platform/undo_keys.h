#pragma once
// The undo and redo keys of the program's windows: Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo.
// A text box that edits a label passes them on to the window, whose undo takes back the
// label's edits; the box's own undo would only change its text.

#include <QKeySequence>
#include <QObject>

class QKeyEvent;

namespace kestrin::platform {

inline const QKeySequence kUndoKey{Qt::CTRL | Qt::Key_Z};
inline const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

bool isUndoOrRedoKey(const QKeyEvent& key);

// Installed on a text box: leaves the undo and redo keys unaccepted, so that they go on to
// the window's shortcuts.
class UndoKeysToWindow : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kestrin::platform
