#pragma once
// The Go terms the classifier knows, by the literal names it looks them up
// with. The first 98 are the built-in figure table in its order; the last few
// are recognised too but name nothing until a figure list gives them a row.

#include <array>
#include <cstdint>
#include <string_view>

namespace mokuza::naming {

// clang-format off
enum Figure : std::uint8_t {
  kNanameMikata, kNanameAite, kTonariMikata, kTonariAite,
  kTaiRokkenGeima, kTaiRokken, kTaiGokenGeima, kTaiGoken, kTaiYonkenGeima, kTaiYonken,
  kTaiOoogeima, kTaiSanken, kTaiOogeima, kTaiNiken, kTaiKeima, kTaiIkken,
  kRokkenGeima, kRokken, kGokenGeima, kGoken, kYonkenGeima, kYonken,
  kOoogeima, kSankenTobi, kOogeima, kNikenTobi, kKeima, kTobi, kIkken,
  kHoshi, kSansan, kKomoku, kTakamoku, kMokuhazushi, kOotakamoku, kOomokuhazushi, kGonogo, kTengen,
  kShimari, kKakari, kHasami, kUke, kHiraki, kWariuchi, kKado, kSansanIri, kKatatsuki, kKake,
  kNozoki, kOki, kTsuke, kTsukeSujiba, kTsukeDoubleSujiba, kTsukekoshi, kHasamitsuke, kKosumi,
  kKaketsugi, kHekomi,
  kOogeimaJimari, kNikenJimari, kKogeimaJimari, kIkkenJimari,
  kOogeimaGakari, kNikenGakari, kKogeimaGakari, kIkkenGakari,
  kTsume, kNarabi, kNobi, kSagari, kHiki, kHai, kHane, kHanedashi, kMagari, kMagariAkiSankaku,
  kOshi, kOsae, kWarikomi, kSoi, kWatari, kFukurami, kDe, kTsukiatari, kAtekomi, kAtekomiDoubleSujiba,
  kGuzumi, kGuzumiShushi, kAte, kKakae, kSashikomi, kNigedashi, kTsugi, kTsugiMagari, kKosumitsuke,
  kKiri, kHourikomi, kTori,
  // Not in the built-in table.
  kSuberi, kUchikomi, kBoushi, kSusogakari, kKakeTaisha,
  kFigureKindCount
};

constexpr int kBuiltInFigureCount = kTori + 1;

inline constexpr std::array<std::u16string_view, kFigureKindCount> kFigureNames{
    u"ナナメ味方", u"ナナメ相手", u"トナリ味方", u"トナリ相手",
    u"対六間ゲイマ", u"対六間", u"対五間ゲイマ", u"対五間", u"対四間ゲイマ", u"対四間",
    u"対大大ゲイマ", u"対三間", u"対大ゲイマ", u"対二間", u"対ケイマ", u"対一間",
    u"六間ゲイマ", u"六間", u"五間ゲイマ", u"五間", u"四間ゲイマ", u"四間",
    u"大大ゲイマ", u"三間トビ", u"大ゲイマ", u"二間トビ", u"ケイマ", u"トビ", u"一間",
    u"星", u"三々", u"小目", u"高目", u"目外し", u"大高目", u"大目外し", u"５の五", u"天元",
    u"シマリ", u"カカリ", u"ハサミ", u"受け", u"ヒラキ", u"ワリ打ち", u"カド", u"三々入り", u"カタツキ", u"カケ",
    u"ノゾキ", u"オキ", u"ツケ", u"ツケ（筋場）", u"ツケ（ダブル筋場）", u"ツケコシ", u"ハサミツケ", u"コスミ",
    u"カケツギ", u"ヘコミ",
    u"大ゲイマジマリ", u"二間ジマリ", u"小ゲイマジマリ", u"一間ジマリ",
    u"大ゲイマガカリ", u"二間ガカリ", u"小ゲイマガカリ", u"一間ガカリ",
    u"ツメ", u"ナラビ", u"ノビ", u"サガリ", u"ヒキ", u"ハイ", u"ハネ", u"ハネダシ", u"マガリ", u"マガリ（アキ三角）",
    u"オシ", u"オサエ", u"ワリコミ", u"ソイ", u"ワタリ", u"フクラミ", u"デ", u"ツキアタリ", u"アテコミ",
    u"アテコミ（ダブル筋場）",
    u"グズミ", u"グズミ（集四）", u"アテ", u"カカエ", u"サシコミ", u"逃げ出し", u"ツギ", u"ツギ(マガリ)", u"コスミツケ",
    u"キリ", u"ホウリコミ", u"トリ",
    u"スベリ", u"打ち込み", u"ボウシ", u"スソガカリ", u"カケ（大斜）",
};
// clang-format on

}  // namespace mokuza::naming
