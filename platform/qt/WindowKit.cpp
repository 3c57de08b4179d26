#include "WindowKit.h"

#include "PictureButton.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace vellory {

namespace {

Qt::WindowFlags FlagsFor(WindowBorder border)
{
    const Qt::WindowFlags titled = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    switch (border) {
    case WindowBorder::None:
        return Qt::Tool | Qt::FramelessWindowHint;
    case WindowBorder::FixedDialog:
        return Qt::Tool | titled | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    case WindowBorder::FixedSingle:
        return Qt::Window | titled | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    case WindowBorder::Sizable:
        return Qt::Window | titled | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    }
    return Qt::Window;
}

}  // namespace

void SetupWindow(QWidget *window, const char *objectName, const QString &title, WindowBorder border,
    int clientWidthTwips, int clientHeightTwips)
{
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowFlags(FlagsFor(border));
    // Tool windows stay out of the taskbar, but Qt also stops counting them as open windows;
    // the program must still end only when its last window of any kind closes.
    window->setAttribute(Qt::WA_QuitOnClose, true);
    window->setWindowTitle(title);
    const QSize client = TwipsSize(clientWidthTwips, clientHeightTwips);
    if (border == WindowBorder::Sizable)
        window->resize(client);
    else
        window->setFixedSize(client);
    CenterOnScreen(window);
}

void CenterOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    window->move(available.center() - QPoint(window->width() / 2, window->height() / 2));
}

QIcon SharedWindowIcon()
{
    return QIcon(QStringLiteral(":/icons/window"));
}

void SetCancelButton(QWidget *window, QAbstractButton *button)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setObjectName(QStringLiteral("cancelShortcut"));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->click();
    });
}

QGroupBox *AddFrame(
    QWidget *parent, const char *objectName, const QString &caption, int left, int top, int width, int height)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    frame->setGeometry(TwipsRect(left, top, width, height));
    return frame;
}

QLabel *AddLabel(QWidget *parent, const char *objectName, const QString &text, int left, int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(TwipsRect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *AddCommandButton(
    QWidget *parent, const char *objectName, const QString &caption, int left, int top, int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(TwipsRect(left, top, width, height));
    // A focused command button answers Enter even though no window here is a dialog.
    button->setAutoDefault(true);
    return button;
}

PictureButton *AddPictureButton(QWidget *parent, const char *objectName, const QString &caption, const QString &toolTip,
    int left, int top, int width, int height)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setText(caption);
    button->setToolTip(toolTip);
    button->setGeometry(TwipsRect(left, top, width, height));
    return button;
}

void SizeLabelToText(QLabel *label)
{
    const QRect before = label->geometry();
    label->adjustSize();
    const QSize size = label->size();
    if (label->alignment() & Qt::AlignRight)
        label->setGeometry(before.right() + 1 - size.width(), before.top(), size.width(), size.height());
    else
        label->setGeometry(before.left(), before.top(), size.width(), size.height());
}

}  // namespace vellory
