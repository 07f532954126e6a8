#include "host_command.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "timing.h"

namespace e2e {
namespace {

// Wine starts a host program when asked to create a process from an ELF file,
// but hands back no process handle to wait on. So the program runs under a
// shell that writes its exit status into a file once it ends; the file
// appears whole (written aside, then renamed) and is polled for.
constexpr const char* kReportingShell =
    "s=$1; shift; \"$@\" >\"$s.out\" 2>&1; echo $? >\"$s.tmp\"; mv \"$s.tmp\" \"$s\"";

// Quotes one argument by the rules the command line is split with again
// (backslashes are literal unless they precede a quote).
std::wstring Quoted(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') backslashes = backslashes * 2 + 1;
        out.append(backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

std::string StatusFileName()
{
    static int serial = 0;
    std::ostringstream name;
    name << QUORVEL_E2E_WORK_DIR << "/host-" << GetCurrentProcessId() << "-" << ++serial;
    return name.str();
}

bool Launch(const std::vector<std::string>& argv, const std::string& statusFile, unsigned timeoutMs)
{
    // timeout(1) makes sure the program does not outlive the wait for it.
    std::wstring line = L"/bin/sh -c " + Quoted(Widened(kReportingShell)) + L" sh " +
                        Quoted(Widened(statusFile)) + L" timeout " +
                        std::to_wstring((timeoutMs + 999) / 1000);
    for (const std::string& arg : argv) line += L" " + Quoted(Widened(arg));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    return true;
}

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::wstring Widened(const std::string& text)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

std::wstring DosPathOf(const std::string& unixPath)
{
    using ToDos = WCHAR*(CDECL*)(const char*);
    auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!toDos) return L"";
    WCHAR* dos = toDos(unixPath.c_str());
    if (!dos) return L"";
    std::wstring path = dos;
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

HostResult RunOnHost(const std::vector<std::string>& argv, unsigned timeoutMs)
{
    const std::string statusFile = StatusFileName();
    const std::wstring status = DosPathOf(statusFile);
    const std::wstring output = DosPathOf(statusFile + ".out");
    if (status.empty() || !Launch(argv, statusFile, timeoutMs))
        return {false, -1, "could not start"};
    // A little longer than timeout(1) waits, so that its verdict is read.
    bool finished = PollUntil(timeoutMs + 2000, [&] {
        return GetFileAttributesW(status.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
    HostResult result{finished, -1, ReadAll(output)};
    if (finished) result.status = std::stoi("0" + ReadAll(status));
    DeleteFileW(status.c_str());
    DeleteFileW(output.c_str());
    return result;
}

}  // namespace e2e
