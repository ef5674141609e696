#include "platform/hint_binder.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWidget>

#include "platform/qt_ui.h"

namespace kestrin::platform {
namespace {

// Screen readers and UI automation find a control by its accessible name. A captioned button
// is named by its caption already; a control without one (a glyph button, a text box) is
// named by its hint, kept as the hint line last showed it.
void nameByHint(QWidget* control, const QString& text) {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (button && !button->text().isEmpty()) return;
    if (control->accessibleName() != text) control->setAccessibleName(text);
}

}  // namespace

void HintBinder::bind(QWidget* control, Hint hint) {
    nameByHint(control, toQString(hint()));
    hints_.insert(control, std::move(hint));
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { hints_.remove(gone); });
}

void HintBinder::refresh(QWidget* control) {
    if (control->underMouse() && hints_.contains(control)) announce(control);
}

void HintBinder::announce(QWidget* control) {
    const QString text = toQString(hints_.value(control)());
    nameByHint(control, text);
    emit hint(text);
}

bool HintBinder::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Enter && control && hints_.contains(control)) announce(control);
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrin::platform
