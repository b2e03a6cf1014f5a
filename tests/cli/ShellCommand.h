#pragma once
// Running a shell command from a test: its exit code and everything it
// printed (stdout and stderr together), for the checks of ruvek-cli and of
// the PDF tools that read its output.
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace ruvek::test {

struct Output {
    int exitCode = -1;
    std::string text;
};

inline Output run(const std::string& command)
{
    Output out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buf{};
    while (const std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        out.text.append(buf.data(), n);
    const int status = pclose(pipe);
    out.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

// A path or word in single quotes for the shell.
inline std::string shellQuoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// Whether a tool (pdftotext, pdffonts, ...) is installed.
inline bool haveTool(const std::string& tool) { return run("command -v " + tool).exitCode == 0; }

} // namespace ruvek::test
