#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumadisc {

class OptionsDialog;
class ViewHub;

// The options window: the settings' controls in group boxes, laid out so that longer texts of
// a language pack widen it instead of being cut.
class OptionsView : public QDialog {
    Q_OBJECT

public:
    OptionsView(ViewHub& hub, OptionsDialog& form, QWidget* parent);
    void sync();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Runs `change` on the form through the hub, so failures are caught and the views follow.
    void edit(const std::function<void(OptionsDialog&)>& change);

    ViewHub& m_hub;
    OptionsDialog& m_form;
    QGroupBox* m_snapshots;
    QRadioButton* m_toFile;
    QLineEdit* m_path;
    QPushButton* m_browse;
    QRadioButton* m_toClipboard;
    QRadioButton* m_toDesktop;
    QComboBox* m_wallpaperType;
    QGroupBox* m_video;
    QCheckBox* m_overlay;
    QGroupBox* m_miscellaneous;
    QCheckBox* m_autoPlay;
    QCheckBox* m_screenSaver;
    QGroupBox* m_language;
    QLabel* m_languageLabel;
    QComboBox* m_languages;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace lumadisc
