// Writes the page's generated files from the dialog description:
//   make_page BASE_CSS PHONE_CSS SCRIPT WORKER SITE_DIR FONT_REQUEST WORKER_OUT HOST_FILE
// index.html with its stylesheet inside (BASE_CSS and PHONE_CSS among the
// generated rules) and its result box showing the first calculation, the
// manifest and the script (SCRIPT) go to SITE_DIR under the names of
// site_files.h; the service worker's template (WORKER), made compact like the
// stylesheet and the script, to WORKER_OUT; FONT_REQUEST gets the stand-in
// font's face on its first line and every text the page shows after it, for
// the font subset; HOST_FILE, as JSON, what a server of the site needs: the
// Content-Security-Policy to send, and the size of the window the page fills.
// Both policies still lack the stylesheet's hash (fill_style_hash.py).
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/dialog_units.h"
#include "app/web/page/page_compact.h"
#include "app/web/page/page_controls.h"
#include "app/web/page/page_first_result.h"
#include "app/web/page/page_frame.h"
#include "app/web/page/page_json.h"
#include "app/web/page/page_manifest.h"
#include "app/web/page/page_markup.h"
#include "app/web/page/page_style.h"
#include "app/web/page/page_texts.h"
#include "site_files.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (text.str().empty()) std::cerr << "make_page: cannot read " << path << '\n';
    return text.str();
}

bool WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) std::cerr << "make_page: cannot write " << path << '\n';
    return static_cast<bool>(out);
}

template <typename Writer, typename... Inputs>
std::string Written(Writer write, const Inputs&... inputs)
{
    std::ostringstream out;
    write(out, inputs...);
    return out.str();
}

// The script with the names of the elements it works on written in from the
// description where it names them: %BOX_NUMBER% (the input boxes' number
// attribute), %CALCULATE% (the control whose command is the calculation) and
// %RESULT% (the box past the input boxes).
std::string FilledScript(std::string script)
{
    const CommandDescription<char>* calculate = nullptr;
    for (const CommandDescription<char>& command : kCommands) {
        if (command.kind == CommandKind::Calculate) calculate = &command;
    }
    const std::pair<std::string, std::string> names[] = {
        {"%BOX_NUMBER%", kBoxNumberAttribute},
        {"%CALCULATE%", ControlOf(calculate->id).name},
        {"%RESULT%", ControlOf(kBoxes[kInputBoxes].id).name},
    };
    for (const auto& [token, name] : names) {
        for (std::size_t at = script.find(token); at != std::string::npos;
             at = script.find(token, at + name.size()))
            script.replace(at, token.size(), name);
    }
    return script;
}

Json HostFacts()
{
    const Json window =
        JsonArray({std::to_string(kViewportWidth), std::to_string(kViewportHeight)});
    return JsonObject(
               {{"policy", JsonString(HeaderSecurityPolicy())}, {"window", window}}) +
           '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 9) {
        std::cerr << "usage: make_page BASE_CSS PHONE_CSS SCRIPT WORKER SITE_DIR FONT_REQUEST "
                     "WORKER_OUT HOST_FILE\n";
        return 2;
    }
    const std::string baseRules = ReadFile(argv[1]), phoneRules = ReadFile(argv[2]);
    const std::string script = ReadFile(argv[3]), worker = ReadFile(argv[4]);
    const std::string site = std::string(argv[5]) + '/', firstResult = FirstResultText();
    if (baseRules.empty() || phoneRules.empty() || script.empty() || worker.empty() ||
        firstResult.empty())
        return 1;
    const std::string stylesheet = Written(WriteStylesheet, baseRules, phoneRules);
    const std::pair<std::string, std::string> files[] = {
        {site + kIndexFile, Written(WriteIndexHtml, stylesheet, firstResult)},
        {site + kManifestFile, Written(WriteManifest)},
        {site + kScriptFile, Compact(FilledScript(script))},
        {argv[6], kStandInFontFamily + ('\n' + ShownText())},
        {argv[7], Compact(worker)},
        {argv[8], HostFacts()},
    };
    for (const auto& [path, text] : files) {
        if (!WriteFile(path, text)) return 1;
    }
    return 0;
}
