// bench/startup: how long the program takes from its launch until the first Channel
// Information command has been handled, against an empty Qt main window launched the same
// way in the same run. Prints the medians and their ratio (the figure to watch: target 1.5),
// in wall-clock time and in the CPU time each process had used by then (steadier on a busy
// machine).
//
//   build/bench/startup [runs]      (default 9 runs of each, interleaved)
//
// A third process, a main window with one menu and one status bar text, shows the floor any
// window with text pays on top of the empty one (the font set-up).
//
// All are started as fresh processes with TSW62M_STARTUP_PROBE set to the launch time on
// CLOCK_MONOTONIC; each prints "startup-ms <n>" once its first posted event has run, then
// ends. The program runs with a throw-away settings folder and never writes settings. With
// neither DISPLAY nor WAYLAND_DISPLAY set all use the offscreen platform.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// The references: an empty main window (or one with a menu and a status text), shown, and
// its first posted event handled.
int referenceWindow(int argc, char** argv, bool withText) {
    const long long start = std::atoll(std::getenv("TSW62M_STARTUP_PROBE"));
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 720);
    if (withText) {
        window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&New"));
        window.statusBar()->addWidget(new QLabel(QStringLiteral("COM1")));
    }
    window.show();
    QTimer::singleShot(0, &app, [start] {
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("startup-ms %.3f cpu-ms %.3f\n",
                    static_cast<double>(monotonicNs() - start) / 1e6,
                    cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

struct Run {
    double wallMs = -1; // what the process printed
    double cpuMs = -1;  // the CPU time it had used by then
};

// Runs a command with the probe set.
Run measure(const std::vector<std::string>& command) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const std::string probe = std::to_string(monotonicNs());
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        setenv("TSW62M_STARTUP_PROBE", probe.c_str(), 1);
        std::vector<char*> args;
        for (const auto& a : command)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
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
    const auto at = out.find("startup-ms ");
    const auto cpuAt = out.find("cpu-ms ");
    if (at == std::string::npos || cpuAt == std::string::npos || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return {};
    return {std::atof(out.c_str() + at + 11), std::atof(out.c_str() + cpuAt + 7)};
}

struct Series {
    std::vector<double> wall, cpu;
    bool add(const Run& r) {
        wall.push_back(r.wallMs);
        cpu.push_back(r.cpuMs);
        return r.wallMs >= 0;
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--empty-window")
        return referenceWindow(argc, argv, false);
    if (argc > 1 && std::string(argv[1]) == "--text-window")
        return referenceWindow(argc, argv, true);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char home[] = "/tmp/tsw62m-bench-XXXXXX";
    if (!mkdtemp(home))
        return 1;
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("XDG_CACHE_HOME", home, 1);

    const std::vector<std::string> program{TSW_BIN_DIR "/tsw62m"};
    const std::vector<std::string> empty{argv[0], "--empty-window"};
    const std::vector<std::string> text{argv[0], "--text-window"};
    measure(program); // warm the file cache
    measure(empty);
    measure(text);
    Series p, e, t;
    for (int i = 0; i < runs; ++i)
        if (!p.add(measure(program)) || !e.add(measure(empty)) || !t.add(measure(text))) {
            std::fprintf(stderr, "startup: a run failed (is %s built?)\n", TSW_BIN_DIR "/tsw62m");
            return 1;
        }
    std::printf("medians of %d runs                                wall ms   cpu ms\n", runs);
    std::printf("tsw62m: launch to Channel Information handled   %8.1f %8.1f\n", median(p.wall),
                median(p.cpu));
    std::printf("empty Qt main window: launch to first event     %8.1f %8.1f\n", median(e.wall),
                median(e.cpu));
    std::printf("main window with one menu and one status text   %8.1f %8.1f\n", median(t.wall),
                median(t.cpu));
    std::printf("ratio to the empty window: wall %.2f, cpu %.2f (target <= 1.5)\n",
                median(p.wall) / median(e.wall), median(p.cpu) / median(e.cpu));
    std::printf("ratio to the window with text: wall %.2f, cpu %.2f\n",
                median(p.wall) / median(t.wall), median(p.cpu) / median(t.cpu));
    std::system((std::string("rm -rf ") + home).c_str());
    return 0;
}
