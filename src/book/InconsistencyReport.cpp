#include "InconsistencyReport.h"

#include "common/SuiteFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rmnra {
namespace {

// Reads a whole decimal integer (optional sign); the text unchanged when it is no number.
std::string asInteger(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size() || text.size() - i > 18)
        return text;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return text;
        value = value * 10 + (text[i] - '0');
    }
    return std::to_string(negative ? -value : value);
}

} // namespace

InconsistencyReport::InconsistencyReport(Date today) : today_(today) {
    lines_ = {"RELAT\xD3RIO DE ERROS DE CONSIST\xCANCIA", std::string(34, '='), "  "};
}

std::string InconsistencyReport::problemLine(const BookRow& row, const std::string& label,
                                             const std::string& remainder) {
    return row.ESTACAO + "." + asInteger(row.NPEDIDO) + "." + asInteger(row.NFORMULA) + " \"" +
           label + "\" " + remainder;
}

void InconsistencyReport::add(const BookRow& row, const char* label, const char* remainder) {
    lines_.push_back(problemLine(row, label, remainder));
    ++errors_;
}

int InconsistencyReport::check(const BookRow& row) {
    const int before = errors_;
    if (row.DCB.empty())
        add(row, "DCB", "n\xE3o encontrado");
    if (row.DESCRICAO.empty())
        add(row, "Descri\xE7\xE3o", "n\xE3o encontrada");
    if (row.MEDICAMENTO.empty())
        add(row, "Medicamento", "n\xE3o encontrado");
    if (row.APRESENTACAO.empty())
        add(row, "Apresenta\xE7\xE3o", "n\xE3o encontrada");
    if (row.NUMERONOTIFICACAO.empty())
        add(row, "N\xBA Notifica\xE7\xE3o", "n\xE3o encontrado");
    if (row.DATA && *row.DATA > today_)
        add(row, "Data Prescri\xE7\xE3o", "maior que a data atual.");
    if (!row.DATA)
        add(row, "Data Prescri\xE7\xE3o", "n\xE3o informada.");
    if (row.MEDICO.empty())
        add(row,
            "M\xE9"
            "dico",
            "n\xE3o encontrado");
    if (row.CRM.empty())
        add(row, "CRM", "n\xE3o encontrado");
    if (!row.QDE_PRESCRICAO.empty() && row.QDE_PRESCRICAO[0] == '0')
        add(row, "Qde. Prescrita", "n\xE3o encontrada");
    if (!row.QDE_DISPENSADA.empty() && row.QDE_DISPENSADA[0] == '0')
        add(row, "Qde. Dispensada", "n\xE3o encontrada");
    return errors_ - before;
}

std::string inconsistencyReportPath() {
    return suiteFolder() + "DM.RMNRA.TXT";
}

void writeReportFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    // Written whole beside the file and then renamed over it: a full disk leaves the earlier
    // report as it was instead of a cut one that reads as complete.
    const std::string temporary = path + ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close(); // the buffered bytes reach the disk here, and may not fit
    }
    std::error_code renameError;
    if (out)
        std::filesystem::rename(temporary, path, renameError);
    if (!out || renameError) {
        const int error = renameError ? renameError.value() : errno;
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw std::runtime_error("N\xE3o foi poss\xEDvel gravar o arquivo \"" + path +
                                 "\": " + std::strerror(error));
    }
}

std::vector<std::string> readReportFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("N\xE3o foi poss\xEDvel ler o arquivo \"" + path +
                                 "\": " + std::strerror(errno));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace rmnra
