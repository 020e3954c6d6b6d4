#pragma once
// Damage done to files the way a fuzzer does it, from a fixed seed so that a
// failing mutant is the same on every run.

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

namespace mokuza::test {

class Mutator {
 public:
  // `syntax` holds the characters that structure the format, inserted more
  // often than chance would.
  explicit Mutator(std::string_view syntax) : syntax_(syntax) {}

  // One to four flips, overwrites, cuts, insertions, copies or deletions.
  std::string operator()(std::string bytes) {
    for (std::size_t edits = 1 + below(4); edits > 0; --edits) {
      const std::size_t at = below(bytes.size() + 1);
      switch (below(6)) {
        case 0:
          if (at < bytes.size()) bytes[at] = static_cast<char>(bytes[at] ^ (1 << below(8)));
          break;
        case 1:
          if (at < bytes.size()) bytes[at] = static_cast<char>(below(256));
          break;
        case 2: bytes.resize(at); break;
        case 3: bytes.insert(at, 1, syntax_[below(syntax_.size())]); break;
        case 4: bytes.insert(at, bytes.substr(below(bytes.size() + 1), 1 + below(64))); break;
        default: bytes.erase(at, 1 + below(32)); break;
      }
    }
    return bytes;
  }

 private:
  std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(random_() % n); }

  std::string_view syntax_;
  std::mt19937 random_{20240531};  // its sequence is fixed by the standard
};

// The bytes as one line of text for a failure message.
inline std::string printable(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes.substr(0, 400))
    out += c >= 32 && c < 127 ? std::string(1, static_cast<char>(c)) : "\\" + std::to_string(c);
  return out;
}

}  // namespace mokuza::test
