// Keeps a Qt document equal to a runtime text by changing only the part that differs, so that
// a long console transcript costs no more to redraw than the characters that changed.
#pragma once

#include <QTextDocument>
#include <cstdint>
#include <string>

namespace rd::gui {

// How the document was brought in step, counted per Update that changed something.
struct MirrorStats {
  uint64_t appends = 0;       // the new text continued the old one: only the tail was inserted
  uint64_t tailEdits = 0;     // the texts share a beginning: only what follows it was replaced
  uint64_t fullReplaces = 0;  // nothing in common: the whole document was set anew
};

class TextMirror {
 public:
  explicit TextMirror(QTextDocument& doc) : doc_(doc) {}

  // Makes the document show text.
  void Update(const std::string& text);
  // Converts between byte offsets of the text last given to Update and document positions.
  int QtPosition(int byteOffset) const;
  int ByteOffset(int qtPosition) const;

  const MirrorStats& Stats() const { return stats_; }

 private:
  QTextDocument& doc_;
  std::string shown_;
  int qtLength_ = 0;  // document positions taken by shown_
  MirrorStats stats_;
};

}  // namespace rd::gui
