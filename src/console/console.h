// The console both windows share: a multi-line text box whose whole text is the session's
// transcript. The component owns the mechanics that the terminal and the lab console have in
// common: the whole-text rewrite, the one-keystroke block, the prompt-line guard, the extra line
// break owed after a redraw, and the program's own keystrokes, each sent for a named job that
// stays pending until the key-down handler takes it. What a key means is the windows' business.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>

#include "console/transcript.h"
#include "platform/forms/forms.h"

namespace rd::console {

// The program's own keystrokes, by the job each is sent for.
enum class OwnKey : uint8_t {
  CaretUp,       // "{UP}": the caret from the empty last line onto the prompt line
  EscapeRedraw,  // "{UP}": the last line gives way to a fresh prompt
  HelpRetype,    // "{UP}": the words of the "?" line are typed again after the listing
  PasswordStar,  // "{UP}": a star for the password character just typed
  RightUp,       // "{UP}" that follows the Right arrow
  DownUp,        // "{UP}" that follows a Down recall
  UndoUp,        // "{DOWN}" that undoes the caret movement of a swallowed Up
  EraseTyped,    // "{BACKSPACE}" that removes the character the box inserts after the handler
};
inline constexpr size_t kOwnKeyCount = 8;

// Why the next output owes one extra line break: a redraw left the transcript ending with a
// prompt that no Enter followed.
enum class Redrawn : uint8_t {
  Prompt,  // a redraw job of the program's own Up key, or the end of paging
  Screen,  // Ctrl+Z, a pager continuation, the end of paging
};

// Drops a caret key whose own action would take the caret off the line being typed (Home,
// Ctrl+Home, Ctrl+End, Page Up, Page Down) by clearing `keyCode`; other keys pass unchanged.
void DropCaretJump(int16_t& keyCode, int16_t shift);

class Console {
 public:
  Console(forms::TextBox& box, forms::Runtime& runtime);

  const std::string& Text() const;
  // Selects the whole text and replaces it; the caret then stands at the end.
  void Rewrite(const std::string& text);
  // Replaces the last `count` characters (all of them when the text is shorter) by `text`.
  void ReplaceTail(size_t count, const std::string& text);
  // The line being typed (see TypedLine in transcript.h).
  std::string TypedLine() const;

  // The one-keystroke block: the box skips its own action for the key being handled.
  void Block();
  void Unblock();
  // Backspace guard: blocks the key unless the typed line begins with `prompt` and goes on after
  // it, so that no prompt (nor "press enter to begin", nor a prompt the console no longer
  // shows) is ever erased. True when it blocked.
  bool GuardPrompt(const std::string& prompt);

  // Marks `key`'s job pending and queues the key for the box.
  void Send(OwnKey key);
  // Queue keys that carry no job: "{END}" only moves the caret to the end of its line;
  // "{BACKSPACE}" goes through the handlers like the user's own (the prompt guard may stop it).
  void SendEnd();
  void SendBackspace();
  // After an arrow key whose own action may take the caret down a line: when a line break
  // follows the caret (the empty line under the prompt line), `upJob`'s Up brings it back; then
  // End. On the last line (a prompt that no Enter followed) only End, which keeps it there.
  void ReturnToTypedLine(OwnKey upJob);
  bool Pending(OwnKey key) const;
  // True when `key`'s job was pending; it is not pending afterwards.
  bool Take(OwnKey key);
  void Forget(OwnKey key);

  void MarkRedrawn(Redrawn why);
  bool IsRedrawn(Redrawn why) const;
  // CR LF when `why` is marked (and it is then forgotten), else nothing.
  std::string TakeBreak(Redrawn why);
  // CR LF when either reason is marked (both are then forgotten), else nothing.
  std::string TakeBreak();
  // A new transcript owes nothing to the old one: both reasons are forgotten.
  void ForgetRedraws();

  // No job pending any more (the keys already sent stay queued).
  void ForgetOwnKeys();

 private:
  forms::TextBox& box_;
  forms::Runtime& runtime_;
  std::bitset<kOwnKeyCount> pending_;
  std::bitset<2> redrawn_;
};

}  // namespace rd::console
