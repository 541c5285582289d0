#include "startup/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <set>

#include "startup/avcalc_mod.h"
#include "startup/fragments.h"

namespace AvcalcMod {
namespace {
std::set<TextFile*>& OpenFiles() {
    static std::set<TextFile*> files;
    return files;
}
std::map<std::string, std::string>& MemoryFiles() {
    static std::map<std::string, std::string> files;
    return files;
}
}  // namespace

void SetMemoryFile(const std::string& name, std::string bytes) {
    MemoryFiles()[name] = std::move(bytes);
}

void RemoveMemoryFile(const std::string& name) {
    MemoryFiles().erase(name);
}

TextFile::~TextFile() {
    Close();
}

bool TextFile::Open(const std::string& path, std::size_t maxBytes) {
    Close();
    auto memory = MemoryFiles().find(path);
    if (memory != MemoryFiles().end())
        return memory->second.size() <= maxBytes && OpenMemory(memory->second);
    // Looked at before opening, so that no device is opened at all; looked at again once
    // open (the name may have been given to another file in between). Opened without
    // waiting, so that a FIFO put there in between cannot block it (reading a regular
    // file never waits, so the flag can stay).
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size < 0 ||
        static_cast<std::uint64_t>(opened.st_size) > maxBytes ||
        (file_ = ::fdopen(fd, "rb")) == nullptr) {
        ::close(fd);
        return false;
    }
    OpenFiles().insert(this);
    return true;
}

std::size_t TextFile::Read(char* out, std::size_t count) {
    return file_ == nullptr ? 0 : std::fread(out, 1, count, file_);
}

bool TextFile::OpenMemory(std::string_view bytes) {
    Close();
    // Read-only stream over the caller's bytes (fmemopen writes nothing in mode "r");
    // an empty view may have no data pointer, so it gets one of its own.
    static char none = 0;
    char* data = bytes.empty() ? &none : const_cast<char*>(bytes.data());
    file_ = ::fmemopen(data, bytes.size(), "rb");
    if (file_ != nullptr) OpenFiles().insert(this);
    return file_ != nullptr;
}

bool TextFile::ReadLine(std::string& line) {
    line.clear();
    if (file_ == nullptr || tooLong_) return false;
    int c = std::getc(file_);
    if (c == EOF) return false;
    while (c != EOF && c != '\r' && c != '\n') {
        if (line.size() == MaxLineBytes) {
            line.clear();
            tooLong_ = true;
            return false;
        }
        line += static_cast<char>(c);
        c = std::getc(file_);
    }
    if (c == '\r') {  // CR LF is one line end
        int next = std::getc(file_);
        if (next != '\n' && next != EOF) std::ungetc(next, file_);
    }
    return true;
}

void TextFile::Close() {
    tooLong_ = false;
    if (file_ == nullptr) return;
    std::fclose(file_);
    file_ = nullptr;
    OpenFiles().erase(this);
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    TextFile file;
    if (!file.Open(path, maxBytes)) return std::nullopt;
    std::string bytes;
    char chunk[1 << 14];
    for (std::size_t got = 0; (got = file.Read(chunk, sizeof chunk)) > 0;) {
        if (got > maxBytes - bytes.size()) return std::nullopt;
        bytes.append(chunk, got);
    }
    return bytes;
}

void CloseAllFiles() {
    auto files = OpenFiles();  // Close() edits the set
    for (TextFile* f : files) f->Close();
}

std::size_t OpenFileCount() {
    return OpenFiles().size();
}

void BuildFragmentTable() {
    LineBuffer = FragmentConstant;
    for (int i = 1; i <= FragmentCount; ++i) {
        auto pos = static_cast<std::size_t>(2 * i - 1);  // 1-based position 2i
        FragmentTable[static_cast<std::size_t>(i)] =
            pos < LineBuffer.size() ? LineBuffer.substr(pos, 2) : std::string();
    }
}

void ExpandLine(std::string& line) {
    std::string out;
    out.reserve(line.size() * 2);
    for (char ch : line) {
        int c = static_cast<unsigned char>(ch);
        std::string_view piece;
        std::string single(1, ch);
        switch (c) {
            case 125:
                piece = " aircraft ";
                break;
            case 123:
                piece = " engine ";
                break;
            case 124:
                piece = " pilot ";
                break;
            case 133:
                piece = ".  ";
                break;
            case 136:
                piece = ",  ";
                break;
            case 59:
                piece = "; ";
                break;
            default:
                if (c <= 6)
                    piece = FragmentTable[static_cast<std::size_t>(c + 141)];
                else if (c == 7)
                    piece = single;
                else if (c <= 27)
                    piece = FragmentTable[static_cast<std::size_t>(c + 116)];
                else if (c >= 127)
                    piece = FragmentTable[static_cast<std::size_t>(c - 126)];
                else
                    piece = single;
        }
        if (!LoadingData && piece == "&") piece = " and ";
        out += piece;
    }
    line = std::move(out);
}

bool ReadTextSection(const std::string& path) {
    LoadingData = true;
    TextFile file;
    int linesRead = 0;
    if (file.Open(path)) {
        for (int n = 1; n <= TextLineCount; ++n) {
            auto& line = TextLines[static_cast<std::size_t>(n)];
            if (!file.ReadLine(line)) break;
            ExpandLine(line);
            linesRead = n;
        }
    }
    CloseAllFiles();
    LoadingData = false;
    ParseColourRecord();
    DataFileRead = linesRead == TextLineCount;
    return DataFileRead;
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

void ParseColourRecord() {
    const std::string& record = TextLines[ColourRecordLine];
    ColourTable[0] = 0;
    for (int k = 1; k <= ColourCount; ++k) {
        auto start = static_cast<std::size_t>(7 * k - 7);
        std::int32_t value = 0;
        // The leading hexadecimal digits of the field; blanks inside are skipped as
        // the lenient reader skips them.
        for (std::size_t i = start; i < start + 6 && i < record.size(); ++i) {
            char c = record[i];
            if (c == ' ' || c == '\t') continue;
            int d = HexDigit(c);
            if (d < 0) break;
            value = value * 16 + d;
        }
        ColourTable[static_cast<std::size_t>(k)] = value;
    }
}

}  // namespace AvcalcMod
