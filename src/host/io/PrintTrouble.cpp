#include "host/io/PrintTrouble.h"

#include <iostream>

void PrintTrouble(const std::string& line) { std::cerr << "velmorane: " << line << '\n'; }
