// Whether a screenshot shows a text in the dialog's font, dark on a light
// box: the text is drawn here in that font, black on white, and looked for in
// the screenshot with a margin of bare box around it, so that no longer text
// passes. Found means the same pixels exactly. Exit code 0 when found, 1
// when not, 2 on bad arguments.
// Usage: screenshot_shows_text PNG TEXT   (QT_QPA_PLATFORM=offscreen will do)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "app/qt/stand_in_font.h"

namespace {

constexpr int kMargin = 3;          // bare pixels around the text's ink
constexpr int kInkLightness = 128;  // darker than this is ink

bool IsInk(const QImage& image, QPoint at)
{
    return qGray(image.pixel(at)) < kInkLightness;
}

// The text drawn black on white in the dialog's font from a whole pixel, as a
// line edit places it, cut to its ink plus the margin.
QImage DrawText(const QString& text)
{
    const QFont font = LoadDialogFont();
    const QFontMetrics metrics(font);
    QImage image(metrics.size(0, text) + QSize(4 * kMargin, 4 * kMargin), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(2 * kMargin, 2 * kMargin + metrics.ascent()), text);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsInk(image, {x, y})) ink |= QRect(x, y, 1, 1);
        }
    }
    return image.copy(ink.adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

bool SameAt(const QImage& shot, const QImage& text, QPoint at)
{
    for (int y = 0; y < text.height(); ++y) {
        for (int x = 0; x < text.width(); ++x) {
            if (shot.pixel(at.x() + x, at.y() + y) != text.pixel(x, y)) return false;
        }
    }
    return true;
}

// Where the screenshot shows the drawing pixel for pixel, or (-1, -1).
QPoint Find(const QImage& shot, const QImage& text)
{
    for (int y = 0; y + text.height() <= shot.height(); ++y) {
        for (int x = 0; x + text.width() <= shot.width(); ++x) {
            if (SameAt(shot, text, {x, y})) return {x, y};
        }
    }
    return {-1, -1};
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot_shows_text PNG TEXT\n");
        return 2;
    }
    const QImage shot =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) {
        std::fprintf(stderr, "screenshot_shows_text: cannot read %s\n", argv[1]);
        return 2;
    }
    const QImage text = DrawText(QString::fromUtf8(argv[2]));
    const QPoint at = Find(shot, text);
    if (at.x() < 0) {
        std::printf("\"%s\" is not on the screenshot\n", argv[2]);
        return 1;
    }
    std::printf("\"%s\" at %d,%d\n", argv[2], at.x(), at.y());
    return 0;
}
