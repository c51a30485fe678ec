#pragma once

#include "ReportModel.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace rmnra {

// A project file that cannot be read or is not a valid report project. The message is
// Windows-1252 and names the file (full path) and, for a broken file, the line and column.
class ReportLoadError : public std::runtime_error {
public:
    ReportLoadError(const std::string& message, const QString& file, qint64 line, qint64 column)
        : std::runtime_error(message), file_(file), line_(line), column_(column) {}
    const QString& file() const { return file_; }
    qint64 line() const { return line_; } // 0 when the file could not be read at all
    qint64 column() const { return column_; }

private:
    QString file_;
    qint64 line_;
    qint64 column_;
};

// Reads a report project file (UTF-8 XML).
ReportProject loadReportProject(const QString& path);
// Parses project text; `fileName` only names the source in error messages.
ReportProject parseReportProject(const QByteArray& xml, const QString& fileName);

} // namespace rmnra
