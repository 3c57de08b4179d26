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

    // Where the caption line and the picture go inside the bevel. The caption always keeps a
    // whole line; a picture taller than the room above it is centred there and cut at its
    // top and bottom, as the fixed button sizes of the windows demand for some pictures.
    QRect captionRect() const;
    QRect pictureRect() const;  // the picture's full extent, which may reach past pictureArea()
    QRect pictureArea() const;  // what of it is shown

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect contentRect() const;
};

}  // namespace vellory
