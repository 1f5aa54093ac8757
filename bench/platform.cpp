// Baselines of the platform itself, to read the project's own numbers against.
#include "bench/BenchHarness.h"

#include <sqlite3.h>

#include <string>

namespace {

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_USER)
        return wp + 1;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

int main()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BenchPlain";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    const long sends = 100000;
    bench::Measure("SendMessage to a plain window procedure", 5, sends, [&] {
        for (long i = 0; i < sends; ++i)
            SendMessageW(hwnd, WM_USER, static_cast<WPARAM>(i), 0);
    });
    DestroyWindow(hwnd);

    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, "CREATE TABLE T(k INTEGER PRIMARY KEY, v TEXT)", nullptr, nullptr, nullptr);
    const long inserts = 2000;
    long key = 0;
    bench::Measure("SQLite insert (in-memory, autocommit)", 5, inserts, [&] {
        for (long i = 0; i < inserts; ++i) {
            const std::string sql = "INSERT INTO T(v) VALUES('row " + std::to_string(++key) + "')";
            sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        }
    });
    sqlite3_close(db);
    return 0;
}
