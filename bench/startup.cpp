// Start-up time and peak memory of the real game executable against a bare
// Qt window of the same size. Each run is a fresh process; the time runs from
// just before this driver spawns it (so the spawn, the dynamic loader and
// Qt's start are all inside) to the first paint of a label reading
// "Question 1", noticed by a probe preloaded into both programs alike.
//
// --versus-wine APP-FOLDER [--wine-bare EXE] times the game against its
// Windows build under Wine instead, both on the X display, in alternating
// rounds (and the bare window against its Windows build EXE). The Windows
// build carries the same probe as a Qt generic plugin (the caller has Wine
// hand it QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS); since its clock is
// Windows', both are timed to the moment the probe closes its file, seen
// here through inotify.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

double monotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

pid_t g_child = -1;
void onAlarm(int) {
    if (g_child > 0) kill(g_child, SIGKILL);
}

struct Sample {
    double startupMs = 0;   // spawn to Question 1 painted and flushed
    double paintMs = 0;     // spawn to the paint event of Question 1
    double peakMB = 0;      // VmHWM read right after that paint
    double maxrssMB = 0;    // the kernel's maximum resident set at exit (as /usr/bin/time -v)
};

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "benchmark failed: %s\n", why.c_str());
    std::exit(2);
}

Sample runOnce(const char* exe, const std::string& platform, const std::string& outPath,
               const std::string& logPath, const char* option = nullptr) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string kv = *e;
        if (kv.rfind("QT_QPA_PLATFORM=", 0) == 0 || kv.rfind("LD_PRELOAD=", 0) == 0 ||
            kv.rfind("QUILLORY_PROBE_OUT=", 0) == 0)
            continue;
        env.push_back(kv);
    }
    env.push_back("QT_QPA_PLATFORM=" + platform);
    env.push_back(std::string("LD_PRELOAD=") + QUILLORY_PROBE_SO);
    env.push_back("QUILLORY_PROBE_OUT=" + outPath);
    std::vector<char*> envp;
    for (auto& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string exePath = exe;
    std::string optionText = option ? option : "";
    char* argv[] = {exePath.data(), option ? optionText.data() : nullptr, nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);

    ::unlink(outPath.c_str());
    const double spawnedAt = monotonicMs();
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, exe, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) fail(std::string("cannot start ") + exe + ": " + std::strerror(rc));

    g_child = pid;
    alarm(30);
    int status = 0;
    rusage usage{};
    const pid_t done = wait4(pid, &status, 0, &usage);
    alarm(0);
    g_child = -1;
    if (done != pid) fail("lost the child process");

    std::map<std::string, double> values;
    std::ifstream in(outPath);
    std::string key;
    double value = 0;
    while (in >> key >> value) values[key] = value;
    if (!values.count("done_ms")) {
        std::ifstream log(logPath);
        std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        fail(std::string(exe) + " never painted Question 1 (" +
             (WIFSIGNALED(status) ? "killed" : "exit " + std::to_string(WEXITSTATUS(status))) +
             "); its output:\n" + text);
    }
    Sample s;
    s.startupMs = values["done_ms"] - spawnedAt;
    s.paintMs = values["paint_ms"] - spawnedAt;
    s.peakMB = values["hwm_kib"] * 1024.0 / 1e6;
    s.maxrssMB = static_cast<double>(usage.ru_maxrss) * 1024.0 / 1e6;
    return s;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double rankOf(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    auto k = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
    k = std::clamp<std::size_t>(k, 1, v.size());
    return v[k - 1];
}

std::string f(double v, int d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", d, v);
    return buf;
}

void row(const std::string& figure, const std::string& condition, const std::string& game,
         const std::string& spread, const std::string& qt, const std::string& ratio,
         const std::string& target, const char* verdict) {
    std::printf("ROW\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", figure.c_str(), condition.c_str(), game.c_str(),
                spread.c_str(), qt.c_str(), ratio.c_str(), target.c_str(), verdict);
    std::fflush(stdout);
}

// Starts ARGS with the caller's environment and EXTRA, and returns the
// milliseconds from just before the spawn until the probe has closed DIR/NAME
// with its figures in it.
double untilProbeWrote(std::vector<std::string> args, const std::vector<std::string>& extra,
                       const std::string& dir, const std::string& name,
                       const std::string& logPath) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string kv = *e;
        bool replaced = false;
        for (const auto& x : extra)
            replaced |= kv.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0;
        if (!replaced) env.push_back(kv);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    std::vector<char*> envp, argvp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    for (auto& a : args) argvp.push_back(a.data());
    argvp.push_back(nullptr);

    const std::string path = dir + "/" + name;
    ::unlink(path.c_str());
    const int watch = inotify_init1(IN_CLOEXEC);
    if (watch < 0 || inotify_add_watch(watch, dir.c_str(), IN_CLOSE_WRITE) < 0) fail("no inotify");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const double spawnedAt = monotonicMs();
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, argvp[0], &actions, nullptr, argvp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) fail("cannot start " + args[0] + ": " + std::strerror(rc));

    // A close of the file that holds the figures: Wine may open and close it
    // more than once on the way.
    auto written = [&] {
        std::ifstream in(path);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return text.find("done_ms") != std::string::npos;
    };
    double seenAt = -1;
    alignas(inotify_event) char buf[4096];
    while (seenAt < 0 && monotonicMs() - spawnedAt < 60000) {
        pollfd p{watch, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) break;
            continue;
        }
        const double at = monotonicMs();
        const ssize_t n = ::read(watch, buf, sizeof buf);
        for (ssize_t off = 0; off < n;) {
            const auto* ev = reinterpret_cast<const inotify_event*>(buf + off);
            if (ev->len && name == ev->name && written()) seenAt = at;
            off += static_cast<ssize_t>(sizeof(inotify_event) + ev->len);
        }
    }
    ::close(watch);
    g_child = pid;
    alarm(30);
    int status = 0;
    const pid_t done = waitpid(pid, &status, 0);
    alarm(0);
    g_child = -1;
    if (seenAt < 0) {
        std::ifstream log(logPath);
        std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        fail(args.back() + " never painted Question 1 (" +
             (done != pid           ? std::string("lost")
              : WIFSIGNALED(status) ? "killed"
                                    : "exit " + std::to_string(WEXITSTATUS(status))) +
             "); its output:\n" + text);
    }
    return seenAt - spawnedAt;
}

// The Linux build on X against the Windows build under Wine, and where
// BARE_EXE (the bare window's Windows build) is given, the bare window on both
// too: what Wine costs any Qt program.
int versusWine(const std::string& appFolder, const std::string& bareExe, int runs) {
    if (!std::getenv("DISPLAY")) fail("--versus-wine needs DISPLAY");
    char dirTemplate[] = "/tmp/quillory-startup-XXXXXX";
    if (!mkdtemp(dirTemplate)) fail("no temporary folder");
    const std::string dir = dirTemplate, name = "probe.out", logPath = dir + "/child.log";
    // Wine's drive Z: is the root of the file system.
    auto windows = [](std::string path) {
        std::replace(path.begin(), path.end(), '/', '\\');
        return "Z:" + path;
    };
    const std::string windowsPath = windows(dir + "/" + name);

    auto runLinuxProgram = [&](const char* program) {
        return untilProbeWrote(
            {program},
            {"QT_QPA_PLATFORM=xcb", std::string("LD_PRELOAD=") + QUILLORY_PROBE_SO,
             "QUILLORY_PROBE_OUT=" + dir + "/" + name},
            dir, name, logPath);
    };
    auto runLinux = [&] { return runLinuxProgram(QUILLORY_GAME_EXE); };
    auto runWine = [&] {
        return untilProbeWrote({"wine", appFolder + "/quillory.exe"},
                               {"QUILLORY_PROBE_OUT=" + windowsPath}, dir, name, logPath);
    };
    auto runLinuxBare = [&] { return runLinuxProgram(QUILLORY_BARE_EXE); };
    // The game's folder holds the Qt it needs (WINEPATH) and its plugins
    // (QT_PLUGIN_PATH, set by the caller, names it too).
    auto runWineBare = [&] {
        return untilProbeWrote(
            {"wine", bareExe},
            {"QUILLORY_PROBE_OUT=" + windowsPath, "WINEPATH=" + windows(appFolder)}, dir, name,
            logPath);
    };
    // One discarded start of each: warm file caches, and Wine's first start
    // of a prefix, which also fills its font cache.
    const double firstWine = runWine();
    runLinux();
    const bool bare = !bareExe.empty();
    if (bare) {
        runWineBare();
        runLinuxBare();
    }
    std::vector<double> l, w, lb, wb;
    for (int r = 0; r < runs; ++r) {
        if (r % 2) {
            w.push_back(runWine());
            l.push_back(runLinux());
        } else {
            l.push_back(runLinux());
            w.push_back(runWine());
        }
        if (bare) {
            wb.push_back(runWineBare());
            lb.push_back(runLinuxBare());
        }
        std::printf("round %d: Linux build %.1f ms, Windows build under Wine %.1f ms", r + 1,
                    l.back(), w.back());
        if (bare) std::printf("; bare Qt window %.1f ms, under Wine %.1f ms", lb.back(), wb.back());
        std::printf("\n");
        std::fflush(stdout);
    }
    ::unlink((dir + "/" + name).c_str());
    ::unlink(logPath.c_str());
    ::rmdir(dir.c_str());
    const double ratio = median(w) / median(l);
    std::printf(
        "start-up to Question 1 painted, n=%d: Linux build median %.1f ms (p10-p90 %.1f-%.1f), "
        "under Wine median %.1f ms (p10-p90 %.1f-%.1f); Wine / Linux %.2f x (target <= 2 x: %s); "
        "the first start in a new prefix %.1f ms\n",
        runs, median(l), rankOf(l, 0.1), rankOf(l, 0.9), median(w), rankOf(w, 0.1), rankOf(w, 0.9),
        ratio, ratio <= 2.0 ? "met" : "MISSED", firstWine);
    if (bare)
        std::printf(
            "the bare Qt window, n=%d: Linux median %.1f ms, under Wine median %.1f ms (%.2f x); "
            "the game over the bare window: Linux %.2f x, under Wine %.2f x\n",
            runs, median(lb), median(wb), median(wb) / median(lb), median(l) / median(lb),
            median(w) / median(wb));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string platform = "offscreen";
    std::string wineApp, wineBare;
    int runs = 15;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--platform") == 0) platform = argv[i + 1];
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--versus-wine") == 0) wineApp = argv[i + 1];
        if (std::strcmp(argv[i], "--wine-bare") == 0) wineBare = argv[i + 1];
    }
    signal(SIGALRM, onAlarm);
    if (!wineApp.empty()) return versusWine(wineApp, wineBare, runs);
    if (platform == "xcb" && !std::getenv("DISPLAY")) fail("xcb needs DISPLAY (run.sh starts Xvfb)");

    char dirTemplate[] = "/tmp/quillory-startup-XXXXXX";
    if (!mkdtemp(dirTemplate)) fail("no temporary folder");
    const std::string dir = dirTemplate;
    const std::string outPath = dir + "/probe.out";
    const std::string logPath = dir + "/child.log";

    // One discarded run of each first, so that both start with warm file and
    // font caches; then the two alternate, swapping which goes first every
    // round, so that drift of the machine falls on both alike.
    runOnce(QUILLORY_GAME_EXE, platform, outPath, logPath);
    runOnce(QUILLORY_BARE_EXE, platform, outPath, logPath);
    runOnce(QUILLORY_BARE_EXE, platform, outPath, logPath, "--game-fonts");
    std::vector<Sample> game, bare, fonts;
    for (int r = 0; r < runs; ++r) {
        auto runGame = [&] { game.push_back(runOnce(QUILLORY_GAME_EXE, platform, outPath, logPath)); };
        auto runBare = [&] { bare.push_back(runOnce(QUILLORY_BARE_EXE, platform, outPath, logPath)); };
        auto runFonts = [&] {
            fonts.push_back(runOnce(QUILLORY_BARE_EXE, platform, outPath, logPath, "--game-fonts"));
        };
        switch (r % 3) {
        case 0: runGame(); runBare(); runFonts(); break;
        case 1: runBare(); runFonts(); runGame(); break;
        default: runFonts(); runGame(); runBare(); break;
        }
    }
    ::unlink(outPath.c_str());
    ::unlink(logPath.c_str());
    ::rmdir(dir.c_str());

    auto pick = [](const std::vector<Sample>& v, double Sample::*field) {
        std::vector<double> out;
        for (const auto& s : v) out.push_back(s.*field);
        return out;
    };
    const auto gStart = pick(game, &Sample::startupMs), bStart = pick(bare, &Sample::startupMs);
    const auto gPaint = pick(game, &Sample::paintMs), bPaint = pick(bare, &Sample::paintMs);
    const auto gPeak = pick(game, &Sample::peakMB), bPeak = pick(bare, &Sample::peakMB);
    const auto gMax = pick(game, &Sample::maxrssMB), bMax = pick(bare, &Sample::maxrssMB);
    const auto fStart = pick(fonts, &Sample::startupMs), fPeak = pick(fonts, &Sample::peakMB);

    for (std::size_t i = 0; i < game.size(); ++i)
        std::fprintf(stderr, "%s run %zu: game %.1f ms %.2f MB, bare %.1f ms %.2f MB, bare+fonts %.1f ms %.2f MB\n",
                     platform.c_str(), i + 1, gStart[i], gPeak[i], bStart[i], bPeak[i], fStart[i], fPeak[i]);

    const std::string cond = platform + ", n=" + std::to_string(runs);
    const double ratio = median(gStart) / median(bStart);
    row("start-up to Question 1 painted", cond, f(median(gStart), 1) + " ms",
        "p10-p90 " + f(rankOf(gStart, 0.1), 1) + "-" + f(rankOf(gStart, 0.9), 1) + "; bare " +
            f(rankOf(bStart, 0.1), 1) + "-" + f(rankOf(bStart, 0.9), 1),
        f(median(bStart), 1) + " ms", f(ratio, 2) + " x", "<= 1.2 x bare", ratio <= 1.2 ? "met" : "MISSED");
    row("  (to the paint event)", cond, f(median(gPaint), 1) + " ms", "-", f(median(bPaint), 1) + " ms",
        f(median(gPaint) / median(bPaint), 2) + " x", "-", "-");
    row("  (bare window + the game's texts and fonts)", cond, f(median(gStart), 1) + " ms",
        "p10-p90 " + f(rankOf(fStart, 0.1), 1) + "-" + f(rankOf(fStart, 0.9), 1),
        f(median(fStart), 1) + " ms", f(median(gStart) / median(fStart), 2) + " x", "-", "-");
    const double extra = median(gPeak) - median(bPeak);
    row("peak memory after Question 1 (VmHWM)", cond, f(median(gPeak), 1) + " MB",
        "p10-p90 " + f(rankOf(gPeak, 0.1), 1) + "-" + f(rankOf(gPeak, 0.9), 1),
        f(median(bPeak), 1) + " MB", (extra >= 0 ? "+" : "") + f(extra, 1) + " MB",
        "<= bare + 8 MB", extra <= 8.0 ? "met" : "MISSED");
    const double extraMax = median(gMax) - median(bMax);
    row("  (max RSS at exit, as time -v)", cond, f(median(gMax), 1) + " MB", "-",
        f(median(bMax), 1) + " MB", (extraMax >= 0 ? "+" : "") + f(extraMax, 1) + " MB", "-", "-");
    return 0;
}
