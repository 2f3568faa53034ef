#pragma once
// Made-up values for the synthetic record files: a deterministic dice, digit
// texts and katakana names.

#include <random>
#include <string>
#include <vector>

#include "text/cp932.h"

namespace tamikaze::bench {

// A deterministic source of made-up values (std::mt19937's sequence is fixed
// by the standard; the distributions are not, so they are not used).
class Dice {
 public:
  explicit Dice(unsigned seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
  bool OneIn(int n) { return Below(n) == 0; }
  template <typename T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
  }
  std::string Digits(int width) {
    std::string out;
    for (int i = 0; i < width; ++i) out += static_cast<char>('0' + Below(10));
    return out;
  }

 private:
  std::mt19937 engine_;
};

inline std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
         static_cast<char>('0' + value % 10);
}

inline std::string FourDigits(int value) {
  return TwoDigits(value / 100) + TwoDigits(value % 100);
}

// Made-up katakana (CP932), `fewest` to `most` of them.
inline std::string Katakana(Dice& dice, int fewest, int most) {
  static const std::vector<std::string> syllables = {
      "ア", "カ", "サ", "タ", "ナ", "ハ", "マ", "ヤ", "ラ", "ワ", "キ", "シ", "チ", "ニ", "ミ",
      "リ", "ク", "ス", "ツ", "ヌ", "ム", "ル", "ケ", "セ", "テ", "ネ", "メ", "レ", "コ", "ソ",
      "ト", "ノ", "モ", "ロ", "ン", "ー", "ガ", "ザ", "ダ", "バ", "パ", "ゴ", "ゾ", "ド", "ボ"};
  std::string text;
  const int length = fewest + dice.Below(most - fewest + 1);
  for (int i = 0; i < length; ++i) text += Utf8ToCp932(dice.Pick(syllables));
  return text;
}

// A made-up horse name of two to nine katakana, filled with `filler` (CP932)
// to 18 bytes.
inline std::string HorseName(Dice& dice, const std::string& filler) {
  std::string name = Katakana(dice, 2, 9);
  while (name.size() < 18) name += filler;
  return name;
}

// A made-up JRA-VAN race card: where, its name and course, and how many run.
struct JraRacePlan {
  int venue;
  int number;
  std::string name;  // UTF-8, "" for a race without a name
  const char* distance;
  const char* track;
  int runners;
};

}  // namespace tamikaze::bench
