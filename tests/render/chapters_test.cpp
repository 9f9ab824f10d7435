#include "tools/render/chapters.h"

#include <gtest/gtest.h>

TEST(Chapters, OnePerSectionOnScreenClippedToTheStretch) {
    std::vector<Chapter> whole = ChaptersOf(0.0, 192.5);
    ASSERT_EQ(whole.size(), 6u);
    const char* names[] = {"opening", "title", "wave grid", "greetings", "closing", "credits"};
    const double starts[] = {0.0, 42.6, 64.6, 85.6, 149.0, 171.0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_STREQ(whole[i].name, names[i]);
        EXPECT_DOUBLE_EQ(whole[i].start, starts[i]);
        EXPECT_DOUBLE_EQ(whole[i].end, i < 5 ? starts[i + 1] : 192.5) << names[i];
    }

    std::vector<Chapter> inside = ChaptersOf(100.0, 10.0);
    ASSERT_EQ(inside.size(), 1u) << "a stretch inside one section";
    EXPECT_STREQ(inside[0].name, "greetings");
    EXPECT_EQ(inside[0].start, 0.0);
    EXPECT_EQ(inside[0].end, 10.0);

    std::vector<Chapter> fromCut = ChaptersOf(42.6, 22.0);
    ASSERT_EQ(fromCut.size(), 1u) << "a section that ends where the stretch begins is left out, "
                                     "and one that starts where it ends";
    EXPECT_STREQ(fromCut[0].name, "title");
}

TEST(Chapters, MetadataFileInMilliseconds) {
    std::string text = ChapterMetadata(ChaptersOf(40.0, 5.0));
    EXPECT_EQ(text, ";FFMETADATA1\n"
                    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=2600\ntitle=opening\n"
                    "[CHAPTER]\nTIMEBASE=1/1000\nSTART=2600\nEND=5000\ntitle=title\n");
}
