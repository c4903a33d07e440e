#include "app/RadioPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kelpie {

namespace {

const QColor kBody(0x2b, 0x3a, 0x4a);
const QColor kOutline(0x15, 0x1e, 0x28);
const QColor kLcd(0xb8, 0xd8, 0xa8);
const QColor kKey(0x8a, 0x99, 0xa8);
const QColor kScreen(0x3d, 0x6e, 0x9e);
const QColor kCable(0x20, 0x20, 0x20);
const QColor kArrow(0xd0, 0x5a, 0x1a);

}  // namespace

TransferPicture::TransferPicture(TransferPictureKind kind, QWidget* parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(sizeHint());
}

QSize TransferPicture::sizeHint() const
{
    switch (m_kind) {
        case TransferPictureKind::Radio:
            return {60, 100};
        case TransferPictureKind::Computer:
            return {110, 100};
        case TransferPictureKind::Cable:
            break;
    }
    return {150, 40};
}

void TransferPicture::SetFlowRight(bool right)
{
    m_flowRight = right;
    update();
}

void TransferPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    switch (m_kind) {
        case TransferPictureKind::Radio:
            PaintRadio(p);
            break;
        case TransferPictureKind::Computer:
            PaintComputer(p);
            break;
        case TransferPictureKind::Cable:
            PaintCable(p);
            break;
    }
}

// A handheld: antenna, body, display, speaker slots and a 3 × 3 keypad, scaled to the widget.
void TransferPicture::PaintRadio(QPainter& p) const
{
    p.scale(width() / 60.0, height() / 100.0);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(14, 2, 6, 26), 3, 3);
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(8, 22, 44, 76), 8, 8);
    p.setBrush(kLcd);
    p.drawRect(QRectF(15, 30, 30, 16));
    p.setPen(QPen(kOutline, 1.5));
    for (int i = 0; i < 3; ++i) {
        const double y = 52 + i * 4;
        p.drawLine(QPointF(18, y), QPointF(42, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kKey);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawEllipse(QPointF(19 + col * 11, 70 + row * 9), 3.2, 3.2);
        }
    }
}

// A PC: monitor with its screen, stand and the serial connector at the side.
void TransferPicture::PaintComputer(QPainter& p) const
{
    p.scale(width() / 110.0, height() / 100.0);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(8, 10, 94, 64), 5, 5);
    p.setBrush(kScreen);
    p.drawRect(QRectF(15, 17, 80, 50));
    p.setBrush(kBody);
    p.drawRect(QRectF(47, 74, 16, 12));
    p.drawRoundedRect(QRectF(28, 86, 54, 8), 3, 3);
    p.setBrush(kKey);
    // A connector on each side, so the cable meets it wherever the PC stands.
    for (const double edge : {0.0, 110.0}) {
        const double inner = edge == 0.0 ? 8.0 : 102.0;
        const QPointF shape[] = {{edge, 40}, {inner, 38}, {inner, 52}, {edge, 50}};
        p.drawPolygon(shape, 4);
    }
}

// The cable, a sagging curve, with an arrow showing which way the programming travels.
void TransferPicture::PaintCable(QPainter& p) const
{
    const double w = width();
    const double h = height();
    QPainterPath cable;
    cable.moveTo(0, h * 0.3);
    cable.cubicTo(w * 0.3, h * 0.95, w * 0.7, h * 0.95, w, h * 0.3);
    p.setPen(QPen(kCable, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    const double y = h * 0.2;
    const double tail = m_flowRight ? w * 0.35 : w * 0.65;
    const double head = m_flowRight ? w * 0.65 : w * 0.35;
    const double barb = m_flowRight ? -7 : 7;
    p.setPen(QPen(kArrow, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(tail, y), QPointF(head, y));
    p.drawLine(QPointF(head, y), QPointF(head + barb, y - 5));
    p.drawLine(QPointF(head, y), QPointF(head + barb, y + 5));
}

}  // namespace kelpie
