#pragma once

#include "AppTestSupport.h"
#include "data/Session.h"
#include "errors/ErrorReporter.h"
#include "login/DatasetUserDirectory.h"
#include "login/SessionWorkArea.h"
#include "registration/DadosGerStore.h"
#include "security/CredentialEncoding.h"
#include "settings/AppSettings.h"
#include "support/FirebirdFixture.h"
#include "window/FormRelatAdministrativo.h"
#include "window/LoginPanel.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <memory>

namespace rmnra::test {

// Counts the writes the registration panel asks for.
class CountingStore : public RegistrationStore {
public:
    explicit CountingStore(RegistrationStore& inner) : inner_(inner) {}
    bool open(const std::string& cnpj, RegistrationValues& values) override {
        return inner_.open(cnpj, values);
    }
    void store(const RegistrationValues& values) override {
        ++stores;
        inner_.store(values);
    }
    void close() override { inner_.close(); }
    int stores = 0;

private:
    RegistrationStore& inner_;
};

// The main window on a fixture's databases, shown, activated and waiting for the login, with
// every box recorded.
class WindowTest : public FirebirdTest {
protected:
    WindowTest()
        : home_(setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1)),
          session(settings, fb::kClientLibraryName), users(session.dm), workArea(session),
          dadosGer(session.dm), store(dadosGer) {
        ui::setLogFolder(db.suiteFolder() + "LOG/");
    }
    ~WindowTest() override {
        ui::setLogFolder("");
        unsetenv("ORVANTIS_HOME");
    }

    void SetUp() override {
        ui::WindowServices s;
        s.runValues = &session.runValues;
        s.users = &users;
        s.workArea = &workArea;
        s.registration = &store;
        s.correctCapsules = [this](UserInterface&) { ++corrections; };
        window = std::make_unique<ui::FormRelatAdministrativo>(s);
        window->resize(800, 600);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->formActivate();
    }
    void TearDown() override { window.reset(); }

    void sql(const std::string& statement, const std::vector<fb::Value>& params = {}) {
        auto tr = db.main().startTransaction();
        tr.execute(statement, params);
        tr.commit();
    }
    std::vector<fb::Row> rows(const std::string& statement,
                              const std::vector<fb::Value>& params = {}) {
        auto tr = db.main().startTransaction();
        return tr.query(statement, params);
    }
    // A user of the suite; the access string grants the program unless told otherwise.
    void addUser(const std::string& name, const std::string& password, bool granted = true,
                 size_t accessLength = 20) {
        std::string access(accessLength, 'N');
        if (granted && accessLength >= 14)
            access[13] = static_cast<char>(name[0] + 15);
        sql("insert into USUARIOS (USUARIO, SENHA, ACESSO) values (?, ?, ?)",
            {EncodeCredential(name), EncodeCredential(password), access});
    }
    void addWorkArea(const std::string& user, const std::string& station, const std::string& cnpj) {
        sql("insert into ESTACOES (USUARIO, ESTACAO, DATBASNAM, CNPJ) values (?, ?, ?, ?)",
            {user, station, "C:\\orvantis\\interfac" + station + "\\orvantis.bd", cnpj});
    }

    ui::LoginPanel& login() { return *window->painelLogin(); }
    // Types name and password with the keyboard and presses Enter in the password field.
    void typeLogin(const QString& name, const QString& password) {
        QLineEdit* nameField = login().nameField();
        nameField->setFocus();
        nameField->clear();
        QTest::keyClicks(nameField, name);
        QTest::keyClick(nameField, Qt::Key_Return);
        QTest::keyClicks(login().passwordField(), password);
        QTest::keyClick(login().passwordField(), Qt::Key_Return);
    }

    int home_;
    AppSettings settings;
    Session session;
    DatasetUserDirectory users;
    SessionWorkArea workArea;
    DadosGerStore dadosGer;
    CountingStore store;
    RecordingSink sink;
    int corrections = 0;
    std::unique_ptr<ui::FormRelatAdministrativo> window;
};

} // namespace rmnra::test
