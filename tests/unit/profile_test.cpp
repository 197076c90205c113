#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "files/profile.h"
#include "temp_folder.h"

namespace {

Profile parsed(const std::string& text) {
    Profile profile;
    parseProfile(profile, text);
    return profile;
}

std::string stringOf(const Profile& profile, const char* section, const char* key,
                     const char* fallback = "<default>") {
    char out[kTextSize];
    profileString(profile, section, key, fallback, out);
    return out;
}

Profile fixture(const char* name) {
    Profile profile;
    const std::string path = std::string(KELVARIN_SOURCE_DIR) + "/tests/unit/fixtures/" + name;
    EXPECT_TRUE(loadProfile(profile, path.c_str())) << name;
    return profile;
}

}  // namespace

TEST(Profile, NamesMatchWithoutCaseAndBlanksAroundTheValueAreDropped) {
    const Profile profile = parsed("\r\n[field]\r\nz_0__y_3=0101\r\nKEY  =   two words  \r\n");
    EXPECT_EQ(stringOf(profile, "FIELD", "Z_0__Y_3"), "0101");
    EXPECT_EQ(stringOf(profile, "Field", "key"), "two words");
}

TEST(Profile, MissingFileSectionOrKeyGivesTheDefaultButAnEmptyValueIsEmpty) {
    const Profile profile = parsed("[TILES]\nTILE_0_X = 4\nEMPTY =\n");
    EXPECT_EQ(profileInt(profile, "TILES", "COUNT", 0), 0);
    EXPECT_EQ(profileInt(profile, "OTHER", "TILE_0_X", -1), -1);
    EXPECT_EQ(stringOf(profile, "TILES", "EMPTY"), "");
    EXPECT_EQ(stringOf(profile, "TILES", "NOPE"), "<default>");

    Profile missing;
    EXPECT_FALSE(loadProfile(missing, ".\\no such folder\\no such file.ini"));
    EXPECT_EQ(profileInt(missing, "TILES", "TILE_0_X", 17), 17);
}

TEST(Profile, ReadsIntegersAsSignedDecimalsAndNothingElse) {
    struct Row {
        const char* value;
        int32_t expected;  // 555 is the default
    } rows[] = {
        {"42", 42},          {"-7", -7},           {"+5", 5},
        {"007", 7},          {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"2147483648", 555}, {"-2147483649", 555}, {"4294967338", 555},
        {"99999999999999999999999", 555},          {"12abc", 555},
        {"0x10", 555},       {"", 555},            {"-", 555},
        {"1 2", 555},        {"\"3\"", 3},         {"16777215", 16777215},
    };
    for (const Row& row : rows) {
        const Profile profile = parsed(std::string("[S]\nN = ") + row.value + "\n");
        EXPECT_EQ(profileInt(profile, "S", "N", 555), row.expected) << '"' << row.value << '"';
    }
}

TEST(Profile, CutsLongValuesTo259Characters) {
    const std::string huge(1024 * 1024, 'x');
    const Profile profile = parsed("[S]\nA = " + huge + "\r\nB = 2\r\n");
    EXPECT_EQ(stringOf(profile, "S", "A"), std::string(259, 'x'));
    EXPECT_EQ(profileInt(profile, "S", "B", 0), 2);
}

TEST(Profile, Fixtures) {
    struct Row {
        const char* file;
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"mixed_line_ends.ini", "one", "a", "1"},
        {"mixed_line_ends.ini", "ONE", "B", "2"},
        {"mixed_line_ends.ini", "Two", "C", "three"},
        {"mixed_line_ends.ini", "two", "D", "4"},
        {"mixed_line_ends.ini", "one", "C", "<default>"},
        {"no_section.ini", "S", "C", "3"},
        {"no_section.ini", "", "A", "<default>"},
        {"nul_bytes.ini", "S", "A", "x"},
        {"nul_bytes.ini", "S", "B", "<default>"},
        {"nul_bytes.ini", "S", "C", "7"},
        {"nul_bytes.ini", "T", "C", "<default>"},
        {"nul_bytes.ini", "U", "D", "8"},
        {"quotes_and_duplicates.ini", "S", "A", "quoted value"},
        {"quotes_and_duplicates.ini", "S", "B", "x"},
        {"quotes_and_duplicates.ini", "S", "C", "\"unbalanced"},
        {"quotes_and_duplicates.ini", "S", "D", "1"},
        {"quotes_and_duplicates.ini", "S", "E", "5"},
        {"quotes_and_duplicates.ini", "Other", "E", "6"},
        {"quotes_and_duplicates.ini", "S", "just some words", "<default>"},
        {"quotes_and_duplicates.ini", "S", "", "no key"},
        {"byte_order_mark.ini", "VIEW", "SCALE", "3"},
        {"byte_order_mark.ini", "LAST", "GAME", "bridge.kvl"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(stringOf(fixture(row.file), row.section, row.key), row.expected)
            << row.file << " [" << row.section << "] " << row.key;
    // A NUL inside a number makes it no number.
    EXPECT_EQ(profileInt(fixture("nul_bytes.ini"), "U", "D", -1), -1);
}

TEST(Profile, SurvivesRandomBytes) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(64 * 1024, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        // Sprinkle the characters the parser looks for.
        for (int i = 0; i < 2000; ++i) bytes[random() % bytes.size()] = "[]=\r\n \t\""[random() % 8];
        const Profile profile = parsed(bytes);
        char out[kTextSize];
        for (const ProfileEntry& entry : profile.entries) {
            ASSERT_LE(entry.section.start + entry.section.length, bytes.size());
            ASSERT_LE(entry.key.start + entry.key.length, bytes.size());
            ASSERT_LE(entry.value.start + entry.value.length, bytes.size());
        }
        profileString(profile, "FIELD", "Z_0__Y_0", "", out);
        EXPECT_LT(std::strlen(out), static_cast<size_t>(kTextSize));
        profileInt(profile, "TILES", "COUNT", 0);
    }
}

class ProfileFile : public InTempFolder {};

TEST_F(ProfileFile, AFileBeyondTheSizeLimitIsUnreadable) {
    const std::string head = "[S]\r\nA = 1\r\n";
    writeFile("big.ini", head + std::string(kProfileSizeLimit + 1 - head.size(), ';'));
    writeFile("limit.ini", head + std::string(kProfileSizeLimit - head.size(), ';'));
    Profile profile;
    EXPECT_FALSE(loadProfile(profile, ".\\big.ini"));
    EXPECT_EQ(profileInt(profile, "S", "A", 9), 9);
    EXPECT_TRUE(loadProfile(profile, ".\\limit.ini"));
    EXPECT_EQ(profileInt(profile, "S", "A", 9), 1);
}

TEST_F(ProfileFile, AFolderReadsAsAMissingFile) {
    std::filesystem::create_directories("Dir.ini");
    Profile profile;
    EXPECT_FALSE(loadProfile(profile, ".\\Dir.ini"));
    EXPECT_TRUE(profile.entries.empty());
}
