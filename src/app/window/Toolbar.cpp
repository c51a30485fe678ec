#include "Toolbar.h"

#include "ToolbarButton.h"
#include "ui/Colours.h"
#include "ui/TitleBar.h"

#include <QToolButton>

namespace rmnra::ui {

Toolbar::Toolbar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnlTopo"));
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kWorkAreaColour);
    setPalette(p);

    btnConfCad_ = addButton("btnConfCad", 0, 137, QStringLiteral("Dados Cadastrais"),
                            QStringLiteral(":/icons/dados.svg"));
    btnPrepararLivro_ = addButton("btnPrepararLivro", 139, 135, QStringLiteral("Preparar Livro"),
                                  QStringLiteral(":/icons/livro.svg"));
    btnInconsistencias_ =
        addButton("btnInconsistencias", 277, 137, QStringLiteral("Inconsistências"),
                  QStringLiteral(":/icons/inconsistencias.svg"));
    btnInconsistencias_->setToolTip(QStringLiteral("Visualizar inconsistências"));
    btnSair_ =
        addButton("btnSair", 415, 137, QStringLiteral("Sair"), QStringLiteral(":/icons/sair.svg"));
}

QToolButton* Toolbar::addButton(const char* name, int left, int width, const QString& caption,
                                const QString& icon) {
    auto* b = new ToolbarButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setIcon(QIcon(icon));
    b->setFocusPolicy(Qt::NoFocus);
    b->setFont(arialFont(10, true));
    b->setGeometry(left, 1, width, 65);
    b->setEnabled(false); // until the first activation enables them
    return b;
}

} // namespace rmnra::ui
