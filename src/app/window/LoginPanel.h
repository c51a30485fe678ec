#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace rmnra::ui {

// PainelLogin: name and password ("#" per character), OK and Cancela. The panel only
// gathers the input; the window runs the login on ok().
class LoginPanel : public QFrame {
    Q_OBJECT
public:
    explicit LoginPanel(QWidget* parent = nullptr);

    QLineEdit* nameField() const { return editNome_; }
    QLineEdit* passwordField() const { return editSenhaU_; }
    QPushButton* okButton() const { return botOk_; }
    QPushButton* cancelButton() const { return botCanc_; }

    // Places the panel at its bounds, shows it and gives the name field the focus.
    void present();

signals:
    void ok();
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* editNome_;
    QLineEdit* editSenhaU_;
    QPushButton* botOk_;
    QPushButton* botCanc_;
};

} // namespace rmnra::ui
