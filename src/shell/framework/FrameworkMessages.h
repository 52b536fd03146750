// The user messages that views send to the command sink window; the message's first
// parameter is the view's window.
#pragma once

#include "platform/windows/Messages.h"

inline constexpr tarnui::MessageId kMsgViewClosing = tarnui::kMsgUser + 1;  // close the view
inline constexpr tarnui::MessageId kMsgViewHidden = tarnui::kMsgUser + 3;   // hide its frame
inline constexpr tarnui::MessageId kMsgRefreshView = tarnui::kMsgUser + 4;  // refresh it
