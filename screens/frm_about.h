// SPDX-License-Identifier: MIT
#pragma once

#include "registry.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QWidget;

namespace quantora {

class PictureBox;

// What the About box uses to find and start the system-information program.
// systemOperations() gives the real ones; tests replace some of them.
struct SysInfoOperations {
    std::shared_ptr<const sysinfo::Registry> registry;
    std::function<bool(const QString &path)> fileExists;
    // Starts the program without a shell; false when it could not be started.
    std::function<bool(const QString &program)> startProgram;
    // Shows a message box with only an OK button, the text and below it the
    // informative text, and returns when it is closed.
    std::function<void(QWidget *parent, const QString &caption, const QString &text, const QString &informative)>
        showMessage;
};

// The About box: the program's title, version, author and description, and a
// button that starts the system's information program. It is created for one
// showing and destroyed after it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    // Operations left empty are the system's.
    explicit frmAbout(SysInfoOperations operations, QWidget *parent = nullptr);

    // Shows a new About box modally and destroys it when the user closes it.
    static void showModal();

    // The advapi32 registry on Windows, the PATH stand-in elsewhere; a regular
    // file test; QProcess::startDetached; a QMessageBox without icon.
    static SysInfoOperations systemOperations();

    // Finds and starts the system-information program, or tells the user it is unavailable.
    void StartSysInfo();

public slots:
    // Esc and the title bar's close button act as the OK button.
    void reject() override;

private:
    void createControls();
    void load();

    SysInfoOperations m_operations;
    PictureBox *picIcon = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
};

} // namespace quantora
