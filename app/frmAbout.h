#pragma once

#include <QWidget>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace vellory {

// Title, version and description of the product, with a button that starts the system
// information tool. OK closes it, and so do Enter and Esc.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};

}  // namespace vellory
