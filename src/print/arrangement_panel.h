#pragma once
// The arrangement panel 自动排列窗: the three modes 排列选择 (one column, two columns, rows) and
// the four boxes 起始左, 起始上, 左右间距, 上下间距 in units of 15 twips. A mode click arranges
// the page's labels 1..250 and is remembered; a key released in a box stores "列印排列" through
// the writer and arranges again by the remembered mode.

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "common/ui.h"
#include "document/document.h"
#include "print/arrangement.h"
#include "print/paper.h"

class QLineEdit;

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::print {

class ArrangementPanel : public QWidget {
    Q_OBJECT
public:
    // Receives the value of the settings key "列印排列" to write through.
    using Writer = std::function<void(const std::string& value)>;
    // The paper picture's size at the moment of arranging.
    using PaperReader = std::function<PaperSize()>;

    ArrangementPanel(document::Document& doc, Ui& ui, platform::HintBinder& hints, PaperReader paper, Writer write,
                     QWidget* parent);

    // Puts a stored "列印排列" back into the boxes; a value without exactly four parts is ignored.
    void loadStored(std::string_view value);
    ArrangementValues values() const;
    ArrangementMode mode() const { return mode_; }
    // 排列选择: arranges by this mode and remembers it.
    void arrange(ArrangementMode mode);
    // Opens 360 twips left of the arrangement button's left and 600 twips down.
    void openBeside(int buttonLeft);

    QLineEdit* box(std::string_view name) const;

signals:
    // The labels moved: the paper's pictures should follow the page.
    void arranged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void boxTyped();

    document::Document& doc_;
    Ui& ui_;
    PaperReader paper_;
    Writer write_;
    ArrangementMode mode_ = ArrangementMode::OneColumn;
    // In the order of the stored value: 左右间距, 上下间距, 起始左, 起始上.
    std::array<QLineEdit*, 4> boxes_{};
    std::array<platform::SkinButton*, 3> 排列选择_{};
    QPoint dragOrigin_;
    bool dragging_ = false;
};

}  // namespace kestrin::print
