// quillmere-toolbar-art OUT.BMP: draws the toolbar's pictures and writes the bitmap
// that res/quillmere.rc compiles into the program.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/toolbar_art/toolbar_bitmap.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quillmere-toolbar-art OUT.BMP\n";
        return 2;
    }
    const auto bytes = qm::toolbar_art::toolbarBitmapFile();
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "quillmere-toolbar-art: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
