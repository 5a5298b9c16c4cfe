// The inputs a fuzzer kept, replayed by the normal test build: every file of a corpus folder
// under tests/data, in a stable order; and the bytes of one kept file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace corpus_replay {

struct Input {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<Input> ReadCorpus(const std::string& strFolder)
{
    std::vector<Input> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder))
        inputs.push_back({entry.path().filename().string(), ReadBytes(entry.path())});
    std::sort(inputs.begin(), inputs.end(), [](const Input& a, const Input& b) { return a.name < b.name; });
    return inputs;
}

} // namespace corpus_replay
