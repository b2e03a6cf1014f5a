#include "support/CliRunner.h"

#include "support/TestPaths.h"

#include <array>
#include <cerrno>
#include <cstdio>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ruvek::test {
namespace {

int exitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

} // namespace

CliResult runProgram(const std::filesystem::path& program, const std::string& args)
{
    CliResult result;
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0)
        return result;
    if (pipe(errPipe) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return result;
    }
    const std::string command = shellQuoted(program) + " " + args;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        close(outPipe[0]);
        close(outPipe[1]);
        close(errPipe[0]);
        close(errPipe[1]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    if (pid < 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        return result;
    }
    // Both pipes are read as the program writes, so neither can fill up and
    // stop it.
    std::array<pollfd, 2> fds {{{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}}};
    std::array<std::string*, 2> sinks {&result.out, &result.err};
    int openPipes = 2;
    std::array<char, 4096> buf {};
    while (openPipes > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t n = read(fds[i].fd, buf.data(), buf.size());
            if (n > 0) {
                sinks[i]->append(buf.data(), static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --openPipes;
            }
        }
    }
    for (const pollfd& p : fds)
        if (p.fd >= 0)
            close(p.fd);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    result.exitCode = exitCodeOf(status);
    return result;
}

CliResult runCli(const std::string& args) { return runProgram(RUVEK_CLI, args); }

Output run(const std::string& command)
{
    Output out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buf {};
    while (const std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        out.text.append(buf.data(), n);
    out.exitCode = exitCodeOf(pclose(pipe));
    return out;
}

std::string shellQuoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

bool haveTool(const std::string& tool) { return run("command -v " + tool).exitCode == 0; }

} // namespace ruvek::test
