// The folders of src/ are layers: a file includes headers of its own folder and of folders
// below it, never above, and only src/ui/ sees Qt. The order comes from CMakeLists.txt.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
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

// The target of an #include line: the quoted path, "<Qt>" for a Qt header, "" for others.
std::string includeTarget(std::string_view line) {
    const std::size_t hash = line.find_first_not_of(" \t");
    if (hash == std::string_view::npos || line[hash] != '#') {
        return {};
    }
    const std::size_t word = line.find_first_not_of(" \t", hash + 1);
    if (word == std::string_view::npos || line.substr(word, 7) != "include") {
        return {};
    }
    const std::size_t open = line.find_first_of("\"<", word + 7);
    if (open == std::string_view::npos) {
        return {};
    }
    const char close = line[open] == '"' ? '"' : '>';
    const std::size_t end = line.find(close, open + 1);
    const std::string_view target = line.substr(open + 1, end - open - 1);
    if (close == '"') {
        return std::string(target);
    }
    const bool qt = (target.size() > 1 && target[0] == 'Q' && std::isupper(target[1])) ||
                    target.starts_with("Qt");
    return qt ? "<Qt>" : "";
}

std::vector<Include> includesOf(const fs::path& file) {
    std::vector<Include> result;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::string target = includeTarget(line);
        if (!target.empty()) {
            result.push_back({file.string(), std::move(target)});
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
