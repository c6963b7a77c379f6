// Controls that hold a caption, a value or a list and have no behaviour of their own.
#include "platform/forms/forms.h"

namespace rd::forms {

Label::Label(Form& parent, std::string name, int index)
    : Control(parent, std::move(name), ControlKind::Label, index) {}

void Label::SaveDesign() {
  designCommon_ = SaveCommon();
  designCaption_ = Caption;
}

void Label::RestoreDesign() {
  RestoreCommon(designCommon_);
  Caption = designCaption_;
}

CommandButton::CommandButton(Form& parent, std::string name, int index)
    : Control(parent, std::move(name), ControlKind::CommandButton, index) {}

void CommandButton::SaveDesign() {
  designCommon_ = SaveCommon();
  designCaption_ = Caption;
}

void CommandButton::RestoreDesign() {
  RestoreCommon(designCommon_);
  Caption = designCaption_;
}

CheckBox::CheckBox(Form& parent, std::string name)
    : Control(parent, std::move(name), ControlKind::CheckBox) {}

std::string CheckBox::DisplayText() const { return (Value ? "[x] " : "[ ] ") + Caption; }

void CheckBox::SaveDesign() {
  designCommon_ = SaveCommon();
  designCaption_ = Caption;
  designValue_ = Value;
}

void CheckBox::RestoreDesign() {
  RestoreCommon(designCommon_);
  Caption = designCaption_;
  Value = designValue_;
}

Frame::Frame(Form& parent, std::string name)
    : Control(parent, std::move(name), ControlKind::Frame) {}

void Frame::SaveDesign() {
  designCommon_ = SaveCommon();
  designCaption_ = Caption;
}

void Frame::RestoreDesign() {
  RestoreCommon(designCommon_);
  Caption = designCaption_;
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
