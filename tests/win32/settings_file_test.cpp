// The real main window, created and destroyed in a scratch folder: closing
// it writes the settings file; creating it asks for the mouse buttons.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "files/profile.h"
#include "files/statistics_file.h"
#include "game/records.h"
#include "game/geometry.h"
#include "scratch_game.h"

namespace {

// Counts the program's calls of SwapMouseButton by pointing its import at a
// stand-in that passes each call on.
int swapCalls = 0;
BOOL(WINAPI* realSwapMouseButton)(BOOL) = nullptr;
BOOL WINAPI countingSwapMouseButton(BOOL swap) {
    ++swapCalls;
    return realSwapMouseButton(swap);
}

// Points every import slot of this program that holds `from` at `to`.
int redirectImport(ULONG_PTR from, ULONG_PTR to) {
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const IMAGE_NT_HEADERS* headers =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int redirected = 0;
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name != 0; ++module)
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
             slot->u1.Function != 0; ++slot) {
            if (slot->u1.Function != from) continue;
            DWORD protection;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            slot->u1.Function = to;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            ++redirected;
        }
    return redirected;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Everything but the window section, which follows the platform's placement.
std::string withoutWindowSection(const std::string& text) {
    const std::size_t at = text.find("\r\n\r\n[WINDOW]\r\n");
    return at == std::string::npos ? text : text.substr(0, at + 2);
}

struct SettingsFileTest : ScratchFolder {
    int buttonsSwapped = -1;  // as the last run's start-up found them
    PixelSize minimumClient{};  // the last run's smallest client area

    // Opens and closes the main window once; returns the scale it ended at.
    double runWindow() {
        TestApp test = newTestApp();
        HWND window = openMainWindow(*test.app);
        EXPECT_NE(window, nullptr);
        if (window != nullptr) DestroyWindow(window);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE)) {
        }
        buttonsSwapped = test.app->buttonsSwapped;
        minimumClient = minimumClientSize(*test.app, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        return test.app->view.scale;
    }
};

TEST_F(SettingsFileTest, FirstRunWritesEveryDefault) {
    const double scale = runWindow();
    const std::string text = readFile("Kelvarin.ini");
    std::ostringstream expected;
    expected << "\r\n[VIEW]\r\nAUTO_SCALE = 1\r\nBACK_IMAGE = marble.bmp\r\nBACK_TYPE = 1\r\n"
                "COLOR_BACK = 16777215\r\nCOLOR_INK = 16711808\r\n"
             << "SCALE = " << static_cast<int>((scale - 50) / 12.5) << "\r\nTILE_SET = Classic\r\n"
             << "\r\n[LAST]\r\nGAME = classic.kvl\r\n\r\n[GAME]\r\nWINNABLE_ONLY = 0\r\nHINT_SAFE = 1\r\n\r\n[SOUND]\r\n";
    for (const char* event :
         {"error", "level is completed", "pair is completed", "selection", "unselection"})
        expected << event << "_FILE = .\\Sound\\" << event << ".wav\r\n" << event << "_ENABLE = 1\r\n";
    EXPECT_EQ(withoutWindowSection(text), expected.str());
    const std::regex window(
        "\r\n\\[WINDOW\\]\r\nLEFT = -?\\d+\r\nRIGHT = -?\\d+\r\nTOP = -?\\d+\r\nBOTTOM = -?\\d+\r\n$");
    EXPECT_TRUE(std::regex_search(text, window)) << text;
}

// A file of chosen values comes back byte for byte, the placement aside.
TEST_F(SettingsFileTest, ChosenSettingsSurviveARun) {
    const std::string chosen =
        "\r\n[VIEW]\r\nAUTO_SCALE = 0\r\nBACK_IMAGE = felt.bmp\r\nBACK_TYPE = 0\r\n"
        "COLOR_BACK = 32768\r\nCOLOR_INK = 255\r\nSCALE = 3\r\nTILE_SET = Night\r\n"
        "\r\n[LAST]\r\nGAME = classic.kvl\r\n\r\n[GAME]\r\nWINNABLE_ONLY = 1\r\nHINT_SAFE = 0\r\n\r\n[SOUND]\r\n"
        "error_FILE = C:\\waves\\no.wav\r\nerror_ENABLE = 0\r\n"
        "level is completed_FILE = \r\nlevel is completed_ENABLE = 1\r\n"
        "pair is completed_FILE = .\\Sound\\pair is completed.wav\r\npair is completed_ENABLE = 0\r\n"
        "selection_FILE = .\\Sound\\selection.wav\r\nselection_ENABLE = 1\r\n"
        "unselection_FILE = .\\Sound\\unselection.wav\r\nunselection_ENABLE = 1\r\n";
    writeFile("Kelvarin.ini", chosen + "\r\n[WINDOW]\r\nLEFT = 40\r\nRIGHT = 1000\r\nTOP = 30\r\nBOTTOM = 760\r\n");
    EXPECT_EQ(runWindow(), 87.5);
    EXPECT_EQ(withoutWindowSection(readFile("Kelvarin.ini")), chosen);
}

// Log-off or shutdown: the game in play is given up and the settings are
// written, as on Exit, and the window's own end counts nothing twice.
TEST_F(SettingsFileTest, TheEndOfTheSessionGivesUpTheGameAndWritesTheSettings) {
    TestApp test = newTestApp();
    HWND window = openMainWindow(*test.app);
    ASSERT_NE(window, nullptr);
    notePairTaken(*test.app);
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_NE(readFile("Kelvarin.ini"), "");
    DestroyWindow(window);
    MSG quit;
    while (PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE)) {
    }
    std::vector<PuzzleRecord> records;
    readStatistics(".\\Statistics.ini", records);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].played, 1);
    EXPECT_EQ(records[0].won, 0);
}

// A window saved one pixel large opens where it was, large enough for the
// board at the smallest scale.
TEST_F(SettingsFileTest, ATinySavedWindowOpensNoSmallerThanItsTrackLimits) {
    writeFile("Kelvarin.ini", "\r\n[WINDOW]\r\nLEFT = 100\r\nRIGHT = 101\r\nTOP = 80\r\nBOTTOM = 81\r\n");
    runWindow();
    Profile written;
    parseProfile(written, readFile("Kelvarin.ini"));
    const int left = profileInt(written, "WINDOW", "LEFT", 0);
    const int top = profileInt(written, "WINDOW", "TOP", 0);
    EXPECT_EQ(left, 100);
    EXPECT_EQ(top, 80);
    EXPECT_GT(profileInt(written, "WINDOW", "RIGHT", 0) - left, minimumClient.width);
    EXPECT_GT(profileInt(written, "WINDOW", "BOTTOM", 0) - top, minimumClient.height);
    EXPECT_GT(minimumClient.width, 300);  // the classic puzzle at 50 %
}

// Start-up learns whether the buttons are swapped without swapping them,
// not even for a moment.
TEST_F(SettingsFileTest, StartUpAsksForTheMouseButtonsWithoutChangingThem) {
    const ULONG_PTR real = reinterpret_cast<ULONG_PTR>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SwapMouseButton"));
    realSwapMouseButton = reinterpret_cast<BOOL(WINAPI*)(BOOL)>(real);
    const BOOL before = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    for (BOOL swapped : {TRUE, FALSE}) {
        SwapMouseButton(swapped);
        ASSERT_EQ(redirectImport(real, reinterpret_cast<ULONG_PTR>(&countingSwapMouseButton)), 1);
        swapCalls = 0;
        runWindow();
        redirectImport(reinterpret_cast<ULONG_PTR>(&countingSwapMouseButton), real);
        EXPECT_EQ(swapCalls, 0) << "swapped " << swapped;
        EXPECT_EQ(buttonsSwapped, swapped ? 1 : 0);
        EXPECT_EQ(GetSystemMetrics(SM_SWAPBUTTON) != 0, swapped != FALSE);
    }
    SwapMouseButton(before);
}

}  // namespace
