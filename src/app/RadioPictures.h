// RadioPictures.h — the transfer dialog's small pictures: the handheld radio, the PC at the other
// end of the programming cable, and the cable between them. Drawn as vectors so they stay sharp at
// any screen scale.
#pragma once

#include <QWidget>

namespace kelpie {

// What one picture shows.
enum class TransferPictureKind {
    Radio,
    Computer,
    Cable
};

class TransferPicture : public QWidget
{
public:
    TransferPicture(TransferPictureKind kind, QWidget* parent);

    QSize sizeHint() const override;

    // The cable's direction of travel: towards the right end when true.
    void SetFlowRight(bool right);
    bool FlowsRight() const { return m_flowRight; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintRadio(QPainter& p) const;
    void PaintComputer(QPainter& p) const;
    void PaintCable(QPainter& p) const;

    TransferPictureKind m_kind;
    bool m_flowRight = true;
};

}  // namespace kelpie
