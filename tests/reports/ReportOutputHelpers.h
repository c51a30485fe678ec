#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace rmnra::test {

// Text of a PDF as pdftotext (poppler-utils) reads it.
inline QString pdfText(const QString& path, bool layout = false) {
    QProcess p;
    QStringList args;
    if (layout)
        args << "-layout";
    args << path << "-";
    p.start("pdftotext", args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "pdftotext did not run";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfPageCount(const QString& path) {
    return pdfText(path).count(QChar(u'\f'));
}

} // namespace rmnra::test
