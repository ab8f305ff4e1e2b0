#pragma once

#include "common/FileIO.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace qx::test {

inline std::string FileText(const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> bytes = ReadWholeFile(file);
    return std::string(bytes.begin(), bytes.end());
}

// What a run of quiltix-cli gave back; ExitCode is -1 where it did not exit
// normally.
struct CliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
    // Out line by line, without the line ends.
    std::vector<std::string> Lines;
};

// The text in single quotes, one word for the shell; it must hold no single
// quote itself.
inline std::string ShellQuoted(const std::string& text)
{
    return "'" + text + "'";
}

// Runs quiltix-cli with the shell words `arguments` from `folder`, which
// also takes the captured stdout.txt and stderr.txt.
inline CliRun RunCli(const std::filesystem::path& folder, const std::string& arguments)
{
    const std::filesystem::path out = folder / "stdout.txt";
    const std::filesystem::path err = folder / "stderr.txt";
    const std::string command = "cd " + ShellQuoted(folder.string()) + " && " + ShellQuoted(QX_CLI_PATH) + " " +
                                arguments + " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string());
    const int status = std::system(command.c_str());
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(out), FileText(err), {}};
    std::istringstream lines(run.Out);
    for (std::string line; std::getline(lines, line);)
        run.Lines.push_back(line);
    return run;
}

} // namespace qx::test
