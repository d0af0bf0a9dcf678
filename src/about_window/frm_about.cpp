#include "about_window/frm_about.h"

#include "app/app_info.h"
#include "app/error_path.h"
#include "app/maker.h"
#include "form/announce.h"
#include "form/controls.h"
#include "form/design_colours.h"
#include "form/form_kit.h"
#include "form/link_label.h"
#include "form/resource_images.h"
#include "form/scaled_art.h"
#include "form/window_placement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// As designed, in the order the controls are created. Of them only OK and the link take the
// focus, so only they have a place in the keyboard's order.
constexpr DesignedControl Controls[] = {
    {"picIcon", 0, 90, 3870, 675},      {"cmdOK", 4605, 2595, 900, 375, 0},
    {"lblURL", 240, 900, 1695, 255, 4}, {"lblDescription", 120, 2760, 4215, 315},
    {"lblTitle", 30, 1680, 5625, 420},
};
// The rule under the logo, 2 pixels wide.
constexpr DesignedRule Rules[] = {{"Line1", 60, 5609, 840, 2}};
const QColor Line1Colour(0, 0, 192);

constexpr int ClientWidth = 5730, ClientHeight = 3135; // twips

const QColor LinkHighlight(0, 0, 128); // navy

} // namespace

frmAbout::frmAbout(QWidget *owner, double twipsPerPixel, DesktopShell *shell,
                   AppInfo::VersionNumbers version, ColourScheme colours)
    : QDialog(owner), shell_(shell ? *shell : DesktopShell::Default()), version_(version),
      colours_(colours) {
    createControls();
    placeControls(twipsPerPixel); // OK first in the keyboard's order: it has the focus
    wireControls();
    ErrorPath::Guard([this] { Form_Load(); });
}

void frmAbout::createControls() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About MyApp"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setMouseTracking(true);
    setWindowIcon(MadeOnce<QIcon>([] {
        return IconOf({":/about_icon_32.png", ":/about_icon_16.png"});
    }));
    // A modal window that is minimised leaves its owner blocked with nothing to restore it
    // from on some desktops (Weston); where the desktop's title bar offers minimise or maximise
    // anyway (the toolkit's decorations under Wayland), the window is put back at once.
    RefuseWindowStates(this, Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);

    // The white surface is painted (paintEvent) rather than set in the window's palette: OK
    // would take a new palette with every window, and the style keeps its drawings of a button
    // per palette, so each opening would leave a set of them behind. With no palette of its
    // own, the window leaves OK in the desktop's scheme; what stands on the white surface sets
    // the classic colours of its roles itself.

    picIcon = NamedLabel(this, "picIcon", {}, Qt::AlignLeft);
    Fill(picIcon, colours_.windowBackground);

    cmdOK = Named<QPushButton>(this, "cmdOK");
    cmdOK->setText(tr("OK"));
    cmdOK->setDefault(true);

    lblURL = NamedLabel<LinkLabel>(this, "lblURL", QString::fromUtf8(Maker::WebAddressShort),
                                   Qt::AlignLeft);
    lblURL->setToolTip(QString::fromUtf8(Maker::WebAddress));
    lblURL->setAccessibleName(QString::fromUtf8(Maker::WebAddressShort));
    lblURL->setAccessibleDescription(tr("Opens the maker's web site in your web browser"));
    lblURL->ShowLook(colours_.buttonText, false);

    lblDescription =
        NamedLabel(this, "lblDescription", QStringLiteral("App Description"), Qt::AlignLeft);
    Fill(lblDescription, colours_.titleBarText);
    SetColour(lblDescription, QPalette::WindowText, Qt::black);

    lblTitle = NamedLabel(this, "lblTitle", QStringLiteral("Application Title"), Qt::AlignHCenter);
    QFont titleFont = lblTitle->font();
    titleFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    SetColour(lblTitle, QPalette::WindowText, Qt::black);

    // Only the link and the window's own surface react to the pointer; every other control
    // keeps its moves, so passing over it leaves the link's look alone.
    for (QWidget *control :
         std::initializer_list<QWidget *>{picIcon, cmdOK, lblDescription, lblTitle})
        control->setAttribute(Qt::WA_NoMousePropagation);

    // A line is no control of its own: the pointer over it is over the window's surface.
    Line1 = Named<QWidget>(this, "Line1");
    Fill(Line1, Line1Colour);
    Line1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void frmAbout::placeControls(double twipsPerPixel) {
    // Laid out so that every text fits, and never smaller than the window that opened it.
    FormKit kit(this, {ClientWidth, ClientHeight}, Controls, Rules);
    kit.Fit(cmdOK, cmdOK->text(), TwipLayout::ButtonMargin);
    kit.Fit(lblURL, lblURL->text());
    kit.Fit(lblDescription, QString::fromUtf8(Maker::Notice));
    kit.Fit(lblTitle, titleText());
    layout_ = kit.Place(twipsPerPixel);
    picIcon->setPixmap(ScaledArt(QStringLiteral(":/about_logo.png"), layout_.Factor(),
                                 qGuiApp->devicePixelRatio()));
    CentreFrameWhenShown(this, [this] {
        const QWidget *owner = parentWidget();
        return owner ? owner->window()->frameGeometry() : QRect();
    });
}

QString frmAbout::titleText() const {
    return QString::fromLatin1(AppInfo::Title) + QStringLiteral(" v") + versionText();
}

QString frmAbout::versionText() const {
    return QString::number(version_.major) + u'.' + QString::number(version_.revision);
}

void frmAbout::wireControls() {
    connect(lblURL, &LinkLabel::mouseMoved, this,
            ErrorPath::Guarded(this, &frmAbout::lblURL_MouseMove));
    connect(lblURL, &LinkLabel::clicked, this, ErrorPath::Guarded(this, &frmAbout::lblURL_Click));
    connect(cmdOK, &QPushButton::clicked, this, ErrorPath::Guarded(this, &frmAbout::cmdOK_Click));
}

void frmAbout::mouseMoveEvent(QMouseEvent * /*event*/) {
    ErrorPath::Guard([this] { Form_MouseMove(); });
}

void frmAbout::paintEvent(QPaintEvent *event) {
    QPainter(this).fillRect(event->rect(), Qt::white);
}

void frmAbout::keyPressEvent(QKeyEvent *event) {
    // OK is the cancel button too: Escape presses it, like Enter does as the default button.
    if (event->key() == Qt::Key_Escape) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About..."));
    lblTitle->setText(titleText());
    // Screen readers read a dialog's labels of three words or more when it opens; "v1.0" would
    // also be spelt out letter by letter.
    lblTitle->setAccessibleName(
        tr("%1 version %2").arg(QString::fromLatin1(AppInfo::Title), versionText()));
    lblDescription->setText(QString::fromUtf8(Maker::Notice));
    // They read the labels, not the link: the link is told after them, in the dialog's
    // description for screen readers of Qt 6.4's time, in an announcement from Qt 6.8 (those
    // read a description instead of the labels).
    const QString link =
        lblURL->accessibleName() + QStringLiteral(": ") + lblURL->accessibleDescription();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    (new Announcer(this))->Say(link);
#else
    setAccessibleDescription(link);
#endif
}

void frmAbout::Form_MouseMove() {
    lblURL->ShowLook(colours_.buttonText, false);
}

void frmAbout::lblURL_MouseMove() {
    lblURL->ShowLook(LinkHighlight, true);
}

void frmAbout::lblURL_Click() {
    RunShellExecute(QString::fromUtf8(Maker::WebAddress));
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::RunShellExecute(const QString &target) {
    // The answer may come after this window is gone: it is then told over the window that
    // opened this one.
    DesktopShell *const shell = &shell_;
    const QPointer<QWidget> window = this, owner = parentWidget();
    shell->Open(target, [shell, target, window, owner](DesktopShell::Outcome outcome) {
        ErrorPath::Guard([&] { ShellAnswered(*shell, target, outcome, window ? window : owner); });
    });
}

// Says in everyday words what came of opening target: a choice of program when the desktop has
// none for it, why it did not open when it failed.
void frmAbout::ShellAnswered(DesktopShell &shell, const QString &target,
                             DesktopShell::Outcome outcome, const QPointer<QWidget> &over) {
    using enum DesktopShell::Outcome;
    const bool webPage = !DesktopShell::WebScheme(target).isEmpty();
    QString reason;
    switch (outcome) {
    case Opened:
        return;
    case NoProgram:
        if (const QString notStarted = shell.OpenWith(target, over); !notStarted.isEmpty())
            ShowWarning(over, "programNotStarted", QString::fromLatin1(AppInfo::Title),
                        tr("The program \"%1\" could not be started.").arg(notStarted),
                        tr("Check that the program is installed and that its name is spelled "
                           "correctly, then try again."));
        return;
    case NoOpener:
        reason = webPage ? tr("no program for opening web pages was found on this computer.")
                         : tr("no program for opening files was found on this computer.");
        break;
    case NotUnderstood:
        reason = tr("the computer did not understand where to find it.");
        break;
    case NotFound:
        reason = tr("it could not be found.");
        break;
    case Refused:
        reason = tr("you are not allowed to open it.");
        break;
    case Failed:
        reason = webPage ? tr("the web browser ran into a problem.")
                         : tr("the program for it ran into a problem.");
        break;
    }
    ShowWarning(over, "notOpened", QString::fromLatin1(AppInfo::Title),
                (webPage ? tr("The web page could not be opened: %1")
                         : tr("The file could not be opened: %1"))
                    .arg(reason));
}
