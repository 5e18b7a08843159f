// screen_compare SCREEN FRAME LEFT TOP [DIFFERENCES]
// Counts the pixels of FRAME (the program's fresh rendering of its main window) that differ
// from SCREEN (what the X server shows) at LEFT, TOP of SCREEN, prints the count and the
// box around them, and writes the frame with the differing pixels in magenta to DIFFERENCES.
// Exit status: 0 when none differ, 1 when some do, 2 when an image cannot be read.
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: screen_compare SCREEN FRAME LEFT TOP [DIFFERENCES]\n");
        return 2;
    }
    const QImage screen = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    QImage frame = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || frame.isNull()) {
        std::fprintf(stderr, "screen_compare: cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    const int left = std::atoi(argv[3]);
    const int top = std::atoi(argv[4]);
    if (!screen.rect().contains(QRect(left, top, frame.width(), frame.height()))) {
        std::fprintf(stderr, "screen_compare: the frame does not lie on the screen\n");
        return 2;
    }
    long differing = 0;
    QRect box;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if ((screen.pixel(left + x, top + y) & 0xffffff) == (frame.pixel(x, y) & 0xffffff))
                continue;
            ++differing;
            box |= QRect(x, y, 1, 1);
            frame.setPixel(x, y, qRgb(255, 0, 255));
        }
    }
    std::printf("%ld pixels differ", differing);
    if (differing)
        std::printf(" within %d,%d %dx%d of the window", box.x(), box.y(), box.width(), box.height());
    std::printf("\n");
    if (differing && argc > 5)
        frame.save(QString::fromLocal8Bit(argv[5]));
    return differing ? 1 : 0;
}
