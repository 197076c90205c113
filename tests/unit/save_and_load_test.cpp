// The file writes and deletions of the save and load dialogs: they ask before
// replacing, report their failures, and never leave a file half written.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#include <csignal>
#endif

#include "fake_host.h"
#include "files/file_path.h"
#include "game/save_and_load.h"
#include "temp_folder.h"

namespace {

const Owner kDialog = reinterpret_cast<Owner>(0x1234);

}  // namespace

class FileWriting : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        app = newTestState();
    }
    void target(const char* folder, const std::string& name, const char* extension) {
        FilePath& path = app->filePath;
        std::strcpy(path.folder, folder);
        std::strncpy(path.name, name.c_str(), sizeof path.name - 1);
        std::strcpy(path.extension, extension);
    }
    std::unique_ptr<AppState> app;
};

TEST_F(FileWriting, CreatesTheFolderAndWritesWithoutAsking) {
    target("Save", "game1", "kvg");
    EXPECT_FALSE(fileExists(app->filePath));
    ASSERT_TRUE(writeTextFile(*app, "hello\r\n", kMainWindow));
    EXPECT_EQ(readFile("Save/game1.kvg"), "hello\r\n");
    EXPECT_TRUE(fileExists(app->filePath));
    EXPECT_TRUE(fakeHost().calls.empty());
    EXPECT_EQ(entries("Save"), std::vector<std::string>{"game1.kvg"});
}

TEST_F(FileWriting, AsksOnceBeforeReplacingAndLeavesNothingOfTheOldText) {
    target("Save", "game1", "kvg");
    ASSERT_TRUE(writeTextFile(*app, "a much longer old text", kMainWindow));
    fakeHost().reset();
    fakeHost().answers = {true};
    ASSERT_TRUE(writeTextFile(*app, "new", kDialog));
    EXPECT_EQ(readFile("Save/game1.kvg"), "new");
    ASSERT_EQ(fakeHost().calls.size(), 1u);
    EXPECT_EQ(fakeHost().calls[0].kind, HostCall::Question);
    EXPECT_EQ(fakeHost().calls[0].text, "File exist. Overwrite?");
    EXPECT_EQ(fakeHost().calls[0].owner, kDialog);
}

TEST_F(FileWriting, AnsweringNoWritesNothing) {
    target("Save", "game1", "kvg");
    ASSERT_TRUE(writeTextFile(*app, "old", kMainWindow));
    fakeHost().reset();
    EXPECT_FALSE(writeTextFile(*app, "new", kMainWindow));
    EXPECT_EQ(readFile("Save/game1.kvg"), "old");
    EXPECT_EQ(fakeHost().messages(), std::vector<std::string>{"File exist. Overwrite?"});
}

// Failures that hold even for a test run as root, where permissions do not
// stop a write.
TEST_F(FileWriting, FailuresReportTheirMessageAndLeaveTheFolderAsItWas) {
    struct Row {
        const char* what;
        const char* folder;
        std::string name;
        const char* extension;
        bool answerYes;
        const char* message;
    } rows[] = {
        {"target is a folder", "Save", "busy", "kvg", true, "Error of creation file for save."},
        {"folder is a file", "Blocker", "game", "kvg", false, "Error of creation file for save."},
        {"path too long", "Save", std::string(249, 'n'), "kvg", false,
         "Error of creation file for save."},
    };
    std::filesystem::create_directories("Save/busy.kvg");
    writeFile("Save/keep.kvg", "keep me");
    writeFile("Blocker", "a file where a folder should be");
    for (const Row& row : rows) {
        fakeHost().reset();
        fakeHost().answers = {row.answerYes};
        target(row.folder, row.name, row.extension);
        EXPECT_FALSE(writeTextFile(*app, "text", kMainWindow)) << row.what;
        ASSERT_FALSE(fakeHost().calls.empty()) << row.what;
        EXPECT_EQ(fakeHost().calls.back().text, row.message) << row.what;
        EXPECT_EQ(fakeHost().calls.back().icon, MessageIcon::Error) << row.what;
    }
    EXPECT_TRUE(std::filesystem::is_directory("Save/busy.kvg"));
    EXPECT_EQ(entries("Save"), (std::vector<std::string>{"busy.kvg", "keep.kvg"}));
    EXPECT_EQ(readFile("Save/keep.kvg"), "keep me");
    EXPECT_EQ(readFile("Blocker"), "a file where a folder should be");
}

#ifndef _WIN32
// A file-size limit makes the write itself fail part-way, as a full disk would.
TEST_F(FileWriting, AShortWriteLeavesTheOldFileByteForByte) {
    target("Save", "game1", "kvg");
    const std::string old(40, 'o');
    ASSERT_TRUE(writeTextFile(*app, old, kMainWindow));
    fakeHost().reset();
    fakeHost().answers = {true};

    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = writeTextFile(*app, std::string(100000, 'n'), kMainWindow);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(fakeHost().calls.back().text, "Error save file.");
    EXPECT_EQ(fakeHost().calls.back().icon, MessageIcon::Error);
    EXPECT_EQ(readFile("Save/game1.kvg"), old);
    EXPECT_EQ(entries("Save"), std::vector<std::string>{"game1.kvg"});
}
#endif

TEST_F(FileWriting, DeletesAFileAndReportsAMissingOne) {
    target("Save", "game1.kvg", "");
    writeTextFile(*app, "x", kMainWindow);
    EXPECT_TRUE(deleteSavedFile(*app, kDialog));
    EXPECT_FALSE(fileExists(app->filePath));
    EXPECT_TRUE(fakeHost().calls.empty());

    EXPECT_FALSE(deleteSavedFile(*app, kDialog));
    ASSERT_EQ(fakeHost().calls.size(), 1u);
    EXPECT_EQ(fakeHost().calls[0].text, "Error delete file");
    EXPECT_EQ(fakeHost().calls[0].icon, MessageIcon::Error);
    EXPECT_EQ(fakeHost().calls[0].owner, kDialog);
}
