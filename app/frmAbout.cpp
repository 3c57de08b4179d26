#include "frmAbout.h"

#include "app/SystemInfo.h"
#include "platform/DesktopPlatform.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Twips.h"
#include "platform/qt/WindowKit.h"

#include <QColor>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace vellory {

namespace {

const QString kDescription = QStringLiteral(
    "Vellory Christian Edition provides parents and children the ability to easily put the favorite Christian "
    "website links on their desktop, favorites menu and start menu. It also allows customization of the I.E. "
    "Desktop and I.E. Home Page.");

const QString kDisclaimer
    = QStringLiteral("Warning: this program is protected by copyright law. Copyright \u00A9 2026. Patent pending. "
                     "Vellory is a trademark.");

struct LabelLayout {
    const char *name;
    const QString *text;  // nullptr: set at load
    int left, top, width, height;
    bool black;
};

// clang-format off
const LabelLayout kLabels[] = {
    {"lblTitle",       nullptr,       1050,  240, 3885,  480, true},
    {"lblVersion",     nullptr,       1050,  780, 3885,  225, false},
    {"lblDescription", &kDescription, 1050, 1125, 3885, 1170, true},
    {"lblDisclaimer",  &kDisclaimer,   255, 2625, 3870,  825, true},
};

// The two halves of the etched separator: a dark line with a light one just below it.
struct LineLayout {
    const char *name;
    int x1, y1, x2, y2;  // twips
    QRgb colour;
    int pixels;          // thickness
};

const LineLayout kSeparator[] = {
    {"Line1_1",  90, 2445, 5654, 2445, qRgb(128, 128, 128), 1},
    {"Line1_0", 105, 2460, 5654, 2460, qRgb(255, 255, 255), 2},
};
// clang-format on

// A horizontal line as a strip of solid colour, from its start point up to (not including)
// its end point, the thickness growing downwards.
QWidget *AddHorizontalLine(QWidget *parent, const LineLayout &line)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QString::fromLatin1(line.name));
    const int left = Twips(line.x1);
    strip->setGeometry(left, Twips(line.y1), Twips(line.x2) - left, line.pixels);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, QColor(line.colour));
    strip->setPalette(palette);
    strip->setAutoFillBackground(true);
    return strip;
}

}  // namespace

frmAbout::frmAbout(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmAbout", QString(), WindowBorder::FixedDialog, 5730, 3555);
    setWindowIcon(SharedWindowIcon());
    setFont(ComicSans());

    // The icon at its own size in the corner of its box, not stretched.
    QLabel *picIcon = AddLabel(this, "picIcon", QString(), 240, 240, 540, 540);
    picIcon->setPixmap(SharedWindowIcon().pixmap(QSize(32, 32)));

    for (const LabelLayout &layout : kLabels) {
        QLabel *label = AddLabel(this, layout.name, layout.text ? *layout.text : QString(), layout.left, layout.top,
            layout.width, layout.height);
        label->setWordWrap(true);
        if (layout.black) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(palette);
        }
    }
    m_lblTitle = findChild<QLabel *>(QStringLiteral("lblTitle"));
    m_lblVersion = findChild<QLabel *>(QStringLiteral("lblVersion"));

    for (const LineLayout &line : kSeparator)
        AddHorizontalLine(this, line);

    m_cmdOK = AddCommandButton(this, "cmdOK", QStringLiteral("OK"), 4245, 2625, 1260, 345);
    m_cmdSysInfo = AddCommandButton(this, "cmdSysInfo", QStringLiteral("&System Info..."), 4260, 3075, 1245, 345);
    // OK is both the default and the cancel button.
    m_cmdOK->setDefault(true);
    SetCancelButton(this, m_cmdOK);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    m_cmdOK->setFocus();

    Form_Load();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + QString::fromStdString(Platform().ApplicationTitle()));
    m_lblVersion->setText(QString::fromStdString(VersionText(Platform().ApplicationVersion())));
    m_lblTitle->setText(QString::fromStdString(Platform().ApplicationTitle()));
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // Enter is the default button's, except where a focused button takes it for itself
    // (System Info answers Enter when it has the focus, and never lets it get this far).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vellory
