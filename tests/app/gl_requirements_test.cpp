#include "app/gl_requirements.h"

#include "tests/support/gl_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::set<std::string> lacking;

bool HasAllBut(const char* name) {
    return lacking.count(name) == 0;
}

const char* FirstMissingWithout(std::set<std::string> names) {
    lacking = std::move(names);
    return FirstMissingGlRequirement(HasAllBut);
}

} // namespace

TEST(GlRequirements, NamesTheMissingFeature) {
    EXPECT_EQ(FirstMissingWithout({}), nullptr);
    EXPECT_STREQ(FirstMissingWithout({"GL_VERSION_2_1"}), "GL_VERSION_2_1");
    EXPECT_STREQ(FirstMissingWithout({"GL_EXT_framebuffer_object"}), "GL_EXT_framebuffer_object");
    EXPECT_STREQ(FirstMissingWithout({"GL_EXT_framebuffer_blit"}), "GL_EXT_framebuffer_blit");
    EXPECT_STREQ(FirstMissingWithout({"GL_ARB_point_parameters"}), "GL_ARB_point_parameters");
    EXPECT_STREQ(FirstMissingWithout({"GL_ARB_point_sprite"}), "GL_ARB_point_sprite");
}

TEST(GlRequirements, ReportsTheVersionBeforeExtensions) {
    EXPECT_STREQ(FirstMissingWithout({"GL_ARB_point_sprite", "GL_VERSION_2_1"}), "GL_VERSION_2_1");
}

TEST(GlRequirements, NamesNothingOnlyWhenEveryOneIsThere) {
    // A name GLEW does not know reads as missing, so a misspelt requirement
    // would stop every start-up here.
    ASSERT_TRUE(TestGlReady(1920, 1080));
    EXPECT_FALSE(GlewHasFeature("GL_EXT_no_such_extension"));
    EXPECT_EQ(FirstMissingGlRequirement(), nullptr);
}
