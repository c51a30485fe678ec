#include "FormRelatAdministrativo.h"

#include "InconsistencyPanel.h"
#include "LoginPanel.h"
#include "MainMenu.h"
#include "ProgressPanel.h"
#include "RegistrationPanel.h"
#include "Toolbar.h"
#include "book/InconsistencyReport.h"
#include "commands/InconsistencyReportFile.h"
#include "common/Text.h"
#include "errors/ErrorReporter.h"
#include "settings/SettingsReader.h"
#include "ui/Colours.h"
#include "ui/MessageSink.h"
#include "ui/QtText.h"
#include "ui/Resources.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <pwd.h>
#include <unistd.h>

namespace rmnra::ui {
namespace {

// The account running the program; the suite's 50-character buffer keeps at most 49.
std::string accountName() {
    const passwd* pw = getpwuid(geteuid());
    const std::string name = pw && pw->pw_name ? pw->pw_name : "";
    return name.size() <= 49 ? name : std::string();
}

void setBackground(QWidget* w, const QColor& colour) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

} // namespace

FormRelatAdministrativo::FormRelatAdministrativo(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), commands_(this) {
    initResources();
    setObjectName(QStringLiteral("FormRelatAdministrativo"));
    setWindowTitle(designCaption());
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);

    client_ = new QWidget(this);
    setCentralWidget(client_);

    // Stacking order, bottom to top: work area, registration, login, toolbar.
    painelRelatorios_ = new QWidget(client_);
    painelRelatorios_->setObjectName(QStringLiteral("PainelRelatorios"));
    setBackground(painelRelatorios_, kWorkAreaColour);
    painelRelatorios_->hide();
    pnl1_ = new InconsistencyPanel(painelRelatorios_);
    painelTermometro_ = new ProgressPanel(painelRelatorios_);

    painelConfigLivro_ = new RegistrationPanel(client_);
    painelLogin_ = new LoginPanel(client_);
    pnlTopo_ = new Toolbar(client_);

    ui_ = std::make_unique<WindowUserInterface>(this, *painelTermometro_, *pnl1_);
    setServices(std::move(services_));

    pm1_ = buildMainMenu(*this);
    buildActionList(*this);
    connectToolbar();

    connect(painelLogin_, &LoginPanel::ok, this,
            [this] { commands_.run("LoginUser", [this] { loginUser(); }); });
    connect(painelLogin_, &LoginPanel::cancel, this, &FormRelatAdministrativo::cancelLogin);
    connect(painelConfigLivro_, &RegistrationPanel::exitRequested, this,
            [this] { commands_.run("BitBtn36Click", [this] { painelConfigLivro_->leave(); }); });
    connect(pnl1_, &InconsistencyPanel::correctionRequested, this,
            &FormRelatAdministrativo::AcertarInconsistncias1Click);
    commands_.afterEach = [this] {
        if (endWhenIdle_)
            endProgram();
    };
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &FormRelatAdministrativo::escapePressed);
}

FormRelatAdministrativo::~FormRelatAdministrativo() = default;

QString FormRelatAdministrativo::designCaption() {
    return QStringLiteral("RMNRA - Relação Mensal  de Notificações de Receita \"A\"");
}

QString FormRelatAdministrativo::readFileVersion() {
    return QStringLiteral(RMNRA_VERSION);
}

UserInterface& FormRelatAdministrativo::userInterface() {
    return *ui_;
}

void FormRelatAdministrativo::setServices(WindowServices services) {
    services_ = std::move(services);
    painelConfigLivro_->setStore(services_.registration);
    ui_->setReportRunner(services_.reportRunner);
    ui_->setReportProjectCloser(services_.closeReportProject);
    login_.reset();
    if (services_.users)
        login_ = std::make_unique<LoginUser>(*services_.users, *ui_, logFolder());
}

bool FormRelatAdministrativo::formCreate() {
    resize(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    try {
        ReadSettingsFile();
    } catch (const SettingsFileMissing& missing) {
        messageSink().information(nullptr, toQString(missing.what()));
        return false;
    } catch (...) {
        // The window keeps its design colour and the start-up goes on.
        reportUnexpectedError(std::current_exception(), "FormCreate", this);
        return true;
    }
    setBackground(client_, colourFromSuiteValue(appSettings().ScreenBackgroundColor));
    return true;
}

void FormRelatAdministrativo::connectToolbar() {
    connect(pnlTopo_->btnConfCad(), &QToolButton::clicked, this,
            &FormRelatAdministrativo::actConfCadExecute);
    connect(pnlTopo_->btnPrepararLivro(), &QToolButton::clicked, this,
            &FormRelatAdministrativo::actPrepararLivroExecute);
    connect(pnlTopo_->btnInconsistencias(), &QToolButton::clicked, this,
            &FormRelatAdministrativo::actInconsistenciasExecute);
    connect(pnlTopo_->btnSair(), &QToolButton::clicked, this,
            &FormRelatAdministrativo::actSairExecute);
    QToolButton* prepare = pnlTopo_->btnPrepararLivro();
    prepare->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(prepare, &QWidget::customContextMenuRequested, this,
            [this, prepare](const QPoint& at) { pm1_->popup(prepare->mapToGlobal(at)); });
}

void FormRelatAdministrativo::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize area = client_->size();
    pnlTopo_->setGeometry(0, 0, area.width(), Toolbar::kHeight);
    painelRelatorios_->setGeometry(0, Toolbar::kHeight, area.width(),
                                   std::max(0, area.height() - Toolbar::kHeight));
}

void FormRelatAdministrativo::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // FormShow: once, when the program shows the window (not when the system restores it).
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        setWindowTitle(windowTitle() + QStringLiteral(" - Versão ") + readFileVersion());
    }
}

void FormRelatAdministrativo::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        formActivate();
}

void FormRelatAdministrativo::formActivate() {
    if (activated_)
        return;
    activated_ = true;
    commands_.run("FormActivate", [this] {
        if (services_.assignColumnLists)
            services_.assignColumnLists();
        if (services_.activatePdfRenderer)
            services_.activatePdfRenderer();
        painelRelatorios_->show();
        habilitaBotoesRelatorios();
        const std::string account = accountName();
        if (services_.runValues)
            services_.runValues->setCurrentUserName(account);
        painelLogin_->nameField()->setText(toQString(account));
        painelLogin_->present();
        loginWaiting_ = true;
    });
}

void FormRelatAdministrativo::closeEvent(QCloseEvent* event) {
    // Closing the window while a command processes pending events would pull the data from
    // under it: the window's own close box waits until the command has ended.
    if (commands_.busy() && !ending_) {
        event->ignore();
        return;
    }
    // FormClose: the book table is closed; an error doing so does not keep the program.
    if (services_.closeBookTable) {
        try {
            services_.closeBookTable();
        } catch (...) {
        }
    }
    event->accept();
}

void FormRelatAdministrativo::habilitaBotoesRelatorios() {
    pnlTopo_->btnConfCad()->setEnabled(true);
    pnlTopo_->btnPrepararLivro()->setEnabled(true);
    pnlTopo_->btnInconsistencias()->setEnabled(true);
    pnlTopo_->btnSair()->setEnabled(true);
}

void FormRelatAdministrativo::escapePressed() {
    // The shown panel's cancel button takes Esc: the registration panel above the work
    // area, or Cancela while the login waits.
    if (painelConfigLivro_->isVisible())
        commands_.run("BitBtn36Click", [this] { painelConfigLivro_->escape(); });
    else if (loginWaiting_ && painelLogin_->isVisible())
        painelLogin_->cancelButton()->click();
}

void FormRelatAdministrativo::cancelLogin() {
    commands_.run("BotCancSenhaClick", [this] {
        painelLogin_->hide();
        loginWaiting_ = false;
        endProgram();
    });
}

void FormRelatAdministrativo::requestEnd() {
    if (commands_.busy())
        endWhenIdle_ = true;
    else
        endProgram();
}

void FormRelatAdministrativo::endProgram() {
    ending_ = true;
    close();
}

void FormRelatAdministrativo::loginUser() {
    if (!login_ || !services_.workArea || !services_.runValues) {
        notAvailable();
        return;
    }
    QLineEdit* name = painelLogin_->nameField();
    QLineEdit* password = painelLogin_->passwordField();
    const std::string nameText = fromQString(name->text());
    switch (login_->checkCredentials(nameText, fromQString(password->text()))) {
    case LoginOutcome::WrongPassword:
        // The refused text is selected so that the next try simply types over it.
        password->setFocus(Qt::OtherFocusReason);
        password->selectAll();
        return;
    case LoginOutcome::EmptyName:
    case LoginOutcome::UnknownUser:
    case LoginOutcome::NotGranted:
        name->setFocus(Qt::OtherFocusReason);
        name->selectAll();
        return;
    case LoginOutcome::Granted:
        break;
    }
    painelLogin_->hide();
    name->clear();
    password->clear();
    loginWaiting_ = false;
    painelRelatorios_->show();
    // The identification puts CurrentUserName back into the name field.
    services_.runValues->setCurrentUserName(LoginUser::loginName(nameText));
    name->setText(toQString(services_.runValues->currentUserName()));
    const auto caption =
        login_->identifyWorkArea(nameText, *services_.runValues, *services_.workArea);
    if (!caption) {
        endProgram();
        return;
    }
    setWindowTitle(toQString(*caption));
}

void FormRelatAdministrativo::notAvailable() {
    messageSink().information(
        this, QStringLiteral("Este comando ainda não está disponível nesta versão do programa."));
}

void FormRelatAdministrativo::run(const char* name,
                                  const std::function<void(UserInterface&)>& command) {
    commands_.run(name, [this, &command] {
        if (!command) {
            notAvailable();
            return;
        }
        command(*ui_);
        habilitaBotoesRelatorios();
    });
}

void FormRelatAdministrativo::actConfCadExecute() {
    commands_.run("actConfCadExecute", [this] {
        if (!services_.registration || !services_.runValues) {
            notAvailable();
            return;
        }
        painelConfigLivro_->open(services_.runValues->currentCnpj());
    });
}

void FormRelatAdministrativo::actPrepararLivroExecute() {
    run("actPrepararLivroExecute", services_.prepareBook);
}

void FormRelatAdministrativo::actInconsistenciasExecute() {
    commands_.run("actInconsistenciasExecute", [this] {
        // No report saved yet on this workstation: nothing to show, and no message.
        if (auto lines = readInconsistencyReport(inconsistencyReportPath()))
            pnl1_->showReport(*lines);
    });
}

void FormRelatAdministrativo::actSairExecute() {
    commands_.run("actSairExecute", [this] { endProgram(); });
}

void FormRelatAdministrativo::actConfImpressoraExecute() {
    commands_.run("actConfImpressoraExecute", [this] {
        if (services_.configurePrinter)
            services_.configurePrinter();
        else
            notAvailable();
    });
}

void FormRelatAdministrativo::LivroOficial1Click() {
    run("LivroOficial1Click", services_.showOfficialBook);
}

void FormRelatAdministrativo::LivroNsdosPedidos1Click() {
    run("LivroNsdosPedidos1Click", services_.showDetail);
}

void FormRelatAdministrativo::FormatarDescrioDCB1Click() {
    run("FormatarDescrioDCB1Click", services_.formatDcb);
}

void FormRelatAdministrativo::AcertarInconsistncias1Click() {
    run("AcertarInconsistncias1Click", services_.correctCapsules);
}

} // namespace rmnra::ui
