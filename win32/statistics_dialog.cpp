// The Statistics dialog: the records of Statistics.ini, one row per puzzle,
// sorted by a click on a column header (a second click reverses the order);
// Reset empties the records after a question.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "game/app_state.h"
#include "game/host.h"
#include "game/records.h"
#include "game/statistics_view.h"
#include "resources/resource.h"
#include "win32/dialog_commands.h"
#include "win32/platform_state.h"

namespace {

// What the dialog shows, kept on the stack of openStatisticsDialog.
struct StatisticsList {
    AppState* app;
    std::vector<PuzzleRecord> records;
    int column;  // the rows' order
    bool descending;
};

constexpr int kColumnWidths[kStatisticsColumns] = {120, 55, 50, 55, 70, 85};

HWND listOf(HWND dialog) { return GetDlgItem(dialog, IDC_STATISTICS_LIST); }

// The arrow in the header of the sorting column.
void showOrder(HWND list, const StatisticsList& s) {
    HWND header = ListView_GetHeader(list);
    for (int column = 0; column < kStatisticsColumns; ++column) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, column, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (column == s.column) item.fmt |= s.descending ? HDF_SORTDOWN : HDF_SORTUP;
        Header_SetItem(header, column, &item);
    }
}

void showRows(HWND dialog, StatisticsList& s) {
    sortStatistics(s.records, s.column, s.descending);
    HWND list = listOf(dialog);
    ListView_DeleteAllItems(list);
    for (int row = 0; row < static_cast<int>(s.records.size()); ++row) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>("");
        ListView_InsertItem(list, &item);
        for (int column = 0; column < kStatisticsColumns; ++column) {
            std::string text = statisticsCell(s.records[row], column);
            ListView_SetItemText(list, row, column, text.data());
        }
    }
    showOrder(list, s);
    EnableWindow(GetDlgItem(dialog, IDC_STATISTICS_RESET),
                 !s.records.empty() && s.app->records.unreadable == 0);
}

void readRows(HWND dialog, StatisticsList& s) {
    readRecords(*s.app, s.records);
    showRows(dialog, s);
}

void onInitDialog(HWND dialog, StatisticsList& s) {
    HWND list = listOf(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int column = 0; column < kStatisticsColumns; ++column) {
        LVCOLUMNA heading{};
        heading.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        heading.fmt = column == ColumnPuzzle ? LVCFMT_LEFT : LVCFMT_RIGHT;
        heading.pszText = const_cast<char*>(kStatisticsHeadings[column]);
        heading.cx = kColumnWidths[column];
        ListView_InsertColumn(list, column, &heading);
    }
    readRows(dialog, s);
}

void onColumnClick(HWND dialog, StatisticsList& s, int column) {
    s.descending = column == s.column && !s.descending;
    s.column = column;
    showRows(dialog, s);
}

void onReset(HWND dialog, StatisticsList& s) {
    if (!askYesNo(*s.app, dialog, "Reset all statistics. Are you sure?")) return;
    resetStatistics(*s.app);
    readRows(dialog, s);  // what the file holds now
}

INT_PTR CALLBACK statisticsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        onInitDialog(dialog, *reinterpret_cast<StatisticsList*>(lParam));
        return TRUE;
    }
    auto* s = reinterpret_cast<StatisticsList*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (s == nullptr) return FALSE;
    switch (message) {
    case WM_NOTIFY: {
        const auto* notice = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (notice->hdr.idFrom == IDC_STATISTICS_LIST && notice->hdr.code == LVN_COLUMNCLICK)
            onColumnClick(dialog, *s, notice->iSubItem);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_STATISTICS_RESET) onReset(dialog, *s);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void openStatisticsDialog(AppState& app) {
    StatisticsList list{&app, {}, ColumnPuzzle, false};
    DialogBoxParamA(app.platform->instance, MAKEINTRESOURCEA(IDD_STATISTICS), app.platform->mainWindow,
                    statisticsDialog, reinterpret_cast<LPARAM>(&list));
}
