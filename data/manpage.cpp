// Writes the man page at build time: the template with its options marker replaced by the
// options section made from the program's own option table.
//   wayfolder_manpage TEMPLATE OUTPUT

#include "core/cli/programoptions.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: wayfolder_manpage TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream page;
    page << in.rdbuf();
    std::string text = page.str();
    const std::string marker = ".\\\" OPTIONS\n";
    const auto at = text.find(marker);
    if (!in || at == std::string::npos) {
        std::cerr << argv[1] << ": no line \"" << marker.substr(0, marker.size() - 1) << "\"\n";
        return 1;
    }
    text.replace(at, marker.size(), ManPageOptions().toStdString());
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << text;
    return out.flush() ? 0 : 1;
}
