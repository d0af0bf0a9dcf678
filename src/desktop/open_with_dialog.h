#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks which program should open a target the desktop has no program for. The user types the
// program's name or path, or browses to it. Starting it is the desktop shell's business.
class OpenWithDialog : public QDialog {
    Q_OBJECT

public:
    explicit OpenWithDialog(const QString &target, QWidget *parent = nullptr);

    // The program the user named, or empty.
    QString program() const;

    // Shows the dialog modally over the given window; the chosen program, or empty when the
    // user cancels.
    static QString ChooseProgram(const QString &target, QWidget *over);

private:
    void createControls(const QString &target);
    void wireControls();

    void cmdBrowse_Click();
    void txtProgram_TextChanged();

    QLabel *lblPrompt = nullptr;
    QLabel *lblTarget = nullptr;
    QLineEdit *txtProgram = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QDialogButtonBox *buttons = nullptr;
};
