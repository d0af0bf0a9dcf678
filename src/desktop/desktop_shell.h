#pragma once

#include <QString>
#include <functional>

class QWidget;

// What the program asks of the desktop: open a document or web address with the program the
// desktop associates with it, or with one the user chooses. The About window's link is the one
// user; tests hand it a recording shell instead of the desktop's own.
//
// The shell only reports what came of a request; what the user is told about it is the
// caller's affair.
class DesktopShell {
public:
    enum class Outcome {
        Opened,        // handed to the program for it
        NoProgram,     // the desktop has no program for this kind of address
        NoOpener,      // nothing on this computer opens documents or addresses at all
        NotUnderstood, // the address is not one the desktop can read
        NotFound,      // there is nothing at the address
        Refused,       // the user may not open it
        Failed,        // the program for it ran into a problem
    };
    // Receives the outcome of one request, exactly once.
    using Answer = std::function<void(Outcome outcome)>;

    virtual ~DesktopShell() = default;

    // Hands target on and returns at once, without waiting for the desktop; answer is called
    // from the event loop once the desktop has dealt with the request, however late.
    virtual void Open(const QString &target, Answer answer) = 0;
    // Asks the user, over the given window, which program should open target, and starts it
    // without waiting for it. Answers the name of the program that could not be started; empty
    // when it started, or when the user chose none.
    virtual QString OpenWith(const QString &target, QWidget *over) = 0;

    // The scheme of a web address, such as "https"; empty for a local file.
    static QString WebScheme(const QString &target);

    // The desktop's own shell.
    static DesktopShell &Default();
};

// The shell of a freedesktop.org desktop. Targets are opened by xdg-open and chosen programs
// started as processes of their own; neither goes through /bin/sh, so no character of a target
// is ever interpreted.
//
// The outcome comes when xdg-open ends. In a bare session that is when the browser it started
// ends; on GNOME, KDE or Xfce it is as soon as the desktop has handed the address on. When
// xdg-open fails and the desktop knows no default program for the address's scheme
// (xdg-mime), the outcome is NoProgram: the desktop's own opener has no program to offer.
class XdgDesktopShell : public DesktopShell {
public:
    void Open(const QString &target, Answer answer) override;
    QString OpenWith(const QString &target, QWidget *over) override;
};
