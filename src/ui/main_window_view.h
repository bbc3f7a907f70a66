#pragma once

#include "core/platform/window_system.h"

#include <QRect>
#include <QWidget>

#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace lumadisc {

class MainForm;
class QmlSkinMovie;
class ResumeNotice;

// The main window: the player movie over the whole window, the video stage at its top-left with
// the loading frame above it, and the window's own controls in the area the skin leaves free.
// It knows no handler: what the user does leaves it as a signal, and it shows a MainForm.
class MainWindowView : public QWidget {
    Q_OBJECT

public:
    explicit MainWindowView(const ScreenMetrics& screen);
    ~MainWindowView() override;

    QmlSkinMovie& player() { return *m_player; }
    // The native window the engine draws the video into.
    std::uint32_t stageWindowId();
    void sync(const MainForm& form);
    // The video fills the screen, or returns to the stage.
    void toggleFullScreen();
    bool isFullScreenVideo() const { return m_fullScreen; }

signals:
    void playClicked();
    void pauseClicked();
    void stopClicked();
    void rewindClicked();
    void ffClicked();
    void muteClicked();
    // Positions are in pixels of the control; button is the program's code (1 left, 2 right).
    void volumeMoved(int value, int button, QPoint pos);
    void progressPressed(int button, QPoint pos);
    void stageDoubleClicked();
    void resumeNoticeClicked();
    // Dragged by the user, in pixels of the screen.
    void movedTo(QPoint topLeft);
    void closeRequested();
    // The receiver accepts the event when the key was a shortcut.
    void keyPressed(QKeyEvent* event);
    // Back from full screen: every control must be shown as its form says again.
    void fullScreenLeft();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOutStage();

    ScreenMetrics m_screen;
    QmlSkinMovie* m_player;
    QWidget* m_stage;
    QWidget* m_logo;
    ResumeNotice* m_notice;
    QWidget* m_noticeFrame;
    QLabel* m_status;
    QPushButton* m_play;
    QPushButton* m_pause;
    QPushButton* m_stop;
    QPushButton* m_rewind;
    QPushButton* m_ff;
    QPushButton* m_mute;
    QSlider* m_volume;
    QProgressBar* m_progress;
    QRect m_stageBounds;
    bool m_fullScreen = false;
    QRect m_normalGeometry;
};

} // namespace lumadisc
