// The Japanese texts must reach Windows as Shift-JIS bytes in every build.
#include <gtest/gtest.h>

#include <string>

#include "app/texts.h"
#include "view/texts.h"

namespace {

std::string bytesOf(const char* text) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (!out.empty())
            out.push_back(' ');
        out.push_back(hex[byte >> 4]);
        out.push_back(hex[byte & 15]);
    }
    return out;
}

TEST(Texts, AreShiftJisInEveryBuild) {
    EXPECT_EQ(bytesOf(qm::texts::kNoBand), "95 5C 8E A6 82 B5 82 C8 82 A2");
    // "%5d ～ %5d": the wave dash U+FF5E is 81 60 in code page 932.
    EXPECT_EQ(bytesOf(qm::texts::kLevelRangeFormat), "25 35 64 20 81 60 20 25 35 64");
    // "データの読み込みに失敗しました。"
    EXPECT_EQ(bytesOf(qm::texts::kLoadFailed),
              "83 66 81 5B 83 5E 82 CC 93 C7 82 DD 8D 9E 82 DD 82 C9 8E B8 94 73 82 B5 82 DC 82 B5 "
              "82 BD 81 42");
    // "サイズの違うデータを扱おうとしました。"
    EXPECT_EQ(bytesOf(qm::texts::kDifferentSizes),
              "83 54 83 43 83 59 82 CC 88 E1 82 A4 83 66 81 5B 83 5E 82 F0 88 B5 82 A8 82 A4 82 C6 "
              "82 B5 82 DC 82 B5 82 BD 81 42");
}

}  // namespace
