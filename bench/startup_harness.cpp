// Whole-process start-up: starts programs in turn (the calculator and its floors) and times
// each from exec to the first painted pixel of its window, then reads its peak resident
// memory. Run under an X server with no other windows (Xvfb).
//
//   startup_harness RUNS DIR PROGRAM [DIR PROGRAM]...
// prints one line per program: name, median and maximum milliseconds, peak memory (kB),
// the median time on a processor until the first paint (ms, all its threads) and the
// median count of minor page faults until then.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The first mapped top-level window of a useful size (the program's only one).
Window ShownWindow(Display* display) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned k = 0; k < count && found == 0; ++k) {
        XWindowAttributes a;
        if (XGetWindowAttributes(display, children[k], &a) && a.map_state == IsViewable &&
            a.width >= 50)
            found = children[k];
    }
    if (children != nullptr) XFree(children);
    return found;
}

// An unpainted window is black; the first paint puts the window's own colours there.
bool Painted(Display* display, Window window) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable) return false;
    XImage* image = XGetImage(display, window, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel != 0;
}

long PeakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// Time the process has spent on a processor so far (all its threads), milliseconds.
double CpuMs(pid_t pid) {
    double total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (int tid = pid; tid < pid + 64; ++tid) {
        std::ifstream stat(tasks + "/" + std::to_string(tid) + "/schedstat");
        double ns = 0;
        if (stat >> ns) total += ns / 1e6;
    }
    return total;
}

// Pages the process has had to be given so far (minor faults, field 10 of its stat): on
// a virtual machine each costs tens of microseconds, and they tell much of a start-up.
double Faults(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t after = line.rfind(')');  // the name may hold blanks
    if (after == std::string::npos) return -1;
    std::istringstream fields(line.substr(after + 2));
    std::string field;
    for (int k = 3; k <= 10 && fields >> field; ++k) {
    }
    return std::atof(field.c_str());
}

struct Start {
    double ms = -1;
    double cpuMs = -1;   // on a processor until the first paint was seen
    double faults = -1;  // minor faults until then
    long kb = -1;
};

Start Run(Display* display, const char* dir, const char* program) {
    Start start;
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir) != 0) _exit(2);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(3);
    }
    Window window = 0;
    while (Clock::now() - t0 < std::chrono::seconds(10)) {
        if (window == 0) window = ShownWindow(display);
        if (window != 0 && Painted(display, window)) {
            start.ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            start.cpuMs = CpuMs(pid);
            start.faults = Faults(pid);
            break;
        }
        usleep(200);
    }
    usleep(300000);  // let it settle, then read its peak
    start.kb = PeakResidentKb(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    usleep(100000);
    return start;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: startup_harness RUNS DIR PROGRAM [DIR PROGRAM]...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int programs = (argc - 2) / 2;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    std::vector<std::vector<double>> ms(static_cast<std::size_t>(programs));
    std::vector<std::vector<double>> cpu(static_cast<std::size_t>(programs));
    std::vector<std::vector<double>> faults(static_cast<std::size_t>(programs));
    std::vector<long> peakKb(static_cast<std::size_t>(programs), 0);
    for (int k = 0; k < programs * runs; ++k) {  // in turn, so all see the same machine
        const int which = k % programs;
        const Start s = Run(display, argv[2 + 2 * which], argv[3 + 2 * which]);
        if (s.ms < 0) {
            std::fprintf(stderr, "%s: no window within 10 s\n", argv[3 + 2 * which]);
            return 1;
        }
        ms[which].push_back(s.ms);
        cpu[which].push_back(s.cpuMs);
        faults[which].push_back(s.faults);
        peakKb[which] = std::max(peakKb[which], s.kb);
    }
    auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    };
    for (int which = 0; which < programs; ++which) {
        const double med = median(ms[which]);
        std::printf("%s %.1f %.1f %ld %.1f %.0f\n", argv[3 + 2 * which], med, ms[which].back(),
                    peakKb[which], median(cpu[which]), median(faults[which]));
    }
    return 0;
}
