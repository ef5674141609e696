#pragma once
// The item menu 功能选项: opened where the user releases the right button on a label, it offers
// a text item (entry 0), a picture item (1), copying the label's design (2), reading a stored
// design (3, shown only while the layout records file exists) and saving the design (4). It
// closes on any choice; what a choice does is up to whoever listens.

#include <QPoint>
#include <QWidget>
#include <array>

namespace kestrin::platform {
class HintBinder;
class SkinButton;
}  // namespace kestrin::platform

namespace kestrin::page {

class ItemMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEntries = 5;

    // The menu floats over `host` (the main window), which it never passes.
    ItemMenu(platform::HintBinder& hints, QWidget* host);

    // Opens beside a pointer given in the host's pixels, in front.
    void openAt(QPoint pointerInHost, bool layoutRecordsExist);
    platform::SkinButton* entry(int index) const { return 标签功能_[static_cast<std::size_t>(index)]; }

signals:
    void chosen(int entry);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<platform::SkinButton*, kEntries> 标签功能_{};
};

}  // namespace kestrin::page
