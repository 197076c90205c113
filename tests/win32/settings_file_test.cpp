// The real main window, created and destroyed in a scratch folder: closing
// it writes the settings file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

#include "scratch_game.h"

namespace {

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
    // Opens and closes the main window once; returns the scale it ended at.
    double runWindow() {
        TestApp test = newTestApp();
        HWND window = openMainWindow(*test.app);
        EXPECT_NE(window, nullptr);
        if (window != nullptr) DestroyWindow(window);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE)) {
        }
        return test.app->view.scale;
    }
};

TEST_F(SettingsFileTest, FirstRunWritesEveryDefault) {
    const double scale = runWindow();
    const std::string text = readFile("Kelvarin.ini");
    std::ostringstream expected;
    expected << "\r\n[VIEW]\r\nAUTO_SCALE = 1\r\nBACK_IMAGE = marble.bmp\r\nBACK_TYPE = 1\r\n"
                "COLOR_BACK = 16777215\r\nCOLOR_INK = 16711808\r\n"
             << "SCALE = " << static_cast<int>((scale - 50) / 12.5) << "\r\n"
             << "\r\n[LAST]\r\nGAME = classic.kvl\r\n\r\n[SOUND]\r\n";
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
        "COLOR_BACK = 32768\r\nCOLOR_INK = 255\r\nSCALE = 3\r\n"
        "\r\n[LAST]\r\nGAME = classic.kvl\r\n\r\n[SOUND]\r\n"
        "error_FILE = C:\\waves\\no.wav\r\nerror_ENABLE = 0\r\n"
        "level is completed_FILE = \r\nlevel is completed_ENABLE = 1\r\n"
        "pair is completed_FILE = .\\Sound\\pair is completed.wav\r\npair is completed_ENABLE = 0\r\n"
        "selection_FILE = .\\Sound\\selection.wav\r\nselection_ENABLE = 1\r\n"
        "unselection_FILE = .\\Sound\\unselection.wav\r\nunselection_ENABLE = 1\r\n";
    writeFile("Kelvarin.ini", chosen + "\r\n[WINDOW]\r\nLEFT = 40\r\nRIGHT = 1000\r\nTOP = 30\r\nBOTTOM = 760\r\n");
    EXPECT_EQ(runWindow(), 87.5);
    EXPECT_EQ(withoutWindowSection(readFile("Kelvarin.ini")), chosen);
}

}  // namespace
