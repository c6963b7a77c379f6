// Headless window runtime: forms, controls, key events, the send-keys queue, focus and timers.
// The same forms and handlers run under the Qt front end and under the headless driver; this
// layer draws nothing. Event handlers are std::function members that a form sets in its
// constructor. Every user event enters through Runtime (PressKey, Click, ChooseMenu, ...),
// which runs the handler, reports an uncaught exception in a message box, then delivers the
// keys the handlers sent, one event each, and finally notifies the observers.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/appearance.h"
#include "platform/services/services.h"

namespace rd::forms {

// Key codes of KeyDown.
inline constexpr int16_t vbKeyBack = 8;
inline constexpr int16_t vbKeyTab = 9;
inline constexpr int16_t vbKeyReturn = 13;
inline constexpr int16_t vbKeyShift = 16;
inline constexpr int16_t vbKeyControl = 17;
inline constexpr int16_t vbKeyEscape = 27;
inline constexpr int16_t vbKeySpace = 32;
inline constexpr int16_t vbKeyPageUp = 33;
inline constexpr int16_t vbKeyPageDown = 34;
inline constexpr int16_t vbKeyEnd = 35;
inline constexpr int16_t vbKeyHome = 36;
inline constexpr int16_t vbKeyLeft = 37;
inline constexpr int16_t vbKeyUp = 38;
inline constexpr int16_t vbKeyRight = 39;
inline constexpr int16_t vbKeyDown = 40;
inline constexpr int16_t vbKeyDelete = 46;
inline constexpr int16_t vbKeyF1 = 112;
// Shift state bits of KeyDown.
inline constexpr int16_t vbShiftMask = 1;
inline constexpr int16_t vbCtrlMask = 2;
inline constexpr int16_t vbAltMask = 4;

inline constexpr const char* CRLF = "\r\n";

// One keystroke: the key code for KeyDown, the shift state, and the character code for
// KeyPress (0 when the key produces no character: arrows, End, Delete, F1, ...). A character
// code is the character's Unicode code point, so control codes and ASCII characters keep their
// classic codes; a character outside ASCII has key code 0.
struct Key {
  int16_t keyCode = 0;
  int16_t shift = 0;
  int32_t ascii = 0;
};

// Parses send-keys notation (UTF-8) into keystrokes, one per character: "{UP}", "{DOWN}", "{LEFT}",
// "{RIGHT}", "{END}",
// "{HOME}", "{BACKSPACE}"/"{BS}", "{DELETE}"/"{DEL}", "{TAB}", "{ENTER}" and "~", "{F1}",
// "{ESC}", "^" Ctrl, "+" Shift, "%" Alt (for the next key), "{+}" "{^}" "{%}" "{~}" "{{}" "{}}"
// for the literal characters (any single character in braces stands for itself). "{NAME n}"
// repeats a key n times. Ctrl+letter gives the letter's code minus 64 (Ctrl+Z is 26), Ctrl+Shift+6
// character 30; Alt keys produce no character. Throws std::invalid_argument on malformed text
// (unknown or unclosed braces, a modifier with no key, a control character in the text, bytes
// that are no UTF-8).
std::vector<Key> ParseSendKeys(const std::string& keys);

class Form;
class Runtime;

// The edges of its window a control keeps its distance to when the window is shown larger than
// its design size. Only the Qt front end lets a window grow; the design position, which the
// handlers and the driver see, stays as it is.
enum AnchorEdge : int {
  anchorLeft = 1,
  anchorTop = 2,
  anchorRight = 4,
  anchorBottom = 8,
  anchorAll = anchorLeft | anchorTop | anchorRight | anchorBottom,
};

enum class ControlKind {
  TextBox,
  Label,
  CommandButton,
  ComboBox,
  ListBox,
  Menu,
  Grid,
  Timer,
  PictureBox,
  RichTextBox,
  WebBrowser,
  CheckBox,
  Frame,
  Line,
};

class Control {
 public:
  Control(Form& parent, std::string name, ControlKind kind, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // control-array index, -1 when not in an array
  ControlKind Kind() const { return kind_; }
  Form& Parent() const { return parent_; }

  bool Visible = true;
  bool Enabled = true;
  int Left = 0, Top = 0, Width = 0, Height = 0;  // design position, in pixels
  // Sets the design position in one go.
  void Place(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
  }
  int TabIndex = 0;
  bool TabStop = true;
  std::string ToolTipText;  // shown when the pointer rests on the control; "" for none
  // AnchorEdge bits: anchored left and right it grows with the window's width, right only it
  // moves with the right edge; likewise top and bottom. Left and top by default: it stays.
  int Anchor = anchorLeft | anchorTop;
  // Look (appearance.h): the defaults leave the font and the colours to the front end.
  FontSpec Font;
  Color ForeColor;  // text
  Color BackColor;  // background

  void SetFocus();  // makes this the focused control (GotFocus/LostFocus fire)
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;

  // What the driver's "show" prints and what the binder displays as the control's text.
  virtual std::string DisplayText() const { return ""; }
  // The design values are taken once the form's constructor has set them; Unload restores them.
  virtual void SaveDesign() = 0;
  virtual void RestoreDesign() = 0;

 protected:
  struct Common {
    bool Visible, Enabled;
    int Left, Top, Width, Height, TabIndex;
    bool TabStop;
    std::string ToolTipText;
    int Anchor;
    FontSpec Font;
    Color ForeColor, BackColor;
  };
  Common SaveCommon() const;
  void RestoreCommon(const Common& c);

 private:
  Form& parent_;
  std::string name_;
  ControlKind kind_;
  int index_;
};

class TextBox : public Control {
 public:
  TextBox(Form& parent, std::string name, bool multiLine = false);

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);  // caret to 0, no selection; fires Change
  int SelStart() const { return selStart_; }
  void SetSelStart(int start);  // clamped to the text; clears the selection
  int SelLength() const { return selLength_; }
  void SetSelLength(int length);  // clamped to the text after SelStart
  std::string SelText() const;
  void SetSelText(const std::string& text);  // replaces the selection; caret after it

  bool Locked = false;
  bool MultiLine = false;
  int MaxLength = 0;             // 0 = unlimited
  std::string PasswordChar;      // "" or one character shown in place of each character
  Bars ScrollBars = Bars::None;  // of a multi-line box (appearance.h)

  std::function<void(int16_t& keyCode, int16_t shift)> KeyDown;
  std::function<void(int32_t& keyAscii)> KeyPress;
  std::function<void()> Change;
  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void(int button, int shift, int x, int y)> MouseDown;

  // The box's own action for a key that no handler blocked: insert the character's UTF-8 bytes
  // at the caret, replacing the selection (Enter inserts CR LF in a multi-line box; other
  // control characters insert nothing; MaxLength, in characters, stops typing), Backspace and
  // Delete (a CR LF, and a character of several bytes, goes as one), caret movement with Left,
  // Right, Home, End, Up and Down (Up and Down keep the column, clamped to the line's length;
  // Ctrl+Home and Ctrl+End go to the text's ends; a single-line box takes Up and Down as Left
  // and Right). Editing is skipped while Locked; caret movement is not. A key code of 0 (a
  // KeyDown handler cleared it) moves nothing and deletes nothing. Offsets (SelStart,
  // SelLength) count bytes; the caret never stops between CR and LF nor inside a character.
  void DefaultAction(const Key& key);

  // The text, masked by PasswordChar (one per character) when set.
  std::string DisplayText() const override;
  void SaveDesign() override;
  void RestoreDesign() override;

  // Revision counter, bumped on every change of text; the Qt binder redraws only on change.
  uint64_t TextRevision() const { return revision_; }

 protected:
  TextBox(Form& parent, std::string name, bool multiLine, ControlKind kind);

 private:
  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  uint64_t revision_ = 0;
  int Caret() const { return selStart_ + selLength_; }
  void MoveCaret(int pos);
  void Replace(int start, int length, const std::string& text);  // caret after the new text
  void Edit(const Key& key);
  void Navigate(const Key& key);
  struct Design;
  std::shared_ptr<Design> design_;
};

class RichTextBox : public TextBox {
 public:
  RichTextBox(Form& parent, std::string name);
};

// A control whose design state is its caption: label, button, check box and frame.
class CaptionedControl : public Control {
 public:
  CaptionedControl(Form& parent, std::string name, ControlKind kind, int index = -1);
  std::string Caption;
  std::function<void()> Click;
  std::string DisplayText() const override { return Caption; }
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  Common designCommon_{};
  std::string designCaption_;
};

class Label : public CaptionedControl {
 public:
  Label(Form& parent, std::string name, int index = -1);
};

class CommandButton : public CaptionedControl {
 public:
  CommandButton(Form& parent, std::string name, int index = -1);
};

class Frame : public CaptionedControl {
 public:
  Frame(Form& parent, std::string name);
};

class CheckBox : public CaptionedControl {
 public:
  CheckBox(Form& parent, std::string name);
  int Value = 0;  // 0 unchecked, 1 checked
  std::string DisplayText() const override;
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  int designValue_ = 0;
};

// Combo box and list box share the item list. ListIndex is -1 when nothing is chosen.
class ListControl : public Control {
 public:
  ListControl(Form& parent, std::string name, ControlKind kind);
  std::vector<std::string> Items;
  int ListIndex = -1;
  std::string Text;  // the edit text (combo) or the chosen item's text
  void AddItem(const std::string& item);
  void Clear();
  int ListCount() const { return static_cast<int>(Items.size()); }
  std::function<void()> Click;
  std::function<void()> DropDown;
  std::function<void()> Change;
  std::string DisplayText() const override;  // the items, one per line
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  Common designCommon_{};
  std::vector<std::string> designItems_;
  std::string designText_;
};

class ComboBox : public ListControl {
 public:
  ComboBox(Form& parent, std::string name);
  // A drop-down combo takes typed text as well as a choice from its list; a plain one only a
  // choice.
  bool Editable = false;
  // The typing of an editable combo (the runtime's key path calls it): a character goes to the
  // end of Text, Backspace takes off the last character (a whole UTF-8 sequence); either
  // clears ListIndex and fires Change. Other keys, and every key of a plain combo, do nothing.
  void TypeKey(const Key& key);
};

class ListBox : public ListControl {
 public:
  ListBox(Form& parent, std::string name);
};

// A menu item. Items form a tree through their parent; an item with children is a submenu.
// A control array is a MenuArray: element 0 exists from design, further elements are loaded at
// run time (copies of element 0's caption, hidden) and vanish when the form unloads.
class Menu : public Control {
 public:
  Menu(Form& parent, std::string name, std::string caption, Menu* parentMenu, int index = -1);
  std::string Caption;
  bool Checked = false;
  Menu* ParentMenu() const { return parentMenu_; }
  std::vector<Menu*> Children() const;  // visible or not, in design/load order
  std::function<void()> Click;          // for array elements the array's handler gets the index
  // A submenu shows its visible children's captions, one per line; an item its own caption.
  std::string DisplayText() const override;
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  friend class MenuArray;
  Menu* parentMenu_;
  Common designCommon_{};
  std::string designCaption_;
  bool designChecked_ = false;
};

class MenuArray {
 public:
  // Creates element 0 from design.
  MenuArray(Form& parent, std::string name, std::string caption0, Menu* parentMenu, bool visible0);
  Menu& operator()(int index);  // throws std::out_of_range when not loaded
  bool IsLoaded(int index) const;
  void Load(int index);  // throws std::invalid_argument when already loaded
  void UnloadAll();      // removes every element but 0 (the form's unload does this)
  std::vector<int> LoadedIndexes() const;  // ascending
  std::function<void(int index)> Click;
  ~MenuArray();
  MenuArray(const MenuArray&) = delete;
  MenuArray& operator=(const MenuArray&) = delete;

 private:
  Form& form_;
  std::string name_;
  Menu* parentMenu_;
  std::map<int, std::unique_ptr<Menu>> elements_;
};

// A line drawn on the window from (X1, Y1) to (X2, Y2), in the window's pixels: decoration, it
// takes no focus and no events and has no text. Its design position (Left, Top, Width, Height)
// is the rectangle its two ends span (a width or height of 0 for a level or upright line), which
// the front end moves and stretches by the anchors like any control's.
class Line : public Control {
 public:
  Line(Form& parent, std::string name);
  // Sets the two ends, and the design position with them.
  void SetEnds(int x1, int y1, int x2, int y2);
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  int BorderWidth = 1;               // pixels
  Color BorderColor = vbWindowText;  // as the classic toolkit draws a line
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  struct Design {
    Common common;
    int x1, y1, x2, y2, borderWidth;
    Color borderColor;
  };
  Design design_{};
};

// Grid with fixed rows and columns. FormatString sets the column headings ("|" separates
// columns, "<" "^" ">" align) and the column count. Rows is set by design and never changed
// unless a form sets it; Unload gives the grid its design rows back.
class Grid : public Control {
 public:
  Grid(Form& parent, std::string name, int rows, int cols);
  int Rows() const { return static_cast<int>(cells_.size()); }
  int DesignRows() const { return designed_ ? static_cast<int>(designCells_.size()) : Rows(); }
  int Cols() const;
  void SetRows(int rows);
  void SetCols(int cols);
  int FixedRows = 1;
  int FixedCols = 0;
  int Row = 0;  // current cell; setting it out of range throws std::out_of_range when used
  int Col = 0;
  void SetFormatString(const std::string& format);
  std::string Text() const;  // of the current cell
  void SetText(const std::string& text);
  std::string TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const std::string& text);
  void Clear();  // empties every cell, headings included
  std::function<void()> Click;
  std::function<void()> DblClick;
  // Rows as lines, cells separated by "|", down to the last row with any text: the empty rows
  // after it are left out, however many rows the design gives the grid.
  std::string DisplayText() const override;
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  void CheckCell(int row, int col) const;  // throws std::out_of_range outside the grid
  std::vector<std::vector<std::string>> cells_;
  int cols_ = 0;
  Common designCommon_{};
  int designCols_ = 0;
  std::vector<std::vector<std::string>> designCells_;
  bool designed_ = false;
};

class Timer : public Control {
 public:
  Timer(Form& parent, std::string name);
  int Interval = 0;  // milliseconds; 0 = off
  std::function<void()> Tick;
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  friend class Runtime;
  Common designCommon_{};
  int designInterval_ = 0;
  int64_t elapsedMs_ = 0;
};

// Picture box and image: show a picture file. An empty Picture shows nothing.
class PictureBox : public Control {
 public:
  PictureBox(Form& parent, std::string name);
  std::string Picture;  // file path; loading is checked by LoadPicture
  std::function<void()> Click;
  std::string DisplayText() const override { return Picture; }
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  Common designCommon_{};
  std::string designPicture_;
};

// Returns path, with every backslash turned into a slash (either separates folders, as on the
// desktop the content was written for), when the file exists and is a picture the program can
// show; throws std::runtime_error naming the file otherwise.
std::string LoadPicture(const std::string& path);

class WebBrowser : public Control {
 public:
  WebBrowser(Form& parent, std::string name);
  void Navigate(const std::string& path);  // throws std::runtime_error when the file is missing
  const std::string& LocationURL() const { return location_; }
  std::string DisplayText() const override { return location_; }
  void SaveDesign() override;
  void RestoreDesign() override;

 private:
  Common designCommon_{};
  std::string location_;
};

// A window. Derived forms declare their controls as members and set their handlers in the
// constructor, then call FinishDesign(). Load runs Form_Load only when not loaded; Unload runs
// Form_Unload (which may cancel), restores every control's design values and unloads run-time
// menu elements; the form object itself, and so its private members, live on.
class Form {
 public:
  Form(Runtime& rt, std::string name, std::string caption);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  Runtime& runtime() const { return rt_; }

  std::string Caption;
  int Width = 640, Height = 480;
  bool IsLoaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);  // the Visible property; Show/Hide set it too

  // Load, Show, Hide and Unload run as events (see Runtime::RunEvent) when called outside one.
  // No-op when loaded; the loaded flag is set before Form_Load runs. When Form_Load throws, the
  // form is left unloaded (as Unload leaves it, without Form_Unload) and the error travels on.
  void Load();
  // Loads first when needed, then makes visible and active: unless one of its controls has the
  // focus, the focus goes to the control that had it when the form was last active, or else to
  // its first tab stop. Form_Activate runs when the form was not the active one.
  void Show();
  // How often Show has made the form visible and active; the Qt binder brings the window to the
  // front whenever this grows, also when it was visible already.
  uint64_t ShowCount() const { return shows_; }
  void Hide();  // the focus goes back to the form that was active before
  // No-op when not loaded; the program ends when no form is loaded. Unless Form_Unload cancels,
  // the caption and every control return to their design values.
  void Unload();

  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FindControl(const std::string& name, int index = -1) const;
  std::vector<Menu*> TopMenus() const;  // design order

  // Handlers a form may override.
  virtual void Form_Load() {}
  virtual void Form_Unload(int& cancel) { (void)cancel; }
  virtual void Form_Activate() {}
  // Key preview: the form sees F1 and other keys that no control consumed.
  std::function<void(int16_t& keyCode, int16_t shift)> KeyDown;

 protected:
  void FinishDesign();  // takes the design values of every control

 private:
  friend class Control;
  friend class MenuArray;
  friend class Runtime;
  void AddControl(Control* c);
  void RemoveControl(Control* c);
  // Ends the loaded state: hidden, run-time menu elements gone, design values back.
  void Discard();
  // The control that gets the focus when the form becomes active: the one that last had it, or
  // else the first tab stop by tab order; nullptr when none can take it.
  Control* FocusTarget() const;
  Runtime& rt_;
  std::string name_;
  bool loaded_ = false;
  bool visible_ = false;
  uint64_t shows_ = 0;
  std::vector<Control*> controls_;
  std::vector<MenuArray*> menuArrays_;
  bool designed_ = false;  // FinishDesign ran: Unload may restore design values
  std::string designCaption_;
  Control* lastFocus_ = nullptr;  // focus returns here when the form is activated again
};

// Companion windows. A window sets itself aside (hidden; its state, text and timers kept) while
// a companion window of its own is open, and is given back when the companion closes: visible
// again, with the focus in `home`.
void GiveBack(Form& owner, Control& home);
// Sets `owner` aside and opens `companion` (load, then show). When the companion cannot open, it
// is unloaded and the owner given back before the failure travels on to be reported, so that a
// window stays on screen.
void OpenCompanion(Form& owner, Control& home, Form& companion);

// Whether a control can take the focus (kind, Visible, Enabled and a visible form); TabStop is
// not required: a click or SetFocus may focus a control that Tab skips.
bool CanFocus(const Control& c);

// Observer of the runtime, for the Qt binder: told after every completed user event.
class Observer {
 public:
  virtual ~Observer() = default;
  virtual void AfterEvent() = 0;
};

class Runtime {
 public:
  explicit Runtime(services::Services& services);
  ~Runtime();

  services::Services& svc() { return services_; }
  // A message box with the application title "Quillworks" unless a title is given.
  int MsgBox(const std::string& prompt, int buttons = services::vbOKOnly,
             const std::string& title = "");

  // Windows are registered once by the composition root and looked up by name.
  void Register(std::unique_ptr<Form> form);
  Form& GetForm(const std::string& name) const;  // throws std::out_of_range
  template <class T>
  T& Get(const std::string& name) const {
    return dynamic_cast<T&>(GetForm(name));
  }
  std::vector<Form*> Forms() const;  // registration order
  bool AnyLoaded() const;            // false: the program has ended

  Control* Focused() const { return focused_; }
  void SetFocus(Control* c);  // fires LostFocus/GotFocus

  // User events. Each runs as one event: handler, then queued send-keys, then observers.
  // The key path: Tab and Shift+Tab move the focus among the tab stops of the focused control's
  // form. The form's KeyDown sees F1 first (and every key while no control has the focus); a
  // key code it clears goes no further. A text box runs KeyDown(keyCode, shift), then, for a key
  // with a character, KeyPress(keyAscii) (0 cancels the character, another code replaces it),
  // then DefaultAction, unless a handler unloaded the form. A button takes Enter and Space as a
  // click, a check box Space, an editable combo box the characters it types (TypeKey).
  void PressKey(const Key& key);
  void TypeKeys(const std::string& sendKeysText);  // each key as its own user event
  void Click(Control& c);                          // button, label, picture, check box, grid
  void ChooseMenu(Menu& m);
  void DropDownAndChoose(ComboBox& combo, const std::string& item);  // throws when missing
  void Tick(int milliseconds);  // advances the clock of every enabled timer of loaded forms
  // Shows the visible items of `menu` as a context menu at the pointer and runs the Click of
  // the one chosen, within the current event.
  void PopupMenu(Menu& menu);
  // Runs any other event with the same rules. Only the outermost event catches: an exception
  // (std::exception, rd::db::DbError included) ends it with a critical message box showing
  // what(); inside an event, a nested RunEvent or entry point lets it travel to the outer one.
  void RunEvent(const std::function<void()>& handler);

  // Queues keys for the focused control; they are delivered, each as an event of its own, after
  // the current event has completed, in the order sent (keys sent meanwhile join the end).
  // Outside any event the keys are delivered at once. Throws std::invalid_argument on bad text.
  void SendKeys(const std::string& keys);

  void AddObserver(Observer* o);
  void RemoveObserver(Observer* o);

 private:
  friend class Form;
  void RunGuarded(const std::function<void()>& handler);  // reports exceptions at the outer level
  void DeliverKey(const Key& key);
  void MoveFocusByTab(bool backwards);
  void DrainSendKeys();
  void Notify();
  void FormActivated(Form& f);    // the form was shown: it becomes the active window
  void FormDeactivated(Form& f);  // hidden or unloaded: focus moves to the next active window
  Form* ActiveForm() const;
  services::Services& services_;
  std::vector<std::unique_ptr<Form>> forms_;
  Control* focused_ = nullptr;
  std::vector<Key> pending_;
  std::vector<Form*> activation_;  // visible forms, most recently activated last
  int depth_ = 0;
  bool draining_ = false;
  std::vector<Observer*> observers_;
};

}  // namespace rd::forms
