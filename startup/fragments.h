// The fragment constant: entry i of the fragment table is the two characters at
// 1-based positions 2i and 2i + 1; the first character belongs to no entry.
// Generated for data/texts.txt by `build_vdats --suggest-fragments`.
#pragma once

namespace AvcalcMod {

inline constexpr char FragmentConstant[] =
    "*e tid  terin##deon##anorroeeresp  rut  C p: enaratssalckitm"
    "po urirodt)y codig g)helis (k, adetfinaoutrtu = A Hcuf ghhil"
    "alendt- b i k(fAlDeLoQuche)eyiak menep stteumut ( - M N O P "
    "S T a c f s w%)&-&A&o&p&s&w(r-c/SCoDiEnGSHeIDIsOuSeTrUpXcaga"
    "xboclesgeglgrhaidiplplum m&nwsesot?thtsyp##############";

static_assert(sizeof(FragmentConstant) - 1 == 295, "the fragment constant has 295 characters");

}  // namespace AvcalcMod
