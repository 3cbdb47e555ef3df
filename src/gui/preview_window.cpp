#include "gui/preview_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "charts/ftc_preview.h"
#include "charts/ftc_state.h"
#include "gui/gui_printer.h"
#include "gui/preview_layout.h"
#include "gui/print_window.h"
#include "gui/tamblewin_app.h"
#include "gui/translated.h"

namespace tw::gui {

// --- PageCanvas ----------------------------------------------------------------

PageCanvas::PageCanvas(TPagePreview& preview) : QWidget(&preview), preview_(preview) {
    setObjectName(QStringLiteral("PageCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PageCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A grey backdrop, so that the white page's edges show.
    painter.fillRect(rect(), kBackdropColour);
    preview_.paintPage(painter);
}

void PageCanvas::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl and the wheel zoom, a step a notch.
        const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->pixelDelta().y();
        if (delta != 0) preview_.zoomBy(delta > 0);
        event->accept();
        return;
    }
    const QPoint pixels = event->pixelDelta();
    if (!pixels.isNull()) {
        preview_.ScrollBarV->setValue(preview_.ScrollBarV->value() - pixels.y());
        preview_.ScrollBarH->setValue(preview_.ScrollBarH->value() - pixels.x());
    } else {
        const QPoint angle = event->angleDelta();
        const bool sideways = angle.y() == 0 || (event->modifiers() & Qt::ShiftModifier);
        const int delta = angle.y() != 0 ? angle.y() : angle.x();
        preview_.scrollByNotches(delta / 120, sideways);
    }
    event->accept();
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        preview_.chartMousePress(at.x(), at.y());
    }
    event->accept();
}

void PageCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) preview_.chartMouseMove(event->position().toPoint().y());
    event->accept();
}

void PageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) preview_.chartMouseRelease();
    event->accept();
}

// --- TPagePreview --------------------------------------------------------------------

TPagePreview::TPagePreview(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TPagePreview"));
    setWindowTitle(TW_QTR("PreviewWindow", "Page Preview"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Label2 = new QLabel(productTitle(), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(productTitleFont(24));
    Label1 = new QLabel(TW_QTR("PreviewWindow", "Page "), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    BtnRewind = makeButton(QStringLiteral("<<"), "BtnRewind", Panel1);
    BtnPrev = makeButton(QStringLiteral("< "), "BtnPrev", Panel1);
    EdtGotoPage = new QLineEdit(Panel1);
    EdtGotoPage->setObjectName(QStringLiteral("EdtGotoPage"));
    EdtGotoPage->setMaxLength(6);
    // Page numbers only: typed letters, signs and spaces are refused as they come.
    EdtGotoPage->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), EdtGotoPage));
    LabelPageCount = new QLabel(Panel1);
    LabelPageCount->setObjectName(QStringLiteral("LabelPageCount"));
    LabelPageCount->setMinimumWidth(54);
    LabelPaper = new QLabel(Panel1);
    LabelPaper->setObjectName(QStringLiteral("LabelPaper"));
    BtnNext = makeButton(QStringLiteral(" >"), "BtnNext", Panel1);
    BtnLastPg = makeButton(QStringLiteral(">>"), "BtnLastPg", Panel1);
    BtnGoto = makeButton(TW_QTR("PreviewWindow", "Go"), "BtnGoto", Panel1);
    BtnPrint = makeButton(TW_QTR("Windows", "Print"), "BtnPrint", Panel1);
    BtnCancel = makeButton(TW_QTR("Windows", "Cancel"), "BtnCancel", Panel1);
    btnFormat2 = makeButton(TW_QTR("PreviewWindow", "Format 2"), "btnFormat2", Panel1);
    btnSavePositions = makeButton(TW_QTR("PreviewWindow", "Save"), "btnSavePositions", Panel1);
    btnNextSpring = makeButton(TW_QTR("PreviewWindow", "Next Pos"), "btnNextSpring", Panel1);
    cbZoom = new QComboBox(Panel1);
    cbZoom->setObjectName(QStringLiteral("cbZoom"));
    for (const int percent : kZoomSteps) cbZoom->addItem(QStringLiteral("%1%").arg(percent));
    cbZoom->addItems({TW_QTR("PreviewWindow", "Fit width"), TW_QTR("PreviewWindow", "Fit page")});
    cbZoom->setCurrentIndex(zoomIndex());
    cbZoom->setFocusPolicy(Qt::TabFocus);

    // Sizes at 96 pixels per inch; the layout places them (layoutToolbar).
    BtnRewind->setFixedWidth(36);
    BtnPrev->setFixedWidth(36);
    EdtGotoPage->setFixedWidth(56);
    BtnNext->setFixedWidth(36);
    BtnLastPg->setFixedWidth(36);
    BtnGoto->setFixedWidth(40);
    btnFormat2->setFixedWidth(88);
    btnSavePositions->setFixedWidth(75);
    btnNextSpring->setFixedWidth(75);
    BtnPrint->setFixedWidth(75);
    BtnCancel->setFixedWidth(75);
    cbZoom->setFixedWidth(100);
    updateButtons();

    connect(BtnRewind, &QPushButton::clicked, this, [this] { BtnRewindClick(); });
    connect(BtnPrev, &QPushButton::clicked, this, [this] { BtnPrevClick(); });
    connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });
    connect(BtnLastPg, &QPushButton::clicked, this, [this] { BtnLastPgClick(); });
    connect(BtnGoto, &QPushButton::clicked, this, [this] { BtnGotoClick(); });
    connect(EdtGotoPage, &QLineEdit::returnPressed, this, [this] { BtnGotoClick(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
    connect(btnFormat2, &QPushButton::clicked, this, [this] { btnFormat2Click(); });
    connect(btnSavePositions, &QPushButton::clicked, this, [this] { btnSavePositionsClick(); });
    connect(cbZoom, &QComboBox::activated, this, [this](int index) {
        const int steps = int(kZoomSteps.size());
        if (index < steps)
            setZoomPercent(kZoomSteps[size_t(index)]);
        else
            setZoom(index == steps ? Zoom::FitWidth : Zoom::FitPage);
    });

    canvas = new PageCanvas(*this);
    ScrollBarV = new QScrollBar(Qt::Vertical, this);
    ScrollBarV->setObjectName(QStringLiteral("ScrollBarV"));
    ScrollBarH = new QScrollBar(Qt::Horizontal, this);
    ScrollBarH->setObjectName(QStringLiteral("ScrollBarH"));
    connect(ScrollBarV, &QScrollBar::valueChanged, canvas, [this] { canvas->update(); });
    connect(ScrollBarH, &QScrollBar::valueChanged, canvas, [this] { canvas->update(); });

    // As wide as the monitor allows up to 800 pixels, centred, and as high as the
    // monitor less 30 pixels.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect monitor = screen->geometry();
        const int width = std::min(800, monitor.width());
        resize(width, std::max(200, monitor.height() - 30));
        move(monitor.left() + (monitor.width() >= 800 ? (monitor.width() - 800) / 2 : 0), monitor.top());
    } else {
        resize(800, 600);
    }
}

void TPagePreview::resetChartControls() {
    chartPrepared_ = false;
    updateButtons();
}

void TPagePreview::open() {
    prepare();
    showModal();
}

void TPagePreview::prepare() {
    setWindowTitle(TW_QTR("PreviewWindow", "Page Preview - %1").arg(chosenReportName(app_.settings().reportFlags)));
    PageLog& log = app_.context().pageLog;
    log.setViewedPageIndex(log.lastPageIndex());
    ScrollBarV->setValue(0);
    ScrollBarH->setValue(0);
    dragging_ = false;
    if (chartChosen()) chartPrepared_ = true;
    layoutControls();
    updateButtons();
    canvas->setFocus();
}

void TPagePreview::setZoom(Zoom zoom) {
    zoom_ = zoom;
    if (zoom == Zoom::Actual) percent_ = 100;
    cbZoom->setCurrentIndex(zoomIndex());
    layoutControls();
}

void TPagePreview::setZoomPercent(int percent) {
    zoom_ = Zoom::Actual;
    percent_ = std::clamp(percent, kZoomSteps.front(), kZoomSteps.back());
    cbZoom->setCurrentIndex(zoomIndex());
    layoutControls();
}

int TPagePreview::zoomIndex() const {
    if (zoom_ == Zoom::FitWidth) return int(kZoomSteps.size());
    if (zoom_ == Zoom::FitPage) return int(kZoomSteps.size()) + 1;
    const auto step = std::find(kZoomSteps.begin(), kZoomSteps.end(), percent_);
    return step != kZoomSteps.end() ? int(step - kZoomSteps.begin()) : -1;
}

int TPagePreview::shownPercent() const { return int(std::lround(100.0 * pixelsPerInch_ / screenPixelsPerInch())); }

int TPagePreview::screenPixelsPerInch() const { return logicalDpiX() > 0 ? logicalDpiX() : 96; }

void TPagePreview::zoomBy(bool larger) {
    // From a fitted page to the step beyond the size it is shown at.
    const int next = nextZoomStep(shownPercent(), larger);
    // Keep the middle of what is on view in the middle.
    const double oldScale = pixelsPerInch_;
    const double middleX = ScrollBarH->value() + canvas->width() / 2.0;
    const double middleY = ScrollBarV->value() + canvas->height() / 2.0;
    setZoomPercent(next);
    const double ratio = pixelsPerInch_ / oldScale;
    ScrollBarH->setValue(int(std::lround(middleX * ratio - canvas->width() / 2.0)));
    ScrollBarV->setValue(int(std::lround(middleY * ratio - canvas->height() / 2.0)));
}

// The page's size in screen pixels at the zoom chosen: at 100% the screen's own
// pixels per inch; fitted, as many as let the page's width (or all of it) show.
void TPagePreview::applyZoom(int shownWidth, int shownHeight) {
    const PageLog& log = app_.context().pageLog;
    const PrinterGeometry& g = log.geometry();
    const double widthInches = g.pixelsPerInchX > 0 ? double(g.physicalWidth) / g.pixelsPerInchX : 0;
    const double heightInches = g.pixelsPerInchY > 0 ? double(g.physicalHeight) / g.pixelsPerInchY : 0;
    int dpi = std::max(1, int(std::lround(screenPixelsPerInch() * percent_ / 100.0)));
    if (zoom_ != Zoom::Actual && widthInches > 0 && heightInches > 0) {
        double fitted = shownWidth / widthInches;
        if (zoom_ == Zoom::FitPage) fitted = std::min(fitted, shownHeight / heightInches);
        dpi = std::max(8, int(fitted));
    }
    pixelsPerInch_ = dpi;
    pageWidth_ = int(double(dpi) * widthInches);
    pageHeight_ = int(double(dpi) * heightInches);
    app_.context().pageLog.scaleOverride = pixelsPerInch_;
}

int TPagePreview::pageLeftMargin() const { return std::max(kBackdropMargin, (canvas->width() - pageWidth_) / 2); }

RenderView TPagePreview::renderView() const {
    RenderView view;
    view.scale = pixelsPerInch_;
    // A canvas wider than the page shows it in the middle.
    view.offsetX = ScrollBarH->value() - pageLeftMargin();
    view.offsetY = ScrollBarV->value() - kBackdropMargin;
    view.onScreen = true;
    if (chartChosen()) view.selection = ftcSelection(familyTreeChart(app_.context()));
    return view;
}

void TPagePreview::paintPage(QPainter& painter) {
    PageLog& log = app_.context().pageLog;
    const std::string& text = log.currentText();
    if (text.empty()) return;
    log.scaleOverride = pixelsPerInch_;
    const RenderView view = renderView();
    // The sheet: white on the backdrop, with a dark edge.
    const QRect sheet(-view.offsetX, -view.offsetY, pageWidth_, pageHeight_);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(sheet.adjusted(-1, -1, 0, 0));
    surface_.begin(painter);
    renderPage(text, surface_, view, app_.host());
    if (dragging_ && familyTreeChart(app_.context()).drag.moved) drawDragFeedback(surface_, view.selection);
    surface_.end();
}

void TPagePreview::updateButtons() {
    const auto offer = [](QPushButton* button, bool offered) {
        button->setEnabled(offered);
        button->setVisible(offered);
    };
    // The Family Tree Chart in its first format offers the second, and Save once a
    // branch was dragged; the second format offers neither. Next Pos is never offered.
    const FamilyTreeChartState* chart = chartPrepared_ ? &familyTreeChart(app_.context()) : nullptr;
    const bool firstFormat = chart != nullptr && chart->format == 1;
    const std::vector<std::vector<QWidget*>> before = toolbarWidgets();
    offer(btnFormat2, firstFormat && !chart->branches.empty());
    offer(btnSavePositions, firstFormat && chart->positionsChanged);
    offer(btnNextSpring, false);
    // A button shown or hidden moves the others.
    if (canvas != nullptr && toolbarWidgets() != before) layoutControls();

    // The page buttons turn to pages there are; before the first report there is no
    // page to turn to, and no number for the page field.
    const PageLog& log = app_.context().pageLog;
    const bool paged = !log.currentText().empty();
    const int viewed = log.viewedPageIndex();
    BtnPrev->setEnabled(paged && viewed > 0);
    BtnRewind->setEnabled(paged && viewed > 0);
    BtnNext->setEnabled(paged && viewed < log.lastPageIndex());
    BtnLastPg->setEnabled(paged && viewed < log.lastPageIndex());
    if (paged) EdtGotoPage->setText(QString::number(viewed + 1));
    LabelPageCount->setText(paged ? TW_QTR("PreviewWindow", "of %1").arg(log.lastPageIndex() + 1) : QString());
    LabelPaper->setText(paged ? sheetName(log.page()) : QString());
}

void TPagePreview::showPage(int index) {
    PageLog& log = app_.context().pageLog;
    if (index < 0 || index > log.lastPageIndex()) return;
    log.setViewedPageIndex(index);
    log.setCurrentText(log.pagelogg(index));
    updateButtons();
    canvas->update();
}

void TPagePreview::BtnPrevClick() {
    const PageLog& log = app_.context().pageLog;
    if (log.viewedPageIndex() > 0) showPage(log.viewedPageIndex() - 1);
}

void TPagePreview::BtnNextClick() {
    const PageLog& log = app_.context().pageLog;
    if (log.viewedPageIndex() < log.lastPageIndex()) showPage(log.viewedPageIndex() + 1);
}

void TPagePreview::BtnRewindClick() { showPage(0); }

void TPagePreview::BtnLastPgClick() { showPage(app_.context().pageLog.lastPageIndex()); }

void TPagePreview::BtnGotoClick() {
    bool ok = false;
    const int number = EdtGotoPage->text().trimmed().toInt(&ok);
    const int index = (ok ? number : 0) - 1;
    if (index >= 0 && index <= app_.context().pageLog.lastPageIndex())
        showPage(index);
    else
        updateButtons();  // the field shows the page on view again
}

void TPagePreview::BtnPrintClick() {
    // The chart as edited is printed, and its branch positions are kept for later runs.
    if (chartChosen()) ftcSavePositions(app_.context());
    // Printed, or nothing left to print: the preview closes. Back, Cancel and Esc in
    // the print box return to it.
    const int result = app_.printBox().run();
    if (result == TPB::kPrint || result == TPB::kNoPages) finish(Accepted);
}

bool TPagePreview::chartChosen() const {
    return app_.settings().reportFlags[size_t(ReportKind::FamilyTreeChart)] != 0;
}

bool TPagePreview::chartTakesTheMouse() const { return chartChosen() && familyTreeChart(app_.context()).format == 1; }

void TPagePreview::chartMousePress(int x, int y) {
    if (!chartTakesTheMouse()) return;
    dragging_ = true;
    ftcMousePress(app_.context(), renderView(), x, y);
    canvas->update();
}

void TPagePreview::chartMouseMove(int y) {
    if (!dragging_ || !chartTakesTheMouse()) return;
    FamilyTreeChartState& chart = familyTreeChart(app_.context());
    if (!chart.positionsChanged) {
        chart.positionsChanged = true;
        updateButtons();
    }
    if (ftcMouseMove(app_.context(), renderView(), y)) canvas->update();
}

void TPagePreview::chartMouseRelease() {
    if (!dragging_) return;
    dragging_ = false;
    if (!chartTakesTheMouse()) return;
    const RenderView view = renderView();
    ftcMouseRelease(app_.context(), view);
    canvas->update();
}

void TPagePreview::btnFormat2Click() {
    if (!chartTakesTheMouse()) return;
    dragging_ = false;
    ftcShowSecondFormat(app_.context());
    updateButtons();
    app_.host().message(
        TW_TR("PreviewWindow",
              "If you decide you want to go back to Format 1\nyou must cancel out of this run and start all\nover again."),
        "Notice");
    canvas->update();
}

void TPagePreview::btnSavePositionsClick() {
    if (!chartChosen()) return;
    // Saved: the user is told where, and Save waits for the next move.
    if (ftcSavePositions(app_.context()) == FtcSaved::Saved) {
        app_.host().message(fillIn(TW_TR("PreviewWindow", "The branch positions were saved in\n%1"),
                                   {familyTreeChart(app_.context()).positionsPath}),
                            "Notice");
        updateButtons();
    }
}

void TPagePreview::BtnCancelClick() {
    app_.context().pageLog.abandonPrinting();
    finish(Rejected);
}

void TPagePreview::scrollByNotches(int notches, bool horizontal) {
    QScrollBar* bar = horizontal ? ScrollBarH : ScrollBarV;
    bar->setValue(bar->value() - notches * QApplication::wheelScrollLines() * bar->singleStep());
}

namespace {

// A control's width on the toolbar: the width it was fixed at, or what it needs.
int toolbarWidth(const QWidget* w) {
    return w->minimumWidth() == w->maximumWidth() ? w->minimumWidth() : w->sizeHint().width();
}

}  // namespace

std::vector<std::vector<QWidget*>> TPagePreview::toolbarWidgets() const {
    // The title with the chart's buttons and the zoom at the right; the page controls
    // with the paper, Print and Cancel at the right. Controls not offered take no room.
    std::vector<QWidget*> chart;
    for (QWidget* w : {btnFormat2, btnSavePositions, btnNextSpring})
        if (!w->isHidden()) chart.push_back(w);
    return {{Label2},
            chart,
            {cbZoom},
            {Label1, BtnRewind, BtnPrev, EdtGotoPage, LabelPageCount, BtnNext, BtnLastPg, BtnGoto},
            {LabelPaper, BtnPrint, BtnCancel}};
}

std::vector<ToolGroup> TPagePreview::toolbarGroups() const {
    std::vector<ToolGroup> groups;
    for (const std::vector<QWidget*>& widgets : toolbarWidgets()) {
        ToolGroup group;
        for (const QWidget* w : widgets) group.widths.push_back(toolbarWidth(w));
        groups.push_back(group);
    }
    groups[0].beginsLine = groups[3].beginsLine = true;
    groups[1].toRight = groups[2].toRight = groups[4].toRight = true;
    return groups;
}

int TPagePreview::layoutToolbar() {
    const std::vector<ToolGroup> groups = toolbarGroups();
    const ToolbarLayout bar = toolbarLayout(width(), groups);
    const auto place = [](QWidget* w, const Box& box) {
        // Labels and the field are shorter than the buttons, in the row's middle.
        const int height = std::min(box.height, w->sizeHint().height());
        w->setGeometry(box.left, box.top + (box.height - height) / 2, box.width, height);
    };
    const std::vector<std::vector<QWidget*>> widgets = toolbarWidgets();
    for (size_t g = 0; g < widgets.size(); ++g)
        for (size_t i = 0; i < widgets[g].size(); ++i) place(widgets[g][i], bar.groups[g][i]);
    Panel1->setGeometry(0, 0, width(), bar.height);
    return bar.height;
}

void TPagePreview::updateMinimumSize() {
    // The widest group of the toolbar fits, with a little of the page below it.
    const std::vector<ToolGroup> groups = toolbarGroups();
    const int minimumWidth = toolbarMinimumWidth(groups);
    const int minimumHeight = toolbarLayout(minimumWidth, groups).height + 160;
    setMinimumSize(minimumWidth, minimumHeight);
}

void TPagePreview::layoutControls() {
    updateMinimumSize();
    const int toolbarHeight = layoutToolbar();
    const int hbarHeight = ScrollBarH->sizeHint().height();
    const int vbarWidth = ScrollBarV->sizeHint().width();
    const PreviewLayout l = previewLayout(width(), height(), toolbarHeight, hbarHeight, vbarWidth,
                                          [this](int shownWidth, int shownHeight) {
                                              applyZoom(shownWidth, shownHeight);
                                              return std::pair{pageWidth_, pageHeight_};
                                          });
    const auto placeBar = [](QScrollBar* bar, bool shown, const Box& box, const ScrollRange& range) {
        bar->setVisible(shown);
        bar->setGeometry(box.left, box.top, box.width, box.height);
        bar->setRange(0, range.lastPosition());
        bar->setPageStep(range.largeStep);
        bar->setSingleStep(range.smallStep);
    };
    placeBar(ScrollBarV, l.verticalBarShown, l.verticalBar, l.vertical);
    placeBar(ScrollBarH, l.horizontalBarShown, l.horizontalBar, l.horizontal);
    canvas->setGeometry(l.canvas.left, l.canvas.top, l.canvas.width, l.canvas.height);
    canvas->update();
}

void TPagePreview::resizeEvent(QResizeEvent* event) {
    ModalWindow::resizeEvent(event);
    layoutControls();
}

void TPagePreview::keyPressEvent(QKeyEvent* event) {
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    if (event->matches(QKeySequence::ZoomIn) || (control && event->key() == Qt::Key_Equal)) {
        zoomBy(true);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::ZoomOut)) {
        zoomBy(false);
        event->accept();
        return;
    }
    const PageLog& log = app_.context().pageLog;
    switch (event->key()) {
    case Qt::Key_PageDown:
        // A screen further down the page, then on to the top of the next page.
        if (ScrollBarV->value() < ScrollBarV->maximum()) {
            ScrollBarV->triggerAction(QAbstractSlider::SliderPageStepAdd);
        } else if (log.viewedPageIndex() < log.lastPageIndex()) {
            BtnNextClick();
            ScrollBarV->setValue(0);
        }
        break;
    case Qt::Key_PageUp:
        if (ScrollBarV->value() > 0) {
            ScrollBarV->triggerAction(QAbstractSlider::SliderPageStepSub);
        } else if (log.viewedPageIndex() > 0) {
            BtnPrevClick();
            ScrollBarV->setValue(ScrollBarV->maximum());
        }
        break;
    case Qt::Key_Home:
        BtnRewindClick();
        ScrollBarV->setValue(0);
        break;
    case Qt::Key_End:
        BtnLastPgClick();
        ScrollBarV->setValue(0);
        break;
    case Qt::Key_Down:
        ScrollBarV->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Up:
        ScrollBarV->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        ScrollBarH->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        ScrollBarH->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    default:
        ModalWindow::keyPressEvent(event);
        return;
    }
    event->accept();
}

}  // namespace tw::gui
