#pragma once
// A battle written down: every event, every shot of either side with its cell
// and answer, the computer's strategy word before each of its shots, each
// phase change and the end. A seed and the events replay the same transcript.
#include <string>
#include <vector>

namespace orv {

class Transcript {
public:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string Text() const {
        std::string all;
        for (const auto& l : lines_) all += l + '\n';
        return all;
    }
    void Clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

}  // namespace orv
