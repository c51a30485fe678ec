#include "ReportStatus.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace rmnra {

ReportStatus::ReportStatus(QWidget* parent, const QString& pattern)
    : dialog_(std::make_unique<QProgressDialog>(parent)), pattern_(pattern) {
    dialog_->setWindowTitle(QStringLiteral("Report Status"));
    dialog_->setCancelButton(nullptr);
    dialog_->setRange(0, 0);
    dialog_->setMinimumDuration(300);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
}

ReportStatus::~ReportStatus() = default;

void ReportStatus::page(int number) {
    dialog_->setLabelText(QString(pattern_).replace(QStringLiteral("%p"), QString::number(number)));
    dialog_->setValue(number);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace rmnra
