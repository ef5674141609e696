#pragma once
// The user-interface service shown as real message boxes and the system beep.

#include <QWidget>

#include "common/ui.h"

namespace kestrin::platform {

class QtUi : public Ui {
public:
    explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
    void message(MessageIcon icon, std::string_view title, std::string_view text) override;
    void beep() override;
    void endProgram() override;

private:
    QWidget* parent_;
};

QString toQString(std::string_view utf8);

}  // namespace kestrin::platform
