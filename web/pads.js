// Pads through the Gamepad API, in its standard layout, played as the
// desktop plays them: the first pad as the arrows and Space (Start as
// Enter), the second as player 2's keys (host/settings/PadKeys.h decides).
// The game names the buttons and axes it plays with (shared.padButtons,
// shared.padAxes) and takes them by their standard layout numbers.
import { guarded } from "./trouble.js";

export class PagePads {
  constructor(shared, submit) {
    this.buttons = shared.padButtons;
    this.axes = shared.padAxes;
    this.submit = submit;
    this.seen = new Map();  // pad index -> { buttons, axes } last sent
    this.poller = guarded("the gamepads", () => this.poll());
    window.addEventListener("gamepadconnected", guarded("the gamepads", (e) => this.plugged(e.gamepad)));
    window.addEventListener("gamepaddisconnected", guarded("the gamepads", (e) => this.unplugged(e.gamepad.index)));
  }

  plugged(pad) {
    if (this.seen.has(pad.index)) return;
    this.seen.set(pad.index, { buttons: new Map(), axes: new Map() });
    this.submit("velmorane_pad_plugged", ["number"], [pad.index]);
    if (this.seen.size === 1) requestAnimationFrame(this.poller);
  }

  unplugged(index) {
    if (!this.seen.delete(index)) return;
    this.submit("velmorane_pad_unplugged", ["number"], [index]);
  }

  poll() {
    for (const pad of navigator.getGamepads()) {
      if (!pad || !this.seen.has(pad.index) || pad.mapping !== "standard") continue;
      const last = this.seen.get(pad.index);
      for (const number of this.buttons) {
        const pressed = Boolean(pad.buttons[number] && pad.buttons[number].pressed);
        if ((last.buttons.get(number) || false) === pressed) continue;
        last.buttons.set(number, pressed);
        this.submit("velmorane_pad_button", ["number", "number", "number"], [pad.index, number, pressed ? 1 : 0]);
      }
      for (const number of this.axes) {
        const value = pad.axes[number] || 0;
        if (last.axes.get(number) === value) continue;
        last.axes.set(number, value);
        this.submit("velmorane_pad_axis", ["number", "number", "number"], [pad.index, number, value]);
      }
    }
    if (this.seen.size > 0) requestAnimationFrame(this.poller);
  }
}
