// Until the main window exists the program starts as a small reporter: it reads the
// data file as the start-up sequence does and says what it found.
#include <iostream>

#include "startup/avcalc_mod.h"
#include "startup/data_file.h"

int main() {
    using namespace AvcalcMod;
    BuildFragmentTable();
    ReadTextSection();
    int filled = 0;
    for (int n = 1; n <= TextLineCount; ++n)
        filled += TextLines[static_cast<std::size_t>(n)].empty() ? 0 : 1;
    std::cout << "Quenmar Aviation Calculator\n"
              << "vdats.tst: " << filled << " of " << TextLineCount << " text lines hold text\n"
              << "keypad: " << TextLines[211] << "\n"
              << "default title: " << TextLines[37] << "\n"
              << "colour 3: " << ColourTable[3] << ", colour 4: " << ColourTable[4] << "\n";
    return 0;
}
