#pragma once
// Hover hints: when the pointer enters a bound control, its hint text is announced so that the
// window can write it into its hint line. A hint is a function because some depend on the
// control's state (a check box names what a click would do). A bound control without a
// caption takes its hint as its accessible name.

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace kestrin::platform {

class HintBinder : public QObject {
    Q_OBJECT
public:
    using Hint = std::function<std::string_view()>;
    explicit HintBinder(QObject* parent = nullptr) : QObject(parent) {}

    void bind(QWidget* control, Hint hint);
    // Announces the control's hint again if the pointer is on it (its state just changed).
    void refresh(QWidget* control);

signals:
    void hint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void announce(QWidget* control);

    QHash<QObject*, Hint> hints_;
};

}  // namespace kestrin::platform
