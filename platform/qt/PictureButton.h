#pragma once

#include <QToolButton>

namespace vellory {

// The graphical button of the option windows: its picture centred above its caption, or a
// plain push button when it has no picture. Unlike a tool button it takes the focus and
// answers Enter, as the other buttons of these windows do.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

}  // namespace vellory
