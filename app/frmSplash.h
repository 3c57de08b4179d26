#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace vellory {

// The first window: title, version and logo, waiting for the user. OK (or Esc) leads on to
// the main options window; any other typed character closes the splash and so ends the
// program.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void btnOK_Click();
    // Key preview: typed characters reach the window before the focused control.
    bool Form_KeyPress(QKeyEvent *event);

    QPushButton *m_btnOK = nullptr;
    QLabel *m_lblProductName = nullptr;
    QLabel *m_lblPlatform = nullptr;
    QLabel *m_lblVersion = nullptr;
};

}  // namespace vellory
