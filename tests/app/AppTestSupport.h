#pragma once

#include "support/QuietUserInterface.h"
#include "ui/MessageSink.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace rmnra::test {

// Records every box instead of opening it; questions get the prepared answer.
class RecordingSink : public ui::MessageSink {
public:
    RecordingSink() { ui::setMessageSink(this); }
    ~RecordingSink() override { ui::setMessageSink(nullptr); }

    void information(QWidget*, const QString& text) override {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    bool question(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    void error(QWidget*, const ui::ErrorReportView& report) override { errors.push_back(report); }

    QStringList messages;
    QStringList questions;
    std::vector<ui::ErrorReportView> errors;
    bool answer = true;
    std::function<void(const QString&)> onMessage;
};

// Records what a lower layer tells the user.
class RecordingUserInterface : public QuietUserInterface {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showInconsistencies(const std::vector<std::string>& lines) override {
        inconsistencies = lines;
    }
    void runReport(const std::string& name, const ReportData&) override { reports.push_back(name); }

    std::vector<std::string> messages;
    std::vector<std::string> inconsistencies;
    std::vector<std::string> reports;
};

} // namespace rmnra::test
