// The commands of the script language (see docs/robot.md), one function each,
// grouped by what they act on: programs (cmd_program.cpp), windows
// (cmd_window.cpp) and controls (cmd_control.cpp).
#pragma once

#include "tools/robot/script.h"
#include "tools/robot/session.h"

#include <string>
#include <vector>

namespace robot {

// Programs and the script itself.
Outcome RunStart(Session& session, const Args& args);
Outcome RunRun(Session& session, const Args& args);
Outcome RunWaitExit(Session& session, const Args& args);
Outcome RunSleep(Session& session, const Args& args);
Outcome RunEcho(Session& session, const Args& args);
Outcome RunTimeout(Session& session, const Args& args);

// Windows.
Outcome RunWaitWindow(Session& session, const Args& args);
Outcome RunWaitDialog(Session& session, const Args& args);
Outcome RunWaitGone(Session& session, const Args& args);
Outcome RunClose(Session& session, const Args& args);
Outcome RunAnswer(Session& session, const Args& args);
Outcome RunDump(Session& session, const Args& args);
Outcome RunDumpAll(Session& session, const Args& args);
Outcome RunScreenshot(Session& session, const Args& args);

// Controls of the current window.
Outcome RunCheck(Session& session, const Args& args);
Outcome RunWait(Session& session, const Args& args);
Outcome RunRead(Session& session, const Args& args);
Outcome RunType(Session& session, const Args& args);
Outcome RunPress(Session& session, const Args& args);
Outcome RunTick(Session& session, const Args& args);
Outcome RunUntick(Session& session, const Args& args);
Outcome RunPick(Session& session, const Args& args);
Outcome RunChoose(Session& session, const Args& args);

// Checks made before the script runs.
bool CheckControlFirst(const std::vector<Token>& positional, std::string* error);
bool CheckPredicate(const std::vector<Token>& positional, std::string* error);
bool CheckRead(const std::vector<Token>& positional, std::string* error);
bool CheckSeconds(const std::vector<Token>& positional, std::string* error);
bool CheckInteger(const std::vector<Token>& positional, std::string* error);

}  // namespace robot
