// Pads through the Gamepad API, in its standard layout, played as the
// desktop plays them: the first pad as the arrows and Space (Start as
// Enter), the second as player 2's keys (host/PadKeys.h decides).
"use strict";

// The game's names for a pad's parts (pad::Button and pad::Axis), by the
// standard layout's button and axis numbers.
const kPadButtons = new Map([[0, 0], [1, 1], [9, 2], [12, 3], [13, 4], [14, 5], [15, 6]]);
const kPadAxes = new Map([[0, 0], [1, 1]]);
const kStickRange = 32767;

class PagePads {
  constructor(submit) {
    this.submit = submit;
    this.seen = new Map();  // pad index -> { buttons, axes } last sent
    window.addEventListener("gamepadconnected", (e) => this.plugged(e.gamepad));
    window.addEventListener("gamepaddisconnected", (e) => this.unplugged(e.gamepad.index));
  }

  plugged(pad) {
    if (this.seen.has(pad.index)) return;
    this.seen.set(pad.index, { buttons: new Map(), axes: new Map() });
    this.submit("velmorane_pad_plugged", ["number"], [pad.index]);
    if (this.seen.size === 1) requestAnimationFrame(() => this.poll());
  }

  unplugged(index) {
    if (!this.seen.delete(index)) return;
    this.submit("velmorane_pad_unplugged", ["number"], [index]);
  }

  poll() {
    for (const pad of navigator.getGamepads()) {
      if (!pad || !this.seen.has(pad.index) || pad.mapping !== "standard") continue;
      const last = this.seen.get(pad.index);
      for (const [number, button] of kPadButtons) {
        const pressed = Boolean(pad.buttons[number] && pad.buttons[number].pressed);
        if ((last.buttons.get(number) || false) === pressed) continue;
        last.buttons.set(number, pressed);
        this.submit("velmorane_pad_button", ["number", "number", "number"], [pad.index, button, pressed ? 1 : 0]);
      }
      for (const [number, axis] of kPadAxes) {
        const value = Math.round((pad.axes[number] || 0) * kStickRange);
        if (last.axes.get(number) === value) continue;
        last.axes.set(number, value);
        this.submit("velmorane_pad_axis", ["number", "number", "number"], [pad.index, axis, value]);
      }
    }
    if (this.seen.size > 0) requestAnimationFrame(() => this.poll());
  }
}
