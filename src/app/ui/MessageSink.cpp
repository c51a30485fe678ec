#include "MessageSink.h"

#include "ErrorDialog.h"

#include <QMessageBox>
#include <QPushButton>

namespace rmnra::ui {
namespace {

class ModalBoxes : public MessageSink {
public:
    void information(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Information, applicationTitle(), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }
    bool question(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::NoButton,
                        parent);
        QPushButton* yes = box.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }
    void error(QWidget* parent, const ErrorReportView& report) override {
        ErrorDialog dialog(report, parent);
        dialog.exec();
    }
};

MessageSink* installed = nullptr;

} // namespace

MessageSink& messageSink() {
    static ModalBoxes boxes;
    return installed ? *installed : boxes;
}

void setMessageSink(MessageSink* sink) {
    installed = sink;
}

QString applicationTitle() {
    return QStringLiteral("RMNRA - Relação Mensal de Notificações de Receita \"A\"");
}

} // namespace rmnra::ui
