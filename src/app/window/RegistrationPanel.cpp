#include "RegistrationPanel.h"

#include "common/Text.h"
#include "ui/Colours.h"
#include "ui/Focus.h"
#include "ui/MessageSink.h"
#include "ui/QtText.h"
#include "ui/TitleBar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rmnra::ui {
namespace {

const QStringList kMonths = {"JANEIRO", "FEVEREIRO", "MARCO",    "ABRIL",   "MAIO",     "JUNHO",
                             "JULHO",   "AGOSTO",    "SETEMBRO", "OUTUBRO", "NOVEMBRO", "DEZEMBRO"};

QStringList years() {
    QStringList y;
    for (int year = 2006; year <= 2030; ++year)
        y << QString::number(year);
    return y;
}

// Twelve required digits and two optional ones; the punctuation is only shown.
const QString kCnpjMask = QStringLiteral("99.999.999/9999-00;_");

std::string digitsOf(const QString& text) {
    std::string digits;
    for (const QChar c : text)
        if (c.isDigit())
            digits += static_cast<char>(c.unicode());
    return digits;
}

} // namespace

RegistrationPanel::RegistrationPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PainelConfigLivro"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    useFaceColour(this);
    makeTitleBar(QStringLiteral("Configuração - Dados Cadastrais da Farmácia"), this)
        ->setGeometry(2, 2, 497, 20);

    addEdit("SECRETARIA_SAUDE", QStringLiteral("Secretaria de Saúde"), 10, 28, 481, 60);
    addEdit("AUTORIDADE_SANITARIA", QStringLiteral("Autoridade Sanitária"), 10, 66, 481, 60);
    addEdit("FIRMA", QStringLiteral("Razão Social"), 10, 104, 481, 40);
    addEdit("ENDERECO", QStringLiteral("Estabelecida à"), 10, 142, 481, 60);
    addEdit("NLICENCA_FUNC", QStringLiteral("Nº Licença Funcionamento"), 10, 180, 160, 30);
    addEdit("FARMACEUTICO", QStringLiteral("Farmacêutico Responsável"), 180, 180, 211, 40);
    addEdit("CRF_Q", QStringLiteral("CRF"), 401, 180, 90, 15);
    mes_ = addList("MES", QStringLiteral("Mês"), 10, 218, 120, kMonths);
    exercicio_ = addList("EXERCICIO", QStringLiteral("Exercício"), 140, 218, 80, years());
    cgc_ = addEdit("CGC", QStringLiteral("CNPJ"), 230, 218, 140, 18);
    cgc_->setInputMask(kCnpjMask);

    exit_ = new QPushButton(QIcon(QStringLiteral(":/icons/voltar.svg")),
                            QStringLiteral("Sair - voltar a tela inicial"), this);
    exit_->setObjectName(QStringLiteral("BitBtn36"));
    exit_->setIconSize(QSize(20, 20));
    exit_->setFont(arialFont(9, true));
    QPalette p = exit_->palette();
    p.setColor(QPalette::ButtonText, kRed);
    exit_->setPalette(p);
    exit_->setAutoDefault(true);
    exit_->setGeometry(271, 270, 220, 36);
    // The window runs the exit as a command, one at a time with the others.
    connect(exit_, &QPushButton::clicked, this, &RegistrationPanel::exitRequested);

    // Tab order follows the order of creation: fields top to bottom, then the button.
    QWidget* previous = nullptr;
    for (const char* column : kRegistrationColumns) {
        QWidget* w = field(column) ? static_cast<QWidget*>(field(column))
                                   : (std::string(column) == "MES" ? mes_ : exercicio_);
        if (previous)
            setTabOrder(previous, w);
        w->installEventFilter(this);
        previous = w;
    }
    setTabOrder(previous, exit_);
    QFrame::hide();
}

QLineEdit* RegistrationPanel::addEdit(const char* column, const QString& label, int x, int y, int w,
                                      int max) {
    auto* l = new QLabel(label, this);
    l->setGeometry(x, y, w, 14);
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(column));
    e->setGeometry(x, y + 14, w, 21);
    e->setFont(arialFont(8, false));
    e->setMaxLength(max);
    edits_[column] = e;
    return e;
}

QComboBox* RegistrationPanel::addList(const char* column, const QString& label, int x, int y, int w,
                                      const QStringList& items) {
    auto* l = new QLabel(label, this);
    l->setGeometry(x, y, w, 14);
    auto* c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(column));
    c->setGeometry(x, y + 14, w, 21);
    c->setFont(arialFont(8, false));
    c->addItems(items);
    c->setMaxVisibleItems(12);
    return c;
}

QLineEdit* RegistrationPanel::field(const char* column) const {
    auto it = edits_.find(column);
    return it == edits_.end() ? nullptr : it->second;
}

void RegistrationPanel::open(const std::string& cnpj) {
    setGeometry(132, 112, 501, 321);
    QFrame::show();
    raise();
    // Opening again while shown re-reads the row and drops what was not stored.
    store_->close();
    read_.clear();
    store_->open(cnpj, read_);
    refused_ = false;
    show(read_);
    field("SECRETARIA_SAUDE")->setFocus(Qt::OtherFocusReason);
}

void RegistrationPanel::show(const RegistrationValues& values) {
    auto value = [&](const char* c) {
        auto it = values.find(c);
        return it == values.end() ? std::string() : it->second;
    };
    for (auto& [column, edit] : edits_)
        edit->setText(toQString(value(column.c_str())));
    // A stored value that is not among the items shows as an empty selection.
    mes_->setCurrentIndex(mes_->findText(toQString(value("MES"))));
    exercicio_->setCurrentIndex(exercicio_->findText(toQString(value("EXERCICIO"))));
}

RegistrationValues RegistrationPanel::current() const {
    RegistrationValues v = read_;
    for (const auto& [column, edit] : edits_)
        v[column] = cutTo(fromQString(edit->text()), static_cast<size_t>(edit->maxLength()));
    v["CGC"] = digitsOf(cgc_->text());
    // An empty selection leaves the stored value as it was.
    if (mes_->currentIndex() >= 0)
        v["MES"] = fromQString(mes_->currentText());
    if (exercicio_->currentIndex() >= 0)
        v["EXERCICIO"] = fromQString(exercicio_->currentText());
    return v;
}

void RegistrationPanel::leave() {
    if (!isVisible())
        return;
    const std::string cnpj = digitsOf(cgc_->text());
    if (!cnpj.empty() && cnpj.size() < 12) {
        messageSink().information(
            window(), toQString("O CNPJ deve ter ao menos 12 d\xEDgitos (os dois \xFAltimos "
                                "s\xE3o opcionais)."));
        cgc_->setFocus(Qt::OtherFocusReason);
        return;
    }
    RegistrationValues values = current();
    RegistrationValues unchanged = read_;
    for (const char* c : kRegistrationColumns)
        unchanged.try_emplace(c);
    if (values == unchanged) {
        hidePanel();
        return;
    }
    try {
        store_->store(values);
    } catch (const std::exception& e) {
        refused_ = true;
        messageSink().information(
            window(),
            messageLines(std::string("Os dados cadastrais n\xE3o foram gravados:\r") + e.what() +
                         "\r\rCorrija os dados e saia novamente, ou tecle Esc para "
                         "descartar as altera\xE7\xF5"
                         "es."));
        return;
    }
    hidePanel();
}

void RegistrationPanel::escape() {
    if (!isVisible())
        return;
    if (!refused_) {
        leave();
        return;
    }
    if (messageSink().question(window(), toQString("Os dados cadastrais n\xE3o foram "
                                                   "gravados. Descartar as altera\xE7\xF5"
                                                   "es?")))
        hidePanel();
}

void RegistrationPanel::hidePanel() {
    store_->close();
    refused_ = false;
    QFrame::hide();
}

bool RegistrationPanel::eventFilter(QObject* watched, QEvent* event) {
    // Enter in any field moves the focus on as Tab does; it never stores by itself.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            auto* w = static_cast<QWidget*>(watched);
            if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->view()->isVisible())
                return false;
            focusNextControl(w);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace rmnra::ui
