#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

#include "files/whole_file.h"
#include "temp_folder.h"

namespace {

class WholeFile : public InTempFolder {};

// Two copies of the program writing one file at once: each write has a
// temporary file of its own, so every write succeeds and none is mixed.
TEST_F(WholeFile, TwoProcessesWritingAtOnceNeverMixTheirTexts) {
    const auto failures = [](char letter) {
        int failed = 0;
        for (int i = 0; i < 300; ++i)
            failed += writeWholeFile("Statistics.ini", std::string(20000 + i, letter)) != WriteResult::Written;
        return failed;
    };
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) _exit(failures('b') == 0 ? 0 : 1);
    EXPECT_EQ(failures('a'), 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0) << "the other copy's writes failed";
    const std::string text = readFile("Statistics.ini");
    EXPECT_EQ(text.find_first_not_of(text[0]), std::string::npos) << "mixed";
    EXPECT_EQ(entries("."), std::vector<std::string>{"Statistics.ini"}) << "no temporary file left";
}

}  // namespace
#endif
