#pragma once

#include <functional>
#include <string>

// Where a part of the program that goes on past something wrong tells of
// it: one line at a time, without the program's name. The window and the
// page print the lines alike (host/io/PrintTrouble). A part that cannot go
// on answers false instead, with the reason in a string of its caller's.
using Trouble = std::function<void(const std::string& line)>;

// The text of a fault at a line of a named file: "name:line: what".
std::string AtLine(const std::string& name, int line, const std::string& what);
