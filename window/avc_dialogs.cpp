// The boxes the main window opens: help on a right click, and the question asked for
// each match of an aerodrome search.
#include "startup/avcalc_mod.h"
#include "window/avc.h"

void avc::ShowHelp(const std::string&, const std::string&) {}

bool avc::AcceptMatch() {
    AvcalcMod::DialogResult = 1;
    return true;
}
