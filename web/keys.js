// The keyboard's keys by the names the settings give them (the desktop's
// names, so a settings file means the same keys in both), from the
// browser's key codes.
const kNamedKeys = {
  ArrowLeft: "Left", ArrowRight: "Right", ArrowUp: "Up", ArrowDown: "Down",
  Space: "Space", Enter: "Enter", NumpadEnter: "Enter", Tab: "Tab", Backspace: "Backspace",
  Insert: "Insert", Delete: "Delete", Home: "Home", End: "End", PageUp: "PageUp", PageDown: "PageDown",
  NumpadAdd: "KeypadPlus", NumpadSubtract: "KeypadMinus", NumpadMultiply: "KeypadMultiply",
  NumpadDivide: "KeypadDivide", ShiftLeft: "LeftShift", ShiftRight: "RightShift",
  ControlLeft: "LeftCtrl", ControlRight: "RightCtrl", AltLeft: "LeftAlt", AltRight: "RightAlt",
  Comma: "Comma", Period: "Period",
};

// The key's name, or "" for a key the game cannot use.
export function keyName(event) {
  if (event.code in kNamedKeys) return kNamedKeys[event.code];
  const plain = /^(?:Key([A-Z])|Digit([0-9])|Numpad([0-9]))$/.exec(event.code);
  if (!plain) return "";
  return plain[1] || plain[2] || `Keypad${plain[3]}`;
}
