#pragma once
// The design and option values playback reads, by label and key.

#include <cstdint>
#include <string_view>

#include "core/document/document.h"

namespace mokuza::playback {

inline constexpr std::u16string_view kAutoSpeed = u"１手ごとの表示時間";
inline constexpr std::u16string_view kAutoStart = u"自動再生始点";
inline constexpr std::u16string_view kAutoLast = u"自動再生終点";
inline constexpr std::u16string_view kLoopTime = u"ループ再生";
inline constexpr std::u16string_view kRcFraction = u"最終譜最少手数";
inline constexpr std::u16string_view kMoveFadeTime = u"着手フェード";
inline constexpr std::u16string_view kLightOffTime = u"変化フェード";
inline constexpr std::u16string_view kStoneSound = u"石音";
inline constexpr std::u16string_view kBlackSound = u"黒石音";
inline constexpr std::u16string_view kWhiteSound = u"白石音";

// A value of the shown design; a design without it has the initial value.
std::int32_t designValue(const Document& doc, std::u16string_view label);

// The timer period in milliseconds (global option "update_time"), at least 1.
int updateTime(const Document& doc);
// "次譜自動再生": in replay mode a figure plays by itself.
bool autoNextFigure(const Document& doc);

}  // namespace mokuza::playback
