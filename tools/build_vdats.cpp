// Builds data/vdats.tst from data/texts.txt and the aerodrome list, then proves it.
//
//   build_vdats [TEXTS AERODROMES OUT]          write OUT and verify it
//   build_vdats --check [TEXTS AERODROMES OUT]  exit 1 unless OUT is what would be written
//   build_vdats --suggest-fragments TEXTS       print a fragment constant for the texts
//
// Without the three paths it works on data/texts.txt, data/aerodromes.csv and
// data/vdats.tst, as seen from the top of the repository.
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>

#include "tools/packing.h"

namespace {
bool ReadFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    content = s.str();
    return true;
}

// Reads a source file and parses it; says on stderr what went wrong and gives nothing
// when either fails.
template <typename Parse>
auto ReadAndParse(const std::string& path, Parse parse)
    -> decltype(parse(std::declval<const std::string&>(), std::declval<std::string&>())) {
    std::string content, error;
    if (!ReadFile(path, content)) {
        std::cerr << "cannot read " << path << "\n";
        return std::nullopt;
    }
    auto parsed = parse(content, error);
    if (!parsed) std::cerr << path << ": " << error << "\n";
    return parsed;
}

int Usage() {
    std::cerr << "usage: build_vdats [--check] [TEXTS AERODROMES OUT]\n"
                 "       build_vdats --suggest-fragments TEXTS\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool check = !args.empty() && args[0] == "--check";
    bool suggest = !args.empty() && args[0] == "--suggest-fragments";
    if (check || suggest) args.erase(args.begin());
    if (!suggest && args.empty())
        args = {"data/texts.txt", "data/aerodromes.csv", "data/vdats.tst"};
    if (args.size() != (suggest ? 1U : 3U)) return Usage();

    std::string error;
    const auto texts = ReadAndParse(args[0], builder::ParseTexts);
    if (!texts) return 1;
    if (suggest) {
        std::cout << builder::SuggestFragmentConstant(*texts) << "\n";
        return 0;
    }
    const auto aerodromes = ReadAndParse(args[1], builder::ParseAerodromes);
    if (!aerodromes) return 1;
    auto file = builder::BuildDataFile(*texts, *aerodromes, error);
    if (!file) {
        std::cerr << error << "\n";
        return 1;
    }
    if (check) {
        std::string existing;
        if (!ReadFile(args[2], existing) || existing != *file) {
            std::cerr << args[2] << " is not current: run build_vdats to rebuild it\n";
            return 1;
        }
        std::cout << args[2] << " is current\n";
        return 0;
    }
    {
        std::ofstream out(args[2], std::ios::binary | std::ios::trunc);
        out << *file;
        if (!out) {
            std::cerr << "cannot write " << args[2] << "\n";
            return 1;
        }
    }
    std::string problems = builder::VerifyDataFile(args[2], *texts, *aerodromes);
    if (!problems.empty()) {
        std::cerr << "the written file does not read back:\n" << problems;
        return 1;
    }
    std::cout << "wrote " << args[2] << ": " << file->size() << " bytes, 565 text lines, "
              << aerodromes->size() << " aerodromes; read back and verified\n";
    return 0;
}
