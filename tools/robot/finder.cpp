#include "tools/robot/finder.h"

#include "tools/robot/query_id.h"
#include "tools/robot/text_util.h"
#include "tools/robot/window_facts.h"

namespace robot {

namespace {

// No real window tree comes near this; it bounds a tree that changes while
// it is walked.
constexpr size_t kMostWindows = 20000;

void CollectDescendants(HWND root, std::vector<HWND>* out) {
  // Breadth first: out itself is the queue of windows whose children are due.
  for (size_t next = 0;; ++next) {
    HWND parent = next == 0 ? root : (next <= out->size() ? (*out)[next - 1] : nullptr);
    if (!parent) return;
    for (HWND child = GetWindow(parent, GW_CHILD); child && out->size() < kMostWindows;
         child = GetWindow(child, GW_HWNDNEXT))
      out->push_back(child);
  }
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM list) {
  auto* windows = reinterpret_cast<std::vector<HWND>*>(list);
  windows->push_back(window);
  return windows->size() < kMostWindows;
}

}  // namespace

std::string WindowSpec::Describe() const {
  std::string text = "window";
  if (title) text += " " + Quoted(*title);
  if (klass) text += " class=" + *klass;
  if (id) text += " id=" + std::to_string(*id);
  return text;
}

bool Matches(HWND window, const WindowSpec& spec) {
  if (spec.klass && !EqualsNoCase(ClassOf(window), *spec.klass)) return false;
  if (spec.title && TextOf(window) != *spec.title) return false;
  if (spec.id) {
    std::optional<int32_t> id = AskForId(window);
    if (!id || *id != *spec.id) return false;
  }
  return true;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> Descendants(HWND root) {
  std::vector<HWND> windows;
  CollectDescendants(root, &windows);
  return windows;
}

HWND FindVisibleWindow(const WindowSpec& spec) {
  for (HWND top : TopLevelWindows()) {
    if (!IsWindowVisible(top)) continue;
    if (Matches(top, spec)) return top;
    if (!spec.id) continue;
    for (HWND inner : Descendants(top)) {
      if (IsWindowVisible(inner) && MayAskForId(inner) && Matches(inner, spec)) return inner;
    }
  }
  return nullptr;
}

bool HiddenWindowMatches(const WindowSpec& spec) {
  for (HWND top : TopLevelWindows()) {
    if (IsWindowVisible(top)) continue;
    // Only the cheap parts: a hidden window is not asked for its id.
    if (spec.id) continue;
    if (Matches(top, spec)) return true;
  }
  return false;
}

std::string ControlSelector::Describe() const {
  switch (by) {
    case By::kSelf: return "the current window";
    case By::kId: return "control " + std::to_string(id);
    case By::kClass:
      if (caption) return (klass == "*" ? std::string("control") : klass) + " " + Quoted(*caption);
      return klass + " #" + std::to_string(nth);
  }
  return "control";
}

bool ParseControlSelector(std::string_view text, ControlSelector* selector, std::string* error) {
  *selector = ControlSelector();
  if (text == ".") return true;
  if (text.empty()) {
    *error = "an empty control name";
    return false;
  }
  if (text[0] != '@') {
    long long id;
    if (!ParseInteger(text, &id)) {
      *error = "'" + std::string(text) + "' names no control (write an id, ., @Class, @Class:N or @Class=Caption)";
      return false;
    }
    selector->by = ControlSelector::By::kId;
    selector->id = static_cast<int>(id);
    return true;
  }
  std::string_view rest = text.substr(1);
  selector->by = ControlSelector::By::kClass;
  size_t eq = rest.find('=');
  if (eq != std::string_view::npos) {
    selector->klass = std::string(rest.substr(0, eq));
    selector->caption = std::string(rest.substr(eq + 1));
  } else {
    size_t colon = rest.rfind(':');
    long long nth;
    if (colon != std::string_view::npos && ParseInteger(rest.substr(colon + 1), &nth) && nth >= 1) {
      selector->klass = std::string(rest.substr(0, colon));
      selector->nth = static_cast<int>(nth);
    } else {
      selector->klass = std::string(rest);
    }
  }
  if (selector->klass.empty()) {
    *error = "'" + std::string(text) + "' has no class name after @ (use @* for any class)";
    return false;
  }
  return true;
}

namespace {

bool SelectorMatches(HWND window, const ControlSelector& selector) {
  switch (selector.by) {
    case ControlSelector::By::kSelf: return false;
    // Every window of a tree is a child, so its id field holds its id.
    case ControlSelector::By::kId:
      return static_cast<int>(GetWindowLongPtrA(window, GWLP_ID)) == selector.id;
    case ControlSelector::By::kClass:
      if (selector.klass != "*" && !EqualsNoCase(ClassOf(window), selector.klass)) return false;
      return !selector.caption ||
             WithoutMnemonics(TextOf(window)) == WithoutMnemonics(*selector.caption);
  }
  return false;
}

}  // namespace

HWND FindControl(HWND root, const ControlSelector& selector) {
  if (selector.by == ControlSelector::By::kSelf) return IsWindow(root) ? root : nullptr;
  std::vector<HWND> windows = Descendants(root);
  if (selector.by == ControlSelector::By::kClass && !selector.caption) {
    // Counting by position includes hidden controls, so that @Edit:2 means
    // the same control whatever is shown.
    int seen = 0;
    for (HWND w : windows) {
      if (SelectorMatches(w, selector) && ++seen == selector.nth) return w;
    }
    return nullptr;
  }
  HWND hidden = nullptr;
  for (HWND w : windows) {
    if (!SelectorMatches(w, selector)) continue;
    if (IsWindowVisible(w)) return w;
    if (!hidden) hidden = w;
  }
  return hidden;
}

}  // namespace robot
