// bench/startup: how long tsw62m takes from its launch until the first Channel Information
// command has been handled, against an empty Qt main window launched the same way in the same
// run. The ratio of the two is the figure to watch (target 1.5).
//
//   build/bench/startup [runs] [--no-callgrind] [--program PATH]
//
// Default 9 runs of each program, interleaved; --program measures another build of tsw62m
// (one with this probe) against the same references.
//
// Each program is a fresh process started with TSW62M_STARTUP_PROBE set to the launch time on
// CLOCK_MONOTONIC (app/ui/main/StartupProbe.h): it reports when its start-up work is done
// ("handled": for tsw62m the Channel Information command has run) and when the first paint
// after that has run through ("painted": the window as the user first sees it). Both are
// given in wall-clock time and in the CPU time the process had used by then (steadier on a
// busy machine).
//
// A second reference, a main window that shows one line of text, gives the floor that any
// window with text pays on top of the empty one: the first text sets up the fonts (fontconfig
// reads its configuration and caches), which no program that shows text can avoid.
//
// The series run on the offscreen platform, and again on the real display when DISPLAY or
// WAYLAND_DISPLAY is set. When valgrind is installed, each program is also run once under
// callgrind up to "handled" and its instruction count printed: repeatable on a busy machine.
// The program runs with a throw-away settings folder and never writes settings.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/ui/main/StartupProbe.h"

namespace {

// The references: an empty main window, or one with a status bar text, shown; the first
// posted event after show() is "handled".
int referenceWindow(int argc, char** argv, bool withText) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 720);
    if (withText)
        window.statusBar()->addWidget(new QLabel(QStringLiteral("COM1")));
    window.show();
    tsw::probe::armStartupProbe(&window);
    return QApplication::exec();
}

long long monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

struct Env {
    std::string name, value; // an empty value unsets the variable
};

struct Run {
    double handledWall = -1, handledCpu = -1, paintedWall = -1, paintedCpu = -1;
    bool ok() const { return handledWall >= 0 && paintedWall >= 0; }
};

// Runs a command in a child with the environment changes; returns what it printed.
std::optional<std::string> runChild(const std::vector<std::string>& command,
                                    const std::vector<Env>& env) {
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const std::string probe = std::to_string(monotonicNs());
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        if (const int null = open("/dev/null", O_WRONLY); null >= 0)
            dup2(null, STDERR_FILENO); // Qt's and valgrind's chatter
        close(fds[0]);
        close(fds[1]);
        for (const Env& e : env) {
            if (e.value.empty())
                unsetenv(e.name.c_str());
            else
                setenv(e.name.c_str(), e.value.c_str(), 1);
        }
        setenv("TSW62M_STARTUP_PROBE", probe.c_str(), 1);
        std::vector<char*> args;
        for (const auto& a : command)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    std::string out;
    char buf[256];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        out.append(buf, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return out;
}

bool field(const std::string& out, const char* key, double& wall, double& cpu) {
    const auto at = out.find(key);
    if (at == std::string::npos)
        return false;
    return std::sscanf(out.c_str() + at + std::strlen(key), " %lf cpu-ms %lf", &wall, &cpu) == 2;
}

Run measure(const std::vector<std::string>& command, const std::vector<Env>& env) {
    Run r;
    const auto out = runChild(command, env);
    if (!out || !field(*out, "handled-ms", r.handledWall, r.handledCpu) ||
        !field(*out, "painted-ms", r.paintedWall, r.paintedCpu))
        return {};
    return r;
}

// Instructions up to "handled" under callgrind, or -1.
double instructions(const std::vector<std::string>& command, std::vector<Env> env,
                    const std::string& folder) {
    const std::string file = folder + "/callgrind.out";
    std::vector<std::string> cmd{"valgrind", "--tool=callgrind", "--callgrind-out-file=" + file};
    cmd.insert(cmd.end(), command.begin(), command.end());
    env.push_back({"TSW62M_STARTUP_PROBE_STOP", "handled"});
    if (!runChild(cmd, env))
        return -1;
    std::ifstream in(file);
    std::string line;
    double total = -1;
    while (std::getline(in, line))
        if (line.rfind("summary:", 0) == 0 || line.rfind("totals:", 0) == 0)
            total = std::atof(line.c_str() + line.find(':') + 1);
    std::remove(file.c_str());
    return total;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Program {
    const char* label;
    std::vector<std::string> command;
    std::vector<Run> runs;
    double instructions = -1;
    double med(double Run::*f) const {
        std::vector<double> v;
        for (const Run& r : runs)
            v.push_back(r.*f);
        return median(v);
    }
};

bool runSeries(std::vector<Program>& programs, const std::vector<Env>& env, int runs) {
    for (Program& p : programs)
        measure(p.command, env); // warm the file cache
    for (int i = 0; i < runs; ++i)
        for (Program& p : programs) {
            const Run r = measure(p.command, env);
            if (!r.ok())
                return false;
            p.runs.push_back(r);
        }
    return true;
}

void ratioLine(const char* label, const Program& a, const Program& b, const char* note) {
    std::printf("  %-34s %5.2f (cpu %4.2f)   painted %5.2f (cpu %4.2f)%s\n", label,
                a.med(&Run::handledWall) / b.med(&Run::handledWall),
                a.med(&Run::handledCpu) / b.med(&Run::handledCpu),
                a.med(&Run::paintedWall) / b.med(&Run::paintedWall),
                a.med(&Run::paintedCpu) / b.med(&Run::paintedCpu), note);
}

// What the figure means on this platform: met, missed, or below the floor that the first line
// of text sets (no program that shows text can start faster than the window with text).
void verdict(const std::vector<Program>& p) {
    const double figure = p[0].med(&Run::handledWall) / p[1].med(&Run::handledWall);
    const double floor = p[2].med(&Run::handledWall) / p[1].med(&Run::handledWall);
    std::printf("  the first line of text costs %.1f ms here",
                p[2].med(&Run::handledWall) - p[1].med(&Run::handledWall));
    if (p[1].instructions > 0 && p[2].instructions > 0)
        std::printf(" (%.1f M instructions)", (p[2].instructions - p[1].instructions) / 1e6);
    std::printf(": fontconfig reads its configuration and\n  font cache, and the first font "
                "is loaded and shaped; any program that shows text pays it.\n");
    if (figure <= 1.5)
        std::printf("  => target met: %.2f <= 1.5\n", figure);
    else if (floor > 1.5)
        std::printf("  => target out of reach on this platform: a window with one line of text "
                    "already takes %.2f x\n     the empty window; tsw62m takes %.2f x that "
                    "floor\n",
                    floor, p[0].med(&Run::handledWall) / p[2].med(&Run::handledWall));
    else
        std::printf("  => target missed: %.2f > 1.5 (the floor of text is %.2f)\n", figure, floor);
}

void report(const char* platform, const std::vector<Program>& p, int runs) {
    std::printf("\n%s: medians of %d runs, ms      handled wall    cpu   painted wall    cpu\n",
                platform, runs);
    for (const Program& x : p)
        std::printf("  %-40s %8.1f %6.1f %14.1f %6.1f\n", x.label, x.med(&Run::handledWall),
                    x.med(&Run::handledCpu), x.med(&Run::paintedWall), x.med(&Run::paintedCpu));
    ratioLine("figure: tsw62m / empty window", p[0], p[1], "   target <= 1.5");
    ratioLine("tsw62m / window with text", p[0], p[2], "");
    ratioLine("floor: window with text / empty", p[2], p[1], "");
    if (p[0].instructions > 0 && p[1].instructions > 0 && p[2].instructions > 0)
        std::printf("  instructions to handled (callgrind): tsw62m %.1f M, empty %.1f M, with "
                    "text %.1f M;\n    tsw62m / empty %.2f, tsw62m / with text %.2f, floor "
                    "%.2f\n",
                    p[0].instructions / 1e6, p[1].instructions / 1e6, p[2].instructions / 1e6,
                    p[0].instructions / p[1].instructions, p[0].instructions / p[2].instructions,
                    p[2].instructions / p[1].instructions);
    verdict(p);
}

bool haveValgrind() {
    return std::system("valgrind --version >/dev/null 2>&1") == 0;
}

struct Options {
    int runs = 9;
    bool callgrind = true;
    std::string program = TSW_BIN_DIR "/tsw62m";
};

Options parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--no-callgrind")
            o.callgrind = false;
        else if (std::string(argv[i]) == "--program" && i + 1 < argc)
            o.program = argv[++i];
        else
            o.runs = std::max(1, std::atoi(argv[i]));
    }
    o.callgrind = o.callgrind && haveValgrind();
    return o;
}

struct Platform {
    std::string label;
    std::vector<Env> env;
};

// Offscreen always; the real display too when there is one (with the platform the user chose,
// unless that is offscreen).
std::vector<Platform> platforms(const char* display) {
    std::vector<Platform> list{{"offscreen platform", {{"QT_QPA_PLATFORM", "offscreen"}}}};
    if (display) {
        const char* chosen = std::getenv("QT_QPA_PLATFORM");
        std::string platform = chosen && std::string(chosen) != "offscreen" ? chosen : "";
        list.push_back({"real display " + std::string(display) +
                            (platform.empty() ? "" : " (" + platform + ")"),
                        {{"QT_QPA_PLATFORM", platform}}});
    }
    return list;
}

bool measurePlatform(const Platform& platform, const Options& o, const char* self,
                     const std::string& folder) {
    std::vector<Program> programs{
        {"tsw62m (Channel Information handled)", {o.program}, {}},
        {"empty Qt main window", {self, "--empty-window"}, {}},
        {"main window with one line of text", {self, "--text-window"}, {}}};
    if (!runSeries(programs, platform.env, o.runs)) {
        std::fprintf(stderr, "startup: a run failed on the %s (is %s built?)\n",
                     platform.label.c_str(), o.program.c_str());
        return false;
    }
    if (o.callgrind)
        for (Program& p : programs)
            p.instructions = instructions(p.command, platform.env, folder);
    report(platform.label.c_str(), programs, o.runs);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--empty-window")
        return referenceWindow(argc, argv, false);
    if (argc > 1 && std::string(argv[1]) == "--text-window")
        return referenceWindow(argc, argv, true);
    const Options options = parseOptions(argc, argv);
    char home[] = "/tmp/tsw62m-bench-XXXXXX";
    if (!mkdtemp(home))
        return 1;
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("XDG_CACHE_HOME", home, 1);

    std::printf("tsw62m start-up: from launch until the first Channel Information command has "
                "been handled\n(\"handled\"; for the references: the first event after show()), "
                "and until the first paint after it (\"painted\").\n");
    const char* display =
        std::getenv("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : std::getenv("DISPLAY");
    int status = 0;
    for (const Platform& platform : platforms(display))
        if (!measurePlatform(platform, options, argv[0], home))
            status = 1;
    if (!display)
        std::printf("\n(no DISPLAY or WAYLAND_DISPLAY: run it again under a display, e.g. "
                    "xvfb-run -a -s \"-screen 0 1280x1024x24\" %s)\n",
                    argv[0]);
    std::system((std::string("rm -rf ") + home).c_str());
    return status;
}
