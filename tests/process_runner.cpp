#include "process_runner.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string DirectoryOfThisExecutable()
{
#ifdef _WIN32
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path, length);
#else
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    std::string text(path, length > 0 ? static_cast<std::size_t>(length) : 0);
#endif
    return text.substr(0, text.find_last_of("/\\") + 1);
}

}  // namespace

std::string TempPath(const std::string& name)
{
#ifdef _WIN32
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "quenzel_test_" + std::to_string(GetCurrentProcessId()) + "_" + name;
#else
    return "/tmp/quenzel_test_" + std::to_string(getpid()) + "_" + name;
#endif
}

std::string WriteTempFile(const std::string& name, const std::string& content)
{
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

#ifdef _WIN32

namespace {

// Quotes one argument the way the C runtime's command-line parser reads it back.
std::string Quote(const std::string& arg)
{
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++backslashes;
        } else if (c == '"') {
            out.append(backslashes * 2 + 1, '\\');
            backslashes = 0;
        } else {
            backslashes = 0;
        }
        out += c;
    }
    out.append(backslashes, '\\');
    return out + "\"";
}

HANDLE OpenInherited(const std::string& path, bool forWriting)
{
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, TRUE};
    return CreateFileA(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, &security,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdinFile)
{
    const std::string executable = DirectoryOfThisExecutable() + program + ".exe";
    std::string commandLine = Quote(executable);
    for (const std::string& arg : args) commandLine += " " + Quote(arg);

    const std::string outPath = TempPath("stdout");
    const std::string errPath = TempPath("stderr");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = OpenInherited(stdinFile, false);
    startup.hStdOutput = OpenInherited(outPath, true);
    startup.hStdError = OpenInherited(errPath, true);

    ProcessResult result;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, 120000) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 124);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        result.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdInput);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

#else

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdinFile)
{
    const std::string executable = DirectoryOfThisExecutable() + program;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(executable.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const std::string outPath = TempPath("stdout");
    const std::string errPath = TempPath("stderr");
    ProcessResult result;
    // fork rather than posix_spawn: a child that shares our memory until exec would
    // report our peak memory as its own.
    const pid_t child = fork();
    if (child == 0) {
        const int in = open(stdinFile.c_str(), O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        execv(executable.c_str(), argv.data());
        _exit(127);
    }
    if (child > 0) {
        int status = 0;
        rusage usage = {};
        wait4(child, &status, 0, &usage);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.peakMemoryKiB = usage.ru_maxrss;
    }
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

#endif
