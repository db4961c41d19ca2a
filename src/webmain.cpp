// The browser program has no main loop of its own: the page calls the
// exported functions (ReplayExports.cpp, PlayExports.cpp) when it is ready.
int main() { return 0; }
