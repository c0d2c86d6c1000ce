// The framework's query-id message: every window and dialog of the product
// answers 0x443 by storing its id (for dialogs, the template id) in the
// 32-bit integer wParam points to. Windows that do not know the message
// leave the integer alone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace robot {

constexpr UINT kQueryIdMessage = 0x443;

// Loads the system's control libraries into the robot, so that their classes
// are known here (see MayAskForId).
void LearnSystemClasses();

// Whether the window may be sent the query: dialogs (#32770) and windows of
// classes the system does not define. Messages from 0x400 up mean different
// things to different system controls, so those are never sent it.
bool MayAskForId(HWND window);

// The id the window gives in answer to the query, or nothing when it does
// not answer (or may not be asked).
std::optional<int32_t> AskForId(HWND window);

}  // namespace robot
