#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lumadisc {

class AboutForm;
class ViewHub;

// The About window.
class AboutView : public QDialog {
    Q_OBJECT

public:
    AboutView(ViewHub& hub, QWidget* parent);
    void sync(AboutForm& form);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ViewHub& m_hub;
    QLabel* m_icon;
    QLabel* m_title;
    QLabel* m_version;
    QLabel* m_description;
    QLabel* m_site;
    QLabel* m_mail;
    QPushButton* m_ok;
};

} // namespace lumadisc
