#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lumadisc {

class AboutForm;

// The About window. What the user does leaves it as a signal.
class AboutView : public QDialog {
    Q_OBJECT

public:
    explicit AboutView(QWidget* parent);
    void sync(const AboutForm& form);

signals:
    void okClicked();
    void siteClicked();
    void mailClicked();
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_icon;
    QLabel* m_title;
    QLabel* m_version;
    QLabel* m_description;
    QLabel* m_site;
    QLabel* m_mail;
    QPushButton* m_ok;
};

} // namespace lumadisc
