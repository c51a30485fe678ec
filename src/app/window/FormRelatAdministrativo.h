#pragma once

#include "window/CommandRunner.h"
#include "window/WindowServices.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QMenu;

namespace rmnra::ui {

class Toolbar;
class LoginPanel;
class RegistrationPanel;
class ProgressPanel;
class InconsistencyPanel;

// The program's one window: toolbar, menu, work area and the panels that stand in for
// dialogs (login, registration, progress, inconsistencies).
class FormRelatAdministrativo : public QMainWindow {
    Q_OBJECT
public:
    explicit FormRelatAdministrativo(WindowServices services, QWidget* parent = nullptr);
    ~FormRelatAdministrativo() override;

    // Size, centring, settings file and background colour. False when ORVANTIS.INI is
    // missing: its message has been shown and the program must end without the window.
    bool formCreate();
    // The one-time set-up of the first activation; later calls do nothing.
    void formActivate();

    UserInterface& userInterface();
    // The layers below, once the report and data modules exist.
    void setServices(WindowServices services);

    // Commands of the menu, the toolbar and the popups.
    void actConfCadExecute();
    void actPrepararLivroExecute();
    void actInconsistenciasExecute();
    void actSairExecute();
    void actConfImpressoraExecute();
    void LivroOficial1Click();
    void LivroNsdosPedidos1Click();
    void FormatarDescrioDCB1Click();
    void AcertarInconsistncias1Click();
    void habilitaBotoesRelatorios();

    // A termination signal: ends the program now, or when the running command has ended.
    void requestEnd();

    // Runs LoginUser with the panel's fields.
    void loginUser();

    Toolbar* pnlTopo() const { return pnlTopo_; }
    QWidget* painelRelatorios() const { return painelRelatorios_; }
    LoginPanel* painelLogin() const { return painelLogin_; }
    RegistrationPanel* painelConfigLivro() const { return painelConfigLivro_; }
    ProgressPanel* painelTermometro() const { return painelTermometro_; }
    InconsistencyPanel* pnl1() const { return pnl1_; }
    QMenu* pm1() const { return pm1_; }
    bool loginWaiting() const { return loginWaiting_; }
    CommandRunner& commands() { return commands_; }

    // The compiled-in version, "a.b.c.d".
    static QString readFileVersion();
    static QString designCaption();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectToolbar();
    void escapePressed();
    void cancelLogin();
    // Sair, Cancela, a failed identification: the window closes even inside a command.
    void endProgram();
    void run(const char* name, const std::function<void(UserInterface&)>& command);
    void notAvailable();

    WindowServices services_;
    CommandRunner commands_;
    QWidget* client_;
    Toolbar* pnlTopo_;
    QWidget* painelRelatorios_;
    RegistrationPanel* painelConfigLivro_;
    LoginPanel* painelLogin_;
    ProgressPanel* painelTermometro_;
    InconsistencyPanel* pnl1_;
    QMenu* pm1_;
    std::unique_ptr<WindowUserInterface> ui_;
    std::unique_ptr<LoginUser> login_;
    bool activated_ = false;
    bool loginWaiting_ = false;
    bool shown_ = false;
    bool ending_ = false;
    bool endWhenIdle_ = false;
};

} // namespace rmnra::ui
