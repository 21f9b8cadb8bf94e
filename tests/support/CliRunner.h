#pragma once

#include "cli/Cli.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tallar::test {

// Runs tallar2-cli in-process with the given arguments and standard input.
struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
};

inline CliResult runCli(const std::vector<std::string>& args, const std::string& input = "") {
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    CliResult result;
    result.code = cli::run(args, out, err, in);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// Runs a program as a process through the shell; returns its exit code and output.
inline CliResult runProcess(const std::string& commandLine) {
    CliResult result;
    char errTemplate[] = "/tmp/tallar2-test-stderr-XXXXXX";
    const int errFd = mkstemp(errTemplate);
    if (errFd < 0)
        return result;
    close(errFd);
    const std::string errFile = errTemplate;
    FILE* pipe = popen((commandLine + " 2>" + errFile).c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* err = fopen(errFile.c_str(), "r")) {
        while ((n = fread(buffer, 1, sizeof buffer, err)) > 0)
            result.err.append(buffer, n);
        fclose(err);
    }
    std::remove(errFile.c_str());
    return result;
}

} // namespace tallar::test
