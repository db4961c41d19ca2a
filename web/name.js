// The player's name in the table of the best ten, chosen in a dialog of the
// page's own and kept in the settings as the desktop keeps it (player_name;
// empty for the default name).
import { openModal } from "./dialogs.js";
import { element } from "./elements.js";
import { guarded } from "./trouble.js";

export function openNameDialog(game) {
  const c = game.pageCaptions;
  const input = element("input", { type: "text", value: game.settings.playerName });
  const row = element("label", { className: "row" });
  row.append(element("span", {}, c.nameLabel), input);
  const box = openModal(game, c.nameMenu, [row]);
  input.addEventListener("keydown", guarded("the player's name", (e) => { if (e.key === "Enter") box.close(); }));
  box.addEventListener("close", guarded("the player's name", () => {
    const name = input.value.trim();
    if (name !== game.settings.playerName) game.changeSettings("velmorane_settings_player_name", ["string"], [name]);
  }));
  input.focus();
}
