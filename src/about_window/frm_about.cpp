#include "about_window/frm_about.h"

#include "app/app_info.h"
#include "app/error_path.h"
#include "app/maker.h"
#include "desktop/desktop_shell.h"
#include "desktop/open_with_dialog.h"
#include "drill/runtime_error.h"
#include "form/design_colours.h"
#include "form/resource_images.h"
#include "form/scaled_art.h"
#include "form/twips.h"
#include "form/window_placement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVariant>
#include <array>
#include <utility>

namespace {

struct ControlPlace {
    const char *name;
    int left, top, width, height; // twips
    int tabIndex;
};

// As designed, in the order the controls are created.
constexpr std::array<ControlPlace, 5> ControlPlaces{{
    {"picIcon", 0, 90, 3870, 675, 1},
    {"cmdOK", 4605, 2595, 900, 375, 0},
    {"lblURL", 240, 900, 1695, 255, 4},
    {"lblDescription", 120, 2760, 4215, 315, 2},
    {"lblTitle", 30, 1680, 5625, 420, 3},
}};

// The rule under the logo: from (60, 840) to (5609, 840) twips, 2 pixels wide.
constexpr int Line1X1 = 60, Line1X2 = 5609, Line1Y = 840, Line1Width = 2;
const QColor Line1Colour(0, 0, 192);

constexpr int ClientWidth = 5730, ClientHeight = 3135; // twips

const QColor LinkHighlight(0, 0, 128); // navy

// The hand pointer's drawings: 32 pixels, and 48 and 64 for scaled screens. Each has its hot
// spot at the finger's tip, (12, 9) at the designed size.
QCursor handPointer(qreal deviceRatio) {
    const qreal ratio = deviceRatio >= 2.0 ? 2.0 : deviceRatio >= 1.5 ? 1.5 : 1.0;
    const QString art = ratio == 2.0   ? QStringLiteral(":/hand_cursor@2x.png")
                        : ratio == 1.5 ? QStringLiteral(":/hand_cursor@1.5x.png")
                                       : QStringLiteral(":/hand_cursor.png");
    QPixmap hand(art);
    if (hand.isNull())
        return {Qt::PointingHandCursor};
    hand.setDevicePixelRatio(ratio);
    // X takes the hot spot in the drawing's own pixels; Wayland in the window's.
    const qreal hotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? ratio : 1.0;
    return QCursor(hand, qRound(12 * hotScale), qRound(9 * hotScale));
}

// Turns one of RunShellExecute's values into the text the shell is given: a text as it is,
// a number as its decimal digits, nothing as an empty text.
QString textOf(const QVariant &value) {
    if (!value.isValid())
        return {};
    QString text;
    if (!QMetaType::convert(value.metaType(), value.constData(), QMetaType::fromType<QString>(),
                            &text))
        throw RuntimeError(RuntimeError::Kind::TypeMismatch,
                           std::string("Type mismatch: a value of type ") + value.typeName() +
                               " has no text form");
    return text;
}

// Screen readers announce the About window's link as a link; its action, Press, opens it as a
// click does.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == pressAction())
            Q_EMIT static_cast<LinkLabel *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *linkAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType())
        return new LinkAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

// The window icon and the hand pointer are made once for the whole program: the display
// connection keeps what it is handed for a pointer made from a picture, so one made per
// opening would stay behind after every window.
const QIcon &aboutIcon() {
    static QIcon *icon = nullptr;
    if (!icon) {
        icon = new QIcon;
        icon->addPixmap(LoadResourcePixmap(QStringLiteral(":/about_icon_32.png")));
        icon->addPixmap(LoadResourcePixmap(QStringLiteral(":/about_icon_16.png")));
        qAddPostRoutine([] { delete std::exchange(icon, nullptr); });
    }
    return *icon;
}

const QCursor &handCursor() {
    static QCursor *cursor = nullptr;
    if (!cursor) {
        cursor = new QCursor(handPointer(qGuiApp->devicePixelRatio()));
        qAddPostRoutine([] { delete std::exchange(cursor, nullptr); });
    }
    return *cursor;
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(linkAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled)
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void LinkLabel::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    Q_EMIT mouseMoved();
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Q_EMIT clicked();
}

frmAbout::frmAbout(QWidget *owner, DesktopShell *shell) : QDialog(owner), shell_(shell) {
    createControls();
    wireControls();
    ErrorPath::Guard([this] { Form_Load(); });
}

void frmAbout::createControls() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About MyApp"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setMouseTracking(true);

    setWindowIcon(aboutIcon());

    // The white surface is painted (paintEvent) rather than set in the window's palette: OK
    // would take a new palette with every window, and the style keeps its drawings of a button
    // per palette, so each opening would leave a set of them behind. With no palette of its
    // own, the window leaves OK in the desktop's scheme; what stands on the white surface sets
    // the classic colours of its roles itself.

    picIcon = new QLabel(this);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette logoBack = picIcon->palette();
    logoBack.setColor(QPalette::Window, SystemColourOf(SystemColour::WindowBackground));
    picIcon->setPalette(logoBack);
    picIcon->setAutoFillBackground(true);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setDefault(true);

    lblURL = new LinkLabel(this);
    lblURL->setTextFormat(Qt::PlainText);
    lblURL->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblURL->setText(QString::fromUtf8(Maker::WebAddressShort));
    lblURL->setToolTip(QString::fromUtf8(Maker::WebAddress));
    lblURL->setAccessibleName(QString::fromUtf8(Maker::WebAddressShort));
    lblURL->setAccessibleDescription(tr("Opens the maker's web site in your web browser"));
    lblURL->setCursor(handCursor());
    showLink(SystemColourOf(SystemColour::ButtonText), false);

    lblDescription = new QLabel(QStringLiteral("App Description"), this);
    lblDescription->setTextFormat(Qt::PlainText);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette noticeColours = lblDescription->palette();
    noticeColours.setColor(QPalette::Window, SystemColourOf(SystemColour::TitleBarText));
    noticeColours.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(noticeColours);
    lblDescription->setAutoFillBackground(true);

    lblTitle = new QLabel(QStringLiteral("Application Title"), this);
    lblTitle->setTextFormat(Qt::PlainText);
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont = lblTitle->font();
    titleFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    QPalette titleColours = lblTitle->palette();
    titleColours.setColor(QPalette::WindowText, Qt::black);
    lblTitle->setPalette(titleColours);

    // Only the link and the window's own surface react to the pointer; every other control
    // keeps its moves, so passing over it leaves the link's look alone.
    QWidget *const controls[] = {picIcon, cmdOK, lblURL, lblDescription, lblTitle};
    for (std::size_t i = 0; i < ControlPlaces.size(); ++i) {
        controls[i]->setObjectName(QLatin1String(ControlPlaces[i].name));
        controls[i]->setAttribute(Qt::WA_NoMousePropagation);
    }
    std::array<QWidget *, ControlPlaces.size()> byTabIndex{};
    for (std::size_t i = 0; i < ControlPlaces.size(); ++i)
        byTabIndex[ControlPlaces[i].tabIndex] = controls[i];
    for (std::size_t i = 1; i < byTabIndex.size(); ++i)
        setTabOrder(byTabIndex[i - 1], byTabIndex[i]);

    // A line is no control of its own: the pointer over it is over the window's surface.
    Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    QPalette ruleColour = Line1->palette();
    ruleColour.setColor(QPalette::Window, Line1Colour);
    Line1->setPalette(ruleColour);
    Line1->setAutoFillBackground(true);
    Line1->setAttribute(Qt::WA_TransparentForMouseEvents);

    placeControls();
    cmdOK->setFocus();
}

void frmAbout::placeControls() {
    // Laid out so that every text fits, and never smaller than the main window is.
    const QVariant ownerScale =
        parentWidget() ? parentWidget()->window()->property("twipsPerPixel") : QVariant();
    QList<TwipLayout::Need> needs;
    for (const ControlPlace &place : ControlPlaces) {
        const auto *control = findChild<QWidget *>(QLatin1String(place.name));
        const auto *label = qobject_cast<const QLabel *>(control);
        QString text = label ? label->text() : QString();
        int margin = 0;
        if (const auto *button = qobject_cast<const QPushButton *>(control)) {
            text = button->text();
            margin = TwipLayout::ButtonMargin;
        }
        if (control == lblDescription)
            text = QString::fromUtf8(Maker::Notice);
        if (text.isEmpty() || control == lblTitle)
            continue; // the title is measured with the text it is given at load, below
        needs << TwipLayout::TextNeeds(control->fontMetrics(), text, margin, place.width,
                                       place.height);
    }
    needs << TwipLayout::TextNeeds(lblTitle->fontMetrics(), titleText(), 0, ControlPlaces[4].width,
                                   ControlPlaces[4].height);
    const TwipLayout layout =
        TwipLayout::Fitting(needs, ownerScale.isValid() ? ownerScale.toDouble() : TwipsPerPixel);

    setFixedSize(layout.Pixels(ClientWidth), layout.Pixels(ClientHeight));
    for (const ControlPlace &place : ControlPlaces)
        findChild<QWidget *>(QLatin1String(place.name))
            ->setGeometry(layout.Rect(place.left, place.top, place.width, place.height));
    picIcon->setPixmap(ScaledArt(QStringLiteral(":/about_logo.png"), layout.Factor(),
                                 qGuiApp->devicePixelRatio()));
    const int width = layout.Scaled(Line1Width);
    Line1->setGeometry(layout.Pixels(Line1X1), layout.Pixels(Line1Y) - width / 2,
                       layout.Pixels(Line1X2) - layout.Pixels(Line1X1) + 1, width);
    CentreFrameWhenShown(this, [this] {
        const QWidget *owner = parentWidget();
        return owner ? owner->window()->frameGeometry() : QRect();
    });
}

QString frmAbout::titleText() {
    return QString::fromLatin1(AppInfo::Title) + QStringLiteral(" v") +
           QString::number(AppInfo::Numbers().major) + QStringLiteral(".") +
           QString::number(AppInfo::Numbers().revision);
}

void frmAbout::changeEvent(QEvent *event) {
    // A modal window that is minimised leaves its owner blocked with nothing to restore it
    // from on some desktops (Weston); where the desktop's title bar offers minimise or maximise
    // anyway (the toolkit's decorations under Wayland), the window is put back at once.
    if (event->type() == QEvent::WindowStateChange &&
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        setWindowState(Qt::WindowNoState);
    QDialog::changeEvent(event);
}

void frmAbout::wireControls() {
    connect(lblURL, &LinkLabel::mouseMoved, this,
            ErrorPath::Guarded(this, &frmAbout::lblURL_MouseMove));
    connect(lblURL, &LinkLabel::clicked, this, ErrorPath::Guarded(this, &frmAbout::lblURL_Click));
    connect(cmdOK, &QPushButton::clicked, this, ErrorPath::Guarded(this, &frmAbout::cmdOK_Click));
}

void frmAbout::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    ErrorPath::Guard([this] { Form_MouseMove(); });
}

void frmAbout::paintEvent(QPaintEvent *event) {
    QPainter(this).fillRect(event->rect(), Qt::white);
}

void frmAbout::keyPressEvent(QKeyEvent *event) {
    // OK is the cancel button too: Escape presses it, like Enter does as the default button.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

DesktopShell &frmAbout::shell() const {
    return shell_ ? *shell_ : DesktopShell::Default();
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About..."));
    lblTitle->setText(titleText());
    lblDescription->setText(QString::fromUtf8(Maker::Notice));
}

void frmAbout::Form_MouseMove() {
    showLink(SystemColourOf(SystemColour::ButtonText), false);
}

void frmAbout::lblURL_MouseMove() {
    showLink(LinkHighlight, true);
}

void frmAbout::showLink(const QColor &colour, bool underlined) {
    QPalette colours = lblURL->palette();
    colours.setColor(QPalette::WindowText, colour);
    lblURL->setPalette(colours);
    QFont font = lblURL->font();
    font.setUnderline(underlined);
    lblURL->setFont(font);
}

void frmAbout::lblURL_Click() {
    RunShellExecute(QStringLiteral("Open"), QString::fromUtf8(Maker::WebAddress), QVariant(0),
                    QVariant(0), DesktopShell::ShowNormal);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::RunShellExecute(const QString &sTopic, const QVariant &sFile,
                               const QVariant &sParams, const QVariant &sDirectory, int nShowCmd) {
    // The arguments are prepared last to first, as the shell call lists them.
    const int showCommand = nShowCmd;
    const QString directory = textOf(sDirectory);
    const QString parameters = textOf(sParams);
    const QString file = textOf(sFile);

    // The answer may come after this window is gone: it is then told over the window that
    // opened this one.
    DesktopShell *const shell = &this->shell();
    const QPointer<QWidget> window = this, owner = parentWidget();
    shell->ShellExecute(
        sTopic, file, parameters, directory, showCommand, [shell, file, window, owner](int result) {
            ErrorPath::Guard([&] { ShellAnswered(*shell, file, result, window ? window : owner); });
        });
}

void frmAbout::ShellAnswered(DesktopShell &shell, const QString &file, int result,
                             const QPointer<QWidget> &over) {
    if (result > DesktopShell::HelperNotFound)
        return;
    if (result != DesktopShell::NoAssociation)
        return reportNotOpened(file, result, over);

    XdgDesktopShell::Instance().SetProgramChooser(
        [over](const QString &target) { return OpenWithDialog::ChooseProgram(target, over); });
    const QString notStarted =
        shell.RunCommandLine(DesktopShell::OpenWithCommand + file, DesktopShell::ShowNormal);
    if (!notStarted.isEmpty())
        tell(over, "programNotStarted",
             tr("The program \"%1\" could not be started.").arg(notStarted),
             tr("Check that the program is installed and that its name is spelled correctly, "
                "then try again."));
}

// Says in everyday words why target did not open.
void frmAbout::reportNotOpened(const QString &target, int result, QWidget *over) {
    const bool webPage = !DesktopShell::WebScheme(target).isEmpty();
    QString reason;
    switch (result) {
    case DesktopShell::HelperNotFound:
        reason = webPage ? tr("no program for opening web pages was found on this computer.")
                         : tr("no program for opening files was found on this computer.");
        break;
    case DesktopShell::BadFormat:
        reason = tr("the computer did not understand where to find it.");
        break;
    case DesktopShell::FileNotFound:
        reason = tr("it could not be found.");
        break;
    case DesktopShell::AccessDenied:
        reason = tr("you are not allowed to open it.");
        break;
    default:
        reason = webPage ? tr("the web browser ran into a problem.")
                         : tr("the program for it ran into a problem.");
        break;
    }
    tell(over, "notOpened",
         (webPage ? tr("The web page could not be opened: %1")
                  : tr("The file could not be opened: %1"))
             .arg(reason));
}

// A warning over the given window that does not hold up the program: it closes itself.
void frmAbout::tell(QWidget *over, const char *objectName, const QString &text,
                    const QString &advice) {
    auto *box = new QMessageBox(QMessageBox::Warning, QString::fromLatin1(AppInfo::Title), text,
                                QMessageBox::Ok, over);
    box->setObjectName(QLatin1String(objectName));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(advice);
    box->show();
}
