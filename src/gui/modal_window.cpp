#include "gui/modal_window.h"

#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "gui/translated.h"
#include "output/qt/qt_surface.h"

namespace tw::gui {

ModalWindow::ModalWindow(QWidget* parent) : QDialog(parent) {
    setWindowModality(Qt::ApplicationModal);
    // No "?" button; a normal title bar with a close button.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
}

ModalWindow::~ModalWindow() {
    if (loop_ != nullptr) loop_->exit();
}

int ModalWindow::showModal() {
    beforeShowing();
    result_ = QDialog::Rejected;
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
    traceShown(this);
    QEventLoop loop;
    loop_ = &loop;
    loopLevel_ = QThread::currentThread()->loopLevel() + 1;
    QPointer<ModalWindow> self(this);
    loop.exec(QEventLoop::DialogExec);
    if (self && loop_ == &loop) loop_ = nullptr;
    return self ? result_ : int(QDialog::Rejected);
}

void ModalWindow::finish(int result) {
    result_ = result;
    QEventLoop* loop = loop_;
    loop_ = nullptr;
    hide();
    if (loop != nullptr) loop->exit();
}

void ModalWindow::reject() { closedByFrame(); }

QFont productTitleFont(int pixelSize) {
    QFont font(QtSurface::familyFor("Times"));
    font.setPixelSize(pixelSize);
    return font;
}

QFont questionFont(int pixelSize) { return productTitleFont(pixelSize); }

QString productTitle() { return TW_QTR("Windows", "Tamblewin for PAF"); }

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

namespace {

// What a window frame takes from the room on the screen, where the window system
// does not say yet (before the window was first shown).
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

}  // namespace

QSize roomOnScreen(const QWidget* window) {
    QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QRect free = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->size();
    const int frameWidth = frame.width() > 0 ? frame.width() : kFrameWidth;
    const int frameHeight = frame.height() > 0 ? frame.height() : kFrameHeight;
    return {free.width() - frameWidth, free.height() - frameHeight};
}

void fitToContents(QWidget* window, QSize designed) {
    const QSize needed = window->minimumSizeHint();
    window->setMinimumSize(needed);
    const QSize room = roomOnScreen(window);
    window->resize(designed.expandedTo(window->sizeHint()).boundedTo(room).expandedTo(needed));
}

void centreOnMonitor(QWidget* window) {
    QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect monitor = screen->geometry();
    const QRect free = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    // Centred, and wholly on the free area where the window is not larger than it.
    const int left = std::clamp(monitor.left() + (monitor.width() - size.width()) / 2, free.left(),
                                std::max(free.left(), free.right() + 1 - size.width()));
    const int top = std::clamp(monitor.top() + (monitor.height() - size.height()) / 2, free.top(),
                               std::max(free.top(), free.bottom() + 1 - size.height()));
    window->move(left, top);
}

void traceShown(QWidget* window) {
    static const QString path = qEnvironmentVariable("TAMBLEWIN_WINDOW_TRACE");
    if (path.isEmpty()) return;
    // Written once the window system has had the window shown.
    QPointer<QWidget> shown(window);
    QTimer::singleShot(100, window, [shown] {
        if (!shown || !shown->isVisible()) return;
        QFile file(path);
        if (file.open(QIODevice::Append | QIODevice::Text)) file.write(shown->objectName().toUtf8() + '\n');
    });
}

}  // namespace tw::gui
