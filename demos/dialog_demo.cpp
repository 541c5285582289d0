// Shows one of the program's boxes until the main window can show them itself:
//   dialog_demo help [n]     the help box of text lines 514 + 2n / 515 + 2n (n 0 to 4)
//   dialog_demo question     the aerodrome question (code 2, "Skip")
//   dialog_demo farewell     the farewell box through the orderly end of the program
// Run it from the folder holding vdats.tst and m8.gif (the build folder).
// "--quit-after <ms>" closes the box by itself.
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/builtin_texts.h"
#include "startup/data_file.h"
#include "toolkit/skin.h"
#include "window/avbox.h"
#include "window/avcalc1.h"
#include "window/message_dialog.h"
#include "window/shutdown.h"

using namespace AvcalcMod;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::Initialise();

    PrepareGlobals();  // as the start-up sequence does

    std::string what = argc > 1 ? argv[1] : "help";
    int helpPair = 3;
    for (int k = 1; k + 1 < argc; ++k) {
        if (std::strcmp(argv[k], "--quit-after") == 0) {
            const int ms = std::atoi(argv[k + 1]);
            QTimer::singleShot(ms, &app, []() { UnloadForm(&TheBox()); });
        }
    }
    if (what == "help" && argc > 2 && argv[2][0] >= '0' && argv[2][0] <= '4')
        helpPair = argv[2][0] - '0';

    if (what == "farewell") {
        ShutDown();  // ends the process
    } else if (what == "question") {
        ShowMessageDialog(TextLines[308], TextLines[309], 2);
    } else {
        const auto line = static_cast<std::size_t>(514 + 2 * helpPair);
        ShowMessageDialog(TextLines[line], TextLines[line + 1], 6);
    }
    DialogResult = 0;
    EndProgram();  // the same quiet end as the program's
    return 0;
}
