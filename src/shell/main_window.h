#pragma once
// The main window 主视窗: a borderless window with its own skin, the paper frame with the
// paper, the simple view with label 0 and its panels stacked under it, the professional view
// with the whole paper and its toolbar, the animated switch between them, the login panel
// and the hint lines along the bottom.
//
// The professional view's paper and the panels of other subsystems are given to the window from
// outside (see "Parts given from outside" below), and the print of the professional view answers
// its signal professionalPrintRequested; the program does both in shell/wired_window.h. Until
// then the professional view shows a plain sheet and its toolbar buttons do nothing.

#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed4.h"
#include "document/document.h"
#include "platform/hint_binder.h"
#include "platform/print_destination.h"
#include "print/arrangement.h"
#include "shell/window_geometry.h"
#include "storage/settings_service.h"

class QLabel;
class QScrollBar;

namespace kestrin {
class Ui;
}
namespace kestrin::page {
class LabelPicture;
class 条码输入区;
}  // namespace kestrin::page
namespace kestrin::platform {
class SkinButton;
}

namespace kestrin::shell {

class LoginPanel;

// The floating panels of the main window. Those with a number are closed by their own close
// button 关闭窗(number); 关闭功能窗 hides them all.
#ifndef Q_MOC_RUN  // moc cannot parse Chinese enumerators; it needs none of these
enum class PanelSlot {
    条码载入窗 = 0,
    条码输入区 = 1,
    标签修改区 = 2,
    条码读取窗 = 4,
    条码储存窗 = 5,
    图片读取窗 = 6,
    列印数量窗 = 100,
    自动排列窗,
    纸张设定窗,
    色彩选项,
};
#endif

// The main window 主视窗 (its object name).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Takes its settings from the service, follows their changes from then on and starts the
    // deferred start-up. Until started the window runs with the settings' defaults. The service
    // must outlive the window.
    void start(storage::SettingsService& settings, Ui& ui);

    // --- Public procedures of the window ---
    void 绘制条码(int labelIndex);
    // Lays the window out for the view.
    void 版本切换(View view);
    void 视窗底图排列();
    void 功能窗排列();
    void 卷轴使用分析();
    void 关闭功能窗();
    void 关闭窗(int index);
    // Places the professional view's paper in its frame (the connected rule, or an A4 sheet)
    // and ranges the scroll bars.
    void 纸张调整();
    // The simple view's print: label 0 列印数量 times over the sheet, each 列印份数 times.
    void 确定列印();
    // F1: the print of the current view.
    void printCurrentView();

    // --- Parts given from outside (wired in shell/wired_window.h) ---
    // The widget shown as the paper in the professional view, placed inside 新增载入窗.
    void setProfessionalPaper(QWidget* paper);
    // A floating panel: stacked by 功能窗排列 (simple view), hidden by 关闭功能窗, and, when it
    // has a child button named 关闭窗<number>, closed through 关闭窗.
    void setPanel(PanelSlot slot, QWidget* panel);
    QWidget* panel(PanelSlot slot) const;
    // Replaces the built-in quantity box: the panel and how to read its quantity.
    void replaceQuantityPanel(QWidget* panel, std::function<int()> quantity);
    // How to read 列印份数, which the simple view's print obeys as the professional one does.
    void setCopies(std::function<int()> copies) { copies_ = std::move(copies); }
    // Where prints go; by default the default printer or a PDF the user is told about.
    void setPrintDestination(std::function<platform::PrintDestination()> open) { openDestination_ = std::move(open); }
    void setUi(Ui& ui) { ui_ = &ui; }
    // A job on the destination the print buttons use.
    platform::PrintDestination openPrintDestination() const { return openDestination_(); }
    // The binder whose hints the window's hint line shows; the parts given to it bind theirs here.
    platform::HintBinder& hints() { return hints_; }
    // Opens the barcode input panel for a label of the professional view, just below it (or
    // above it when there is no room below), in front.
    void openBarcodeInputFor(page::LabelPicture& picture);
    // Puts every toolbar picture out of sight, as when the pointer leaves their zones over
    // something other than the window's background (the paper).
    void lowerToolbar() { placeToolbar(-1, -1); }
    // Hides these floating panels where they are registered.
    void hidePanels(std::initializer_list<PanelSlot> which);
    // The toolbar pictures of the professional view (纸张设定, 条码排列钮, 确定列印_V, ...).
    platform::SkinButton* toolbarButton(ToolbarButton which) const;
    QWidget* paperFrame() const { return 新增载入窗_; }
    void showHint(const QString& text);
    void showSecondHint(const QString& text);

    // --- State ---
    // The view laid out.
    View view() const { return view_; }
    // The view 版本按钮 chose: ahead of view() while the window animates towards it.
    View chosenView() const { return chosenView_; }
    Fixed4 resolution() const;
    storage::PrinterKind printerKind() const;
    // The arrangement boxes' values the simple print starts from.
    print::ArrangementValues arrangement() const;
    document::Document& document() { return doc_; }
    const document::Label& label(int index) const { return doc_.label(index); }
    page::LabelPicture* labelPicture(int index) const;
    page::条码输入区* barcodeInputPanel() const { return 条码输入区_; }
    LoginPanel* loginPanel() const { return 登入密码窗_; }
    // The window's size in twips and its 主视窗大小 value.
    WindowSize sizeInTwips() const;
    storage::MainWindowSize savedWindowSize() const;
    // Saves 主视窗大小 (done by every close).
    void saveWindowSize();

signals:
    // 确定列印_V or F1 in the professional view: the page is to be printed.
    void professionalPrintRequested();
    // 纸张调整 placed the professional paper as an upright A4 in the paper frame, whose size
    // in twips is given: a paper that knows the chosen size and direction places itself again.
    void paperPlaced(int frameWidth, int frameHeight);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildTitleStrip();
    void buildToolbar();
    void buildPaperFrame();
    void buildTimers();
    void applySettings();
    void settingChanged(std::string_view key);
    std::string storedPassword() const;
    void 排列视窗位置();
    void 视窗放大();
    void animate(bool expand);
    void switchView();
    void openLogin();
    void loginOpened();
    void shutAwayBehindLogin();
    void bringBackFromLogin();
    void openBarcodeInput(int labelIndex);
    void buildUndoKeys();
    void redrawLabelZero();
    void placePaper();
    void scrollPaper();
    void keepScrolledPlace();
    void hidePanelsOverPaper();
    void placeToolbar(int x, int y);
    void setSizeInTwips(WindowSize size);
    void pointerOnBackground(QPoint atPixels, QPoint global, Qt::MouseButtons buttons);

    document::Document doc_;
    int docSubscription_ = 0;
    storage::SettingsService* settings_ = nullptr;
    int settingsListener_ = 0;
    View view_ = View::Simple;
    View chosenView_ = View::Simple;
    // A saved view number of neither view leaves the window at its saved size at start-up.
    bool savedViewKnown_ = true;
    std::unique_ptr<Ui> ownUi_;
    Ui* ui_ = nullptr;

    platform::HintBinder hints_;
    QWidget* 新增载入窗_ = nullptr;  // the paper frame
    QWidget* 列印范围_ = nullptr;    // the paper of the simple view, and of the professional one until given
    QWidget* professionalPaper_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    QScrollBar* horizontalBar_ = nullptr;
    page::LabelPicture* 条码签0_ = nullptr;
    page::条码输入区* 条码输入区_ = nullptr;
    std::function<int()> quantity_;
    std::function<int()> copies_;
    QLabel* 说明提示_ = nullptr;
    QLabel* 说明提示2_ = nullptr;
    platform::SkinButton* 版本按钮_ = nullptr;
    QWidget* 关离功能_ = nullptr;
    platform::SkinButton* 视窗按钮0_ = nullptr;
    platform::SkinButton* 视窗按钮1_ = nullptr;
    platform::SkinButton* 关闭功能_ = nullptr;
    std::vector<platform::SkinButton*> toolbar_;
    LoginPanel* 登入密码窗_ = nullptr;

    std::map<PanelSlot, QWidget*> panels_;
    std::function<platform::PrintDestination()> openDestination_;

    QTimer 排列视窗位置_;
    QTimer 视窗展开_;
    QTimer 视窗缩关_;
    QTimer 视窗放大_;
    QSize sizeBeforeLogin_;  // given back when the login panel opens the window
    QSize minimumBeforeLogin_;
    QSize maximumBeforeLogin_;
    std::vector<QPointer<QWidget>> shutAway_;  // disabled while the login panel is shown
    WindowSize animated_;  // the animation's size in twips, free of pixel rounding

    QPoint dragStart_;     // pointer at the press, global pixels minus the window's corner
    QPoint gripRemembered_;  // twips in the window
    bool dragging_ = false;
    bool sizing_ = false;
};

}  // namespace kestrin::shell
