#include "MainMenu.h"

#include "FormRelatAdministrativo.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace rmnra::ui {

QMenu* buildMainMenu(FormRelatAdministrativo& window) {
    QMenuBar* mm1 = window.menuBar();
    mm1->setObjectName(QStringLiteral("mm1"));
    auto item = [&window, mm1](QMenu* menu, const QString& caption,
                               void (FormRelatAdministrativo::*slot)()) {
        QAction* a = menu ? menu->addAction(caption) : mm1->addAction(caption);
        QObject::connect(a, &QAction::triggered, &window, slot);
    };
    item(nullptr, QStringLiteral("Dados Cadastrais"), &FormRelatAdministrativo::actConfCadExecute);
    QMenu* livros = mm1->addMenu(QStringLiteral("Livros"));
    item(livros, QStringLiteral("Preparar Livro"),
         &FormRelatAdministrativo::actPrepararLivroExecute);
    QMenu* mostrar = livros->addMenu(QStringLiteral("Mostrar Livro"));
    item(mostrar, QStringLiteral("RMNRA"), &FormRelatAdministrativo::LivroOficial1Click);
    item(mostrar, QStringLiteral("Detalhamento"),
         &FormRelatAdministrativo::LivroNsdosPedidos1Click);
    item(livros, QStringLiteral("Inconsistências"),
         &FormRelatAdministrativo::actInconsistenciasExecute);
    QMenu* utilitarios = mm1->addMenu(QStringLiteral("Utilitários"));
    item(utilitarios, QStringLiteral("Configurar Impressora"),
         &FormRelatAdministrativo::actConfImpressoraExecute);
    item(utilitarios, QStringLiteral("Formatar Descrição do DCB"),
         &FormRelatAdministrativo::FormatarDescrioDCB1Click);
    item(nullptr, QStringLiteral("Sair"), &FormRelatAdministrativo::actSairExecute);

    auto* pm1 = new QMenu(&window);
    pm1->setObjectName(QStringLiteral("pm1"));
    QObject::connect(pm1->addAction(QStringLiteral("Mostrar Livro")), &QAction::triggered, &window,
                     &FormRelatAdministrativo::LivroOficial1Click);
    return pm1;
}

void buildActionList(FormRelatAdministrativo& window) {
    // acl1: the action list with its 24x24 pictures; no control is bound to it.
    struct Def {
        const char* name;
        QString caption;
        const char* icon;
        void (FormRelatAdministrativo::*slot)();
    };
    const Def defs[] = {
        {"actConfCad", QStringLiteral("Dados Cadastrais"), ":/icons/dados.svg",
         &FormRelatAdministrativo::actConfCadExecute},
        {"actInconsistencias", QStringLiteral("Inconsistências"), ":/icons/inconsistencias.svg",
         &FormRelatAdministrativo::actInconsistenciasExecute},
        {"actPrepararLivro", QStringLiteral("Preparar Livro"), ":/icons/livro.svg",
         &FormRelatAdministrativo::actPrepararLivroExecute},
        {"actSair", QStringLiteral("Sair"), ":/icons/sair.svg",
         &FormRelatAdministrativo::actSairExecute},
        {"actConfImpressora", QStringLiteral("Config. Impressora"), ":/icons/impressora.svg",
         &FormRelatAdministrativo::actConfImpressoraExecute},
    };
    auto* acl1 = new QActionGroup(&window);
    acl1->setObjectName(QStringLiteral("acl1"));
    acl1->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const Def& d : defs) {
        auto* a = new QAction(QIcon(QString::fromLatin1(d.icon)), d.caption, acl1);
        a->setObjectName(QString::fromLatin1(d.name));
        QObject::connect(a, &QAction::triggered, &window, d.slot);
    }
}

} // namespace rmnra::ui
