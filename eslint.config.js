// ESLint's rules for the page's scripts (web/), which run in the browser as
// ES modules; tests/scripts/eslint.sh runs it.
import js from "@eslint/js";
import globals from "globals";

export default [
  js.configs.recommended,
  {
    files: ["web/**/*.js"],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: "module",
      globals: globals.browser,
    },
    rules: {
      "no-implicit-globals": "error",
      "no-undef": "error",
      "no-unused-vars": ["error", { args: "after-used" }],
      "prefer-const": "error",
      "no-var": "error",
      eqeqeq: "error",
    },
  },
];
