#pragma once
// What the window's network play and the two games it holds (hosted_game.h,
// joined_game.h) share. Included by network_play.cpp alone.
#include "net/guest_session.h"
#include "qt/dialogs/question_box.h"
#include "qt/network/network_labels.h"

#include <QString>

#include <functional>

namespace tarmigo {

class NetworkWindow;

namespace nl = network_label;

namespace netplay {

// A text in the player's language.
QString qtext(const char* s);
// A yes/no box over the window (over its open dialog); `answered` runs once it closes.
void ask(NetworkWindow& window, const QString& text, const char* name, Enter enter,
         std::function<void(bool)> answered);
// What a guest says when the host refused it, in the player's language.
QString refusalText(const net::GuestEvent& e);

} // namespace netplay
} // namespace tarmigo
