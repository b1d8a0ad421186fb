// Placeholder until the command-line solver is written.
int main() { return 0; }
