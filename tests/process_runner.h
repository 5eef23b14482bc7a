// Runs a program of the build as a separate process, with its standard input
// taken from bytes and its standard output and error captured, and reports how
// it ended. The program is looked up next to the test executable.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    long peakMemoryKiB = -1;   // largest resident set of the child, where the platform tells
};

// Standard input is read from a file, so inputs of any size cost no memory here.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdinFile);

// A file in the test's temporary directory, with the given content.
std::string WriteTempFile(const std::string& name, const std::string& content);
std::string TempPath(const std::string& name);
