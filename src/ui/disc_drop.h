#pragma once

#include <QObject>

namespace lumadisc {

class ViewHub;

// Accepts a disc image or a copied disc's folder dropped on a window and starts it.
class DiscDrop : public QObject {
public:
    DiscDrop(ViewHub& hub, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ViewHub& m_hub;
};

} // namespace lumadisc
