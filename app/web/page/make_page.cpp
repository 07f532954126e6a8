// Writes the page's generated files from the dialog description:
//   make_page BASE_CSS OUTPUT_DIR CHARACTERS_FILE
// index.html, quorvel.css and manifest.webmanifest go to OUTPUT_DIR; the
// characters file lists every text the page shows, for the font subset.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/web/page/page_manifest.h"
#include "app/web/page/page_markup.h"
#include "app/web/page/page_style.h"
#include "app/web/page/page_texts.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

template <typename Writer>
bool WriteFile(const std::string& path, Writer write)
{
    std::ofstream out(path, std::ios::binary);
    write(out);
    out.close();
    if (out) return true;
    std::cerr << "make_page: cannot write " << path << '\n';
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: make_page BASE_CSS OUTPUT_DIR CHARACTERS_FILE\n";
        return 2;
    }
    const std::string baseRules = ReadFile(argv[1]);
    const std::string dir = argv[2];
    if (baseRules.empty()) {
        std::cerr << "make_page: cannot read " << argv[1] << '\n';
        return 1;
    }
    const bool written = WriteFile(dir + "/index.html", WriteIndexHtml) &&
                         WriteFile(dir + "/quorvel.css",
                                   [&](std::ostream& out) { WriteStylesheet(out, baseRules); }) &&
                         WriteFile(dir + "/manifest.webmanifest", WriteManifest) &&
                         WriteFile(argv[3], [](std::ostream& out) { out << ShownText(); });
    return written ? 0 : 1;
}
