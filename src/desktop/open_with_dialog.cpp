#include "desktop/open_with_dialog.h"

#include "app/error_path.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

OpenWithDialog::OpenWithDialog(const QString &target, QWidget *parent) : QDialog(parent) {
    createControls(target);
    wireControls();
    txtProgram_TextChanged();
}

void OpenWithDialog::createControls(const QString &target) {
    setObjectName(QStringLiteral("OpenWithDialog"));
    setWindowTitle(tr("Open with"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    lblPrompt = new QLabel(tr("Choose the program you want to use to open:"), this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));

    // The target comes from outside: shown as plain text, never as markup.
    lblTarget = new QLabel(this);
    lblTarget->setObjectName(QStringLiteral("lblTarget"));
    lblTarget->setTextFormat(Qt::PlainText);
    lblTarget->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTarget->setWordWrap(true);
    lblTarget->setText(target);

    auto *lblProgram = new QLabel(tr("&Program:"), this);
    lblProgram->setObjectName(QStringLiteral("lblProgram"));
    txtProgram = new QLineEdit(this);
    txtProgram->setObjectName(QStringLiteral("txtProgram"));
    txtProgram->setPlaceholderText(tr("for example firefox"));
    txtProgram->setMinimumWidth(260);
    lblProgram->setBuddy(txtProgram); // which names the field for screen readers

    cmdBrowse = new QPushButton(tr("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));

    // One row under the other; the program's row reads label, field, Browse.
    auto *programRow = new QHBoxLayout;
    programRow->addWidget(lblProgram);
    programRow->addWidget(txtProgram);
    programRow->addWidget(cmdBrowse);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblPrompt);
    layout->addWidget(lblTarget);
    layout->addLayout(programRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    txtProgram->setFocus();
}

void OpenWithDialog::wireControls() {
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdBrowse, &QPushButton::clicked, this,
            ErrorPath::Guarded(this, &OpenWithDialog::cmdBrowse_Click));
    connect(txtProgram, &QLineEdit::textChanged, this,
            ErrorPath::Guarded(this, &OpenWithDialog::txtProgram_TextChanged));
}

QString OpenWithDialog::program() const {
    return txtProgram->text().trimmed();
}

QString OpenWithDialog::ChooseProgram(const QString &target, QWidget *over) {
    OpenWithDialog dialog(target, over);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.program();
}

void OpenWithDialog::cmdBrowse_Click() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("Choose a program"), QStringLiteral("/usr/bin"));
    if (!chosen.isEmpty())
        txtProgram->setText(chosen);
}

void OpenWithDialog::txtProgram_TextChanged() {
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!program().isEmpty());
}
