#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// Speaks a short message through the screen reader without moving the focus: the card just
// dealt, the verdict and the score. From Qt 6.8 it is an announcement. Before, the toolkit has
// no way to pass one on, but screen readers speak an object in the notification role when it is
// shown, and within a status bar they speak its text alone: so the announcer is a one-pixel
// status bar, drawn as nothing, at the window's corner, holding one notification that is "shown"
// again for each message. A message waits until the window is active, and is sent after the
// event that caused it, so that it follows what the focus change reads out.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    void Say(const QString &message);
    QString Message() const { return message_; }

Q_SIGNALS:
    // Each message as it is sent, whether or not a screen reader is listening.
    void said(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void send();

    QWidget *notification_ = nullptr; // before Qt 6.8
    QString message_;
    bool pending_ = false;
};
