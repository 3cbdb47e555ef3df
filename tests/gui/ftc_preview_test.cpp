// The Family Tree Chart in the page preview: a branch dragged by its name box or by
// its joint, the top limit, the pin on release, Save and the positions file, Format
// 2 with its notice, the chart's buttons when the preview is opened again or another
// report is chosen, Print into a PDF file, and a preview of another report that
// ignores the mouse.

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "charts/ftc_chart.h"
#include "charts/ftc_positions.h"
#include "gui/preview_window.h"
#include "gui/print_window.h"
#include "gui_test_support.h"
#include "output/page_command.h"
#include "output/page_render.h"
#include "support/paf_fixture.h"
#include "wizard/dispatcher.h"

namespace tw::gui::test {

namespace {

// A couple with five children, each married with three children of their own.
WriterFamily treeFamily() {
    WriterFamily family = tw::test::coupleWithChildren(5);
    for (int32_t child = 3; child <= 7; ++child) {
        const int32_t spouse = family.addPerson(tw::test::person("Pat /Other/", child % 2 == 1 ? 'F' : 'M'));
        WriterMarriage m;
        m.husband = child % 2 == 1 ? child : spouse;
        m.wife = child % 2 == 1 ? spouse : child;
        for (int k = 0; k < 3; ++k)
            m.children.push_back(family.addPerson(tw::test::person("Kid" + std::to_string(child * 10 + k) + " /Tamble/")));
        family.addMarriage(m);
    }
    return family;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The chart of treeFamily run as the wizard runs it, the preview prepared and shown.
struct ChartInPreview {
    AppUnderTest t;
    tw::test::TempDir dir;
    std::string paf;
    TPagePreview* preview = nullptr;

    explicit ChartInPreview(ReportKind kind = ReportKind::FamilyTreeChart) {
        paf = dir.file("tree.paf");
        AppContext& ctx = t.app.context();
        ctx.file.openImage(buildPafImage(treeFamily()).flatten());
        ctx.dataFilePath = paf;
        ctx.paths.ftcPositionsStem = ftcPositionsStem(paf);
        ctx.paths.ftcListingFile = dir.file("ft.log");
        ctx.detailedFoliage = false;
        t.app.settings().reportFlags = flagsFor(kind);
        dispatchReports(ctx, t.app.settings().reportFlags, "1");
        preview = &t.app.pagePreview();
        preview->prepare();
        preview->show();
    }
    ~ChartInPreview() { preview->hide(); }

    FamilyTreeChartState& chart() { return familyTreeChart(t.app.context()); }
    const PageLog& log() { return t.app.context().pageLog; }
    QPoint pagePoint(double fx, double fy) {
        const RenderView view = preview->renderView();
        return {toDeviceX(fx * log().pageWidth(), view), toDeviceY(fy * log().pageHeight(), view)};
    }
    // Presses at from, moves by dy in a few steps, releases.
    void drag(QPoint from, int dy) {
        QWidget* canvas = preview->canvas;
        sendMouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (int step = 1; step <= 4; ++step)
            sendMouse(canvas, QEvent::MouseMove, from + QPoint(0, dy * step / 4), Qt::NoButton, Qt::LeftButton);
        sendMouse(canvas, QEvent::MouseButtonRelease, from + QPoint(0, dy), Qt::LeftButton, Qt::NoButton);
    }
};

// Where the name along a branch starts, in inches: the first line drawn of it.
std::optional<std::pair<double, double>> nameAt(const std::string& page, std::string_view name) {
    PageCommandReader reader(page);
    while (const std::optional<PageCommand> c = reader.next())
        if (c->op == PageOp::TextAngled && c->text == name) return std::pair{c->numbers[0], c->numbers[1]};
    return std::nullopt;
}

}  // namespace

class FamilyTreePreviewTest : public QObject {
    Q_OBJECT

private slots:
    void aBoxDraggedAboveTheTopStopsThereAndIsPinnedAndSaved();
    void aJointDragMovesTheAnchorAndNothingPickedChangesNothing();
    void aJointDraggedTakesItsNameAlongAndLeavesTheTrunkWhole();
    void saveSaysWhereOrWhyNotAndIsNotOfferedAfterAFreshRun();
    void formatTwoShowsItsNoticeAndEndsTheDragging();
    void chartButtonsOutlastReopeningButNotANewReport();
    void printingSavesThePositionsAndPrintsTheChartAsEdited();
    void anotherReportIgnoresTheMouse();
};

void FamilyTreePreviewTest::aBoxDraggedAboveTheTopStopsThereAndIsPinnedAndSaved() {
    ChartInPreview p;
    QVERIFY(QTest::qWaitForWindowExposed(p.preview));
    QCOMPARE(p.chart().format, 1);
    QVERIFY(p.preview->btnFormat2->isVisible() && p.preview->btnFormat2->isEnabled());
    QVERIFY(!p.preview->btnSavePositions->isVisible());
    QVERIFY(!p.preview->btnNextSpring->isVisible());

    // Branch 2 is on the left: its name box spans 0.3 to 0.4 of the width.
    const FamilyBranch before = p.chart().branches[2];
    const QPoint inBox = p.pagePoint(0.35, (before.t + before.b) / 2);
    QWidget* canvas = p.preview->canvas;
    sendMouse(canvas, QEvent::MouseButtonPress, inBox, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(p.chart().drag.branch, 2);
    QCOMPARE(p.chart().drag.mode, FtcPick::Box);
    sendMouse(canvas, QEvent::MouseMove, inBox - QPoint(0, 2000), Qt::NoButton, Qt::LeftButton);
    QVERIFY(p.preview->btnSavePositions->isVisible() && p.preview->btnSavePositions->isEnabled());
    QVERIFY(p.chart().positionsChanged);
    const int topLimit = p.pagePoint(0, kFtcBoxTopLimit).y();
    QCOMPARE(p.chart().drag.box.top, topLimit);
    // The rubber band is drawn over the page while the button is held.
    const QImage shot = canvas->grab().toImage();
    int outline = 0;
    for (int x = p.chart().drag.box.left; x <= p.chart().drag.box.right && x < shot.width(); ++x)
        if (topLimit >= 0 && topLimit < shot.height() && shot.pixelColor(x, topLimit) == QColor(0x33, 0x22, 0x88)) ++outline;
    QVERIFY2(outline > 10, qPrintable(QString::number(outline)));

    sendMouse(canvas, QEvent::MouseButtonRelease, inBox - QPoint(0, 2000), Qt::LeftButton, Qt::NoButton);
    const FamilyBranch& after = p.chart().branches[2];
    QVERIFY(after.pinned);
    QCOMPARE(p.chart().drag.branch, -1);
    const double pixel = 1.0 / p.preview->pixelsPerInch() / p.log().pageHeight();
    QVERIFY(std::abs(after.t - kFtcBoxTopLimit) <= pixel);
    QVERIFY(std::abs((after.b - after.t) - (before.b - before.t)) <= 2 * pixel);
    QVERIFY(std::abs(after.a - (after.t + after.b) / 2) < 1e-12);
    // The stored page is the chart as now drawn.
    QCOMPARE(QString::fromLatin1(p.log().pagelogg(0)), QString::fromLatin1(p.log().currentText()));

    const std::string positions = p.dir.file("treem1.twft");
    QVERIFY(!std::filesystem::exists(positions));
    click(p.preview->btnSavePositions);
    const std::string saved = fileText(positions);
    QVERIFY2(saved.starts_with("i:2\nt:0.06"), saved.c_str());
    QVERIFY(saved.ends_with("rhs:0\n"));
    QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), 6L);
}

void FamilyTreePreviewTest::aJointDragMovesTheAnchorAndNothingPickedChangesNothing() {
    ChartInPreview p;
    const std::string page = p.log().currentText();
    // A press on an empty part of the page picks nothing; its drag redraws nothing.
    p.drag(p.pagePoint(0.95, 0.3), 40);
    QCOMPARE(p.log().currentText(), page);
    for (const FamilyBranch& branch : p.chart().branches) QVERIFY(!branch.pinned);

    // Branch 1 is on the right: its joint spans 0.5 to 0.575 of the width.
    const FamilyBranch before = p.chart().branches[1];
    p.drag(p.pagePoint(0.54, before.a), 30);
    const FamilyBranch& after = p.chart().branches[1];
    QVERIFY(after.pinned);
    const double moved = 30.0 / p.preview->pixelsPerInch() / p.log().pageHeight();
    QVERIFY2(std::abs(after.a - (before.a + moved)) < 3.0 / p.preview->pixelsPerInch() / p.log().pageHeight(),
             qPrintable(QString::number(after.a - before.a)));
    QCOMPARE(after.t, before.t);
    QVERIFY(p.log().currentText() != page);
}

void FamilyTreePreviewTest::aJointDraggedTakesItsNameAlongAndLeavesTheTrunkWhole() {
    // Branch 1 on the right, branch 2 on the left; dragged down and up.
    const struct {
        int branch;
        const char* name;
        int dy;
    } cases[] = {{1, "Child2", 60}, {2, "Child3", -60}, {1, "Child2", -45}};
    for (const auto& c : cases) {
        ChartInPreview p;
        const FamilyBranch before = p.chart().branches[size_t(c.branch)];
        const auto nameBefore = nameAt(p.log().currentText(), c.name);
        QVERIFY2(nameBefore, c.name);
        const double side = before.rhs == 1 ? 1 : -1;
        const QPoint joint = p.pagePoint(0.5 + 0.04 * side, before.a);
        QWidget* canvas = p.preview->canvas;
        sendMouse(canvas, QEvent::MouseButtonPress, joint, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(p.chart().drag.mode, FtcPick::Joint);
        sendMouse(canvas, QEvent::MouseMove, joint + QPoint(0, c.dy), Qt::NoButton, Qt::LeftButton);
        // While dragging, the trunk between the joint's two places keeps its bark: the
        // band shown starts beside it.
        const QImage shot = canvas->grab().toImage();
        const QColor band(0x7B, 0xD5, 0x8F);
        const int trunkMiddle = p.pagePoint(0.5, 0).x();
        const int trunkSide = p.pagePoint(0.5 + 0.03 * side, 0).x();
        int banded = 0, bandBeside = 0;
        for (int y = std::min(joint.y(), joint.y() + c.dy); y <= std::max(joint.y(), joint.y() + c.dy); ++y) {
            if (y < 0 || y >= shot.height()) continue;
            for (int x = std::min(trunkMiddle, trunkSide); x <= std::max(trunkMiddle, trunkSide); ++x)
                banded += shot.pixelColor(x, y) == band ? 1 : 0;
            bandBeside += shot.pixelColor(p.pagePoint(0.5 + 0.06 * side, 0).x(), y) == band ? 1 : 0;
        }
        QVERIFY2(bandBeside > 10, qPrintable(QString::number(bandBeside)));  // the band is there
        QCOMPARE(banded, 0);
        sendMouse(canvas, QEvent::MouseButtonRelease, joint + QPoint(0, c.dy), Qt::LeftButton, Qt::NoButton);

        // The name moved with the joint, and only up or down; the page stored, which
        // is printed, is the page shown.
        const FamilyBranch& after = p.chart().branches[size_t(c.branch)];
        QCOMPARE(after.t, before.t);
        const auto nameAfter = nameAt(p.log().currentText(), c.name);
        QVERIFY2(nameAfter, c.name);
        const double moved = (after.a - before.a) * p.log().pageHeight();
        QVERIFY2(std::abs(moved) > 0.3, qPrintable(QString::number(moved)));
        QVERIFY2(std::abs(nameAfter->second - nameBefore->second - moved) < 0.01,
                 qPrintable(QStringLiteral("%1 moved %2, its name %3")
                                .arg(QString::fromLatin1(c.name)).arg(moved).arg(nameAfter->second - nameBefore->second)));
        QVERIFY(std::abs(nameAfter->first - nameBefore->first) < 0.01);
        QCOMPARE(p.log().pagelogg(0), p.log().currentText());
    }
}

void FamilyTreePreviewTest::saveSaysWhereOrWhyNotAndIsNotOfferedAfterAFreshRun() {
    ChartInPreview p;
    const FamilyBranch& branch = p.chart().branches[2];
    p.drag(p.pagePoint(0.35, (branch.t + branch.b) / 2), -40);
    QVERIFY(p.preview->btnSavePositions->isVisible());
    click(p.preview->btnSavePositions);
    const std::string positions = p.dir.file("treem1.twft");
    QVERIFY(std::filesystem::exists(positions));
    QVERIFY2(p.t.dialogs.shown(QStringLiteral("The branch positions were saved in\n") + QString::fromStdString(positions),
                               QStringLiteral("Notice")),
             qPrintable(p.t.dialogs.all()));
    // Saved: Save waits for the next move.
    QVERIFY(!p.preview->btnSavePositions->isVisible());

    // A folder that cannot be made (a file stands in its place): the system's reason.
    p.drag(p.pagePoint(0.35, (branch.t + branch.b) / 2), 30);
    std::ofstream(p.dir.file("blocked")) << "a file";
    p.chart().positionsPath = p.dir.file("blocked") + "/treem1.twft";
    click(p.preview->btnSavePositions);
    QVERIFY2(p.t.dialogs.shown(QStringLiteral("The branch positions could not be saved in\n") +
                                   QString::fromStdString(p.chart().positionsPath) + QStringLiteral(":\nNot a directory"),
                               QStringLiteral("Whoops!")),
             qPrintable(p.t.dialogs.all()));
    QVERIFY(p.preview->btnSavePositions->isVisible());

    // The chart run again with nothing dragged: nothing to save.
    p.preview->hide();
    dispatchReports(p.t.app.context(), p.t.app.settings().reportFlags, "1");
    p.preview->prepare();
    p.preview->show();
    QVERIFY(p.preview->btnFormat2->isVisible());
    QVERIFY(!p.preview->btnSavePositions->isVisible());
}

void FamilyTreePreviewTest::formatTwoShowsItsNoticeAndEndsTheDragging() {
    ChartInPreview p;
    click(p.preview->btnFormat2);
    QCOMPARE(p.chart().format, 2);
    QVERIFY(!p.preview->btnFormat2->isVisible() && !p.preview->btnFormat2->isEnabled());
    QVERIFY(!p.preview->btnSavePositions->isVisible());
    QVERIFY(p.t.dialogs.shown(
        QStringLiteral("If you decide you want to go back to Format 1\nyou must cancel out of this run and start all\n"
                       "over again."),
        QStringLiteral("Notice")));
    for (const FamilyBranch& branch : p.chart().branches) QVERIFY(branch.collapsed);
    const std::string page = p.log().currentText();
    QVERIFY(page.find("\x02" "FS,10") != std::string::npos);
    const FamilyBranch& branch = p.chart().branches[2];
    p.drag(p.pagePoint(0.45, (branch.t + branch.b) / 2), -60);
    p.drag(p.pagePoint(0.35, (branch.t + branch.b) / 2), -60);
    QCOMPARE(p.log().currentText(), page);
    QVERIFY(!p.chart().positionsChanged);
    QVERIFY(!branch.pinned);
}

void FamilyTreePreviewTest::chartButtonsOutlastReopeningButNotANewReport() {
    const auto offered = [](QPushButton* button) { return button->isVisible() && button->isEnabled(); };
    ChartInPreview p;
    const FamilyBranch& branch = p.chart().branches[2];
    p.drag(p.pagePoint(0.35, (branch.t + branch.b) / 2), -40);
    QVERIFY(offered(p.preview->btnFormat2) && offered(p.preview->btnSavePositions));

    // Back in the start window and Preview again: the edited chart keeps both.
    p.preview->hide();
    p.preview->prepare();
    p.preview->show();
    QVERIFY(offered(p.preview->btnFormat2) && offered(p.preview->btnSavePositions));
    QVERIFY(!p.preview->btnNextSpring->isVisible());

    // The second format: neither, and opening the preview again does not bring them back.
    click(p.preview->btnFormat2);
    p.preview->hide();
    p.preview->prepare();
    p.preview->show();
    QVERIFY(!p.preview->btnFormat2->isVisible() && !p.preview->btnSavePositions->isVisible());

    // A new report chosen: the chart's buttons go until its preview is prepared.
    p.chart().format = 1;
    p.chart().positionsChanged = false;
    p.preview->resetChartControls();
    QVERIFY(!p.preview->btnFormat2->isVisible() && !p.preview->btnFormat2->isEnabled());
    QVERIFY(!p.preview->btnSavePositions->isVisible() && !p.preview->btnSavePositions->isEnabled());
    p.preview->prepare();
    QVERIFY(offered(p.preview->btnFormat2) && !p.preview->btnSavePositions->isVisible());
}

void FamilyTreePreviewTest::printingSavesThePositionsAndPrintsTheChartAsEdited() {
    ChartInPreview p;
    const FamilyBranch before = p.chart().branches[0];
    p.drag(p.pagePoint(0.35, (before.t + before.b) / 2), -50);
    QVERIFY(p.chart().branches[0].pinned);
    const std::string edited = p.log().currentText();

    const QString pdf = QString::fromStdString(p.dir.file("tree.pdf"));
    p.t.dialogs.pdfFileAnswer = pdf;
    TPB& box = p.t.app.printBox();
    p.preview->hide();
    Driver driver;
    driver.onWindow(p.preview, [&] { click(p.preview->BtnPrint); }).onWindow(&box, [&] { click(box.btnPrint); });
    p.preview->open();
    QVERIFY2(driver.finished(), qPrintable(driver.waitingFor()));
    // Printing saves the positions without a word; the PDF says where it went.
    QCOMPARE(p.t.dialogs.all(), QStringLiteral("Notice: ") + pdfWrittenMessage(pdf) + u'\n');
    QVERIFY(fileText(p.dir.file("treem1.twft")).starts_with("i:0\n"));
    QCOMPARE(p.log().pagelogg(0), edited);

    QVERIFY(QFile::exists(pdf));
    QCOMPARE(pdfProblems(pdf), QString());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is not installed: the printed page was not looked at");
    // The printed page has the moved box where the preview showed it: name-box blue
    // at the box's new middle, at 0.35 of the width.
    QProcess render;
    const QString png = QString::fromStdString(p.dir.file("tree"));
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                                             QStringLiteral("-singlefile"), pdf, png});
    render.waitForFinished(-1);
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    const FamilyBranch& moved = p.chart().branches[0];
    const QColor atBox = page.pixelColor(int(0.35 * page.width()), int((moved.t + moved.b) / 2 * page.height()));
    QVERIFY2(std::abs(atBox.red() - 0xFB) < 40 && std::abs(atBox.green() - 0xB5) < 40 && atBox.blue() < 90,
             qPrintable(atBox.name()));
    const QColor whereItWas =
        page.pixelColor(int(0.35 * page.width()), int((before.b + 0.01) * page.height()));
    QVERIFY2(whereItWas != atBox, qPrintable(whereItWas.name()));
}

void FamilyTreePreviewTest::anotherReportIgnoresTheMouse() {
    ChartInPreview p(ReportKind::DescendantsList);
    const std::string page = p.log().currentText();
    QVERIFY(!p.preview->btnFormat2->isVisible());
    p.drag(p.pagePoint(0.35, 0.3), -40);
    QCOMPARE(p.log().currentText(), page);
    QVERIFY(!p.preview->btnSavePositions->isVisible());
}

TW_GUI_TEST(FamilyTreePreviewTest);

}  // namespace tw::gui::test

#include "ftc_preview_test.moc"
