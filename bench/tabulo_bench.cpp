// The module at scale, against a floor: generated terminals of 1,000 and
// 20,000 screens (and 100,000 with --large), each figure printed with its
// ratio to what a bare Qt program spends on the same data.
//
//   HostStart/N       tabulo-host's start: the menu file read and parsed, the
//                     menu built in CP949 and the screen index filled;
//   FloorParse/N      the floor of it: the same file read once and split into
//                     nodes (depth, name, number);
//   OpenToolbar/N,    CallTabulo(2) and (4) until the dialog is shown and
//   OpenLink/N        closed again at once;
//   FloorToolbar/N,   the floor of them: the same files read once, the same
//   FloorLink/N       number of items filled into bare QTreeWidgets, shown;
//   Search.../N,      single actions in an open dialog, each with the repaint
//   Step/N, ...       it asks for: a search with nearly every screen a hit,
//                     200 ">" steps after it, a search without hits,
//                     register, move and delete of a screen, an expand and a
//                     collapse by key, a drag from the menu tree to the list,
//                     and Save. Their ratio is to one frame (16 ms).
// After the runs it prints the table of figures and ratios, and the memory
// each menu item costs above the floor (heap growth while the dialog is
// open, against the floor's widgets).
#include <afxautomation.h>
#include <afxcodepage.h>
#include <commctrl.h>
#include <windows.h>

#include <QApplication>
#include <QTreeWidget>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BenchHome.h"
#include "HomeDir.h"
#include "HostOptions.h"
#include "MenuFile.h"
#include "TerminalSession.h"
#include "TerminalSetup.h"
#include "res/resource.h"

namespace fs = std::filesystem;

namespace {

constexpr int kToolbarMode = 2;
constexpr int kLinkMode = 4;
constexpr double kFrameSeconds = 0.016;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ProgramDir() {
    return fs::read_symlink("/proc/self/exe").parent_path().string();
}

double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The heap in use rather than the resident set: memory freed by one
// measurement and reused by the next would hide in the resident set.
long HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}

// ------------------------------------------------------------------ terminals

// One generated terminal, with the host's session on it; only one lives at a
// time, since the terminal's libraries keep their directories globally.
struct Terminal {
    bench::BenchHome home;
    std::unique_ptr<host::TerminalSession> session;
};

std::unique_ptr<Terminal>& CurrentTerminal() {
    static std::unique_ptr<Terminal> current;
    return current;
}

void CloseTerminal() {
    std::unique_ptr<Terminal>& current = CurrentTerminal();
    if (!current) return;
    const std::string root = current->home.root;
    current.reset();
    fs::remove_all(root);
}

Terminal& TerminalOf(int nScreens) {
    std::unique_ptr<Terminal>& current = CurrentTerminal();
    if (current && current->home.nScreens == nScreens) return *current;
    CloseTerminal();
    auto made = std::make_unique<Terminal>();
    made->home = bench::MakeHome(
        (fs::temp_directory_path() / ("tabulo-bench-" + std::to_string(getpid()))).string(),
        nScreens);
    host::HostOptions options;
    options.home = made->home.root;
    options.user = bench::kUser;
    options.mainDir = ProgramDir();
    const host::HomeDir home(options.home);
    home.Prepare(options.user);
    made->session = std::make_unique<host::TerminalSession>(
        options, home, host::LoadMenuFile(made->home.menuFile), ProgramDir());
    current = std::move(made);
    return *current;
}

// Runs body inside the dialog of the mode once it is shown, then closes it.
void InDialog(Terminal& terminal, int nMode, const std::function<void(HWND)>& body) {
    bool bDone = false;
    const afx::ModalHook previous = afx::SetModalHook([&](const afx::ModalInfo& info) {
        if (!info.hwnd || bDone) return;
        bDone = true;
        body(info.hwnd);
        afx::EndModal(IDCANCEL);
    });
    terminal.session->CallTabulo(nMode);
    afx::SetModalHook(previous);
}

// ------------------------------------------------------------------ the floor

struct FloorNode {
    int depth = 0;
    std::string name, no;
};

// The least a reader of the menu file does: each line's depth, name and number.
std::vector<FloorNode> FloorParse(std::string_view text) {
    std::vector<FloorNode> nodes;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const size_t indent = line.find_first_not_of(' ');
        if (indent == std::string_view::npos || line[indent] == '#') continue;
        FloorNode node;
        node.depth = static_cast<int>(indent / 2);
        const size_t open = line.find('"');
        const size_t close = open == std::string_view::npos ? open : line.find('"', open + 1);
        node.name = close == std::string_view::npos
                        ? "SEPARATOR"
                        : std::string(line.substr(open + 1, close - open - 1));
        if (const size_t no = line.find(" no="); no != std::string_view::npos)
            node.no = std::string(line.substr(no + 4, 4));
        if (line.find(" hidden") != std::string_view::npos) node.name.clear();
        nodes.push_back(std::move(node));
    }
    return nodes;
}

// The same number of items in a bare tree: the shown nodes of the menu (no
// separators below the first level), then `extra` further items.
int FillFloorTree(QTreeWidget& tree, const std::vector<FloorNode>& nodes, int extra) {
    std::vector<QTreeWidgetItem*> parents{tree.invisibleRootItem()};
    int count = 0, hiddenDepth = -1;
    for (const FloorNode& node : nodes) {
        if (hiddenDepth >= 0 && node.depth > hiddenDepth) continue;
        hiddenDepth = -1;
        if (node.name.empty()) {
            hiddenDepth = node.depth;
            continue;
        }
        if (node.depth > 0 && node.name == "SEPARATOR") continue;
        parents.resize(static_cast<size_t>(node.depth) + 1);
        const QString label = node.no.empty()
                                  ? QString::fromStdString(node.name)
                                  : QString::fromStdString(node.name + "(" + node.no + ")");
        parents.push_back(new QTreeWidgetItem(parents[static_cast<size_t>(node.depth)], {label}));
        ++count;
    }
    auto* branch = new QTreeWidgetItem(&tree, {QStringLiteral("extra")});
    for (int i = 1; i < extra; ++i) new QTreeWidgetItem(branch, {QString::number(i)});
    tree.topLevelItem(0)->setExpanded(true);
    return count + extra;
}

// The toolbar dialog's data: the menu, the favorites, the two toolbar files.
std::vector<std::string> ToolbarFiles(const bench::BenchHome& home) {
    std::vector<std::string> files{home.root + "/user/Toolbar.ini",
                                   home.root + "/user/ToolBar_" + bench::kUser + ".ini"};
    for (int f = 9101; f <= 9110; ++f)
        files.push_back(home.root + "/user/" + std::to_string(f) + ".FAF");
    return files;
}

// Favorites (1 + 10 folders + 1,000) and groups (1 + 20 + the list's 30).
constexpr int kToolbarExtra = 1011 + 51;
constexpr int kLinkExtra = 10;

struct Floor {
    std::unique_ptr<QTreeWidget> tree;
    int items = 0;
};

Floor BuildFloor(Terminal& terminal, int nMode) {
    std::vector<std::string> files =
        nMode == kToolbarMode ? ToolbarFiles(terminal.home)
                              : std::vector<std::string>{terminal.home.root + "/users/" +
                                                         bench::kUser + "/UserConnectMenu.ini"};
    for (const std::string& file : files) benchmark::DoNotOptimize(ReadFile(file));
    Floor floor;
    floor.tree = std::make_unique<QTreeWidget>();
    floor.tree->resize(300, 400);
    floor.items = FillFloorTree(*floor.tree, FloorParse(ReadFile(terminal.home.menuFile)),
                                nMode == kToolbarMode ? kToolbarExtra : kLinkExtra);
    floor.tree->show();
    QApplication::processEvents();
    return floor;
}

// ------------------------------------------------------------------ controls

HWND Control(HWND hDialog, int nID) {
    return ::GetDlgItem(hDialog, nID);
}

void Click(HWND hDialog, int nID) {
    HWND hControl = Control(hDialog, nID);
    RECT rect{};
    ::GetClientRect(hControl, &rect);
    afx::Click(hControl, {rect.right / 2, rect.bottom / 2});
}

HTREEITEM TreeNext(HWND hTree, UINT code, HTREEITEM hItem) {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessage(hTree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(hItem)));
}

// The n-th of some hundreds of screen items some folders down: a leaf of
// the first leaf folder below one of the root's first 15 folders.
HTREEITEM ScreenItem(HWND hTree, int n) {
    HTREEITEM hItem = TreeNext(hTree, TVGN_CHILD, TreeNext(hTree, TVGN_ROOT, nullptr));
    for (int i = 0; i < n % 15 && TreeNext(hTree, TVGN_NEXT, hItem); ++i)
        hItem = TreeNext(hTree, TVGN_NEXT, hItem);
    while (HTREEITEM hChild = TreeNext(hTree, TVGN_CHILD, hItem)) hItem = hChild;
    for (int i = 0; i < n / 15 % 25 && TreeNext(hTree, TVGN_NEXT, hItem); ++i)
        hItem = TreeNext(hTree, TVGN_NEXT, hItem);
    return hItem;
}

void SelectTreeItem(HWND hTree, HTREEITEM hItem) {
    ::SendMessage(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem));
}

void SelectRow(HWND hList, int nRow) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    ::SendMessage(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                  reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessage(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(nRow),
                  reinterpret_cast<LPARAM>(&item));
}

POINT ItemCentre(HWND hTree, HTREEITEM hItem) {
    ::SendMessage(hTree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem));
    RECT rect{};
    std::memcpy(&rect, &hItem, sizeof hItem);
    ::SendMessage(hTree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// ------------------------------------------------------------------ timing

// Times each call of act (with the repaint it asks for) in process CPU time;
// setup runs untimed before each. The slowest call is kept as "max_ms".
void TimeEach(benchmark::State& state, const std::function<void()>& setup,
              const std::function<void()>& act) {
    double slowest = 0;
    for (auto _ : state) {
        if (setup) setup();
        QApplication::processEvents();
        const double start = ProcessSeconds();
        act();
        QApplication::processEvents();
        const double seconds = ProcessSeconds() - start;
        state.SetIterationTime(seconds);
        slowest = std::max(slowest, seconds);
    }
    state.counters["max_ms"] = slowest * 1e3;
}

// ------------------------------------------------------------------ benchmarks

void HostStart(benchmark::State& state) {
    Terminal& terminal = TerminalOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CMenuNode menu = host::LoadMenuFile(terminal.home.menuFile);
        CMapStringToPtr index;
        terminal::BuildScreenIndex(menu, index);
        benchmark::DoNotOptimize(index.GetCount());
    }
}

void FloorParseBench(benchmark::State& state) {
    Terminal& terminal = TerminalOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FloorParse(host::ReadMenuFile(terminal.home.menuFile)));
}

void Open(benchmark::State& state, int nMode) {
    Terminal& terminal = TerminalOf(static_cast<int>(state.range(0)));
    for (auto _ : state) InDialog(terminal, nMode, [](HWND) {});
}

void FloorOpen(benchmark::State& state, int nMode) {
    Terminal& terminal = TerminalOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Floor floor = BuildFloor(terminal, nMode);
        state.counters["items"] = floor.items;
    }
}

void SetSearchText(HWND hDialog, int nEdit, const char* pszText) {
    ::SetDlgItemText(hDialog, nEdit, pszText);
}

void SearchBench(benchmark::State& state, int nMode, const char* pszText) {
    const int nEdit = nMode == kToolbarMode ? IDC_SEARCH_TEXT : IDC_LINK_SEARCH_TEXT;
    const int nSearch = nMode == kToolbarMode ? IDC_SEARCH : IDC_LINK_SEARCH;
    InDialog(TerminalOf(static_cast<int>(state.range(0))), nMode, [&](HWND hDialog) {
        SetSearchText(hDialog, nEdit, pszText);
        TimeEach(state, nullptr, [&] { Click(hDialog, nSearch); });
    });
}

// 200 steps through the hits of one search, each timed.
void StepBench(benchmark::State& state, int nMode) {
    const int nEdit = nMode == kToolbarMode ? IDC_SEARCH_TEXT : IDC_LINK_SEARCH_TEXT;
    const int nSearch = nMode == kToolbarMode ? IDC_SEARCH : IDC_LINK_SEARCH;
    const int nNext = nMode == kToolbarMode ? IDC_NEXT_HIT : IDC_LINK_NEXT_HIT;
    InDialog(TerminalOf(static_cast<int>(state.range(0))), nMode, [&](HWND hDialog) {
        SetSearchText(hDialog, nEdit, bench::kManyHitsText);
        Click(hDialog, nSearch);
        TimeEach(state, nullptr, [&] { Click(hDialog, nNext); });
    });
}

// Register and delete alternate in a full group, so each finds it as the
// other left it.
void RegisterBench(benchmark::State& state) {
    InDialog(TerminalOf(static_cast<int>(state.range(0))), kToolbarMode, [&](HWND hDialog) {
        HWND hTree = Control(hDialog, IDC_MENU_TREE);
        HWND hList = Control(hDialog, IDC_TOOL_LIST);
        int n = 0;
        TimeEach(
            state,
            [&] {
                SelectRow(hList, 0);
                Click(hDialog, IDC_DELETE_SCREEN);
                SelectTreeItem(hTree, ScreenItem(hTree, ++n % 15));
                SelectRow(hList, 0);
            },
            [&] { Click(hDialog, IDC_REGIST); });
    });
}

void DeleteBench(benchmark::State& state) {
    InDialog(TerminalOf(static_cast<int>(state.range(0))), kToolbarMode, [&](HWND hDialog) {
        HWND hTree = Control(hDialog, IDC_MENU_TREE);
        HWND hList = Control(hDialog, IDC_TOOL_LIST);
        SelectTreeItem(hTree, ScreenItem(hTree, 3));
        bool bFirst = true;
        TimeEach(
            state,
            [&] {
                if (!std::exchange(bFirst, false)) Click(hDialog, IDC_REGIST);
                SelectRow(hList, 0);
            },
            [&] { Click(hDialog, IDC_DELETE_SCREEN); });
    });
}

void MoveBench(benchmark::State& state) {
    InDialog(TerminalOf(static_cast<int>(state.range(0))), kToolbarMode, [&](HWND hDialog) {
        SelectRow(Control(hDialog, IDC_TOOL_LIST), 10);
        bool bDown = false;
        TimeEach(state, nullptr,
                 [&] { Click(hDialog, (bDown = !bDown) ? IDC_SCREEN_DOWN : IDC_SCREEN_UP); });
    });
}

// Right and Left in turn on a first-level folder of the menu tree.
void ExpandKeyBench(benchmark::State& state) {
    InDialog(TerminalOf(static_cast<int>(state.range(0))), kToolbarMode, [&](HWND hDialog) {
        HWND hTree = Control(hDialog, IDC_MENU_TREE);
        const HTREEITEM hRoot = TreeNext(hTree, TVGN_ROOT, nullptr);
        SelectTreeItem(hTree, TreeNext(hTree, TVGN_CHILD, hRoot));
        ::SetFocus(hTree);
        bool bOpen = false;
        TimeEach(state, nullptr, [&] { afx::PressKey((bOpen = !bOpen) ? VK_RIGHT : VK_LEFT); });
    });
}

void DragBench(benchmark::State& state) {
    InDialog(TerminalOf(static_cast<int>(state.range(0))), kToolbarMode, [&](HWND hDialog) {
        HWND hTree = Control(hDialog, IDC_MENU_TREE);
        HWND hList = Control(hDialog, IDC_TOOL_LIST);
        int n = 0;
        POINT from{};
        TimeEach(
            state,
            [&] {
                SelectRow(hList, 0);
                Click(hDialog, IDC_DELETE_SCREEN);
                from = ItemCentre(hTree, ScreenItem(hTree, ++n % 15));
            },
            [&] {
                RECT rect{};
                ::GetClientRect(hList, &rect);
                POINT to{rect.right / 2, rect.bottom / 2};
                ::ClientToScreen(hList, &to);
                afx::DragFrom(hTree, from,
                              {afx::DragStep::MoveTo({to.x + 1, to.y}), afx::DragStep::MoveTo(to),
                               afx::DragStep::Release()});
            });
    });
}

// Each save finds a change to write: a screen moved since the last.
void SaveBench(benchmark::State& state) {
    InDialog(TerminalOf(static_cast<int>(state.range(0))), kToolbarMode, [&](HWND hDialog) {
        SelectRow(Control(hDialog, IDC_TOOL_LIST), 10);
        bool bDown = false;
        TimeEach(
            state, [&] { Click(hDialog, (bDown = !bDown) ? IDC_SCREEN_DOWN : IDC_SCREEN_UP); },
            [&] { Click(hDialog, IDC_SAVE); });
    });
}

// ------------------------------------------------------------------ report

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            Figure& figure = m_figures[run.benchmark_name()];
            // Timed actions report their own CPU time as the manual time.
            const auto slowest = run.counters.find("max_ms");
            const bool manual = slowest != run.counters.end();
            figure.seconds = (manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) /
                             benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (manual) figure.maxMs = slowest->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    struct Figure {
        double seconds = 0;
        double maxMs = 0;
    };
    // By the name and argument, whatever the run's further name parts.
    const Figure* Find(const std::string& prefix) const {
        for (const auto& [name, figure] : m_figures)
            if (name == prefix || name.starts_with(prefix + "/")) return &figure;
        return nullptr;
    }

private:
    std::map<std::string, Figure> m_figures;
};

struct Memory {
    int items = 0;
    double dialogBytes = 0, floorBytes = 0;  // per item
    double bytesPerItem = 0;
};

// Heap growth while the dialog is open, less the floor's, per item; both
// measured after a first run, so that one-time set-up costs neither.
Memory MemoryAboveFloor(int nScreens, int nMode) {
    Terminal& terminal = TerminalOf(nScreens);
    Memory memory;
    long floorBytes = 0, dialogBytes = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const long floorBefore = HeapBytes();
        {
            Floor floor = BuildFloor(terminal, nMode);
            floorBytes = HeapBytes() - floorBefore;
            memory.items = floor.items;
        }
        const long before = HeapBytes();
        InDialog(terminal, nMode, [&](HWND) { dialogBytes = HeapBytes() - before; });
    }
    const double items = std::max(1, memory.items);
    memory.dialogBytes = static_cast<double>(dialogBytes) / items;
    memory.floorBytes = static_cast<double>(floorBytes) / items;
    memory.bytesPerItem = memory.dialogBytes - memory.floorBytes;
    return memory;
}

void PrintTable(const RatioReporter& reporter, const std::vector<int>& sizes) {
    struct Row {
        const char* label;
        const char* name;
        const char* floor;  // null: the ratio is to one frame
    };
    const Row rows[] = {
        {"host start", "HostStart", "FloorParse"},
        {"open+close toolbar dialog", "OpenToolbar", "FloorToolbar"},
        {"open+close link dialog", "OpenLink", "FloorLink"},
        {"toolbar search, many hits", "SearchMany", nullptr},
        {"toolbar search, no hit", "SearchNone", nullptr},
        {"toolbar \">\" step (200)", "Step", nullptr},
        {"link search, many hits", "LinkSearchMany", nullptr},
        {"link \">\" step (200)", "LinkStep", nullptr},
        {"register", "Register", nullptr},
        {"move down/up", "Move", nullptr},
        {"delete", "Delete", nullptr},
        {"expand/collapse key", "ExpandKey", nullptr},
        {"drag menu -> list", "Drag", nullptr},
        {"save", "Save", nullptr},
    };
    std::printf("\n%-28s %7s %10s %10s %9s %10s\n", "figure", "screens", "ms", "max ms", "floor ms",
                "ratio");
    for (const int n : sizes) {
        const std::string suffix = "/" + std::to_string(n);
        for (const Row& row : rows) {
            const auto* figure = reporter.Find(std::string(row.name) + suffix);
            if (!figure) continue;
            const auto* floor = row.floor ? reporter.Find(row.floor + suffix) : nullptr;
            const double floorSeconds = floor ? floor->seconds : kFrameSeconds;
            const double worst = row.floor ? figure->seconds : figure->maxMs * 1e-3;
            std::printf("%-28s %7d %10.2f %10.2f %9.2f %8.2fx%s\n", row.label, n,
                        figure->seconds * 1e3, figure->maxMs, floorSeconds * 1e3,
                        worst / floorSeconds, row.floor ? " floor" : " frame (max)");
        }
        for (const int nMode : {kToolbarMode, kLinkMode}) {
            if (!reporter.Find((nMode == kToolbarMode ? "OpenToolbar" : "OpenLink") + suffix))
                continue;
            const Memory memory = MemoryAboveFloor(n, nMode);
            std::printf(
                "%-28s %7d %d items: dialog %.0f, floor %.0f, %.0f bytes per item above the "
                "floor\n",
                nMode == kToolbarMode ? "memory, toolbar dialog" : "memory, link dialog", n,
                memory.items, memory.dialogBytes, memory.floorBytes, memory.bytesPerItem);
        }
    }
}

struct Bench {
    const char* name;
    void (*fn)(benchmark::State&);
    int iterations;  // 0: as many as fill the minimum time, timed by the library
};

const Bench kBenches[] = {
    {"HostStart", HostStart, 0},
    {"FloorParse", FloorParseBench, 0},
    {"OpenToolbar", [](benchmark::State& s) { Open(s, kToolbarMode); }, 0},
    {"FloorToolbar", [](benchmark::State& s) { FloorOpen(s, kToolbarMode); }, 0},
    {"OpenLink", [](benchmark::State& s) { Open(s, kLinkMode); }, 0},
    {"FloorLink", [](benchmark::State& s) { FloorOpen(s, kLinkMode); }, 0},
    {"SearchMany", [](benchmark::State& s) { SearchBench(s, kToolbarMode, bench::kManyHitsText); },
     3},
    {"SearchNone", [](benchmark::State& s) { SearchBench(s, kToolbarMode, bench::kNoHitsText); },
     5},
    {"Step", [](benchmark::State& s) { StepBench(s, kToolbarMode); }, 200},
    {"LinkSearchMany", [](benchmark::State& s) { SearchBench(s, kLinkMode, bench::kManyHitsText); },
     3},
    {"LinkStep", [](benchmark::State& s) { StepBench(s, kLinkMode); }, 200},
    {"Register", RegisterBench, 30},
    {"Move", MoveBench, 30},
    {"Delete", DeleteBench, 30},
    {"ExpandKey", ExpandKeyBench, 30},
    {"Drag", DragBench, 30},
    {"Save", SaveBench, 5},
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes{1000, 20000};
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--large") == 0)
            sizes.push_back(100000);
        else
            args.push_back(argv[i]);
    }
    int nArgs = static_cast<int>(args.size());
    afx::AutomationSession automation;
    afx::SetMessageBoxHandler(
        [](HWND, LPCSTR, LPCSTR, UINT type) { return (type & MB_YESNO) ? IDYES : IDOK; });

    // Size by size, so that each terminal is generated once.
    for (const int n : sizes) {
        for (const Bench& b : kBenches) {
            auto* run =
                benchmark::RegisterBenchmark(b.name, b.fn)->Arg(n)->Unit(benchmark::kMillisecond);
            if (b.iterations)
                run->UseManualTime()->Iterations(b.iterations);
            else
                run->MinTime(0.3);
        }
    }

    benchmark::Initialize(&nArgs, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintTable(reporter, sizes);
    CloseTerminal();
    benchmark::Shutdown();
    return 0;
}
