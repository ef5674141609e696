#include "shell/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "engine/barcode_drawing.h"
#include "page/barcode_input.h"
#include "page/barcode_input_panel.h"
#include "page/label_picture_widget.h"
#include "platform/qt_ui.h"
#include "platform/screen_units.h"
#include "platform/skin.h"
#include "platform/skin_button.h"
#include "platform/undo_keys.h"
#include "print/paper.h"
#include "print/print_job.h"
#include "print/quantity_panel.h"
#include "shell/login_panel.h"
#include "shell/password.h"

namespace kestrin::shell {
namespace {

namespace skin = platform::skin;
using platform::SkinButton;
using platform::toPixels;
using platform::toTwips;

constexpr std::string_view kMoveWindowHint = "按住滑鼠左键，移动滑鼠，调整 视窗位置";
constexpr std::string_view kSizeWindowHint = "按住滑鼠左键，移动滑鼠，调整 视窗大小";
constexpr std::string_view kClosePanelHint = "关闭 功能视窗";
constexpr int kTitleButtonWidth = 40;
constexpr int kScrollBarThickness = 14;
constexpr int kToolbarHeight = 28;
constexpr int kViewButtonLeft = 176;
constexpr int kViewButtonWidth = 84;
// The order 功能窗排列 stacks the simple view's panels in; the quantity comes last.
constexpr PanelSlot kStackOrder[] = {PanelSlot::条码储存窗, PanelSlot::条码输入区, PanelSlot::标签修改区,
                                     PanelSlot::图片读取窗, PanelSlot::条码读取窗};
constexpr std::string_view kToolbarCaptions[] = {"条码管理", "纸张设定", "条码排列", "确定列印", "系统设定"};
constexpr std::string_view kToolbarNames[] = {"条码管理", "纸张设定", "条码排列钮", "确定列印_V", "系统按钮"};

// The area inside the window's skin that holds the paper, painted with a soft gradient. Its
// mouse events fall through to the window, which moves when its background is dragged.
class PaperFrame : public QWidget {
public:
    explicit PaperFrame(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("新增载入窗"));
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        skin::paintPaperFrame(p, rect());
        for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible() || !child->property("paper").toBool()) continue;
            skin::paintSheetShadow(p, child->geometry());
            if (child->property("bordered").toBool()) skin::paintSheetBorder(p, child->geometry());
        }
    }
};

QRect twipsRect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

WindowSize screenInTwips(const QWidget& w) {
    const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->geometry().width() * platform::kTwipsPerPixel, screen->geometry().height() * platform::kTwipsPerPixel};
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), ownUi_(std::make_unique<platform::QtUi>(this)), ui_(ownUi_.get()) {
    setObjectName(QStringLiteral("主视窗"));
    setWindowTitle(QStringLiteral("Kestrin Vorlana"));
    setWindowIcon(skin::appIcon());
    setWindowFlag(Qt::FramelessWindowHint);
    setMouseTracking(true);
    openDestination_ = [this] { return platform::openPrintDestination(resolution()); };

    buildPaperFrame();
    条码输入区_ = new page::条码输入区(doc_, hints_, this);
    条码输入区_->setPrinterKindSource([this] { return printerKind(); });
    setPanel(PanelSlot::条码输入区, 条码输入区_);
    auto* quantity = new print::QuantityPanel(hints_, this);
    connect(quantity, &print::QuantityPanel::printRequested, this, &MainWindow::确定列印);
    replaceQuantityPanel(quantity, [quantity] { return quantity->quantity(); });

    说明提示_ = new QLabel(this);
    说明提示_->setObjectName(QStringLiteral("说明提示"));
    说明提示2_ = new QLabel(this);
    说明提示2_->setObjectName(QStringLiteral("说明提示2"));
    说明提示2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* line : {说明提示_, 说明提示2_}) {
        line->setFont(skin::captionFont(12));
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    connect(&hints_, &platform::HintBinder::hint, this, &MainWindow::showHint);

    buildTitleStrip();
    buildToolbar();
    登入密码窗_ = new LoginPanel(this);
    connect(登入密码窗_, &LoginPanel::opened, this, &MainWindow::loginOpened);
    buildTimers();

    // F1 prints the current view, but only while one of this program's windows is active: a
    // key pressed for another program is none of ours.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    f1->setAutoRepeat(false);
    connect(f1, &QShortcut::activated, this, &MainWindow::printCurrentView);
    buildUndoKeys();
    docSubscription_ = doc_.subscribe([this](const document::ChangedLabels& changed) {
        if (std::find(changed.begin(), changed.end(), document::kSimpleLabel) != changed.end()) redrawLabelZero();
    });

    resize(toPixels(kSimpleViewWidth), toPixels(kSimpleViewHeight));
    视窗底图排列();
    版本切换(View::Simple);
    openBarcodeInput(document::kSimpleLabel);
}

MainWindow::~MainWindow() {
    if (settings_) settings_->unsubscribe(settingsListener_);
    doc_.unsubscribe(docSubscription_);
    // The panels and the paper listen to the document: they go before it does.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::buildUndoKeys() {
    const auto key = [this](QKeySequence sequence, void (document::Document::*act)()) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, act] {
            if (登入密码窗_->isVisible()) return;
            (doc_.*act)();
        });
    };
    key(platform::kUndoKey, &document::Document::undo);
    for (const QKeySequence& redo : platform::kRedoKeys) key(redo, &document::Document::redo);
}

void MainWindow::redrawLabelZero() {
    条码签0_->绘制条码();
    if (view_ == View::Simple) 列印范围_->resize(条码签0_->size());
}

void MainWindow::buildPaperFrame() {
    新增载入窗_ = new PaperFrame(this);
    列印范围_ = new QWidget(新增载入窗_);
    列印范围_->setObjectName(QStringLiteral("列印范围"));
    列印范围_->setProperty("paper", true);
    列印范围_->setAutoFillBackground(true);
    列印范围_->setMouseTracking(true);
    条码签0_ = new page::LabelPicture(document::kSimpleLabel, doc_, [this] { return resolution(); }, 列印范围_);
    connect(条码签0_, &page::LabelPicture::clicked, this, &MainWindow::openBarcodeInput);
    hints_.bind(条码签0_->handle(), [] { return page::kHandleHint; });
    hints_.bind(条码签0_, [] { return page::kSimpleLabelHint; });

    verticalBar_ = new QScrollBar(Qt::Vertical, 新增载入窗_);
    verticalBar_->setObjectName(QStringLiteral("垂直卷轴"));
    horizontalBar_ = new QScrollBar(Qt::Horizontal, 新增载入窗_);
    horizontalBar_->setObjectName(QStringLiteral("水平卷轴"));
    for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
        bar->setAccessibleName(bar->objectName());
        bar->setMaximum(0);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &MainWindow::scrollPaper);
    }
}

void MainWindow::buildTitleStrip() {
    版本按钮_ = new SkinButton(SkinButton::Kind::Title, QString(), this);
    版本按钮_->setObjectName(QStringLiteral("版本按钮"));
    connect(版本按钮_, &SkinButton::clicked, this, &MainWindow::switchView);

    关离功能_ = new QWidget(this);
    关离功能_->setObjectName(QStringLiteral("关离功能"));
    视窗按钮0_ = new SkinButton(skin::Glyph::Minimise, SkinButton::Kind::Title, 关离功能_);
    视窗按钮0_->setObjectName(QStringLiteral("视窗按钮0"));
    hints_.bind(视窗按钮0_, [] { return std::string_view("视窗 最小化"); });
    connect(视窗按钮0_, &SkinButton::clicked, this, &QWidget::showMinimized);
    视窗按钮1_ = new SkinButton(skin::Glyph::Maximise, SkinButton::Kind::Title, 关离功能_);
    视窗按钮1_->setObjectName(QStringLiteral("视窗按钮1"));
    hints_.bind(视窗按钮1_, [] { return std::string_view("视窗 最大化"); });
    connect(视窗按钮1_, &SkinButton::clicked, this, [this] {
        if (isMaximized()) showNormal();
        else showMaximized();
        视窗底图排列();
        纸张调整();
    });
    关闭功能_ = new SkinButton(skin::Glyph::Close, SkinButton::Kind::Title, 关离功能_);
    关闭功能_->setObjectName(QStringLiteral("关闭功能"));
    hints_.bind(关闭功能_, [] { return std::string_view("关闭程式"); });
    connect(关闭功能_, &SkinButton::clicked, this, &QWidget::close);
}

void MainWindow::buildToolbar() {
    for (std::size_t i = 0; i < std::size(kToolbarNames); ++i) {
        auto* b = new SkinButton(SkinButton::Kind::Title, platform::toQString(kToolbarCaptions[i]), this);
        b->setObjectName(platform::toQString(kToolbarNames[i]));
        const ToolbarZone zone = toolbarZones()[i];
        b->setGeometry(toPixels(zone.left), toPixels(kToolbarHiddenTop), toPixels(zone.right - zone.left), kToolbarHeight);
        toolbar_.push_back(b);
    }
    hints_.bind(toolbarButton(ToolbarButton::确定列印_V), [] { return std::string_view("确定列印条码"); });
    connect(toolbarButton(ToolbarButton::确定列印_V), &SkinButton::clicked, this, [this] {
        关闭功能窗();
        emit professionalPrintRequested();
    });
}

void MainWindow::buildTimers() {
    // Children, so that whoever drives the window (the tests) can see what is still to come.
    for (QTimer* timer : {&排列视窗位置_, &视窗展开_, &视窗缩关_, &视窗放大_}) timer->setParent(this);
    排列视窗位置_.setObjectName(QStringLiteral("排列视窗位置"));
    排列视窗位置_.setInterval(50);
    排列视窗位置_.setSingleShot(true);
    connect(&排列视窗位置_, &QTimer::timeout, this, &MainWindow::排列视窗位置);
    视窗展开_.setObjectName(QStringLiteral("视窗展开"));
    视窗展开_.setInterval(15);
    connect(&视窗展开_, &QTimer::timeout, this, [this] { animate(true); });
    视窗缩关_.setObjectName(QStringLiteral("视窗缩关"));
    视窗缩关_.setInterval(15);
    connect(&视窗缩关_, &QTimer::timeout, this, [this] { animate(false); });
    视窗放大_.setObjectName(QStringLiteral("视窗放大"));
    视窗放大_.setInterval(200);
    connect(&视窗放大_, &QTimer::timeout, this, &MainWindow::视窗放大);
}

// --- Start-up ---

void MainWindow::start(storage::SettingsService& settings, Ui& ui) {
    if (settings_) settings_->unsubscribe(settingsListener_);
    settings_ = &settings;
    settingsListener_ = settings.subscribe([this](std::string_view key) { settingChanged(key); });
    ui_ = &ui;
    applySettings();
    排列视窗位置_.start();
}

Fixed4 MainWindow::resolution() const {
    return settings_ ? settings_->printResolution() : storage::kDefaultPrintResolution;
}

storage::PrinterKind MainWindow::printerKind() const {
    return settings_ ? settings_->printerKind() : storage::PrinterKind::Page;
}

print::ArrangementValues MainWindow::arrangement() const {
    return print::arrangementValues(settings_ ? settings_->arrangement() : std::nullopt);
}

std::string MainWindow::storedPassword() const { return settings_ ? settings_->storedPassword() : std::string(); }

void MainWindow::settingChanged(std::string_view key) {
    if (key == storage::keys::列印解析度) 条码签0_->绘制条码();
}

void MainWindow::applySettings() {
    if (const auto& saved = settings_->mainWindowSize()) {
        const SavedPlacement placed = placementFromSaved(*saved, screenInTwips(*this));
        if (placed.view) chosenView_ = *placed.view;
        else savedViewKnown_ = false;
        if (placed.maximised) {
            setWindowState(Qt::WindowMaximized);
            视窗放大_.start();
        } else {
            setSizeInTwips(placed.size);
            move(placed.left ? toPixels(*placed.left) : x(), placed.top ? toPixels(*placed.top) : y());
        }
    }
    if (printerKind() == storage::PrinterKind::Label) {
        doc_.editLabel(document::kSimpleLabel, [](document::Label& label) { label.width = document::kLabelPrinterLabelWidth; });
    }
    doc_.clearUndo();  // the settings are where the session starts, not an edit to take back
    条码签0_->绘制条码();
}

void MainWindow::排列视窗位置() {
    if (savedViewKnown_ && chosenView_ == View::Simple) {
        setSizeInTwips({kSimpleViewWidth, kSimpleViewHeight});
        版本切换(View::Simple);
    } else if (savedViewKnown_) {
        if (isMaximized()) 视窗放大_.start();
        else setSizeInTwips({kProfessionalViewWidth, kProfessionalViewHeight});
        版本切换(View::Professional);
    }
    视窗底图排列();
    if (view_ == View::Professional) 纸张调整();
    if (isPasswordSet(storedPassword())) openLogin();
    // 更新设定 is read by the settings for the update check of a later release.
}

void MainWindow::视窗放大() {
    if (!isVisible()) return;
    视窗底图排列();
    纸张调整();
    视窗放大_.stop();
}

// --- Views ---

void MainWindow::版本切换(View view) {
    view_ = view;
    // The button offers the other view.
    版本按钮_->setText(platform::toQString(viewName(view == View::Simple ? View::Professional : View::Simple)));
    if (view == View::Simple) {
        条码签0_->move(0, 0);
        条码签0_->show();
        条码签0_->raise();
        if (professionalPaper_) professionalPaper_->hide();
        列印范围_->setProperty("bordered", false);
        列印范围_->setGeometry(toPixels(kSimplePaperOffset), toPixels(kSimplePaperOffset), 条码签0_->width(),
                               条码签0_->height());
        列印范围_->show();
        列印范围_->raise();
        verticalBar_->hide();
        horizontalBar_->hide();
        // The panel may still edit a label of the professional view (or one since deleted):
        // in the simple view it edits label 0 alone.
        条码输入区_->open(document::kSimpleLabel);
        if (QWidget* q = panel(PanelSlot::列印数量窗)) q->show();
        功能窗排列();
        // The toolbar is the professional view's. Held out of sight it would still be in
        // reach of Tab and of a screen reader, and its print is not this view's print.
        for (SkinButton* b : toolbar_) b->hide();
    } else {
        条码签0_->hide();
        列印范围_->setProperty("bordered", true);
        for (SkinButton* b : toolbar_) b->show();
        关闭功能窗();
        if (professionalPaper_) {
            列印范围_->hide();
            professionalPaper_->show();
        } else {
            列印范围_->show();
        }
    }
    视窗底图排列();
}

void MainWindow::switchView() {
    chosenView_ = chosenView_ == View::Simple ? View::Professional : View::Simple;
    setWindowState(Qt::WindowNoState);
    关闭功能窗();
    animated_ = sizeInTwips();
    // One animation at a time: left running, the two would undo each other's steps forever.
    视窗展开_.stop();
    视窗缩关_.stop();
    if (chosenView_ == View::Professional) 视窗展开_.start();
    else 视窗缩关_.start();
}

void MainWindow::animate(bool expand) {
    const AnimationTick tick = expand ? expandTick(animated_) : shrinkTick(animated_);
    animated_ = tick.size;
    setSizeInTwips(tick.size);
    视窗底图排列();
    if (!tick.arrived) return;
    if (expand) {
        视窗展开_.stop();
        纸张调整();
        版本切换(View::Professional);
    } else {
        视窗缩关_.stop();
        版本切换(View::Simple);
    }
}

void MainWindow::视窗底图排列() {
    const int w = width();
    const int h = height();
    const int frameTop = skin::kTitleHeight + 1;
    新增载入窗_->setGeometry(2, frameTop, w - 4, h - frameTop - skin::kHintLineHeight);
    说明提示_->setGeometry(12, h - skin::kHintLineHeight + 1, w * 3 / 5, skin::kHintLineHeight - 2);
    说明提示2_->setGeometry(12 + w * 3 / 5, h - skin::kHintLineHeight + 1, w * 2 / 5 - 36, skin::kHintLineHeight - 2);
    版本按钮_->setGeometry(kViewButtonLeft, 3, kViewButtonWidth, skin::kTitleHeight - 6);

    // Two buttons in the simple view (minimise, close), three in the professional view.
    const bool three = view_ == View::Professional;
    视窗按钮1_->setVisible(three);
    const int count = three ? 3 : 2;
    关离功能_->setGeometry(w - count * kTitleButtonWidth, 0, count * kTitleButtonWidth, skin::kTitleHeight);
    视窗按钮0_->setGeometry(0, 0, kTitleButtonWidth, skin::kTitleHeight);
    视窗按钮1_->setGeometry(kTitleButtonWidth, 0, kTitleButtonWidth, skin::kTitleHeight);
    关闭功能_->setGeometry((count - 1) * kTitleButtonWidth, 0, kTitleButtonWidth, skin::kTitleHeight);
    关离功能_->raise();

    const QRect frame = 新增载入窗_->rect();
    verticalBar_->setGeometry(frame.width() - kScrollBarThickness, 0, kScrollBarThickness,
                              frame.height() - kScrollBarThickness);
    horizontalBar_->setGeometry(0, frame.height() - kScrollBarThickness, frame.width() - kScrollBarThickness,
                                kScrollBarThickness);
    update();
}

// --- Panels ---

void MainWindow::setPanel(PanelSlot slot, QWidget* panelWidget) {
    panels_[slot] = panelWidget;
    const int index = static_cast<int>(slot);
    if (index >= static_cast<int>(PanelSlot::列印数量窗)) return;
    const QString name = QStringLiteral("关闭窗%1").arg(index);
    for (auto* close : panelWidget->findChildren<QAbstractButton*>(name)) {
        hints_.bind(close, [] { return kClosePanelHint; });
        connect(close, &QAbstractButton::clicked, this, [this, index] { 关闭窗(index); });
    }
}

QWidget* MainWindow::panel(PanelSlot slot) const {
    const auto found = panels_.find(slot);
    return found == panels_.end() ? nullptr : found->second;
}

void MainWindow::replaceQuantityPanel(QWidget* panelWidget, std::function<int()> quantity) {
    if (QWidget* old = panel(PanelSlot::列印数量窗); old && old != panelWidget) old->hide();
    setPanel(PanelSlot::列印数量窗, panelWidget);
    quantity_ = std::move(quantity);
    if (view_ == View::Simple) 功能窗排列();
}

void MainWindow::功能窗排列() {
    const int paperBottom = toTwips(新增载入窗_->y() + 列印范围_->y() + 列印范围_->height());
    std::vector<std::optional<int>> heights;
    for (const PanelSlot slot : kStackOrder) {
        const QWidget* p = panel(slot);
        heights.push_back(p && p->isVisible() ? std::optional(toTwips(p->height())) : std::nullopt);
    }
    const PanelStack stack = stackPanels(paperBottom, heights);
    for (std::size_t i = 0; i < std::size(kStackOrder); ++i) {
        if (!stack.tops[i]) continue;
        QWidget* p = panel(kStackOrder[i]);
        p->move(toPixels(kPanelColumnLeft), toPixels(*stack.tops[i]));
        p->raise();
    }
    if (QWidget* q = panel(PanelSlot::列印数量窗)) {
        q->move(toPixels(kPanelColumnLeft), toPixels(stack.next));
        q->show();
        q->raise();
    }
}

void MainWindow::关闭功能窗() {
    for (const auto& [slot, p] : panels_) {
        if (p) p->hide();
    }
}

void MainWindow::关闭窗(int index) {
    if (view_ == View::Professional) {
        关闭功能窗();
        return;
    }
    if (QWidget* p = panel(static_cast<PanelSlot>(index))) p->hide();
    功能窗排列();
}

void MainWindow::hidePanels(std::initializer_list<PanelSlot> which) {
    for (const PanelSlot slot : which) {
        if (QWidget* p = panel(slot)) p->hide();
    }
}

void MainWindow::openBarcodeInputFor(page::LabelPicture& picture) {
    条码输入区_->open(picture.index());
    const QRect label(picture.mapTo(this, QPoint(0, 0)), picture.size());
    const PanelCorner corner =
        inputPanelCorner({toTwips(label.x()), toTwips(label.y()), toTwips(label.width()), toTwips(label.height())},
                         {toTwips(条码输入区_->width()), toTwips(条码输入区_->height())}, sizeInTwips());
    条码输入区_->move(toPixels(corner.left), toPixels(corner.top));
}

void MainWindow::openBarcodeInput(int labelIndex) {
    条码输入区_->open(labelIndex);
    if (view_ == View::Simple) 功能窗排列();
}

// --- Paper ---

void MainWindow::setProfessionalPaper(QWidget* paper) {
    professionalPaper_ = paper;
    paper->setParent(新增载入窗_);
    paper->setProperty("paper", true);
    paper->setVisible(view_ == View::Professional);
    if (view_ == View::Professional) 列印范围_->hide();
    verticalBar_->raise();
    horizontalBar_->raise();
}

void MainWindow::纸张调整() {
    if (view_ != View::Professional && chosenView_ != View::Professional) return;
    placePaper();
    卷轴使用分析();
    // Placing the paper again must not leave it somewhere other than where its bars say.
    keepScrolledPlace();
}

void MainWindow::placePaper() {
    QWidget* paper = professionalPaper_ ? professionalPaper_ : 列印范围_;
    const WindowSize area{新增载入窗_->width() * platform::kTwipsPerPixel, 新增载入窗_->height() * platform::kTwipsPerPixel};
    const print::PaperPlacement placed = print::纸张调整(0, print::Direction::Upright, area.width, area.height);
    paper->setGeometry(twipsRect(placed.left, placed.top, placed.width, placed.height));
    emit paperPlaced(area.width, area.height);
}

void MainWindow::卷轴使用分析() {
    QWidget* paper = professionalPaper_ ? professionalPaper_ : 列印范围_;
    const WindowSize paperSize{paper->width() * platform::kTwipsPerPixel, paper->height() * platform::kTwipsPerPixel};
    const WindowSize frame{新增载入窗_->width() * platform::kTwipsPerPixel, 新增载入窗_->height() * platform::kTwipsPerPixel};
    const PaperScrollBars bars = shell::卷轴使用分析(paperSize, frame);
    const auto apply = [](QScrollBar* bar, ScrollBar rule) {
        const QSignalBlocker quiet(bar);
        bar->setMaximum(rule.maximum);
        bar->setVisible(rule.shown);
        if (rule.shown) bar->raise();
    };
    apply(verticalBar_, bars.vertical);
    apply(horizontalBar_, bars.horizontal);
}

void MainWindow::hidePanelsOverPaper() {
    for (const PanelSlot slot : {PanelSlot::条码储存窗, PanelSlot::条码输入区, PanelSlot::标签修改区, PanelSlot::条码读取窗}) {
        if (QWidget* p = panel(slot)) p->hide();
    }
}

void MainWindow::scrollPaper() {
    hidePanelsOverPaper();
    QWidget* paper = professionalPaper_ ? professionalPaper_ : 列印范围_;
    QRect g = paper->geometry();
    if (verticalBar_->isVisible()) g.moveTop(toPixels(paperOffsetForScroll(verticalBar_->value())));
    if (horizontalBar_->isVisible()) g.moveLeft(toPixels(paperOffsetForScroll(horizontalBar_->value())));
    paper->setGeometry(g);
    新增载入窗_->update();
}

void MainWindow::keepScrolledPlace() {
    QWidget* paper = professionalPaper_ ? professionalPaper_ : 列印范围_;
    QRect g = paper->geometry();
    if (verticalBar_->isVisible() && verticalBar_->value() > 0) {
        g.moveTop(toPixels(paperOffsetForScroll(verticalBar_->value())));
    }
    if (horizontalBar_->isVisible() && horizontalBar_->value() > 0) {
        g.moveLeft(toPixels(paperOffsetForScroll(horizontalBar_->value())));
    }
    paper->setGeometry(g);
}

// --- Printing ---

void MainWindow::确定列印() {
    const int quantity = quantity_ ? quantity_() : 0;
    // Nothing to print: no document, and no fallback PDF to tell the user about.
    if (quantity >= 1) {
        platform::PrintDestination destination = openDestination_();
        const print::PrintSettings printSettings{resolution(), printerKind(), copies_ ? copies_() : 1};
        print::simplePrint(destination.output->surface(), doc_.label(document::kSimpleLabel), quantity, arrangement(),
                           printSettings);
        platform::finishPrint(destination, *ui_);
    }
    // Label 0 is what was printed; F1 can come while the view still shrinks from the
    // professional one, with the panel on a label of that view.
    条码输入区_->open(document::kSimpleLabel);
    条码输入区_->dataBox()->setFocus();
    条码输入区_->dataBox()->selectAll();
    功能窗排列();
}

void MainWindow::printCurrentView() {
    if (登入密码窗_->isVisible()) return;
    if (chosenView_ == View::Simple) 确定列印();
    else {
        关闭功能窗();
        emit professionalPrintRequested();
    }
}

// --- Login ---

void MainWindow::openLogin() {
    const std::string password = storedPassword();
    if (!isPasswordSet(password)) return;
    setWindowState(Qt::WindowNoState);
    sizeBeforeLogin_ = size();
    resize(LoginPanel::pictureSize());
    关离功能_->hide();
    登入密码窗_->open(password);
    shutAwayBehindLogin();
}

// The panel covers the rest of the window, but covering keeps out neither the keyboard (Tab to
// a covered button, then Space) nor a window manager that maximises or resizes the window and
// so uncovers it. Everything else is disabled and the window's size is held.
void MainWindow::shutAwayBehindLogin() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // One disabled for reasons of its own stays so afterwards.
        if (child == 登入密码窗_ || !child->isEnabled()) continue;
        child->setEnabled(false);
        shutAway_.emplace_back(child);
    }
    minimumBeforeLogin_ = minimumSize();
    maximumBeforeLogin_ = maximumSize();
    setFixedSize(size());
}

void MainWindow::bringBackFromLogin() {
    for (const QPointer<QWidget>& child : shutAway_) {
        if (child) child->setEnabled(true);
    }
    shutAway_.clear();
    setMinimumSize(minimumBeforeLogin_);
    setMaximumSize(maximumBeforeLogin_);
}

void MainWindow::loginOpened() {
    bringBackFromLogin();
    关离功能_->show();
    resize(sizeBeforeLogin_);
    视窗底图排列();
    纸张调整();
    if (view_ == View::Simple) 条码输入区_->dataBox()->setFocus();
}

// --- Window geometry ---

page::LabelPicture* MainWindow::labelPicture(int index) const { return index == document::kSimpleLabel ? 条码签0_ : nullptr; }

platform::SkinButton* MainWindow::toolbarButton(ToolbarButton which) const {
    return toolbar_[static_cast<std::size_t>(which)];
}

WindowSize MainWindow::sizeInTwips() const {
    return {width() * platform::kTwipsPerPixel, height() * platform::kTwipsPerPixel};
}

void MainWindow::setSizeInTwips(WindowSize size) { resize(toPixels(size.width), toPixels(size.height)); }

storage::MainWindowSize MainWindow::savedWindowSize() const {
    storage::MainWindowSize saved;
    saved.viewMode = viewNumber(chosenView_);
    saved.windowState = isMaximized() ? kMaximisedState : isMinimized() ? 1 : 0;
    // A maximised or minimised window saves the place it comes back to; while the login panel
    // covers it, the size it had before.
    QRect g = (isMaximized() || isMinimized()) ? normalGeometry() : geometry();
    if (!g.isValid()) g = geometry();
    if (登入密码窗_->isVisible()) {
        g.setSize(sizeBeforeLogin_);
    }
    saved.left = g.x() * platform::kTwipsPerPixel;
    saved.top = g.y() * platform::kTwipsPerPixel;
    saved.width = g.width() * platform::kTwipsPerPixel;
    saved.height = g.height() * platform::kTwipsPerPixel;
    return saved;
}

void MainWindow::saveWindowSize() {
    if (settings_) settings_->setMainWindowSize(savedWindowSize());
}

void MainWindow::showHint(const QString& text) { 说明提示_->setText(text); }
void MainWindow::showSecondHint(const QString& text) { 说明提示2_->setText(text); }

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    skin::paintWindow(p, rect(), windowTitle());
    if (view_ != View::Professional) return;
    for (std::size_t i = 0; i < toolbar_.size(); ++i) {
        if (!toolbar_[i]->isVisible()) continue;
        const ToolbarZone zone = toolbarZones()[i];
        skin::paintToolbarRest(p, QRectF(toPixels(zone.left), 0, toPixels(zone.right - zone.left), kToolbarHeight),
                               toolbar_[i]->text());
    }
    skin::paintResizeGrip(p, QRectF(width() - toPixels(kResizeGrip), height() - toPixels(kResizeGrip),
                                    toPixels(kResizeGrip), toPixels(kResizeGrip)));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    视窗底图排列();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close button and a close asked for by the system (window manager, log-out) save alike.
    saveWindowSize();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A maximise (or full screen) asked for by the window manager would uncover the window
    // around the login panel: refused while the panel is shown.
    constexpr Qt::WindowStates kUncovering = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() != QEvent::WindowStateChange || !登入密码窗_->isVisible()) return;
    if (windowState() & kUncovering) setWindowState(windowState() & ~kUncovering);
}

void MainWindow::placeToolbar(int x, int y) {
    const auto over = toolbarButtonAt(x, y);
    for (std::size_t i = 0; i < toolbar_.size(); ++i) {
        const bool up = view_ == View::Professional && over && static_cast<std::size_t>(*over) == i;
        toolbar_[i]->move(toolbar_[i]->x(), toPixels(up ? kToolbarShownTop : kToolbarHiddenTop));
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (view_ == View::Professional) 关闭功能窗();
    dragStart_ = event->globalPosition().toPoint() - pos();
    gripRemembered_ = {toTwips(event->position().x()), toTwips(event->position().y())};
    dragging_ = true;
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    pointerOnBackground(event->position().toPoint(), event->globalPosition().toPoint(), event->buttons());
}

void MainWindow::pointerOnBackground(QPoint at, QPoint global, Qt::MouseButtons buttons) {
    const int x = toTwips(at.x());
    const int y = toTwips(at.y());
    if (buttons == Qt::NoButton) {
        placeToolbar(x, y);
        sizing_ = view_ == View::Professional && inResizeGrip(x, y, sizeInTwips());
        if (sizing_) {
            setCursor(Qt::SizeFDiagCursor);
            showHint(platform::toQString(kSizeWindowHint));
        } else {
            unsetCursor();
            if (windowState() == Qt::WindowNoState) showHint(platform::toQString(kMoveWindowHint));
        }
        return;
    }
    if (!(buttons & Qt::LeftButton) || isMaximized()) return;
    if (sizing_) {
        WindowSize size = sizeInTwips();
        if (auto step = gripAxisStep(y, gripRemembered_.y(), size.height, kMinimumHeight)) {
            size.height = step->length;
            gripRemembered_.setY(step->remembered);
        }
        if (auto step = gripAxisStep(x, gripRemembered_.x(), size.width, kMinimumWidth)) {
            size.width = step->length;
            gripRemembered_.setX(step->remembered);
        }
        if (size != sizeInTwips()) {
            setSizeInTwips(size);
            视窗底图排列();
        }
    } else if (dragging_) {
        move(global - dragStart_);
    }
}

void MainWindow::mouseReleaseEvent(QMouseEvent*) {
    if (view_ == View::Professional) 纸张调整();
    sizing_ = false;
    unsetCursor();
    dragging_ = false;
}

}  // namespace kestrin::shell
