#include "ui/main_window_view.h"

#include "core/shell/main_form.h"
#include "ui/glyphs.h"
#include "ui/loading_frame.h"
#include "ui/qml_skin_movie.h"
#include "ui/resume_notice.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QQuickWidget>
#include <QSlider>
#include <QStyle>

#include <functional>

namespace lumadisc {

namespace {

// Mouse events of the slider and the bar reach the window with the button code the program's
// handlers take: 1 left, 2 right, 4 middle.
int buttonCode(Qt::MouseButtons buttons) {
    if (buttons & Qt::LeftButton)
        return 1;
    if (buttons & Qt::RightButton)
        return 2;
    if (buttons & Qt::MiddleButton)
        return 4;
    return 0;
}

class VolumeSlider : public QSlider {
public:
    using QSlider::QSlider;
    std::function<void(int button, QPoint pos)> moved;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        // A click jumps to the place clicked rather than by a page.
        if (event->button() == Qt::LeftButton)
            setValue(QStyle::sliderValueFromPosition(minimum(), maximum(),
                                                     event->position().toPoint().x(), width()));
        QSlider::mousePressEvent(event);
        if (moved)
            moved(buttonCode(event->buttons()), event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QSlider::mouseMoveEvent(event);
        if (moved)
            moved(buttonCode(event->buttons()), event->position().toPoint());
    }
};

class SeekBar : public QProgressBar {
public:
    using QProgressBar::QProgressBar;
    std::function<void(int button, QPoint pos)> pressed;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (pressed)
            pressed(buttonCode(event->buttons()), event->position().toPoint());
    }
};

QRect toRect(const Bounds& bounds) {
    return {bounds.left, bounds.top, bounds.width, bounds.height};
}

void syncButton(QPushButton* widget, const Button& button) {
    // The status tick syncs 100 times a second; the glyph is looked up only when the caption
    // changes.
    const QByteArray caption = QByteArray::fromStdString(button.caption);
    if (widget->property("caption").toByteArray() != caption || widget->text().isEmpty()) {
        widget->setProperty("caption", caption);
        const Glyph glyph = glyphFor(QString::fromUtf8(caption), widget->font());
        widget->setText(glyph.text);
        widget->setFont(glyph.font);
    }
    if (widget->isEnabled() != button.enabled)
        widget->setEnabled(button.enabled);
    if (widget->geometry() != toRect(button.bounds))
        widget->setGeometry(toRect(button.bounds));
}

// Only the window's own controls: the About window, its child, keeps the desktop's look.
const char* kControlStyle = R"(
#MainForm > QPushButton { color: #e8eef7; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
    stop:0 #3a4556, stop:1 #222a35); border: 1px solid #4b5a70; border-radius: 5px;
    font-size: 12px; }
#MainForm > QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
    stop:0 #4a5a72, stop:1 #2b3544); }
#MainForm > QPushButton:pressed { background: #1a2029; }
#MainForm > QPushButton:disabled { color: #5d6878; border-color: #333c4a; }
QLabel#timeElapsed { color: #9fd3ff; font-family: "DejaVu Sans Mono"; font-size: 12px; }
#MainForm > QSlider::groove:horizontal { height: 4px; background: #2b3442; border-radius: 2px; }
#MainForm > QSlider::sub-page:horizontal { background: #4aa3ff; border-radius: 2px; }
#MainForm > QSlider::handle:horizontal { width: 12px; margin: -5px 0; border-radius: 6px;
    background: #e8eef7; }
#MainForm > QProgressBar { background: #1b2129; border: 1px solid #3a4556; border-radius: 3px; }
#MainForm > QProgressBar::chunk { background: #4aa3ff; }
)";

} // namespace

MainWindowView::MainWindowView(const ScreenMetrics& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_screen(screen) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Lumadisc"));
    setStyleSheet(QString::fromLatin1(kControlStyle));
    setFocusPolicy(Qt::StrongFocus);

    m_player = new QmlSkinMovie(this);
    m_player->widget()->move(0, 0);

    m_stage = new QWidget(this);
    m_stage->setObjectName(QStringLiteral("stage"));
    m_stage->setAttribute(Qt::WA_NativeWindow);
    m_stage->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_stage->setAutoFillBackground(true);
    QPalette black = m_stage->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_stage->setPalette(black);
    m_stage->installEventFilter(this);

    // A native widget, so that it lies above the engine's own native video window.
    m_logo = QWidget::createWindowContainer(new LoadingFrame, this);
    m_logo->setObjectName(QStringLiteral("logoHide"));
    m_logo->setAttribute(Qt::WA_DontCreateNativeAncestors);

    m_notice = new ResumeNotice;
    m_notice->setFlag(Qt::WindowDoesNotAcceptFocus);
    m_noticeFrame = QWidget::createWindowContainer(m_notice, this);
    m_noticeFrame->setObjectName(QStringLiteral("resumeNotice"));
    m_noticeFrame->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_noticeFrame->hide();
    connect(m_notice, &ResumeNotice::clicked, this, &MainWindowView::resumeNoticeClicked);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("timeElapsed"));
    m_rewind = new QPushButton(this);
    m_play = new QPushButton(this);
    m_pause = new QPushButton(this);
    m_stop = new QPushButton(this);
    m_ff = new QPushButton(this);
    m_mute = new QPushButton(this);
    for (auto [button, name] : {std::pair{m_rewind, "rewindButton"},
                                {m_play, "playButton"},
                                {m_pause, "pauseButton"},
                                {m_stop, "stopButton"},
                                {m_ff, "ffButton"},
                                {m_mute, "muteStatus"}}) {
        button->setObjectName(QString::fromLatin1(name));
        button->setFocusPolicy(Qt::NoFocus);
    }
    auto* volume = new VolumeSlider(Qt::Horizontal, this);
    volume->setObjectName(QStringLiteral("volumeSlider"));
    volume->setRange(0, 100);
    volume->setFocusPolicy(Qt::NoFocus);
    m_volume = volume;
    auto* progress = new SeekBar(this);
    progress->setObjectName(QStringLiteral("movieProgress"));
    progress->setRange(0, 100);
    progress->setTextVisible(false);
    m_progress = progress;

    connect(m_play, &QPushButton::clicked, this, &MainWindowView::playClicked);
    connect(m_pause, &QPushButton::clicked, this, &MainWindowView::pauseClicked);
    connect(m_stop, &QPushButton::clicked, this, &MainWindowView::stopClicked);
    connect(m_rewind, &QPushButton::clicked, this, &MainWindowView::rewindClicked);
    connect(m_ff, &QPushButton::clicked, this, &MainWindowView::ffClicked);
    connect(m_mute, &QPushButton::clicked, this, &MainWindowView::muteClicked);
    volume->moved = [this](int button, QPoint pos) {
        emit volumeMoved(m_volume->value(), button, pos);
    };
    progress->pressed = [this](int button, QPoint pos) { emit progressPressed(button, pos); };
}

MainWindowView::~MainWindowView() = default;

std::uint32_t MainWindowView::stageWindowId() {
    return static_cast<std::uint32_t>(m_stage->winId());
}

void MainWindowView::sync(const MainForm& form) {
    const QString title = QString::fromStdString(form.caption);
    if (windowTitle() != title)
        setWindowTitle(title);
    if (!m_fullScreen) {
        const QRect geometry(
            form.left / m_screen.twipsPerPixelX, form.top / m_screen.twipsPerPixelY,
            form.width / m_screen.twipsPerPixelX, form.height / m_screen.twipsPerPixelY);
        if (this->geometry() != geometry)
            setGeometry(geometry);
    }
    m_stageBounds = toRect(form.stage.bounds);
    layOutStage();
    if (m_logo->geometry() != toRect(form.logoHide.bounds))
        m_logo->setGeometry(toRect(form.logoHide.bounds));
    if (m_logo->isVisible() != form.logoHide.visible && !m_fullScreen)
        m_logo->setVisible(form.logoHide.visible);

    const QString notice = QString::fromStdString(form.resumeNotice.caption);
    if (m_notice->text() != notice)
        m_notice->setText(notice);
    if (m_noticeFrame->geometry() != toRect(form.resumeNotice.bounds))
        m_noticeFrame->setGeometry(toRect(form.resumeNotice.bounds));
    if (m_noticeFrame->isVisible() != form.resumeNotice.visible && !m_fullScreen) {
        m_noticeFrame->setVisible(form.resumeNotice.visible);
        m_noticeFrame->raise();
    }

    const QString status = QString::fromStdString(form.timeElapsed.caption);
    if (m_status->text() != status)
        m_status->setText(status);
    if (m_status->geometry() != toRect(form.timeElapsed.bounds))
        m_status->setGeometry(toRect(form.timeElapsed.bounds));
    syncButton(m_play, form.playButton);
    syncButton(m_pause, form.pauseButton);
    syncButton(m_stop, form.stopButton);
    syncButton(m_rewind, form.rewindButton);
    syncButton(m_ff, form.ffButton);
    syncButton(m_mute, form.muteStatus);
    if (m_volume->value() != form.volumeSlider.value && !m_volume->isSliderDown())
        m_volume->setValue(form.volumeSlider.value);
    if (m_volume->geometry() != toRect(form.volumeSlider.bounds))
        m_volume->setGeometry(toRect(form.volumeSlider.bounds));
    if (m_progress->value() != form.movieProgress.value)
        m_progress->setValue(form.movieProgress.value);
    if (m_progress->geometry() != toRect(form.movieProgress.bounds))
        m_progress->setGeometry(toRect(form.movieProgress.bounds));

    if (isVisible() != form.visible)
        setVisible(form.visible);
}

void MainWindowView::layOutStage() {
    const QRect target = m_fullScreen ? rect() : m_stageBounds;
    if (m_stage->geometry() != target)
        m_stage->setGeometry(target);
}

void MainWindowView::toggleFullScreen() {
    const QList<QWidget*> chrome = {m_player->widget(), m_status, m_play, m_pause,  m_stop,
                                    m_rewind,           m_ff,     m_mute, m_volume, m_progress};
    if (!m_fullScreen) {
        m_fullScreen = true;
        m_normalGeometry = geometry();
        for (QWidget* widget : chrome)
            widget->hide();
        m_logo->hide();
        m_noticeFrame->hide();
        showFullScreen();
    } else {
        m_fullScreen = false;
        showNormal();
        setGeometry(m_normalGeometry);
        for (QWidget* widget : chrome)
            widget->show();
        emit fullScreenLeft();
    }
    layOutStage();
    m_stage->raise();
    activateWindow();
    setFocus();
}

void MainWindowView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!m_fullScreen && !isMinimized())
        emit movedTo(geometry().topLeft());
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutStage();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    // The program decides whether and how it ends.
    event->ignore();
    emit closeRequested();
}

void MainWindowView::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    emit keyPressed(event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_stage && event->type() == QEvent::MouseButtonDblClick) {
        emit stageDoubleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumadisc
