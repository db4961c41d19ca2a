#include "host/io/PrintTrouble.h"

#include <iostream>

#include "host/io/Notices.h"

void PrintTrouble(const std::string& line) {
  std::cerr << "velmorane: " << line << '\n';
  TellNotice({Notice::Kind::Trouble, line, 0});
}
