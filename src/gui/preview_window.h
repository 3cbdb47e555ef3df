#pragma once
// The page preview: the pages of the page log at their real size, one at a time,
// with scroll bars, page turning and the way on to printing.

#include <QWidget>

#include <QColor>
#include <vector>

#include "gui/modal_window.h"
#include "gui/preview_layout.h"
#include "output/page_render.h"
#include "output/qt/qt_surface.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tw::gui {

class TamblewinApp;
class TPagePreview;

// Around the page, so that its edges show.
inline const QColor kBackdropColour{0xA0, 0xA0, 0xA0};

// The client area below the button panel, where the page is drawn.
class PageCanvas : public QWidget {
public:
    explicit PageCanvas(TPagePreview& preview);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPagePreview& preview_;
};

class TPagePreview : public ModalWindow {
public:
    explicit TPagePreview(TamblewinApp& app);

    QWidget* Panel1 = nullptr;
    QLabel* Label2 = nullptr;  // the product title
    QLabel* Label1 = nullptr;  // "Page "
    QPushButton* BtnRewind = nullptr;
    QPushButton* BtnPrev = nullptr;
    QPushButton* BtnNext = nullptr;
    QPushButton* BtnLastPg = nullptr;
    QLineEdit* EdtGotoPage = nullptr;
    QLabel* LabelPageCount = nullptr;  // "of 12" after the page number
    QLabel* LabelPaper = nullptr;      // the paper the pages are laid out on: "A4"
    QPushButton* BtnGoto = nullptr;
    QPushButton* BtnPrint = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* btnFormat2 = nullptr;
    QPushButton* btnSavePositions = nullptr;
    QPushButton* btnNextSpring = nullptr;
    QScrollBar* ScrollBarV = nullptr;
    QScrollBar* ScrollBarH = nullptr;
    PageCanvas* canvas = nullptr;
    QComboBox* cbZoom = nullptr;

    // How large the page is shown: at the screen's pixels per inch, as wide as the
    // window, or wholly in it.
    // Actual: the percentage chosen (100% at first) of the screen's pixels per inch.
    enum class Zoom { Actual, FitWidth, FitPage };
    void setZoom(Zoom zoom);
    Zoom zoom() const { return zoom_; }
    void setZoomPercent(int percent);
    // Ctrl+wheel and Ctrl+plus/minus: the next zoom step above or below the size shown.
    void zoomBy(bool larger);
    // The page's size on the screen, in percent of its real size.
    int shownPercent() const;

    // The start window's Preview: shows the report just written, from its last page.
    void open();
    // Everything open() does before the window shows: the page size at the zoom
    // chosen, the last page on view, the bars at the top left.
    void prepare();
    // A new report was chosen: the Family Tree Chart's buttons are disabled and hidden.
    void resetChartControls();

    void BtnRewindClick();
    void BtnPrevClick();
    void BtnNextClick();
    void BtnLastPgClick();
    void BtnGotoClick();
    void BtnPrintClick();
    void BtnCancelClick();
    void btnFormat2Click();
    void btnSavePositionsClick();

    // The Family Tree Chart's mouse handling, in canvas pixels.
    void chartMousePress(int x, int y);
    void chartMouseMove(int y);
    void chartMouseRelease();
    // The Family Tree Chart is the chosen report and shows its first format.
    bool chartTakesTheMouse() const;

    // Shows the page with this 0-based index.
    void showPage(int index);
    // Every button's state, from the page on view and the Family Tree Chart: the four
    // page buttons and the page number, and the chart's Format 2, Save and Next Pos.
    // Called wherever one of them changes.
    void updateButtons();
    // Scrolls by a number of wheel notches (positive: towards the top).
    void scrollByNotches(int notches, bool horizontal);

    int pixelsPerInch() const { return pixelsPerInch_; }
    int pageWidthPixels() const { return pageWidth_; }
    int pageHeightPixels() const { return pageHeight_; }
    // Scale and offsets of the page drawn on the canvas, whose (0, 0) lies just below
    // the panel: the offsets are the bars' positions.
    RenderView renderView() const;
    void paintPage(QPainter& painter);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layoutControls();
    // The toolbar's controls in their groups (see previewLayout.h) and their widths.
    std::vector<std::vector<QWidget*>> toolbarWidgets() const;
    std::vector<ToolGroup> toolbarGroups() const;
    // Places the toolbar's controls for the window's width; returns the panel's height.
    int layoutToolbar();
    void updateMinimumSize();
    int zoomIndex() const;
    int screenPixelsPerInch() const;
    void applyZoom(int shownWidth, int shownHeight);
    // Where the page's left edge lies on the canvas: 0, or half the room beside it.
    int pageLeftMargin() const;
    bool chartChosen() const;

    TamblewinApp& app_;
    QtSurface surface_;
    int pixelsPerInch_ = 96;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    Zoom zoom_ = Zoom::Actual;
    int percent_ = 100;
    bool dragging_ = false;  // the left button is held on the Family Tree Chart
    // The preview was prepared for a Family Tree Chart since the report was chosen.
    bool chartPrepared_ = false;
};

}  // namespace tw::gui
