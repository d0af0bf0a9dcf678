#pragma once

#include <QString>
#include <functional>

// What the program asks of the desktop: open a document or web address with the program the
// desktop associates with it, and run a command line. The About window's link is the one user;
// tests put a recording shell in place of the real one.
//
// The shell only reports what happened; what the user is told about it is the caller's affair.
class DesktopShell {
public:
    // The answers to ShellExecute(). Above 32 means the target was handed on; NoAssociation
    // is the one answer a caller acts on, by offering the Open with dialog.
    enum Result : int {
        OutOfResources = 0,
        FileNotFound = 2,
        PathNotFound = 3,
        AccessDenied = 5,
        BadFormat = 11,
        AssociationIncomplete = 27,
        NoAssociation = 31,
        HelperNotFound = 32,
        Started = 42,
    };
    // Show command and window style of a normal window that takes the focus.
    static constexpr int ShowNormal = 1;
    // A command line starting with this (note the final blank) asks the user which program
    // should open the target that follows it.
    static constexpr QLatin1String OpenWithCommand{"rundll32.exe shell32.dll,OpenAs_RunDLL "};

    // Receives the answer to one request, exactly once.
    using Answer = std::function<void(int result)>;

    virtual ~DesktopShell() = default;

    // Hands the request on and returns at once, without waiting for the desktop; answer is
    // called from the event loop once the desktop has dealt with the request, however late.
    virtual void ShellExecute(const QString &operation, const QString &file,
                              const QString &parameters, const QString &directory, int showCommand,
                              Answer answer) = 0;
    // Starts the command and does not wait for it. Answers the name of the program that could
    // not be started; empty when it started, or when there was nothing to start.
    virtual QString RunCommandLine(const QString &commandLine, int windowStyle) = 0;

    // The scheme of a web address, such as "https"; empty for a local file.
    static QString WebScheme(const QString &target);

    // The desktop's own shell, unless a test has put another in its place.
    static DesktopShell &Default();
    // nullptr puts the desktop's own shell back.
    static void SetDefaultForTesting(DesktopShell *shell);
};

// The shell of a freedesktop.org desktop. Targets are opened by xdg-open and command lines are
// started as processes of their own; neither goes through /bin/sh, so no character of a target
// or an argument is ever interpreted.
//
// How the request's fields are honoured:
// - operation: only "open" (any case, or empty) exists; other verbs answer AssociationIncomplete.
// - parameters: xdg-open cannot pass any to the program it picks, so they are not used. The
//   About window's link sends "0", meaning none.
// - directory: empty or "0" means none, and the program starts where we run; any other text
//   must name an existing directory (PathNotFound otherwise) and becomes the working directory,
//   against which a relative file name is resolved.
// - show command / window style: the started program's windows are its own affair here.
//
// The answer comes when xdg-open ends. In a bare session that is when the browser it started
// ends; on GNOME, KDE or Xfce it is as soon as the desktop has handed the address on. When
// xdg-open fails and the desktop knows no default program for the address's scheme
// (xdg-mime), the answer is NoAssociation: the desktop's own opener has no program to offer.
class XdgDesktopShell : public DesktopShell {
public:
    // Asks the user which program should open target; empty when the user cancels.
    using ProgramChooser = std::function<QString(const QString &target)>;

    void ShellExecute(const QString &operation, const QString &file, const QString &parameters,
                      const QString &directory, int showCommand, Answer answer) override;
    QString RunCommandLine(const QString &commandLine, int windowStyle) override;

    // The shell sits below the windows and asks the user nothing of its own making; the
    // windows hand it the Open with dialog.
    void SetProgramChooser(ProgramChooser chooser) { chooseProgram_ = std::move(chooser); }

    static XdgDesktopShell &Instance();

private:
    ProgramChooser chooseProgram_;
};
