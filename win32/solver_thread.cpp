#include "win32/solver_thread.h"

#include <atomic>
#include <memory>

#include "game/app_state.h"
#include "rules/solver.h"
#include "win32/platform_state.h"

// `lock` guards board, generation, quit and the last answer; cancel is read
// by the search itself.
struct SolverWorker {
    HANDLE thread;
    HANDLE wake;  // auto-reset: a new board, or the end
    HWND window;  // where verdicts are posted
    CRITICAL_SECTION lock;
    Board board;      // the latest board asked for
    long generation;  // of `board`
    bool quit;
    long answered;  // the generation of the last verdict posted
    bool started;   // it can be won, and `start` is its winning order's first pair
    Move start;
    std::atomic<bool> cancel;
    Board working;  // the worker's own copy, searched outside the lock
};

namespace {

DWORD WINAPI solverMain(LPVOID parameter) {
    SolverWorker& worker = *static_cast<SolverWorker*>(parameter);
    for (;;) {
        WaitForSingleObject(worker.wake, INFINITE);
        EnterCriticalSection(&worker.lock);
        const bool quit = worker.quit;
        const long generation = worker.generation;
        if (!quit) {
            worker.working = worker.board;
            worker.cancel = false;
        }
        LeaveCriticalSection(&worker.lock);
        if (quit) return 0;
        const SolveResult result = solveBoard(worker.working, kBackgroundSolveBudget, &worker.cancel);
        EnterCriticalSection(&worker.lock);
        worker.answered = generation;
        worker.started = result.verdict == Verdict::Winnable && result.pairCount > 0;
        worker.start = result.pairs[0];
        LeaveCriticalSection(&worker.lock);
        PostMessageA(worker.window, kSolvedMessage, static_cast<WPARAM>(generation),
                     static_cast<LPARAM>(result.verdict));
    }
}

}  // namespace

void startSolver(AppState& app) {
    auto worker = std::make_unique<SolverWorker>();
    worker->window = app.platform->mainWindow;
    worker->generation = 0;
    worker->answered = -1;
    worker->quit = false;
    worker->cancel = false;
    InitializeCriticalSection(&worker->lock);
    worker->wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    worker->thread = CreateThread(nullptr, 0, solverMain, worker.get(), 0, nullptr);
    if (worker->thread == nullptr) {  // play goes on without verdicts
        CloseHandle(worker->wake);
        DeleteCriticalSection(&worker->lock);
        return;
    }
    app.platform->solver = worker.release();
}

void stopSolver(AppState& app) {
    if (app.platform->solver == nullptr) return;
    SolverWorker& worker = *app.platform->solver;
    EnterCriticalSection(&worker.lock);
    worker.quit = true;
    worker.cancel = true;
    LeaveCriticalSection(&worker.lock);
    SetEvent(worker.wake);
    WaitForSingleObject(worker.thread, INFINITE);
    CloseHandle(worker.thread);
    CloseHandle(worker.wake);
    DeleteCriticalSection(&worker.lock);
    delete app.platform->solver;
    app.platform->solver = nullptr;
}

long solveInBackground(AppState& app, const Board& tiles) {
    if (app.platform->solver == nullptr) return -1;
    SolverWorker& worker = *app.platform->solver;
    EnterCriticalSection(&worker.lock);
    worker.board = tiles;
    const long generation = ++worker.generation;
    worker.cancel = true;
    LeaveCriticalSection(&worker.lock);
    SetEvent(worker.wake);
    return generation;
}

void takeWinningStart(AppState& app, WPARAM generation, LPARAM verdict) {
    PlatformState& p = *app.platform;
    if (p.solver == nullptr || static_cast<long>(generation) != p.solveGeneration ||
        static_cast<Verdict>(verdict) != Verdict::Winnable)
        return;
    SolverWorker& worker = *p.solver;
    EnterCriticalSection(&worker.lock);
    const bool current = worker.answered == static_cast<long>(generation) && worker.started;
    const Move start = worker.start;
    LeaveCriticalSection(&worker.lock);
    // The board searched is the one the status bar counted for this generation.
    if (current) noteWinningStart(app.winningStart, p.statusTiles, start);
}
