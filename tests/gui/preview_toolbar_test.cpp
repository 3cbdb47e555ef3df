// The page preview's toolbar at every width, its scroll bars only where the page
// scrolls, the grey backdrop around the page, and zooming with Ctrl.

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "gui/preview_layout.h"
#include "gui/preview_window.h"
#include "gui_test_support.h"

namespace tw::gui::test {

namespace {

// The toolbar's controls the user sees, with their places in the window.
std::vector<std::pair<QString, QRect>> shownControls(TPagePreview& p) {
    std::vector<std::pair<QString, QRect>> shown;
    for (QWidget* w : p.Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden() || w->objectName().isEmpty()) continue;
        // A label without text takes no room the user could miss.
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->text().isEmpty()) continue;
        shown.emplace_back(w->objectName(), QRect(w->mapTo(&p, QPoint(0, 0)), w->size()));
    }
    return shown;
}

void sendWheel(QWidget* canvas, int angle, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(QPointF(100, 100), canvas->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, angle),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
}

}  // namespace

class PreviewToolbarTest : public QObject {
    Q_OBJECT

private slots:
    void rowsWrapAndPushRight();
    void nothingCoversAnythingAtAnyWidth_data();
    void nothingCoversAnythingAtAnyWidth();
    void barsOnlyWhereThePageScrolls_data();
    void barsOnlyWhereThePageScrolls();
    void thePageLiesOnAGreyBackdrop();
    void zoomSteps();
    void controlZooms();
};

void PreviewToolbarTest::rowsWrapAndPushRight() {
    // Two lines of two groups each: the second of each line to the right.
    const std::vector<ToolGroup> groups = {
        {{100}, true, false}, {{50, 50}, false, true}, {{200}, true, false}, {{80}, false, true}};
    const ToolbarLayout wide = toolbarLayout(1000, groups);
    QCOMPARE(wide.height, 82);
    QCOMPARE(wide.groups[1].back().right(), 1000 - kToolbarMargin);
    QCOMPARE(wide.groups[3].back().right(), 1000 - kToolbarMargin);
    QCOMPARE(wide.groups[2].front().left, kToolbarMargin);
    QCOMPARE(wide.groups[2].front().top, kToolbarTop + kToolbarRowHeight);
    // Too narrow for a line's two groups: each takes a row of its own.
    const ToolbarLayout narrow = toolbarLayout(200, groups);
    QCOMPARE(narrow.groups[1].back().right(), 200 - kToolbarMargin);
    QCOMPARE(narrow.groups[3].front().top, kToolbarTop + 3 * kToolbarRowHeight);
    QCOMPARE(narrow.height, 82 + 2 * kToolbarRowHeight);
    QCOMPARE(toolbarMinimumWidth(groups), 200 + 2 * kToolbarMargin);
    // A group with nothing shown takes no room.
    const ToolbarLayout none = toolbarLayout(1000, {{{100}, true, false}, {{}, false, true}, {{60}, false, true}});
    QCOMPARE(none.groups[2].front().right(), 1000 - kToolbarMargin);
    QCOMPARE(none.height, 44);
}

void PreviewToolbarTest::nothingCoversAnythingAtAnyWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("chart");  // the Family Tree Chart's buttons shown
    QTest::newRow("narrowest") << 200 << false;
    QTest::newRow("480") << 480 << false;
    QTest::newRow("480 with the chart's buttons") << 480 << true;
    QTest::newRow("800") << 800 << false;
    QTest::newRow("1500") << 1500 << true;
}

void PreviewToolbarTest::nothingCoversAnythingAtAnyWidth() {
    QFETCH(int, width);
    QFETCH(bool, chart);
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 3);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    if (chart) {
        p.btnFormat2->show();
        p.btnSavePositions->show();
    }
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.resize(width, 700);
    QApplication::processEvents();
    QVERIFY(p.width() <= std::max(width, 480));  // 480 pixels are allowed
    const auto shown = shownControls(p);
    QVERIFY(shown.size() >= 12);
    for (const auto& [name, rect] : shown) {
        QVERIFY2(rect.left() >= 0 && rect.right() < p.width(), qPrintable(name));
        QVERIFY2(rect.bottom() < p.canvas->y(), qPrintable(name));
    }
    for (size_t a = 0; a < shown.size(); ++a)
        for (size_t b = a + 1; b < shown.size(); ++b)
            QVERIFY2(!shown[a].second.intersects(shown[b].second),
                     qPrintable(shown[a].first + QStringLiteral(" covers ") + shown[b].first));
    // A wide window: Cancel and the zoom box at its right, the page controls at its left.
    if (width >= 1500) {
        QVERIFY(p.BtnCancel->geometry().right() > width - 40);
        QVERIFY(p.cbZoom->geometry().right() > width - 40);
        QVERIFY(p.BtnRewind->x() < 200);
    }
    p.hide();
}

void PreviewToolbarTest::barsOnlyWhereThePageScrolls_data() {
    QTest::addColumn<int>("zoom");  // TPagePreview::Zoom
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("horizontal");
    const int actual = int(TPagePreview::Zoom::Actual), width = int(TPagePreview::Zoom::FitWidth),
              page = int(TPagePreview::Zoom::FitPage);
    QTest::newRow("whole page, small window") << page << QSize(600, 500) << false << false;
    QTest::newRow("whole page, tall window") << page << QSize(800, 1400) << false << false;
    QTest::newRow("fitted width") << width << QSize(800, 700) << true << false;
    QTest::newRow("100%, small window") << actual << QSize(600, 500) << true << true;
    QTest::newRow("100%, wide window") << actual << QSize(1800, 600) << true << false;
    QTest::newRow("100%, room for the page") << actual << QSize(1800, 1400) << false << false;
}

void PreviewToolbarTest::barsOnlyWhereThePageScrolls() {
    QFETCH(int, zoom);
    QFETCH(QSize, size);
    QFETCH(bool, vertical);
    QFETCH(bool, horizontal);
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 2);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.setMaximumSize(4000, 4000);
    p.resize(size);
    p.setZoom(TPagePreview::Zoom(zoom));
    QApplication::processEvents();
    QCOMPARE(!p.ScrollBarV->isHidden(), vertical);
    QCOMPARE(!p.ScrollBarH->isHidden(), horizontal);
    // The canvas takes the room of a hidden bar, and a bar that is shown has somewhere
    // to go.
    QCOMPARE(p.canvas->width(), p.width() - (vertical ? p.ScrollBarV->width() : 0));
    QCOMPARE(p.canvas->y() + p.canvas->height(), p.height() - (horizontal ? p.ScrollBarH->height() : 0));
    if (vertical) QVERIFY(p.ScrollBarV->maximum() > 0);
    if (horizontal) QVERIFY(p.ScrollBarH->maximum() > 0);
    p.hide();
}

void PreviewToolbarTest::thePageLiesOnAGreyBackdrop() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 1);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.resize(900, 700);
    p.setZoom(TPagePreview::Zoom::FitPage);
    QApplication::processEvents();
    const QImage shot = p.canvas->grab().toImage();
    const RenderView view = p.renderView();
    const int left = -view.offsetX, top = -view.offsetY;
    const int right = left + p.pageWidthPixels(), bottom = top + p.pageHeightPixels();
    QVERIFY(left >= kBackdropMargin && top >= kBackdropMargin && right < shot.width() && bottom < shot.height());
    const auto colourAt = [&](int x, int y) { return QColor(shot.pixel(x, y)); };
    // Around the page the backdrop, on it white, at its edge a dark line.
    for (const QPoint at : {QPoint(left / 2, top + 50), QPoint(right + 6, top + 50), QPoint(left + 50, top / 2),
                            QPoint(left + 50, bottom + 6)})
        QCOMPARE(colourAt(at.x(), at.y()), kBackdropColour);
    QCOMPARE(colourAt(left + 5, top + 5), QColor(Qt::white));
    QCOMPARE(colourAt(right - 5, bottom - 5), QColor(Qt::white));
    QVERIFY(qGray(shot.pixel(left - 1, top + 50)) < 100);
    QVERIFY(qGray(shot.pixel(left + 50, bottom)) < 100);
    p.hide();
}

void PreviewToolbarTest::zoomSteps() {
    const struct {
        int shown;
        bool larger;
        int next;
    } cases[] = {
        {100, true, 125}, {100, false, 75},  {110, true, 125}, {110, false, 100},
        {400, true, 400}, {25, false, 25},   {20, true, 25},   {500, false, 400},
    };
    for (const auto& c : cases)
        QVERIFY2(nextZoomStep(c.shown, c.larger) == c.next,
                 qPrintable(QStringLiteral("%1 %2").arg(c.shown).arg(c.larger ? "larger" : "smaller")));
}

void PreviewToolbarTest::controlZooms() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 2);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.resize(900, 700);
    p.setZoom(TPagePreview::Zoom::Actual);
    const int actualWidth = p.pageWidthPixels();
    const struct {
        const char* how;
        std::function<void()> act;
        int percent;
    } steps[] = {
        {"Ctrl+wheel up", [&] { sendWheel(p.canvas, 120, Qt::ControlModifier); }, 125},
        {"Ctrl+plus", [&] { QTest::keyClick(p.canvas, Qt::Key_Plus, Qt::ControlModifier); }, 150},
        {"Ctrl+equals", [&] { QTest::keyClick(p.canvas, Qt::Key_Equal, Qt::ControlModifier); }, 200},
        {"Ctrl+minus", [&] { QTest::keyClick(p.canvas, Qt::Key_Minus, Qt::ControlModifier); }, 150},
        {"Ctrl+wheel down", [&] { sendWheel(p.canvas, -120, Qt::ControlModifier); }, 125},
        {"Ctrl+wheel down again", [&] { sendWheel(p.canvas, -120, Qt::ControlModifier); }, 100},
        {"the wheel alone scrolls", [&] { sendWheel(p.canvas, -120, Qt::NoModifier); }, 100},
    };
    for (const auto& step : steps) {
        step.act();
        QVERIFY2(p.shownPercent() == step.percent, step.how);
        QVERIFY2(std::abs(p.pageWidthPixels() - actualWidth * step.percent / 100) <= 2, step.how);
        QVERIFY2(p.cbZoom->currentText() == QStringLiteral("%1%").arg(step.percent), step.how);
    }
    QVERIFY(p.ScrollBarV->value() > 0);
    // From a fitted page the next step above the size it is shown at.
    p.setZoom(TPagePreview::Zoom::FitPage);
    const int fitted = p.shownPercent();
    QTest::keyClick(p.canvas, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(p.shownPercent(), nextZoomStep(fitted, true));
    QCOMPARE(p.zoom(), TPagePreview::Zoom::Actual);
    p.hide();
}

TW_GUI_TEST(PreviewToolbarTest);

}  // namespace tw::gui::test

#include "preview_toolbar_test.moc"
