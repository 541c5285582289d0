// The data file vdats.tst: its line reader, the expansion of packed text lines, the
// reading of the 565-line text section and the colour record.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace AvcalcMod {

inline constexpr const char* DataFileName = "vdats.tst";
inline constexpr int ColourRecordLine = 153;

// What the program is willing to read from the files beside it. The shipped vdats.tst is
// about 230 KB and its longest line about 500 characters; m9.gif and m8.gif are under
// 64 KB. A file far beyond these is damaged or not ours: it is refused (or, for one line
// of the aerodrome section, its record passed over) before it can cost seconds of work
// and gigabytes of memory, and without being read whole.
inline constexpr std::size_t MaxDataFileBytes = std::size_t{16} << 20;  // 70 times today's file
inline constexpr std::size_t MaxLineBytes = 4096;                       // one line of vdats.tst
inline constexpr std::size_t MaxPictureBytes = std::size_t{1} << 20;    // m9.gif, m8.gif

// A file opened for sequential input. A line ends at CR LF, at a carriage return alone or
// at a line feed alone, so a data file saved with Unix line ends reads the same (packed
// lines never hold either code). Every open file is known to CloseAllFiles, which the
// orderly end of the program calls.
class TextFile {
  public:
    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens the file by name; a name given a memory entry (SetMemoryFile) opens that.
    // Only a regular file of at most maxBytes opens: a FIFO would block the program until
    // something wrote to it, and a device or a directory is no data file. False otherwise.
    bool Open(const std::string& path, std::size_t maxBytes = MaxDataFileBytes);
    // Opens bytes held in memory as the file's contents; they must outlive the open file.
    bool OpenMemory(std::string_view bytes);
    bool IsOpen() const { return file_ != nullptr; }
    // Reads the next line without its terminator into `line`. False, with `line` empty,
    // at the end of the file and at a line longer than MaxLineBytes; nothing more is read
    // after such a line.
    bool ReadLine(std::string& line);
    // Reads up to `count` bytes into `out`; fewer only at the end of the file.
    std::size_t Read(char* out, std::size_t count);
    void Close();

  private:
    std::FILE* file_ = nullptr;
    bool tooLong_ = false;
};

// The whole of a file that TextFile::Open(path, maxBytes) opens; empty when it does not
// open or holds more than maxBytes when read (a file that grew after it was opened).
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// In-memory files for the fuzzers and tests: while a name has an entry, Open(name) reads
// these bytes and the disk is not touched. The program itself never sets one. Do not
// change an entry while a file opened from it is open.
void SetMemoryFile(const std::string& name, std::string bytes);
void RemoveMemoryFile(const std::string& name);

// Closes every TextFile that is open.
void CloseAllFiles();
// How many TextFiles are open (every reader closes its file before it returns).
std::size_t OpenFileCount();

// Puts the fragment constant into LineBuffer and cuts FragmentTable(1..147) from it.
void BuildFragmentTable();

// Replaces a packed line by its expansion (one pass, see the fragment rules).
void ExpandLine(std::string& line);

// Reads lines 1..565 of the file into TextLines, expanding each with LoadingData True.
// Lines the file does not have stay empty; a file that does not open leaves all of them
// empty. Sets DataFileRead, and returns it: true only when the file opened and held all
// 565 lines (a missing, unopenable, empty or cut-short file is not read, nor one that
// TextFile::Open refuses, nor one with a line over MaxLineBytes among them: the lines
// from that one on stay empty).
bool ReadTextSection(const std::string& path = DataFileName);

// Parses TextLines(153) into ColourTable(1..72): field k is six hexadecimal digits at
// positions 7k-6 to 7k-1 read as BBGGRR; a missing or digitless field gives 0.
void ParseColourRecord();

}  // namespace AvcalcMod
