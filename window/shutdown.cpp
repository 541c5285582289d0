#include "window/shutdown.h"

#include <vector>

#include "common/shared_routines.h"
#include "platform/form.h"
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"
#include "window/message_dialog.h"

namespace AvcalcMod {

namespace {

enum class Stage { Running, Farewell, Ended };
Stage stage = Stage::Running;

std::function<void()>& EndHook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void SetEndProgramHook(std::function<void()> hook) {
    EndHook() = std::move(hook);
}

void ResetShutDown() {
    stage = Stage::Running;
}

void EndProgram() {
    if (EndHook()) {
        EndHook()();
        return;
    }
    platform::EndProcess();
}

void ShutDown() {
    // Only reached again when the end hook returned (tests): the first entry resuming
    // after its farewell box must not take the program down a second time.
    if (stage == Stage::Ended) return;
    if (stage == Stage::Running) {
        CloseAllFiles();
        stage = Stage::Farewell;
        ShowMessageDialog(JoinLines(Line::FarewellFirst, Line::FarewellLast), FarewellTitle, 0);
        if (stage == Stage::Ended) return;
    }
    // The second entry (a click on the farewell text) comes here with the box still up.
    const std::vector<platform::Form*> loaded = platform::Forms();
    for (platform::Form* window : loaded) {
        window->Hide();
        window->Unload(platform::UnloadFromCode);
    }
    CurrentForm = nullptr;
    stage = Stage::Ended;
    EndProgram();
}

}  // namespace AvcalcMod
