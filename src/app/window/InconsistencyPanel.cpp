#include "InconsistencyPanel.h"

#include "ui/Colours.h"
#include "ui/QtText.h"
#include "ui/TitleBar.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace rmnra::ui {

namespace {
constexpr int kTitleHeight = 20;
constexpr int kButtonHeight = 28;
constexpr int kBevel = 4;
} // namespace

InconsistencyPanel::InconsistencyPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnl1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kSilver);
    setPalette(p);

    pnl2_ = makeTitleBar(QStringLiteral("Inconsistências Encontradas"), this);
    pnl2_->setObjectName(QStringLiteral("pnl2"));

    mmo1_ = new QPlainTextEdit(this);
    mmo1_->setObjectName(QStringLiteral("mmo1"));
    mmo1_->setFrameStyle(QFrame::NoFrame);
    mmo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmo1_->setFont(QFont(QStringLiteral("Courier New"), 9));
    mmo1_->setContextMenuPolicy(Qt::CustomContextMenu);

    pm2_ = new QMenu(this);
    pm2_->setObjectName(QStringLiteral("pm2"));
    correction_ = pm2_->addAction(QStringLiteral("Acertar Qde. Caps. Prescrita"));
    correction_->setObjectName(QStringLiteral("AcertarInconsistncias1"));
    connect(correction_, &QAction::triggered, this, &InconsistencyPanel::correctionRequested);
    connect(mmo1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pm2_->popup(mmo1_->viewport()->mapToGlobal(at)); });

    btn2_ = new QPushButton(QStringLiteral("Fechar - tela de inconsistências"), this);
    btn2_->setObjectName(QStringLiteral("btn2"));
    btn2_->setAutoDefault(true);
    // Closing only hides: the text stays until the panel is next opened.
    connect(btn2_, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void InconsistencyPanel::showReport(const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& line : lines)
        text << toQString(line);
    mmo1_->setPlainText(text.join(QLatin1Char('\n')));
    setGeometry(141, 15, 537, 442);
    show();
    raise();
    mmo1_->setFocus();
}

void InconsistencyPanel::resizeEvent(QResizeEvent*) {
    const int w = width() - 2 * kBevel, h = height() - 2 * kBevel;
    pnl2_->setGeometry(kBevel, kBevel, w, kTitleHeight);
    const int textTop = kBevel + kTitleHeight;
    mmo1_->setGeometry(kBevel, textTop, w, h - kTitleHeight - kButtonHeight);
    btn2_->setGeometry(kBevel, kBevel + h - kButtonHeight, w, kButtonHeight);
}

} // namespace rmnra::ui
