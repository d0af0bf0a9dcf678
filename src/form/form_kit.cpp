#include "form/form_kit.h"

#include <QWidget>
#include <algorithm>
#include <stdexcept>
#include <string>

FormKit::FormKit(QWidget *client, QSize clientTwips, std::span<const DesignedControl> controls,
                 std::span<const DesignedRule> rules)
    : client_(client), clientTwips_(clientTwips), controls_(controls), rules_(rules) {}

QWidget *FormKit::control(const char *name) const {
    auto *found = client_->findChild<QWidget *>(QLatin1String(name));
    if (!found)
        throw std::logic_error(std::string("The design names a control the window lacks: ") + name);
    return found;
}

const DesignedControl &FormKit::designed(const QWidget *control) const {
    for (const DesignedControl &c : controls_)
        if (control->objectName() == QLatin1String(c.name))
            return c;
    throw std::logic_error("No design for the control " + control->objectName().toStdString());
}

// The part of a box inside the window: the design lets some boxes run past its edge.
int FormKit::shownWidth(const DesignedControl &box) const {
    return std::min(box.width, clientTwips_.width() - box.left);
}

void FormKit::Fit(const QWidget *control, const QString &text, int margin) {
    const DesignedControl &box = designed(control);
    Fit(control, text, margin, shownWidth(box), box.height);
}

void FormKit::Fit(const QWidget *control, const QString &text, int margin, int roomWidth,
                  int roomHeight) {
    needs_ << TwipLayout::TextNeeds(control->fontMetrics(), text, margin, roomWidth, roomHeight);
}

void FormKit::Fit(const QWidget *control, QSize pixels) {
    const DesignedControl &box = designed(control);
    needs_ << TwipLayout::Need{pixels.width(), shownWidth(box)}
           << TwipLayout::Need{pixels.height(), box.height};
}

TwipLayout FormKit::Place(double atMost) const {
    const TwipLayout layout = TwipLayout::Fitting(needs_, atMost);
    client_->setFixedSize(layout.Pixels(clientTwips_.width()),
                          layout.Pixels(clientTwips_.height()));
    QList<const DesignedControl *> tabOrder;
    for (const DesignedControl &c : controls_) {
        control(c.name)->setGeometry(layout.Rect(c.left, c.top, c.width, c.height));
        if (c.tabIndex)
            tabOrder << &c;
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto *a, const auto *b) { return a->tabIndex < b->tabIndex; });
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(control(tabOrder[i - 1]->name), control(tabOrder[i]->name));
    // A rule is drawn thicker as the window grows, centred on its line.
    for (const DesignedRule &r : rules_) {
        const int width = layout.Scaled(r.thickness);
        control(r.name)->setGeometry(layout.Pixels(r.x1), layout.Pixels(r.y) - width / 2,
                                     layout.Pixels(r.x2) - layout.Pixels(r.x1) + 1, width);
    }
    return layout;
}
