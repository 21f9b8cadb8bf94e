#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallar {

// The throws asked of the person while one character is made: what was answered so far, in
// order, and whether the person chose to let the program throw the rest ("Rzucaj dalej
// automatycznie", or "a" at the command line). The ports that ask throws keep it; the
// wizard reads the choice so that the rest of the run, pages included, is thrown.
class AskedThrows {
public:
    struct Throw {
        std::string prompt;
        int sides = 0;
        int result = 0;
    };

    const std::vector<Throw>& throws() const { return throws_; }
    // The number of the throw asked next, counting from 1.
    int nextNumber() const { return static_cast<int>(throws_.size()) + 1; }
    void record(std::string_view prompt, int sides, int result);

    bool automatic() const { return automatic_; }
    void throwTheRestAutomatically() { automatic_ = true; }

    // The last `count` throws, oldest first, as lines "3. Wzrost K100: 45".
    std::vector<std::string> lastLines(std::size_t count) const;

private:
    std::vector<Throw> throws_;
    bool automatic_ = false;
};

} // namespace tallar
