// Commands about windows: wait-window, wait-dialog, wait-gone, close, answer,
// dump, dump-all, screenshot.
#include "tools/robot/actions.h"
#include "tools/robot/commands.h"
#include "tools/robot/dump.h"
#include "tools/robot/finder.h"
#include "tools/robot/png.h"
#include "tools/robot/screenshot.h"
#include "tools/robot/text_util.h"
#include "tools/robot/window_facts.h"

#include <cstdio>

namespace robot {

namespace {

bool SpecFromArgs(const Args& args, WindowSpec* spec, std::string* error) {
  if (const std::string* title = args.Option("title")) spec->title = *title;
  if (!args.positional.empty() && !spec->id) spec->title = args.positional[0];
  if (const std::string* klass = args.Option("class")) spec->klass = *klass;
  if (const std::string* id = args.Option("id")) {
    long long value;
    if (!ParseInteger(*id, &value)) {
      *error = "id=" + *id + " is no number";
      return false;
    }
    spec->id = static_cast<int32_t>(value);
  }
  return true;
}

Outcome AwaitWindow(Session& session, const WindowSpec& spec, double seconds) {
  HWND found = nullptr;
  if (PollUntil(Deadline(seconds), [&] { return (found = FindVisibleWindow(spec)) != nullptr; })) {
    session.set_current_window(found);
    return Pass();
  }
  std::string none = "no such window is shown";
  if (HiddenWindowMatches(spec)) none += " (one exists but is hidden)";
  return FailOnDisplay("a visible " + spec.Describe() + " within " + FormatSeconds(seconds), none);
}

bool IsGone(HWND window) { return !IsWindow(window) || !IsWindowVisible(window); }

// A message box: a dialog holding the static text with id 0xFFFF that the
// system's message boxes put their message in.
constexpr int kMessageBoxTextId = 0xFFFF;

HWND MessageBoxText(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ControlIdOf(child) == kMessageBoxTextId && KindOf(child) == Kind::kStatic) return child;
  }
  return nullptr;
}

HWND FindMessageBox(const std::string* title) {
  for (HWND top : TopLevelWindows()) {
    if (!IsWindowVisible(top) || ClassOf(top) != "#32770" || !MessageBoxText(top)) continue;
    if (!title || TextOf(top) == *title) return top;
  }
  return nullptr;
}

struct ButtonName {
  const char* name;
  int id;
};

constexpr ButtonName kAnswerButtons[] = {
  {"ok", IDOK}, {"cancel", IDCANCEL}, {"abort", IDABORT}, {"retry", IDRETRY},
  {"ignore", IDIGNORE}, {"yes", IDYES}, {"no", IDNO}, {"close", IDCLOSE}, {"help", IDHELP},
  {"tryagain", IDTRYAGAIN}, {"continue", IDCONTINUE},
};

bool AnswerSelector(const std::string& text, ControlSelector* selector, std::string* error) {
  for (const ButtonName& button : kAnswerButtons) {
    if (EqualsNoCase(text, button.name)) {
      selector->by = ControlSelector::By::kId;
      selector->id = button.id;
      return true;
    }
  }
  return ParseControlSelector(text, selector, error);
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size, std::string* error) {
  if (path == "-") {
    std::fwrite(data, 1, size, stdout);
    std::fflush(stdout);
    return true;
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    *error = "cannot create " + path;
    return false;
  }
  bool written = std::fwrite(data, 1, size, file) == size;
  if (std::fclose(file) != 0) written = false;
  if (!written) *error = "cannot write " + path;
  return written;
}

Outcome WriteDump(const std::string& path, const std::string& dump) {
  std::string error;
  if (!WriteWholeFile(path, dump.data(), dump.size(), &error))
    return FailWithoutTree("the dump written to " + path, error);
  return Pass();
}

}  // namespace

Outcome RunWaitWindow(Session& session, const Args& args) {
  WindowSpec spec;
  double seconds;
  std::string error;
  if (!session.TimeoutOf(args, &seconds, &error) || !SpecFromArgs(args, &spec, &error))
    return FailWithoutTree("valid options", error);
  if (!spec.title && !spec.klass && !spec.id)
    return FailWithoutTree("a title, class= or id= to wait for", "none");
  return AwaitWindow(session, spec, seconds);
}

Outcome RunWaitDialog(Session& session, const Args& args) {
  WindowSpec spec;
  double seconds;
  std::string error;
  long long id;
  if (!ParseInteger(args.positional[0], &id))
    return FailWithoutTree("a dialog id", "'" + args.positional[0] + "'");
  spec.id = static_cast<int32_t>(id);
  if (!session.TimeoutOf(args, &seconds, &error) || !SpecFromArgs(args, &spec, &error))
    return FailWithoutTree("valid options", error);
  return AwaitWindow(session, spec, seconds);
}

Outcome RunWaitGone(Session& session, const Args& args) {
  WindowSpec spec;
  double seconds;
  std::string error;
  if (!session.TimeoutOf(args, &seconds, &error) || !SpecFromArgs(args, &spec, &error))
    return FailWithoutTree("valid options", error);
  std::string within = " within " + FormatSeconds(seconds);
  if (!spec.title && !spec.klass && !spec.id) {
    HWND window = session.current_window();
    if (!window) return FailOnDisplay("a current window to wait for", "none was waited for yet");
    if (PollUntil(Deadline(seconds), [&] { return IsGone(window); })) return Pass();
    return FailIn(window, "the current window gone" + within, Describe(window) + " is still shown");
  }
  HWND shown = nullptr;
  if (PollUntil(Deadline(seconds), [&] { return (shown = FindVisibleWindow(spec)) == nullptr; }))
    return Pass();
  return FailIn(shown, spec.Describe() + " gone" + within, Describe(shown) + " is still shown");
}

Outcome RunClose(Session& session, const Args&) {
  HWND window = session.current_window();
  if (!window || !IsWindow(window))
    return FailOnDisplay("a current window to close", window ? "it is gone" : "none");
  if (!IsWindowEnabled(window))
    return Fail("a window a user could close",
                Describe(window) + " is disabled (is a modal window open?)");
  RequestClose(window);
  return Pass();
}

Outcome RunAnswer(Session& session, const Args& args) {
  double seconds;
  std::string error;
  ControlSelector selector;
  if (!session.TimeoutOf(args, &seconds, &error) ||
      !AnswerSelector(args.positional[0], &selector, &error))
    return FailWithoutTree("a button to answer with", error);
  const std::string* title = args.Option("title");
  Deadline deadline(seconds);
  HWND box = nullptr;
  if (!PollUntil(deadline, [&] { return (box = FindMessageBox(title)) != nullptr; })) {
    return FailOnDisplay(std::string("a message box") + (title ? " titled " + Quoted(*title) : "") +
                             " within " + FormatSeconds(seconds),
                         "no message box is shown");
  }
  std::string text = TextOf(MessageBoxText(box));
  const std::string* exact = args.Option("text");
  const std::string* part = args.Option("contains");
  if (exact && text != *exact)
    return FailIn(box, "a message box saying " + Quoted(*exact), "it says " + Quoted(text));
  if (part && text.find(*part) == std::string::npos)
    return FailIn(box, "a message box containing " + Quoted(*part), "it says " + Quoted(text));
  HWND button = FindControl(box, selector);
  if (!button || BaseClassOf(button) != "Button")
    return FailIn(box, "a message box with the button " + args.positional[0],
                  "it has no such button");
  std::string why;
  if (!UsableByUser(button, &why)) return FailIn(box, "a button a user could press", why);
  Click(button);
  if (!PollUntil(deadline, [&] { return IsGone(box); }))
    return FailIn(box, "the message box gone after pressing " + args.positional[0],
                  Describe(box) + " is still shown");
  return Pass();
}

Outcome RunDump(Session& session, const Args& args) {
  HWND window = session.current_window();
  if (!window || !IsWindow(window))
    return FailOnDisplay("a current window to dump", window ? "it is gone" : "none");
  return WriteDump(args.positional[0], DumpTree(window));
}

Outcome RunDumpAll(Session&, const Args& args) {
  return WriteDump(args.positional[0], DumpDisplay());
}

Outcome RunScreenshot(Session&, const Args& args) {
  RgbImage image;
  std::vector<uint8_t> png;
  std::string error;
  if (!CaptureScreen(&image, &error) || !EncodePng(image, &png, &error) ||
      !WriteWholeFile(args.positional[0], png.data(), png.size(), &error))
    return FailWithoutTree("a screenshot in " + args.positional[0], error);
  return Pass();
}

}  // namespace robot
