// mkhzk16 UNIFONT.hex HZK16: builds the 16x16 GB2312 dot-matrix font the name art is drawn
// with from GNU Unifont, since no HZK16 comes with the system.
#include "Hzk16Font.h"
#include "UnifontHex.h"
#include "generate/PageFile.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: mkhzk16 UNIFONT.hex HZK16\n";
        return 2;
    }
    std::ifstream hex(argv[1]);
    if (!hex) {
        std::cerr << "mkhzk16: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string font = buildHzk16(readUnifontHex(hex));
    // Written in one piece, like the page file, so a build that stops halfway leaves no
    // truncated font behind.
    std::string error;
    if (!writePageFile(argv[2], font, &error)) {
        std::cerr << "mkhzk16: " << error << "\n";
        return 1;
    }
    return 0;
}
