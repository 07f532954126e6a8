// Running programs of the Linux host (xdotool, ImageMagick) from inside Wine.
#pragma once

#include <string>
#include <vector>

namespace e2e {

struct HostResult {
    bool finished;       // false: it did not end within the time allowed
    int status;          // the program's exit status
    std::string output;  // what it wrote to stdout and stderr
};

// Runs argv[0] (found on the host's PATH) with the other arguments and waits
// for it to end; it is stopped if it runs longer than timeoutMs.
HostResult RunOnHost(const std::vector<std::string>& argv, unsigned timeoutMs = 20000);

// The Windows name under which this Wine prefix sees a host path.
std::wstring DosPathOf(const std::string& unixPath);

// UTF-8 made UTF-16.
std::wstring Widened(const std::string& text);

}  // namespace e2e
