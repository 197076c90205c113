#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_host.h"
#include "files/file_path.h"

namespace {

void setPath(FilePath& path, const char* folder, const std::string& name, const char* extension) {
    std::memset(&path, 0, sizeof path);
    setIllegalChars(path);
    std::strcpy(path.folder, folder);
    std::strncpy(path.name, name.c_str(), sizeof path.name - 1);
    std::strcpy(path.extension, extension);
}

}  // namespace

TEST(FilePath, ComposesTheWindowsForm) {
    struct Row {
        const char* folder;
        const char* name;
        const char* extension;
        const char* expected;
    } rows[] = {
        {"Save", "game1", "kvg", ".\\Save\\game1.kvg"},
        {"Puzzle", "classic.kvl", "", ".\\Puzzle\\classic.kvl"},
        {"", "Kelvarin", "ini", "Kelvarin.ini"},
        {"Puzzle", "a.b", "kvl", ".\\Puzzle\\a.b.kvl"},
        {"Save", " x ", "kvg", ".\\Save\\ x .kvg"},
    };
    for (const Row& row : rows) {
        FilePath path;
        setPath(path, row.folder, row.name, row.extension);
        EXPECT_TRUE(buildPath(path));
        EXPECT_STREQ(path.fullPath, row.expected);
    }
}

TEST(FilePath, RefusesAPathLongerThan259Characters) {
    FilePath path;
    // ".\Save\" (7) + name + ".kvg" (4): 248 characters make exactly 259.
    setPath(path, "Save", std::string(248, 'n'), "kvg");
    ASSERT_TRUE(buildPath(path));
    EXPECT_EQ(std::strlen(path.fullPath), 259u);

    setPath(path, "Save", std::string(249, 'n'), "kvg");
    EXPECT_FALSE(buildPath(path));
    EXPECT_STREQ(path.fullPath, "");
    EXPECT_EQ(composePath(path).size(), 260u);  // messages can still quote it whole
}

TEST(FilePath, BlankNames) {
    struct Row {
        const char* name;
        bool blank;
    } rows[] = {{"", true}, {"   ", true}, {" a ", false}, {"\t", false}, {"game", false}};
    for (const Row& row : rows) {
        FilePath path;
        setPath(path, "Save", row.name, "kvg");
        EXPECT_EQ(nameIsBlank(path), row.blank) << '"' << row.name << '"';
    }
}

TEST(FilePath, EachIllegalCharacterAloneMakesANameIllegal) {
    FilePath path;
    setPath(path, "Save", "a.b c", "kvg");
    EXPECT_TRUE(nameIsLegal(path));
    EXPECT_EQ(std::strlen(path.illegalChars), 9u);
    for (char c : std::string("\\|/:*?<\">")) {
        setPath(path, "Save", std::string("game") + c + "1", "kvg");
        EXPECT_FALSE(nameIsLegal(path)) << c;
    }
}
