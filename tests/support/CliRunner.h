#pragma once
// Running ruvek-cli and other programs from a test: the exit code and what
// the program printed, on stdout and stderr apart or together.
#include <filesystem>
#include <string>

namespace ruvek::test {

struct CliResult {
    int exitCode = -1; // -1: did not end normally (signal) or could not start
    std::string out;   // stdout
    std::string err;   // stderr
};

// Runs `program args` through the shell (`args` are shell words, quoted by
// the caller where needed) and collects stdout and stderr apart.
CliResult runProgram(const std::filesystem::path& program, const std::string& args);

// Runs the ruvek-cli of this build.
CliResult runCli(const std::string& args);

struct Output {
    int exitCode = -1;
    std::string text; // stdout and stderr together, in the order written
};

// Runs a shell command line; stdout and stderr are collected together.
Output run(const std::string& command);

// A path or word in single quotes for the shell.
std::string shellQuoted(const std::filesystem::path& p);

// Whether a tool (pdftotext, pdffonts, ...) is installed.
bool haveTool(const std::string& tool);

} // namespace ruvek::test
