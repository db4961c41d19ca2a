// Calls into the game. What the page hands it is checked on both sides: a
// number must be a finite number here, and the game refuses a value out of
// its range, which is thrown as an error naming the function.

export function callGame(module, name, returns, types, values) {
  types.forEach((type, i) => {
    if (type === "number" && !Number.isFinite(values[i])) throw new Error(`${name}: ${values[i]} is not a number`);
  });
  const answer = module.ccall(name, returns, types, values);
  const refused = module.ccall("velmorane_refusal", "string", [], []);
  if (refused !== "") throw new Error(`${name}: ${refused}`);
  return answer;
}

// The numbers and lists the page shares with the game (the game's
// SharedJson), read once; asking for one the game does not give is an error.
export function readShared(module) {
  return sealed(JSON.parse(callGame(module, "velmorane_shared", "string", [], [])), "shared");
}

function sealed(value, path) {
  if (value === null || typeof value !== "object") return value;
  const inner = Array.isArray(value) ? value.map((v, i) => sealed(v, `${path}[${i}]`))
    : Object.fromEntries(Object.entries(value).map(([k, v]) => [k, sealed(v, `${path}.${k}`)]));
  return new Proxy(Object.freeze(inner), {
    get(target, key) {
      if (typeof key === "string" && !(key in target)) throw new Error(`the game shares no ${path}.${key}`);
      return target[key];
    },
  });
}
