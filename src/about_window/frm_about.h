#pragma once

#include <QDialog>
#include <QLabel>
#include <QPointer>

class DesktopShell;
class QPushButton;
class QVariant;

// The link of the About window. Reports every mouse move over it and a click, that is a left
// press and release both over the label; it keeps its moves to itself.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void mouseMoved();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

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
    // shell: where the link's requests go; nullptr for the desktop's own.
    explicit frmAbout(QWidget *owner = nullptr, DesktopShell *shell = nullptr);

    // Asks the shell to carry out sTopic on sFile and returns. When the shell answers that it has
    // no program for sFile, offers the Open with dialog; when it answers another failure, says
    // so. A value with no text form raises a RuntimeError.
    void RunShellExecute(const QString &sTopic, const QVariant &sFile, const QVariant &sParams,
                         const QVariant &sDirectory, int nShowCmd);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void placeControls();
    static QString titleText();
    void wireControls();

    void Form_Load();
    void Form_MouseMove();
    void lblURL_MouseMove();
    // The link's look: its text colour, and whether it is underlined.
    void showLink(const QColor &colour, bool underlined);
    void lblURL_Click();
    void cmdOK_Click();

    DesktopShell &shell() const;
    // Deals with the shell's answer to a request for file, over the given window.
    static void ShellAnswered(DesktopShell &shell, const QString &file, int result,
                              const QPointer<QWidget> &over);
    static void reportNotOpened(const QString &target, int result, QWidget *over);
    static void tell(QWidget *over, const char *objectName, const QString &text,
                     const QString &advice = {});

    QLabel *picIcon = nullptr;
    QPushButton *cmdOK = nullptr;
    LinkLabel *lblURL = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblTitle = nullptr;
    QWidget *Line1 = nullptr;
    DesktopShell *shell_ = nullptr;
};
