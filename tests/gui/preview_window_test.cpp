// The page preview: the page on view and the four page buttons, Go, the page field
// that takes digits only, the keys, the scroll bars and the mouse wheel, and that the
// page is really drawn.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "gui/preview_layout.h"
#include "gui/preview_window.h"
#include "gui_test_support.h"

namespace tw::gui::test {

namespace {

struct Buttons {
    bool rewind, prev, next, last;
    QString page;
    bool operator==(const Buttons&) const = default;
};

Buttons buttonsOf(TPagePreview& p) {
    return {p.BtnRewind->isEnabled(), p.BtnPrev->isEnabled(), p.BtnNext->isEnabled(), p.BtnLastPg->isEnabled(),
            p.EdtGotoPage->text()};
}

char* toString(const Buttons& b) {
    return qstrdup(qPrintable(QStringLiteral("<< %1, < %2, > %3, >> %4, page %5")
                                  .arg(b.rewind).arg(b.prev).arg(b.next).arg(b.last).arg(b.page)));
}

QString viewedText(AppUnderTest& t) { return QString::fromLatin1(t.app.context().pageLog.currentText()); }

void goTo(TPagePreview& p, const QString& text) {
    p.EdtGotoPage->setText(text);
    click(p.BtnGoto);
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void onePageReportHasNoPageButtons();
    void pageButtonsGoAndKeysTurnThePages();
    void pageFieldTakesDigitsOnly_data();
    void pageFieldTakesDigitsOnly();
    void barsFitTheClientAreaAndTheWheelScrolls();
    void thePageIsDrawnAtItsRealSize();
    void pageCountZoomAndCentring();
};

void PreviewTest::onePageReportHasNoPageButtons() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 1, "Page", true);
    TPagePreview& preview = t.app.pagePreview();
    preview.prepare();
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(buttonsOf(preview), (Buttons{false, false, false, false, QStringLiteral("1")}));
    preview.hide();
}

void PreviewTest::pageButtonsGoAndKeysTurnThePages() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 5, "Page", true);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    // The preview opens on the last page.
    QCOMPARE(buttonsOf(p), (Buttons{true, true, false, false, QStringLiteral("5")}));
    QVERIFY(viewedText(t).contains(u"Page 5"));

    click(p.BtnRewind);
    QCOMPARE(buttonsOf(p), (Buttons{false, false, true, true, QStringLiteral("1")}));
    QVERIFY(viewedText(t).contains(u"Page 1"));
    click(p.BtnNext);
    click(p.BtnNext);
    QCOMPARE(buttonsOf(p), (Buttons{true, true, true, true, QStringLiteral("3")}));
    click(p.BtnPrev);
    QCOMPARE(p.EdtGotoPage->text(), QStringLiteral("2"));

    // Go: 0, a page beyond the last, letters and a number with letters after it
    // leave the page as it is, and the field shows it again.
    for (const QString& typed : {QStringLiteral("0"), QStringLiteral("6"), QStringLiteral("abc"),
                                 QStringLiteral("4x"), QStringLiteral("-1"), QString()}) {
        goTo(p, typed);
        QVERIFY2(viewedText(t).contains(u"Page 2"), qPrintable(typed));
        QCOMPARE(t.app.context().pageLog.viewedPageIndex(), 1);
        QCOMPARE(p.EdtGotoPage->text(), QStringLiteral("2"));
    }
    goTo(p, QStringLiteral(" 4"));
    QCOMPARE(buttonsOf(p), (Buttons{true, true, true, true, QStringLiteral("4")}));
    QVERIFY(viewedText(t).contains(u"Page 4"));
    // Enter in the page field is Go.
    p.EdtGotoPage->setText(QStringLiteral("2"));
    QTest::keyClick(p.EdtGotoPage, Qt::Key_Return);
    QVERIFY(viewedText(t).contains(u"Page 2"));
    QVERIFY(p.isVisible());

    // Keys: End and Home turn to the last and first page; Page Down scrolls a screen
    // and, at the bottom of a page, turns to the top of the next one.
    p.canvas->setFocus();
    QTest::keyClick(p.canvas, Qt::Key_End);
    QVERIFY(viewedText(t).contains(u"Page 5"));
    QTest::keyClick(p.canvas, Qt::Key_Home);
    QVERIFY(viewedText(t).contains(u"Page 1"));
    QTest::keyClick(p.canvas, Qt::Key_PageDown);
    QCOMPARE(p.ScrollBarV->value(), std::min(p.ScrollBarV->pageStep(), p.ScrollBarV->maximum()));
    for (int i = 0; i < 10 && p.ScrollBarV->value() < p.ScrollBarV->maximum(); ++i)
        QTest::keyClick(p.canvas, Qt::Key_PageDown);
    QTest::keyClick(p.canvas, Qt::Key_PageDown);
    QVERIFY(viewedText(t).contains(u"Page 2"));
    QCOMPARE(p.ScrollBarV->value(), 0);
    QTest::keyClick(p.canvas, Qt::Key_PageUp);
    QVERIFY(viewedText(t).contains(u"Page 1"));
    QCOMPARE(p.ScrollBarV->value(), p.ScrollBarV->maximum());
    p.hide();
}

void PreviewTest::pageFieldTakesDigitsOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("pageAfterEnter");  // 1-based; the preview opens on page 5
    QTest::newRow("letters") << QStringLiteral("abc") << QString() << 5;
    QTest::newRow("digits among letters") << QStringLiteral("x2y") << QStringLiteral("2") << 2;
    QTest::newRow("signs and spaces") << QStringLiteral("- 3 +") << QStringLiteral("3") << 3;
    QTest::newRow("a page beyond the last") << QStringLiteral("12") << QStringLiteral("12") << 5;
    QTest::newRow("longer than the field") << QStringLiteral("12345678") << QStringLiteral("123456") << 5;
}

void PreviewTest::pageFieldTakesDigitsOnly() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, pageAfterEnter);
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 5, "Page", true);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.EdtGotoPage->setFocus();
    p.EdtGotoPage->selectAll();
    QTest::keyClick(p.EdtGotoPage, Qt::Key_Backspace);
    QTest::keyClicks(p.EdtGotoPage, typed);
    QCOMPARE(p.EdtGotoPage->text(), kept);
    QTest::keyClick(p.EdtGotoPage, Qt::Key_Return);
    QCOMPARE(t.app.context().pageLog.viewedPageIndex() + 1, pageAfterEnter);
    QVERIFY(viewedText(t).contains(QStringLiteral("Page %1").arg(pageAfterEnter)));
    p.hide();
}

void PreviewTest::barsFitTheClientAreaAndTheWheelScrolls() {
    // A 600-pixel client with an 82-pixel panel and a 16-pixel horizontal bar leaves
    // 502 pixels for the vertical bar and for the part of the page shown; the page
    // scrolls with its backdrop margins.
    const auto letter = [](int, int) { return std::pair{816, 1056}; };
    const PreviewLayout l = previewLayout(800, 600, 82, 16, 16, letter);
    QVERIFY(l.verticalBarShown && l.horizontalBarShown);
    QCOMPARE(l.verticalBar.height, 502);
    QCOMPARE(l.verticalBar.top, 82);
    QCOMPARE(l.vertical.pageSize, 502);
    QCOMPARE(l.vertical.largeStep, 502);
    QCOMPARE(l.vertical.lastPosition(), 1056 + 2 * kBackdropMargin - 502);
    QCOMPARE(l.horizontalBar.top, 584);
    QCOMPARE(l.horizontalBar.width, 784);
    // No page: nothing to scroll, no bars.
    const PreviewLayout empty = previewLayout(500, 600, 82, 16, 16, [](int, int) { return std::pair{0, 0}; });
    QVERIFY(!empty.verticalBarShown && !empty.horizontalBarShown);
    QCOMPARE(empty.vertical.lastPosition(), 0);
    QCOMPARE(empty.canvas.height, 600 - 82);

    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 2, "Page", true);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.resize(800, 600);
    QApplication::processEvents();
    const int hh = p.ScrollBarH->height();
    QCOMPARE(p.ScrollBarV->height(), 600 - hh - 82);
    QCOMPARE(p.ScrollBarV->pageStep(), 600 - hh - 82);
    QCOMPARE(p.ScrollBarV->maximum(), p.pageHeightPixels() + 2 * kBackdropMargin - (600 - hh - 82));
    QCOMPARE(p.ScrollBarV->y(), 82);
    QCOMPARE(p.canvas->height(), 600 - hh - 82);

    // One notch of the wheel scrolls three steps of ten pixels, and back.
    QWheelEvent down(QPointF(100, 100), p.canvas->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(p.canvas, &down);
    QCOMPARE(p.ScrollBarV->value(), QApplication::wheelScrollLines() * 10);
    QCOMPARE(p.renderView().offsetY, p.ScrollBarV->value() - kBackdropMargin);
    QWheelEvent up(QPointF(100, 100), p.canvas->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(p.canvas, &up);
    QCOMPARE(p.ScrollBarV->value(), 0);
    p.hide();
}

void PreviewTest::thePageIsDrawnAtItsRealSize() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 1, "Page", true);
    TPagePreview& p = t.app.pagePreview();
    p.prepare();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    const int dpi = p.pixelsPerInch();
    QCOMPARE(p.pageWidthPixels(), int(dpi * 8.5));
    QCOMPARE(p.pageHeightPixels(), dpi * 11);
    const QImage shot = p.canvas->grab().toImage();
    // The line across the page at 1.6 inches, from 1 inch to 7.5 inches (clipped by
    // the canvas): dark at its middle, white above it. The page lies on its backdrop.
    const int left = -p.renderView().offsetX, top = -p.renderView().offsetY;
    const int y = top + int(dpi * 1.6);
    const int x = std::min(left + int(dpi * 4.0), shot.width() - 1);
    QVERIFY(qGray(shot.pixel(x, y)) < 128);
    QVERIFY(qGray(shot.pixel(x, y - 8)) > 200);
    int dark = 0;
    for (int yy = top + int(dpi * 0.9); yy < top + int(dpi * 1.5); ++yy)
        for (int xx = left + dpi; xx < left + dpi * 3; ++xx) dark += qGray(shot.pixel(xx, yy)) < 128 ? 1 : 0;
    QVERIFY2(dark > 50, "the text \"Page 1\" is drawn");
    p.hide();
}

void PreviewTest::pageCountZoomAndCentring() {
    AppUnderTest t;
    writeNumberedPages(t.app.context().pageLog, 12, "Page", true);
    TPagePreview& preview = t.app.pagePreview();
    preview.show();
    preview.resize(800, 700);
    preview.prepare();
    preview.showPage(2);
    QCOMPARE(preview.Label1->text() + preview.EdtGotoPage->text() + u' ' + preview.LabelPageCount->text(),
             QStringLiteral("Page 3 of 12"));
    const int screenPpi = preview.pixelsPerInch();
    QCOMPARE(preview.pageWidthPixels(), int(screenPpi * 8.5));

    // Fitted to the width the page is as wide as the canvas less the backdrop's
    // margins; fitted wholly it is also no higher; at 100% it is at the screen's
    // resolution again.
    const int room = 2 * kBackdropMargin;
    preview.setZoom(TPagePreview::Zoom::FitWidth);
    const int canvasWidth = preview.canvas->width();
    QVERIFY(preview.pageWidthPixels() <= canvasWidth - room && preview.pageWidthPixels() > canvasWidth - room - 9);
    preview.setZoom(TPagePreview::Zoom::FitPage);
    QVERIFY(preview.pageHeightPixels() <= preview.canvas->height() - room);
    QVERIFY(preview.pageHeightPixels() > preview.canvas->height() - room - 12);
    QVERIFY(preview.pageWidthPixels() <= preview.canvas->width() - room);
    preview.setZoom(TPagePreview::Zoom::Actual);
    QCOMPARE(preview.pixelsPerInch(), screenPpi);

    // Widened beyond the page, the page sits in the middle; the bar has nowhere to go.
    preview.resize(1800, 700);
    QCoreApplication::processEvents();
    const int margin = (preview.canvas->width() - preview.pageWidthPixels()) / 2;
    QVERIFY(margin > kBackdropMargin);
    QCOMPARE(preview.renderView().offsetX, -margin);
    QCOMPARE(preview.ScrollBarH->maximum(), 0);
    QVERIFY(preview.ScrollBarH->isHidden());
    preview.hide();
}

TW_GUI_TEST(PreviewTest);

}  // namespace tw::gui::test

#include "preview_window_test.moc"
