#include "ErrorDialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace rmnra::ui {

ErrorDialog::ErrorDialog(const ErrorReportView& report, QWidget* parent) : QDialog(parent) {
    setWindowTitle(applicationTitle());
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    auto* message = new QLabel(report.message, this);
    message->setWordWrap(true);
    message->setMinimumWidth(380);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);

    details_ = new QPlainTextEdit(report.details, this);
    details_->setReadOnly(true);
    details_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    details_->setMinimumSize(560, 240);
    details_->hide();

    detailsButton_ = new QPushButton(QStringLiteral("Detalhes >>"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(detailsButton_, &QPushButton::clicked, this, &ErrorDialog::toggleDetails);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(message, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(detailsButton_);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(details_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ErrorDialog::toggleDetails() {
    details_->setVisible(!details_->isVisible());
    detailsButton_->setText(details_->isVisible() ? QStringLiteral("Detalhes <<")
                                                  : QStringLiteral("Detalhes >>"));
}

} // namespace rmnra::ui
