#include "ProgressPanel.h"

#include "Gauge.h"
#include "ui/Colours.h"
#include "ui/TitleBar.h"

#include <QLabel>

namespace rmnra::ui {

namespace {
constexpr int kTitleHeight = 20;
constexpr int kLabelHeight = 34;
constexpr int kMargin = 6;
} // namespace

ProgressPanel::ProgressPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PainelTermometro"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    useFaceColour(this);
    title_ = makeTitleBar(QStringLiteral("Progresso"), this);
    gauge_ = new Gauge(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    label_->setFont(arialFont(8, true));
    hide();
}

void ProgressPanel::resizeEvent(QResizeEvent*) {
    const int w = width(), h = height();
    title_->setGeometry(2, 2, w - 4, kTitleHeight);
    const int gaugeTop = 2 + kTitleHeight + kMargin;
    const int gaugeHeight = std::max(0, h - gaugeTop - kLabelHeight - kMargin);
    gauge_->setGeometry(kMargin, gaugeTop, w - 2 * kMargin, gaugeHeight);
    label_->setGeometry(kMargin, h - kLabelHeight - 2, w - 2 * kMargin, kLabelHeight);
}

} // namespace rmnra::ui
