#include "ui/splash_view.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace lumadisc {

SplashView::SplashView()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("splashForm"));
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(QStringLiteral("Lumadisc"));
    setStyleSheet(
        QStringLiteral("QWidget#splashForm { background: qlineargradient(x1:0, y1:0, x2:1, y2:1,"
                       " stop:0 #1d2633, stop:1 #06080b); border: 1px solid #4aa3ff; }"
                       "QLabel { color: #e8eef7; }"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Lumadisc"), this);
    name->setStyleSheet(QStringLiteral("font-size: 30px; font-weight: bold; color: #4aa3ff;"));
    auto* line = new QLabel(QStringLiteral("DVD-Video player"), this);
    layout->addWidget(name, 0, Qt::AlignCenter);
    layout->addWidget(line, 0, Qt::AlignCenter);
    resize(320, 150);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

} // namespace lumadisc
