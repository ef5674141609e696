#pragma once
// The picture button every window uses: a push button with a glyph or a caption, a check box,
// or one option of a row, each painted by the skin in its raised, lit (under the pointer) or
// pressed state.

#include <QAbstractButton>

#include "platform/skin.h"

namespace kestrin::platform {

class SkinButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Push, Title, Check, Option };

    SkinButton(Kind kind, const QString& caption, QWidget* parent = nullptr);
    SkinButton(skin::Glyph glyph, Kind kind, QWidget* parent = nullptr);

    // For options: the segment's place in its row, which rounds the row's ends.
    void setRowEnds(bool first, bool last);
    skin::State state() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    Kind kind_;
    skin::Glyph glyph_ = skin::Glyph::None;
    bool first_ = true;
    bool last_ = true;
};

}  // namespace kestrin::platform
