#pragma once
// The fifteen command icons of the side panel, each in three states and with a
// pressed variant: file "<state letter><name>[_N].jpg".

#include <QImage>
#include <array>
#include <string>
#include <string_view>

namespace mokuza::assets {

inline constexpr std::array<std::string_view, 15> kCommandIconNames = {"Lmodo", "10modo", "01modo", "01susu", "10susu",
                                                                       "Lsusu", "Cmodo",  "Csusu",  "modo",   "susu",
                                                                       "henka", "honpu",  "uwgk",   "undo",   "redo"};

// M: the command can act; F: it cannot, in replay mode; H: it cannot, otherwise.
enum class IconState { Available, ReplayUnavailable, Unavailable };

inline constexpr std::array<IconState, 3> kIconStates = {IconState::Available, IconState::ReplayUnavailable,
                                                         IconState::Unavailable};

std::string commandIconFileName(std::size_t index, IconState state, bool pressed);

QImage paintCommandIcon(std::size_t index, IconState state, bool pressed, int size);

}  // namespace mokuza::assets
