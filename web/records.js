// The Game menu's records as HTML dialogs: the table of the best ten and the
// list of recordings the page keeps. A recording is watched by opening the
// page on it (?watch=NAME), or saved as a .replay file.
import { openModal } from "./dialogs.js";
import { element } from "./elements.js";
import { guarded } from "./trouble.js";

function recordsTable(headers, rows, className = "records") {
  const table = element("table", { className });
  const head = element("tr");
  for (const h of headers) head.appendChild(element("th", {}, h));
  table.appendChild(head);
  for (const cells of rows) {
    const row = element("tr");
    for (const cell of cells) {
      const td = element("td");
      if (cell instanceof Node) td.appendChild(cell);
      else td.textContent = cell;
      row.appendChild(td);
    }
    table.appendChild(row);
  }
  return table;
}

function recordButton(caption, action) {
  const b = element("button", { type: "button" }, caption);
  b.addEventListener("click", guarded("the records", action));
  return b;
}

// A row's Watch button, or a note that the recording was made by another
// version of the game and cannot be watched here.
function watchOrNot(game, name, otherVersion) {
  const c = game.captions;
  return otherVersion ? element("span", { className: "other-version" }, c.OtherVersion)
    : recordButton(c.Watch, () => game.watch(name));
}

export function openScoresDialog(game) {
  const c = game.captions;
  const { scores } = game.records();
  const body = scores.length === 0 ? element("p", {}, c.NoScores) : recordsTable(
    [c.Rank, c.Score, c.Reached, c.Name, c.Date, ""],
    scores.map((e, i) => [String(i + 1), String(e.score), e.reached, e.name, e.date,
      e.replay ? watchOrNot(game, e.replay, e.otherVersion) : ""]), "records scores");
  openModal(game, c.ScoresMenu, [body], "settings records-dialog", c.Close);
}

export function openReplaysDialog(game) {
  const c = game.captions;
  const { replays } = game.records();
  const body = replays.length === 0 ? element("p", {}, c.NoReplays) : recordsTable(
    [c.Date, c.Length, c.Best, "", ""],
    replays.map((r) => [r.start, r.length, r.best > 0 ? String(r.best) : "-",
      watchOrNot(game, r.name, r.otherVersion),
      recordButton(game.pageCaptions.saveKept, () => game.saveKept(r.name))]));
  openModal(game, c.ReplaysMenu, [body], "settings records-dialog", c.Close);
}
