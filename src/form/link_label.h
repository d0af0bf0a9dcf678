#pragma once

#include <QLabel>

// A label that works as a link. It reports every mouse move over it and a click, that is a left
// press and release both over the label, and keeps its moves to itself. It shows the hand
// pointer, and screen readers announce it as a link whose action, Press, clicks it. The Tab key
// reaches it, and Enter or Space on it clicks it.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // The link's look: its text colour, and whether it is underlined.
    void ShowLook(const QColor &colour, bool underlined);

Q_SIGNALS:
    void mouseMoved();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed_ = false;
};
