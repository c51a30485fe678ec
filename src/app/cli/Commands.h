#pragma once

#include <string>
#include <vector>

// Each subcommand lives in a file of its own; CommandLine.cpp lists them.
namespace rmnra::cli {
int runSettings(const std::vector<std::string>& args);
int runEncode(const std::vector<std::string>& args);
int runCreateSuite(const std::vector<std::string>& args);
int runLogin(const std::vector<std::string>& args);
int runPrepare(const std::vector<std::string>& args);
int runBook(const std::vector<std::string>& args);
int runCorrect(const std::vector<std::string>& args);
int runFormatDcb(const std::vector<std::string>& args);
} // namespace rmnra::cli
