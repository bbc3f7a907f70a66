#pragma once

#include <QObject>

namespace lumadisc {

// The movies' replacement window procedure: mouse and key events of a skin widget are put to the
// program's message filter, and an event it turns into the null message never reaches the skin.
class MovieHook : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace lumadisc
