#include "DefaultProject.h"

#include "QtText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <stdexcept>

static void initReportResources() {
    Q_INIT_RESOURCE(reports);
}

namespace rmnra {

QByteArray defaultReportProject() {
    initReportResources();
    QFile file(QStringLiteral(":/rmnra/reports/rptRMNRA.xml"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Projeto de relat\xF3rios padr\xE3o ausente do programa");
    return file.readAll();
}

bool installDefaultReportProject(const std::string& rptFolder, bool overwrite) {
    QDir dir(QFile::decodeName(rptFolder.c_str()));
    QString path = dir.absoluteFilePath(QStringLiteral("rptRMNRA.xml"));
    if (QFile::exists(path) && !overwrite)
        return false;
    auto failure = [&](const QString& why) {
        return std::runtime_error(
            fromQString(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(path, why)));
    };
    if (!dir.mkpath(QStringLiteral(".")))
        throw failure(QStringLiteral("a pasta não pôde ser criada"));
    QByteArray bytes = defaultReportProject();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw failure(file.errorString());
    return true;
}

} // namespace rmnra
