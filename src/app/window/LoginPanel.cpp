#include "LoginPanel.h"

#include "common/Text.h"
#include "ui/Colours.h"
#include "ui/QtText.h"
#include "ui/TitleBar.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

namespace rmnra::ui {
namespace {

// The suite's password fields show "#" for every character typed.
class HashPasswordStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '#';
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

QPushButton* makeButton(const QString& caption, const QColor& colour, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setFont(arialFont(8, true));
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, colour);
    b->setPalette(p);
    b->setAutoDefault(true); // Enter on the focused button presses it
    return b;
}

} // namespace

LoginPanel::LoginPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PainelLogin"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    useFaceColour(this);

    auto* title = makeTitleBar(QStringLiteral("Identificação do Usuário"), this);
    title->setGeometry(2, 2, 328, 20);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(8, 30, 220, 90);

    auto* nome = new QLabel(QStringLiteral("Nome"), frame);
    nome->setFont(arialFont(8, true));
    nome->setGeometry(10, 8, 60, 16);
    editNome_ = new QLineEdit(frame);
    editNome_->setObjectName(QStringLiteral("EditNome"));
    editNome_->setGeometry(10, 24, 200, 21);

    auto* senha = new QLabel(QStringLiteral("Senha"), frame);
    senha->setFont(arialFont(8, true));
    senha->setGeometry(10, 46, 60, 16);
    editSenhaU_ = new QLineEdit(frame);
    editSenhaU_->setObjectName(QStringLiteral("EditSenhaU"));
    editSenhaU_->setGeometry(10, 62, 200, 21);
    auto* style = new HashPasswordStyle;
    style->setParent(editSenhaU_);
    editSenhaU_->setStyle(style);
    editSenhaU_->setEchoMode(QLineEdit::Password);

    botOk_ = makeButton(QStringLiteral("OK"), kNavy, this);
    botOk_->setObjectName(QStringLiteral("BotOkSenha"));
    botOk_->setGeometry(240, 46, 80, 27);
    botCanc_ = makeButton(QStringLiteral("Cancela"), kRed, this);
    botCanc_->setObjectName(QStringLiteral("BotCancSenha"));
    botCanc_->setGeometry(240, 84, 80, 27);

    setTabOrder(editNome_, editSenhaU_);
    setTabOrder(editSenhaU_, botOk_);
    setTabOrder(botOk_, botCanc_);

    editNome_->installEventFilter(this);
    // Enter in the name field moves on as Tab does; in the password field it logs in.
    connect(editNome_, &QLineEdit::returnPressed, editSenhaU_,
            [this] { editSenhaU_->setFocus(Qt::TabFocusReason); });
    connect(editSenhaU_, &QLineEdit::returnPressed, this, &LoginPanel::ok);
    connect(botOk_, &QPushButton::clicked, this, &LoginPanel::ok);
    connect(botCanc_, &QPushButton::clicked, this, &LoginPanel::cancel);
    hide();
}

void LoginPanel::present() {
    setGeometry(224, 135, 332, 130);
    show();
    raise();
    if (editNome_->isEnabled() && editNome_->isVisible()) {
        editNome_->setFocus(Qt::OtherFocusReason);
        // The proposed account name is selected, so typing another name replaces it.
        editNome_->selectAll();
    }
}

bool LoginPanel::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the name field upper-cases it (a-z only, as the suite stores names).
    if (watched == editNome_ && event->type() == QEvent::FocusOut)
        editNome_->setText(toQString(upperAscii(fromQString(editNome_->text()))));
    return QFrame::eventFilter(watched, event);
}

} // namespace rmnra::ui
