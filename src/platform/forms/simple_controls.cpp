// Controls that hold a caption, a value or a list and have no behaviour of their own.
#include "platform/forms/forms.h"
#include "platform/text/utf8.h"

namespace rd::forms {

CaptionedControl::CaptionedControl(Form& parent, std::string name, ControlKind kind, int index)
    : Control(parent, std::move(name), kind, index) {}

void CaptionedControl::SaveDesign() {
  designCommon_ = SaveCommon();
  designCaption_ = Caption;
}

void CaptionedControl::RestoreDesign() {
  RestoreCommon(designCommon_);
  Caption = designCaption_;
}

Label::Label(Form& parent, std::string name, int index)
    : CaptionedControl(parent, std::move(name), ControlKind::Label, index) {}

CommandButton::CommandButton(Form& parent, std::string name, int index)
    : CaptionedControl(parent, std::move(name), ControlKind::CommandButton, index) {}

Frame::Frame(Form& parent, std::string name)
    : CaptionedControl(parent, std::move(name), ControlKind::Frame) {}

CheckBox::CheckBox(Form& parent, std::string name)
    : CaptionedControl(parent, std::move(name), ControlKind::CheckBox) {}

std::string CheckBox::DisplayText() const { return (Value ? "[x] " : "[ ] ") + Caption; }

void CheckBox::SaveDesign() {
  CaptionedControl::SaveDesign();
  designValue_ = Value;
}

void CheckBox::RestoreDesign() {
  CaptionedControl::RestoreDesign();
  Value = designValue_;
}

ListControl::ListControl(Form& parent, std::string name, ControlKind kind)
    : Control(parent, std::move(name), kind) {}

void ListControl::AddItem(const std::string& item) { Items.push_back(item); }

void ListControl::Clear() {
  Items.clear();
  ListIndex = -1;
}

std::string ListControl::DisplayText() const {
  std::string out;
  for (size_t i = 0; i < Items.size(); ++i) {
    if (i > 0) out += CRLF;
    out += Items[i];
  }
  return out;
}

void ListControl::SaveDesign() {
  designCommon_ = SaveCommon();
  designItems_ = Items;
  designText_ = Text;
}

void ListControl::RestoreDesign() {
  RestoreCommon(designCommon_);
  Items = designItems_;
  Text = designText_;
  ListIndex = -1;
}

ComboBox::ComboBox(Form& parent, std::string name)
    : ListControl(parent, std::move(name), ControlKind::ComboBox) {}

void ComboBox::TypeKey(const Key& key) {
  if (!Editable) return;
  if (key.ascii == 8) {
    if (Text.empty()) return;
    Text.erase(utf8::PreviousStart(Text, Text.size()));
  } else if (key.ascii >= 0xA0 || (key.ascii >= 32 && key.ascii < 127)) {
    const std::string character = utf8::Encode(static_cast<char32_t>(key.ascii));
    if (character.empty()) return;
    Text += character;
  } else {
    return;
  }
  ListIndex = -1;
  if (Change) Change();
}

ListBox::ListBox(Form& parent, std::string name)
    : ListControl(parent, std::move(name), ControlKind::ListBox) {}

Timer::Timer(Form& parent, std::string name)
    : Control(parent, std::move(name), ControlKind::Timer) {}

void Timer::SaveDesign() {
  designCommon_ = SaveCommon();
  designInterval_ = Interval;
}

void Timer::RestoreDesign() {
  RestoreCommon(designCommon_);
  Interval = designInterval_;
  elapsedMs_ = 0;
}

}  // namespace rd::forms
