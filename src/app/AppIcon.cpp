#include "app/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// An 8 x 8 dot pattern of the character 人, each dot a 4 x 4 tile.
constexpr const char* kDots[8] = {
    "...#....", "...#....", "...#....", "..#.#...", "..#.#...", ".#...#..", ".#...#..", "#.....##",
};

} // namespace

QIcon makeAppIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(0, 0, 128));
    QPainter painter(&pixmap);
    const QColor colours[] = {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255),
                              QColor(0, 255, 0)};
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            if (kDots[row][column] == '#')
                painter.fillRect(column * 4, row * 4, 3, 3, colours[(row + column) % 4]);
    painter.end();
    return QIcon(pixmap);
}
