#pragma once

#include "app/app_info.h"
#include "desktop/desktop_shell.h"
#include "form/design_colours.h"
#include "form/twips.h"

#include <QDialog>
#include <QPointer>

class LinkLabel;
class QLabel;
class QPushButton;

// The About window: the maker's logo, a rule, the link to the maker's web site, the program's
// title and version, the ownership notice and OK. Each showing is a new window, so it always
// opens with the link in its normal look.
//
// The link has two looks. A mouse move over the link highlights it (navy, underlined); a move
// over the window's own surface, which includes the rule Line1, puts it back. The other controls
// keep their moves from the window, so passing from the link onto them keeps the highlight.
// A click on the link hands the maker's address to the desktop shell and the window takes input
// again at once. When the shell answers, the window tells the user what came of it: a program
// to choose when the desktop has none for the address, a message when opening it failed.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // twipsPerPixel: the scale of the window that opens this one, which is laid out at least as
    // large. shell: where the link's requests go; nullptr for the desktop's own. version and
    // colours: shown in the title and drawn with.
    explicit frmAbout(QWidget *owner = nullptr, double twipsPerPixel = TwipsPerPixel,
                      DesktopShell *shell = nullptr, AppInfo::VersionNumbers version = {},
                      ColourScheme colours = {});

    // Asks the shell to open target and returns. When the shell answers that it has no program
    // for target, offers the user a choice of one; when opening failed, says so.
    void RunShellExecute(const QString &target);

    // The scale the window is laid out at.
    const TwipLayout &Layout() const { return layout_; }

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void placeControls(double twipsPerPixel);
    QString titleText() const;
    QString versionText() const;
    void wireControls();

    void Form_Load();
    void Form_MouseMove();
    void lblURL_MouseMove();
    void lblURL_Click();
    void cmdOK_Click();

    // Deals with the shell's answer to a request for target, over the given window.
    static void ShellAnswered(DesktopShell &shell, const QString &target,
                              DesktopShell::Outcome outcome, const QPointer<QWidget> &over);

    QLabel *picIcon = nullptr;
    QPushButton *cmdOK = nullptr;
    LinkLabel *lblURL = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblTitle = nullptr;
    QWidget *Line1 = nullptr;
    DesktopShell &shell_;
    TwipLayout layout_;
    AppInfo::VersionNumbers version_;
    ColourScheme colours_;
};
