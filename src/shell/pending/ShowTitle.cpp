// Placeholder until this sequence is built; its owner deletes this file.
#include "screens/Title.h"
void ShowTitle(Game&) {}
