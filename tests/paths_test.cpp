// Directory, product directory and file-name texts derived from paths.
#include "paths/paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm {
namespace {

struct PathCase {
    std::string path;
    std::string expected;
};

void expectEach(std::string (*function)(std::string_view), const std::vector<PathCase>& cases) {
    for (const PathCase& c : cases) {
        EXPECT_EQ(function(c.path), c.expected) << "path: " << c.path;
    }
}

TEST(Paths, DirectoryKeepsEverythingUpToTheLastBackslash) {
    expectEach(directoryOf, {
                                {"D:\\DATA\\SCENE01.LAB", "D:\\DATA\\"},
                                {"D:\\DATA\\SCENE01\\", "D:\\DATA\\SCENE01\\"},
                                {"SCENE01.LAB", ""},
                                {"", ""},
                            });
}

TEST(Paths, ProductDirectoryTurnsTheLastDotIntoABackslash) {
    expectEach(productDirectoryOf, {
                                       {"D:\\DATA\\SCENE01.LAB", "D:\\DATA\\SCENE01\\"},
                                       {"D:\\DATA\\SCENE.V2.LAB", "D:\\DATA\\SCENE.V2\\"},
                                       {"\\V1.2\\SCENE", "\\V1\\"},
                                       {"D:\\DATA\\SCENE", ""},
                                       {".LAB", ""},
                                       {"", ""},
                                   });
}

TEST(Paths, LastComponentIsTheTextAfterTheLastBackslash) {
    expectEach(lastPathComponent, {
                                      {"D:\\DATA\\SCENE01\\SCENE_B3.DAT", "SCENE_B3.DAT"},
                                      {"SCENE_B3.DAT", "SCENE_B3.DAT"},
                                      {"D:\\DATA\\", ""},
                                  });
}

TEST(Paths, ConfigurationFileLiesBesideTheProgram) {
    const std::string directory = executableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_EQ(executableFilePath("QMDATA.INI"), directory + "QMDATA.INI");
    EXPECT_EQ(configurationFilePath(), directory + "QMDATA.INI");
}

}  // namespace
}  // namespace qm
