#pragma once
// The base of the wizard's windows: a dialog that is shown modally and can be hidden
// while a window it opened is up, without ending its modal showing (as QDialog::exec
// would when hidden). Every window is created once and hidden between uses.

#include <QDialog>
#include <QSize>
#include <QString>

class QEventLoop;
class QFont;
class QPushButton;

namespace tw::gui {

class ModalWindow : public QDialog {
public:
    explicit ModalWindow(QWidget* parent = nullptr);
    ~ModalWindow() override;

    // Shows the window application-modal and returns the result given to finish().
    int showModal();
    // Hides the window and ends showModal with the result.
    void finish(int result);
    bool isShowingModal() const { return loop_ != nullptr; }
    // The depth of the event loop of the modal showing (0 while not shown modally).
    // A window whose loop is the innermost one running is the one the user works in.
    int modalLoopLevel() const { return loop_ != nullptr ? loopLevel_ : 0; }

protected:
    // Escape and the window frame's close button: by default the window closes with
    // the result Rejected.
    void reject() override;
    virtual void closedByFrame() { finish(QDialog::Rejected); }
    // Called just before the window shows (set texts and states here).
    virtual void beforeShowing() {}

private:
    QEventLoop* loop_ = nullptr;
    int loopLevel_ = 0;
    int result_ = 0;
};

// The product title at the top of the wizard's windows, and the questions.
QFont productTitleFont(int pixelSize = 37);
QFont questionFont(int pixelSize = 19);
QString productTitle();

// A push button that Enter does not press unless it is made the default.
QPushButton* makeButton(const QString& text, const char* name, QWidget* parent);

// Sizes a window laid out by its layout: the size it was designed at, or what its
// contents need where that is more (large fonts, a scaled screen), and never more
// than the screen's free area. The user may make it larger, and no smaller than its
// contents need.
void fitToContents(QWidget* window, QSize designed);
// The room a window has on its screen: the screen's free area less the window
// frame's title bar and borders.
QSize roomOnScreen(const QWidget* window);

// Centres the window on its monitor: left = (monitor width - window width) / 2,
// top likewise, with the division truncating.
void centreOnMonitor(QWidget* window);

// A test run can follow which window the user sees: when TAMBLEWIN_WINDOW_TRACE names
// a file, the name of every window is appended to it, one per line, once the window
// has been shown. Nothing is traced otherwise.
void traceShown(QWidget* window);

}  // namespace tw::gui
