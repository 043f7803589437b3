// The folders of src/ are layers: a file includes headers of its own folder and of folders
// below it, never above, and only src/ui/ sees Qt. The order comes from CMakeLists.txt.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace vestrano {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> layers() {
    std::vector<std::string> result;
    std::stringstream list(VESTRANO_LAYERS);
    std::string name;
    while (std::getline(list, name, ',')) {
        result.push_back(name);
    }
    return result;
}

int rank(const std::vector<std::string>& order, const std::string& folder) {
    const auto it = std::find(order.begin(), order.end(), folder);
    return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

struct Include {
    std::string file;
    std::string target;
};

std::vector<Include> includesOf(const fs::path& file) {
    static const std::regex local(R"re(^\s*#\s*include\s+"([^"]+)")re");
    static const std::regex qt(R"re(^\s*#\s*include\s+<(Q[A-Za-z]+|qt[a-z]*/[^>]*)>)re");
    std::vector<Include> result;
    std::ifstream in(file);
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, local)) {
            result.push_back({file.string(), m[1]});
        } else if (std::regex_search(line, m, qt)) {
            result.push_back({file.string(), "<Qt>"});
        }
    }
    return result;
}

TEST(Layers, NoFileIncludesAHigherFolderAndOnlyTheUiSeesQt) {
    const std::vector<std::string> order = layers();
    ASSERT_FALSE(order.empty());
    const fs::path src = fs::path(VESTRANO_SOURCE_DIR) / "src";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path path = entry.path();
        if (path.extension() != ".cpp" && path.extension() != ".h") {
            continue;
        }
        ++files;
        const std::string folder = fs::relative(path, src).begin()->string();
        const int own = rank(order, folder);
        ASSERT_GE(own, 0) << folder << " is not in the list of layers";
        for (const Include& inc : includesOf(path)) {
            if (inc.target == "<Qt>") {
                EXPECT_EQ(folder, "ui") << inc.file << " includes Qt";
                continue;
            }
            const std::string target = inc.target.substr(0, inc.target.find('/'));
            const int other = rank(order, target);
            EXPECT_GE(other, 0) << inc.file << " includes " << inc.target << " from no layer";
            EXPECT_LE(other, own) << inc.file << " reaches up to " << inc.target;
        }
    }
    EXPECT_GT(files, 50);
}

} // namespace
} // namespace vestrano
