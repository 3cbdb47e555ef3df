// Grabs the whole screen of the X display it runs on into a PNG file and counts the
// dark pixels inside a rectangle of it: the test of a real run checks with it that
// the page preview shows a page, not an empty window.
//   gui_screen_check OUT.png X Y WIDTH HEIGHT MIN_DARK_PIXELS
// Exit status 0 when the rectangle holds at least MIN_DARK_PIXELS dark pixels.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fputs("usage: gui_screen_check OUT.png X Y WIDTH HEIGHT MIN_DARK_PIXELS\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fputs("no screen\n", stderr);
        return 2;
    }
    const QImage shot = screen->grabWindow(0).toImage();
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fputs("the screen could not be grabbed or saved\n", stderr);
        return 2;
    }
    const QRect area = QRect(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])) & shot.rect();
    const long wanted = std::atol(argv[6]);
    long dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(shot.pixel(x, y)) < 128) ++dark;
    std::printf("screen %dx%d, %ld dark pixels in %dx%d+%d+%d\n", shot.width(), shot.height(), dark, area.width(),
                area.height(), area.left(), area.top());
    return dark >= wanted ? 0 : 1;
}
