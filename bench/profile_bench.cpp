// Profile-file costs for a toolbar file of G groups of 30 screens, read and
// written the way the toolbar dialog does it, against the cost of handling
// the same file in one piece:
//   Loader/G      the loader's calls: "ItemCnt" and every name of [LIST],
//                 then "ItemCnt" and every entry of each group (~650 calls
//                 for 20 groups), on a file that is already cached;
//   ReadParse/G   one read of the file from disk and one parse of it;
//   Save/G        the save as the toolbar dialog makes it: a draft from
//                 GetTempFileNameA, one WritePrivateProfileStringA per entry
//                 on it, and ReplaceFileA with REPLACEFILE_WRITE_THROUGH (so
//                 one fsync) over the file;
//   AtomicWrite/G one write of the final file beside it and a rename.
// After the runs it prints Loader/ReadParse (at most 3 is the goal) and
// Save/AtomicWrite, with that ratio per write, which must not grow with the
// file's size faster than the size itself.
#include <windows.h>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "core/ProfileText.h"

namespace {

constexpr int kScreens = 30;

struct Entry {
    std::string section, key, value;
};

std::string Key(int n) {
    char key[16];
    std::snprintf(key, sizeof key, "%02d", n);
    return key;
}

// The calls of a save, in order; a file built by them is the toolbar file.
std::vector<Entry> SaveCalls(int nGroups) {
    std::vector<Entry> calls{{"LIST", "ItemCnt", Key(nGroups)}};
    for (int g = 1; g <= nGroups; ++g)
        calls.push_back({"LIST", Key(g), "\xb1\xd7\xb7\xec " + Key(g)});
    calls.push_back({"LIST", "COMBOSEL", "6"});
    for (int g = 1; g <= nGroups; ++g) {
        for (int s = 1; s <= kScreens; ++s)
            calls.push_back({"\xb1\xd7\xb7\xec " + Key(g), Key(s),
                             std::to_string(1000 + g * 100 + s) +
                                 ",\xc1\xd6\xb9\xae,\xc7\xf6\xc0\xe7\xb0\xa1 " + Key(s)});
        calls.push_back({"\xb1\xd7\xb7\xec " + Key(g), "ItemCnt", Key(kScreens)});
    }
    return calls;
}

std::string FileBytes(const std::vector<Entry>& calls) {
    std::string bytes;
    std::string section;
    for (const Entry& e : calls) {
        if (e.section != section) bytes += "[" + (section = e.section) + "]\r\n";
        bytes += e.key + "=" + e.value + "\r\n";
    }
    return bytes;
}

class BenchDir {
public:
    BenchDir()
        : m_path(std::filesystem::temp_directory_path() /
                 ("tabulo-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~BenchDir() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

const BenchDir& Dir() {
    static const BenchDir dir;
    return dir;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A file written a moment ago is compared byte for byte on every access until
// its timestamp can be trusted; the loader reads files written long before.
std::string SettledToolbarFile(int nGroups) {
    const std::string path = Dir().File("ToolBar_read" + std::to_string(nGroups) + ".ini");
    WriteFile(path, FileBytes(SaveCalls(nGroups)));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return path;
}

void Load(const char* file) {
    char buffer[256];
    const UINT nGroups = GetPrivateProfileIntA("LIST", "ItemCnt", 0, file);
    for (UINT g = 1; g <= nGroups; ++g) {
        char group[64];
        GetPrivateProfileStringA("LIST", Key(static_cast<int>(g)).c_str(), "", group, sizeof group,
                                 file);
        const UINT nScreens = GetPrivateProfileIntA(group, "ItemCnt", 0, file);
        for (UINT s = 1; s <= nScreens; ++s)
            GetPrivateProfileStringA(group, Key(static_cast<int>(s)).c_str(), "", buffer,
                                     sizeof buffer, file);
    }
}

void Loader(benchmark::State& state) {
    const std::string file = SettledToolbarFile(static_cast<int>(state.range(0)));
    Load(file.c_str());
    for (auto _ : state) Load(file.c_str());
    state.counters["calls"] =
        static_cast<double>(1 + 2 * state.range(0) + state.range(0) * kScreens);
}

void ReadParse(benchmark::State& state) {
    const std::string file = SettledToolbarFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        afx::detail::ProfileText text(std::move(bytes));
        benchmark::DoNotOptimize(text);
    }
}

void Save(benchmark::State& state) {
    const std::vector<Entry> calls = SaveCalls(static_cast<int>(state.range(0)));
    const std::string file = Dir().File("ToolBar_save.ini");
    WriteFile(file, FileBytes(calls));
    for (auto _ : state) {
        char draft[MAX_PATH];
        GetTempFileNameA(Dir().File("").c_str(), "tbl", 0, draft);
        for (const Entry& e : calls)
            WritePrivateProfileStringA(e.section.c_str(), e.key.c_str(), e.value.c_str(), draft);
        if (!ReplaceFileA(file.c_str(), draft, nullptr, REPLACEFILE_WRITE_THROUGH, nullptr,
                          nullptr)) {
            state.SkipWithError("the save failed");
        }
    }
    state.counters["writes"] = static_cast<double>(calls.size());
}

void AtomicWrite(benchmark::State& state) {
    const std::string bytes = FileBytes(SaveCalls(static_cast<int>(state.range(0))));
    const std::string file = Dir().File("ToolBar_atomic.ini");
    const std::string temp = file + ".new";
    for (auto _ : state) {
        WriteFile(temp, bytes);
        std::rename(temp.c_str(), file.c_str());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

// Keeps each run's time per iteration, in seconds, for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            m_times[run.benchmark_name()] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    double Time(const std::string& name) const {
        const auto it = m_times.find(name);
        return it == m_times.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> m_times;
};

}  // namespace

BENCHMARK(Loader)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadParse)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(AtomicWrite)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* groups : {"10", "20"}) {
        const std::string suffix = std::string("/") + groups;
        const double reads = reporter.Time("Loader" + suffix) / reporter.Time("ReadParse" + suffix);
        const double writes =
            reporter.Time("Save" + suffix) / reporter.Time("AtomicWrite" + suffix);
        const double nWrites = static_cast<double>(SaveCalls(std::stoi(groups)).size());
        std::printf("%s groups: %.0f loader calls = %.2f x one read-and-parse (goal: at most 3)\n",
                    groups, 1.0 + 2 * std::stoi(groups) + std::stoi(groups) * kScreens, reads);
        std::printf(
            "%s groups: %.0f writes = %.1f x one atomic write of the final file (%.2f per write)\n",
            groups, nWrites, writes, writes / nWrites);
    }
    benchmark::Shutdown();
    return 0;
}
