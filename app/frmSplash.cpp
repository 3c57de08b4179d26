#include "frmSplash.h"

#include "app/Form1.h"
#include "platform/DesktopPlatform.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "platform/qt/WindowKit.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vellory {

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmSplash", QString(), WindowBorder::None, 7380, 4245);
    setWindowIcon(SharedWindowIcon());

    QGroupBox *frame = AddFrame(this, "Frame1", QString(), 150, 60, 7080, 4050);

    m_lblProductName
        = AddLabel(frame, "lblProductName", QStringLiteral("Vellory - Christian Edition"), 600, 360, 5835, 525);
    m_lblProductName->setFont(ComicSans(18, true));

    QLabel *imgLogo = AddLabel(frame, "imgLogo", QString(), 720, 840, 2175, 1905);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/splash/logo")));
    imgLogo->setScaledContents(true);

    QLabel *lblCopyright
        = AddLabel(frame, "lblCopyright", QStringLiteral("Copyright \u00A9 2026"), 5640, 1920, 1335, 255);
    lblCopyright->setFont(ComicSans());

    m_lblPlatform = AddLabel(frame, "lblPlatform", QStringLiteral("Windows"), 5445, 2280, 1410, 435);
    m_lblPlatform->setFont(ComicSans(15.75));
    m_lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SizeLabelToText(m_lblPlatform);

    m_lblVersion = AddLabel(frame, "lblVersion", QStringLiteral("1.0"), 6525, 2700, 330, 285);
    m_lblVersion->setFont(UiFont(QStringLiteral("Arial"), 12, true));
    m_lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);

    QLabel *lblWarning = AddLabel(frame, "lblWarning",
        QStringLiteral("Warning: protected by copyright law. Patent pending."), 150, 3660, 6855, 315);
    lblWarning->setFont(ComicSans());

    // Created last so that it stands in front of the frame.
    m_btnOK = AddCommandButton(this, "btnOK", QStringLiteral("&OK"), 5760, 3360, 1215, 495);
    m_btnOK->setFont(ComicSans());
    connect(m_btnOK, &QPushButton::clicked, this, &frmSplash::btnOK_Click);
    SetCancelButton(this, m_btnOK);
    m_btnOK->installEventFilter(this);
    m_btnOK->setFocus();

    Form_Load();
}

void frmSplash::Form_Load()
{
    m_lblVersion->setText(QString::fromStdString(VersionText(Platform().ApplicationVersion())));
    SizeLabelToText(m_lblVersion);
    m_lblProductName->setText(QString::fromStdString(Platform().ApplicationTitle()));
    SizeLabelToText(m_lblProductName);
}

void frmSplash::btnOK_Click()
{
    ShowSingleWindow<Form1>();
    close();
}

bool frmSplash::Form_KeyPress(QKeyEvent *event)
{
    // Esc belongs to the cancel button; Enter and Space press the focused OK button and
    // Alt+O is its access key, as buttons usually behave. Everything else that types a
    // character closes the splash; keys that type nothing are ignored.
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    if (!text.at(0).isPrint())
        return false;
    close();
    return true;
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && Form_KeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    if (!Form_KeyPress(event))
        QWidget::keyPressEvent(event);
}

}  // namespace vellory
