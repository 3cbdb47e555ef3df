#include "gui/tree_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace tw::gui {

TreePicture::TreePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setMinimumSize(120, 140);
}

void TreePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 170 x 200 grid, scaled to the widget and centred.
    const qreal scale = std::min(width() / 170.0, height() / 200.0);
    p.translate((width() - 170 * scale) / 2, (height() - 200 * scale) / 2);
    p.scale(scale, scale);

    // Ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0xa8, 0x5a));
    p.drawEllipse(QRectF(25, 182, 120, 14));

    // Trunk and the two main boughs.
    const QColor bark(0x6b, 0x47, 0x2a);
    QPainterPath trunk;
    trunk.moveTo(74, 188);
    trunk.cubicTo(80, 160, 78, 130, 70, 100);
    trunk.lineTo(82, 104);
    trunk.cubicTo(86, 80, 96, 70, 110, 62);
    trunk.lineTo(114, 68);
    trunk.cubicTo(102, 78, 94, 96, 92, 118);
    trunk.cubicTo(92, 140, 94, 165, 100, 188);
    trunk.closeSubpath();
    p.setBrush(bark);
    p.drawPath(trunk);
    p.setPen(QPen(bark, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(76, 104), QPointF(52, 70));
    p.drawLine(QPointF(86, 96), QPointF(86, 52));

    // The crown: overlapping leaf clusters in three greens.
    const QColor greens[] = {QColor(0x3f, 0x7d, 0x3a), QColor(0x56, 0x9a, 0x45), QColor(0x74, 0xb4, 0x5c)};
    struct Leaf { qreal x, y, r; int shade; };
    static constexpr Leaf kLeaves[] = {
        {85, 48, 40, 0}, {48, 66, 30, 0}, {124, 66, 30, 0}, {62, 36, 28, 1},  {110, 34, 28, 1},
        {86, 22, 24, 1}, {38, 86, 20, 1}, {134, 88, 20, 1}, {70, 64, 24, 2},  {102, 60, 24, 2},
    };
    p.setPen(Qt::NoPen);
    for (const Leaf& leaf : kLeaves) {
        p.setBrush(greens[leaf.shade]);
        p.drawEllipse(QPointF(leaf.x, leaf.y), leaf.r, leaf.r * 0.85);
    }

    // Three generations of name boxes among the leaves, joined like a pedigree.
    const QRectF boxes[] = {QRectF(70, 76, 30, 12), QRectF(44, 50, 28, 11), QRectF(98, 50, 28, 11),
                            QRectF(30, 26, 24, 10), QRectF(60, 20, 24, 10), QRectF(90, 20, 24, 10),
                            QRectF(120, 26, 24, 10)};
    p.setPen(QPen(QColor(0x33, 0x22, 0x88), 1.2));
    const auto join = [&](const QRectF& child, const QRectF& parent) {
        p.drawLine(QPointF(child.center().x(), child.top()), QPointF(parent.center().x(), parent.bottom()));
    };
    join(boxes[0], boxes[1]);
    join(boxes[0], boxes[2]);
    join(boxes[1], boxes[3]);
    join(boxes[1], boxes[4]);
    join(boxes[2], boxes[5]);
    join(boxes[2], boxes[6]);
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    for (const QRectF& box : boxes) p.drawRoundedRect(box, 2, 2);
    p.setPen(QPen(QColor(0x88, 0x88, 0x88), 1));
    for (const QRectF& box : boxes) {
        const qreal y = box.center().y();
        p.drawLine(QPointF(box.left() + 4, y), QPointF(box.right() - 4, y));
    }
}

}  // namespace tw::gui
