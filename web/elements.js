// Small helpers the page's scripts share for building their controls.
// A new element with these properties and, if given, this text.
export function element(tag, attributes, text) {
  const e = document.createElement(tag);
  Object.assign(e, attributes);
  if (text !== undefined) e.textContent = text;
  return e;
}

// The caption with {key}, {action} and {n} filled in, as the desktop fills it.
export function filled(caption, values) {
  return caption.replace(/\{(key|action|n)\}/g, (_, name) => String(values[name] ?? ""));
}
